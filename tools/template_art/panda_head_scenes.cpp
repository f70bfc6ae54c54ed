#include "scenes.h"

namespace art::scenes {
namespace {

const QColor kFaceGrey(0xd6, 0xd3, 0xd0);

// A face shape: round brow, full cheeks, a narrower chin.
QPainterPath faceOutline(QPointF c, qreal rx, qreal ry) {
    QPainterPath path(c + QPointF(0, -ry));
    path.cubicTo(c + QPointF(rx * 1.3, -ry), c + QPointF(rx * 1.38, ry * 0.8), c + QPointF(0, ry));
    path.cubicTo(c + QPointF(-rx * 1.38, ry * 0.8), c + QPointF(-rx * 1.3, -ry),
                 c + QPointF(0, -ry));
    return path;
}

// The reaction-face panda head: black ears, a white head, the panda's dark eye patches showing
// round a pale oval on which a human face is drawn in ink. Returns the face's centre.
QPointF memeHead(QPainter& p, QPointF c, qreal r) {
    pandaHead(p, c, r, false);
    for (int side : {-1, 1}) {
        p.save();
        p.translate(c + QPointF(side * r * 0.5, -r * 0.16));
        p.rotate(side * 40);
        ellipse(p, {}, r * 0.25, r * 0.38, QColor(0x2a, 0x27, 0x25), 0);
        p.restore();
    }
    const QPointF face = c + QPointF(0, r * 0.14);
    shape(p, faceOutline(face, r * 0.64, r * 0.68), kFaceGrey, 0);
    shape(p, faceOutline(face + QPointF(0, r * 0.02), r * 0.57, r * 0.62), QColor(0xf6, 0xf4, 0xf2),
          0);
    // Soft sockets round the eyes, as on a photographed face.
    for (int side : {-1, 1})
        ellipse(p, face + QPointF(side * r * 0.24, -r * 0.17), r * 0.17, r * 0.11,
                QColor(0xe6, 0xe2, 0xde), 0);
    return face;
}

void inkNose(QPainter& p, QPointF c, qreal r) {
    curve(p, c + QPointF(-r * 0.03, -r * 0.1), c + QPointF(-r * 0.07, r * 0.05),
          c + QPointF(-r * 0.01, r * 0.07), kLine * 0.8);
    ellipse(p, c + QPointF(-r * 0.06, r * 0.07), r * 0.025, r * 0.018, kInk, 0);
    ellipse(p, c + QPointF(r * 0.06, r * 0.07), r * 0.025, r * 0.018, kInk, 0);
}

}  // namespace

void pandaHeadGrin(Canvas& c) {
    auto& p = c.p;
    p.fillRect(QRectF(0, 0, c.w, c.h), kPaper);
    const qreal r = 78;
    const QPointF face = memeHead(p, {100, 86}, r);
    const qreal k = r * 1.16;  // the pasted face is drawn in its own units
    // Shadows down the sides of the pasted face.
    for (int side : {-1, 1}) {
        QPainterPath shade(face + QPointF(side * k * 0.4, -k * 0.3));
        shade.quadTo(face + QPointF(side * k * 0.52, k * 0.05),
                     face + QPointF(side * k * 0.3, k * 0.42));
        shade.quadTo(face + QPointF(side * k * 0.44, k * 0.05),
                     face + QPointF(side * k * 0.4, -k * 0.3));
        shape(p, shade, QColor(0xe2, 0xde, 0xda), 0);
    }
    // Narrowed sly eyes glancing sideways under heavy lids, cheeks pushing the lower lids up.
    for (int side : {-1, 1}) {
        const QPointF e = face + QPointF(side * k * 0.2, -k * 0.16);
        QPainterPath opening(e + QPointF(-k * 0.13, k * 0.01));
        opening.quadTo(e + QPointF(0, -k * 0.08), e + QPointF(k * 0.13, k * 0.01));
        opening.quadTo(e + QPointF(0, k * 0.06), e + QPointF(-k * 0.13, k * 0.01));
        shape(p, opening, kPaper, 0);
        p.save();
        p.setClipPath(opening);
        ellipse(p, e + QPointF(k * 0.05, 0), k * 0.055, k * 0.055, kInk, 0);
        p.restore();
        stroke(p,
               quad(e + QPointF(-k * 0.15, k * 0.03), e + QPointF(0, -k * 0.11),
                    e + QPointF(k * 0.15, k * 0.03)),
               kLine * 1.6);
        curve(p, e + QPointF(-k * 0.1, k * 0.07), e + QPointF(0, k * 0.1),
              e + QPointF(k * 0.1, k * 0.07), kLine * 0.6);
    }
    // One brow cocked higher than the other.
    brow(p, face + QPointF(-k * 0.21, -k * 0.33), k * 0.2, 10, false, kLine * 1.7);
    brow(p, face + QPointF(k * 0.21, -k * 0.38), k * 0.2, 22, true, kLine * 1.7);
    inkNose(p, face + QPointF(0, -k * 0.02), k);
    for (int side : {-1, 1})
        curve(p, face + QPointF(side * k * 0.1, k * 0.06), face + QPointF(side * k * 0.3, k * 0.04),
              face + QPointF(side * k * 0.36, k * 0.14), kLine * 0.7);
    mouth(p, face + QPointF(0, k * 0.25), k * 0.66, Mouth::SlyGrin);
    curve(p, face + QPointF(-k * 0.1, k * 0.48), face + QPointF(0, k * 0.52),
          face + QPointF(k * 0.1, k * 0.48), kLine * 0.6);
}

void pandaHeadTeary(Canvas& c) {
    auto& p = c.p;
    p.fillRect(QRectF(0, 0, c.w, c.h), kPaper);
    const qreal r = 66;
    const QPointF face = memeHead(p, {c.w / 2, 80}, r);
    const qreal k = r * 1.16;  // the pasted face is drawn in its own units
    eyes(p, face + QPointF(0, -k * 0.14), k * 0.42, k * 0.12, Eye::Teary);
    brows(p, face + QPointF(0, -k * 0.35), k * 0.44, k * 0.2, -24, kLine * 1.3);
    inkNose(p, face + QPointF(0, k * 0.02), r);
    mouth(p, face + QPointF(0, k * 0.3), k * 0.42, Mouth::Wobble);
    for (int side : {-1, 1})
        tearStream(p, face + QPointF(side * k * 0.27, -k * 0.03), k * 0.26, k * 0.045);
}

void pandaHeadDeadpan(Canvas& c) {
    auto& p = c.p;
    p.fillRect(QRectF(0, 0, c.w, c.h), kPaper);
    const qreal r = 76;
    const QPointF head(100, 86);
    const QPointF face = memeHead(p, head, r);
    const qreal k = r * 1.16;  // the pasted face is drawn in its own units
    for (int side : {-1, 1}) {
        const QPointF e = face + QPointF(side * k * 0.2, -k * 0.14);
        line(p, e + QPointF(-k * 0.13, 0), e + QPointF(k * 0.13, 0), kLine * 1.5);
        ellipse(p, e + QPointF(0, k * 0.055), k * 0.045, k * 0.04, kInk, 0);
        line(p, e + QPointF(-k * 0.12, -k * 0.14), e + QPointF(k * 0.12, -k * 0.14), kLine * 1.3);
    }
    inkNose(p, face + QPointF(0, k * 0.02), r);
    mouth(p, face + QPointF(0, k * 0.27), k * 0.28, Mouth::Flat);
    sweatDrop(p, face + QPointF(k * 0.4, -k * 0.36), k * 0.09, 10);
}

}  // namespace art::scenes
