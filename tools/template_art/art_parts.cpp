#include "art_parts.h"

namespace art {

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

}  // namespace art
