#include "art_parts.h"

#include "part_frame.h"

namespace art {

void hand(QPainter& p, QPointF c, qreal s, qreal angleDeg, Hand kind, const QColor& fill,
          bool mirror) {
    framed(p, c, angleDeg, mirror, [&] {
        auto finger = [&](QPointF base, QPointF tip, qreal thick) {
            limb(p, quad(base, (base + tip) / 2, tip), thick, fill);
        };
        const qreal t = s * 0.38;  // finger thickness
        switch (kind) {
            case Hand::Open:
                for (int i = 0; i < 4; ++i) {
                    const qreal x = -s * 0.45 + i * s * 0.3;
                    finger({x, -s * 0.2}, {x * 1.15, -s * (0.95 + (i == 1 || i == 2 ? 0.15 : 0))},
                           t);
                }
                finger({-s * 0.5, s * 0.1}, {-s * 0.95, -s * 0.3}, t);
                break;
            case Hand::Flat: {
                QPainterPath blade;
                blade.addRoundedRect(QRectF(-s * 0.5, -s * 1.15, s, s * 1.2), s * 0.4, s * 0.4);
                shape(p, blade, fill);
                for (int i = -1; i <= 1; ++i)
                    line(p, {i * s * 0.25, -s * 0.95}, {i * s * 0.25, -s * 0.45}, kLine * 0.5);
                finger({-s * 0.5, s * 0.05}, {-s * 0.85, -s * 0.35}, t);
                break;
            }
            case Hand::ThumbsUp:
                finger({-s * 0.1, -s * 0.2}, {-s * 0.1, -s * 1.05}, t * 1.15);
                break;
            case Hand::Point:
                finger({s * 0.1, -s * 0.1}, {s * 0.1, -s * 1.1}, t);
                break;
            case Hand::Peace:
                finger({-s * 0.12, -s * 0.1}, {-s * 0.4, -s * 1.1}, t);
                finger({s * 0.18, -s * 0.1}, {s * 0.4, -s * 1.05}, t);
                break;
            case Hand::Beckon:
                limb(p, quad({s * 0.1, -s * 0.2}, {s * 0.1, -s * 1.1}, {s * 0.55, -s * 0.75}), t,
                     fill);
                break;
            case Hand::Fist:
                break;
        }
        ellipse(p, {0, s * 0.1}, s * 0.58, s * 0.5, fill);
        if (kind == Hand::Fist || kind == Hand::ThumbsUp || kind == Hand::Point ||
            kind == Hand::Peace || kind == Hand::Beckon) {
            for (int i = 0; i < 3; ++i) {
                const qreal y = -s * 0.1 + i * s * 0.22;
                curve(p, {s * 0.15, y}, {s * 0.45, y + s * 0.05}, {s * 0.5, y + s * 0.18},
                      kLine * 0.6);
            }
        }
    });
}

void torso(QPainter& p, QPointF top, qreal shoulderWidth, qreal hipWidth, qreal height,
           const QColor& fill) {
    const qreal sw = shoulderWidth / 2, hw = hipWidth / 2;
    QPainterPath path(top + QPointF(-sw * 0.7, 0));
    path.quadTo(top + QPointF(-sw, 0), top + QPointF(-sw, height * 0.25));
    path.quadTo(top + QPointF(-hw * 1.05, height * 0.7), top + QPointF(-hw, height));
    path.lineTo(top + QPointF(hw, height));
    path.quadTo(top + QPointF(hw * 1.05, height * 0.7), top + QPointF(sw, height * 0.25));
    path.quadTo(top + QPointF(sw, 0), top + QPointF(sw * 0.7, 0));
    path.closeSubpath();
    shape(p, path, fill);
}

void pandaHead(QPainter& p, QPointF c, qreal r, bool patches) {
    ellipse(p, c + QPointF(-r * 0.72, -r * 0.72), r * 0.34, r * 0.32, kInk);
    ellipse(p, c + QPointF(r * 0.72, -r * 0.72), r * 0.34, r * 0.32, kInk);
    QPainterPath head;
    head.addEllipse(c + QPointF(0, r * 0.02), r * 1.02, r * 0.92);
    shape(p, head, kPaper);
    if (!patches) return;
    for (int side : {-1, 1}) {
        p.save();
        p.translate(c + QPointF(side * r * 0.38, -r * 0.02));
        p.rotate(side * -28);
        ellipse(p, {}, r * 0.24, r * 0.3, kInk, 0);
        p.restore();
    }
}

void pandaFace(QPainter& p, QPointF c, qreal r, Eye eyeKind, Mouth mouthKind) {
    for (int side : {-1, 1}) {
        const QPointF e = c + QPointF(side * r * 0.36, -r * 0.04);
        if (eyeKind == Eye::Dot) {
            ellipse(p, e, r * 0.1, r * 0.11, kPaper, 0);
            ellipse(p, e + QPointF(side * r * 0.02, r * 0.02), r * 0.055, r * 0.065, kInk, 0);
        } else {
            p.save();
            p.setPen(inkPen(kLine, kPaper));
            // Closed and flat eyes read on the dark patch only when drawn in white.
            QPainterPath path;
            if (eyeKind == Eye::Shut)
                path = quad(e - QPointF(r * 0.12, 0), e + QPointF(0, r * 0.1),
                            e + QPointF(r * 0.12, 0));
            else if (eyeKind == Eye::Happy)
                path = quad(e + QPointF(-r * 0.12, r * 0.04), e + QPointF(0, -r * 0.12),
                            e + QPointF(r * 0.12, r * 0.04));
            else
                path = polyline({e - QPointF(r * 0.12, 0), e + QPointF(r * 0.12, 0)});
            stroke(p, path, kLine, kPaper);
            p.restore();
        }
    }
    QPainterPath nose;
    nose.moveTo(c + QPointF(-r * 0.11, r * 0.22));
    nose.quadTo(c + QPointF(0, r * 0.16), c + QPointF(r * 0.11, r * 0.22));
    nose.quadTo(c + QPointF(0, r * 0.38), c + QPointF(-r * 0.11, r * 0.22));
    shape(p, nose, kInk, kLine * 0.6);
    mouth(p, c + QPointF(0, r * 0.45), r * 0.4, mouthKind);
}

void pandaBody(QPainter& p, QPointF hc, qreal r) {
    // Legs first so the belly overlaps them.
    ellipse(p, hc + QPointF(-r * 0.75, r * 2.0), r * 0.45, r * 0.35, kInk);
    ellipse(p, hc + QPointF(r * 0.75, r * 2.0), r * 0.45, r * 0.35, kInk);
    QPainterPath body;
    body.addEllipse(hc + QPointF(0, r * 1.4), r * 0.95, r * 0.8);
    shape(p, body, kPaper);
    ellipse(p, hc + QPointF(-r * 0.78, r * 2.05), r * 0.2, r * 0.18, QColor(0x55, 0x50, 0x4c), 0);
    ellipse(p, hc + QPointF(r * 0.78, r * 2.05), r * 0.2, r * 0.18, QColor(0x55, 0x50, 0x4c), 0);
}

QPointF mushroomHead(QPainter& p, QPointF c, qreal r, qreal tiltDeg) {
    p.save();
    p.translate(c);
    p.rotate(tiltDeg);
    ellipse(p, {0, r * 0.12}, r, r * 0.9, kPaper);
    QPainterPath cap;
    cap.moveTo(-r * 1.12, -r * 0.02);
    cap.cubicTo(-r * 1.2, -r * 1.25, r * 1.2, -r * 1.25, r * 1.12, -r * 0.02);
    // The fringe: a scalloped lower edge across the forehead.
    const int scallops = 5;
    for (int i = scallops; i > 0; --i) {
        const qreal x0 = -r * 1.12 + 2.24 * r * i / scallops;
        const qreal x1 = -r * 1.12 + 2.24 * r * (i - 1) / scallops;
        cap.quadTo(QPointF((x0 + x1) / 2, -r * 0.32),
                   QPointF(x1, -r * 0.02 - (i == 1 ? 0 : r * 0.04)));
    }
    cap.closeSubpath();
    shape(p, cap, kInk);
    ellipse(p, {-r * 0.45, -r * 0.72}, r * 0.22, r * 0.08, QColor(0x6a, 0x66, 0x62), 0);
    p.restore();
    return c + rotated({0, r * 0.3}, tiltDeg);
}

void mushroomBody(QPainter& p, QPointF neck, qreal s) {
    torso(p, neck, s * 0.9, s * 0.8, s * 0.9, kPaper);
}

}  // namespace art
