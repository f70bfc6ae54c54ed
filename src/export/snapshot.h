#pragma once

#include <cstdint>
#include <vector>

#include "picture/formats/bitmap.h"
#include "picture/formats/result.h"

namespace qc {

class PictureBox;

// What the user sees in the picture box's rectangle: the picture, the caption over it and every
// control of the window above it. Parts of a zoomed box beyond the window are drawn as the box
// and the caption would draw them there. width/height 0 mean the box's own size; another size
// stretches the capture smoothly. Opaque pixels; fails for a box of width or height 0.
Result<Bitmap> CaptureBoxPixels(PictureBox* box, int width = 0, int height = 0);

// The PictureSnapshot: CaptureBoxPixels as a 24-bit bottom-up BMP file, empty on failure.
std::vector<std::uint8_t> SnapshotWindow(PictureBox* box, int width = 0, int height = 0);

}  // namespace qc
