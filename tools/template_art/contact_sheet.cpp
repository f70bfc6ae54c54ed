#include "contact_sheet.h"

#include <QFont>
#include <QPainter>

namespace art {

QImage DrawContactSheet(const QList<SheetItem>& items, int columns, int cell) {
    const int labelHeight = 26;
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    QImage sheet(columns * cell, rows * (cell + labelHeight), QImage::Format_RGB32);
    sheet.fill(QColor(0xdd, 0xdd, 0xdd));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setFont(QFont("Noto Sans CJK SC", 13));
    for (int i = 0; i < items.size(); ++i) {
        const QRect area((i % columns) * cell, (i / columns) * (cell + labelHeight), cell,
                         cell + labelHeight);
        const QImage& picture = items[i].picture;
        // Pictures up to the cell size are shown at their own size, larger ones scaled down.
        QSize shown = picture.size();
        if (shown.width() > cell - 8 || shown.height() > cell - 8)
            shown.scale(cell - 8, cell - 8, Qt::KeepAspectRatio);
        const QRect target(area.x() + (cell - shown.width()) / 2,
                           area.y() + (cell - shown.height()) / 2, shown.width(), shown.height());
        p.drawImage(target, picture);
        p.setPen(Qt::black);
        p.drawText(QRect(area.x(), area.y() + cell, cell, labelHeight), Qt::AlignCenter,
                   items[i].label);
    }
    return sheet;
}

}  // namespace art
