#include "export/png_writer.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include <png.h>

namespace qc {
namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
using RawBuffer = std::unique_ptr<std::uint8_t, FreeDeleter>;

// The simplified API has no filler-byte format, so opaque output needs packed B,G,R rows.
RawBuffer PackBgr(const PixelView& view) {
    RawBuffer packed(static_cast<std::uint8_t*>(
        std::malloc(std::size_t(view.width) * 3 * std::size_t(view.height))));
    if (!packed) return packed;
    std::uint8_t* out = packed.get();
    for (int y = 0; y < view.height; ++y) {
        const std::uint32_t* in = view.row(y);
        for (int x = 0; x < view.width; ++x, out += 3) {
            out[0] = std::uint8_t(in[x]);
            out[1] = std::uint8_t(in[x] >> 8);
            out[2] = std::uint8_t(in[x] >> 16);
        }
    }
    return packed;
}

}  // namespace

Result<std::vector<std::uint8_t>> EncodePng(const PixelView& view, bool keepAlpha) {
    if (view.isEmpty()) return Fail("picture has no pixels");
    if (std::int64_t(view.width) * view.height > kMaxPicturePixels)
        return Fail("picture is larger than 256 megapixels");
    if (view.strideBytes < std::ptrdiff_t(view.width) * 4) return Fail("picture rows overlap");

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(view.width);
    image.height = png_uint_32(view.height);
    image.format = keepAlpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;

    RawBuffer packed;
    const void* rows = view.pixels;
    png_int_32 rowStride = png_int_32(view.strideBytes);  // in components, one byte each
    if (!keepAlpha) {
        packed = PackBgr(view);
        if (!packed) return Fail("out of memory for the PNG");
        rows = packed.get();
        rowStride = png_int_32(view.width) * 3;
    }

    // Room for the worst case lets one pass compress the picture; untouched pages of the
    // buffer cost nothing.
    png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(image);
    RawBuffer buffer(static_cast<std::uint8_t*>(std::malloc(size)));
    if (!buffer) return Fail("out of memory for the PNG");
    if (!png_image_write_to_memory(&image, buffer.get(), &size, 0, rows, rowStride, nullptr)) {
        std::string reason = image.message[0] ? image.message : "unknown error";
        png_image_free(&image);
        return Fail("PNG encoding failed: " + reason);
    }
    try {
        return std::vector<std::uint8_t>(buffer.get(), buffer.get() + size);
    } catch (const std::bad_alloc&) {
        return Fail("out of memory for the PNG");
    }
}

}  // namespace qc
