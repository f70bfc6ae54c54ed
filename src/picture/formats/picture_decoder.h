#pragma once

#include <cstdint>
#include <span>

#include "picture/formats/decoded_picture.h"
#include "picture/formats/result.h"

namespace qc {

// Every reader has this shape: the whole file's bytes in, the picture or an error out. Readers
// never look outside the bytes they are given.
using PictureReadFunction = Result<DecodedPicture> (*)(std::span<const std::uint8_t> bytes);

// The reader for a kind, or nullptr for PictureKind::None.
PictureReadFunction ReaderFor(PictureKind kind);

// Detects the kind and runs its reader.
Result<DecodedPicture> DecodePicture(std::span<const std::uint8_t> bytes);

// Rendering for measuring: the picture at its own size, fully opaque. PNG and icon pixels are
// blended over white; a GIF gives its first frame on the logical screen.
Result<Bitmap> RenderForMeasuring(std::span<const std::uint8_t> bytes);

// The picture as it is drawn over `background` (0xRRGGBB): opaque pixels as they are, the
// rest blended by BlendOver; a GIF's transparent colour is drawn as an ordinary colour.
// Shares the reader's pixels when there is nothing to blend.
Result<Bitmap> OpaqueOver(const DecodedPicture& picture, std::uint32_t background);

// The drawing rule for pixels with alpha below 255: each channel becomes
// c·α·k + b·(1 − α·k) with k = 1/255 in single precision, truncated and clamped.
// Opaque pixels stay as they are. `background` is 0xRRGGBB (alpha ignored).
void BlendOver(Bitmap& bitmap, std::uint32_t background);

}  // namespace qc
