#pragma once

#include <memory>

#include "picture/formats/bitmap.h"
#include "picture/formats/picture_kind.h"

namespace qc {

class GifAnimation;

// What a reader gives: the picture at its own size with straight alpha. For a GIF, `image` is
// the first frame on the logical screen (transparent pixels keep their palette colour with
// alpha 0) and `animation` is set when the file holds more than one frame.
struct DecodedPicture {
    PictureKind kind = PictureKind::None;
    Bitmap image;
    std::shared_ptr<const GifAnimation> animation;

    int width() const { return image.width(); }
    int height() const { return image.height(); }
};

}  // namespace qc
