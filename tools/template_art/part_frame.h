#pragma once

#include <QPainter>
#include <QPointF>
#include <QtMath>

namespace art {

inline QPointF rotated(QPointF v, qreal angleDeg) {
    const qreal a = qDegreesToRadians(angleDeg);
    return {v.x() * std::cos(a) - v.y() * std::sin(a), v.x() * std::sin(a) + v.y() * std::cos(a)};
}

// Runs `draw` in a frame centred at c, rotated and optionally mirrored horizontally, so a part
// can be drawn once about its own origin.
template <typename Draw>
void framed(QPainter& p, QPointF c, qreal angleDeg, bool mirror, Draw draw) {
    p.save();
    p.translate(c);
    p.rotate(angleDeg);
    if (mirror) p.scale(-1, 1);
    draw();
    p.restore();
}

}  // namespace art
