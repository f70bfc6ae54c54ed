#include "export/snapshot.h"

#include <QPainter>
#include <QRegion>

#include "caption/trans_label.h"
#include "export/bmp_snapshot.h"
#include "picture/picture_box.h"
#include "picture/qimage_view.h"

namespace qc {
namespace {

// The caption label that lies over the box, if any: the only control that still draws over the
// box where the window's client area ends.
const TransLabel* CaptionOver(const QWidget* box) {
    const QWidget* parent = box->parentWidget();
    if (!parent) return nullptr;
    for (const TransLabel* label : parent->findChildren<TransLabel*>(Qt::FindDirectChildrenOnly))
        if (label->isVisibleTo(parent)) return label;
    return nullptr;
}

// Draws the whole box as it paints itself, with the caption over it, so the parts of a zoomed
// box that the window cannot show still hold the picture rather than stale memory.
void PaintBoxAndCaption(PictureBox* box, QPainter& painter) {
    box->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    const TransLabel* caption = CaptionOver(box);
    if (!caption) return;
    painter.save();
    painter.translate(caption->pos() - box->pos());
    caption->paintCaption(painter);
    painter.restore();
}

Result<Bitmap> StretchTo(const Bitmap& captured, int width, int height) {
    auto stretched = Bitmap::Create(width, height);
    if (!stretched) return stretched;
    QImage target = ImageView(*stretched);
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, width, height), ImageView(captured));
    return stretched;
}

}  // namespace

Result<Bitmap> CaptureBoxPixels(PictureBox* box, int width, int height) {
    if (!box) return Fail("there is no picture box");
    if (box->width() <= 0 || box->height() <= 0) return Fail("the picture box has no area");
    if (width < 0 || height < 0) return Fail("the requested size is negative");

    auto captured = Bitmap::Filled(box->width(), box->height(), box->backgroundColour().rgb());
    if (!captured) return captured;
    {
        QImage image = ImageView(*captured);
        QPainter painter(&image);
        PaintBoxAndCaption(box, painter);

        // Inside the window, exactly what the window shows there: the box, the caption and
        // every control stacked above the box.
        QWidget* window = box->window();
        const QRect boxRect(box->mapTo(window, QPoint(0, 0)), box->size());
        const QRect shown = boxRect.intersected(window->rect());
        if (!shown.isEmpty()) {
            window->render(&painter, shown.topLeft() - boxRect.topLeft(), QRegion(shown),
                           QWidget::DrawWindowBackground | QWidget::DrawChildren);
        }
    }

    const int w = width == 0 ? box->width() : width;
    const int h = height == 0 ? box->height() : height;
    if (w == captured->width() && h == captured->height()) return captured;
    return StretchTo(*captured, w, h);
}

std::vector<std::uint8_t> SnapshotWindow(PictureBox* box, int width, int height) {
    auto pixels = CaptureBoxPixels(box, width, height);
    if (!pixels) return {};
    return EncodePictureSnapshot(*pixels);
}

}  // namespace qc
