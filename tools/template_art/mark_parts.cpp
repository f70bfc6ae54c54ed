#include "art_parts.h"

#include "part_frame.h"

namespace art {

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
