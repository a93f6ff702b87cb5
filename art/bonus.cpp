// Skyforge, the bonus shooter at the end of the story: the team's pilots take
// their jet-cars up into the sky fortress. The two ships hold the left edge
// and fire to the right; the fortress sends its floating blocks, their
// missiles, a homing drone and at last its flagship in from the right.
//
// Every craft is drawn side-on with a pointed nose towards where it is going
// and its engine glow trailing behind, so the direction of travel reads at a
// glance: the players' ships face right, everything of the fortress faces
// left. The players fly in the team's red and blue; the fortress is gunmetal
// and old stone lit by magenta cores.
//
// The background is the sky the fight happens in: deep dusk over a sea of
// cloud, the fortress's towers on the horizon and its dark keep on the
// right. The top band and the keep stay dark behind the game's white labels.

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <tuple>

#include "style.h"

namespace art {
namespace {

constexpr double kPi = std::numbers::pi;

// --- Shared pieces --------------------------------------------------------------------------

// The fortress's own colours: gunmetal, old stone and the magenta of its cores.
const QColor kGunmetal{0x4a, 0x4c, 0x63};
const QColor kGunmetalLight{0x8b, 0x8f, 0xa8};
const QColor kGunmetalDark{0x2a, 0x2a, 0x3b};
const QColor kStone{0x6d, 0x66, 0x82};
const QColor kStoneDark{0x3e, 0x38, 0x52};
const QColor kCore{0xff, 0x4f, 0xc4};
const QColor kCoreDeep{0xa0, 0x1c, 0x8c};
const QColor kBrass{0xe8, 0xb0, 0x44};

// Engine colours: the core of the flame, its body and its fading edge.
struct Flame {
  QColor core, hot, outer;
};
const Flame kRedFlame{{0xff, 0xf6, 0xd0}, pal::kSkyGold, pal::kSkyOrange};
const Flame kBlueFlame{{0xe8, 0xfb, 0xff}, {0x7f, 0xe0, 0xff}, pal::kCarBlue};
const Flame kFortressFlame{{0xff, 0xe4, 0xf4}, {0xff, 0x9a, 0xe0}, kCore};

// Paint lit from above: bright along the top, deep along the belly.
QLinearGradient paintwork(const QColor& c, double top, double bottom) {
  return gradient({0, top}, {0, bottom},
                  {{0.0, c.lighter(135)}, {0.3, c.lighter(110)}, {0.65, c}, {1.0, c.darker(165)}});
}

// A soft round light that fades to nothing at its rim.
void glow(QPainter& p, QPointF c, double rx, double ry, const QColor& colour, int alpha) {
  QRadialGradient g(c, rx);
  g.setColorAt(0, withAlpha(colour, alpha));
  g.setColorAt(0.5, withAlpha(colour, alpha / 3));
  g.setColorAt(1, withAlpha(colour, 0));
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  // The gradient is round; squash it with the painter for oval glows.
  p.translate(c);
  p.scale(1.0, ry / rx);
  p.translate(-c);
  p.drawEllipse(c, rx, rx);
  p.restore();
}

// A jet's flame from a nozzle at `mouth`, `radius` high, trailing `length`
// pixels towards `dir` (-1 to the left, +1 to the right). It is never fully
// opaque: the hull in front of it is always the solid part of a sprite.
void exhaust(QPainter& p, QPointF mouth, double radius, double length, double dir, const Flame& f) {
  glow(p, mouth + QPointF(dir * length * 0.3, 0), length * 0.7, radius * 1.8, f.outer, 90);
  auto tongue = [&](double r, double len, const QColor& root, const QColor& end, int alpha) {
    const QPointF t = mouth + QPointF(dir * len, 0);
    QPainterPath flame(mouth + QPointF(0, -r));
    flame.cubicTo(mouth + QPointF(dir * len * 0.4, -r * 1.05),
                  t + QPointF(-dir * len * 0.3, -r * 0.25), t);
    flame.cubicTo(t + QPointF(-dir * len * 0.3, r * 0.25),
                  mouth + QPointF(dir * len * 0.4, r * 1.05), mouth + QPointF(0, r));
    flame.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(gradient(mouth, t,
                        {{0.0, withAlpha(root, alpha)},
                         {0.55, withAlpha(end, alpha * 2 / 3)},
                         {1.0, withAlpha(end, 0)}}));
    p.drawPath(flame);
  };
  p.save();
  tongue(radius, length, f.hot, f.outer, 180);
  tongue(radius * 0.55, length * 0.6, f.core, f.hot, 190);
  p.restore();
}

// Race numbers are painted strokes, not type.
void paintDigit(QPainter& p, int digit, QPointF centre, double h, const QColor& colour) {
  const double w = h * 0.6;
  auto at = [&](double u, double v) {
    return QPointF(centre.x() + (u - 0.5) * w, centre.y() + (v - 0.5) * h);
  };
  QPainterPath stroke;
  if (digit == 2) {
    stroke.moveTo(at(0.02, 0.28));
    stroke.cubicTo(at(0.08, -0.04), at(0.98, -0.06), at(0.94, 0.3));
    stroke.cubicTo(at(0.9, 0.52), at(0.4, 0.72), at(0.02, 1.0));
    stroke.lineTo(at(1.02, 1.0));
  } else {
    stroke.moveTo(at(0.22, 0.2));
    stroke.lineTo(at(0.62, 0.0));
    stroke.lineTo(at(0.62, 1.0));
  }
  p.save();
  p.setPen(QPen(colour, h * 0.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(stroke);
  p.restore();
}

// A white roundel carrying the ship's number.
void roundel(QPainter& p, QPointF c, double r, int digit) {
  QPainterPath disc;
  disc.addEllipse(c, r, r);
  fillOutlined(p, disc, pal::kWhite, kOutline * 0.6);
  paintDigit(p, digit, c, r * 1.25, pal::kInk);
}

// A tyre seen side-on, its hub ringed in the teal of the lift coils that
// keep a jet-car up when its wheels fold into flight.
void flightWheel(QPainter& p, QPointF c, double r) {
  p.save();
  p.setPen(fineInk());
  p.setBrush(pal::kTyre);
  p.drawEllipse(c, r, r);
  p.setPen(QPen(QColor(255, 255, 255, 40), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, r * 0.82, r * 0.82);
  p.setPen(fineInk());
  p.setBrush(gradient(c - QPointF(0, r * 0.6), c + QPointF(0, r * 0.6),
                      {{0.0, pal::kConcrete.lighter(120)}, {1.0, pal::kAsphaltLight}}));
  p.drawEllipse(c, r * 0.6, r * 0.6);
  p.setPen(QPen(pal::kTeal, r * 0.16));
  p.setBrush(pal::kTealDark);
  p.drawEllipse(c, r * 0.3, r * 0.3);
  p.restore();
}

// A bubble canopy with the pilot's helmet inside.
void canopy(QPainter& p, const QPainterPath& bubble, QPointF helmet, const QColor& helmetColour) {
  const QRectF b = bubble.boundingRect();
  fillOutlined(p, bubble,
               gradient(b.topLeft(), b.bottomLeft(),
                        {{0.0, pal::kGlassSheen}, {0.5, pal::kGlass}, {1.0, pal::kGlass}}),
               0);
  p.save();
  p.setClipPath(bubble, Qt::IntersectClip);
  // The pilot: a helmet in the team colour with a dark visor facing forward.
  QPainterPath head;
  head.addEllipse(helmet, 4.2, 4.4);
  fillOutlined(p, head, paintwork(helmetColour, helmet.y() - 4.4, helmet.y() + 4.4),
               kOutline * 0.5);
  QPainterPath visor(helmet + QPointF(0.5, -2.2));
  visor.cubicTo(helmet + QPointF(3.5, -2.4), helmet + QPointF(4.6, 0), helmet + QPointF(3.8, 1.6));
  visor.lineTo(helmet + QPointF(0.8, 1.2));
  visor.closeSubpath();
  fillOutlined(p, visor, QColor(0x10, 0x12, 0x22), 0);
  // Glass over the pilot, and a glint across it.
  p.setPen(Qt::NoPen);
  p.setBrush(gradient(b.topLeft(), b.bottomLeft(),
                      {{0.0, withAlpha(pal::kGlassSheen, 150)},
                       {0.6, withAlpha(pal::kGlass, 70)},
                       {1.0, withAlpha(pal::kGlass, 40)}}));
  p.drawPath(bubble);
  QPainterPath glint(QPointF(b.left() + b.width() * 0.55, b.top() + 1.2));
  glint.lineTo(b.left() + b.width() * 0.75, b.top() + 1.8);
  glint.lineTo(b.left() + b.width() * 0.45, b.top() + b.height() * 0.6);
  glint.lineTo(b.left() + b.width() * 0.32, b.top() + b.height() * 0.6);
  glint.closeSubpath();
  p.setBrush(QColor(255, 255, 255, 130));
  p.drawPath(glint);
  p.restore();
  stroke(p, bubble, QPen(pal::kInk, kOutline * 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// Bright lines of rushing air streaming back from a craft.
void slipstream(QPainter& p, std::initializer_list<QLineF> lines, double width) {
  for (const QLineF& l : lines) drawStreak(p, l.p1(), l.p2(), width, withAlpha(pal::kWhite, 110));
}

// The ships are drawn a tenth smaller than their frames, about a point on
// the nose, which leaves room behind them for the flame.
void shrinkTowardsNose(QPainter& p, QPointF nose) {
  p.translate(nose);
  p.scale(0.9, 0.9);
  p.translate(-nose);
}

}  // namespace

// --- The players' ships ---------------------------------------------------------------------

// Ship one: the red jet-car of the team's first pilot. A long low body with
// twin white stripes, one tall swept fin carrying the car's rear wing on
// top, one engine, and lift coils glowing in its wheel hubs.
void paintBonusShipOne(QPainter& p) {
  const QColor red = pal::kCarRed;
  p.save();
  shrinkTowardsNose(p, QPointF(81, 40));
  slipstream(p, {QLineF(24, 20, -6, 20), QLineF(30, 67, 0, 67)}, 1.6);
  exhaust(p, QPointF(6, 42), 4.6, 14, -1, kRedFlame);

  // The far wing, behind everything, in shadow.
  const QPainterPath farWing = polygon({{28, 34}, {50, 34}, {31, 21}, {24, 21}});
  fillOutlined(p, farWing, red.darker(160));

  // The fin, with the rear wing on top of it.
  QPainterPath fin(QPointF(10, 37));
  fin.lineTo(31, 34);
  fin.cubicTo(24, 30, 19, 22, 17, 12);
  fin.lineTo(10, 12);
  fin.cubicTo(10, 20, 9.5, 28, 10, 37);
  fin.closeSubpath();
  fillOutlined(p, fin, gradient({10, 0}, {31, 0}, {{0.0, red.darker(130)}, {1.0, red}}));
  p.save();
  p.setClipPath(fin, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  p.setBrush(pal::kWhite);
  p.drawPath(polygon({{14, 31}, {26, 31}, {16, 18}, {12, 18}}));
  p.restore();
  stroke(p, fin);
  QPainterPath rearWing;
  rearWing.addRoundedRect(QRectF(4.5, 8.5, 17, 4.5), 2, 2);
  fillOutlined(p, rearWing,
               gradient({0, 8.5}, {0, 13}, {{0.0, pal::kWhite}, {1.0, pal::kConcrete}}));

  // The body, with arches cut for the folded wheels.
  QPainterPath shell(QPointF(80, 45.5));
  shell.cubicTo(78, 42.5, 75, 41, 70, 40);
  shell.cubicTo(65, 39, 61, 37.8, 57, 36.2);
  shell.cubicTo(50, 33.5, 40, 32.5, 30, 32.5);
  shell.cubicTo(22, 32.5, 15, 33, 9.5, 35);
  shell.lineTo(9, 48.5);
  shell.cubicTo(12, 51.5, 16, 52.5, 24, 52.5);
  shell.lineTo(60, 52);
  shell.cubicTo(68, 51.5, 74, 50, 77, 48.2);
  shell.cubicTo(79, 47.2, 80.5, 46.6, 80, 45.5);
  shell.closeSubpath();
  const QPointF rearHub(22, 52), frontHub(66, 51.5);
  QPainterPath arches;
  arches.addEllipse(rearHub, 8.2, 8.2);
  arches.addEllipse(frontHub, 7.8, 7.8);
  fillOutlined(p, shell, QColor(0x16, 0x12, 0x22), 0);
  flightWheel(p, rearHub, 6.5);
  flightWheel(p, frontHub, 6.2);
  const QPainterPath body = shell.subtracted(arches);
  fillOutlined(p, body, paintwork(red, 32.5, 52.5), 0);
  p.save();
  p.setClipPath(body, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  // Twin white stripes nose to tail, as on the team's race car.
  p.setBrush(pal::kWhite);
  p.drawRect(QRectF(0, 40.2, 81, 2.1));
  p.drawRect(QRectF(0, 43.5, 81, 2.1));
  // A side intake ahead of the tail and the shine along the bonnet.
  p.setBrush(QColor(0x1a, 0x14, 0x24));
  p.drawPath(polygon({{21, 36.5}, {30, 36.2}, {29, 38.8}, {22.5, 39}}));
  p.restore();
  p.setPen(QPen(QColor(255, 255, 255, 150), 1.3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath shine(QPointF(72, 41.4));
  shine.cubicTo(67, 40.2, 63, 39.4, 59, 37.8);
  p.drawPath(shine);
  stroke(p, body);
  // A nozzle at the tail and a headlight at the nose.
  QPainterPath nozzle;
  nozzle.addRoundedRect(QRectF(5.5, 37.2, 5, 9.6), 1.5, 1.5);
  fillOutlined(p, nozzle, gradient({0, 37}, {0, 47}, {{0.0, pal::kConcrete}, {1.0, kGunmetal}}),
               kOutline * 0.7);
  QPainterPath lamp(QPointF(77.5, 44.2));
  lamp.lineTo(73, 42.6);
  lamp.lineTo(72.5, 44.3);
  lamp.closeSubpath();
  fillOutlined(p, lamp, pal::kHeadlight, kOutline * 0.5);

  const QPainterPath bubble = [] {
    QPainterPath b(QPointF(59, 36.9));
    b.cubicTo(55, 28, 49.5, 24.8, 44.5, 25.2);
    b.cubicTo(39, 25.6, 36, 29, 35, 33.2);
    b.cubicTo(42, 32.6, 51, 33.4, 59, 36.9);
    b.closeSubpath();
    return b;
  }();
  canopy(p, bubble, QPointF(45.5, 31.5), pal::kWhite);
  roundel(p, QPointF(40, 44.8), 4.6, 1);

  // The near wing, swept back under the body, with a white leading edge.
  const QPainterPath wing = polygon({{56, 50.5}, {37, 51}, {28, 66}, {35.5, 66}});
  fillOutlined(p, wing,
               gradient({0, 50}, {0, 66}, {{0.0, red.lighter(112)}, {1.0, red.darker(125)}}), 0);
  p.setPen(QPen(pal::kWhite, 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(54.5, 51.4), QPointF(36.2, 64.8));
  stroke(p, wing);
  p.restore();
}

// Ship two: the second pilot's blue interceptor. A needle nose with canard
// vanes, twin fins with yellow tips, two engines, and a single broad white
// stripe sweeping along the flank.
void paintBonusShipTwo(QPainter& p) {
  const QColor blue = pal::kCarBlue;
  const QColor trim = pal::kCarYellow;
  p.save();
  shrinkTowardsNose(p, QPointF(84, 42));
  slipstream(p, {QLineF(26, 22, -4, 22), QLineF(34, 73, 4, 73)}, 1.6);
  exhaust(p, QPointF(7.5, 40.5), 3.6, 13.5, -1, kBlueFlame);
  exhaust(p, QPointF(7.5, 49.5), 3.6, 13.5, -1, kBlueFlame);

  // The far fin, set a little forward of the near one.
  QPainterPath farFin(QPointF(20, 36));
  farFin.lineTo(38, 35);
  farFin.cubicTo(32, 30, 27, 22, 25, 14);
  farFin.lineTo(19, 14);
  farFin.closeSubpath();
  fillOutlined(p, farFin, blue.darker(165));

  QPainterPath shell(QPointF(83.5, 47));
  shell.cubicTo(80, 44.8, 76, 43, 70, 42);
  shell.cubicTo(66, 41.3, 63, 40.2, 61, 38.6);
  shell.cubicTo(52, 35, 38, 34.2, 26, 34.5);
  shell.cubicTo(20, 34.7, 15, 35.4, 11.5, 36.5);
  shell.lineTo(11, 54);
  shell.cubicTo(14, 56.5, 19, 57.5, 26, 57.5);
  shell.lineTo(62, 57);
  shell.cubicTo(70, 56.5, 77, 52, 80, 49.8);
  shell.cubicTo(82, 48.6, 84, 47.8, 83.5, 47);
  shell.closeSubpath();
  const QPointF rearHub(26, 57), frontHub(67, 56);
  QPainterPath arches;
  arches.addEllipse(rearHub, 8.6, 8.6);
  arches.addEllipse(frontHub, 7.8, 7.8);
  fillOutlined(p, shell, QColor(0x10, 0x14, 0x26), 0);
  flightWheel(p, rearHub, 7);
  flightWheel(p, frontHub, 6.2);
  const QPainterPath body = shell.subtracted(arches);
  fillOutlined(p, body, paintwork(blue, 34.5, 57.5), 0);
  p.save();
  p.setClipPath(body, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  // One broad stripe, rising over the nose, with a yellow pinstripe under it.
  QPainterPath stripe(QPointF(86, 45.2));
  stripe.cubicTo(70, 43.6, 40, 43.2, 8, 44);
  stripe.lineTo(8, 48.6);
  stripe.cubicTo(40, 48, 70, 48, 86, 47.8);
  stripe.closeSubpath();
  p.setBrush(pal::kWhite);
  p.drawPath(stripe);
  p.setBrush(trim);
  p.drawPath(stripe.translated(0, 5.2).intersected(stripe.translated(0, 3.8)));
  // Louvres over the engines.
  p.setPen(QPen(blue.darker(170), 1.1, Qt::SolidLine, Qt::RoundCap));
  for (double x = 16; x < 26; x += 3) p.drawLine(QPointF(x, 37.5), QPointF(x + 1.6, 41));
  p.restore();
  p.setPen(QPen(QColor(255, 255, 255, 150), 1.3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath shine(QPointF(76, 43.4));
  shine.cubicTo(71, 42.2, 66, 41.4, 62.5, 39.8);
  p.drawPath(shine);
  stroke(p, body);
  for (double y : {36.8, 45.8}) {
    QPainterPath nozzle;
    nozzle.addRoundedRect(QRectF(6.8, y, 5, 7.4), 1.5, 1.5);
    fillOutlined(p, nozzle,
                 gradient({0, y}, {0, y + 7.4}, {{0.0, pal::kConcrete}, {1.0, kGunmetal}}),
                 kOutline * 0.7);
  }

  // The near fin, tipped in yellow.
  QPainterPath fin(QPointF(12, 36.5));
  fin.lineTo(31, 35.2);
  fin.cubicTo(24, 30, 18, 20, 16, 10);
  fin.lineTo(9, 10);
  fin.cubicTo(10, 18, 11, 28, 12, 36.5);
  fin.closeSubpath();
  fillOutlined(p, fin,
               gradient({9, 0}, {31, 0}, {{0.0, blue.darker(125)}, {1.0, blue.lighter(110)}}), 0);
  p.save();
  p.setClipPath(fin, Qt::IntersectClip);
  p.fillRect(QRectF(0, 8, 30, 7), trim);
  p.restore();
  stroke(p, fin);

  // Canard vanes near the nose.
  const QPainterPath canard = polygon({{75, 43}, {67, 41.6}, {63.5, 35.5}, {67, 35.5}});
  fillOutlined(p, canard, gradient({0, 35}, {0, 43}, {{0.0, pal::kWhite}, {1.0, pal::kConcrete}}),
               kOutline * 0.8);

  const QPainterPath bubble = [] {
    QPainterPath b(QPointF(61.5, 38.9));
    b.cubicTo(58, 31, 52, 26.5, 46, 26.6);
    b.cubicTo(40, 26.8, 37, 30.5, 36, 35);
    b.cubicTo(44, 34.4, 53, 35.4, 61.5, 38.9);
    b.closeSubpath();
    return b;
  }();
  canopy(p, bubble, QPointF(47, 33), trim);
  roundel(p, QPointF(44, 46.2), 5, 2);

  // The near wing: a broad delta under the body, yellow at its tip.
  const QPainterPath wing = polygon({{60, 55.5}, {36, 56.5}, {28, 72}, {37, 72}});
  fillOutlined(p, wing,
               gradient({0, 55}, {0, 72}, {{0.0, blue.lighter(112)}, {1.0, blue.darker(130)}}), 0);
  p.save();
  p.setClipPath(wing, Qt::IntersectClip);
  p.fillRect(QRectF(20, 68.5, 30, 5), trim);
  p.restore();
  stroke(p, wing);
  p.restore();
}

// The ships' shots: ship one fires a round fireball trailing sparks, ship two
// a cold blue lance wrapped in rings. Both fly to the right, head first.
void paintBonusShotOne(QPainter& p) {
  const QPointF head(55, 19);
  glow(p, head, 16, 13, pal::kSkyOrange, 150);
  drawStreak(p, QPointF(50, 19), QPointF(3, 19), 13, withAlpha(pal::kKerbRed, 170));
  drawStreak(p, QPointF(50, 19), QPointF(12, 19), 7, withAlpha(pal::kSkyOrange, 210));
  drawStreak(p, QPointF(50, 19), QPointF(24, 19), 3.2, withAlpha(pal::kSunCore, 230));
  drawStreak(p, QPointF(46, 12.5), QPointF(18, 10), 1.6, withAlpha(pal::kSkyGold, 200));
  drawStreak(p, QPointF(46, 25.5), QPointF(20, 28), 1.6, withAlpha(pal::kSkyGold, 200));
  // Sparks thrown off the trail.
  p.setPen(Qt::NoPen);
  p.setBrush(withAlpha(pal::kSkyGold, 220));
  for (const QPointF c : {QPointF(30, 9), QPointF(22, 27.5), QPointF(38, 30.5), QPointF(13, 13)}) {
    p.drawPath(polygon(
        {c + QPointF(0, -1.8), c + QPointF(1.1, 0), c + QPointF(0, 1.8), c + QPointF(-1.1, 0)}));
  }
  // The fireball: a hot core with a ragged red rim.
  QPainterPath ball;
  for (int i = 0; i < 16; ++i) {
    const double a = 2 * kPi * i / 16;
    const double r = (i % 2 ? 8.0 : 9.6) * (std::cos(a) < 0 ? 1.0 : 0.92);
    const QPointF q = head + QPointF(std::cos(a) * r * 1.15, std::sin(a) * r * 0.85);
    if (i == 0) {
      ball.moveTo(q);
    } else {
      ball.lineTo(q);
    }
  }
  ball.closeSubpath();
  QRadialGradient fire(head + QPointF(2.5, -1), 11);
  fire.setColorAt(0.0, QColor(255, 255, 255));
  fire.setColorAt(0.3, pal::kSunCore);
  fire.setColorAt(0.6, pal::kSkyGold);
  fire.setColorAt(0.85, pal::kSkyOrange);
  fire.setColorAt(1.0, pal::kKerbRed);
  fillOutlined(p, ball, fire, 1.2, pal::kKerbRed.darker(160));
}

void paintBonusShotTwo(QPainter& p) {
  const QColor ice(0x7f, 0xe0, 0xff);
  const QColor deep(0x1f, 0x5c, 0xe8);
  glow(p, QPointF(54, 19), 17, 11, ice, 140);
  drawStreak(p, QPointF(46, 19), QPointF(2, 19), 11, withAlpha(deep, 170));
  drawStreak(p, QPointF(46, 19), QPointF(14, 19), 5, withAlpha(ice, 220));
  // Rings of light the lance leaves behind it.
  p.setBrush(Qt::NoBrush);
  for (const auto& [x, r, a] : {std::tuple{34.0, 8.0, 220}, {22.0, 6.5, 150}, {11.0, 5.0, 90}}) {
    p.setPen(QPen(withAlpha(ice, a), 1.6));
    p.drawEllipse(QPointF(x, 19), r * 0.35, r);
  }
  // The lance head: a long diamond, white hot down its spine.
  const QPainterPath lance = polygon({{69, 19}, {54, 12.5}, {38, 19}, {54, 25.5}});
  fillOutlined(
      p, lance,
      gradient({0, 12.5}, {0, 25.5},
               {{0.0, deep}, {0.3, ice}, {0.5, QColor(255, 255, 255)}, {0.7, ice}, {1.0, deep}}),
      1.2, deep.darker(170));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 230));
  p.drawPath(polygon({{66, 19}, {54, 17.2}, {44, 19}, {54, 20.8}}));
}

// --- The fortress ---------------------------------------------------------------------------

// A wall: a block of the fortress broken off and floating on its own, an
// armoured bunker on a crag of rock. Its core burns magenta in the middle
// and a gun pokes out of its left side, towards the players.
void paintBonusWall(QPainter& p) {
  glow(p, QPointF(48, 102), 18, 10, kCore, 130);

  // The crag, hanging under the bunker.
  const QPainterPath rock = polygon({{7, 64},
                                     {89, 64},
                                     {88, 72},
                                     {82, 79},
                                     {76, 84},
                                     {72, 93},
                                     {62, 97},
                                     {56, 105},
                                     {49, 111},
                                     {44, 102},
                                     {34, 98},
                                     {28, 90},
                                     {20, 85},
                                     {12, 76},
                                     {8, 70}});
  fillOutlined(p, rock,
               gradient({0, 64}, {0, 111},
                        {{0.0, kStone}, {0.5, kStoneDark}, {1.0, kStoneDark.darker(140)}}),
               0);
  p.save();
  p.setClipPath(rock, Qt::IntersectClip);
  // Facets of the broken rock, lit from the core above.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 30));
  p.drawPath(polygon({{7, 64}, {40, 64}, {30, 80}, {20, 85}, {12, 76}}));
  p.setBrush(QColor(0, 0, 0, 50));
  p.drawPath(polygon({{60, 64}, {89, 64}, {76, 84}, {72, 93}, {62, 97}, {58, 82}}));
  p.setPen(QPen(withAlpha(pal::kInk, 150), 1.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(30, 80), QPointF(44, 102));
  p.drawLine(QPointF(58, 82), QPointF(62, 97));
  p.drawLine(QPointF(40, 64), QPointF(30, 80));
  p.drawLine(QPointF(58, 82), QPointF(48, 70));
  p.restore();
  stroke(p, rock);
  // Crystals of the fortress's power growing out of the rock.
  for (const QPolygonF& c :
       {QPolygonF({{26, 88}, {31, 91}, {24, 99}}), QPolygonF({{60, 96}, {66, 93}, {63, 104}})}) {
    QPainterPath crystal;
    crystal.addPolygon(c);
    crystal.closeSubpath();
    fillOutlined(p, crystal,
                 gradient(c.boundingRect().topLeft(), c.boundingRect().bottomLeft(),
                          {{0.0, QColor(0xff, 0xc8, 0xf0)}, {1.0, kCore}}),
                 kOutline * 0.7);
  }

  // The bunker, crenellated along its top.
  QPainterPath bunker;
  bunker.addRect(QRectF(10, 26, 76, 40));
  for (double x : {10.0, 26.5, 43.0, 59.5, 76.0}) bunker.addRect(QRectF(x, 17, 10, 10));
  bunker = bunker.simplified();
  fillOutlined(
      p, bunker,
      gradient({0, 17}, {0, 66}, {{0.0, kStone.lighter(125)}, {0.6, kStone}, {1.0, kStoneDark}}),
      0);
  p.save();
  p.setClipPath(bunker, Qt::IntersectClip);
  // Courses of dressed stone.
  p.setPen(QPen(withAlpha(pal::kInk, 110), 0.9));
  for (int row = 0; row < 4; ++row) {
    const double y = 26 + row * 8;
    p.drawLine(QPointF(10, y), QPointF(86, y));
    for (double x = 14 + (row % 2) * 7; x < 86; x += 14)
      p.drawLine(QPointF(x, y), QPointF(x, y + 8));
  }
  // Armoured corner plates, riveted on.
  p.setPen(fineInk());
  for (double x : {10.0, 77.0}) {
    p.setBrush(gradient({x, 0}, {x + 9, 0}, {{0.0, kGunmetalLight}, {1.0, kGunmetal}}));
    p.drawRect(QRectF(x, 17, 9, 41));
    p.setPen(Qt::NoPen);
    p.setBrush(kGunmetalDark);
    for (double y = 22; y < 56; y += 7) p.drawEllipse(QPointF(x + 4.5, y), 1.0, 1.0);
    p.setPen(fineInk());
  }
  // A band of hazard chevrons along the foot.
  p.setPen(Qt::NoPen);
  p.setBrush(kBrass);
  p.drawRect(QRectF(10, 58, 76, 8));
  p.setBrush(pal::kInk);
  for (double x = 4; x < 92; x += 8)
    p.drawPath(polygon({{x, 66}, {x + 4, 58}, {x + 8, 58}, {x + 4, 66}}));
  p.restore();
  stroke(p, bunker);
  p.setPen(inkPen());
  p.drawLine(QPointF(10, 58), QPointF(86, 58));

  // The core: a round port in a heavy ring, burning from white to magenta.
  const QPointF core(48, 41);
  QPainterPath ring;
  ring.addEllipse(core, 13, 13);
  fillOutlined(p, ring,
               gradient(core - QPointF(0, 13), core + QPointF(0, 13),
                        {{0.0, kGunmetalLight}, {1.0, kGunmetalDark}}));
  QRadialGradient fire(core - QPointF(1.5, 1.5), 9.5);
  fire.setColorAt(0.0, QColor(255, 255, 255));
  fire.setColorAt(0.3, QColor(0xff, 0xc8, 0xf0));
  fire.setColorAt(0.7, kCore);
  fire.setColorAt(1.0, kCoreDeep);
  QPainterPath port;
  port.addEllipse(core, 9, 9);
  fillOutlined(p, port, fire, kOutline * 0.7);
  // Four bolts on the ring.
  p.setPen(Qt::NoPen);
  p.setBrush(pal::kConcrete);
  for (int i = 0; i < 4; ++i) {
    const double a = kPi / 4 + i * kPi / 2;
    p.drawEllipse(core + QPointF(std::cos(a), std::sin(a)) * 11, 1.1, 1.1);
  }

  // The gun in its housing on the left wall.
  QPainterPath housing;
  housing.addEllipse(QPointF(11, 47), 6, 6);
  fillOutlined(p, housing,
               gradient({0, 41}, {0, 53}, {{0.0, kGunmetalLight}, {1.0, kGunmetalDark}}));
  QPainterPath barrel;
  barrel.addRoundedRect(QRectF(1, 44.5, 11, 5), 1.2, 1.2);
  fillOutlined(p, barrel, gradient({0, 44.5}, {0, 49.5}, {{0.0, kGunmetalLight}, {1.0, kGunmetal}}),
               kOutline * 0.8);
  QPainterPath muzzle;
  muzzle.addRoundedRect(QRectF(1, 43.5, 3.5, 7), 1, 1);
  fillOutlined(p, muzzle, kGunmetalDark, kOutline * 0.7);

  // A beacon mast on the right-hand merlon.
  p.setPen(QPen(pal::kInk, 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(81, 17), QPointF(81, 7));
  glow(p, QPointF(81, 6), 5, 5, pal::kTailLight, 170);
  QPainterPath beacon;
  beacon.addEllipse(QPointF(81, 6), 2, 2);
  fillOutlined(p, beacon, pal::kTailLight.lighter(120), kOutline * 0.6);
}

// A wall's missile: a slim dart with a red warhead, tail fins and a magenta
// flame, flying left.
void paintBonusWallMissile(QPainter& p) {
  exhaust(p, QPointF(30.5, 14), 3.2, 12, 1, kFortressFlame);
  // Fins, the far pair in shadow behind the body.
  const QPainterPath farFins = polygon({{22, 13}, {27, 5.5}, {31, 5.5}, {30, 13}});
  fillOutlined(p, farFins, kGunmetalDark, kOutline * 0.8);
  QPainterPath body(QPointF(1.5, 14));
  body.cubicTo(3, 11, 6, 10, 10, 10);
  body.lineTo(30, 10);
  body.lineTo(31, 11);
  body.lineTo(31, 17);
  body.lineTo(30, 18);
  body.lineTo(10, 18);
  body.cubicTo(6, 18, 3, 17, 1.5, 14);
  body.closeSubpath();
  fillOutlined(p, body, paintwork(kGunmetal, 10, 18), 0);
  p.save();
  p.setClipPath(body, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  // A red warhead, a brass band and a glint along the top.
  p.setBrush(paintwork(pal::kTailLight, 10, 18));
  p.drawRect(QRectF(0, 0, 10, 28));
  p.setBrush(kBrass);
  p.drawRect(QRectF(13.5, 0, 2.2, 28));
  p.setBrush(QColor(255, 255, 255, 120));
  p.drawRect(QRectF(0, 11, 31, 1.2));
  p.restore();
  stroke(p, body, QPen(pal::kInk, kOutline * 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  const QPainterPath fin = polygon({{21, 15}, {27, 23.5}, {32, 23.5}, {30, 15}});
  fillOutlined(p, fin, paintwork(kGunmetalLight, 15, 24), kOutline * 0.8);
}

// The homing drone: a fat missile with a red seeker eye in its nose, four
// swept fins and a hot engine. Its whole shape keeps to the top-left 49 x 49
// pixels of its picture, which is all the game's frame shows of it.
void paintBonusAimedMissile(QPainter& p) {
  const double cy = 24;
  exhaust(p, QPointF(37, cy), 4.6, 10.5, 1, kFortressFlame);
  const QPainterPath farFins = polygon({{24, cy - 5}, {31, cy - 17}, {37, cy - 17}, {35, cy - 5}});
  fillOutlined(p, farFins, kGunmetalDark);

  QPainterPath body(QPointF(2, cy));
  body.cubicTo(2.5, cy - 5.5, 6, cy - 8, 11, cy - 8);
  body.lineTo(33, cy - 7);
  body.cubicTo(35.5, cy - 7, 37.5, cy - 5, 37.5, cy - 3);
  body.lineTo(37.5, cy + 3);
  body.cubicTo(37.5, cy + 5, 35.5, cy + 7, 33, cy + 7);
  body.lineTo(11, cy + 8);
  body.cubicTo(6, cy + 8, 2.5, cy + 5.5, 2, cy);
  body.closeSubpath();
  fillOutlined(p, body, paintwork(kGunmetal, cy - 8, cy + 8), 0);
  p.save();
  p.setClipPath(body, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  // Crimson bands and a pale seam along the top.
  p.setBrush(paintwork(pal::kTailLight.darker(115), cy - 8, cy + 8));
  p.drawRect(QRectF(15, 0, 3, 49));
  p.drawRect(QRectF(20, 0, 1.6, 49));
  p.setBrush(QColor(255, 255, 255, 110));
  p.drawRect(QRectF(8, cy - 6.2, 27, 1.3));
  p.restore();
  stroke(p, body);

  // The seeker: a glass eye glowing red, looking ahead.
  QPainterPath eye;
  eye.addEllipse(QPointF(8, cy), 4.2, 4.2);
  QRadialGradient seeker(QPointF(7, cy - 1), 4.5);
  seeker.setColorAt(0.0, QColor(255, 255, 255));
  seeker.setColorAt(0.35, QColor(0xff, 0x9a, 0x9a));
  seeker.setColorAt(0.75, pal::kTailLight);
  seeker.setColorAt(1.0, pal::kTailLight.darker(170));
  fillOutlined(p, eye, seeker, kOutline * 0.7);

  const QPainterPath fin = polygon({{23, cy + 5}, {30, cy + 18}, {37, cy + 18}, {35, cy + 5}});
  fillOutlined(p, fin, paintwork(kGunmetalLight, cy + 5, cy + 18));
  const QPainterPath sideFin = polygon({{26, cy - 1}, {34, cy - 2}, {38, cy + 4}, {31, cy + 3}});
  fillOutlined(p, sideFin, paintwork(pal::kTailLight, cy - 2, cy + 4), kOutline * 0.8);
}

// The flagship: an armoured dreadnought with a ram prow and a glaring eye,
// a bridge tower on its back, the fortress's great core amidships and
// two engines at the stern. It faces left, at the players, and keeps to the
// top-left 113 x 89 pixels its frame shows.
void paintBonusBoss(QPainter& p) {
  for (double y : {33.0, 56.0}) exhaust(p, QPointF(99.5, y), 5.2, 12.5, 1, kFortressFlame);

  // The keel fin under the hull and the far dorsal fin, in shadow.
  const QPainterPath keel = polygon({{48, 64}, {78, 66}, {84, 84}, {74, 84}});
  fillOutlined(p, keel, kGunmetalDark);
  const QPainterPath farFin = polygon({{76, 24}, {92, 22}, {95, 6}, {89, 6}});
  fillOutlined(p, farFin, kGunmetalDark);

  // Horns along the back, swept towards the stern.
  for (const auto& [x, h] : {std::pair{24.0, 12.0}, {36.0, 14.0}}) {
    const QPainterPath horn = polygon({{x - 2, 36 - (x - 24) * 0.5},
                                       {x + 9, 29 - (x - 24) * 0.35},
                                       {x + 6, 30 - (x - 24) * 0.5 - h}});
    fillOutlined(p, horn, paintwork(kGunmetalLight, 14, 34));
  }

  // The bridge tower.
  QPainterPath bridge(QPointF(48, 27));
  bridge.lineTo(56, 12);
  bridge.lineTo(77, 10);
  bridge.lineTo(83, 25);
  bridge.closeSubpath();
  fillOutlined(p, bridge, paintwork(kGunmetalLight, 10, 27));
  p.setPen(QPen(pal::kInk, 1.1));
  p.drawLine(QPointF(68, 10.5), QPointF(68, 3));
  p.setPen(Qt::NoPen);
  p.setBrush(pal::kTailLight);
  p.drawEllipse(QPointF(68, 3), 1.6, 1.6);
  QPainterPath windows;
  for (int i = 0; i < 5; ++i) windows.addRect(QRectF(56.5 + i * 4.4, 15, 2.6, 3.4));
  fillOutlined(p, windows, kBrass.lighter(125), kOutline * 0.4);

  // The hull: a wedge from the ram prow back to the engine block.
  QPainterPath hull(QPointF(2.5, 48));
  hull.lineTo(20, 35);
  hull.cubicTo(32, 28, 40, 25.5, 52, 25);
  hull.lineTo(86, 21.5);
  hull.lineTo(86, 69);
  hull.lineTo(52, 68);
  hull.cubicTo(40, 67, 30, 64, 20, 59);
  hull.closeSubpath();
  fillOutlined(p, hull, paintwork(kGunmetal, 22, 69), 0);
  p.save();
  p.setClipPath(hull, Qt::IntersectClip);
  // Armour plates, a crimson band behind the prow and brass along the top.
  p.setPen(QPen(withAlpha(pal::kInk, 140), 0.9));
  for (double x : {30.0, 44.0, 74.0}) p.drawLine(QPointF(x, 20), QPointF(x - 3, 70));
  p.drawLine(QPointF(2, 50), QPointF(86, 50));
  p.setPen(Qt::NoPen);
  p.setBrush(paintwork(pal::kTailLight.darker(120), 30, 66));
  p.drawPath(polygon({{0, 48}, {22, 33}, {27, 33}, {27, 66}, {22, 66}}));
  p.setBrush(kBrass);
  p.drawPath(
      polygon({{2.5, 48}, {20, 35}, {52, 25}, {86, 21.5}, {86, 24}, {52, 27.6}, {21, 37.6}}));
  // Rivets along the plate seams.
  p.setBrush(withAlpha(pal::kInk, 150));
  for (double y = 32; y < 66; y += 6) {
    for (double x : {33.0, 47.0, 77.0}) p.drawEllipse(QPointF(x - (y - 20) * 0.06, y), 0.8, 0.8);
  }
  p.restore();
  stroke(p, hull);

  // The eye on the prow under a heavy brow, glaring at the players.
  QPainterPath eye(QPointF(9, 47));
  eye.cubicTo(13, 43.2, 19, 42.5, 23, 43.5);
  eye.lineTo(22, 48);
  eye.cubicTo(18, 49, 13, 48.8, 9, 47);
  eye.closeSubpath();
  fillOutlined(
      p, eye,
      gradient(
          {9, 0}, {23, 0},
          {{0.0, QColor(255, 255, 255)}, {0.4, QColor(0xff, 0x9a, 0x9a)}, {1.0, pal::kTailLight}}),
      kOutline * 0.7);
  const QPainterPath brow = polygon({{6.5, 44.5}, {14, 39.5}, {25, 39}, {24.5, 42}, {14, 42.5}});
  fillOutlined(p, brow, kGunmetalDark, kOutline * 0.7);

  // Twin guns under the prow.
  for (double y : {57.0, 62.5}) {
    QPainterPath gun;
    gun.addRoundedRect(QRectF(14, y - 2, 20, 4), 1.2, 1.2);
    fillOutlined(p, gun,
                 gradient({0, y - 2}, {0, y + 2}, {{0.0, kGunmetalLight}, {1.0, kGunmetalDark}}),
                 kOutline * 0.8);
    QPainterPath muzzle;
    muzzle.addRoundedRect(QRectF(12.5, y - 2.8, 4, 5.6), 1, 1);
    fillOutlined(p, muzzle, kGunmetalDark, kOutline * 0.7);
  }

  // The great core amidships.
  const QPointF core(58, 47);
  QPainterPath ring;
  ring.addEllipse(core, 12.5, 12.5);
  fillOutlined(p, ring,
               gradient(core - QPointF(0, 12.5), core + QPointF(0, 12.5),
                        {{0.0, kGunmetalLight}, {1.0, kGunmetalDark}}));
  QRadialGradient fire(core - QPointF(1.5, 1.5), 9);
  fire.setColorAt(0.0, QColor(255, 255, 255));
  fire.setColorAt(0.3, QColor(0xff, 0xc8, 0xf0));
  fire.setColorAt(0.7, kCore);
  fire.setColorAt(1.0, kCoreDeep);
  QPainterPath port;
  port.addEllipse(core, 8.5, 8.5);
  fillOutlined(p, port, fire, kOutline * 0.7);
  p.setPen(Qt::NoPen);
  p.setBrush(pal::kConcrete);
  for (int i = 0; i < 6; ++i) {
    const double a = i * kPi / 3;
    p.drawEllipse(core + QPointF(std::cos(a), std::sin(a)) * 10.6, 1.0, 1.0);
  }

  // The engine block at the stern, with its two nozzles.
  QPainterPath block;
  block.addRoundedRect(QRectF(82, 18, 16, 54), 4, 4);
  fillOutlined(p, block, gradient({82, 0}, {98, 0}, {{0.0, kGunmetalLight}, {1.0, kGunmetalDark}}));
  p.setPen(QPen(withAlpha(pal::kInk, 150), 0.9));
  for (double y = 24; y < 70; y += 6) p.drawLine(QPointF(85, y), QPointF(89, y));
  for (double y : {33.0, 56.0}) {
    QPainterPath nozzle;
    nozzle.addRoundedRect(QRectF(95, y - 6, 5.5, 12), 1.8, 1.8);
    fillOutlined(p, nozzle,
                 gradient({0, y - 6}, {0, y + 6}, {{0.0, pal::kConcrete}, {1.0, kGunmetal}}),
                 kOutline * 0.8);
  }
  // The near dorsal fin, crimson-edged.
  const QPainterPath fin = polygon({{80, 22}, {96, 20}, {102, 3}, {95, 3}});
  fillOutlined(p, fin, paintwork(kGunmetalLight, 3, 22));
  p.setPen(QPen(pal::kTailLight, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(82, 21), QPointF(95.5, 4.2));
  // The near wing, swept back under the hull, crimson along its leading edge.
  const QPainterPath wing = polygon({{40, 64}, {66, 66.5}, {78, 87}, {68, 87}});
  fillOutlined(p, wing, paintwork(kGunmetal, 64, 87), 0);
  p.setPen(QPen(pal::kTailLight, 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(42.5, 65.5), QPointF(68.5, 85.5));
  stroke(p, wing);
}

// The flagship's shot: a magenta ball of plasma trailing sparks to the right.
// It keeps to the top-left 33 x 25 pixels of its picture.
void paintBonusBossShot(QPainter& p) {
  const QPointF head(10.5, 12.5);
  glow(p, head, 10.5, 11.5, kCore, 160);
  drawStreak(p, QPointF(13, 12.5), QPointF(32.5, 12.5), 10, withAlpha(kCoreDeep, 190));
  drawStreak(p, QPointF(13, 12.5), QPointF(29, 12.5), 4.4, withAlpha(kCore, 220));
  const QColor pale(0xff, 0xc8, 0xf0);
  drawStreak(p, QPointF(15, 6.5), QPointF(29, 4.5), 1.4, withAlpha(pale, 200));
  drawStreak(p, QPointF(15, 18.5), QPointF(29, 20.5), 1.4, withAlpha(pale, 200));
  QPainterPath ball;
  ball.addEllipse(head, 7, 7);
  QRadialGradient plasma(head - QPointF(1.8, 1.8), 8);
  plasma.setColorAt(0.0, QColor(255, 255, 255));
  plasma.setColorAt(0.35, pale);
  plasma.setColorAt(0.8, kCore);
  plasma.setColorAt(1.0, kCoreDeep);
  fillOutlined(p, ball, plasma, 1.2, kCoreDeep.darker(150));
}

// --- The menu badge ----------------------------------------------------------------------------

// The burst the menu shows in the corner of the instruments, until a game
// starts: Skyforge's insignia, a blast of fire on a brass-rimmed roundel,
// shards of hull flying out past the rim.
void paintBonusDead(QPainter& p) {
  const QPointF c(24, 24);
  const QColor brass(0xe8, 0xb0, 0x44);
  // The roundel: night glass in a brass ring, ticks round it like a gauge.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 110));
  p.drawEllipse(c + QPointF(1.2, 1.5), 21, 21);
  QRadialGradient glass(c - QPointF(5, 6), 26);
  glass.setColorAt(0, QColor(0x2a, 0x1e, 0x4a));
  glass.setColorAt(1, QColor(0x0a, 0x07, 0x18));
  p.setPen(QPen(pal::kInk, kOutline));
  p.setBrush(glass);
  p.drawEllipse(c, 21, 21);
  p.setPen(QPen(brass, 2.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, 18.6, 18.6);
  p.setPen(QPen(withAlpha(brass, 150), 1.0, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 16; ++i) {
    const double a = i * kPi / 8;
    const QPointF d(std::cos(a), std::sin(a));
    p.drawLine(c + d * 15.2, c + d * 16.6);
  }
  // A star with `points` jagged points between radii `inner` and `outer`.
  auto star = [&](int points, double inner, double outer, double twist, std::uint32_t seed) {
    Dice dice(seed);
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
      const double a = twist + kPi * i / points;
      const double r = (i % 2 ? inner : outer) * dice.uniform(0.85, 1.08);
      const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * r;
      if (i == 0) {
        path.moveTo(q);
      } else {
        path.lineTo(q);
      }
    }
    path.closeSubpath();
    return path;
  };
  fillOutlined(p, star(10, 8, 14, 0.1, 77),
               gradient({0, 10}, {0, 38},
                        {{0.0, pal::kKerbRed.lighter(110)}, {1.0, pal::kKerbRed.darker(130)}}),
               1.2);
  fillOutlined(p, star(8, 5.5, 10, 0.5, 91),
               gradient({0, 14}, {0, 34}, {{0.0, pal::kSkyGold}, {1.0, pal::kSkyOrange}}), 0);
  QPainterPath core = star(6, 3, 6, 0.3, 5);
  QRadialGradient hot(c, 6);
  hot.setColorAt(0.0, QColor(255, 255, 255));
  hot.setColorAt(0.6, pal::kSunCore);
  hot.setColorAt(1.0, pal::kSkyGold);
  fillOutlined(p, core, hot, 0);
  // Shards of hull breaking out past the rim.
  for (const auto& [x, y, angle] :
       {std::tuple{4.5, 17.0, 20.0}, {43.0, 29.0, -35.0}, {31.0, 3.5, 60.0}, {16.0, 44.0, 10.0}}) {
    p.save();
    p.translate(x, y);
    p.rotate(angle);
    QPainterPath shard = polygon({{-3, -1.2}, {2.5, -1.8}, {3, 1.4}, {-2, 1.6}});
    fillOutlined(p, shard, pal::kAsphaltLight, kOutline * 0.7);
    p.restore();
  }
}

namespace {

// --- The sky ----------------------------------------------------------------------------------

constexpr double kW = 640;
constexpr double kH = 480;

// Where the game writes its own labels, in white, on the sky; nothing bright
// is drawn behind them.
const QRectF kLabels[] = {
    QRectF(80, 8, 210, 42),     // player's points
    QRectF(360, 8, 170, 42),    // enemy's points
    QRectF(430, 305, 190, 75),  // password and score
};

bool behindLabels(QPointF q, double margin = 6) {
  for (const QRectF& r : kLabels) {
    if (r.adjusted(-margin, -margin, margin, margin).contains(q)) return true;
  }
  return false;
}

// Where the horizon glows: low in the sky, left of the middle.
const QPointF kGlowCentre(230, 425);

void paintSkyDome(QPainter& p) {
  const QColor deep(0x0b, 0x09, 0x1c);
  p.fillRect(QRectF(0, 0, kW, kH), gradient({0, 0}, {0, kH},
                                            {{0.0, deep},
                                             {0.14, mix(deep, pal::kSkyNight, 0.6)},
                                             {0.45, pal::kSkyNight},
                                             {0.7, mix(pal::kSkyNight, pal::kSkyViolet, 0.55)},
                                             {0.86, mix(pal::kSkyViolet, pal::kSkyMagenta, 0.3)},
                                             {1.0, mix(pal::kSkyViolet, pal::kSkyNight, 0.4)}}));
  // The last of the sunset, low on the left of the horizon.
  p.save();
  p.translate(kGlowCentre);
  p.scale(1.0, 0.34);
  QRadialGradient dusk(QPointF(0, 0), 360);
  dusk.setColorAt(0.0, withAlpha(pal::kSkyOrange, 190));
  dusk.setColorAt(0.3, withAlpha(pal::kSkyMagenta, 120));
  dusk.setColorAt(0.7, withAlpha(pal::kSkyViolet, 50));
  dusk.setColorAt(1.0, withAlpha(pal::kSkyViolet, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(dusk);
  p.drawEllipse(QPointF(0, 0), 360, 360);
  p.restore();
}

void paintStars(QPainter& p) {
  Dice dice(51207);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 150; ++i) {
    const QPointF q(dice.uniform(0, kW), dice.uniform(0, 290));
    const double r = dice.uniform(0.4, 1.0);
    const int alpha = static_cast<int>(dice.uniform(90, 220) * (1.0 - q.y() / 330));
    if (behindLabels(q)) continue;
    p.setBrush(withAlpha(pal::kWhite, alpha));
    p.drawEllipse(q, r, r);
  }
  for (const QPointF c : {QPointF(40, 92), QPointF(318, 64), QPointF(250, 132), QPointF(470, 176),
                          QPointF(612, 22), QPointF(128, 200)}) {
    const double s = 3.6;
    QPainterPath star(c + QPointF(0, -s));
    star.quadTo(c, c + QPointF(s, 0));
    star.quadTo(c, c + QPointF(0, s));
    star.quadTo(c, c + QPointF(-s, 0));
    star.quadTo(c, c + QPointF(0, -s));
    p.setBrush(withAlpha(pal::kWhite, 190));
    p.drawPath(star);
  }
}

void paintMoon(QPainter& p) {
  const QPointF c(566, 98);
  const double r = 22;
  glow(p, c, 70, 70, QColor(0xc8, 0xc0, 0xff), 60);
  QPainterPath disc;
  disc.addEllipse(c, r, r);
  QPainterPath bite;
  bite.addEllipse(c + QPointF(-9, -5), r * 0.92, r * 0.92);
  const QPainterPath crescent = disc.subtracted(bite);
  p.setPen(Qt::NoPen);
  p.setBrush(withAlpha(pal::kSkyNight.lighter(130), 120));
  p.drawPath(disc);
  p.setBrush(gradient(c + QPointF(r, -r), c - QPointF(0, -r),
                      {{0.0, QColor(0xff, 0xf8, 0xe2)}, {1.0, QColor(0xe8, 0xd8, 0xff)}}));
  p.drawPath(crescent);
}

// A cloud bank: billows of varied sizes over a flat underside along
// `base`, dark in the body with their upper edges lit in `rim`.
void cloudBank(QPainter& p, const QRectF& base, const QColor& body, const QColor& rim, int alpha,
               std::uint32_t seed, double rimWidth = 1.6) {
  Dice dice(seed);
  const double h = base.height();
  QPainterPath cloud;
  cloud.setFillRule(Qt::WindingFill);
  cloud.addRoundedRect(base, h / 2, h / 2);
  for (double x = base.left() + h * 0.8; x < base.right() - h * 0.8;) {
    const double r = h * dice.uniform(0.6, 1.3);
    cloud.addEllipse(QPointF(x, base.bottom() - r * dice.uniform(0.75, 1.05)),
                     r * dice.uniform(1.2, 1.7), r);
    x += r * dice.uniform(1.1, 1.9);
  }
  QPainterPath above;
  above.addRect(
      QRectF(base.left() - h * 3, base.top() - h * 4, base.width() + h * 6, h * 4 + base.height()));
  cloud = cloud.intersected(above).simplified();
  const QRectF b = cloud.boundingRect();
  p.setPen(Qt::NoPen);
  p.setBrush(gradient(b.topLeft(), b.bottomLeft(),
                      {{0.0, withAlpha(mix(body, rim, 0.25), alpha)},
                       {0.5, withAlpha(body, alpha)},
                       {1.0, withAlpha(body.darker(115), alpha)}}));
  p.drawPath(cloud);
  p.setBrush(withAlpha(rim, alpha * 3 / 4));
  p.drawPath(cloud.subtracted(cloud.translated(0.4, rimWidth)));
}

void paintHighCloud(QPainter& p) {
  // Thin streamers high up, silvered on top by the moon.
  const QColor body = mix(pal::kSkyNight, pal::kSkyViolet, 0.3);
  const QColor moonlit = mix(pal::kSkyViolet, QColor(0xc8, 0xc0, 0xff), 0.45);
  cloudBank(p, QRectF(196, 86, 190, 6), body, moonlit, 190, 3, 1.2);
  cloudBank(p, QRectF(440, 128, 230, 7), body, moonlit, 200, 4, 1.2);
  cloudBank(p, QRectF(-30, 146, 170, 6), body, moonlit, 180, 5, 1.2);
}

void paintMidCloud(QPainter& p) {
  // Heavier banks lower down, their tops catching the sunset below them.
  const QColor body = mix(pal::kSkyNight, pal::kSkyViolet, 0.45);
  const QColor lit = mix(pal::kSkyMagenta, pal::kSkyViolet, 0.45);
  cloudBank(p, QRectF(-40, 192, 170, 9), body, lit, 210, 21, 1.4);
  cloudBank(p, QRectF(250, 262, 180, 10), body, lit, 220, 22);
  cloudBank(p, QRectF(330, 206, 130, 7), body, lit, 200, 23, 1.3);
}

// A far-off crag of the fortress floating on its own: broken rock under a
// small walled fort with one spired tower, hazy in the dusk.
void floatingIsle(QPainter& p, QPointF top, double w, std::uint32_t seed) {
  Dice dice(seed);
  const QColor haze = mix(pal::kSkyNight, pal::kSkyViolet, 0.72);
  QPainterPath isle;
  isle.setFillRule(Qt::WindingFill);
  QPolygonF crag;
  crag << QPointF(top.x() - w / 2, top.y()) << QPointF(top.x() + w / 2, top.y());
  const int steps = 7;
  for (int i = 1; i < steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    const double depth = w * 0.8 * std::pow(std::sin(kPi * t), 1.4) * dice.uniform(0.75, 1.1);
    crag << QPointF(top.x() + w / 2 - w * t + dice.uniform(-1.5, 1.5), top.y() + depth);
  }
  isle.addPolygon(crag);
  isle.closeSubpath();
  const QRectF fort(top.x() - w * 0.32, top.y() - w * 0.22, w * 0.64, w * 0.22 + 1);
  isle.addRect(fort);
  for (double x = fort.left(); x < fort.right() - 1; x += w * 0.12)
    isle.addRect(QRectF(x, fort.top() - w * 0.06, w * 0.06, w * 0.06 + 1));
  const QRectF tower(top.x() + w * 0.05, top.y() - w * 0.5, w * 0.16, w * 0.5);
  isle.addRect(tower);
  isle.addPolygon(QPolygonF({tower.topLeft() - QPointF(1, 0), tower.topRight() + QPointF(1, 0),
                             QPointF(tower.center().x(), tower.top() - w * 0.3)}));
  isle = isle.simplified();
  glow(p, QPointF(top.x(), top.y() + w * 0.7), w * 0.35, w * 0.2, kCore, 110);
  p.setPen(Qt::NoPen);
  p.setBrush(haze);
  p.drawPath(isle);
  p.setBrush(withAlpha(pal::kSkyMagenta, 70));
  p.drawPath(isle.subtracted(isle.translated(0.6, 1.2)));
  p.setBrush(withAlpha(pal::kSkyGold, 180));
  p.drawRect(QRectF(tower.center().x() - 0.7, tower.top() + w * 0.12, 1.4, 2.2));
  p.drawRect(QRectF(fort.left() + w * 0.1, fort.top() + w * 0.08, 1.4, 2.0));
}

void paintFloatingIsles(QPainter& p) {
  floatingIsle(p, QPointF(96, 270), 58, 31);
  floatingIsle(p, QPointF(318, 234), 36, 32);
  floatingIsle(p, QPointF(214, 318), 26, 33);
}

// The fortress on the horizon: walls, towers and domes in a long hazy
// silhouette, its windows lit, standing on the cloud sea.
void paintSkyline(QPainter& p) {
  const double base = 420;
  const QColor far = mix(pal::kSkyViolet, pal::kSkyNight, 0.55);
  Dice dice(8803);
  QPainterPath wall;
  wall.setFillRule(Qt::WindingFill);
  wall.addRect(QRectF(-10, base - 26, 470, 60));
  // Crenels along the curtain wall.
  for (double x = -8; x < 460; x += 9) wall.addRect(QRectF(x, base - 31, 5, 6));
  struct Tower {
    double x, w, h;
    int roof;  // 0 flat with crenels, 1 spire, 2 dome
  };
  const Tower towers[] = {{14, 20, 78, 1},   {58, 34, 56, 2},  {110, 16, 96, 1}, {150, 26, 64, 0},
                          {196, 18, 112, 1}, {232, 40, 70, 2}, {290, 14, 88, 1}, {318, 24, 60, 0},
                          {360, 18, 100, 1}, {392, 30, 66, 2}};
  for (const Tower& t : towers) {
    const double top = base - t.h;
    wall.addRect(QRectF(t.x, top, t.w, t.h));
    switch (t.roof) {
      case 1:
        wall.addPolygon(QPolygonF({QPointF(t.x - 2, top), QPointF(t.x + t.w / 2, top - t.w * 1.4),
                                   QPointF(t.x + t.w + 2, top)}));
        break;
      case 2:
        wall.addEllipse(QPointF(t.x + t.w / 2, top), t.w / 2, t.w * 0.45);
        wall.addRect(QRectF(t.x + t.w / 2 - 0.7, top - t.w * 0.45 - 8, 1.4, 9));
        break;
      default:
        for (double x = t.x; x < t.x + t.w - 2; x += 6) wall.addRect(QRectF(x, top - 5, 3.5, 5));
        break;
    }
  }
  p.setPen(Qt::NoPen);
  p.setBrush(gradient({0, base - 150}, {0, base + 30},
                      {{0.0, mix(far, pal::kSkyMagenta, 0.25)}, {1.0, far}}));
  p.drawPath(wall.simplified());
  // Lit windows in the towers.
  for (const Tower& t : towers) {
    for (double y = base - t.h + 8; y < base - 8; y += 9) {
      for (double x = t.x + 3; x < t.x + t.w - 4; x += 6) {
        if (dice.below(4) != 0) continue;
        p.setBrush(withAlpha(pal::kSkyGold, 90 + dice.below(110)));
        p.drawRect(QRectF(x, y, 1.8, 2.6));
      }
    }
  }
  // Beacons on the spires.
  for (const Tower& t : towers) {
    if (t.roof != 1) continue;
    const QPointF tip(t.x + t.w / 2, base - t.h - t.w * 1.4);
    glow(p, tip, 5, 5, pal::kTailLight, 160);
  }
}

// The keep: the near, dark mass of the fortress on the right, where the
// password and the score are written. Its stonework shows only faintly.
void paintKeep(QPainter& p) {
  const QColor dark(0x12, 0x0e, 0x22);
  QPainterPath keep;
  keep.setFillRule(Qt::WindingFill);
  keep.addRect(QRectF(430, 290, 220, 200));  // the curtain wall
  keep.addRect(QRectF(406, 352, 40, 140));   // a bastion stepping down to the left
  keep.addRect(QRectF(470, 250, 60, 60));    // the gatehouse
  keep.addRect(QRectF(548, 206, 54, 100));   // the great tower
  keep.addPolygon(
      QPolygonF({QPointF(542, 207), QPointF(575, 146), QPointF(608, 207)}));  // and its roof
  keep.addRect(QRectF(574.3, 124, 1.4, 24));
  for (double x = 430; x < 640; x += 11) keep.addRect(QRectF(x, 283, 6, 8));
  for (double x = 470; x < 530; x += 11) keep.addRect(QRectF(x, 243, 6, 8));
  for (double x = 406; x < 446; x += 11) keep.addRect(QRectF(x, 345, 6, 8));
  keep = keep.simplified();
  p.setPen(Qt::NoPen);
  p.setBrush(gradient({0, 146}, {0, 480},
                      {{0.0, mix(dark, pal::kSkyViolet, 0.3)}, {0.45, dark}, {1.0, dark}}));
  p.drawPath(keep);
  // Courses of stone, barely there.
  p.save();
  p.setClipPath(keep, Qt::IntersectClip);
  p.setPen(QPen(QColor(255, 255, 255, 9), 1.0));
  for (double y = 214; y < 480; y += 12) {
    p.drawLine(QPointF(400, y), QPointF(640, y));
    const double shift = static_cast<int>(y / 12) % 2 ? 0 : 13;
    for (double x = 404 + shift; x < 640; x += 26) p.drawLine(QPointF(x, y), QPointF(x, y + 12));
  }
  // Slates on the tower roof.
  p.setPen(QPen(QColor(255, 255, 255, 14), 1.0));
  for (double y = 160; y < 207; y += 7) p.drawLine(QPointF(540, y), QPointF(610, y));
  p.restore();
  // The sunset catching the keep's left-hand edges.
  p.setBrush(withAlpha(pal::kSkyMagenta, 90));
  p.drawPath(keep.subtracted(keep.translated(1.4, 0.8)));
  // A few lit slits, well away from the game's labels.
  for (const QRectF& w :
       {QRectF(490, 262, 2.4, 7), QRectF(508, 262, 2.4, 7), QRectF(573.8, 176, 2.4, 8),
        QRectF(560, 222, 2.4, 7), QRectF(588, 222, 2.4, 7), QRectF(418, 392, 2.4, 7),
        QRectF(624, 400, 2.4, 7), QRectF(466, 404, 2.4, 7)}) {
    glow(p, w.center(), 5, 5, pal::kSkyOrange, 50);
    p.setBrush(withAlpha(pal::kSkyGold, 190));
    p.drawRoundedRect(w, 1.2, 1.2);
  }
  glow(p, QPointF(575, 124), 6, 6, pal::kTailLight, 200);
}

void paintCloudSea(QPainter& p) {
  // The sea of cloud the fortress stands on, its tops lit by the sunset.
  const QColor body = mix(pal::kSkyNight, pal::kSkyViolet, 0.55);
  const QColor lit = mix(pal::kSkyMagenta, pal::kSkyOrange, 0.35);
  p.fillRect(QRectF(0, 452, kW, 30), withAlpha(mix(body, pal::kSkyNight, 0.5), 255));
  cloudBank(p, QRectF(-40, 410, 300, 18), body, lit, 240, 11, 2.2);
  cloudBank(p, QRectF(200, 418, 250, 16), body, lit, 240, 12, 2.2);
  cloudBank(p, QRectF(-30, 442, 370, 22), mix(body, pal::kSkyNight, 0.35),
            mix(lit, pal::kSkyViolet, 0.4), 250, 13, 2.0);
  cloudBank(p, QRectF(300, 448, 380, 22), mix(body, pal::kSkyNight, 0.6),
            mix(lit, pal::kSkyViolet, 0.65), 250, 14, 2.0);
}

// The instrument plates the game's labels and readouts sit on: dark glass
// with a brass rim, its corners cut, like the readouts themselves. Given in
// window pixels; the picture starts inside the field's two-pixel frame.
constexpr double kFrame = 2;
const QRectF kPlates[] = {
    QRectF(82, 11, 445, 36),    // both hit points, the start buttons between them
    QRectF(434, 305, 181, 73),  // the password and the score
};

void paintPlates(QPainter& p) {
  const QColor brass(0xe8, 0xb0, 0x44);
  for (const QRectF& window : kPlates) {
    const QRectF r = window.translated(-kFrame, -kFrame);
    const double cut = 6;
    QPainterPath plate(QPointF(r.left() + cut, r.top()));
    plate.lineTo(r.right(), r.top());
    plate.lineTo(r.right(), r.bottom() - cut);
    plate.lineTo(r.right() - cut, r.bottom());
    plate.lineTo(r.left(), r.bottom());
    plate.lineTo(r.left(), r.top() + cut);
    plate.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(plate.translated(2, 2));
    p.setPen(QPen(withAlpha(brass, 210), 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(
        gradient(r.topLeft(), r.bottomLeft(),
                 {{0.0, QColor(0x14, 0x10, 0x2c, 235)}, {1.0, QColor(0x08, 0x06, 0x14, 235)}}));
    p.drawPath(plate);
    // Studs in the two whole corners.
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(brass, 200));
    p.drawEllipse(QPointF(r.right() - 3.5, r.top() + 3.5), 1.2, 1.2);
    p.drawEllipse(QPointF(r.left() + 3.5, r.bottom() - 3.5), 1.2, 1.2);
  }
  // Between the two hit points, where the start buttons stand at the menu,
  // a brass rule with a diamond in its middle.
  const QRectF bar = kPlates[0].translated(-kFrame, -kFrame);
  const double mid = (281 + 363) / 2.0 - kFrame;  // between the readout and the enemy's label
  p.setPen(QPen(withAlpha(brass, 190), 1.0));
  const double y = std::floor(bar.center().y()) + 0.5;  // on a whole row, crisp
  p.drawLine(QPointF(mid - 30, y), QPointF(mid - 6, y));
  p.drawLine(QPointF(mid + 6, y), QPointF(mid + 30, y));
  p.setBrush(withAlpha(brass, 220));
  const QPointF c(mid, y);
  p.drawPolygon(
      QPolygonF({c + QPointF(0, -4), c + QPointF(4, 0), c + QPointF(0, 4), c + QPointF(-4, 0)}));
}

// Night settling over the top band, where the game writes the points.
void paintShade(QPainter& p) {
  const QColor night(0x08, 0x06, 0x14);
  p.fillRect(QRectF(0, 0, kW, 64), gradient({0, 0}, {0, 64},
                                            {{0.0, withAlpha(night, 200)},
                                             {0.7, withAlpha(night, 110)},
                                             {1.0, withAlpha(night, 0)}}));
}

}  // namespace

void paintBonusBackground(QPainter& p) {
  p.save();
  paintSkyDome(p);
  paintStars(p);
  paintMoon(p);
  paintHighCloud(p);
  paintFloatingIsles(p);
  paintMidCloud(p);
  paintSkyline(p);
  paintKeep(p);
  paintCloudSea(p);
  paintShade(p);
  paintPlates(p);
  p.restore();
}

}  // namespace art
