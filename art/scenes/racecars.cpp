// The race cars of the story's pictures: in profile, wheels turning or
// still, and head-on with the lamps lit or dark; and the numbers on their
// doors.

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

#include "scenes.h"

namespace art::scene {
namespace {

// Wheels.
const QColor kTyreSheen = withAlpha(Qt::white, 30);
const QColor kRimLit(0xd8dce6), kRimShade(0x6a7080);
const QColor kSpoke(0x3a3e4c), kSpokeBlur = withAlpha(0x404452, 150), kHub(0x2a2c36);

// Bodywork and its black parts.
const QColor kRoadShadow(0x0a0814), kWheelWell(0x14141c);
const QColor kSplitter(0x1c1c26), kSideIntake(0x1a1a24), kWingPost(0x2a2a36);
const QColor kGrille(0x161620), kSlat(0x3a3c4a), kChin(0x1a1a22);

// Lamps, lit.
const QColor kLampLit(0xfffce8), kLampGlow(0xfff6c8);
const QColor kLampSpark = withAlpha(0xfffff0, 230);

// The numbers, each in a box one unit square.
constexpr PathStep kOne[] = {moveTo(0.2, 0.22), lineTo(0.6, 0.0), lineTo(0.6, 1.0)};
constexpr PathStep kTwo[] = {moveTo(0.05, 0.25), cubicTo(0.1, -0.05, 0.95, -0.05, 0.9, 0.3),
                             cubicTo(0.85, 0.55, 0.2, 0.75, 0.0, 1.0), lineTo(1.0, 1.0)};
constexpr PathStep kThree[] = {
    // The upper bowl, then the lower one curling round to the tail.
    moveTo(0.05, 0.1), cubicTo(0.4, -0.1, 1.0, 0.05, 0.8, 0.35),
    cubicTo(0.7, 0.48, 0.45, 0.48, 0.35, 0.48), cubicTo(1.1, 0.45, 1.0, 1.05, 0.4, 1.0),
    cubicTo(0.2, 1.0, 0.05, 0.92, 0.0, 0.85)};
constexpr PathStep kSeven[] = {moveTo(0.0, 0.0), lineTo(1.0, 0.0), lineTo(0.35, 1.0)};
constexpr PathStep kNine[] = {ovalIn(0.05, 0.0, 0.95, 0.5), moveTo(0.95, 0.25), lineTo(0.75, 1.0)};
constexpr PathStep kZero[] = {ovalIn(0.0, 0.0, 1.0, 1.0)};

// The car in profile, in units of its length from the rear wheel's ground
// point, facing right. The roof rises over the cockpit and runs down to the
// nose.
constexpr PathStep kRoof[] = {cubicTo(0.37, -0.205, 0.41, -0.282, 0.5, -0.288),
                              cubicTo(0.57, -0.29, 0.61, -0.25, 0.67, -0.205)};
constexpr PathStep kTail[] = {moveTo(0.03, -0.04), lineTo(0.0, -0.1),
                              cubicTo(-0.008, -0.15, -0.004, -0.185, 0.04, -0.19),
                              lineTo(0.3, -0.2)};
constexpr PathStep kNose[] = {cubicTo(0.75, -0.185, 0.86, -0.175, 0.94, -0.148),
                              cubicTo(0.985, -0.13, 1.0, -0.105, 1.0, -0.08), lineTo(0.99, -0.04)};
// The racing stripe runs over the roof from the tail to the nose's tip.
constexpr PathStep kCrownStart[] = {moveTo(0.0, -0.19), lineTo(0.3, -0.2)};
constexpr PathStep kCrownEnd[] = {cubicTo(0.75, -0.185, 0.86, -0.175, 1.0, -0.13)};
// The light catching the top, just inside the ink.
constexpr PathStep kRimLine[] = {moveTo(0.04, -0.187), lineTo(0.3, -0.197),
                                 cubicTo(0.37, -0.202, 0.41, -0.279, 0.5, -0.285),
                                 cubicTo(0.57, -0.287, 0.61, -0.247, 0.67, -0.202),
                                 cubicTo(0.75, -0.182, 0.86, -0.172, 0.94, -0.145)};
constexpr PathStep kCanopy[] = {moveTo(0.355, -0.2), cubicTo(0.4, -0.24, 0.44, -0.27, 0.5, -0.272),
                                cubicTo(0.56, -0.274, 0.6, -0.24, 0.645, -0.2), closePath()};
constexpr QPointF kCanopyGlint[] = {{0.44, -0.255}, {0.49, -0.266}, {0.44, -0.205}, {0.4, -0.205}};
constexpr QPointF kIntake[] = {{0.3, -0.075}, {0.38, -0.075}, {0.35, -0.14}, {0.28, -0.135}};
constexpr QPointF kHeadlamp[] = {{0.9, -0.158}, {0.975, -0.135}, {0.988, -0.112}, {0.93, -0.13}};

// The car head-on, in units of its width from the middle of its ground
// line: wide fenders with the bonnet dipping between them, the cabin above.
constexpr PathStep kFrontBody[] = {
    // Up the left fender and over it to the bonnet.
    moveTo(-0.52, -0.05), lineTo(-0.54, -0.16), cubicTo(-0.54, -0.25, -0.48, -0.3, -0.38, -0.3),
    cubicTo(-0.3, -0.3, -0.26, -0.27, -0.2, -0.265),
    // Across the bonnet and over the right fender.
    lineTo(0.2, -0.265), cubicTo(0.26, -0.27, 0.3, -0.3, 0.38, -0.3),
    cubicTo(0.48, -0.3, 0.54, -0.25, 0.54, -0.16), lineTo(0.52, -0.05), closePath()};
constexpr PathStep kCabin[] = {moveTo(-0.3, -0.27), lineTo(-0.2, -0.43),
                               cubicTo(-0.1, -0.455, 0.1, -0.455, 0.2, -0.43), lineTo(0.3, -0.27),
                               closePath()};
constexpr PathStep kScreen[] = {moveTo(-0.26, -0.28), lineTo(-0.18, -0.41),
                                cubicTo(-0.08, -0.43, 0.08, -0.43, 0.18, -0.41),
                                lineTo(0.26, -0.28), closePath()};
constexpr QPointF kScreenGlint[] = {{-0.16, -0.4}, {-0.08, -0.415}, {-0.19, -0.29}, {-0.24, -0.29}};
constexpr QPointF kGrilleShape[] = {{-0.3, -0.13}, {0.3, -0.13}, {0.26, -0.07}, {-0.26, -0.07}};
constexpr PathStep kSpineEdges[] = {moveTo(-0.075, -0.265), lineTo(-0.075, -0.13),
                                    moveTo(0.075, -0.265), lineTo(0.075, -0.13)};
constexpr QPointF kSpineOverRoof[] = {{-0.06, -0.27}, {0.06, -0.27}, {0.04, -0.43}, {-0.04, -0.43}};
// The right headlamp, a slit swept up into the fender; the left mirrors it.
constexpr QPointF kSlitLamp[] = {{0.22, -0.2}, {0.46, -0.245}, {0.49, -0.205}, {0.26, -0.175}};

// A wheel seen from the side; a spinning one blurs its spokes into rings.
void sideWheel(QPainter& p, QPointF c, double r, bool spinning, double ink) {
  fill(p, circle(c, r), pal::kTyre);
  stroke(p, circle(c, r), art::ink(ink));
  stroke(p, circle(c, r * 0.86), QPen(kTyreSheen, r * 0.08));
  const double rim = r * 0.62;
  fill(p, circle(c, rim),
       gradient(c - QPointF(0, rim), c + QPointF(0, rim), {{0.0, kRimLit}, {1.0, kRimShade}}));
  if (spinning) {
    for (double k : {0.78, 0.5}) stroke(p, circle(c, rim * k), QPen(kSpokeBlur, rim * 0.14));
  } else {
    for (int i = 0; i < 5; ++i) {
      const double a = i * 2 * kPi / 5 - kPi / 2;
      const QPointF d(std::cos(a), std::sin(a));
      stroke(p, segment(c + d * rim * 0.25, c + d * rim * 0.92),
             QPen(kSpoke, rim * 0.2, Qt::SolidLine, Qt::RoundCap));
    }
  }
  fill(p, circle(c, rim * 0.22), kHub);
  stroke(p, circle(c, rim), art::ink(ink * 0.6));
}

}  // namespace

QPainterPath numberPath(int digit, QPointF c, double h) {
  std::span<const PathStep> strokes = kZero;
  switch (digit) {
    case 1:
      strokes = kOne;
      break;
    case 2:
      strokes = kTwo;
      break;
    case 3:
      strokes = kThree;
      break;
    case 7:
      strokes = kSeven;
      break;
    case 9:
      strokes = kNine;
      break;
    default:
      break;
  }
  return tracePath(strokes, c, QSizeF(h * 0.6, h));
}

void sideCar(QPainter& p, QPointF rear, double length, int facing, const Livery& l, bool spinning,
             const QColor& rim) {
  p.save();
  p.translate(rear);
  p.scale(facing * length, length);
  const double px = 1.0 / length;  // one screen pixel in car units
  const double ink = kOutline * px;

  // Shadow on the road.
  fill(p, ellipse(QPointF(0.5, -0.005), 0.56, 0.03), withAlpha(kRoadShadow, 90));

  const double wheelR = 0.084;
  const QPointF rearWheel(0.19, -wheelR), frontWheel(0.8, -wheelR);
  const double arch = 0.104;

  QPainterPath body = tracePath(kTail);
  extendPath(body, kRoof);
  extendPath(body, kNose);
  for (const QPointF w : {frontWheel, rearWheel}) {
    body.lineTo(w.x() + arch, -0.04);
    body.arcTo(QRectF(w.x() - arch, w.y() - arch, 2 * arch, 2 * arch), 0, 180);
  }
  body.closeSubpath();

  // Dark wheel wells, then the wheels inside them.
  for (const QPointF w : {rearWheel, frontWheel}) fill(p, circle(w, arch), kWheelWell);
  sideWheel(p, rearWheel, wheelR, spinning, ink);
  sideWheel(p, frontWheel, wheelR * 0.97, spinning, ink);

  fill(p, body,
       gradient({0, -0.28}, {0, -0.04},
                {{0.0, l.body.lighter(135)},
                 {0.35, l.body},
                 {0.75, l.body.darker(115)},
                 {1.0, l.body.darker(160)}}));
  clipped(p, body, [&] {
    // The livery: a broad side stripe edged in trim, and the accent along
    // the top of the nose, roof and deck where the racing stripes run.
    fill(p, rect(-0.1, -0.15, 1.2, 0.045), l.accent);
    fill(p, rect(-0.1, -0.158, 1.2, 0.007), l.trim);
    fill(p, rect(-0.1, -0.104, 1.2, 0.007), l.trim);
    QPainterPath crown = tracePath(kCrownStart);
    extendPath(crown, kRoof);
    extendPath(crown, kCrownEnd);
    stroke(p, crown, QPen(l.accent, 0.022));
    // Splitter and diffuser.
    fill(p, rect(-0.1, -0.058, 1.2, 0.02), kSplitter);
    // Side intake behind the door.
    fill(p, polygon(kIntake), kSideIntake);
  });

  // Rim light along the top, then the ink.
  stroke(p, tracePath(kRimLine), QPen(rim, 2.2 * px, Qt::SolidLine, Qt::RoundCap));
  stroke(p, body, art::ink(ink));

  // The canopy.
  fillOutlined(p, tracePath(kCanopy),
               glassGradient({0.4, -0.26}, {0.6, -0.19}, 0.5, pal::kGlass.darker(130)), ink * 0.7);
  fill(p, polygon(kCanopyGlint), withAlpha(Qt::white, 110));

  // Number roundel on the door.
  if (l.number > 0) {
    const QPointF c(0.52, -0.128);
    fillOutlined(p, ellipse(c, 0.042, 0.042), pal::kWhite, ink * 0.6);
    p.save();
    // Numbers always read left to right.
    p.translate(c);
    p.scale(facing, 1);
    p.translate(-c);
    stroke(p, numberPath(l.number, c, 0.05), QPen(pal::kInk, 0.011, Qt::SolidLine, Qt::RoundCap));
    p.restore();
  }

  // Headlight and tail light.
  fillOutlined(p, polygon(kHeadlamp), pal::kHeadlight, ink * 0.5);
  fillOutlined(p, rect(-0.008, -0.17, 0.02, 0.028), pal::kTailLight, ink * 0.5);

  // The rear wing on its post.
  fill(p, rect(0.06, -0.25, 0.018, 0.06), kWingPost);
  fillOutlined(
      p, roundedRect(QRectF(-0.03, -0.278, 0.17, 0.032), 0.01),
      gradient({0, -0.278}, {0, -0.246}, {{0.0, l.trim.lighter(120)}, {1.0, l.trim.darker(125)}}),
      ink * 0.8);
  fillOutlined(p, rect(-0.036, -0.286, 0.032, 0.075), l.accent.darker(110), ink * 0.6);
  p.restore();
}

void speedLines(QPainter& p, QRectF area, int count, std::uint32_t seed, const QColor& colour) {
  Dice dice(seed);
  for (int i = 0; i < count; ++i) {
    const double y = dice.uniform(area.top(), area.bottom());
    const double x1 = dice.uniform(area.left() + area.width() * 0.4, area.right());
    const double len = dice.uniform(area.width() * 0.25, area.width() * 0.6);
    drawStreak(p, QPointF(x1, y), QPointF(x1 - len, y), dice.uniform(1.0, 2.4),
               withAlpha(colour, 90 + dice.below(100)));
  }
}

void frontCar(QPainter& p, QPointF base, double width, const Livery& l, bool lampsOn, bool spine) {
  p.save();
  p.translate(base);
  p.scale(width, width);
  const double px = 1.0 / width;
  const double ink = kOutline * px;

  fill(p, ellipse(QPointF(0, 0.0), 0.62, 0.05), withAlpha(kRoadShadow, 110));
  // Tyres.
  for (double side : {-1.0, 1.0}) {
    fillOutlined(p, roundedRect(QRectF(side * 0.5 - (side > 0 ? 0.15 : 0), -0.2, 0.15, 0.2), 0.03),
                 pal::kTyre, ink);
  }
  const QPainterPath body = tracePath(kFrontBody);
  fillOutlined(
      p, tracePath(kCabin),
      gradient({0, -0.45}, {0, -0.27}, {{0.0, l.body.lighter(115)}, {1.0, l.body.darker(110)}}),
      ink);
  fillOutlined(p, tracePath(kScreen),
               glassGradient({0, -0.43}, {0, -0.28}, 0.45, pal::kGlass.darker(140)), ink * 0.7);
  fill(p, polygon(kScreenGlint), withAlpha(Qt::white, 70));

  fill(p, body,
       gradient({0, -0.3}, {0, -0.05},
                {{0.0, l.body.lighter(130)}, {0.4, l.body}, {1.0, l.body.darker(150)}}));
  clipped(p, body, [&] {
    if (spine) {
      fill(p, rect(-0.075, -0.4, 0.15, 0.4), l.trim);
      fill(p, rect(-0.06, -0.4, 0.12, 0.4), l.accent);
    } else {
      fill(p, rect(-0.09, -0.4, 0.06, 0.4), l.accent);
      fill(p, rect(0.03, -0.4, 0.06, 0.4), l.accent);
    }
    // The intake and splitter.
    fillOutlined(p, polygon(kGrilleShape), kGrille, ink * 0.6);
    for (double x = -0.24; x < 0.25; x += 0.06) {
      stroke(p, segment(QPointF(x, -0.125), QPointF(x, -0.075)), QPen(kSlat, 0.012));
    }
    fill(p, rect(-0.6, -0.06, 1.2, 0.02), kChin);
  });
  if (spine) stroke(p, tracePath(kSpineEdges), QPen(pal::kInk, ink * 0.4));
  stroke(p, body, art::ink(ink));
  if (spine) fill(p, polygon(kSpineOverRoof), l.accent);

  // Headlamps: slits swept up into the fenders.
  for (double side : {-1.0, 1.0}) {
    std::array<QPointF, std::size(kSlitLamp)> lamp;
    std::ranges::transform(kSlitLamp, lamp.begin(),
                           [&](QPointF q) { return QPointF(side * q.x(), q.y()); });
    fillOutlined(p, polygon(lamp), lampsOn ? kLampLit : pal::kHeadlight, ink * 0.6);
  }
  if (lampsOn) {
    for (double side : {-1.0, 1.0}) {
      const QPointF c(side * 0.36, -0.21);
      glow(p, c, 0.3, kLampGlow, 230);
      twinkle(p, c, 0.16, kLampSpark);
      twinkle(p, c, 0.07, Qt::white);
    }
  }
  p.restore();
}

}  // namespace art::scene
