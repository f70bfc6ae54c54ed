#include "scenes.h"

namespace art::scenes {
namespace {

const QColor kFaceGrey(0xd6, 0xd3, 0xd0);

// The reaction-face panda head: black ears, a white head and, where the panda's own face
// would be, a pale oval with a grey rim on which a human face is drawn in ink.
void memeHead(QPainter& p, QPointF c, qreal r) {
    pandaHead(p, c, r, false);
    // Grey smudges where the panda's eye patches fade into the pasted face.
    for (int side : {-1, 1}) {
        p.save();
        p.translate(c + QPointF(side * r * 0.5, -r * 0.02));
        p.rotate(side * -25);
        ellipse(p, {}, r * 0.26, r * 0.34, QColor(0x4a, 0x46, 0x44), 0);
        p.restore();
    }
    ellipse(p, c + QPointF(0, r * 0.1), r * 0.6, r * 0.62, kFaceGrey, 0);
    ellipse(p, c + QPointF(0, r * 0.1), r * 0.53, r * 0.56, QColor(0xf4, 0xf2, 0xf0), 0);
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
    const QPointF head(100, 84);
    const qreal r = 74;
    memeHead(p, head, r);
    const QPointF face = head + QPointF(0, r * 0.1);
    // Squinting sly eyes, both glancing to the side under heavy lids.
    for (int side : {-1, 1}) {
        const QPointF e = face + QPointF(side * r * 0.25, -r * 0.14);
        QPainterPath opening(e + QPointF(-r * 0.15, r * 0.02));
        opening.quadTo(e + QPointF(0, -r * 0.1), e + QPointF(r * 0.15, r * 0.02));
        opening.quadTo(e + QPointF(0, r * 0.08), e + QPointF(-r * 0.15, r * 0.02));
        shape(p, opening, kPaper, 0);
        p.save();
        p.setClipPath(opening);
        ellipse(p, e + QPointF(-r * 0.06, r * 0.0), r * 0.07, r * 0.07, kInk, 0);
        p.restore();
        stroke(p,
               quad(e + QPointF(-r * 0.17, r * 0.03), e + QPointF(0, -r * 0.13),
                    e + QPointF(r * 0.17, r * 0.03)),
               kLine * 1.5);
        curve(p, e + QPointF(-r * 0.12, r * 0.09), e + QPointF(0, r * 0.13),
              e + QPointF(r * 0.12, r * 0.09), kLine * 0.6);
        // Brows arched high: the grin is pleased with itself.
        brow(p, e + QPointF(side * r * 0.02, -r * 0.2), r * 0.24, side * 12, side > 0, kLine * 1.6);
    }
    inkNose(p, face + QPointF(0, r * 0.04), r);
    // Cheeks pushed up by the grin.
    for (int side : {-1, 1})
        curve(p, face + QPointF(side * r * 0.16, r * 0.12),
              face + QPointF(side * r * 0.36, r * 0.2), face + QPointF(side * r * 0.4, r * 0.36),
              kLine * 0.7);
    mouth(p, face + QPointF(0, r * 0.36), r * 0.78, Mouth::SlyGrin);
}

void pandaHeadTeary(Canvas& c) {
    auto& p = c.p;
    p.fillRect(QRectF(0, 0, c.w, c.h), kPaper);
    const QPointF head(c.w / 2, 80);
    const qreal r = 62;
    memeHead(p, head, r);
    const QPointF face = head + QPointF(0, r * 0.1);
    eyes(p, face + QPointF(0, -r * 0.1), r * 0.48, r * 0.13, Eye::Teary);
    brows(p, face + QPointF(0, -r * 0.34), r * 0.5, r * 0.22, -22, kLine * 1.3);
    inkNose(p, face + QPointF(0, r * 0.08), r);
    mouth(p, face + QPointF(0, r * 0.34), r * 0.36, Mouth::Wobble);
    sweatDrop(p, face + QPointF(-r * 0.32, r * 0.2), r * 0.07, 180);
    sweatDrop(p, face + QPointF(r * 0.34, r * 0.26), r * 0.07, 180);
}

void pandaHeadDeadpan(Canvas& c) {
    auto& p = c.p;
    p.fillRect(QRectF(0, 0, c.w, c.h), kPaper);
    const QPointF head(100, 84);
    const qreal r = 72;
    memeHead(p, head, r);
    const QPointF face = head + QPointF(0, r * 0.1);
    for (int side : {-1, 1}) {
        const QPointF e = face + QPointF(side * r * 0.24, -r * 0.12);
        line(p, e + QPointF(-r * 0.14, 0), e + QPointF(r * 0.14, 0), kLine * 1.4);
        ellipse(p, e + QPointF(0, r * 0.06), r * 0.045, r * 0.045, kInk, 0);
        line(p, e + QPointF(-r * 0.13, -r * 0.16), e + QPointF(r * 0.13, -r * 0.16), kLine * 1.2);
    }
    inkNose(p, face + QPointF(0, r * 0.06), r);
    mouth(p, face + QPointF(0, r * 0.34), r * 0.3, Mouth::Flat);
    sweatDrop(p, head + QPointF(r * 0.62, -r * 0.42), r * 0.1, 10);
}

}  // namespace art::scenes
