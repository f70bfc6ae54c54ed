#include "export/clipboard_copy.h"

#include <QClipboard>
#include <QGuiApplication>

#include "picture/formats/picture_decoder.h"
#include "picture/qimage_view.h"

namespace qc {

Result<QImage> PutSnapshotOnClipboard(std::span<const std::uint8_t> snapshot) {
    if (snapshot.empty()) return Fail("there is nothing to copy");
    auto bitmap = RenderForMeasuring(snapshot);
    if (!bitmap) return Fail("the snapshot does not decode: " + bitmap.error());
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return Fail("there is no clipboard");
    // A copy the clipboard owns outright, independent of the decoder's pixel memory.
    QImage image = ImageView(*bitmap).convertToFormat(QImage::Format_RGB32);
    image.detach();
    clipboard->setImage(image, QClipboard::Clipboard);
    return image;
}

}  // namespace qc
