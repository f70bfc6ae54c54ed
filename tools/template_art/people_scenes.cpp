#include "scenes.h"

namespace art::scenes {
namespace {

const QColor kBobHair(0x3b, 0x2a, 0x22);
const QColor kGirlHair(0x6b, 0x3f, 0x2a);
const QColor kShirtTeal(0x4f, 0xb8, 0xa8);
const QColor kShirtPink(0xf5, 0x8f, 0xb0);
const QColor kCoat(0x8a, 0x7d, 0x6e);

void shoulders(QPainter& p, QPointF neck, qreal width, const QColor& shirt) {
    torso(p, neck, width, width * 1.1, 200 - neck.y() + 10, shirt);
}

void bobPerson(Canvas& c) {
    backdrop(c, QColor(0xff, 0xe9, 0xd6));
    shoulders(c.p, {100, 150}, 150, kShirtTeal);
    personHead(c.p, {100, 90}, 58, Hair::Bob, kBobHair);
}

void girl(Canvas& c, QPointF head, qreal r, const QColor& tint) {
    backdrop(c, tint);
    personHead(c.p, head, r, Hair::Long, kGirlHair);
}

}  // namespace

void shortHairSmug(Canvas& c) {
    auto& p = c.p;
    bobPerson(c);
    eyes(p, {100, 95}, 46, 12, Eye::HalfLid, {0.9, 0});
    brow(p, {77, 72}, 22, 4, false);
    brow(p, {123, 70}, 22, 14, true);
    mouth(p, {104, 124}, 30, Mouth::Smug);
    blush(p, {100, 112}, 78, 8);
}

void shortHairShocked(Canvas& c) {
    auto& p = c.p;
    bobPerson(c);
    eyes(p, {100, 92}, 48, 15, Eye::Wide);
    brows(p, {100, 66}, 50, 20, 18);
    mouth(p, {100, 126}, 20, Mouth::SmallO);
    for (int i = 0; i < 4; ++i)
        line(p, {72 + i * 7.0, 104}, {72 + i * 7.0, 116}, kLine * 0.5, QColor(0x6a, 0x8c, 0xd8));
    sweatDrop(p, {150, 70}, 9, 15);
    exclaim(p, {168, 30}, 22);
}

void passerBy(Canvas& c) {
    auto& p = c.p;
    c.p.fillRect(QRectF(0, 0, c.w, c.h), QColor(0xe9, 0xf1, 0xf7));
    line(p, {0, 176}, {c.w, 176}, kLine * 0.6, QColor(0xa8, 0xb8, 0xc4));
    // Enlarged about the feet so the figure fills the height of the frame.
    p.translate(150, 176);
    p.scale(1.04, 1.04);
    p.translate(-150, -176);
    // Walking to the right, head turned toward the viewer.
    const QPointF hip(150, 125);
    limb(p, polyline({hip + QPointF(-6, 0), {128, 150}, {118, 172}}), 13, QColor(0x4a, 0x4f, 0x5c));
    limb(p, polyline({hip + QPointF(6, 0), {168, 150}, {180, 170}}), 13, QColor(0x4a, 0x4f, 0x5c));
    ellipse(p, {114, 175}, 11, 5, kInk);
    ellipse(p, {186, 172}, 11, 5, kInk);
    limb(p, polyline({{128, 75}, {114, 100}, {118, 124}}), 13, kCoat);
    torso(p, {150, 68}, 50, 56, 70, kCoat);
    line(p, {150, 76}, {150, 136}, kLine * 0.6);
    limb(p, polyline({{172, 75}, {184, 100}, {190, 120}}), 13, kCoat);
    hand(p, {192, 127}, 8, 170, Hand::Fist);
    personHead(p, {150, 42}, 30, Hair::Short, QColor(0x55, 0x48, 0x3d));
    eye(p, {138, 42}, 6, Eye::Open, {-1, 0});
    eye(p, {161, 42}, 6, Eye::Open, {-1, 0}, true);
    brow(p, {138, 30}, 12, -6, false, kLine * 0.8);
    brow(p, {161, 28}, 12, 10, true, kLine * 0.8);
    mouth(p, {152, 58}, 12, Mouth::Smug, true);
    motionLines(p, {92, 110}, 26, 3, 10);
}

void oldGentleman(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xf3, 0xea, 0xd8));
    // Drawn at a smaller scale, then enlarged to fill the wide frame.
    p.translate(-40, -12);
    p.scale(1.3, 1.3);
    const QColor suit(0x6e, 0x5a, 0x48);
    torso(p, {140, 128}, 120, 130, 90, suit);
    QPainterPath shirt(QPointF(124, 128));
    shirt.lineTo(140, 165);
    shirt.lineTo(156, 128);
    shape(p, shirt, kPaper, kLine * 0.7);
    // Cane held out to the right.
    limb(p, polyline({{235, 110}, {232, 200}}), 7, QColor(0x5a, 0x3a, 0x22));
    limb(p, quad({205, 112}, {222, 92}, {238, 108}), 7, QColor(0x5a, 0x3a, 0x22));
    limb(p, polyline({{194, 140}, {214, 140}, {228, 118}}), 18, suit);
    hand(p, {232, 113}, 11, 60, Hand::Fist);
    const QPointF head(140, 78);
    personHead(p, head, 50, Hair::OldSides, QColor(0xf2, 0xf2, 0xf2));
    // Wrinkles on the forehead, one eyebrow raised high in doubt.
    curve(p, {122, 46}, {140, 42}, {158, 46}, kLine * 0.5);
    brow(p, {121, 62}, 22, -4, false, kLine * 1.5);
    brow(p, {160, 52}, 22, 22, true, kLine * 1.5);
    for (int side : {-1, 1}) {
        ellipse(p, head + QPointF(side * 20, 4), 14, 14, QColor(255, 255, 255, 120), kLine * 0.8);
        eye(p, head + QPointF(side * 20, 4), 5, Eye::Dot);
    }
    line(p, head + QPointF(-6, 4), head + QPointF(6, 4), kLine * 0.8);
    QPainterPath moustache(head + QPointF(0, 22));
    moustache.cubicTo(head + QPointF(-16, 14), head + QPointF(-34, 30), head + QPointF(-28, 38));
    moustache.cubicTo(head + QPointF(-16, 34), head + QPointF(-8, 30), head + QPointF(0, 30));
    moustache.cubicTo(head + QPointF(8, 30), head + QPointF(16, 34), head + QPointF(28, 38));
    moustache.cubicTo(head + QPointF(34, 30), head + QPointF(16, 14), head + QPointF(0, 22));
    shape(p, moustache, QColor(0xf4, 0xf4, 0xf4));
    mouth(p, head + QPointF(2, 40), 12, Mouth::Flat);
}

void puzzledMan(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xe4, 0xee, 0xff));
    shoulders(p, {100, 160}, 150, QColor(0x5c, 0x6b, 0x80));
    const QPointF head(100, 100);
    personHead(p, head, 56, Hair::Short, QColor(0x2d, 0x25, 0x20), QColor(0xe8, 0xbb, 0x96));
    brow(p, {76, 82}, 26, -18, false, kLine * 1.6);
    brow(p, {124, 76}, 26, 12, true, kLine * 1.6);
    eye(p, {78, 100}, 9, Eye::Open, {0.2, -0.3});
    eye(p, {122, 98}, 11, Eye::Open, {-0.2, -0.3}, true);
    line(p, {97, 84}, {100, 92}, kLine * 0.6);
    mouth(p, {102, 134}, 26, Mouth::Frown);
    questionMark(p, {28, 50}, 34, -18, kPaper);
    questionMark(p, {165, 34}, 40, 12, kPaper);
    questionMark(p, {180, 98}, 28, 22, kPaper);
}

void cheekyKid(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xff, 0xf1, 0xb8));
    shoulders(p, {100, 158}, 120, QColor(0xff, 0x9f, 0x43));
    const QPointF head(100, 96);
    personHead(p, head, 58, Hair::Spiky, QColor(0x3a, 0x2a, 0x20));
    eye(p, {76, 96}, 10, Eye::Happy);
    // The pulled-down lower lid shows its red rim.
    ellipse(p, {124, 98}, 10, 13, kPaper, kLine * 0.8);
    ellipse(p, {124, 96}, 5, 6, kInk, 0);
    QPainterPath rim(QPointF(114, 106));
    rim.quadTo(124, 122, 134, 106);
    rim.quadTo(124, 114, 114, 106);
    shape(p, rim, QColor(0xf2, 0x6d, 0x7d), kLine * 0.7);
    limb(p, polyline({{160, 200}, {152, 150}, {132, 124}}), 12, kSkin);
    hand(p, {136, 122}, 10, -35, Hand::Point);
    brow(p, {76, 74}, 22, 10, false);
    brow(p, {124, 72}, 22, 20, true);
    mouth(p, {98, 132}, 30, Mouth::Tongue);
}

void girlBlush(Canvas& c) {
    auto& p = c.p;
    girl(c, {100, 88}, 56, QColor(0xff, 0xe0, 0xec));
    shoulders(p, {100, 146}, 120, kShirtPink);
    eyes(p, {100, 92}, 46, 11, Eye::Teary, {0, -0.2});
    brows(p, {100, 70}, 48, 16, -10);
    blush(p, {100, 112}, 84, 12);
    mouth(p, {100, 126}, 16, Mouth::Smile);
    for (int side : {-1, 1}) {
        limb(p,
             polyline(
                 {{100 + side * 46.0, 200}, {100 + side * 64.0, 160}, {100 + side * 56.0, 122}}),
             13, kSkin);
        hand(p, {100 + side * 54.0, 112}, 13, side * -10, Hand::Open, kSkin, side > 0);
    }
    star(p, {30, 40}, 8, QColor(0xff, 0xb3, 0xd1));
    star(p, {172, 34}, 6, QColor(0xff, 0xb3, 0xd1));
}

void girlEyeRoll(Canvas& c) {
    auto& p = c.p;
    girl(c, {100, 84}, 54, QColor(0xe8, 0xe4, 0xff));
    torso(p, {100, 140}, 118, 126, 70, QColor(0x8c, 0x7a, 0xe6));
    eyes(p, {100, 88}, 44, 11, Eye::RollUp);
    brows(p, {100, 64}, 46, 18, -8);
    mouth(p, {106, 120}, 20, Mouth::Smug, true);
    // Crossed arms as two overlapping bands.
    limb(p, polyline({{48, 150}, {46, 180}, {132, 158}}), 17, QColor(0x8c, 0x7a, 0xe6));
    hand(p, {138, 156}, 9, 75, Hand::Fist);
    limb(p, polyline({{152, 150}, {154, 182}, {70, 162}}), 17, QColor(0x9d, 0x8c, 0xf0));
    sweatDrop(p, {150, 56}, 7);
}

void girlPeace(Canvas& c) {
    auto& p = c.p;
    girl(c, {92, 86}, 56, QColor(0xff, 0xf3, 0xc4));
    shoulders(p, {92, 146}, 120, QColor(0xff, 0xc8, 0x3d));
    eyes(p, {92, 90}, 46, 11, Eye::Happy);
    brows(p, {92, 68}, 48, 16, 8);
    blush(p, {92, 108}, 80, 9);
    mouth(p, {92, 122}, 36, Mouth::Laugh);
    limb(p, polyline({{140, 200}, {160, 150}, {160, 104}}), 14, kSkin);
    hand(p, {160, 96}, 15, 8, Hand::Peace);
    sparkle(p, {184, 40}, 9);
    sparkle(p, {24, 36}, 7);
    sparkle(p, {186, 140}, 5);
}

void taunt(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xff, 0xe4, 0xd8));
    p.save();
    p.translate(96, 96);
    p.rotate(-16);
    personHead(p, {0, 0}, 60, Hair::Short, QColor(0x3b, 0x2a, 0x22));
    eyes(p, {4, 0}, 48, 12, Eye::HalfLid, {0.3, 0.1});
    brows(p, {4, -22}, 50, 22, 16);
    mouth(p, {6, 34}, 50, Mouth::SlyGrin);
    p.restore();
    limb(p, polyline({{200, 200}, {176, 176}, {164, 150}}), 13, kSkin);
    hand(p, {164, 146}, 13, 10, Hand::Beckon);
    motionLines(p, {180, 120}, 14, 2, 8, -50);
}

void selfAssured(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xee, 0xee, 0xee));
    const QColor shirt(0xd8, 0xd8, 0xd8);
    // Elbows out, fists on the hips.
    for (int side : {-1, 1}) {
        limb(p,
             polyline(
                 {{100 + side * 34.0, 112}, {100 + side * 66.0, 140}, {100 + side * 38.0, 172}}),
             15, shirt);
        hand(p, {100 + side * 38.0, 172}, 9, side * 110, Hand::Fist);
    }
    torso(p, {100, 104}, 82, 70, 96, shirt);
    // An open collar under the raised chin.
    QPainterPath collar(QPointF(84, 104));
    collar.lineTo(100, 126);
    collar.lineTo(116, 104);
    shape(p, collar, kSkin, kLine * 0.8);
    line(p, {84, 104}, {94, 122}, kLine * 0.8);
    line(p, {116, 104}, {106, 122}, kLine * 0.8);
    p.save();
    p.translate(100, 62);
    p.rotate(-6);
    personHead(p, {0, 0}, 42, Hair::Short, QColor(0x30, 0x30, 0x30));
    eyes(p, {0, 2}, 36, 9, Eye::Shut);
    brows(p, {0, -14}, 38, 14, -12);
    mouth(p, {2, 24}, 18, Mouth::Smug);
    p.restore();
    motionLines(p, {30, 70}, 18, 3, 8, -30);
    motionLines(p, {170, 70}, 18, 3, 8, 30);
}

void faceSlap(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xff, 0xe6, 0xe0));
    shoulders(p, {104, 160}, 126, QColor(0x5b, 0xa8, 0xf0));
    p.save();
    p.translate(104, 96);
    p.rotate(18);
    personHead(p, {0, 0}, 54, Hair::Short, QColor(0x3b, 0x2a, 0x22));
    eye(p, {-18, 0}, 9, Eye::Cross);
    eye(p, {18, -2}, 9, Eye::Swirl);
    mouth(p, {0, 30}, 22, Mouth::SmallO);
    // The red print of the hand on the near cheek.
    QPainterPath print;
    print.addEllipse(QPointF(-34, 20), 14, 12);
    for (int i = 0; i < 4; ++i)
        print.addEllipse(QPointF(-46 + i * 7, 0 - (i == 1 || i == 2 ? 4 : 0)), 3.5, 9);
    shape(p, print.simplified(), QColor(0xf0, 0x4a, 0x4a, 170), 0);
    p.restore();
    limb(p, polyline({{0, 160}, {18, 120}}), 15, kSkin);
    hand(p, {24, 104}, 20, 60, Hand::Open);
    motionLines(p, {40, 60}, 26, 3, 9, 30);
    star(p, {160, 30}, 11, QColor(0xff, 0xd4, 0x3b), 10);
    star(p, {186, 62}, 8, QColor(0xff, 0xd4, 0x3b), -12);
    star(p, {140, 14}, 7, QColor(0xff, 0xd4, 0x3b));
}

void blank(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xec, 0xf0, 0xf4));
    shoulders(p, {106, 160}, 130, QColor(0xa8, 0xb4, 0xc0));
    personHead(p, {106, 100}, 58, Hair::Short, QColor(0x44, 0x3a, 0x33));
    eyes(p, {106, 100}, 46, 7, Eye::Dot);
    mouth(p, {106, 132}, 18, Mouth::Flat);
    ellipsisDots(p, {106, 22}, 16);
}

}  // namespace art::scenes

namespace art::scenes {

void spartan(Canvas& c) {
    auto& p = c.p;
    backdrop(c, QColor(0xff, 0xe7, 0xc2));
    const QColor bronze(0xe0, 0xa8, 0x3c);
    const QColor red(0xd9, 0x3b, 0x34);
    const qreal stick = kLine * 1.6;
    // A stick figure mid-kick: standing leg, kicking leg out to the right.
    stroke(p, polyline({{80, 130}, {72, 160}, {66, 190}}), stick);
    line(p, {66, 190}, {54, 190}, stick);
    stroke(p, polyline({{80, 130}, {112, 138}, {150, 126}}), stick);
    line(p, {150, 126}, {156, 114}, stick);
    line(p, {80, 130}, {84, 86}, stick);
    stroke(p, polyline({{84, 92}, {110, 84}, {126, 64}}), stick);
    line(p, {126, 64}, {134, 50}, kLine);
    // Head with a crested helmet.
    const QPointF head(80, 58);
    ellipse(p, head, 24, 24, kSkin);
    eyes(p, head + QPointF(2, -2), 16, 4, Eye::Dot);
    brows(p, head + QPointF(2, -9), 18, 9, -22);
    mouth(p, head + QPointF(4, 12), 14, Mouth::Shout);
    QPainterPath helmet(head + QPointF(-27, 6));
    helmet.cubicTo(head + QPointF(-30, -34), head + QPointF(30, -34), head + QPointF(27, 6));
    helmet.lineTo(head + QPointF(16, 6));
    helmet.lineTo(head + QPointF(14, -12));
    helmet.lineTo(head + QPointF(-10, -12));
    helmet.lineTo(head + QPointF(-12, 14));
    helmet.lineTo(head + QPointF(-27, 14));
    helmet.closeSubpath();
    shape(p, helmet, bronze);
    QPainterPath crest(head + QPointF(-30, -14));
    crest.cubicTo(head + QPointF(-34, -50), head + QPointF(26, -58), head + QPointF(32, -26));
    crest.quadTo(head + QPointF(6, -36), head + QPointF(-18, -22));
    crest.closeSubpath();
    shape(p, crest, red);
    // Round shield on the left arm.
    line(p, {84, 96}, {52, 112}, stick);
    ellipse(p, {46, 110}, 30, 30, bronze);
    ellipse(p, {46, 110}, 20, 20, bronze, kLine * 0.8);
    ellipse(p, {46, 110}, 6, 6, red, kLine * 0.8);
    motionLines(p, {140, 150}, 16, 3, 7, -20);
}

}  // namespace art::scenes
