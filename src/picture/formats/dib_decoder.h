#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "picture/formats/bitmap.h"
#include "picture/formats/result.h"

namespace qc {

// The compression values of a device-independent bitmap that we read.
enum DibCompression : std::uint32_t {
    kDibRgb = 0,
    kDibRle8 = 1,
    kDibRle4 = 2,
    kDibBitfields = 3,
    kDibAlphaBitfields = 6,
};

// What BMP files and icons share: the info header, its colour masks and its palette.
struct DibInfo {
    std::uint32_t headerSize = 0;
    std::int64_t width = 0;
    // As stored: a negative height means the rows run top-down.
    std::int64_t height = 0;
    int bitsPerPixel = 0;
    std::uint32_t compression = kDibRgb;
    // Red, green, blue and alpha masks of 16- and 32-bit pixels; an alpha mask of 0 means opaque.
    std::array<std::uint32_t, 4> masks{};
    // Opaque colours; entries past paletteCount are opaque black, so any index is safe.
    std::array<std::uint32_t, 256> palette{};
    std::size_t paletteCount = 0;
    // Bytes taken by the info header, the masks after it and the palette.
    std::size_t headerBytes = 0;
};

// Reads the info header, masks and palette from `dib`, which starts at the info header. Fails
// for header sizes, depths and compressions we do not read, and when they do not fit in `dib`.
Result<DibInfo> ReadDibInfo(std::span<const std::uint8_t> dib);

// Bytes in one stored row: width × bits per pixel rounded up to whole 32-bit words.
std::uint64_t DibRowBytes(std::int64_t width, int bitsPerPixel);

struct DibPixelOptions {
    std::int64_t height = 0;
    bool topDown = false;
    // Icons keep alpha in the fourth byte of an uncompressed 32-bit pixel; BMP files ignore it.
    bool rgbFourthByteIsAlpha = false;
};

// The uncompressed pixels (no RLE) as a bitmap of info.width × options.height. The alpha
// channel is kept only when some pixel has a non-zero alpha; otherwise every pixel is opaque
// and hasAlpha() is false. Fails when `pixels` is shorter than the rows need.
Result<Bitmap> DecodeDibPixels(const DibInfo& info, const DibPixelOptions& options,
                               std::span<const std::uint8_t> pixels);

}  // namespace qc
