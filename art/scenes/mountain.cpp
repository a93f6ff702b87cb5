// Stage 4: the Ultrapex coming through the spray on the mountain pass in the
// rain, Dorrin's lamps behind it.

#include <span>

#include "scenes.h"

namespace art::scene {
namespace {

// The storm.
const QColor kSkyTop(0x1a1e2e), kSkyMiddle(0x3a445a), kSkyLow(0x5e6c80);
const QColor kStormLit = withAlpha(0x4a5268, 200), kStormDark = withAlpha(0x222636, 220);
const QColor kLightning(0xc8dcff), kRain(0xd0e0f6), kMist(0x9aa6b6);

// The mountains.
const QColor kFarRidgeTop(0x627086), kFarRidgeFoot(0x7a8698);
const QColor kNearRidgeTop(0x3e4a5c), kNearRidgeFoot(0x566274);
const QColor kFir(0x26343a), kValleyFir = withAlpha(0x2c3a44, 200);
const QColor kGroundFar(0x2a3632), kGroundNear(0x1a2222);
const QColor kDropFar(0x6a788a), kDropNear(0x3a4656);
const QColor kCliffShade(0x3a404a), kCliffLit(0x565c66), kCrack = withAlpha(0x1e222a, 160);

// The road, its rail and sign.
const QColor kRoadFar(0x5a6270), kRoadMiddle(0x3a404c), kRoadNear(0x262a34);
const QColor kSkySheen(0xa8b8d0), kCentreLine(0xf2c230);
const QColor kRailPost(0x8a909a), kRailSteel(0xc8ced8), kRailEdge(0x5a606a);
const QColor kSignPost(0x6a707a);

// The cars and their light on the wet.
const QColor kDorrinRed(0xe82636);
const Livery kDorrin{QColor(0x262430), kDorrinRed, kDorrinRed};
const QColor kDorrinLamps = withAlpha(0xfff0c0, 40);
const QColor kBeam(0xfff4c8), kLampOnWet(0xfff0b8), kSpray(0xd0d8e6);

// Ridges, layered into the mist.
constexpr QPointF kFarRidge[] = {{-10, 120}, {60, 80},  {110, 100}, {180, 62}, {240, 96}, {300, 84},
                                 {360, 110}, {430, 70}, {500, 96},  {560, 76}, {650, 104}};
constexpr QPointF kNearRidge[] = {{-10, 140}, {40, 116},  {120, 146}, {200, 112}, {260, 138},
                                  {340, 124}, {420, 150}, {520, 114}, {600, 138}, {650, 126}};

// Lightning far off over the peaks.
constexpr PathStep kBolt[] = {moveTo(512, 20), lineTo(500, 48), lineTo(512, 52),
                              lineTo(494, 92), moveTo(500, 48), lineTo(486, 62)};

// The road bends away behind the rock at its far end; beyond the rail the
// mountainside drops away into the mist.
constexpr PathStep kRoad[] = {
    // The far end, from the rock round the bend.
    moveTo(120, 138), cubicTo(160, 134, 200, 133, 222, 136), cubicTo(240, 139, 250, 144, 262, 150),
    // The outside of the bend sweeping down past the rail to us.
    cubicTo(330, 174, 520, 270, 640, 390), lineTo(640, 480), lineTo(50, 480),
    // The inside edge, back up along the foot of the rock.
    cubicTo(120, 330, 160, 200, 170, 156), lineTo(120, 150), closePath()};
constexpr PathStep kDrop[] = {moveTo(262, 152), cubicTo(330, 176, 520, 272, 640, 392),
                              lineTo(640, 176), lineTo(255, 176), closePath()};
constexpr PathStep kCentreLineCourse[] = {moveTo(150, 137), cubicTo(200, 134, 226, 150, 234, 180),
                                          cubicTo(250, 240, 300, 360, 330, 490)};
constexpr PathStep kCliff[] = {
    // Its top, from the left edge to the brow over the road.
    moveTo(-2, 150), lineTo(60, 128), lineTo(130, 140), cubicTo(168, 150, 166, 186, 158, 216),
    // Its foot, falling away to the bottom left.
    cubicTo(138, 300, 84, 400, 26, 482), lineTo(-2, 482), closePath()};
constexpr PathStep kRail[] = {moveTo(266, 156), cubicTo(340, 184, 520, 268, 650, 378)};
constexpr QPointF kDorrinPool[] = {{196, 162}, {232, 162}, {252, 200}, {176, 200}};
constexpr QPointF kUltrapexBeams[] = {{250, 200}, {350, 200}, {470, 480}, {140, 480}};

// A jagged ridge line from left to right, filled down to `bottom`.
QPainterPath ridge(double bottom, std::span<const QPointF> peaks) {
  QPainterPath path;
  path.moveTo(peaks.front().x(), bottom);
  for (const QPointF& q : peaks) path.lineTo(q);
  path.lineTo(peaks.back().x(), bottom);
  path.closeSubpath();
  return path;
}

// A dark fir seen from the side.
void fir(QPainter& p, QPointF foot, double h, const QColor& colour) {
  QPainterPath tree(foot + QPointF(0, -h));
  for (int i = 1; i <= 4; ++i) {
    const double y = foot.y() - h + h * i / 4.0;
    const double w = h * 0.1 * i + h * 0.05;
    tree.lineTo(foot.x() + w, y);
    if (i < 4) tree.lineTo(foot.x() + w * 0.45, y - h * 0.04);
  }
  for (int i = 4; i >= 1; --i) {
    const double y = foot.y() - h + h * i / 4.0;
    const double w = h * 0.1 * i + h * 0.05;
    if (i < 4) tree.lineTo(foot.x() - w * 0.45, y - h * 0.04);
    tree.lineTo(foot.x() - w, y);
  }
  tree.closeSubpath();
  fill(p, tree, colour);
}

// The sky, the storm and the mountains up to the valley's mist.
void mountains(QPainter& p, Dice& dice, double W) {
  p.fillRect(QRectF(0, 0, W, 480),
             gradient({0, 0}, {0, 200}, {{0.0, kSkyTop}, {0.6, kSkyMiddle}, {1.0, kSkyLow}}));
  for (int i = 0; i < 14; ++i) {
    const QPointF c(dice.uniform(-40, W + 40), dice.uniform(0, 70));
    const double r = dice.uniform(30, 60);
    fill(p, ellipse(c, r * 1.6, r * 0.6),
         gradient(c - QPointF(0, r * 0.6), c + QPointF(0, r * 0.6),
                  {{0.0, kStormLit}, {1.0, kStormDark}}));
  }
  const QPainterPath bolt = tracePath(kBolt);
  glow(p, QPointF(502, 56), 70, kLightning, 120);
  stroke(p, bolt,
         QPen(withAlpha(kLightning, 160), 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  stroke(p, bolt, QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

  fill(p, ridge(200, kFarRidge),
       gradient({0, 60}, {0, 200}, {{0.0, kFarRidgeTop}, {1.0, kFarRidgeFoot}}));
  fill(p, ridge(220, kNearRidge),
       gradient({0, 110}, {0, 220}, {{0.0, kNearRidgeTop}, {1.0, kNearRidgeFoot}}));
  for (double x = -6; x < W; x += dice.uniform(7, 12)) {
    fir(p, {x, 168 + dice.uniform(-6, 10)}, dice.uniform(14, 24), kFir);
  }
  fill(p, rect(0, 150, W, 40),
       gradient(
           {0, 150}, {0, 190},
           {{0.0, withAlpha(kMist, 0)}, {0.5, withAlpha(kMist, 110)}, {1.0, withAlpha(kMist, 0)}}));
}

// The rock face rising on the left, cracked.
void cliff(QPainter& p, Dice& dice, double H) {
  const QPainterPath cliff = tracePath(kCliff);
  fillOutlined(p, cliff, gradient({0, 140}, {180, 0}, {{0.0, kCliffShade}, {1.0, kCliffLit}}),
               kOutline);
  clipped(p, cliff, [&] {
    for (int i = 0; i < 26; ++i) {
      const QPointF c(dice.uniform(0, 180), dice.uniform(140, H));
      stroke(p,
             polyline({c, c + QPointF(dice.uniform(-14, 14), dice.uniform(8, 24)),
                       c + QPointF(dice.uniform(-20, 20), dice.uniform(24, 40))}),
             QPen(kCrack, 1.2));
    }
  });
}

// The guard rail along the outside of the bend, with a warning sign.
void guardRail(QPainter& p) {
  const QPainterPath railLine = tracePath(kRail);
  for (double t = 0.05; t < 1.0; t += 0.075) {
    const QPointF q = railLine.pointAtPercent(t);
    const double s = 0.4 + t * 1.6;
    fillOutlined(p, rect(q.x() - 1.5 * s, q.y() - 2 * s, 3 * s, 12 * s), kRailPost, 0.8);
    fill(p, circle(q + QPointF(0, 1 * s), 1.4 * s), pal::kTailLight);
  }
  stroke(p, railLine.translated(0, -6), QPen(kRailSteel, 5.0, Qt::SolidLine, Qt::FlatCap));
  stroke(p, railLine.translated(0, -6), QPen(kRailEdge, 1.2));
  fillOutlined(p, rect(566, 244, 4, 58), kSignPost, 1.0);
  fillOutlined(p, roundedRect(QRectF(546, 214, 44, 32), 3), pal::kCarYellow, kOutline);
  for (double x : {556.0, 570.0}) {
    fill(p, polygon({{x, 220}, {x + 8, 230}, {x, 240}, {x + 5, 240}, {x + 13, 230}, {x + 5, 220}}),
         pal::kInk);
  }
}

}  // namespace

void paintMountain(QPainter& p) {
  const double W = 640, H = 480;
  Dice dice(404);
  mountains(p, dice, W);

  // The ground: a cliff on the left, the road sweeping down towards us.
  fill(p, rect(0, 176, W, H - 176),
       gradient({0, 176}, {0, H}, {{0.0, kGroundFar}, {1.0, kGroundNear}}));
  const QPainterPath road = tracePath(kRoad);
  const QPainterPath drop = tracePath(kDrop);
  fill(p, drop, gradient({0, 170}, {0, 400}, {{0.0, kDropFar}, {1.0, kDropNear}}));
  for (double x = 300; x < W; x += dice.uniform(10, 16)) {
    fir(p, {x, 196 + (x - 300) * 0.2 + dice.uniform(0, 30)}, dice.uniform(18, 30), kValleyFir);
  }
  fill(p, drop,
       gradient({0, 170}, {0, 400}, {{0.0, withAlpha(kMist, 60)}, {1.0, withAlpha(kMist, 140)}}));
  fill(p, road,
       gradient({0, 150}, {0, H}, {{0.0, kRoadFar}, {0.4, kRoadMiddle}, {1.0, kRoadNear}}));
  // Wet sheen of the sky on the road, and the yellow centre line curving
  // with it.
  clipped(p, road, [&] {
    fill(p, rect(0, 150, W, H),
         gradient({0, 150}, {0, 330},
                  {{0.0, withAlpha(kSkySheen, 80)}, {1.0, withAlpha(kSkySheen, 0)}}));
    QPen dash(kCentreLine, 3.0, Qt::CustomDashLine, Qt::FlatCap);
    dash.setDashPattern({4, 3});
    stroke(p, tracePath(kCentreLineCourse), dash);
  });
  stroke(p, road, QPen(withAlpha(pal::kWhite, 180), 2.0));
  cliff(p, dice, H);
  guardRail(p);

  // Dorrin's car behind, lamps on, and the Ultrapex coming through the spray.
  fill(p, polygon(kDorrinPool), kDorrinLamps);
  frontCar(p, {214, 164}, 52, kDorrin, true, false);
  // The Ultrapex's beams pour down the wet road towards us.
  fill(p, polygon(kUltrapexBeams),
       gradient({0, 200}, {0, H}, {{0.0, withAlpha(kBeam, 120)}, {1.0, withAlpha(kBeam, 0)}}));
  // Reflections of the lamps stretched down the wet tarmac.
  for (const double x : {246.0, 354.0}) {
    for (int k = 0; k < 14; ++k) {
      const double y = 220 + k * 9;
      const double w = 14 - k * 0.6;
      fill(p, rect(x - w / 2 + dice.uniform(-2, 2), y, w, 2.2),
           withAlpha(kLampOnWet, 170 - k * 11));
    }
  }
  for (int k = 0; k < 10; ++k) {
    fill(p, rect(300 - 40 + k * 2, 222 + k * 8, 80 - k * 4, 2),
         withAlpha(livery::kUltrapex.body, 110 - k * 10));
  }
  frontCar(p, {300, 216}, 150, livery::kUltrapex, true, true);
  // Spray from the tyres.
  for (double side : {-1.0, 1.0}) {
    for (int k = 0; k < 6; ++k) {
      glow(p, QPointF(300 + side * (70 + k * 8), 210 - k * 3), 14 + k * 3, kSpray, 90 - k * 12);
    }
  }

  // Rain over everything, slanting on the wind, and rings where it lands.
  for (int i = 0; i < 420; ++i) {
    const QPointF a(dice.uniform(-20, W), dice.uniform(-10, H));
    const double len = dice.uniform(8, 18);
    stroke(p, segment(a, a + QPointF(len * 0.3, len)),
           QPen(withAlpha(kRain, 50 + dice.below(80)), dice.uniform(0.6, 1.2), Qt::SolidLine,
                Qt::RoundCap));
  }
  clipped(p, road, [&] {
    for (int i = 0; i < 70; ++i) {
      const QPointF c(dice.uniform(60, W), dice.uniform(220, H));
      const double r = 2 + (c.y() - 200) / 40;
      stroke(p, ellipse(c, r, r * 0.3), QPen(withAlpha(kRain, 90), 0.8));
    }
  });
}

}  // namespace art::scene
