#pragma once

#include <cstdint>
#include <span>

#include "picture/formats/bitmap.h"
#include "picture/formats/dib_decoder.h"
#include "picture/formats/result.h"

namespace qc {

// Decodes RLE8 or RLE4 pixel data (always bottom-up) into info.width × info.height pixels.
// Pixels the data skips over with its delta, end-of-line or end-of-bitmap escapes stay
// transparent black, as browsers show them; the bitmap then has alpha.
Result<Bitmap> DecodeDibRle(const DibInfo& info, std::span<const std::uint8_t> data);

}  // namespace qc
