#include "art_parts.h"

#include <QFont>
#include <QtMath>

namespace art {
namespace {

QPointF rotated(QPointF v, qreal angleDeg) {
    const qreal a = qDegreesToRadians(angleDeg);
    return {v.x() * std::cos(a) - v.y() * std::sin(a), v.x() * std::sin(a) + v.y() * std::cos(a)};
}

// Runs `draw` in a frame centred at c, rotated and optionally mirrored horizontally.
template <typename Draw>
void framed(QPainter& p, QPointF c, qreal angleDeg, bool mirror, Draw draw) {
    p.save();
    p.translate(c);
    p.rotate(angleDeg);
    if (mirror) p.scale(-1, 1);
    draw();
    p.restore();
}

}  // namespace

QPen inkPen(qreal width, const QColor& colour) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void shape(QPainter& p, const QPainterPath& path, const QColor& fill, qreal lineWidth) {
    p.setPen(lineWidth > 0 ? inkPen(lineWidth) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawPath(path);
}

void ellipse(QPainter& p, QPointF c, qreal rx, qreal ry, const QColor& fill, qreal lineWidth) {
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    shape(p, path, fill, lineWidth);
}

void stroke(QPainter& p, const QPainterPath& path, qreal width, const QColor& c) {
    p.setPen(inkPen(width, c));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void line(QPainter& p, QPointF a, QPointF b, qreal width, const QColor& c) {
    p.setPen(inkPen(width, c));
    p.drawLine(a, b);
}

void curve(QPainter& p, QPointF a, QPointF control, QPointF b, qreal width) {
    stroke(p, quad(a, control, b), width);
}

void limb(QPainter& p, const QPainterPath& path, qreal thickness, const QColor& fill) {
    stroke(p, path, thickness + 2 * kLine, kInk);
    stroke(p, path, thickness, fill);
}

QPainterPath polyline(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (QPointF pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    return path;
}

QPainterPath quad(QPointF a, QPointF control, QPointF b) {
    QPainterPath path(a);
    path.quadTo(control, b);
    return path;
}

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

void blush(QPainter& p, QPointF c, qreal spacing, qreal size) {
    for (int side : {-1, 1}) {
        ellipse(p, c + QPointF(side * spacing / 2, 0), size, size * 0.55, kBlush, 0);
        for (int i = -1; i <= 1; ++i) {
            const QPointF base = c + QPointF(side * spacing / 2 + i * size * 0.45, 0);
            line(p, base + QPointF(size * 0.15, -size * 0.25),
                 base - QPointF(size * 0.15, -size * 0.25), kLine * 0.4, QColor(0xe0, 0x50, 0x50));
        }
    }
}

void sweatDrop(QPainter& p, QPointF c, qreal s, qreal angleDeg) {
    framed(p, c, angleDeg, false, [&] {
        QPainterPath drop({0, -s * 1.3});
        drop.cubicTo(s * 0.35, -s * 0.6, s * 0.75, -s * 0.1, s * 0.72, s * 0.25);
        drop.cubicTo(s * 0.7, s * 1.0, -s * 0.7, s * 1.0, -s * 0.72, s * 0.25);
        drop.cubicTo(-s * 0.75, -s * 0.1, -s * 0.35, -s * 0.6, 0, -s * 1.3);
        shape(p, drop, kSweat, kLine * 0.8);
        ellipse(p, {-s * 0.25, s * 0.15}, s * 0.12, s * 0.22, kPaper, 0);
    });
}

void tearStream(QPainter& p, QPointF top, qreal length, qreal width) {
    QPainterPath stream(top + QPointF(-width / 2, 0));
    stream.cubicTo(top + QPointF(-width * 0.7, length * 0.5),
                   top + QPointF(-width * 0.9, length * 0.8), top + QPointF(-width * 1.1, length));
    stream.lineTo(top + QPointF(width * 1.1, length));
    stream.cubicTo(top + QPointF(width * 0.9, length * 0.8),
                   top + QPointF(width * 0.7, length * 0.5), top + QPointF(width / 2, 0));
    stream.closeSubpath();
    shape(p, stream, QColor(0x7c, 0xc8, 0xff), kLine * 0.8);
    line(p, top + QPointF(-width * 0.15, length * 0.15), top + QPointF(-width * 0.3, length * 0.7),
         kLine * 0.6, kPaper);
}

void motionLines(QPainter& p, QPointF c, qreal length, int count, qreal gap, qreal angleDeg) {
    framed(p, c, angleDeg, false, [&] {
        for (int i = 0; i < count; ++i) {
            const qreal y = (i - (count - 1) / 2.0) * gap;
            const qreal shift = (i % 2) * length * 0.25;
            line(p, {-length / 2 + shift, y}, {length / 2 - (i % 2) * length * 0.1, y},
                 kLine * 0.8);
        }
    });
}

void questionMark(QPainter& p, QPointF c, qreal s, qreal angleDeg, const QColor& fill) {
    framed(p, c, angleDeg, false, [&] {
        QPainterPath hook({-s * 0.38, -s * 0.35});
        hook.cubicTo(-s * 0.4, -s * 0.85, s * 0.45, -s * 0.9, s * 0.42, -s * 0.38);
        hook.cubicTo(s * 0.4, -s * 0.05, 0, -s * 0.05, 0, s * 0.28);
        stroke(p, hook, s * 0.3 + 2 * kLine * 0.8, kInk);
        stroke(p, hook, s * 0.3, fill);
        ellipse(p, {0, s * 0.62}, s * 0.17, s * 0.17, fill, kLine * 0.8);
    });
}

void exclaim(QPainter& p, QPointF c, qreal s) {
    QPainterPath bar;
    bar.moveTo(c + QPointF(-s * 0.18, -s * 0.8));
    bar.lineTo(c + QPointF(s * 0.18, -s * 0.8));
    bar.lineTo(c + QPointF(s * 0.07, s * 0.3));
    bar.lineTo(c + QPointF(-s * 0.07, s * 0.3));
    bar.closeSubpath();
    shape(p, bar, kInk, kLine * 0.6);
    ellipse(p, c + QPointF(0, s * 0.6), s * 0.14, s * 0.14, kInk, 0);
}

void star(QPainter& p, QPointF c, qreal r, const QColor& fill, qreal angleDeg) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal rr = i % 2 ? r * 0.45 : r;
        const QPointF pt = c + rotated({0, -rr}, angleDeg + i * 36);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    shape(p, path, fill, kLine * 0.7);
}

void sparkle(QPainter& p, QPointF c, qreal r, const QColor& fill) {
    QPainterPath path(c + QPointF(0, -r));
    path.quadTo(c, c + QPointF(r, 0));
    path.quadTo(c, c + QPointF(0, r));
    path.quadTo(c, c + QPointF(-r, 0));
    path.quadTo(c, c + QPointF(0, -r));
    shape(p, path, fill, kLine * 0.6);
}

void zzz(QPainter& p, QPointF c, qreal s) {
    for (int i = 0; i < 3; ++i) {
        const qreal k = s * (0.5 + i * 0.25);
        const QPointF o = c + QPointF(i * s * 0.7, -i * s * 0.8);
        stroke(p,
               polyline({o + QPointF(-k / 2, -k / 2), o + QPointF(k / 2, -k / 2),
                         o + QPointF(-k / 2, k / 2), o + QPointF(k / 2, k / 2)}),
               kLine * (0.7 + i * 0.15));
    }
}

void ellipsisDots(QPainter& p, QPointF c, qreal s) {
    for (int i = -1; i <= 1; ++i) ellipse(p, c + QPointF(i * s, 0), s * 0.22, s * 0.22, kInk, 0);
}

void veinMark(QPainter& p, QPointF c, qreal s) {
    const QColor red(0xe5, 0x3b, 0x3b);
    for (int q = 0; q < 4; ++q) {
        framed(p, c, q * 90, false, [&] {
            stroke(p, quad({s * 0.25, -s}, {s * 0.2, -s * 0.25}, {s, -s * 0.25}), kLine * 0.9, red);
        });
    }
}

void backdrop(Canvas& c, const QColor& tint) {
    c.p.fillRect(QRectF(0, 0, c.w, c.h), kPaper);
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(tint);
    c.p.drawEllipse(QPointF(c.w / 2, c.h * 0.42), c.w * 0.46, c.h * 0.4);
}

}  // namespace art
