#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "picture/formats/result.h"

namespace qc {

// The largest picture any reader will allocate: 256 megapixels (1 GiB of pixels).
constexpr std::int64_t kMaxPicturePixels = 256LL * 1024 * 1024;

// One pixel as a 32-bit value 0xAARRGGBB, i.e. the bytes blue, green, red, alpha in memory on
// the little-endian machines we run on. Alpha is straight (not premultiplied).
inline constexpr std::uint32_t Argb(std::uint32_t a, std::uint32_t r, std::uint32_t g,
                                    std::uint32_t b) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}
inline constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return Argb(255, r, g, b);
}

// A width × height block of 32-bit pixels. All pixel memory of the readers is allocated here,
// where the size limit and the overflow check live. Copies share the pixels.
class Bitmap {
public:
    Bitmap() = default;

    // Pixels are left uninitialised. Fails for a size of 0, a negative size, or one above
    // kMaxPicturePixels.
    static Result<Bitmap> Create(std::int64_t width, std::int64_t height);
    // As Create, every pixel set to `fill`.
    static Result<Bitmap> Filled(std::int64_t width, std::int64_t height, std::uint32_t fill);

    bool isNull() const { return !m_pixels; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    std::size_t pixelCount() const { return std::size_t(m_width) * std::size_t(m_height); }
    std::size_t byteCount() const { return pixelCount() * 4; }

    std::uint32_t* pixels() { return m_pixels.get(); }
    const std::uint32_t* pixels() const { return m_pixels.get(); }
    std::uint32_t* row(int y) { return m_pixels.get() + std::size_t(y) * std::size_t(m_width); }
    const std::uint32_t* row(int y) const {
        return m_pixels.get() + std::size_t(y) * std::size_t(m_width);
    }

    // Whether any pixel may have alpha below 255; opaque pictures skip blending.
    bool hasAlpha() const { return m_hasAlpha; }
    void setHasAlpha(bool hasAlpha) { m_hasAlpha = hasAlpha; }

    // A deep copy, for callers that must change pixels another owner still shows.
    Result<Bitmap> clone() const;

    // Lets a view (a QImage) keep the pixels alive without copying them.
    std::shared_ptr<std::uint32_t[]> sharedPixels() const { return m_pixels; }

private:
    std::shared_ptr<std::uint32_t[]> m_pixels;
    int m_width = 0;
    int m_height = 0;
    bool m_hasAlpha = false;
};

// True when a picture of width × height could plausibly come from `fileSize` bytes, given
// that one byte of the file can stand for at most `maxPixelsPerByte` pixels.
bool PlausibleForFileSize(std::int64_t width, std::int64_t height, std::size_t fileSize,
                          std::int64_t maxPixelsPerByte);

}  // namespace qc
