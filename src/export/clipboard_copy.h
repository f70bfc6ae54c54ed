#pragma once

#include <QImage>
#include <cstdint>
#include <span>

#include "picture/formats/result.h"

namespace qc {

// Reads the snapshot back through our own BMP reader and makes that picture the clipboard's
// whole content (image/png, image/bmp, … for whoever pastes). Gives the image handed over.
// An empty or undecodable snapshot, or no clipboard, fails and leaves the clipboard alone.
Result<QImage> PutSnapshotOnClipboard(std::span<const std::uint8_t> snapshot);

}  // namespace qc
