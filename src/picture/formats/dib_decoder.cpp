#include "picture/formats/dib_decoder.h"

#include <algorithm>

#include "picture/formats/byte_reader.h"
#include "picture/formats/dib_rows.h"

namespace qc {
namespace {

constexpr std::uint32_t kCoreHeaderSize = 12;

bool KnownHeaderSize(std::uint32_t size) {
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool DepthFitsCompression(int bpp, std::uint32_t compression) {
    switch (compression) {
        case kDibRgb:
            return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
        case kDibRle8:
            return bpp == 8;
        case kDibRle4:
            return bpp == 4;
        case kDibBitfields:
        case kDibAlphaBitfields:
            return bpp == 16 || bpp == 32;
        default:
            return false;
    }
}

Result<DibInfo> ReadCoreHeader(ByteReader& in) {
    // The OS/2 core header: 16-bit sizes, no compression, 3-byte palette entries.
    DibInfo info;
    info.headerSize = kCoreHeaderSize;
    std::uint16_t width, height, planes, bpp;
    if (!in.u16le(width) || !in.u16le(height) || !in.u16le(planes) || !in.u16le(bpp))
        return Fail("bitmap header is cut short");
    info.width = width;
    info.height = height;
    info.bitsPerPixel = bpp;
    return info;
}

Result<DibInfo> ReadInfoHeader(ByteReader& in, std::uint32_t headerSize) {
    DibInfo info;
    info.headerSize = headerSize;
    std::int32_t width, height;
    std::uint16_t planes, bpp;
    std::uint32_t compression, imageSize, colorsUsed;
    std::int32_t xDensity, yDensity;
    if (!in.i32le(width) || !in.i32le(height) || !in.u16le(planes) || !in.u16le(bpp) ||
        !in.u32le(compression) || !in.u32le(imageSize) || !in.i32le(xDensity) ||
        !in.i32le(yDensity) || !in.u32le(colorsUsed) || !in.skip(4))
        return Fail("bitmap header is cut short");
    // Negative widths are invalid, but Windows draws them by their absolute value.
    info.width = width < 0 ? -std::int64_t(width) : width;
    info.height = height;
    info.bitsPerPixel = bpp;
    info.compression = compression;
    info.paletteCount = colorsUsed;

    // Masks sit inside V2+ headers, or follow a 40-byte header.
    int maskCount = 0;
    if (headerSize >= 56) {
        maskCount = 4;
    } else if (headerSize >= 52) {
        maskCount = 3;
    } else if (compression == kDibBitfields) {
        maskCount = 3;
    } else if (compression == kDibAlphaBitfields) {
        maskCount = 4;
    }
    for (int i = 0; i < maskCount; ++i)
        if (!in.u32le(info.masks[std::size_t(i)])) return Fail("bitmap masks are cut short");
    if (!in.seek(std::max<std::size_t>(headerSize, in.position())))
        return Fail("bitmap header is cut short");
    return info;
}

}  // namespace

Result<DibInfo> ReadDibInfo(std::span<const std::uint8_t> dib) {
    ByteReader in(dib);
    std::uint32_t headerSize;
    if (!in.u32le(headerSize)) return Fail("bitmap header is cut short");
    const bool core = headerSize == kCoreHeaderSize;
    if (!core && !KnownHeaderSize(headerSize)) return Fail("unknown bitmap header size");
    auto read = core ? ReadCoreHeader(in) : ReadInfoHeader(in, headerSize);
    if (!read) return read;
    DibInfo& info = read.value();

    if (!DepthFitsCompression(info.bitsPerPixel, info.compression))
        return Fail("unsupported bitmap depth or compression");
    if (info.width <= 0 || info.height == 0) return Fail("bitmap has no pixels");

    if (info.compression == kDibRgb) {
        // Uncompressed 16-bit pixels are 5-5-5; the masks of a long header only count with
        // BI_BITFIELDS.
        if (info.bitsPerPixel == 16) info.masks = {0x7C00, 0x03E0, 0x001F, 0};
        if (info.bitsPerPixel == 32) info.masks = {0xFF0000, 0xFF00, 0xFF, 0};
    }

    std::size_t entries = 0;
    if (info.bitsPerPixel <= 8) {
        const std::size_t most = std::size_t(1) << info.bitsPerPixel;
        // A count of 0 means the full palette; a larger count than the depth can index is
        // clamped, since the extra entries could never be used.
        entries = (core || info.paletteCount == 0) ? most : std::min(info.paletteCount, most);
    }
    info.paletteCount = entries;
    const std::size_t entrySize = core ? 3 : 4;
    std::span<const std::uint8_t> table;
    if (!in.bytes(entries * entrySize, table)) return Fail("bitmap palette is cut short");
    info.palette.fill(0xFF000000u);
    for (std::size_t i = 0; i < entries; ++i) {
        const std::uint8_t* e = table.data() + i * entrySize;
        info.palette[i] = Rgb(e[2], e[1], e[0]);
    }
    info.headerBytes = in.position();
    return read;
}

std::uint64_t DibRowBytes(std::int64_t width, int bitsPerPixel) {
    return (std::uint64_t(width) * std::uint64_t(bitsPerPixel) + 31) / 32 * 4;
}

Result<Bitmap> DecodeDibPixels(const DibInfo& info, const DibPixelOptions& options,
                               std::span<const std::uint8_t> pixels) {
    const std::int64_t width = info.width;
    const std::int64_t height = options.height;
    if (width <= 0 || height <= 0) return Fail("bitmap has no pixels");
    if (width > kMaxPicturePixels || height > kMaxPicturePixels ||
        width * height > kMaxPicturePixels)
        return Fail("picture is larger than 256 megapixels");
    const std::uint64_t rowBytes = DibRowBytes(width, info.bitsPerPixel);
    // Leniency: the padding of the last row may be missing, as some writers leave it off.
    const std::uint64_t lastRow = (std::uint64_t(width) * std::uint64_t(info.bitsPerPixel) + 7) / 8;
    if (pixels.size() < rowBytes * std::uint64_t(height - 1) + lastRow)
        return Fail("bitmap pixel data ends early");

    RowConverter convert(info, options.rgbFourthByteIsAlpha);
    auto created = Bitmap::Create(width, height);
    if (!created) return created;
    Bitmap& bitmap = created.value();
    for (std::int64_t y = 0; y < height; ++y) {
        const int outRow = int(options.topDown ? y : height - 1 - y);
        convert(pixels.data() + std::size_t(y) * rowBytes, bitmap.row(outRow), int(width));
    }
    if (convert.keepsAlpha()) {
        if (convert.anyAlpha()) {
            bitmap.setHasAlpha(true);
        } else {
            // Writers that leave the alpha bytes at 0 mean an opaque picture.
            std::uint32_t* p = bitmap.pixels();
            for (std::size_t i = 0, n = bitmap.pixelCount(); i < n; ++i) p[i] |= 0xFF000000u;
        }
    }
    return created;
}

}  // namespace qc
