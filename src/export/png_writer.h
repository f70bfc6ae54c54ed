#pragma once

#include <cstdint>
#include <vector>

#include "export/bmp_snapshot.h"
#include "picture/formats/result.h"

namespace qc {

// An 8-bit PNG of the pixels: blue-green-red-alpha with straight alpha when keepAlpha is
// set, otherwise three channels with alpha dropped.
Result<std::vector<std::uint8_t>> EncodePng(const PixelView& view, bool keepAlpha);

}  // namespace qc
