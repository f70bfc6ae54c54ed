#pragma once

#include <cstdint>
#include <vector>

#include "export/bmp_snapshot.h"
#include "picture/formats/result.h"

namespace qc {

// A baseline JPEG of the pixels (alpha ignored) with full-resolution colour (4:4:4), so the
// caption's coloured edges keep their sharpness.
Result<std::vector<std::uint8_t>> EncodeJpeg(const PixelView& view, int quality = 95);

}  // namespace qc
