#include "picture/formats/png_reader.h"

#include <png.h>

#include <cstring>
#include <string>

namespace qc {
namespace {

// Deflate packs at most about 1032 bytes into one.
constexpr std::int64_t kDeflateMaxRatio = 1032;

int ChannelCount(int colourType) {
    switch (colourType) {
        case 0:
            return 1;  // grey
        case 2:
            return 3;  // RGB
        case 3:
            return 1;  // palette index
        case 4:
            return 2;  // grey and alpha
        case 6:
            return 4;  // RGBA
        default:
            return 0;
    }
}

// A PNG row is a filter byte and its packed samples; even the best deflate needs one file byte
// for every kDeflateMaxRatio of them. Width and height are below 2^31, so nothing overflows.
bool PlausiblePngSize(std::span<const std::uint8_t> bytes, std::int64_t width,
                      std::int64_t height) {
    // libpng has already checked the signature and that IHDR comes first: width at 16, height
    // at 20, bit depth at 24 and colour type at 25.
    if (bytes.size() < 26) return false;
    const std::int64_t bitsPerPixel = std::int64_t(bytes[24]) * ChannelCount(bytes[25]);
    if (bitsPerPixel == 0) return false;
    const std::int64_t rowBytes = 1 + (width * bitsPerPixel + 7) / 8;
    const std::int64_t maxRows = std::int64_t(bytes.size()) * kDeflateMaxRatio / rowBytes;
    return height <= maxRows;
}

std::string PngMessage(const png_image& image, const char* fallback) {
    const std::size_t length = strnlen(image.message, sizeof image.message);
    if (length == 0) return fallback;
    return "PNG: " + std::string(image.message, length);
}

}  // namespace

Result<DecodedPicture> ReadPng(std::span<const std::uint8_t> bytes) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    // libpng's simplified interface catches its own errors and reports them in image.message,
    // so nothing here can end the process.
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
        return Fail(PngMessage(image, "PNG header cannot be read"));
    const std::int64_t width = image.width, height = image.height;
    const bool hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    if (width * height > kMaxPicturePixels) {
        png_image_free(&image);
        return Fail("picture is larger than 256 megapixels");
    }
    if (!PlausiblePngSize(bytes, width, height) ||
        !PlausibleForFileSize(width, height, bytes.size(), kDeflateMaxRatio * 8)) {
        png_image_free(&image);
        return Fail("PNG file is too small for the picture size it gives");
    }
    auto bitmap = Bitmap::Create(width, height);
    if (!bitmap) {
        png_image_free(&image);
        return bitmap.takeError();
    }
    image.format = PNG_FORMAT_BGRA;
    // Without a gAMA or sRGB chunk, 16-bit samples are taken as sRGB like 8-bit ones, not as
    // linear light; that is how the file's author saw them.
    image.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
    const png_int_32 stride = png_int_32(width * 4);
    // finish_read frees libpng's state whether it succeeds or not.
    if (!png_image_finish_read(&image, nullptr, bitmap->pixels(), stride, nullptr))
        return Fail(PngMessage(image, "PNG pixel data cannot be read"));
    bitmap->setHasAlpha(hasAlpha);
    DecodedPicture picture;
    picture.kind = PictureKind::Png;
    picture.image = std::move(bitmap.value());
    return picture;
}

}  // namespace qc
