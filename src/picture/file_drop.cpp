#include "picture/file_drop.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdint>
#include <span>

#include "picture/formats/picture_decoder.h"
#include "picture/picture_box.h"
#include "picture/picture_handlers.h"
#include "shell/controls.h"

namespace qc {
namespace {

// No picture within the pixel limit needs more: an uncompressed 256-megapixel BMP is 1 GiB.
constexpr qint64 kMaxPictureFileBytes = 1100LL * 1024 * 1024;

std::span<const std::uint8_t> BytesOf(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())};
}

Result<QSize> MeasurePictureFile(const QString& path) {
    auto bytes = ReadWholeFile(path);
    if (!bytes) return bytes.takeError();
    auto bitmap = RenderForMeasuring(BytesOf(*bytes));
    if (!bitmap) return bitmap.takeError();
    return QSize(bitmap->width(), bitmap->height());
}

}  // namespace

QStringList DroppedPaths(const QString& droppedText) {
    return droppedText.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

Result<QByteArray> ReadWholeFile(const QString& path) {
    // Only regular files: opening a FIFO or a device could block or never end.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) return Fail("the file does not exist");
    if (!info.isFile()) return Fail("not a regular file");
    if (info.size() > kMaxPictureFileBytes) return Fail("the file is too large for a picture");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return Fail("the file cannot be opened");
    const qint64 size = file.size();
    if (size <= 0) return Fail("the file is empty");
    if (size > kMaxPictureFileBytes) return Fail("the file is too large for a picture");
    QByteArray bytes(size, Qt::Uninitialized);
    if (file.read(bytes.data(), size) != size) return Fail("the file could not be read");
    return bytes;
}

int GetPictureFileWidth(const QString& path) {
    const auto size = MeasurePictureFile(path);
    return size ? size->width() : 0;
}

int GetPictureFileHeight(const QString& path) {
    const auto size = MeasurePictureFile(path);
    return size ? size->height() : 0;
}

void OnFileReceived(Controls& ui, const QString& droppedText) {
    for (const QString& path : DroppedPaths(droppedText)) {
        auto bytes = ReadWholeFile(path);
        if (!bytes) continue;
        auto picture = DecodePicture(BytesOf(*bytes));
        if (!picture) continue;
        // The box takes the decoded picture's own size, which is exactly what it can show.
        const int width = picture->width();
        const int height = picture->height();
        ui.pictureBox->assignDecoded(*bytes, std::move(*picture));
        ui.pictureBox->setBoxWidth(width);
        ui.pictureBox->setBoxHeight(height);
        RefreshSizeReadouts(ui);
        return;
    }
}

}  // namespace qc
