#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "picture/formats/bitmap.h"

namespace qc {

// Read-only 32-bit pixels 0xAARRGGBB somebody else owns, e.g. a QImage's bits, so encoders
// take them without a copy. strideBytes is the distance between the starts of two rows.
struct PixelView {
    const std::uint32_t* pixels = nullptr;
    std::ptrdiff_t strideBytes = 0;
    int width = 0;
    int height = 0;

    bool isEmpty() const { return !pixels || width <= 0 || height <= 0; }
    const std::uint32_t* row(int y) const {
        return reinterpret_cast<const std::uint32_t*>(
            reinterpret_cast<const std::uint8_t*>(pixels) + std::ptrdiff_t(y) * strideBytes);
    }
};

inline PixelView ViewOf(const Bitmap& bitmap) {
    return {bitmap.pixels(), std::ptrdiff_t(bitmap.width()) * 4, bitmap.width(), bitmap.height()};
}

constexpr std::size_t kBmpHeaderBytes = 54;

// Bytes per row of a 24-bit BMP: 3 × width rounded up to a multiple of 4.
constexpr std::size_t BmpStride(int width) {
    return (std::size_t(width) * 24 + 31) / 32 * 4;
}

// The whole 24-bit bottom-up BMP file of the pixels (alpha dropped): the picture-area snapshot.
// Empty for an empty view or one too large for the 32-bit size fields.
std::vector<std::uint8_t> EncodePictureSnapshot(const PixelView& view);
std::vector<std::uint8_t> EncodePictureSnapshot(const Bitmap& bitmap);

}  // namespace qc
