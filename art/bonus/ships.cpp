// The players' jet-cars and their shots. Both ships are the team's race cars
// with wings: a long body on folded wheels, a bubble canopy over the pilot,
// the car's number on a roundel and a swept wing underneath. One builder
// draws that body for either ship from its measurements; each ship adds its
// own fins, markings and fittings.

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>
#include <span>
#include <tuple>
#include <vector>

#include "bonus/craft.h"
#include "style.h"

namespace art {
namespace {

using namespace skyforge;

// A measurement of both ships: ship one's, then ship two's.
template <typename T>
struct Both {
  T one, two;
  const T& operator[](int ship) const { return ship == 1 ? one : two; }
};

// The dark inside each ship's wheel arches.
const Both<QColor> kArchShadow{{0x16, 0x12, 0x22}, {0x10, 0x14, 0x26}};

// The pilots' visors, the intake on ship one, and the deep blue of ship
// two's lance.
const QColor kVisor{0x10, 0x12, 0x22};
const QColor kIntake{0x1a, 0x14, 0x24};
const QColor kLanceDeep{0x1f, 0x5c, 0xe8};

// --- Parts of a jet-car -----------------------------------------------------------------------

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
  fillOutlined(p, circle(c, r), pal::kWhite, kOutline * 0.6);
  paintDigit(p, digit, c, r * 1.25, pal::kInk);
}

// A tyre seen side-on, its hub ringed in the teal of the lift coils that
// keep a jet-car up when its wheels fold into flight.
void flightWheel(QPainter& p, QPointF c, double r) {
  p.save();
  p.setPen(fineInk());
  p.setBrush(pal::kTyre);
  p.drawEllipse(c, r, r);
  p.setPen(QPen(withAlpha(kWhiteHot, 40), 0.8));
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
  clipped(p, bubble, [&] {
    // The pilot: a helmet in the team colour with a dark visor facing forward.
    fillOutlined(p, ellipse(helmet, 4.2, 4.4),
                 paintwork(helmetColour, helmet.y() - 4.4, helmet.y() + 4.4), kOutline * 0.5);
    QPainterPath visor(helmet + QPointF(0.5, -2.2));
    visor.cubicTo(helmet + QPointF(3.5, -2.4), helmet + QPointF(4.6, 0),
                  helmet + QPointF(3.8, 1.6));
    visor.lineTo(helmet + QPointF(0.8, 1.2));
    visor.closeSubpath();
    fillOutlined(p, visor, kVisor, 0);
    // Glass over the pilot, and a glint across it.
    p.setPen(Qt::NoPen);
    p.setBrush(gradient(b.topLeft(), b.bottomLeft(),
                        {{0.0, withAlpha(pal::kGlassSheen, 150)},
                         {0.6, withAlpha(pal::kGlass, 70)},
                         {1.0, withAlpha(pal::kGlass, 40)}}));
    p.drawPath(bubble);
    p.setBrush(withAlpha(kWhiteHot, 130));
    p.drawPath(polygon({{b.left() + b.width() * 0.55, b.top() + 1.2},
                        {b.left() + b.width() * 0.75, b.top() + 1.8},
                        {b.left() + b.width() * 0.45, b.top() + b.height() * 0.6},
                        {b.left() + b.width() * 0.32, b.top() + b.height() * 0.6}}));
  });
  stroke(p, bubble, ink(kOutline * 0.8));
}

// A fin or a wing: filled, marked inside its outline, then inked.
void markedFoil(QPainter& p, const QPainterPath& foil, const QBrush& fill, double weight,
                const std::function<void()>& marks) {
  fillOutlined(p, foil, fill, weight);
  clipped(p, foil, marks);
  stroke(p, foil);
}

// --- The ship builder -------------------------------------------------------------------------

struct Wheel {
  QPointF hub;
  double arch, tyre;
};

struct Engine {
  QPointF mouth;
  double radius, length;
};

// The two jet-cars are built on one body plan. Their outlines are tables
// of the same stretches, side by side: the body from the nose over the
// cockpit to the tail and back along the belly, the canopy from its front
// edge, and the tall fin from its root.
constexpr Both<PathStep> kShells[] = {
    {cubicTo({78, 42.5}, {75, 41}, {70, 40}), cubicTo({80, 44.8}, {76, 43}, {70, 42})},
    {cubicTo({65, 39}, {61, 37.8}, {57, 36.2}), cubicTo({66, 41.3}, {63, 40.2}, {61, 38.6})},
    {cubicTo({50, 33.5}, {40, 32.5}, {30, 32.5}), cubicTo({52, 35}, {38, 34.2}, {26, 34.5})},
    {cubicTo({22, 32.5}, {15, 33}, {9.5, 35}), cubicTo({20, 34.7}, {15, 35.4}, {11.5, 36.5})},
    {lineTo({9, 48.5}), lineTo({11, 54})},
    {cubicTo({12, 51.5}, {16, 52.5}, {24, 52.5}), cubicTo({14, 56.5}, {19, 57.5}, {26, 57.5})},
    {lineTo({60, 52}), lineTo({62, 57})},
    {cubicTo({68, 51.5}, {74, 50}, {77, 48.2}), cubicTo({70, 56.5}, {77, 52}, {80, 49.8})},
    {cubicTo({79, 47.2}, {80.5, 46.6}, {80, 45.5}), cubicTo({82, 48.6}, {84, 47.8}, {83.5, 47})},
};
constexpr Both<PathStep> kCanopies[] = {
    {cubicTo({55, 28}, {49.5, 24.8}, {44.5, 25.2}), cubicTo({58, 31}, {52, 26.5}, {46, 26.6})},
    {cubicTo({39, 25.6}, {36, 29}, {35, 33.2}), cubicTo({40, 26.8}, {37, 30.5}, {36, 35})},
    {cubicTo({42, 32.6}, {51, 33.4}, {59, 36.9}), cubicTo({44, 34.4}, {53, 35.4}, {61.5, 38.9})},
};
constexpr Both<PathStep> kFins[] = {
    {lineTo({31, 34}), lineTo({31, 35.2})},
    {cubicTo({24, 30}, {19, 22}, {17, 12}), cubicTo({24, 30}, {18, 20}, {16, 10})},
    {lineTo({10, 12}), lineTo({9, 10})},
    {cubicTo({10, 20}, {9.5, 28}, {10, 37}), cubicTo({10, 18}, {11, 28}, {12, 36.5})},
};

// Ship one flies on one engine, ship two on two.
constexpr Engine kShipOneEngines[] = {{{6, 42}, 4.6, 14}};
constexpr Nozzle kShipOneNozzles[] = {{{5.5, 37.2, 5, 9.6}, 1.5, 37, 47}};
constexpr Engine kShipTwoEngines[] = {{{7.5, 40.5}, 3.6, 13.5}, {{7.5, 49.5}, 3.6, 13.5}};
constexpr Nozzle kShipTwoNozzles[] = {{{6.8, 36.8, 5, 7.4}, 1.5, 36.8, 36.8 + 7.4},
                                      {{6.8, 45.8, 5, 7.4}, 1.5, 45.8, 45.8 + 7.4}};
// The near wings, swept back under the bodies.
constexpr QPointF kShipOneWing[] = {{56, 50.5}, {37, 51}, {28, 66}, {35.5, 66}};
constexpr QPointF kShipTwoWing[] = {{60, 55.5}, {36, 56.5}, {28, 72}, {37, 72}};

// The rest of the body plan, in the ships' pictures' pixels before they are
// shrunk towards the nose. Each body is painted from `paintTop` to
// `paintBottom` over the dark of its wheel arches, with a shine along the
// bonnet; the wing shades from the paint to its darker `wingShadow`.
struct Ships {
  Both<QColor> paint;
  Both<QPointF> nose;
  Both<QLineF> slipstreamAbove, slipstreamBelow;
  Both<Flame> flame;
  Both<std::span<const Engine>> engines;
  Both<QPointF> shellFrom;
  Both<Wheel> rear, front;
  Both<double> paintTop, paintBottom;
  Both<QPointF> shineFrom;
  Both<PathStep> shine;
  Both<std::span<const Nozzle>> nozzles;
  Both<QPointF> canopyFrom, helmet;
  Both<QColor> helmetColour;
  Both<QPointF> roundel;
  Both<double> roundelRadius;
  Both<QPointF> finFrom;
  Both<std::span<const QPointF>> wing;
  Both<double> wingTop, wingBottom;
  Both<int> wingShadow;
};

const Ships kShips{
    .paint = {pal::kCarRed, pal::kCarBlue},
    .nose = {{81, 40}, {84, 42}},
    .slipstreamAbove = {QLineF(24, 20, -6, 20), QLineF(26, 22, -4, 22)},
    .slipstreamBelow = {QLineF(30, 67, 0, 67), QLineF(34, 73, 4, 73)},
    .flame = {kRedFlame, kBlueFlame},
    .engines = {kShipOneEngines, kShipTwoEngines},
    .shellFrom = {{80, 45.5}, {83.5, 47}},
    .rear = {{{22, 52}, 8.2, 6.5}, {{26, 57}, 8.6, 7}},
    .front = {{{66, 51.5}, 7.8, 6.2}, {{67, 56}, 7.8, 6.2}},
    .paintTop = {32.5, 34.5},
    .paintBottom = {52.5, 57.5},
    .shineFrom = {{72, 41.4}, {76, 43.4}},
    .shine = {cubicTo({67, 40.2}, {63, 39.4}, {59, 37.8}),
              cubicTo({71, 42.2}, {66, 41.4}, {62.5, 39.8})},
    .nozzles = {kShipOneNozzles, kShipTwoNozzles},
    .canopyFrom = {{59, 36.9}, {61.5, 38.9}},
    .helmet = {{45.5, 31.5}, {47, 33}},
    .helmetColour = {pal::kWhite, pal::kCarYellow},
    .roundel = {{40, 44.8}, {44, 46.2}},
    .roundelRadius = {4.6, 5},
    .finFrom = {{10, 37}, {12, 36.5}},
    .wing = {kShipOneWing, kShipTwoWing},
    .wingTop = {50, 55},
    .wingBottom = {66, 72},
    .wingShadow = {125, 130},
};

// One ship's stretches of a side-by-side outline table.
QPainterPath outlineOf(int ship, QPointF from, std::span<const Both<PathStep>> table) {
  std::vector<PathStep> steps;
  for (const Both<PathStep>& step : table) steps.push_back(step[ship]);
  return outline(from, steps);
}

// What each ship adds: the parts behind its body, the livery painted on
// the body, the fittings over it, and the trim on its near wing.
struct ShipParts {
  std::function<void()> behind, livery, fittings, wingTrim;
};

// The ships are drawn a tenth smaller than their frames, about a point on
// the nose, which leaves room behind them for the flame.
void shrinkTowardsNose(QPainter& p, QPointF nose) {
  p.translate(nose);
  p.scale(0.9, 0.9);
  p.translate(-nose);
}

// Ship `ship` (1 or 2), carrying its number on its roundel.
void paintShip(QPainter& p, int ship, const ShipParts& parts) {
  const Ships& s = kShips;
  p.save();
  shrinkTowardsNose(p, s.nose[ship]);
  // Bright lines of rushing air streaming back from the ship.
  for (const QLineF& l : {s.slipstreamAbove[ship], s.slipstreamBelow[ship]})
    drawStreak(p, l.p1(), l.p2(), 1.6, withAlpha(pal::kWhite, 110));
  for (const Engine& e : s.engines[ship])
    exhaust(p, e.mouth, e.radius, e.length, -1, s.flame[ship]);
  parts.behind();

  // The body, with arches cut for the folded wheels.
  const Wheel& rear = s.rear[ship];
  const Wheel& front = s.front[ship];
  const QPainterPath shell = outlineOf(ship, s.shellFrom[ship], kShells);
  QPainterPath arches;
  arches.addEllipse(rear.hub, rear.arch, rear.arch);
  arches.addEllipse(front.hub, front.arch, front.arch);
  fillOutlined(p, shell, kArchShadow[ship], 0);
  flightWheel(p, rear.hub, rear.tyre);
  flightWheel(p, front.hub, front.tyre);
  const QPainterPath body = shell.subtracted(arches);
  fillOutlined(p, body, paintwork(s.paint[ship], s.paintTop[ship], s.paintBottom[ship]), 0);
  clipped(p, body, [&] {
    p.setPen(Qt::NoPen);
    parts.livery();
  });
  p.setPen(QPen(withAlpha(kWhiteHot, 150), 1.3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(outline(s.shineFrom[ship], {&s.shine[ship], 1}, false));
  stroke(p, body);
  for (const Nozzle& n : s.nozzles[ship]) nozzle(p, n, kOutline * 0.7);
  parts.fittings();

  canopy(p, outlineOf(ship, s.canopyFrom[ship], kCanopies), s.helmet[ship], s.helmetColour[ship]);
  roundel(p, s.roundel[ship], s.roundelRadius[ship], ship);

  const QPainterPath wing = polygon(s.wing[ship]);
  const QColor paint = s.paint[ship];
  fillOutlined(p, wing,
               downward(s.wingTop[ship], s.wingBottom[ship], paint.lighter(112),
                        paint.darker(s.wingShadow[ship])),
               0);
  parts.wingTrim();
  stroke(p, wing);
  p.restore();
}

// Ship two's far fin, set a little forward of the near one.
constexpr PathStep kShipTwoFarFin[] = {
    lineTo({38, 35}),
    cubicTo({32, 30}, {27, 22}, {25, 14}),
    lineTo({19, 14}),
};

}  // namespace

// Ship one: the red jet-car of the team's first pilot. A long low body with
// twin white stripes, one tall swept fin carrying the car's rear wing on
// top, one engine, and lift coils glowing in its wheel hubs.
void paintBonusShipOne(QPainter& p) {
  const QColor red = kShips.paint[1];
  paintShip(
      p, 1,
      {.behind =
           [&] {
             // The far wing, in shadow, and the fin with the rear wing on top of it.
             fillOutlined(p, polygon({{28, 34}, {50, 34}, {31, 21}, {24, 21}}), red.darker(160));
             markedFoil(p, outlineOf(1, kShips.finFrom[1], kFins),
                        gradient({10, 0}, {31, 0}, {{0.0, red.darker(130)}, {1.0, red}}), kOutline,
                        [&] {
                          p.setPen(Qt::NoPen);
                          p.setBrush(pal::kWhite);
                          p.drawPath(polygon({{14, 31}, {26, 31}, {16, 18}, {12, 18}}));
                        });
             fillOutlined(p, roundedRect({4.5, 8.5, 17, 4.5}, 2),
                          downward(8.5, 13, pal::kWhite, pal::kConcrete));
           },
       .livery =
           [&] {
             // Twin white stripes nose to tail, as on the team's race car.
             p.setBrush(pal::kWhite);
             p.drawRect(QRectF(0, 40.2, 81, 2.1));
             p.drawRect(QRectF(0, 43.5, 81, 2.1));
             // A side intake ahead of the tail.
             p.setBrush(kIntake);
             p.drawPath(polygon({{21, 36.5}, {30, 36.2}, {29, 38.8}, {22.5, 39}}));
           },
       .fittings =
           [&] {
             // A headlight at the nose.
             fillOutlined(p, polygon({{77.5, 44.2}, {73, 42.6}, {72.5, 44.3}}), pal::kHeadlight,
                          kOutline * 0.5);
           },
       .wingTrim =
           [&] {
             // A white leading edge.
             p.setPen(QPen(pal::kWhite, 2.0, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(54.5, 51.4), QPointF(36.2, 64.8));
           }});
}

// Ship two: the second pilot's blue interceptor. A needle nose with canard
// vanes, twin fins with yellow tips, two engines, and a single broad white
// stripe sweeping along the flank.
void paintBonusShipTwo(QPainter& p) {
  const QColor blue = kShips.paint[2];
  const QColor trim = pal::kCarYellow;
  paintShip(
      p, 2,
      {.behind =
           [&] {
             fillOutlined(p, outline({20, 36}, kShipTwoFarFin), blue.darker(165));
           },
       .livery =
           [&] {
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
           },
       .fittings =
           [&] {
             // The near fin, tipped in yellow, and canard vanes near the nose.
             markedFoil(
                 p, outlineOf(2, kShips.finFrom[2], kFins),
                 gradient({9, 0}, {31, 0}, {{0.0, blue.darker(125)}, {1.0, blue.lighter(110)}}), 0,
                 [&] { p.fillRect(QRectF(0, 8, 30, 7), trim); });
             fillOutlined(p, polygon({{75, 43}, {67, 41.6}, {63.5, 35.5}, {67, 35.5}}),
                          downward(35, 43, pal::kWhite, pal::kConcrete), kOutline * 0.8);
           },
       .wingTrim =
           [&] {
             // Yellow at the wing's tip.
             clipped(p, polygon(kShipTwoWing), [&] { p.fillRect(QRectF(20, 68.5, 30, 5), trim); });
           }});
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
  std::vector<QPointF> rim;
  for (int i = 0; i < 16; ++i) {
    const double a = 2 * kPi * i / 16;
    const double r = (i % 2 ? 8.0 : 9.6) * (std::cos(a) < 0 ? 1.0 : 0.92);
    rim.push_back(head + QPointF(std::cos(a) * r * 1.15, std::sin(a) * r * 0.85));
  }
  QRadialGradient fire(head + QPointF(2.5, -1), 11);
  fire.setColorAt(0.0, kWhiteHot);
  fire.setColorAt(0.3, pal::kSunCore);
  fire.setColorAt(0.6, pal::kSkyGold);
  fire.setColorAt(0.85, pal::kSkyOrange);
  fire.setColorAt(1.0, pal::kKerbRed);
  fillOutlined(p, polygon(rim), fire, 1.2, pal::kKerbRed.darker(160));
}

void paintBonusShotTwo(QPainter& p) {
  const QColor ice = kBlueFlame.hot;
  const QColor deep = kLanceDeep;
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
  fillOutlined(p, polygon({{69, 19}, {54, 12.5}, {38, 19}, {54, 25.5}}),
               gradient({0, 12.5}, {0, 25.5},
                        {{0.0, deep}, {0.3, ice}, {0.5, kWhiteHot}, {0.7, ice}, {1.0, deep}}),
               1.2, deep.darker(170));
  p.setPen(Qt::NoPen);
  p.setBrush(withAlpha(kWhiteHot, 230));
  p.drawPath(polygon({{66, 19}, {54, 17.2}, {44, 19}, {54, 20.8}}));
}

}  // namespace art
