#include "picture/formats/bitmap.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace qc {
namespace {

constexpr std::size_t kHugePage = 2 * 1024 * 1024;

// Big fresh buffers fault in page by page; transparent huge pages make that ~10× cheaper.
std::uint32_t* AllocatePixels(std::size_t bytes) {
    if (bytes >= kHugePage) {
        const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        void* p = std::aligned_alloc(kHugePage, rounded);
        if (p) madvise(p, rounded, MADV_HUGEPAGE);
        return static_cast<std::uint32_t*>(p);
    }
    return static_cast<std::uint32_t*>(std::malloc(std::max<std::size_t>(bytes, 4)));
}

}  // namespace

Result<Bitmap> Bitmap::Create(std::int64_t width, std::int64_t height) {
    if (width <= 0 || height <= 0) return Fail("picture has no pixels");
    if (width > kMaxPicturePixels || height > kMaxPicturePixels ||
        width * height > kMaxPicturePixels)
        return Fail("picture is larger than 256 megapixels");
    const std::size_t bytes = std::size_t(width) * std::size_t(height) * 4;
    std::uint32_t* raw = AllocatePixels(bytes);
    if (!raw) return Fail("out of memory for the picture");
    Bitmap bitmap;
    bitmap.m_pixels = std::shared_ptr<std::uint32_t[]>(raw, [](std::uint32_t* p) { std::free(p); });
    bitmap.m_width = int(width);
    bitmap.m_height = int(height);
    return bitmap;
}

Result<Bitmap> Bitmap::Filled(std::int64_t width, std::int64_t height, std::uint32_t fill) {
    auto bitmap = Create(width, height);
    if (bitmap) std::fill_n(bitmap->pixels(), bitmap->pixelCount(), fill);
    return bitmap;
}

Result<Bitmap> Bitmap::clone() const {
    if (isNull()) return Bitmap();
    auto copy = Create(m_width, m_height);
    if (!copy) return copy;
    std::memcpy(copy->pixels(), pixels(), byteCount());
    copy->setHasAlpha(m_hasAlpha);
    return copy;
}

bool PlausibleForFileSize(std::int64_t width, std::int64_t height, std::size_t fileSize,
                          std::int64_t maxPixelsPerByte) {
    if (width <= 0 || height <= 0) return false;
    if (width > kMaxPicturePixels || height > kMaxPicturePixels) return false;
    const std::int64_t pixels = width * height;
    if (pixels > kMaxPicturePixels) return false;
    // Divide rather than multiply so no operand can overflow.
    return (pixels + maxPixelsPerByte - 1) / maxPixelsPerByte <= std::int64_t(fileSize);
}

}  // namespace qc
