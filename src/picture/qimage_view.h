#pragma once

#include <QImage>

#include "picture/formats/bitmap.h"

namespace qc {

// A QImage over a Bitmap's pixels without copying them; the image keeps the pixels alive.
// Format_ARGB32 when the bitmap has alpha, Format_RGB32 otherwise.
QImage ImageView(const Bitmap& bitmap);

}  // namespace qc
