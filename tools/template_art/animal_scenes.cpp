#include "scenes.h"

namespace art::scenes {
namespace {

const QColor kPawFill(0x3a, 0x36, 0x33);

void pandaArm(QPainter& p, std::initializer_list<QPointF> points) {
    limb(p, polyline(points), 16, kPawFill);
}

void catHead(QPainter& p, QPointF c, qreal r, const QColor& fur) {
    for (int side : {-1, 1}) {
        QPainterPath ear(c + QPointF(side * r * 0.85, -r * 0.25));
        ear.lineTo(c + QPointF(side * r * 0.8, -r * 1.1));
        ear.lineTo(c + QPointF(side * r * 0.2, -r * 0.75));
        ear.closeSubpath();
        shape(p, ear, fur);
        QPainterPath inner(c + QPointF(side * r * 0.72, -r * 0.45));
        inner.lineTo(c + QPointF(side * r * 0.74, -r * 0.9));
        inner.lineTo(c + QPointF(side * r * 0.38, -r * 0.7));
        inner.closeSubpath();
        shape(p, inner, QColor(0xff, 0xb8, 0xc4), 0);
    }
    ellipse(p, c, r * 1.05, r * 0.88, fur);
    // Stripes on the forehead.
    for (int i = -1; i <= 1; ++i)
        line(p, c + QPointF(i * r * 0.18, -r * 0.85), c + QPointF(i * r * 0.14, -r * 0.62),
             kLine * 0.9);
    for (int side : {-1, 1})
        for (int i = 0; i < 3; ++i)
            line(p, c + QPointF(side * r * 0.6, r * (0.2 + i * 0.12)),
                 c + QPointF(side * r * 1.2, r * (0.1 + i * 0.18)), kLine * 0.45);
}

}  // namespace

void pandaWave(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xd8, 0xf3, 0xdc));
    const QPointF head(c.w / 2, 62);
    const qreal r = 42;
    pandaBody(p, head, r);
    pandaArm(p, {head + QPointF(-r * 0.75, r * 1.1), head + QPointF(-r * 0.9, r * 1.6)});
    pandaArm(p, {head + QPointF(r * 0.8, r * 1.1), head + QPointF(r * 1.35, r * 0.8),
                 head + QPointF(r * 1.5, r * 0.2)});
    pandaHead(p, head, r);
    pandaFace(p, head, r, Eye::Dot, Mouth::Smile);
    blush(p, head + QPointF(0, r * 0.3), r * 1.3, 6);
    motionLines(p, head + QPointF(r * 2.0, r * 0.1), 14, 3, 8, 70);
}

void pandaSulk(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xe3, 0xe6, 0xf0));
    const QPointF head(c.w / 2, 70);
    const qreal r = 42;
    pandaBody(p, head, r);
    // Knees pulled up in front of the belly, arms wrapped round them.
    for (int side : {-1, 1}) {
        ellipse(p, head + QPointF(side * r * 0.42, r * 1.4), r * 0.4, r * 0.55, kInk);
        ellipse(p, head + QPointF(side * r * 0.42, r * 1.62), r * 0.2, r * 0.16,
                QColor(0x55, 0x50, 0x4c), 0);
    }
    pandaArm(p, {head + QPointF(-r * 0.95, r * 0.9), head + QPointF(-r * 0.75, r * 1.85),
                 head + QPointF(r * 0.55, r * 1.88)});
    pandaHead(p, head + QPointF(0, 6), r);
    pandaFace(p, head + QPointF(0, 10), r, Eye::Flat, Mouth::Frown);
    for (int i = -1; i <= 1; ++i) {
        QPainterPath gloom(head + QPointF(i * 14, -r * 1.05));
        gloom.cubicTo(head + QPointF(i * 14 + 5, -r * 1.2), head + QPointF(i * 14 - 5, -r * 1.3),
                      head + QPointF(i * 14, -r * 1.42));
        stroke(p, gloom, kLine * 0.7, QColor(0x6a, 0x70, 0x90));
    }
}

void pandaThumbsUp(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xff, 0xf0, 0xbf));
    const QPointF head(92, 66);
    const qreal r = 50;
    pandaBody(p, head, r);
    pandaArm(p, {head + QPointF(r * 0.75, r * 1.15), head + QPointF(r * 1.35, r * 1.0),
                 head + QPointF(r * 1.55, r * 0.55)});
    hand(p, head + QPointF(r * 1.55, r * 0.45), 16, 0, Hand::ThumbsUp, kPawFill);
    pandaHead(p, head, r);
    pandaFace(p, head, r, Eye::Happy, Mouth::Grin);
    sparkle(p, {184, 22}, 10);
    sparkle(p, {20, 30}, 7);
}

void pandaPeek(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xd8, 0xf3, 0xdc));
    const QColor bamboo(0x7c, 0xc4, 0x4c);
    const QPointF head(112, 70);
    const qreal r = 38;
    pandaBody(p, head + QPointF(-10, 0), r);
    pandaHead(p, head, r);
    pandaFace(p, head, r, Eye::Dot, Mouth::SmallO);
    // The stalk is in front of the panda; paws grip it.
    limb(p, polyline({{66, -5}, {66, 205}}), 26, bamboo);
    for (qreal y : {40.0, 100.0, 160.0}) line(p, {52, y}, {80, y}, kLine * 0.8);
    QPainterPath leaf(QPointF(54, 64));
    leaf.quadTo(30, 40, 8, 48);
    leaf.quadTo(30, 70, 54, 64);
    shape(p, leaf, QColor(0x5c, 0xb0, 0x3c));
    ellipse(p, {82, 110}, 11, 9, kPawFill);
    ellipse(p, {82, 132}, 11, 9, kPawFill);
    questionMark(p, {158, 24}, 20, 12, kPaper);
}

void pandaFacepalm(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xe6, 0xe6, 0xe6));
    const QPointF head(c.w / 2, 64);
    const qreal r = 48;
    pandaBody(p, head, r);
    pandaHead(p, head, r);
    pandaFace(p, head, r, Eye::Flat, Mouth::Frown);
    pandaArm(p, {head + QPointF(-r * 0.6, r * 1.3), head + QPointF(-r * 0.55, r * 0.6)});
    hand(p, head + QPointF(-r * 0.35, -r * 0.02), 22, 25, Hand::Open, kPawFill);
    sweatDrop(p, head + QPointF(r * 1.05, -r * 0.55), 9, 15);
    ellipsisDots(p, head + QPointF(r * 1.7, -r * 0.9), 12);
}

void pandaAsleep(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xde, 0xe4, 0xff));
    const QPointF head(86, 92);
    const qreal r = 48;
    pandaBody(p, head + QPointF(10, -8), r * 0.9);
    p.save();
    p.translate(head);
    p.rotate(-12);
    pandaHead(p, {}, r);
    pandaFace(p, {}, r, Eye::Shut, Mouth::SmallO);
    ellipse(p, {r * 0.24, r * 0.42}, r * 0.16, r * 0.16, QColor(0xbf, 0xe6, 0xff, 200),
            kLine * 0.6);
    ellipse(p, {r * 0.2, r * 0.37}, r * 0.04, r * 0.04, kPaper, 0);
    p.restore();
    zzz(p, {146, 48}, 16);
}

void confusedDog(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xe0, 0xf0, 0xff));
    const QColor fur(0xe9, 0xb8, 0x72);
    const QColor dark(0x8a, 0x5a, 0x34);
    torso(p, {c.w / 2, 150}, 110, 130, 60, fur);
    p.save();
    p.translate(c.w / 2, 94);
    p.rotate(-18);
    // One ear pricked up, the other flopped down.
    QPainterPath upEar(QPointF(-48, -30));
    upEar.quadTo(-66, -90, -30, -70);
    upEar.quadTo(-20, -50, -22, -44);
    upEar.closeSubpath();
    shape(p, upEar, dark);
    ellipse(p, {}, 64, 58, fur);
    QPainterPath flopEar(QPointF(40, -46));
    flopEar.quadTo(86, -44, 78, 10);
    flopEar.quadTo(62, 4, 46, -20);
    flopEar.closeSubpath();
    shape(p, flopEar, dark);
    ellipse(p, {0, 26}, 34, 24, QColor(0xfb, 0xf0, 0xe0));
    eyes(p, {0, -8}, 50, 15, Eye::Wide);
    ellipse(p, {0, 14}, 10, 7, kInk, 0);
    mouth(p, {0, 28}, 26, Mouth::Tongue);
    p.restore();
    questionMark(p, {192, 34}, 30, 14, kPaper);
}

void chickenMassage(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xe0, 0xf6, 0xf0));
    const QColor wood(0xb9, 0x80, 0x4e);
    // The table.
    limb(p, polyline({{30, 150}, {30, 186}}), 6, wood);
    limb(p, polyline({{172, 150}, {172, 186}}), 6, wood);
    QPainterPath top;
    top.addRoundedRect(QRectF(14, 136, 174, 16), 6, 6);
    shape(p, top, wood);
    // The chicken lying on its belly, head to the left.
    ellipse(p, {112, 118}, 60, 24, kPaper);
    QPainterPath tail(QPointF(166, 112));
    tail.quadTo(186, 92, 182, 112);
    tail.quadTo(190, 104, 184, 124);
    tail.closeSubpath();
    shape(p, tail, kPaper);
    QPainterPath towel;
    towel.addRoundedRect(QRectF(116, 106, 54, 34), 6, 6);
    shape(p, towel, QColor(0x7c, 0xc8, 0xff));
    for (int i = 0; i < 3; ++i)
        line(p, {124 + i * 16.0, 110}, {124 + i * 16.0, 136}, kLine * 0.4, kPaper);
    const QPointF head(48, 112);
    ellipse(p, head + QPointF(4, -22), 8, 9, QColor(0xe5, 0x3b, 0x3b));
    ellipse(p, head + QPointF(-6, -20), 7, 8, QColor(0xe5, 0x3b, 0x3b));
    ellipse(p, head, 22, 21, kPaper);
    QPainterPath beak(head + QPointF(-20, 2));
    beak.lineTo(head + QPointF(-34, 8));
    beak.lineTo(head + QPointF(-18, 12));
    beak.closeSubpath();
    shape(p, beak, QColor(0xff, 0xc4, 0x3b));
    eye(p, head + QPointF(-4, -2), 6, Eye::Shut);
    blush(p, head + QPointF(-2, 8), 18, 4);
    // A hand kneads the back from above.
    limb(p, polyline({{108, -10}, {104, 60}}), 16, kSkin);
    hand(p, {102, 78}, 15, 180, Hand::Open);
    for (int side : {-1, 1}) motionLines(p, {102 + side * 30.0, 80}, 12, 2, 7, side * 60);
    sparkle(p, {30, 60}, 7, QColor(0xff, 0xb3, 0xd1));
    sparkle(p, {160, 36}, 9, QColor(0xff, 0xb3, 0xd1));
}

void derpCat(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xff, 0xf0, 0xd8));
    const QColor fur(0xf4, 0xa2, 0x4c);
    torso(p, {100, 160}, 120, 150, 50, fur);
    const QPointF head(100, 100);
    catHead(p, head, 74, fur);
    // Pupils pulled toward the nose: crossed eyes.
    eye(p, head + QPointF(-30, -6), 17, Eye::Open, {1, 0.2});
    eye(p, head + QPointF(30, -6), 17, Eye::Open, {-1, 0.2}, true);
    ellipse(p, head + QPointF(0, 18), 6, 4, QColor(0xf2, 0x6d, 0x7d), kLine * 0.7);
    mouth(p, head + QPointF(0, 28), 26, Mouth::Cat);
    ellipse(p, head + QPointF(4, 38), 5, 6, kTongue, kLine * 0.7);
}

void boxCat(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xe6, 0xf4, 0xff));
    const QColor fur(0xa8, 0xa8, 0xb4);
    const QColor card(0xd9, 0xa8, 0x6a);
    const QPointF head(100, 86);
    catHead(p, head, 64, fur);
    eyes(p, head + QPointF(0, -4), 52, 13, Eye::Happy);
    ellipse(p, head + QPointF(0, 14), 6, 4, QColor(0xf2, 0x6d, 0x7d), kLine * 0.7);
    mouth(p, head + QPointF(0, 24), 24, Mouth::Cat);
    blush(p, head + QPointF(0, 16), 84, 7);
    // The box: front face and two open flaps.
    QPainterPath left(QPointF(34, 130));
    left.lineTo(8, 110);
    left.lineTo(26, 100);
    left.lineTo(48, 130);
    left.closeSubpath();
    shape(p, left, card.darker(110));
    QPainterPath right(QPointF(166, 130));
    right.lineTo(194, 108);
    right.lineTo(176, 98);
    right.lineTo(152, 130);
    right.closeSubpath();
    shape(p, right, card.darker(110));
    QPainterPath front;
    front.addRect(QRectF(30, 128, 140, 66));
    shape(p, front, card);
    line(p, {44, 146}, {76, 146}, kLine * 0.6);
    ellipse(p, {60, 118}, 11, 8, fur);
    ellipse(p, {140, 118}, 11, 8, fur);
    sparkle(p, {22, 40}, 9);
    sparkle(p, {178, 32}, 7);
}

}  // namespace art::scenes
