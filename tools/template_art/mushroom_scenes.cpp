#include "scenes.h"

namespace art::scenes {
namespace {

constexpr qreal kArm = 8;

void arm(QPainter& p, std::initializer_list<QPointF> points) {
    limb(p, polyline(points), kArm, kPaper);
}

// Body under a head at `head` of radius r; returns the neck point.
QPointF body(QPainter& p, QPointF head, qreal r) {
    const QPointF neck = head + QPointF(0, r * 0.95);
    limb(p, polyline({neck + QPointF(-r * 0.22, r * 0.8), neck + QPointF(-r * 0.28, r * 1.3)}),
         kArm + 1, kPaper);
    limb(p, polyline({neck + QPointF(r * 0.22, r * 0.8), neck + QPointF(r * 0.28, r * 1.3)}),
         kArm + 1, kPaper);
    mushroomBody(p, neck, r);
    return neck;
}

}  // namespace

void mushroomLaugh(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xff, 0xf1, 0xb8));
    const QPointF head(c.w / 2, 74);
    const qreal r = 52;
    const QPointF neck = body(p, head, r);
    arm(p, {neck + QPointF(-r * 0.4, r * 0.2), neck + QPointF(-r * 0.8, r * 0.5),
            neck + QPointF(-r * 0.5, r * 0.85)});
    arm(p, {neck + QPointF(r * 0.4, r * 0.2), neck + QPointF(r * 0.9, r * 0.3),
            neck + QPointF(r * 1.0, -r * 0.1)});
    const QPointF face = mushroomHead(p, head, r, -8);
    eye(p, face + QPointF(-r * 0.36, -r * 0.08), r * 0.16, Eye::Happy);
    eye(p, face + QPointF(r * 0.32, -r * 0.14), r * 0.16, Eye::Happy);
    mouth(p, face + QPointF(0, r * 0.26), r * 0.7, Mouth::Laugh);
    sweatDrop(p, face + QPointF(-r * 0.78, -r * 0.2), r * 0.12, -60);
    sweatDrop(p, face + QPointF(r * 0.75, -r * 0.3), r * 0.12, 60);
    motionLines(p, head + QPointF(-r * 1.45, -r * 0.5), 16, 3, 8, 20);
    motionLines(p, head + QPointF(r * 1.45, -r * 0.5), 16, 3, 8, -20);
}

void mushroomCry(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xde, 0xee, 0xff));
    const QPointF head(100, 70);
    const qreal r = 52;
    body(p, head, r);
    const QPointF face = mushroomHead(p, head, r);
    for (int side : {-1, 1})
        tearStream(p, face + QPointF(side * r * 0.36, r * 0.02), 200 - face.y(), 6);
    eyes(p, face + QPointF(0, -r * 0.08), r * 0.72, r * 0.16, Eye::Shut);
    brows(p, face + QPointF(0, -r * 0.32), r * 0.72, r * 0.28, -20);
    mouth(p, face + QPointF(0, r * 0.26), r * 0.6, Mouth::Shout);
}

void mushroomPoint(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xff, 0xe4, 0xd8));
    const QPointF head(86, 70);
    const qreal r = 50;
    const QPointF neck = body(p, head, r);
    arm(p, {neck + QPointF(-r * 0.4, r * 0.2), neck + QPointF(-r * 0.55, r * 0.9)});
    const QPointF face = mushroomHead(p, head, r);
    eyes(p, face + QPointF(0, -r * 0.08), r * 0.72, r * 0.17, Eye::HalfLid, {0.6, 0.3});
    mouth(p, face + QPointF(r * 0.05, r * 0.28), r * 0.62, Mouth::Grin);
    // Pointing out of the picture, at whoever is looking.
    arm(p, {neck + QPointF(r * 0.4, r * 0.25), neck + QPointF(r * 1.1, r * 0.45), {150, 124}});
    hand(p, {154, 118}, 20, 50, Hand::Point);
    motionLines(p, {186, 76}, 14, 3, 7, 60);
}

void mushroomShrug(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xe8, 0xe4, 0xff));
    const QPointF head(c.w / 2, 72);
    const qreal r = 50;
    const QPointF neck = body(p, head, r);
    for (int side : {-1, 1}) {
        arm(p, {neck + QPointF(side * r * 0.4, r * 0.2), neck + QPointF(side * r * 1.15, r * 0.45),
                neck + QPointF(side * r * 1.45, r * 0.05)});
        hand(p, neck + QPointF(side * r * 1.5, -r * 0.1), 15, side * 80, Hand::Open, kPaper,
             side > 0);
    }
    const QPointF face = mushroomHead(p, head, r);
    eyes(p, face + QPointF(0, -r * 0.08), r * 0.72, r * 0.17, Eye::HalfLid);
    brows(p, face + QPointF(0, -r * 0.36), r * 0.72, r * 0.26, 14);
    mouth(p, face + QPointF(0, r * 0.3), r * 0.4, Mouth::Wobble);
    sweatDrop(p, head + QPointF(r * 1.05, -r * 0.4), r * 0.13, 15);
}

void mushroomTableFlip(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xff, 0xe0, 0xd8));
    const QColor wood(0xb9, 0x80, 0x4e);
    const QPointF head(78, 84);
    const qreal r = 46;
    const QPointF neck = body(p, head, r);
    // The table spins away to the upper right.
    p.save();
    p.translate(158, 62);
    p.rotate(-32);
    for (qreal x : {-34.0, 30.0}) limb(p, polyline({{x, 0}, {x, 34}}), 6, wood);
    QPainterPath top;
    top.addRoundedRect(QRectF(-46, -8, 92, 14), 4, 4);
    shape(p, top, wood);
    p.restore();
    arm(p, {neck + QPointF(r * 0.4, r * 0.2), neck + QPointF(r * 1.2, r * 0.1), {128, 82}});
    arm(p, {neck + QPointF(-r * 0.4, r * 0.2), neck + QPointF(-r * 0.9, -r * 0.2),
            neck + QPointF(-r * 0.7, -r * 0.6)});
    const QPointF face = mushroomHead(p, head, r, 8);
    eyes(p, face + QPointF(0, -r * 0.08), r * 0.7, r * 0.17, Eye::Open);
    brows(p, face + QPointF(0, -r * 0.3), r * 0.72, r * 0.3, -25, kLine * 1.3);
    mouth(p, face + QPointF(0, r * 0.3), r * 0.62, Mouth::Shout);
    veinMark(p, head + QPointF(r * 0.7, -r * 0.75), 8);
    motionLines(p, {190, 120}, 22, 3, 9, -40);
}

void mushroomTea(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xe0, 0xf6, 0xe6));
    const QPointF head(96, 70);
    const qreal r = 50;
    const QPointF neck = body(p, head, r);
    const QPointF face = mushroomHead(p, head, r);
    eyes(p, face + QPointF(0, -r * 0.1), r * 0.72, r * 0.16, Eye::Shut);
    blush(p, face + QPointF(0, r * 0.08), r * 1.0, r * 0.1);
    // A teacup held at the lips.
    arm(p, {neck + QPointF(r * 0.4, r * 0.3), neck + QPointF(r * 0.95, r * 0.1),
            face + QPointF(r * 0.6, r * 0.45)});
    const QPointF cup = face + QPointF(r * 0.32, r * 0.35);
    QPainterPath bowl(cup + QPointF(-18, -10));
    bowl.lineTo(cup + QPointF(18, -10));
    bowl.cubicTo(cup + QPointF(18, 14), cup + QPointF(-18, 14), cup + QPointF(-18, -10));
    shape(p, bowl, QColor(0x9a, 0xd0, 0xa8));
    ellipse(p, cup + QPointF(0, -10), 18, 4, QColor(0xc9, 0x8a, 0x4a), kLine * 0.8);
    // Steam drifts off to the side, away from the face.
    for (int i = 0; i < 3; ++i) {
        const QPointF s = cup + QPointF(36 + i * 9, -4 - (i % 2) * 4);
        QPainterPath steam(s);
        steam.cubicTo(s + QPointF(7, -5), s + QPointF(-5, -10), s + QPointF(3, -17));
        stroke(p, steam, kLine * 0.6, QColor(0x90, 0x90, 0x90));
    }
}

void mushroomRun(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xff, 0xf1, 0xd8));
    const QPointF head(118, 64);
    const qreal r = 44;
    const QPointF neck = head + QPointF(-4, r * 0.95);
    // Legs in full stride, body leaning forward.
    limb(p,
         polyline({neck + QPointF(-6, r * 0.8), neck + QPointF(-34, r * 1.2),
                   neck + QPointF(-58, r * 1.1)}),
         kArm + 1, kPaper);
    limb(p,
         polyline({neck + QPointF(6, r * 0.8), neck + QPointF(30, r * 1.1),
                   neck + QPointF(26, r * 1.55)}),
         kArm + 1, kPaper);
    p.save();
    p.translate(neck);
    p.rotate(14);
    mushroomBody(p, {}, r);
    p.restore();
    arm(p, {neck + QPointF(-r * 0.3, r * 0.25), neck + QPointF(-r * 0.9, r * 0.1),
            neck + QPointF(-r * 1.2, -r * 0.25)});
    arm(p, {neck + QPointF(r * 0.4, r * 0.3), neck + QPointF(r * 0.95, r * 0.6),
            neck + QPointF(r * 1.3, r * 0.4)});
    const QPointF face = mushroomHead(p, head, r, 12);
    eyes(p, face + QPointF(r * 0.1, -r * 0.08), r * 0.68, r * 0.18, Eye::Wide, {1, 0});
    mouth(p, face + QPointF(r * 0.12, r * 0.3), r * 0.4, Mouth::SmallO);
    sweatDrop(p, head + QPointF(-r * 1.1, -r * 0.6), r * 0.14, -30);
    sweatDrop(p, head + QPointF(-r * 1.3, -r * 0.1), r * 0.1, -50);
    motionLines(p, {30, 110}, 36, 5, 12);
    for (int i = 0; i < 3; ++i)
        ellipse(p, {44.0 - i * 14, 170.0 - i * 4}, 9 - i * 2, 7 - i * 1.5, QColor(0xe6, 0xd6, 0xbc),
                kLine * 0.6);
}

void mushroomSalute(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xde, 0xee, 0xff));
    const QPointF head(c.w / 2, 72);
    const qreal r = 50;
    const QPointF neck = body(p, head, r);
    arm(p, {neck + QPointF(-r * 0.4, r * 0.2), neck + QPointF(-r * 0.5, r * 0.9)});
    const QPointF face = mushroomHead(p, head, r);
    eyes(p, face + QPointF(0, -r * 0.06), r * 0.72, r * 0.17, Eye::Open);
    brows(p, face + QPointF(0, -r * 0.3), r * 0.72, r * 0.28, -14, kLine * 1.2);
    mouth(p, face + QPointF(0, r * 0.3), r * 0.34, Mouth::Flat);
    // Elbow out to the side, the flat hand at the brow.
    arm(p, {neck + QPointF(r * 0.4, r * 0.2), neck + QPointF(r * 1.4, -r * 0.4),
            head + QPointF(r * 0.85, r * 0.05)});
    hand(p, head + QPointF(r * 0.62, r * 0.02), 13, -100, Hand::Flat, kPaper);
    sparkle(p, {26, 30}, 8);
}

void mushroomFlat(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xe8, 0xe8, 0xee));
    line(p, {0, 172}, {c.w, 172}, kLine * 0.6, QColor(0xa8, 0xa8, 0xb4));
    // The whole figure laid on its back, head to the left, limbs spread and limp.
    p.save();
    p.translate(118, 128);
    p.rotate(-90);
    const QPointF head(0, -62);
    const qreal r = 44;
    const QPointF neck = body(p, head, r);
    arm(p, {neck + QPointF(r * 0.4, r * 0.2), neck + QPointF(r * 0.75, r * 0.5)});
    const QPointF face = mushroomHead(p, head, r);
    eyes(p, face + QPointF(0, -r * 0.06), r * 0.66, r * 0.15, Eye::Flat);
    mouth(p, face + QPointF(0, r * 0.28), r * 0.3, Mouth::Flat);
    p.restore();
    // One arm still holds up a little white flag.
    arm(p, {{104, 112}, {110, 96}, {112, 84}});
    line(p, {114, 98}, {114, 34}, kLine * 0.8);
    QPainterPath flag(QPointF(114, 36));
    flag.cubicTo(QPointF(128, 28), QPointF(138, 44), QPointF(154, 38));
    flag.lineTo(154, 62);
    flag.cubicTo(QPointF(138, 68), QPointF(128, 52), QPointF(114, 60));
    flag.closeSubpath();
    shape(p, flag, kPaper);
    hand(p, {114, 84}, 7, 0, Hand::Fist, kPaper);
}

void mushroomPeek(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xff, 0xf1, 0xd8));
    // The frame's right edge hides half the figure.
    const qreal r = 58;
    p.save();
    p.translate(c.w + 4, 84);
    p.rotate(-16);
    const QPointF face = mushroomHead(p, {}, r);
    eye(p, face + QPointF(-r * 0.36, -r * 0.06), r * 0.2, Eye::Open, {-1, 0});
    eye(p, face + QPointF(r * 0.36, -r * 0.06), r * 0.2, Eye::Open, {-1, 0}, true);
    mouth(p, face + QPointF(-r * 0.1, r * 0.3), r * 0.3, Mouth::Smile);
    p.restore();
    hand(p, {c.w - 6, 146}, 14, -90, Hand::Open, kPaper);
    questionMark(p, {34, 40}, 24, -12, kPaper);
}

void mushroomThumbsUp(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xff, 0xf3, 0xc4));
    const QPointF head(90, 70);
    const qreal r = 52;
    const QPointF neck = body(p, head, r);
    arm(p, {neck + QPointF(-r * 0.4, r * 0.2), neck + QPointF(-r * 0.55, r * 0.9)});
    const QPointF face = mushroomHead(p, head, r);
    eyes(p, face + QPointF(0, -r * 0.08), r * 0.72, r * 0.17, Eye::Happy);
    mouth(p, face + QPointF(0, r * 0.28), r * 0.62, Mouth::Grin);
    arm(p, {neck + QPointF(r * 0.4, r * 0.2), neck + QPointF(r * 1.3, r * 0.3),
            neck + QPointF(r * 1.55, -r * 0.1)});
    hand(p, neck + QPointF(r * 1.55, -r * 0.25), 18, 0, Hand::ThumbsUp, kPaper);
    sparkle(p, {182, 30}, 14);
    sparkle(p, {160, 56}, 7);
}

}  // namespace art::scenes
