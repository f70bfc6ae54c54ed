#include "picture/formats/picture_decoder.h"

#include <algorithm>

#include "picture/formats/bmp_reader.h"
#include "picture/formats/gif_reader.h"
#include "picture/formats/icon_reader.h"
#include "picture/formats/jpeg_reader.h"
#include "picture/formats/pcx_reader.h"
#include "picture/formats/png_reader.h"

namespace qc {

PictureReadFunction ReaderFor(PictureKind kind) {
    switch (kind) {
        case PictureKind::Bmp:
            return ReadBmp;
        case PictureKind::Jpeg:
            return ReadJpeg;
        case PictureKind::Png:
            return ReadPng;
        case PictureKind::Icon:
        case PictureKind::Cursor:
            return ReadIcon;
        case PictureKind::Gif:
            return ReadGif;
        case PictureKind::Pcx8:
        case PictureKind::Pcx1:
            return ReadPcx;
        case PictureKind::None:
            break;
    }
    return nullptr;
}

Result<DecodedPicture> DecodePicture(std::span<const std::uint8_t> bytes) {
    const PictureKind kind = DetectPictureKind(bytes);
    PictureReadFunction read = ReaderFor(kind);
    if (!read) return Fail("not a picture of a known kind");
    auto picture = read(bytes);
    if (picture) picture->kind = kind;
    return picture;
}

void BlendOver(Bitmap& bitmap, std::uint32_t background) {
    if (bitmap.isNull() || !bitmap.hasAlpha()) return;
    constexpr float k = 1.0f / 255.0f;
    const float bg[3] = {float(background & 0xFF), float((background >> 8) & 0xFF),
                         float((background >> 16) & 0xFF)};
    std::uint32_t* p = bitmap.pixels();
    const std::size_t n = bitmap.pixelCount();
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t a = p[i] >> 24;
        if (a == 255) continue;
        const float w = float(a) * k;
        std::uint32_t out = 0xFF000000u;
        for (int c = 0; c < 3; ++c) {
            const float v = float((p[i] >> (8 * c)) & 0xFF) * w + bg[c] * (1.0f - w);
            out |= std::uint32_t(std::clamp(int(v), 0, 255)) << (8 * c);
        }
        p[i] = out;
    }
    bitmap.setHasAlpha(false);
}

Result<Bitmap> OpaqueOver(const DecodedPicture& picture, std::uint32_t background) {
    if (!picture.image.hasAlpha()) return picture.image;
    // The reader's bitmap may be shared with whoever else shows it; change a copy.
    auto copy = picture.image.clone();
    if (!copy) return copy;
    Bitmap& image = copy.value();
    if (picture.kind == PictureKind::Gif) {
        // A GIF's transparent colour counts as an ordinary colour here.
        std::uint32_t* p = image.pixels();
        for (std::size_t i = 0, n = image.pixelCount(); i < n; ++i) p[i] |= 0xFF000000u;
        image.setHasAlpha(false);
    } else {
        BlendOver(image, background);
    }
    return copy;
}

Result<Bitmap> RenderForMeasuring(std::span<const std::uint8_t> bytes) {
    auto picture = DecodePicture(bytes);
    if (!picture) return picture.takeError();
    return OpaqueOver(*picture, 0xFFFFFF);
}

}  // namespace qc
