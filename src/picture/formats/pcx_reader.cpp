#include "picture/formats/pcx_reader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "picture/formats/byte_reader.h"
#include "picture/formats/pcx_rle.h"

namespace qc {
namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kPaletteSize = 1 + 768;
constexpr std::uint8_t kPaletteMarker = 0x0C;
constexpr std::uint32_t kBlack = 0xFF000000u;
// A count byte and a value byte give at most 63 bytes.
constexpr std::uint64_t kMostBytesPerByte = 32;

enum class Layout { Indexed8, Rgb24, Mono, Ega16 };

struct PcxHeader {
    Layout layout = Layout::Indexed8;
    int width = 0;
    int height = 0;
    int planes = 0;
    std::size_t bytesPerLine = 0;
    // Pixels one byte of a plane holds.
    int pixelsPerByte = 1;
};

Result<PcxHeader> ReadHeader(std::span<const std::uint8_t> bytes) {
    if (bytes.size() <= kHeaderSize) return Fail("PCX file is too short");
    ByteReader in(bytes);
    std::uint8_t manufacturer, version, encoding, bitsPerPixel, planes;
    std::uint16_t xMin, yMin, xMax, yMax, bytesPerLine;
    if (!in.u8(manufacturer) || !in.u8(version) || !in.u8(encoding) || !in.u8(bitsPerPixel) ||
        !in.u16le(xMin) || !in.u16le(yMin) || !in.u16le(xMax) || !in.u16le(yMax) || !in.seek(65) ||
        !in.u8(planes) || !in.u16le(bytesPerLine))
        return Fail("PCX header is cut short");
    if (manufacturer != 0x0A || encoding != 1) return Fail("not a run-length coded PCX file");
    if (xMax < xMin || yMax < yMin) return Fail("PCX window is empty");
    PcxHeader h;
    h.width = xMax - xMin + 1;
    h.height = yMax - yMin + 1;
    h.planes = planes;
    h.bytesPerLine = bytesPerLine;
    if (bitsPerPixel == 8 && planes == 1) {
        h.layout = Layout::Indexed8;
    } else if (bitsPerPixel == 8 && planes == 3) {
        h.layout = Layout::Rgb24;
    } else if (bitsPerPixel == 1 && planes == 1) {
        h.layout = Layout::Mono;
    } else if (bitsPerPixel == 1 && planes == 4) {
        h.layout = Layout::Ega16;
    } else {
        return Fail("unsupported PCX depth");
    }
    h.pixelsPerByte = bitsPerPixel == 1 ? 8 : 1;
    const std::size_t needed = (std::size_t(h.width) + h.pixelsPerByte - 1) / h.pixelsPerByte;
    if (h.bytesPerLine < needed) return Fail("PCX lines are shorter than the picture");
    return h;
}

// The 256-colour palette at the end of the file, or greyscale when its marker is missing.
std::array<std::uint32_t, 256> TrailingPalette(std::span<const std::uint8_t> bytes,
                                               std::size_t& dataEnd) {
    std::array<std::uint32_t, 256> palette;
    const std::size_t size = bytes.size();
    if (size >= kHeaderSize + kPaletteSize && bytes[size - kPaletteSize] == kPaletteMarker) {
        const std::uint8_t* p = bytes.data() + size - 768;
        for (std::size_t i = 0; i < 256; ++i)
            palette[i] = Rgb(p[3 * i], p[3 * i + 1], p[3 * i + 2]);
        dataEnd = size - kPaletteSize;
    } else {
        // Leniency: without a palette the indices are most likely grey levels, and a grey
        // picture is more use than none.
        for (std::uint32_t i = 0; i < 256; ++i) palette[i] = Rgb(i, i, i);
    }
    return palette;
}

std::array<std::uint32_t, 256> HeaderPalette(std::span<const std::uint8_t> bytes) {
    std::array<std::uint32_t, 256> palette;
    palette.fill(kBlack);
    const std::uint8_t* p = bytes.data() + 16;
    for (std::size_t i = 0; i < 16; ++i) palette[i] = Rgb(p[3 * i], p[3 * i + 1], p[3 * i + 2]);
    return palette;
}

void ConvertLine(const PcxHeader& h, const std::array<std::uint32_t, 256>& palette,
                 const std::uint8_t* line, std::uint32_t* row) {
    const std::size_t bpl = h.bytesPerLine;
    const int w = h.width;
    switch (h.layout) {
        case Layout::Indexed8:
            for (int x = 0; x < w; ++x) row[x] = palette[line[x]];
            break;
        case Layout::Rgb24:
            for (int x = 0; x < w; ++x) row[x] = Rgb(line[x], line[bpl + x], line[2 * bpl + x]);
            break;
        case Layout::Mono:
            for (int x = 0; x < w; ++x)
                row[x] = ((line[x >> 3] >> (7 - (x & 7))) & 1) ? 0xFFFFFFFFu : kBlack;
            break;
        case Layout::Ega16:
            for (int x = 0; x < w; ++x) {
                const int shift = 7 - (x & 7);
                int index = 0;
                for (int plane = 0; plane < 4; ++plane)
                    index |= ((line[plane * bpl + (x >> 3)] >> shift) & 1) << plane;
                row[x] = palette[std::size_t(index)];
            }
            break;
    }
}

}  // namespace

Result<DecodedPicture> ReadPcx(std::span<const std::uint8_t> bytes) {
    auto header = ReadHeader(bytes);
    if (!header) return header.takeError();
    const PcxHeader& h = header.value();

    std::size_t dataEnd = bytes.size();
    const auto palette = h.layout == Layout::Indexed8 ? TrailingPalette(bytes, dataEnd)
                         : h.layout == Layout::Ega16  ? HeaderPalette(bytes)
                                                      : std::array<std::uint32_t, 256>{};
    const std::size_t lineBytes = h.bytesPerLine * std::size_t(h.planes);
    // Even a truncated file must be long enough that its runs could have covered most of the
    // picture; this refuses tiny files that claim huge sizes before anything is allocated.
    const std::uint64_t dataBytes = dataEnd - kHeaderSize;
    if (std::uint64_t(lineBytes) * std::uint64_t(h.height) > dataBytes * kMostBytesPerByte)
        return Fail("PCX picture is larger than its data could hold");
    auto created = Bitmap::Create(h.width, h.height);
    if (!created) return created.takeError();
    Bitmap& bitmap = created.value();

    PcxRleStream stream(bytes.subspan(kHeaderSize, dataEnd - kHeaderSize));
    std::vector<std::uint8_t> line(lineBytes);
    const std::size_t lastPlane = lineBytes - h.bytesPerLine;
    for (int y = 0; y < h.height; ++y) {
        std::uint32_t* row = bitmap.row(y);
        const std::size_t got = stream.fill(line.data(), lineBytes);
        if (got == lineBytes) {
            ConvertLine(h, palette, line.data(), row);
            continue;
        }
        // Leniency: a file that ends early shows what it holds; pixels whose bytes are not all
        // there stay black.
        std::memset(line.data() + got, 0, lineBytes - got);
        ConvertLine(h, palette, line.data(), row);
        const std::size_t lastBytes = got > lastPlane ? got - lastPlane : 0;
        const std::size_t complete = std::min(std::size_t(h.width), lastBytes * h.pixelsPerByte);
        std::fill(row + complete, row + h.width, kBlack);
        for (int rest = y + 1; rest < h.height; ++rest)
            std::fill_n(bitmap.row(rest), h.width, kBlack);
        break;
    }
    DecodedPicture picture;
    picture.kind = h.layout == Layout::Mono ? PictureKind::Pcx1 : PictureKind::Pcx8;
    picture.image = bitmap;
    return picture;
}

}  // namespace qc
