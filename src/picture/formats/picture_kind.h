#pragma once

#include <cstdint>
#include <span>

namespace qc {

enum class PictureKind { None, Bmp, Jpeg, Png, Icon, Cursor, Gif, Pcx8, Pcx1 };

// Decides the kind from the first 8 bytes; fewer than 8 bytes are no picture.
PictureKind DetectPictureKind(std::span<const std::uint8_t> bytes);

// The word scripts see: "jpeg", "png", "bmp", "gif", "icon", "cursor", "pcx", or "none".
const char* PictureKindName(PictureKind kind);

}  // namespace qc
