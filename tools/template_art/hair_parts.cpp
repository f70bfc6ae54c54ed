#include "art_parts.h"

namespace art {
namespace {

void hairBack(QPainter& p, QPointF c, qreal r, Hair hair, const QColor& colour) {
    if (hair == Hair::Bob) {
        QPainterPath back(c + QPointF(-r * 1.12, r * 0.55));
        back.cubicTo(c + QPointF(-r * 1.35, -r * 1.25), c + QPointF(r * 1.35, -r * 1.25),
                     c + QPointF(r * 1.12, r * 0.55));
        back.quadTo(c + QPointF(r * 0.9, r * 0.68), c + QPointF(r * 0.7, r * 0.6));
        back.lineTo(c + QPointF(-r * 0.7, r * 0.6));
        back.quadTo(c + QPointF(-r * 0.9, r * 0.68), c + QPointF(-r * 1.12, r * 0.55));
        shape(p, back, colour);
    } else if (hair == Hair::Long) {
        QPainterPath back(c + QPointF(-r * 1.25, r * 1.9));
        back.cubicTo(c + QPointF(-r * 1.45, r * 0.2), c + QPointF(-r * 1.5, -r * 1.3),
                     c + QPointF(0, -r * 1.2));
        back.cubicTo(c + QPointF(r * 1.5, -r * 1.3), c + QPointF(r * 1.45, r * 0.2),
                     c + QPointF(r * 1.25, r * 1.9));
        back.quadTo(c + QPointF(0, r * 2.05), c + QPointF(-r * 1.25, r * 1.9));
        shape(p, back, colour);
    }
}

void hairFront(QPainter& p, QPointF c, qreal r, Hair hair, const QColor& colour) {
    switch (hair) {
        case Hair::Bob: {
            QPainterPath fringe(c + QPointF(-r * 1.02, r * 0.1));
            fringe.cubicTo(c + QPointF(-r * 1.15, -r * 1.15), c + QPointF(r * 1.15, -r * 1.15),
                           c + QPointF(r * 1.02, r * 0.1));
            fringe.quadTo(c + QPointF(r * 0.85, -r * 0.3), c + QPointF(r * 0.6, -r * 0.42));
            fringe.quadTo(c + QPointF(0, -r * 0.28), c + QPointF(-r * 0.6, -r * 0.42));
            fringe.quadTo(c + QPointF(-r * 0.85, -r * 0.3), c + QPointF(-r * 1.02, r * 0.1));
            shape(p, fringe, colour);
            curve(p, c + QPointF(-r * 0.3, -r * 0.85), c + QPointF(-r * 0.2, -r * 0.6),
                  c + QPointF(-r * 0.25, -r * 0.4), kLine * 0.6);
            break;
        }
        case Hair::Long: {
            QPainterPath fringe(c + QPointF(-r * 1.05, r * 0.3));
            fringe.cubicTo(c + QPointF(-r * 1.2, -r * 1.42), c + QPointF(r * 1.2, -r * 1.42),
                           c + QPointF(r * 1.05, r * 0.3));
            fringe.quadTo(c + QPointF(r * 0.75, -r * 0.35), c + QPointF(r * 0.1, -r * 0.5));
            fringe.quadTo(c + QPointF(-r * 0.3, -r * 0.2), c + QPointF(-r * 0.7, -r * 0.3));
            fringe.quadTo(c + QPointF(-r * 0.9, -r * 0.1), c + QPointF(-r * 1.05, r * 0.3));
            shape(p, fringe, colour);
            break;
        }
        case Hair::Short:
        case Hair::Spiky: {
            const bool spiky = hair == Hair::Spiky;
            QPainterPath top(c + QPointF(-r * 1.0, -r * 0.15));
            top.cubicTo(c + QPointF(-r * 1.1, -r * 1.2), c + QPointF(r * 1.1, -r * 1.2),
                        c + QPointF(r * 1.0, -r * 0.15));
            const int tufts = spiky ? 6 : 4;
            for (int i = tufts; i > 0; --i) {
                const qreal x0 = -r + 2 * r * i / tufts, x1 = -r + 2 * r * (i - 1) / tufts;
                const qreal y = -r * (spiky ? 0.45 : 0.5) - (i % 2) * r * 0.05;
                if (spiky) top.lineTo(c + QPointF((x0 + x1) / 2, y + r * 0.12));
                top.quadTo(c + QPointF((x0 + x1) / 2, y),
                           c + QPointF(x1, -r * (i == 1 ? 0.15 : 0.55)));
            }
            top.closeSubpath();
            shape(p, top, colour);
            if (spiky) {
                for (int i = -2; i <= 2; ++i) {
                    QPainterPath spike(c + QPointF(i * r * 0.35 - r * 0.18, -r * 0.85));
                    spike.lineTo(c + QPointF(i * r * 0.4, -r * 1.25 + std::abs(i) * r * 0.1));
                    spike.lineTo(c + QPointF(i * r * 0.35 + r * 0.18, -r * 0.85));
                    shape(p, spike, colour);
                }
                QPainterPath cover;
                cover.addEllipse(c + QPointF(0, -r * 0.72), r * 0.9, r * 0.28);
                shape(p, cover, colour, 0);
            }
            break;
        }
        case Hair::OldSides:
            for (int side : {-1, 1}) {
                QPainterPath tuft(c + QPointF(side * r * 0.92, -r * 0.45));
                tuft.quadTo(c + QPointF(side * r * 1.3, -r * 0.45),
                            c + QPointF(side * r * 1.2, -r * 0.1));
                tuft.quadTo(c + QPointF(side * r * 1.35, r * 0.1),
                            c + QPointF(side * r * 1.05, r * 0.25));
                tuft.quadTo(c + QPointF(side * r * 0.95, 0),
                            c + QPointF(side * r * 0.92, -r * 0.45));
                shape(p, tuft, colour);
            }
            curve(p, c + QPointF(-r * 0.4, -r * 0.7), c + QPointF(-r * 0.2, -r * 0.8),
                  c + QPointF(0, -r * 0.7), kLine * 0.5);
            break;
    }
}

}  // namespace

void personHead(QPainter& p, QPointF c, qreal r, Hair hair, const QColor& hairColour,
                const QColor& skin) {
    hairBack(p, c, r, hair, hairColour);
    // Bobbed and long hair cover the ears.
    if (hair != Hair::Bob && hair != Hair::Long) {
        ellipse(p, c + QPointF(-r * 0.98, r * 0.12), r * 0.16, r * 0.22, skin);
        ellipse(p, c + QPointF(r * 0.98, r * 0.12), r * 0.16, r * 0.22, skin);
    }
    QPainterPath face(c + QPointF(0, -r));
    face.cubicTo(c + QPointF(r * 1.3, -r), c + QPointF(r * 1.05, r * 0.95), c + QPointF(0, r));
    face.cubicTo(c + QPointF(-r * 1.05, r * 0.95), c + QPointF(-r * 1.3, -r), c + QPointF(0, -r));
    shape(p, face, skin);
    hairFront(p, c, r, hair, hairColour);
}

}  // namespace art
