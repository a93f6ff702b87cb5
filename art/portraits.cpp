// The story's character cards: a head-and-shoulders portrait of each racer
// on a rounded card tinted in their own colour, with a white border so the
// card reads over the title sunset or any of the scene pictures.
//
// Every face is built the same way, so the five share one look: a
// three-quarter view turned towards the right, cel-shaded with one shadow
// tone, lit from the side the character faces, large anime eyes and the house
// ink line. Characters who stand on the right of the screen are drawn
// mirrored, so everybody looks in towards the middle where the player is.
// Hair, headwear, the cut and colours of the racing suit and one accessory
// tell them apart.

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>
#include <numbers>
#include <vector>

#include "style.h"

namespace art {
namespace {

constexpr double kCardW = 100;
constexpr double kRadius = 9;    // the card's rounded corners
constexpr double kLeadRoom = 5;  // how far the bust sits back from the middle

QPainterPath cardShape(double h) {
  QPainterPath card;
  card.addRoundedRect(QRectF(0.5, 0.5, kCardW - 1, h - 1), kRadius, kRadius);
  return card;
}

QPainterPath innerShape(double h) {
  QPainterPath inner;
  inner.addRoundedRect(QRectF(3.5, 3.5, kCardW - 7, h - 7), kRadius - 3, kRadius - 3);
  return inner;
}

// A point on a closed outline: smooth points round the corner off, sharp ones
// come to a tip the way a lock of hair ends. `bend` bows the two sides of a
// tip outwards (positive) or inwards (negative).
struct Node {
  double x, y;
  bool sharp = false;
  double bend = 0.1;
};

QPainterPath outline(std::initializer_list<Node> list) {
  const std::vector<Node> n(list);
  const int count = static_cast<int>(n.size());
  auto pt = [&](int i) {
    const Node& k = n[((i % count) + count) % count];
    return QPointF(k.x, k.y);
  };
  auto mid = [&](int i) { return (pt(i) + pt(i + 1)) / 2; };
  auto bowed = [](QPointF a, QPointF b, double bend) {
    const QPointF d = b - a;
    return (a + b) / 2 + QPointF(d.y(), -d.x()) * bend;
  };
  QPainterPath path(mid(count - 1));
  for (int i = 0; i < count; ++i) {
    if (n[i].sharp) {
      path.quadTo(bowed(mid(i - 1), pt(i), n[i].bend), pt(i));
      path.quadTo(bowed(pt(i), mid(i), n[i].bend), mid(i));
    } else {
      path.quadTo(pt(i), mid(i));
    }
  }
  path.closeSubpath();
  return path;
}

// A lock of hair: a pointed blade from a root edge (a, b) out to `tip`,
// bowed by `bend` (positive bows to the left of the direction of travel).
QPainterPath lock(QPointF a, QPointF b, QPointF tip, double bend) {
  const QPointF ma = (a + tip) / 2, mb = (b + tip) / 2;
  const QPointF d = tip - (a + b) / 2;
  const double len = std::hypot(d.x(), d.y());
  const QPointF n = len > 0 ? QPointF(-d.y() / len, d.x() / len) * bend : QPointF();
  QPainterPath path(a);
  path.quadTo(ma + n, tip);
  path.quadTo(mb + n * 0.6, b);
  path.closeSubpath();
  return path;
}

// --- The card -----------------------------------------------------------------------------------

struct Card {
  QColor top;     // background at the top of the card
  QColor bottom;  // and at its foot
  QColor glow;    // the halo behind the head
  QColor streak;  // the speed streaks across it
};

void paintCardBack(QPainter& p, double h, const Card& c) {
  const QPainterPath card = cardShape(h);
  fill(p, card, gradient({0, 0}, {0, h}, {{0.0, c.top}, {1.0, c.bottom}}));
  p.save();
  p.setClipPath(card);
  // A soft halo behind the head lifts the face off the background.
  QRadialGradient halo(QPointF(50, 52), 48);
  halo.setColorAt(0.0, withAlpha(c.glow, 230));
  halo.setColorAt(0.55, withAlpha(c.glow, 110));
  halo.setColorAt(1.0, withAlpha(c.glow, 0));
  fill(p, card, halo);
  // Speed streaks rising from the lower left, the racer's motif.
  Dice dice(77);
  for (int i = 0; i < 9; ++i) {
    const double x = dice.uniform(-30, 100);
    const double y = dice.uniform(20, h + 10);
    const double len = dice.uniform(30, 60);
    drawStreak(p, QPointF(x + len, y - len * 0.7), QPointF(x, y), dice.uniform(2.5, 5),
               withAlpha(c.streak, 60 + dice.below(60)));
  }
  // A thin diagonal band of the deeper tone across the lower corner.
  QPainterPath band(QPointF(-2, h - 48));
  band.lineTo(40, h + 2);
  band.lineTo(20, h + 2);
  band.lineTo(-2, h - 22);
  band.closeSubpath();
  fill(p, band, withAlpha(c.bottom.darker(125), 140));
  p.restore();
}

void paintCardFrame(QPainter& p, double h) {
  // A paper-white border inside the ink edge, then a fine ink line, so the
  // card stands apart from whatever picture it sits on.
  const QPainterPath card = cardShape(h);
  QPainterPath border = card.subtracted(innerShape(h));
  fill(p, border, gradient({0, 0}, {0, h}, {{0.0, pal::kWhite}, {1.0, pal::kPaperShade}}));
  stroke(p, innerShape(h), ink(0.9));
  stroke(p, card, ink(kOutline));
}

// --- The head -----------------------------------------------------------------------------------

struct Face {
  QColor skin;
  QColor shade;  // the one cel-shadow tone
  QColor iris;
  QColor brow;
  QPointF browPoint;  // the far brow on the outline
  QPointF cheek;      // the far cheekbone on the outline
  QPointF chin;
  QPointF jaw;  // where the jaw line meets the neck under the ear
  double eyeY = 56;
  double eyeH = 8.5;      // height of the eye opening
  double lid = 0;         // how far the upper lid has come down, 0 to 0.5
  double browLift = 6.5;  // brow height above the eye centre
  double browTilt = 0;    // positive lowers the inner ends: a fierce look
  double browWeight = 1.6;
  double browArch = 1.2;
  double irisShift = 0.14;  // where the eyes look, as a fraction of the eye's width
};

// The near eye sits left of the nose, the far one is foreshortened towards
// the face's outline on the right.
constexpr double kNearEyeX = 47;
constexpr double kFarEyeX = 62.5;
constexpr double kNearEyeW = 11;
constexpr double kFarEyeW = 8;

QPainterPath facePath(const Face& f) {
  const QPointF b = f.browPoint, c = f.cheek, chin = f.chin, jaw = f.jaw;
  QPainterPath face(QPointF(29, 38));
  face.cubicTo(36, 25, 60, 22, 66, 34);
  face.cubicTo(QPointF(68, 38), QPointF(b.x() + 0.5, b.y() - 6), b);
  face.cubicTo(b.x() - 0.3, b.y() + 2.5, b.x() - 1.8, f.eyeY - 1, b.x() - 1.6, f.eyeY + 1.5);
  face.cubicTo(QPointF(b.x() - 1.2, f.eyeY + 3), QPointF(c.x(), c.y() - 3), c);
  face.cubicTo(QPointF(c.x() - 0.6, c.y() + 7), QPointF(chin.x() + 6, chin.y() - 3), chin);
  face.cubicTo(QPointF(chin.x() - 6, chin.y() + 1.5), QPointF(jaw.x() + 8, jaw.y() + 7), jaw);
  face.cubicTo(QPointF(jaw.x() - 4, jaw.y() - 6), QPointF(29, 52), QPointF(29, 38));
  face.closeSubpath();
  return face;
}

QPainterPath neckPath(const Face& f) {
  QPainterPath neck(QPointF(38, f.jaw.y() - 6));
  neck.lineTo(f.chin.x() - 2, f.chin.y() - 6);
  neck.cubicTo(QPointF(f.chin.x() - 1, 84), QPointF(60, 88), QPointF(61, 96));
  neck.lineTo(35, 96);
  neck.cubicTo(QPointF(37, 88), QPointF(38, 82), QPointF(38, f.jaw.y() - 6));
  neck.closeSubpath();
  return neck;
}

void paintNeck(QPainter& p, const Face& f) {
  const QPainterPath neck = neckPath(f);
  fillOutlined(p, neck, f.skin, kOutline);
  // The jaw throws a shadow down the throat.
  QPainterPath shadow = neck.intersected(facePath(f).translated(-2, 7));
  QPainterPath back;
  back.addRect(QRectF(30, 60, 11, 40));
  shadow = shadow.united(neck.intersected(back));
  fill(p, shadow, f.shade);
  stroke(p, neck, ink());
}

void paintEar(QPainter& p, const Face& f, QPointF at = QPointF(33, 58)) {
  QPainterPath ear(at + QPointF(3, -6));
  ear.cubicTo(at + QPointF(-3, -10), at + QPointF(-6.5, -3), at + QPointF(-4.5, 2));
  ear.cubicTo(at + QPointF(-3.5, 6), at + QPointF(-0.5, 7.5), at + QPointF(3, 6));
  fillOutlined(p, ear, f.skin, kOutline);
  QPainterPath inner(at + QPointF(0.5, -4));
  inner.cubicTo(at + QPointF(-3, -4.5), at + QPointF(-3.5, 0), at + QPointF(-1.5, 2));
  inner.cubicTo(at + QPointF(-0.5, 3.5), at + QPointF(0.5, 2), at + QPointF(0, 0.5));
  stroke(p, inner, QPen(f.shade.darker(125), 1.0, Qt::SolidLine, Qt::RoundCap));
}

// One eye: the white, the iris and pupil with their glints, and the heavy
// upper lash line that carries the expression. `outer` is -1 when the outer
// corner is on the left (the near eye), +1 when it is on the right.
void paintEye(QPainter& p, const Face& f, QPointF c, double w, int outer) {
  const double h = f.eyeH;
  const double top = c.y() - h / 2 + f.lid * h;
  const QPointF inCorner(c.x() - outer * w / 2, c.y() + h * 0.05);
  const QPointF outCorner(c.x() + outer * w / 2, c.y() - h * 0.08);
  // The opening: a tall upper curve and a flatter lower one.
  QPainterPath opening(inCorner);
  opening.cubicTo(QPointF(inCorner.x(), top), QPointF(outCorner.x(), top - h * 0.05), outCorner);
  opening.cubicTo(QPointF(outCorner.x(), c.y() + h * 0.45), QPointF(inCorner.x(), c.y() + h * 0.5),
                  inCorner);
  opening.closeSubpath();
  fill(p, opening, QColor(0xfb, 0xfa, 0xff));

  p.save();
  p.setClipPath(opening, Qt::IntersectClip);
  const QPointF irisC(c.x() + f.irisShift * w, c.y() + h * 0.06);
  const double irx = w * 0.3, iry = h * 0.5;
  fill(p, ellipse(irisC, irx, iry),
       gradient({0, irisC.y() - iry}, {0, irisC.y() + iry},
                {{0.0, f.iris.darker(230)}, {0.45, f.iris}, {1.0, f.iris.lighter(150)}}));
  fill(p, ellipse(irisC + QPointF(0, -h * 0.02), irx * 0.48, iry * 0.52), f.iris.darker(320));
  // The upper lid's shadow across the top of the eye.
  fill(p, ellipse(QPointF(c.x(), top - h * 0.1), w * 0.7, h * 0.32), withAlpha(pal::kInk, 70));
  p.restore();
  stroke(p, ellipse(irisC, irx, iry), QPen(withAlpha(pal::kInk, 140), 0.5));
  // Glints: a big one high on the lit side, a small one low.
  fill(p, ellipse(irisC + QPointF(irx * 0.35, -iry * 0.38), irx * 0.42, iry * 0.26), Qt::white);
  fill(p, ellipse(irisC + QPointF(-irx * 0.4, iry * 0.45), irx * 0.2, iry * 0.12),
       withAlpha(Qt::white, 220));

  // The lash line: thick at the top, swept up at the outer corner.
  QPainterPath lash(inCorner + QPointF(-outer * 0.3, -0.3));
  lash.cubicTo(QPointF(inCorner.x(), top - 0.6), QPointF(outCorner.x(), top - h * 0.05 - 0.6),
               outCorner + QPointF(outer * 1.1, -0.9));
  lash.lineTo(outCorner + QPointF(outer * 0.4, 0.9));
  lash.cubicTo(QPointF(outCorner.x(), top + 1.1), QPointF(inCorner.x(), top + 1.0),
               inCorner + QPointF(outer * 0.2, 0.4));
  lash.closeSubpath();
  fillOutlined(p, lash, pal::kInk, 0.6);
  // A short lower lash near the outer corner.
  QPainterPath lower(QPointF(c.x() + outer * w * 0.05, c.y() + h * 0.48));
  lower.quadTo(QPointF(c.x() + outer * w * 0.38, c.y() + h * 0.4), outCorner);
  stroke(p, lower, QPen(withAlpha(pal::kInk, 200), 0.8, Qt::SolidLine, Qt::RoundCap));
}

void paintBrow(QPainter& p, const Face& f, QPointF c, double w, int outer) {
  const double y = c.y() - f.browLift;
  const QPointF inner(c.x() - outer * w * 0.55, y + f.browTilt);
  const QPointF outerEnd(c.x() + outer * w * 0.6, y + 0.8 - f.browTilt * 0.4);
  const QPointF peak((inner.x() + outerEnd.x()) / 2 + outer * w * 0.1,
                     std::min(inner.y(), outerEnd.y()) - f.browArch);
  const double t = f.browWeight;
  QPainterPath brow(inner + QPointF(0, -t * 0.5));
  brow.quadTo(peak + QPointF(0, -t * 0.5), outerEnd);
  brow.quadTo(peak + QPointF(0, t * 0.5), inner + QPointF(0, t * 0.5));
  brow.closeSubpath();
  fillOutlined(p, brow, f.brow, 0.5, f.brow.darker(150));
}

void paintEyes(QPainter& p, const Face& f) {
  const QPointF near(kNearEyeX, f.eyeY), far(kFarEyeX, f.eyeY - 0.3);
  paintEye(p, f, near, kNearEyeW, -1);
  paintEye(p, f, far, kFarEyeW, 1);
  paintBrow(p, f, near, kNearEyeW, -1);
  paintBrow(p, f, far, kFarEyeW, 1);
}

void paintNose(QPainter& p, const Face& f) {
  // Just the tip, under the far eye: a short stroke with a soft shadow
  // falling back from it, away from the light.
  const QPointF tip(kFarEyeX - 0.5, f.eyeY + 9.4);
  fill(p, ellipse(tip + QPointF(-1.8, 0.6), 1.9, 0.9), withAlpha(f.shade, 230));
  QPainterPath line(tip + QPointF(-0.6, -2.6));
  line.quadTo(tip + QPointF(0.7, -0.8), tip + QPointF(0.6, 0));
  line.quadTo(tip + QPointF(-0.4, 0.7), tip + QPointF(-1.8, 0.5));
  stroke(p, line, QPen(withAlpha(f.shade.darker(170), 235), 0.85, Qt::SolidLine, Qt::RoundCap));
}

void paintBlush(QPainter& p, QPointF at, double rx, const QColor& colour) {
  QRadialGradient blush(at, rx);
  blush.setColorAt(0, withAlpha(colour, 130));
  blush.setColorAt(1, withAlpha(colour, 0));
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(blush);
  p.drawEllipse(at, rx, rx * 0.6);
  p.restore();
}

// The skin of the face with its cel shadows: down the back of the face
// beside the ear, and under the hair along the forehead.
void paintFace(QPainter& p, const Face& f, const QPainterPath& fringe, bool blush = false) {
  const QPainterPath face = facePath(f);
  fill(p, face, f.skin);
  QPainterPath back(QPointF(20, 30));
  back.lineTo(37, 30);
  back.cubicTo(35, 48, 36, 60, 44, 72);
  back.cubicTo(46, 78, 50, 82, 50, 90);
  back.lineTo(20, 90);
  back.closeSubpath();
  QPainterPath shadow = face.intersected(back);
  if (!fringe.isEmpty()) shadow = shadow.united(face.intersected(fringe.translated(-1.5, 3.2)));
  fill(p, shadow, f.shade);
  if (blush) {
    paintBlush(p, QPointF(kNearEyeX - 1, f.eyeY + 8), 5, QColor(0xff, 0x8a, 0x9a));
    paintBlush(p, QPointF(kFarEyeX + 2, f.eyeY + 8), 3.5, QColor(0xff, 0x8a, 0x9a));
  }
  stroke(p, face, ink());
}

// --- Mouths -------------------------------------------------------------------------------------

enum class Mouth { kGrin, kHappy, kHalfSmile, kSoftSmile, kSmirk };

void paintMouth(QPainter& p, const Face& f, Mouth mouth) {
  const double x = f.chin.x() + 1.5;
  const double y = f.chin.y() - 8.5;
  const QColor lips = f.shade.darker(135);
  const QColor inside(0x6a, 0x1c, 0x2c);
  switch (mouth) {
    case Mouth::kGrin: {
      // Wide and open, top teeth showing: the champion's easy laugh.
      QPainterPath open(QPointF(x - 6.5, y - 1.2));
      open.quadTo(QPointF(x - 1, y - 0.2), QPointF(x + 4.5, y - 1.8));
      open.cubicTo(QPointF(x + 4.5, y + 3.5), QPointF(x - 2, y + 5), QPointF(x - 6.5, y - 1.2));
      open.closeSubpath();
      fillOutlined(p, open, inside, 1.0);
      QPainterPath teeth = open.intersected([&] {
        QPainterPath band;
        band.addRect(QRectF(x - 8, y - 3, 14, 3.2));
        return band;
      }());
      fill(p, teeth, Qt::white);
      fill(p, open.intersected(ellipse(QPointF(x - 0.5, y + 3.6), 3, 1.6)),
           QColor(0xe0, 0x6a, 0x74));
      stroke(p, open, ink(1.0));
      break;
    }
    case Mouth::kHappy: {
      // A small open smile, bright and cheerful.
      QPainterPath open(QPointF(x - 4.5, y - 1.0));
      open.quadTo(QPointF(x - 0.5, y + 0.2), QPointF(x + 3.5, y - 1.4));
      open.cubicTo(QPointF(x + 3, y + 4.2), QPointF(x - 3.5, y + 4.2), QPointF(x - 4.5, y - 1.0));
      open.closeSubpath();
      fillOutlined(p, open, inside, 1.0);
      fill(p, open.intersected(ellipse(QPointF(x - 0.5, y + 3.2), 2.6, 1.6)),
           QColor(0xf0, 0x78, 0x86));
      stroke(p, open, ink(1.0));
      break;
    }
    case Mouth::kHalfSmile: {
      // A calm line, lifted at the far corner only.
      QPainterPath line(QPointF(x - 4, y + 0.4));
      line.cubicTo(QPointF(x - 1.5, y + 1.0), QPointF(x + 1.5, y + 0.6), QPointF(x + 3.6, y - 1.2));
      stroke(p, line, QPen(pal::kInk, 1.1, Qt::SolidLine, Qt::RoundCap));
      QPainterPath lip(QPointF(x - 1.5, y + 2.6));
      lip.quadTo(QPointF(x, y + 3.1), QPointF(x + 1.2, y + 2.5));
      stroke(p, lip, QPen(lips, 0.8, Qt::SolidLine, Qt::RoundCap));
      break;
    }
    case Mouth::kSoftSmile: {
      // A closed, rueful smile with a laugh line beside it.
      QPainterPath line(QPointF(x - 5, y - 0.6));
      line.cubicTo(QPointF(x - 2.5, y + 1.4), QPointF(x + 1, y + 1.2), QPointF(x + 3.4, y - 0.8));
      stroke(p, line, QPen(pal::kInk, 1.1, Qt::SolidLine, Qt::RoundCap));
      QPainterPath crease(QPointF(x - 6.5, y - 5));
      crease.quadTo(QPointF(x - 7.8, y - 1.5), QPointF(x - 6.2, y + 1));
      stroke(p, crease, QPen(f.shade.darker(130), 0.8, Qt::SolidLine, Qt::RoundCap));
      break;
    }
    case Mouth::kSmirk: {
      // One corner pulled up, a sharp canine showing under it: a challenge.
      QPainterPath fang(QPointF(x + 0.6, y - 0.2));
      fang.lineTo(QPointF(x + 1.8, y + 2.2));
      fang.lineTo(QPointF(x + 2.8, y - 0.9));
      fang.closeSubpath();
      fillOutlined(p, fang, Qt::white, 0.6);
      QPainterPath line(QPointF(x - 5, y + 0.8));
      line.cubicTo(QPointF(x - 2, y + 1.2), QPointF(x + 1.5, y + 0.2), QPointF(x + 4.2, y - 2.4));
      stroke(p, line, QPen(pal::kInk, 1.2, Qt::SolidLine, Qt::RoundCap));
      stroke(p, curve({x + 3.6, y - 3.4}, {x + 4.6, y - 2.6}, {x + 4.4, y - 1.4}),
             QPen(pal::kInk, 0.7, Qt::SolidLine, Qt::RoundCap));
      break;
    }
  }
}

// --- The body -----------------------------------------------------------------------------------

// Head-and-shoulders, the body turned a little with the head: the near
// shoulder on the left is the broader one.
QPainterPath torsoPath(double h) {
  QPainterPath torso(QPointF(-4, h + 4));
  torso.lineTo(-4, 112);
  torso.cubicTo(2, 100, 14, 93, 28, 90);
  torso.cubicTo(34, 89, 37, 87, 40, 85);
  torso.lineTo(63, 87);
  torso.cubicTo(67, 90, 76, 93, 86, 96);
  torso.cubicTo(96, 100, 101, 106, 104, 114);
  torso.lineTo(104, h + 4);
  torso.closeSubpath();
  return torso;
}

// The racing suit's stand-up collar, open at the front.
QPainterPath collarPath() {
  QPainterPath collar(QPointF(35, 82));
  collar.cubicTo(42, 86, 52, 89, 60, 88);
  collar.lineTo(63, 87);
  collar.lineTo(64, 93);
  collar.cubicTo(54, 96, 42, 94, 33, 89);
  collar.closeSubpath();
  return collar;
}

// Shading down the near side of the body, away from the light, and under
// the collar.
void shadeTorso(QPainter& p, const QPainterPath& torso, const QColor& shadow) {
  QPainterPath back(QPointF(-6, 92));
  back.lineTo(16, 92);
  back.cubicTo(12, 106, 14, 120, 20, 140);
  back.lineTo(-6, 140);
  back.closeSubpath();
  fill(p, torso.intersected(back), shadow);
  fill(p, torso.intersected(collarPath().translated(1, 3.5)), withAlpha(pal::kInk, 70));
}

// --- Emblems ------------------------------------------------------------------------------------

// A five-pointed star.
QPainterPath star(QPointF c, double r, double inner = 0.45) {
  QPainterPath s;
  for (int i = 0; i < 10; ++i) {
    const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    const double rr = i % 2 ? r * inner : r;
    const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * rr;
    i == 0 ? s.moveTo(q) : s.lineTo(q);
  }
  s.closeSubpath();
  return s;
}

// The Vantor team's chevron: a swept double arrow, always pointing right on
// screen, even on a mirrored card.
QPainterPath vantorChevron(QPainter& p, QPointF c, double s) {
  const double dir = p.worldTransform().m11() < 0 ? -1 : 1;
  QPainterPath v;
  for (double dx : {-0.45, 0.35}) {
    auto at = [&](double u, double v) { return c + QPointF(dir * u * s, v * s); };
    QPainterPath one(at(dx - 0.3, -0.5));
    one.lineTo(at(dx + 0.05, 0));
    one.lineTo(at(dx - 0.3, 0.5));
    one.lineTo(at(dx + 0.05, 0.5));
    one.lineTo(at(dx + 0.4, 0));
    one.lineTo(at(dx + 0.05, -0.5));
    one.closeSubpath();
    v.addPath(one);
  }
  return v;
}

// A badge in the card's upper corner on the side the character faces.
void paintBadge(QPainter& p, const QPainterPath& shape, const QColor& fillColour) {
  fill(p, shape.translated(0.8, 1.2), withAlpha(pal::kInk, 90));
  fillOutlined(p, shape, fillColour, 1.2);
}

// --- Drawing a card -----------------------------------------------------------------------------

// Draws the card and runs `bust` in the facing-right frame, mirrored for
// characters who stand on the right of the screen.
template <typename Bust>
void paintCard(QPainter& p, double h, const Card& card, bool facesLeft, Bust bust) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  paintCardBack(p, h, card);
  p.save();
  p.setClipPath(innerShape(h), Qt::IntersectClip);
  if (facesLeft) {
    p.translate(kCardW, 0);
    p.scale(-1, 1);
  }
  // The head sits back from the middle, leaving room in front of the face
  // for the look towards the other side of the screen.
  p.translate(-kLeadRoom, 0);
  bust();
  p.restore();
  paintCardFrame(p, h);
  p.restore();
}

// --- Hair ---------------------------------------------------------------------------------------

struct HairTone {
  QColor base;
  QColor dark;   // the underside and the strand lines
  QColor light;  // the sheen
};

QPointF onCurve(QPointF a, QPointF c, QPointF b, double t) {
  return a * (1 - t) * (1 - t) + c * 2 * t * (1 - t) + b * t * t;
}

// The band of sheen across the crown, anime fashion: a smooth upper edge
// along the curve a-c-b and a saw-toothed lower edge.
QPainterPath sheenBand(QPointF a, QPointF c, QPointF b, double width, int teeth) {
  QPainterPath band;
  const int steps = teeth * 2;
  std::vector<QPointF> upper, lower;
  for (int i = 0; i <= steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    const QPointF q = onCurve(a, c, b, t);
    const QPointF d =
        onCurve(a, c, b, std::min(1.0, t + 0.01)) - onCurve(a, c, b, std::max(0.0, t - 0.01));
    const double len = std::hypot(d.x(), d.y());
    const QPointF n = len > 0 ? QPointF(-d.y() / len, d.x() / len) : QPointF(0, 1);
    const double taper = std::sin(t * std::numbers::pi);
    upper.push_back(q - n * width * 0.5 * taper);
    lower.push_back(q + n * width * (i % 2 ? 1.3 : 0.2) * taper);
  }
  band.moveTo(upper.front());
  for (const QPointF& q : upper) band.lineTo(q);
  for (auto it = lower.rbegin(); it != lower.rend(); ++it) band.lineTo(*it);
  band.closeSubpath();
  return band;
}

struct Sheen {
  QPointF a, c, b;
};

// Fills a mass of hair: lit from the top, darker underneath, with bands of
// sheen and a few strand lines that follow the flow.
void paintHair(QPainter& p, const QPainterPath& shape, const HairTone& t,
               std::initializer_list<Sheen> sheens = {},
               std::initializer_list<QPainterPath> strands = {}) {
  const QRectF box = shape.boundingRect();
  fill(p, shape,
       gradient(box.topLeft(), box.bottomLeft(),
                {{0.0, t.base.lighter(110)}, {0.6, t.base}, {1.0, t.dark}}));
  p.save();
  p.setClipPath(shape, Qt::IntersectClip);
  for (const QPainterPath& s : strands) {
    stroke(p, s, QPen(withAlpha(t.dark, 200), 0.9, Qt::SolidLine, Qt::RoundCap));
  }
  for (const Sheen& s : sheens) fill(p, sheenBand(s.a, s.c, s.b, 2.6, 6), withAlpha(t.light, 210));
  p.restore();
  stroke(p, shape, ink());
}

// Hair in separate locks that overlap front over back: one fill for them
// all, a fine ink line between locks and the full outline round the whole.
// The lines between locks start below `partY`, where the locks separate.
QPainterPath paintLocks(QPainter& p, const QPainterPath& base,
                        std::initializer_list<QPainterPath> locks, const HairTone& t,
                        std::initializer_list<Sheen> sheens = {}, double partY = 14) {
  QPainterPath all = base;
  for (const QPainterPath& l : locks) all = all.united(l);
  const QRectF box = all.boundingRect();
  fill(p, all,
       gradient(box.topLeft(), box.bottomLeft(),
                {{0.0, t.base.lighter(110)}, {0.6, t.base}, {1.0, t.dark}}));
  p.save();
  p.setClipPath(all, Qt::IntersectClip);
  for (const Sheen& s : sheens) fill(p, sheenBand(s.a, s.c, s.b, 2.6, 6), withAlpha(t.light, 210));
  p.setClipRect(QRectF(-10, partY, 120, 140), Qt::IntersectClip);
  for (const QPainterPath& l : locks) {
    fill(p, l.translated(-1.2, 0.6).subtracted(l), withAlpha(t.dark, 150));
    stroke(p, l, QPen(pal::kInk, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  p.restore();
  stroke(p, all, ink());
  return all;
}

// The region above a hairline that runs across the face from back to front.
QPainterPath above(std::initializer_list<QPointF> hairline) {
  QPainterPath region;
  const std::vector<QPointF> pts(hairline);
  region.moveTo(pts.front().x(), -10);
  for (const QPointF& q : pts) region.lineTo(q);
  region.lineTo(pts.back().x(), -10);
  region.closeSubpath();
  return region;
}

// --- Halvard ------------------------------------------------------------------------------------

// The champion: black hair swept back into a quiff with his sunglasses
// pushed up into it, a broad grin, and the black Vantor suit with white
// shoulders and the champion's gold collar.
void halvardBust(QPainter& p, double h) {
  const HairTone hair{QColor(0x2c, 0x2a, 0x40), QColor(0x14, 0x12, 0x22), QColor(0x7a, 0x82, 0xb8)};
  const QColor suit(0x22, 0x22, 0x2e), white(0xf4, 0xf2, 0xee);
  const QColor gold(0xf2, 0xbc, 0x3a), goldDeep(0xa0, 0x68, 0x12);
  Face f;
  f.skin = QColor(0xf4, 0xc8, 0xa2);
  f.shade = QColor(0xd8, 0x9a, 0x7c);
  f.iris = QColor(0xb0, 0x6a, 0x24);
  f.brow = hair.dark;
  f.browPoint = {70, 50};
  f.cheek = {69.5, 61};
  f.chin = {58.5, 81};
  f.jaw = {38, 72};
  f.eyeY = 57;
  f.eyeH = 8.6;
  f.lid = 0.1;
  f.browLift = 7.2;
  f.browTilt = -0.6;
  f.browWeight = 2.1;
  f.browArch = 1.5;

  // The suit: black, white shoulder yokes edged in red, the zip, a Vantor
  // chevron on the chest and a champion's star on the shoulder.
  const QPainterPath torso = torsoPath(h);
  fill(p, torso, suit);
  QPainterPath yoke(QPointF(-4, 110));
  yoke.cubicTo(2, 99, 14, 92, 28, 90);
  yoke.lineTo(40, 88);
  yoke.lineTo(22, 108);
  yoke.cubicTo(12, 110, 4, 116, -4, 124);
  yoke.closeSubpath();
  QPainterPath farYoke(QPointF(64, 89));
  farYoke.cubicTo(72, 92, 84, 95, 92, 99);
  farYoke.cubicTo(98, 102, 102, 107, 104, 114);
  farYoke.lineTo(104, 122);
  farYoke.cubicTo(96, 110, 84, 106, 72, 106);
  farYoke.closeSubpath();
  fill(p, yoke.intersected(torso), white);
  fill(p, farYoke.intersected(torso), white);
  stroke(p, curve({40, 88}, {30, 100}, {22, 108}), QPen(pal::kCarRed, 1.4));
  stroke(p, curve({22, 108}, {10, 112}, {-4, 124}), QPen(pal::kCarRed, 1.4));
  stroke(p, curve({104, 122}, {90, 106}, {72, 106}), QPen(pal::kCarRed, 1.4));
  shadeTorso(p, torso, suit.darker(170));
  stroke(p, curve({62, 93}, {63.5, 112}, {66, 134}), QPen(QColor(0x62, 0x64, 0x78), 1.2));
  fillOutlined(p, vantorChevron(p, QPointF(82, 118), 10), pal::kCarRed, 0.8);
  fillOutlined(p, star(QPointF(14, 106), 4.8), gold, 0.8);
  stroke(p, torso, ink());

  // Hair: short at the back and sides, the top swept up and back.
  const QPainterPath mass = outline({{74, 36},
                                     {78, 20},
                                     {67, 7},
                                     {48, 4},
                                     {30, 8},
                                     {11, 14, true, 0.1},
                                     {22, 21},
                                     {7, 30, true, 0.08},
                                     {20, 34},
                                     {13, 46, true, 0.06},
                                     {24, 46},
                                     {25, 60},
                                     {36, 64},
                                     {44, 46},
                                     {60, 36}});
  paintHair(p, mass, hair);
  paintNeck(p, f);

  const QPainterPath hairline =
      above({{-10, 72}, {25, 72}, {27, 50}, {37, 46}, {44, 37}, {56, 32}, {66, 33}, {78, 40}});
  const QPainterPath front = mass.intersected(hairline);
  paintFace(p, f, front);
  paintEar(p, f);
  paintEyes(p, f);
  paintNose(p, f);
  paintMouth(p, f, Mouth::kGrin);

  paintHair(p, front.united(lock({35, 44}, {41, 46}, {38, 58}, -1)), hair,
            {{{74, 16}, {62, 4}, {40, 8}}, {{36, 10}, {24, 12}, {12, 18}}},
            {curve({72, 30}, {62, 14}, {34, 14}), curve({64, 32}, {48, 22}, {24, 24}),
             curve({52, 34}, {36, 32}, {18, 36}), curve({44, 40}, {32, 42}, {18, 46})});
  // Two strands fallen loose over the forehead.
  paintHair(p, outline({{60, 30}, {66, 31}, {67.5, 46, true, 0.12}, {63, 36}}), hair);
  paintHair(p, outline({{55, 31}, {59, 32}, {57, 43, true, 0.12}, {56, 36}}), hair);

  // Sunglasses pushed up into the hair: gold aviator frames, dark lenses.
  stroke(p, curve({45, 20}, {37, 18}, {28, 23}), QPen(goldDeep, 1.8, Qt::SolidLine, Qt::RoundCap));
  const QPainterPath nearLens = outline({{43, 17}, {56, 15}, {57.5, 21}, {52, 27.5}, {45, 24.5}});
  const QPainterPath farLens = outline({{62, 16}, {71, 17}, {71, 23}, {67, 27}, {61.5, 22.5}});
  for (const QPainterPath& lens : {nearLens, farLens}) {
    fillOutlined(p, lens,
                 gradient({0, 15}, {0, 27},
                          {{0.0, QColor(0x5a, 0x6e, 0xa8)},
                           {0.5, QColor(0x1c, 0x1e, 0x30)},
                           {1.0, QColor(0x3a, 0x24, 0x44)}}),
                 1.8, goldDeep);
    const QRectF b = lens.boundingRect();
    fill(p,
         lens.intersected(
             ellipse(b.topLeft() + QPointF(b.width() * 0.4, 1.4), b.width() * 0.32, 1.8)),
         withAlpha(Qt::white, 190));
  }
  stroke(p, curve({57, 17.5}, {59.5, 15.5}, {62, 18}),
         QPen(gold, 1.7, Qt::SolidLine, Qt::RoundCap));

  // The champion's gold collar.
  const QPainterPath collar = collarPath();
  fill(p, collar, suit);
  p.save();
  p.setClipPath(collar);
  QPainterPath band(QPointF(33, 85.5));
  band.cubicTo(42, 90, 52, 92.5, 64, 90.5);
  stroke(p, band, QPen(gold, 2.6));
  stroke(p, band.translated(0, -0.9), QPen(QColor(0xff, 0xf0, 0xb0), 0.6));
  p.restore();
  stroke(p, collar, ink());
  paintBadge(p, star(QPointF(87, 16), 7.5), QColor(0xff, 0xd2, 0x4a));
}

// --- Mirelle ------------------------------------------------------------------------------------

// The team's engineer: a high pink ponytail and a full fringe, her radio
// headset, big bright eyes and an open smile, the white Vantor jacket and the
// tablet she keeps the race data on.
void mirelleBust(QPainter& p, double h) {
  const HairTone hair{QColor(0xf2, 0x7c, 0xa8), QColor(0xb8, 0x46, 0x78), QColor(0xff, 0xd4, 0xe4)};
  const QColor jacket(0xf6, 0xf4, 0xf8), jacketShade(0xc8, 0xc4, 0xdc);
  const QColor red = pal::kCarRed;
  Face f;
  f.skin = QColor(0xfd, 0xde, 0xc8);
  f.shade = QColor(0xf0, 0xb0, 0x9c);
  f.iris = QColor(0x26, 0xa8, 0x68);
  f.brow = hair.dark;
  f.browPoint = {69, 51};
  f.cheek = {68.5, 62};
  f.chin = {57, 79};
  f.jaw = {38, 70};
  f.eyeY = 58;
  f.eyeH = 10;
  f.browLift = 8.2;
  f.browTilt = -0.9;
  f.browWeight = 1.3;
  f.browArch = 1.6;

  // The ponytail, tied high at the back and swinging out behind her.
  const QPainterPath tail = outline({{26, 22},
                                     {14, 18},
                                     {2, 30},
                                     {-2, 52},
                                     {4, 76},
                                     {10, 96, true, 0.06},
                                     {12, 78},
                                     {18, 88, true, 0.08},
                                     {16, 62},
                                     {20, 40},
                                     {30, 32}});
  paintHair(p, tail, hair, {{{12, 24}, {0, 40}, {6, 70}}},
            {curve({18, 26}, {4, 40}, {8, 80}), curve({22, 32}, {12, 50}, {15, 78})});

  // The jacket: white, red shoulders and collar, a pocket with a pen.
  const QPainterPath torso = torsoPath(h);
  fill(p, torso, jacket);
  QPainterPath shoulder(QPointF(-4, 104));
  shoulder.cubicTo(4, 96, 16, 91, 30, 89);
  shoulder.lineTo(34, 96);
  shoulder.cubicTo(20, 98, 8, 104, -4, 114);
  shoulder.closeSubpath();
  QPainterPath farShoulder(QPointF(66, 89));
  farShoulder.cubicTo(76, 92, 90, 96, 104, 106);
  farShoulder.lineTo(104, 114);
  farShoulder.cubicTo(92, 104, 80, 100, 66, 96);
  farShoulder.closeSubpath();
  fill(p, shoulder.intersected(torso), red);
  fill(p, farShoulder.intersected(torso), red);
  shadeTorso(p, torso, jacketShade);
  stroke(p, curve({61, 93}, {62, 112}, {64, 134}), QPen(jacketShade.darker(120), 1.2));
  fillOutlined(p, vantorChevron(p, QPointF(24, 112), 9), red, 0.8);
  stroke(p, torso, ink());

  paintNeck(p, f);

  // The rest of her hair, a rounded mass with a lock behind the far cheek.
  const QPainterPath mass = outline({{73, 40},
                                     {76, 26},
                                     {68, 10},
                                     {50, 5},
                                     {32, 9},
                                     {22, 22},
                                     {22, 42},
                                     {28, 62},
                                     {40, 60},
                                     {56, 38}});
  paintHair(p, mass, hair);
  paintHair(p, outline({{70, 44}, {75, 52}, {75, 68}, {72, 80, true, 0.05}, {70, 64}}), hair);

  // The fringe: pointed locks down to the brows, and a long lock in front
  // of the ear.
  const QPainterPath fringe = outline({{30, 26},
                                       {37, 44},
                                       {37, 72, true, 0.06},
                                       {41, 52},
                                       {44.5, 53, true, 0.1},
                                       {48, 44},
                                       {53.5, 52, true, 0.1},
                                       {57.5, 43},
                                       {63, 51, true, 0.1},
                                       {66, 45},
                                       {71.5, 52, true, 0.08},
                                       {74, 40},
                                       {75, 26},
                                       {64, 10},
                                       {44, 9}});
  paintFace(p, f, fringe, true);
  paintEar(p, f);
  paintEyes(p, f);
  paintNose(p, f);
  paintMouth(p, f, Mouth::kHappy);
  paintHair(p, fringe, hair, {{{76, 30}, {62, 13}, {36, 19}}},
            {curve({50, 14}, {46, 30}, {44.5, 50}), curve({60, 14}, {60, 32}, {63, 48}),
             curve({40, 18}, {36, 40}, {38, 66})});

  // Her headset: a band over the head, an ear cup and a boom microphone.
  stroke(p, curve({33, 50}, {30, 12}, {62, 6}), QPen(pal::kInk, 3.4, Qt::SolidLine, Qt::RoundCap));
  stroke(p, curve({33, 50}, {30, 12}, {62, 6}),
         QPen(QColor(0x4a, 0x4c, 0x5e), 1.8, Qt::SolidLine, Qt::RoundCap));
  stroke(p, curve({34, 62}, {42, 78}, {54, 75}), QPen(pal::kInk, 2.6, Qt::SolidLine, Qt::RoundCap));
  stroke(p, curve({34, 62}, {42, 78}, {54, 75}),
         QPen(QColor(0x4a, 0x4c, 0x5e), 1.2, Qt::SolidLine, Qt::RoundCap));
  fillOutlined(p, ellipse(QPointF(54.5, 74.8), 2.2, 1.8), QColor(0x2a, 0x2a, 0x36), 1.0);
  const QPainterPath cup = ellipse(QPointF(32, 57), 6, 7.5);
  fillOutlined(p, cup,
               gradient({26, 50}, {38, 64},
                        {{0.0, QColor(0x6a, 0x6c, 0x80)}, {1.0, QColor(0x2a, 0x2a, 0x38)}}),
               kOutline);
  fillOutlined(p, ellipse(QPointF(32.5, 57), 3.4, 4.4), red, 0.9);
  fill(p, ellipse(QPointF(31.5, 55), 1.2, 1.6), withAlpha(Qt::white, 160));

  // The collar, red.
  const QPainterPath collar = collarPath();
  fillOutlined(p, collar, red, kOutline);
  stroke(p, curve({34, 85}, {48, 92}, {63, 90}), QPen(withAlpha(Qt::white, 150), 0.8));

  // The tablet, held up in front of her, its screen showing a lap trace.
  QPainterPath tablet(QPointF(56, 106));
  tablet.lineTo(94, 100);
  tablet.lineTo(100, 134);
  tablet.lineTo(60, 138);
  tablet.closeSubpath();
  fillOutlined(p, tablet, QColor(0x2a, 0x2c, 0x3a), kOutline);
  QPainterPath screen(QPointF(60, 109));
  screen.lineTo(91, 104);
  screen.lineTo(96, 134);
  screen.lineTo(63, 136);
  screen.closeSubpath();
  fill(p, screen,
       gradient({60, 104}, {96, 136},
                {{0.0, QColor(0x4c, 0xe8, 0xd8)}, {1.0, QColor(0x1a, 0x8a, 0x9c)}}));
  QPainterPath trace(QPointF(68, 120));
  trace.cubicTo(66, 112, 80, 108, 84, 112);
  trace.cubicTo(90, 116, 86, 126, 78, 126);
  trace.cubicTo(72, 126, 70, 124, 68, 120);
  stroke(p, trace, QPen(Qt::white, 1.3));
  fill(p, ellipse(QPointF(84, 112), 1.6, 1.6), pal::kCarRed);
  fill(p, screen.intersected([] {
    QPainterPath glare(QPointF(60, 109));
    glare.lineTo(74, 107);
    glare.lineTo(64, 124);
    glare.closeSubpath();
    return glare;
  }()),
       withAlpha(Qt::white, 60));
  // Her fingers curled over the tablet's edge.
  for (int i = 0; i < 3; ++i) {
    QPainterPath finger;
    finger.addRoundedRect(QRectF(53.5 + i * 0.5, 111.5 + i * 4.4, 8, 3.8), 1.9, 1.9);
    fillOutlined(p, finger, f.skin, 0.9);
  }
  paintBadge(
      p,
      [] {
        // A wrench.
        QPainterPath wrench;
        wrench.addEllipse(QPointF(82, 12), 5, 5);
        QPainterPath handle;
        handle.moveTo(84, 14);
        handle.lineTo(93, 24);
        handle.lineTo(90.5, 26.5);
        handle.lineTo(81.5, 16.5);
        handle.closeSubpath();
        return wrench.united(handle).subtracted(ellipse(QPointF(80, 9.5), 2.6, 2.6));
      }(),
      pal::kWhite);
}

// --- Quellan ------------------------------------------------------------------------------------

// The rival from another team: sleek silver hair with a long fringe swept
// across the forehead, heavy-lidded calm eyes and a half-smile, and a teal
// suit with a high white collar.
void quellanBust(QPainter& p, double h) {
  const HairTone hair{QColor(0xcc, 0xd4, 0xe4), QColor(0x84, 0x8e, 0xae), QColor(0xff, 0xff, 0xff)};
  const QColor suit(0x1a, 0xb0, 0xa6), panel(0x0c, 0x5c, 0x62), silver(0xd8, 0xdc, 0xe4);
  Face f;
  f.skin = QColor(0xfa, 0xdc, 0xca);
  f.shade = QColor(0xe2, 0xac, 0x9c);
  f.iris = QColor(0x6a, 0x5c, 0xd8);
  f.brow = QColor(0x9a, 0xa2, 0xba);
  f.browPoint = {69, 50};
  f.cheek = {68, 61};
  f.chin = {57, 81};
  f.jaw = {39, 70};
  f.eyeY = 57.5;
  f.eyeH = 8;
  f.lid = 0.36;
  f.browLift = 6.8;
  f.browTilt = 0.2;
  f.browWeight = 1.2;
  f.browArch = 0.6;
  f.irisShift = 0.18;

  // Hair long enough at the back to brush the collar.
  const QPainterPath mass = outline({{72, 40},
                                     {76, 22},
                                     {64, 5},
                                     {44, 3},
                                     {26, 10},
                                     {17, 28},
                                     {17, 50},
                                     {15, 72, true, 0.06},
                                     {24, 66},
                                     {27, 78, true, 0.06},
                                     {34, 68},
                                     {40, 52},
                                     {56, 38}});
  paintHair(p, mass, hair, {},
            {curve({30, 20}, {18, 44}, {16, 72}), curve({34, 30}, {24, 52}, {26, 80})});

  // The suit: teal with a dark diagonal panel piped in silver.
  const QPainterPath torso = torsoPath(h);
  fill(p, torso, suit);
  QPainterPath sash(QPointF(64, 88));
  sash.lineTo(104, 106);
  sash.lineTo(104, 124);
  sash.lineTo(58, 140);
  sash.lineTo(46, 140);
  sash.closeSubpath();
  fill(p, sash.intersected(torso), panel);
  stroke(p, curve({64, 88}, {84, 96}, {104, 106}), QPen(silver, 1.4));
  stroke(p, curve({46, 140}, {52, 112}, {64, 88}), QPen(silver, 1.4));
  shadeTorso(p, torso, suit.darker(150));
  // A crest on the shoulder.
  fillOutlined(p, outline({{10, 100}, {20, 98}, {20, 106}, {15, 112, true, 0.05}, {10, 106}}),
               silver, 0.9);
  stroke(p, torso, ink());

  paintNeck(p, f);

  // The fringe, parted at the back of the crown and swept forward across
  // the forehead into long points.
  const QPainterPath locks[] = {
      outline({{27, 18}, {38, 11}, {42, 30}, {40.5, 46}, {37, 63, true, 0.04}, {34, 46}, {29, 32}}),
      outline({{33, 10}, {47, 5}, {53, 20}, {54, 36}, {56, 50, true, 0.06}, {49, 37}, {41, 22}}),
      outline({{45, 5}, {60, 4}, {66, 18}, {67.5, 36}, {68.5, 55, true, 0.06}, {62, 39}, {55, 22}}),
      outline({{57, 4}, {71, 8}, {77, 24}, {76.5, 44}, {73.5, 66, true, 0.03}, {70, 45}, {65, 22}}),
  };
  const QPainterPath base = mass.intersected(
      above({{-10, 72}, {25, 72}, {27, 50}, {36, 40}, {50, 33}, {66, 31}, {80, 36}}));
  QPainterPath fringe = base;
  for (const QPainterPath& l : locks) fringe = fringe.united(l);
  paintFace(p, f, fringe);
  paintEar(p, f);
  paintEyes(p, f);
  paintNose(p, f);
  paintMouth(p, f, Mouth::kHalfSmile);
  paintLocks(p, base, {locks[0], locks[1], locks[2], locks[3]}, hair,
             {{{75, 26}, {62, 8}, {34, 14}}});

  // The high collar, white with teal piping.
  QPainterPath collar(QPointF(34, 78));
  collar.cubicTo(42, 83, 52, 86, 62, 84);
  collar.lineTo(64, 93);
  collar.cubicTo(54, 96, 42, 94, 32, 88);
  collar.closeSubpath();
  fillOutlined(p, collar,
               gradient({0, 78}, {0, 95}, {{0.0, pal::kWhite}, {1.0, QColor(0xc4, 0xd2, 0xdc)}}),
               kOutline);
  stroke(p, curve({33, 85}, {48, 92}, {63.5, 89.5}), QPen(suit, 1.3));
  paintBadge(
      p,
      [] {
        // A crescent wave.
        QPainterPath wave(QPointF(78, 22));
        wave.cubicTo(78, 12, 88, 6, 95, 11);
        wave.cubicTo(88, 10, 84, 16, 88, 20);
        wave.cubicTo(91, 22, 94, 20, 95, 18);
        wave.cubicTo(94, 25, 84, 28, 78, 22);
        wave.closeSubpath();
        return wave;
      }(),
      pal::kWhite);
}

// --- Brisko -------------------------------------------------------------------------------------

// The veteran: an orange team cap over greying hair, stubble and a scar on
// his cheek, lines at the eyes and a rueful smile, the orange suit with
// black shoulders.
void briskoBust(QPainter& p, double h) {
  const HairTone hair{QColor(0x6a, 0x56, 0x4a), QColor(0x3c, 0x2e, 0x28), QColor(0xa8, 0x98, 0x8c)};
  const QColor grey(0xbe, 0xba, 0xb6);
  const QColor suit(0xff, 0x86, 0x1e), black(0x26, 0x24, 0x2e);
  const QColor cap(0xff, 0x8c, 0x1e), bill(0x2a, 0x2c, 0x40);
  Face f;
  f.skin = QColor(0xe6, 0xb0, 0x88);
  f.shade = QColor(0xc4, 0x86, 0x66);
  f.iris = QColor(0x7a, 0x4a, 0x26);
  f.brow = QColor(0x4a, 0x3c, 0x34);
  f.browPoint = {70.5, 50};
  f.cheek = {70.5, 62};
  f.chin = {60, 82};
  f.jaw = {38, 74};
  f.eyeY = 57.5;
  f.eyeH = 7;
  f.lid = 0.28;
  f.browLift = 6.2;
  f.browTilt = -1.0;
  f.browWeight = 2.3;
  f.browArch = 0.9;

  // The suit: orange, black shoulders, white piping.
  const QPainterPath torso = torsoPath(h);
  fill(p, torso, suit);
  QPainterPath yoke(QPointF(-4, 106));
  yoke.cubicTo(4, 96, 16, 91, 30, 89);
  yoke.lineTo(40, 86);
  yoke.lineTo(36, 100);
  yoke.cubicTo(22, 102, 8, 108, -4, 118);
  yoke.closeSubpath();
  QPainterPath farYoke(QPointF(63, 88));
  farYoke.cubicTo(74, 92, 90, 96, 104, 108);
  farYoke.lineTo(104, 118);
  farYoke.cubicTo(90, 106, 78, 102, 66, 100);
  farYoke.closeSubpath();
  fill(p, yoke.intersected(torso), black);
  fill(p, farYoke.intersected(torso), black);
  stroke(p, curve({36, 100}, {16, 103}, {-4, 118}), QPen(pal::kWhite, 1.4));
  stroke(p, curve({104, 118}, {86, 103}, {66, 100}), QPen(pal::kWhite, 1.4));
  shadeTorso(p, torso, suit.darker(140));
  stroke(p, curve({62, 93}, {63, 112}, {65, 134}), QPen(suit.darker(160), 1.2));
  // A number patch on the chest.
  QPainterPath patch;
  patch.addRoundedRect(QRectF(74, 108, 16, 14), 3, 3);
  fillOutlined(p, patch, pal::kWhite, 0.9);
  stroke(
      p,
      [] {
        QPainterPath nine(QPointF(85, 112));
        nine.addEllipse(QPointF(82, 113.5), 3, 2.6);
        nine.moveTo(85, 113.5);
        nine.lineTo(84, 119.5);
        return nine;
      }(),
      QPen(black, 1.6, Qt::SolidLine, Qt::RoundCap));
  stroke(p, torso, ink());

  paintNeck(p, f);

  // Greying hair under the cap, cropped at the back.
  const QPainterPath back = outline({{30, 30}, {22, 40}, {24, 58}, {30, 66}, {40, 62}, {42, 38}});
  paintHair(p, back, hair, {}, {curve({26, 44}, {25, 52}, {28, 60})});

  paintFace(p, f, QPainterPath());
  // Stubble along the jaw and round the mouth.
  QPainterPath stubble(QPointF(40, 66));
  stubble.cubicTo(46, 70, 50, 72, 53, 72);
  stubble.cubicTo(56, 70, 62, 70, 66, 70);
  stubble.lineTo(70, 74);
  stubble.lineTo(66, 90);
  stubble.lineTo(34, 90);
  stubble.closeSubpath();
  const QPainterPath face = facePath(f);
  const QPainterPath beard = stubble.intersected(face);
  fill(p, beard, withAlpha(QColor(0x5a, 0x44, 0x3a), 70));
  {
    Dice dice(3);
    p.save();
    p.setClipPath(beard, Qt::IntersectClip);
    for (int i = 0; i < 120; ++i) {
      fill(p, ellipse(QPointF(dice.uniform(36, 72), dice.uniform(64, 88)), 0.35, 0.35),
           withAlpha(QColor(0x4a, 0x38, 0x30), 150));
    }
    p.restore();
  }
  stroke(p, face, ink());
  paintEar(p, f);
  // The hair over the ear, greying towards the temple, and a grey sideburn.
  const QPainterPath side = outline(
      {{20, 36}, {44, 36}, {44.5, 46}, {41.5, 60, true, 0.04}, {38, 48}, {30, 46}, {23, 50}});
  fill(p, side,
       gradient({22, 0}, {42, 0},
                {{0.0, hair.base}, {0.45, mix(hair.base, grey, 0.5)}, {1.0, grey}}));
  p.save();
  p.setClipPath(side, Qt::IntersectClip);
  for (double x : {30.0, 35.0, 39.5, 42.5}) {
    stroke(p, curve({x - 2, 36}, {x, 44}, {x - 0.5, 56}), QPen(withAlpha(pal::kWhite, 150), 0.7));
  }
  p.restore();
  stroke(p, side, ink());
  paintEyes(p, f);
  // Crow's feet at the outer corner of the near eye, and a line under it.
  for (double dy : {-1.5, 1.5}) {
    stroke(p, curve({39.5, 56.5 + dy}, {37.5, 56.5 + dy * 1.4}, {36.2, 56.5 + dy * 2}),
           QPen(f.shade.darker(130), 0.7, Qt::SolidLine, Qt::RoundCap));
  }
  stroke(p, curve({43, 62.5}, {47, 63.8}, {51, 62.5}),
         QPen(f.shade.darker(115), 0.7, Qt::SolidLine, Qt::RoundCap));
  paintNose(p, f);
  paintMouth(p, f, Mouth::kSoftSmile);
  // An old scar across the near cheek, stitched.
  stroke(p, curve({41, 61}, {44, 64}, {47.5, 68}),
         QPen(QColor(0xf6, 0xd4, 0xbc), 1.6, Qt::SolidLine, Qt::RoundCap));
  stroke(p, curve({41, 61}, {44, 64}, {47.5, 68}),
         QPen(QColor(0xa0, 0x5a, 0x4a), 0.6, Qt::SolidLine, Qt::RoundCap));
  for (double t : {0.3, 0.65}) {
    const QPointF c(41 + 6.5 * t, 61 + 7 * t);
    stroke(p, curve(c + QPointF(-1.3, 1.1), c, c + QPointF(1.3, -1.1)),
           QPen(QColor(0xa0, 0x5a, 0x4a), 0.6));
  }

  // The cap: an orange crown with a white logo, and a dark bill reaching
  // forward over his eyes.
  const QPainterPath crown = outline(
      {{22, 40}, {20, 22}, {34, 8}, {54, 5}, {70, 12}, {76, 26}, {76, 38}, {58, 37}, {40, 39}});
  const QPainterPath& capShape = crown;
  p.save();
  p.setClipPath(capShape, Qt::IntersectClip);
  fill(p, capShape,
       gradient({20, 0}, {78, 0}, {{0.0, cap.darker(135)}, {0.45, cap}, {1.0, cap.lighter(115)}}));
  stroke(p, curve({50, 6}, {44, 22}, {46, 38}), QPen(cap.darker(150), 0.9));
  stroke(p, curve({66, 10}, {66, 24}, {68, 37}), QPen(cap.darker(150), 0.9));
  fill(p, ellipse(QPointF(60, 22), 6.5, 6), pal::kWhite);
  fill(p, star(QPointF(60, 22), 4.2), cap);
  p.restore();
  stroke(p, capShape, ink());
  fillOutlined(p, ellipse(QPointF(50, 5.5), 2.6, 1.4), cap.darker(120), 1.0);
  // The bill curves down towards the viewer; we see its dark underside.
  QPainterPath brim(QPointF(44, 38));
  brim.cubicTo(56, 35, 76, 33, 90, 35);
  brim.cubicTo(93, 36, 92, 39.5, 89, 41);
  brim.cubicTo(80, 45.5, 62, 46, 50, 43);
  brim.cubicTo(47, 42, 45, 40.5, 44, 38);
  brim.closeSubpath();
  fill(p, face.intersected(brim.translated(-1, 4.5)), withAlpha(pal::kInk, 70));
  fillOutlined(p, brim,
               gradient({0, 34}, {0, 46},
                        {{0.0, bill.lighter(170)}, {0.35, bill.lighter(120)}, {1.0, bill}}),
               kOutline);
  stroke(p, curve({48, 41.5}, {70, 46}, {89, 39.5}),
         QPen(withAlpha(cap, 220), 1.0, Qt::SolidLine, Qt::RoundCap));
  paintBadge(
      p,
      [] {
        // A flame.
        QPainterPath flame(QPointF(86, 28));
        flame.cubicTo(79, 28, 77, 20, 82, 15);
        flame.cubicTo(82, 19, 84, 20, 85, 19);
        flame.cubicTo(84, 14, 87, 10, 90, 8);
        flame.cubicTo(89, 13, 94, 16, 93, 22);
        flame.cubicTo(92.5, 26, 90, 28, 86, 28);
        flame.closeSubpath();
        return flame;
      }(),
      QColor(0xff, 0xe0, 0x5a));
}

// --- Dorrin -------------------------------------------------------------------------------------

// Halvard's old rival: spiky red hair, heavy brows drawn down over gold eyes,
// a fierce smirk, and a black suit slashed with red.
void dorrinBust(QPainter& p, double h) {
  const HairTone hair{QColor(0xe0, 0x30, 0x34), QColor(0x8a, 0x10, 0x24), QColor(0xff, 0x9a, 0x70)};
  const QColor suit(0x1e, 0x1c, 0x26), red(0xe8, 0x26, 0x36);
  Face f;
  f.skin = QColor(0xf6, 0xcc, 0xaa);
  f.shade = QColor(0xd8, 0x98, 0x7e);
  f.iris = QColor(0xf0, 0xa8, 0x18);
  f.brow = QColor(0x8a, 0x12, 0x22);
  f.browPoint = {70, 50};
  f.cheek = {69.5, 60};
  f.chin = {59, 81.5};
  f.jaw = {39, 70};
  f.eyeY = 57.5;
  f.eyeH = 7.2;
  f.lid = 0.18;
  f.browLift = 5.4;
  f.browTilt = 2.4;
  f.browWeight = 2.8;
  f.browArch = 0.4;
  f.irisShift = 0.16;

  // Spikes swept back off the crown.
  const QPainterPath mass = outline({{72, 36},
                                     {85, 25, true, 0.04},
                                     {71, 19, true, -0.05},
                                     {79, 6, true, 0.04},
                                     {62, 12, true, -0.05},
                                     {50, 3, true, 0.04},
                                     {43, 12, true, -0.05},
                                     {24, 5, true, 0.04},
                                     {26, 18, true, -0.05},
                                     {4, 19, true, 0.04},
                                     {17, 31, true, -0.05},
                                     {2, 42, true, 0.04},
                                     {19, 46, true, -0.05},
                                     {9, 62, true, 0.04},
                                     {26, 58},
                                     {34, 66},
                                     {42, 48},
                                     {58, 38}});
  paintHair(p, mass, hair, {}, {curve({40, 40}, {24, 40}, {8, 44})});

  // The suit: black, a red slash across the chest and red shoulders.
  const QPainterPath torso = torsoPath(h);
  fill(p, torso, suit);
  QPainterPath slash(QPointF(104, 100));
  slash.lineTo(104, 112);
  slash.lineTo(30, 140);
  slash.lineTo(14, 140);
  slash.closeSubpath();
  QPainterPath slash2(QPointF(104, 116));
  slash2.lineTo(104, 121);
  slash2.lineTo(48, 140);
  slash2.lineTo(40, 140);
  slash2.closeSubpath();
  fill(p, slash.united(slash2).intersected(torso), red);
  QPainterPath shoulder(QPointF(-4, 106));
  shoulder.cubicTo(4, 96, 16, 91, 30, 89);
  shoulder.lineTo(26, 97);
  shoulder.cubicTo(14, 100, 4, 108, -4, 116);
  shoulder.closeSubpath();
  fill(p, shoulder.intersected(torso), red);
  shadeTorso(p, torso, suit.darker(170));
  stroke(p, curve({62, 93}, {63, 112}, {65, 134}), QPen(QColor(0x5a, 0x58, 0x6a), 1.2));
  stroke(p, torso, ink());

  paintNeck(p, f);
  // Spikes falling over the forehead, joined to the crown.
  const QPainterPath fringe =
      mass.intersected(
              above({{-10, 72}, {25, 72}, {27, 50}, {38, 44}, {50, 36}, {66, 34}, {80, 36}}))
          .united(outline({{38, 36},
                           {40, 46},
                           {37.5, 62, true, 0.05},
                           {44, 46},
                           {48.5, 51, true, 0.08},
                           {52, 41},
                           {60, 50, true, 0.08},
                           {62, 40},
                           {70.5, 47, true, 0.06},
                           {73, 36},
                           {60, 30},
                           {46, 30}}));
  paintFace(p, f, fringe);
  paintEar(p, f);
  paintEyes(p, f);
  // A crease between the brows.
  stroke(p, curve({56, 51}, {55, 53}, {55.5, 55}),
         QPen(f.shade.darker(130), 0.7, Qt::SolidLine, Qt::RoundCap));
  paintNose(p, f);
  paintMouth(p, f, Mouth::kSmirk);
  paintHair(p, fringe, hair, {{{74, 20}, {58, 10}, {30, 14}}},
            {curve({50, 30}, {48, 40}, {48.5, 48}), curve({58, 30}, {60, 40}, {60, 47}),
             curve({56, 24}, {40, 14}, {26, 8}), curve({46, 32}, {26, 26}, {10, 24})});

  // The collar, red, turned up.
  const QPainterPath collar = collarPath();
  fillOutlined(p, collar, red, kOutline);
  stroke(p, curve({34, 85}, {48, 92}, {63, 90}), QPen(suit, 1.0));
  paintBadge(
      p,
      [] {
        // A lightning bolt.
        QPainterPath bolt(QPointF(89, 5));
        bolt.lineTo(80, 18);
        bolt.lineTo(86, 18);
        bolt.lineTo(82, 29);
        bolt.lineTo(93, 14);
        bolt.lineTo(87, 14);
        bolt.lineTo(92, 5);
        bolt.closeSubpath();
        return bolt;
      }(),
      QColor(0xff, 0xd2, 0x3a));
}

}  // namespace

void paintPortraitHalvard(QPainter& p) {
  constexpr double h = 130;
  paintCard(p, h,
            {QColor(0xff, 0xd8, 0x5a), QColor(0xd8, 0x8c, 0x14), QColor(0xff, 0xf0, 0x9a),
             QColor(0xff, 0xf4, 0xc0)},
            false, [&] { halvardBust(p, h); });
}

void paintPortraitMirelle(QPainter& p) {
  constexpr double h = 130;
  paintCard(p, h,
            {QColor(0xc8, 0xb4, 0xff), QColor(0x74, 0x56, 0xd4), QColor(0xe6, 0xdc, 0xff),
             QColor(0xf0, 0xea, 0xff)},
            true, [&] { mirelleBust(p, h); });
}

void paintPortraitQuellan(QPainter& p) {
  constexpr double h = 125;
  paintCard(p, h,
            {QColor(0x6e, 0xe6, 0xd8), QColor(0x0e, 0x78, 0x7c), QColor(0xb4, 0xf6, 0xee),
             QColor(0xe0, 0xff, 0xfa)},
            true, [&] { quellanBust(p, h); });
}

void paintPortraitBrisko(QPainter& p) {
  constexpr double h = 131;
  paintCard(p, h,
            {QColor(0xff, 0x94, 0x30), QColor(0xc0, 0x46, 0x12), QColor(0xff, 0xc2, 0x50),
             QColor(0xff, 0xe0, 0x90)},
            false, [&] { briskoBust(p, h); });
}

void paintPortraitDorrin(QPainter& p) {
  constexpr double h = 130;
  paintCard(p, h,
            {QColor(0xa8, 0x1e, 0x36), QColor(0x30, 0x0c, 0x1a), QColor(0xd0, 0x3c, 0x52),
             QColor(0xff, 0x9a, 0x8a)},
            true, [&] { dorrinBust(p, h); });
}

}  // namespace art
