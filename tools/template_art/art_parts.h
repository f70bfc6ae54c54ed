#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

// The drawing kit every template and the program icon are composed from. All sizes are in the
// picture's logical units (a picture is 200 units tall), so lines keep the same weight relative
// to the subject whatever the pixel size.
namespace art {

inline const QColor kInk{0x1f, 0x1c, 0x1a};
inline const QColor kPaper{0xff, 0xff, 0xff};
inline const QColor kSkin{0xff, 0xe2, 0xc6};
inline const QColor kBlush{0xff, 0x8f, 0x8f, 150};
inline const QColor kSweat{0x8c, 0xcf, 0xff};
inline const QColor kTongue{0xf2, 0x6d, 0x7d};

constexpr qreal kLine = 4.0;  // the outline weight used throughout

struct Canvas {
    QPainter& p;
    qreal w;  // logical width
    qreal h;  // logical height, always 200
};

QPen inkPen(qreal width = kLine, const QColor& colour = kInk);

// A filled shape with the common outline.
void shape(QPainter& p, const QPainterPath& path, const QColor& fill, qreal line = kLine);
void ellipse(QPainter& p, QPointF c, qreal rx, qreal ry, const QColor& fill, qreal line = kLine);
// An open ink stroke with round ends.
void stroke(QPainter& p, const QPainterPath& path, qreal width = kLine, const QColor& c = kInk);
void line(QPainter& p, QPointF a, QPointF b, qreal width = kLine, const QColor& c = kInk);
void curve(QPainter& p, QPointF a, QPointF control, QPointF b, qreal width = kLine);
// A thick outlined limb along a path: an arm, a leg, a bamboo stalk.
void limb(QPainter& p, const QPainterPath& path, qreal thickness, const QColor& fill);
QPainterPath polyline(std::initializer_list<QPointF> points);
QPainterPath quad(QPointF a, QPointF control, QPointF b);

enum class Eye {
    Dot,      // small solid dot
    Open,     // white with a pupil that follows `look`
    Wide,     // big white, tiny pupil: shock
    HalfLid,  // upper lid drawn across: smug, sly, bored
    Happy,    // closed upward arc ^
    Shut,     // closed downward arc: asleep, content
    Flat,     // a dash: deadpan
    Cross,    // an X
    Teary,    // open with a wet shine and a welling lower rim
    RollUp,   // pupil pushed to the top
    Swirl     // dazed spiral
};
// `size` is the eye's radius; `look` shifts the pupil in -1..1 per axis; `mirror` flips
// asymmetric shapes for the right eye.
void eye(QPainter& p, QPointF c, qreal size, Eye kind, QPointF look = {}, bool mirror = false);
void eyes(QPainter& p, QPointF c, qreal spacing, qreal size, Eye kind, QPointF look = {});

// A brow centred at c; positive tilt raises the outer end. Mirror for the right brow.
void brow(QPainter& p, QPointF c, qreal length, qreal tiltDeg, bool mirror, qreal width = kLine);
void brows(QPainter& p, QPointF c, qreal spacing, qreal length, qreal tiltDeg, qreal width = kLine);

enum class Mouth {
    Smile,    // simple upward curve
    Smug,     // lopsided half-smile
    Grin,     // wide open grin with teeth
    SlyGrin,  // huge crescent grin, teeth, corners pulled up
    Laugh,    // open D shape with tongue
    SmallO,   // small round open mouth
    Flat,     // straight line
    Frown,    // downward curve
    Wobble,   // trembling zig-zag line
    Tongue,   // smile with the tongue sticking out
    Shout,    // big open shouting mouth
    Cat       // the w-shaped cat mouth
};
void mouth(QPainter& p, QPointF c, qreal width, Mouth kind, bool mirror = false);

enum class Hand { Open, Flat, Fist, ThumbsUp, Point, Peace, Beckon };
// A mitten-style hand; `angleDeg` rotates it, 0 = fingers pointing up.
void hand(QPainter& p, QPointF c, qreal size, qreal angleDeg, Hand kind, const QColor& fill = kSkin,
          bool mirror = false);

// A rounded torso from shoulders to hips.
void torso(QPainter& p, QPointF shoulders, qreal shoulderWidth, qreal hipWidth, qreal height,
           const QColor& fill);

// A panda's head without a face: ears, white head, dark eye patches when `patches` is set.
void pandaHead(QPainter& p, QPointF c, qreal r, bool patches = true);
// The panda's own face: eyes within the patches, nose and mouth.
void pandaFace(QPainter& p, QPointF c, qreal r, Eye eyeKind, Mouth mouthKind);
// A sitting panda body under a head at `headCentre`; arms are left to the composition.
void pandaBody(QPainter& p, QPointF headCentre, qreal r);

// The mushroom-head figure: a round white face under a black mushroom cap of hair.
// Returns the point where the face's features centre.
QPointF mushroomHead(QPainter& p, QPointF c, qreal r, qreal tiltDeg = 0);
void mushroomBody(QPainter& p, QPointF neck, qreal scale);

enum class Hair { Bob, Long, Short, Spiky, OldSides };
// A person's head: hair behind, face, ears, hair in front. Returns nothing; features are drawn
// by the caller around `c`, the face centre, with `r` its radius.
void personHead(QPainter& p, QPointF c, qreal r, Hair hair, const QColor& hairColour,
                const QColor& skin = kSkin);

void blush(QPainter& p, QPointF c, qreal spacing, qreal size);
void sweatDrop(QPainter& p, QPointF c, qreal size, qreal angleDeg = 0);
void tearStream(QPainter& p, QPointF top, qreal length, qreal width);
void motionLines(QPainter& p, QPointF c, qreal length, int count, qreal gap, qreal angleDeg = 0);
void questionMark(QPainter& p, QPointF c, qreal size, qreal angleDeg = 0,
                  const QColor& fill = kInk);
void exclaim(QPainter& p, QPointF c, qreal size);
void star(QPainter& p, QPointF c, qreal r, const QColor& fill, qreal angleDeg = 0);
void sparkle(QPainter& p, QPointF c, qreal r, const QColor& fill = QColor(0xff, 0xd4, 0x3b));
void zzz(QPainter& p, QPointF c, qreal size);
void ellipsisDots(QPainter& p, QPointF c, qreal size);
void veinMark(QPainter& p, QPointF c, qreal size);

// A soft round backdrop behind the subject; keeps the lower part plain for the caption.
void backdrop(Canvas& c, const QColor& tint);

}  // namespace art
