#include "picture/formats/picture_kind.h"

#include <cstring>

namespace qc {

PictureKind DetectPictureKind(std::span<const std::uint8_t> b) {
    if (b.size() < 8) return PictureKind::None;
    auto word = [&](int i) { return b[2 * i] | (b[2 * i + 1] << 8); };
    // The order matters: the first test that matches decides.
    if (b[0] == 0x42 && b[1] == 0x4D) return PictureKind::Bmp;
    if (b[0] == 0xFF && b[1] == 0xD8) return PictureKind::Jpeg;
    if (b[0] == 0x89 && b[1] == 0x50 && b[2] == 0x4E && b[3] == 0x47) return PictureKind::Png;
    if (word(0) == 0 && word(1) == 1 && word(2) > 0) return PictureKind::Icon;
    if (word(0) == 0 && word(1) == 2 && word(2) > 0) return PictureKind::Cursor;
    if (std::memcmp(b.data(), "GIF87a", 6) == 0 || std::memcmp(b.data(), "GIF89a", 6) == 0)
        return PictureKind::Gif;
    if (b[0] == 0x0A && b[1] <= 5 && b[2] == 1 && b[3] == 8) return PictureKind::Pcx8;
    // Most writers mark 1-bit files as version 5, not only 3; those are real PCX pictures too.
    if (b[0] == 0x0A && b[1] <= 5 && b[2] == 1 && b[3] == 1) return PictureKind::Pcx1;
    return PictureKind::None;
}

const char* PictureKindName(PictureKind kind) {
    switch (kind) {
        case PictureKind::Bmp:
            return "bmp";
        case PictureKind::Jpeg:
            return "jpeg";
        case PictureKind::Png:
            return "png";
        case PictureKind::Icon:
            return "icon";
        case PictureKind::Cursor:
            return "cursor";
        case PictureKind::Gif:
            return "gif";
        case PictureKind::Pcx8:
        case PictureKind::Pcx1:
            return "pcx";
        case PictureKind::None:
            break;
    }
    return "none";
}

}  // namespace qc
