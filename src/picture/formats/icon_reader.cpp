#include "picture/formats/icon_reader.h"

#include <algorithm>
#include <cstring>

#include "picture/formats/byte_reader.h"
#include "picture/formats/dib_decoder.h"
#include "picture/formats/png_reader.h"

namespace qc {
namespace {

struct IconEntry {
    std::uint8_t width = 0;
    std::uint8_t colorCount = 0;
    std::uint32_t size = 0;
    std::uint32_t offset = 0;
};

// The first 32-pixel-wide entry with more than 15 colours, or else the last entry.
Result<IconEntry> ChooseEntry(ByteReader& in) {
    std::uint16_t reserved, type, count;
    if (!in.u16le(reserved) || !in.u16le(type) || !in.u16le(count))
        return Fail("icon header is cut short");
    if (count == 0) return Fail("icon holds no images");
    IconEntry chosen;
    bool found = false;
    for (int i = 0; i < count; ++i) {
        IconEntry e;
        std::uint8_t height, reservedByte;
        if (!in.u8(e.width) || !in.u8(height) || !in.u8(e.colorCount) || !in.u8(reservedByte) ||
            !in.skip(4) || !in.u32le(e.size) || !in.u32le(e.offset))
            return Fail("icon directory is cut short");
        if (!found) chosen = e;
        if (!found && e.width == 32 && e.colorCount > 15) found = true;
    }
    return chosen;
}

bool IsPng(std::span<const std::uint8_t> image) {
    static constexpr std::uint8_t kSignature[4] = {0x89, 'P', 'N', 'G'};
    return image.size() >= 4 && std::memcmp(image.data(), kSignature, 4) == 0;
}

// AND-mask bit 1 makes a pixel transparent. Returns false when the mask is not all there.
bool ApplyAndMask(Bitmap& bitmap, std::span<const std::uint8_t> mask) {
    const int width = bitmap.width(), height = bitmap.height();
    const std::uint64_t rowBytes = DibRowBytes(width, 1);
    if (mask.size() < rowBytes * std::uint64_t(height)) return false;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* bits = mask.data() + std::size_t(y) * rowBytes;
        std::uint32_t* row = bitmap.row(height - 1 - y);
        for (int x = 0; x < width; ++x)
            if ((bits[x >> 3] >> (7 - (x & 7))) & 1) row[x] = 0;
    }
    return true;
}

bool AnyTransparent(const Bitmap& bitmap) {
    const std::uint32_t* p = bitmap.pixels();
    return std::any_of(p, p + bitmap.pixelCount(), [](std::uint32_t v) { return v < 0xFF000000u; });
}

Result<DecodedPicture> ReadDibImage(std::span<const std::uint8_t> image) {
    auto info = ReadDibInfo(image);
    if (!info) return info.takeError();
    if (info->compression != kDibRgb && info->compression != kDibBitfields &&
        info->compression != kDibAlphaBitfields)
        return Fail("compressed icon images are not supported");
    // The stored height covers the colour image and the mask below it.
    if (info->height < 2) return Fail("icon image has no rows");
    DibPixelOptions options;
    options.height = info->height / 2;
    options.rgbFourthByteIsAlpha = true;
    const auto pixels = image.subspan(info->headerBytes);
    auto bitmap = DecodeDibPixels(info.value(), options, pixels);
    if (!bitmap) return bitmap.takeError();
    // A 32-bit image with real alpha ignores its mask.
    if (!bitmap->hasAlpha()) {
        const std::uint64_t colourBytes =
            DibRowBytes(info->width, info->bitsPerPixel) * std::uint64_t(options.height);
        // Leniency: an image that ends after its colour rows, without a mask, is shown opaque.
        if (colourBytes < pixels.size()) ApplyAndMask(bitmap.value(), pixels.subspan(colourBytes));
    }
    bitmap->setHasAlpha(AnyTransparent(bitmap.value()));
    DecodedPicture picture;
    picture.kind = PictureKind::Icon;
    picture.image = std::move(bitmap.value());
    return picture;
}

}  // namespace

Result<DecodedPicture> ReadIcon(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    auto entry = ChooseEntry(in);
    if (!entry) return entry.takeError();
    // Compare by subtraction so a huge offset or size cannot wrap around.
    if (entry->offset > bytes.size() || entry->size > bytes.size() - entry->offset)
        return Fail("icon image lies outside the file");
    const auto image = bytes.subspan(entry->offset, entry->size);
    if (IsPng(image)) {
        auto picture = ReadPng(image);
        if (picture) picture->kind = PictureKind::Icon;
        return picture;
    }
    return ReadDibImage(image);
}

}  // namespace qc
