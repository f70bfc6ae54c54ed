#include "program_icon.h"

#include <QPainter>

#include "art_parts.h"

namespace art {

QImage DrawProgramIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);
    // Small sizes get a heavier line so the outline survives downscaling.
    const qreal weight = size <= 16 ? 2.2 : size <= 32 ? 1.5 : 1.0;

    // A picture frame with a tiny panda face in it, a speech bubble over its corner.
    QPainterPath frame;
    frame.addRoundedRect(QRectF(6, 22, 70, 70), 12, 12);
    shape(p, frame, QColor(0x5b, 0xa8, 0xf0), kLine * weight);
    QPainterPath inner;
    inner.addRoundedRect(QRectF(14, 30, 54, 54), 6, 6);
    shape(p, inner, kPaper, kLine * 0.6 * weight);
    p.save();
    p.setClipPath(inner);
    if (size <= 16) {
        // Too few pixels for the panda: keep its dark eyes only.
        ellipse(p, {32, 58}, 7, 9, kInk, 0);
        ellipse(p, {50, 58}, 7, 9, kInk, 0);
    } else {
        pandaHead(p, {41, 62}, 20);
        pandaFace(p, {41, 62}, 20, Eye::Dot, Mouth::Smile);
    }
    p.restore();

    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(46, 4, 50, 36), 17, 17);
    QPainterPath tail(QPointF(58, 34));
    tail.lineTo(52, 50);
    tail.lineTo(70, 36);
    tail.closeSubpath();
    shape(p, bubble.united(tail), QColor(0xff, 0xd4, 0x3b), kLine * weight);
    if (size >= 32) ellipsisDots(p, {71, 22}, 11);
    return image;
}

}  // namespace art
