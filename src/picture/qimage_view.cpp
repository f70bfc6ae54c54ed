#include "picture/qimage_view.h"

#include <memory>

namespace qc {

QImage ImageView(const Bitmap& bitmap) {
    if (bitmap.isNull()) return {};
    auto* keeper = new std::shared_ptr<std::uint32_t[]>(bitmap.sharedPixels());
    return QImage(
        reinterpret_cast<uchar*>(keeper->get()), bitmap.width(), bitmap.height(),
        qsizetype(bitmap.width()) * 4,
        bitmap.hasAlpha() ? QImage::Format_ARGB32 : QImage::Format_RGB32,
        [](void* info) { delete static_cast<std::shared_ptr<std::uint32_t[]>*>(info); }, keeper);
}

}  // namespace qc
