#include "art_parts.h"

#include "part_frame.h"

namespace art {

void eye(QPainter& p, QPointF c, qreal s, Eye kind, QPointF look, bool mirror) {
    framed(p, c, 0, mirror, [&] {
        const QPointF pupil(look.x() * s * 0.45 * (mirror ? -1 : 1), look.y() * s * 0.45);
        switch (kind) {
            case Eye::Dot:
                ellipse(p, pupil * 0.5, s * 0.45, s * 0.55, kInk, 0);
                break;
            case Eye::Open:
                ellipse(p, {}, s * 0.8, s, kPaper, kLine * 0.8);
                ellipse(p, pupil, s * 0.42, s * 0.5, kInk, 0);
                ellipse(p, pupil + QPointF(-s * 0.14, -s * 0.2), s * 0.13, s * 0.13, kPaper, 0);
                break;
            case Eye::Wide:
                ellipse(p, {}, s, s * 1.15, kPaper, kLine * 0.8);
                ellipse(p, pupil * 0.6, s * 0.2, s * 0.2, kInk, 0);
                break;
            case Eye::HalfLid: {
                QPainterPath white;
                white.moveTo(-s, 0);
                white.cubicTo(-s * 0.6, s * 0.9, s * 0.6, s * 0.9, s, 0);
                white.closeSubpath();
                shape(p, white, kPaper, 0);
                p.save();
                p.setClipPath(white);
                ellipse(p, pupil + QPointF(0, s * 0.25), s * 0.42, s * 0.5, kInk, 0);
                p.restore();
                stroke(p, white, kLine * 0.8);
                line(p, {-s * 1.15, -s * 0.05}, {s * 1.15, s * 0.05}, kLine * 1.2);
                break;
            }
            case Eye::Happy:
                curve(p, {-s, s * 0.35}, {0, -s * 1.1}, {s, s * 0.35}, kLine * 1.1);
                break;
            case Eye::Shut:
                curve(p, {-s, -s * 0.2}, {0, s * 0.8}, {s, -s * 0.2}, kLine * 1.1);
                break;
            case Eye::Flat:
                line(p, {-s, 0}, {s, 0}, kLine * 1.1);
                break;
            case Eye::Cross:
                line(p, {-s * 0.7, -s * 0.7}, {s * 0.7, s * 0.7}, kLine * 1.1);
                line(p, {-s * 0.7, s * 0.7}, {s * 0.7, -s * 0.7}, kLine * 1.1);
                break;
            case Eye::Teary: {
                ellipse(p, {}, s * 0.85, s, kPaper, kLine * 0.8);
                ellipse(p, pupil + QPointF(0, s * 0.1), s * 0.55, s * 0.62, kInk, 0);
                ellipse(p, pupil + QPointF(-s * 0.2, -s * 0.15), s * 0.2, s * 0.2, kPaper, 0);
                ellipse(p, pupil + QPointF(s * 0.2, s * 0.3), s * 0.1, s * 0.1, kPaper, 0);
                QPainterPath pool;
                pool.moveTo(-s * 0.85, s * 0.35);
                pool.quadTo(0, s * 1.5, s * 0.85, s * 0.35);
                pool.quadTo(0, s * 0.9, -s * 0.85, s * 0.35);
                shape(p, pool, QColor(0xbf, 0xe6, 0xff, 220), kLine * 0.5);
                break;
            }
            case Eye::RollUp:
                ellipse(p, {}, s * 0.85, s, kPaper, kLine * 0.8);
                ellipse(p, {s * 0.15, -s * 0.55}, s * 0.38, s * 0.32, kInk, 0);
                break;
            case Eye::Swirl: {
                QPainterPath spiral;
                for (int i = 0; i <= 40; ++i) {
                    const qreal t = i / 40.0;
                    const qreal a = t * 4 * M_PI;
                    const QPointF pt(std::cos(a) * s * t, std::sin(a) * s * t);
                    if (i == 0)
                        spiral.moveTo(pt);
                    else
                        spiral.lineTo(pt);
                }
                stroke(p, spiral, kLine * 0.7);
                break;
            }
        }
    });
}

void eyes(QPainter& p, QPointF c, qreal spacing, qreal size, Eye kind, QPointF look) {
    eye(p, c - QPointF(spacing / 2, 0), size, kind, look, false);
    eye(p, c + QPointF(spacing / 2, 0), size, kind, look, true);
}

void brow(QPainter& p, QPointF c, qreal length, qreal tiltDeg, bool mirror, qreal width) {
    framed(p, c, 0, mirror, [&] {
        const QPointF half = rotated({length / 2, 0}, -tiltDeg);
        curve(p, -half, QPointF(0, -length * 0.12), half, width);
    });
}

void brows(QPainter& p, QPointF c, qreal spacing, qreal length, qreal tiltDeg, qreal width) {
    // The left brow's outer end is its left end, so its tilt is mirrored.
    brow(p, c - QPointF(spacing / 2, 0), length, -tiltDeg, false, width);
    brow(p, c + QPointF(spacing / 2, 0), length, -tiltDeg, true, width);
}

void mouth(QPainter& p, QPointF c, qreal w, Mouth kind, bool mirror) {
    framed(p, c, 0, mirror, [&] {
        const qreal h = w / 2;
        switch (kind) {
            case Mouth::Smile:
                curve(p, {-h, -h * 0.2}, {0, h * 0.7}, {h, -h * 0.2});
                break;
            case Mouth::Smug: {
                QPainterPath path({-h, h * 0.1});
                path.cubicTo(-h * 0.3, h * 0.25, h * 0.5, h * 0.1, h, -h * 0.4);
                stroke(p, path);
                curve(p, {h * 0.85, -h * 0.55}, {h * 1.1, -h * 0.35}, {h * 1.05, -h * 0.1},
                      kLine * 0.7);
                break;
            }
            case Mouth::Grin:
            case Mouth::SlyGrin: {
                const bool sly = kind == Mouth::SlyGrin;
                const qreal lift = sly ? h * 0.6 : h * 0.15;
                const qreal depth = sly ? h * 0.85 : h * 0.95;
                QPainterPath upper(QPointF(-h, -lift));
                upper.cubicTo(-h * 0.5, h * 0.12 - lift * 0.2, h * 0.5, h * 0.12 - lift * 0.2, h,
                              -lift);
                QPainterPath open = upper;
                open.cubicTo(h * 0.8, depth, -h * 0.8, depth, -h, -lift);
                shape(p, open, QColor(0x5a, 0x1e, 0x1e));
                p.save();
                p.setClipPath(open);
                // The upper teeth: one white band following the lip, lightly split.
                QPainterPath teeth = upper;
                teeth.lineTo(h, -lift + h * 0.4);
                teeth.cubicTo(h * 0.5, h * 0.42, -h * 0.5, h * 0.42, -h, -lift + h * 0.4);
                teeth.closeSubpath();
                shape(p, teeth, kPaper, 0);
                ellipse(p, {0, depth * 0.82}, h * 0.5, h * 0.28, kTongue, 0);
                p.setClipPath(teeth, Qt::IntersectClip);
                for (int i = -2; i <= 2; ++i)
                    line(p, {i * h * 0.3, -h}, {i * h * 0.3, h}, kLine * (i == 0 ? 0.5 : 0.35));
                p.restore();
                stroke(p, open, kLine * 1.1);
                // Dimples where the grin pushes into the cheeks.
                for (int side : {-1, 1})
                    curve(p, {side * h * 1.02, -lift - h * 0.2}, {side * h * 1.16, -lift},
                          {side * h * 1.04, -lift + h * 0.18}, kLine * 0.7);
                break;
            }
            case Mouth::Laugh: {
                QPainterPath open;
                open.moveTo(-h, -h * 0.1);
                open.quadTo(0, 0, h, -h * 0.1);
                open.cubicTo(h * 0.8, h * 1.2, -h * 0.8, h * 1.2, -h, -h * 0.1);
                shape(p, open, QColor(0x5a, 0x1e, 0x1e));
                p.save();
                p.setClipPath(open);
                ellipse(p, {0, h * 0.85}, h * 0.55, h * 0.35, kTongue, 0);
                p.restore();
                stroke(p, open, kLine * 1.1);
                break;
            }
            case Mouth::SmallO:
                ellipse(p, {}, h * 0.45, h * 0.6, QColor(0x5a, 0x1e, 0x1e), kLine * 0.9);
                break;
            case Mouth::Flat:
                line(p, {-h, 0}, {h, 0});
                break;
            case Mouth::Frown:
                curve(p, {-h, h * 0.3}, {0, -h * 0.6}, {h, h * 0.3});
                break;
            case Mouth::Wobble: {
                QPainterPath path({-h, h * 0.2});
                const int steps = 6;
                for (int i = 1; i <= steps; ++i)
                    path.lineTo(-h + 2 * h * i / steps, (i % 2 ? -h * 0.15 : h * 0.15) + h * 0.05);
                stroke(p, path, kLine * 0.9);
                break;
            }
            case Mouth::Tongue: {
                QPainterPath tongue({-h * 0.45, 0});
                tongue.cubicTo(-h * 0.5, h * 1.3, h * 0.5, h * 1.3, h * 0.45, 0);
                shape(p, tongue, kTongue);
                line(p, {0, h * 0.1}, {0, h * 0.55}, kLine * 0.6);
                curve(p, {-h, -h * 0.25}, {0, h * 0.35}, {h, -h * 0.25});
                break;
            }
            case Mouth::Shout: {
                QPainterPath open;
                open.moveTo(-h * 0.8, -h * 0.2);
                open.cubicTo(-h * 0.4, -h * 0.6, h * 0.4, -h * 0.6, h * 0.8, -h * 0.2);
                open.cubicTo(h * 0.9, h * 1.3, -h * 0.9, h * 1.3, -h * 0.8, -h * 0.2);
                shape(p, open, QColor(0x5a, 0x1e, 0x1e));
                p.save();
                p.setClipPath(open);
                ellipse(p, {0, h * 0.95}, h * 0.5, h * 0.3, kTongue, 0);
                QPainterPath teeth;
                teeth.addRect(-h, -h, 2 * h, h * 0.62);
                shape(p, teeth, kPaper, 0);
                p.restore();
                stroke(p, open, kLine * 1.1);
                break;
            }
            case Mouth::Cat: {
                QPainterPath path({-h, -h * 0.1});
                path.quadTo(-h * 0.5, h * 0.5, 0, -h * 0.05);
                path.quadTo(h * 0.5, h * 0.5, h, -h * 0.1);
                stroke(p, path);
                break;
            }
        }
    });
}

}  // namespace art
