#include "picture/formats/bmp_reader.h"

#include "picture/formats/byte_reader.h"
#include "picture/formats/dib_decoder.h"
#include "picture/formats/dib_rle.h"

namespace qc {
namespace {

constexpr std::size_t kFileHeaderSize = 14;

}  // namespace

Result<DecodedPicture> ReadBmp(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    std::uint16_t magic;
    std::uint32_t dataOffset;
    if (!in.u16le(magic) || !in.skip(8) || !in.u32le(dataOffset))
        return Fail("bitmap file header is cut short");
    if (magic != 0x4D42) return Fail("not a bitmap file");
    auto info = ReadDibInfo(bytes.subspan(kFileHeaderSize));
    if (!info) return info.takeError();
    if (dataOffset < kFileHeaderSize + info->headerBytes)
        return Fail("bitmap pixel data starts inside the headers");
    if (dataOffset > bytes.size()) return Fail("bitmap pixel data lies past the end of the file");
    const auto pixels = bytes.subspan(dataOffset);

    const bool rle = info->compression == kDibRle8 || info->compression == kDibRle4;
    DibPixelOptions options;
    options.topDown = info->height < 0;
    options.height = options.topDown ? -info->height : info->height;
    auto bitmap =
        rle ? DecodeDibRle(info.value(), pixels) : DecodeDibPixels(info.value(), options, pixels);
    if (!bitmap) return bitmap.takeError();
    DecodedPicture picture;
    picture.kind = PictureKind::Bmp;
    picture.image = std::move(bitmap.value());
    return picture;
}

}  // namespace qc
