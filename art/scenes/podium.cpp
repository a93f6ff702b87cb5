// Stage 5: the floodlit podium after the final. The winner holds the cup
// high on the top step, the Ultrapex waits on the red carpet, fireworks over
// the packed stands and confetti over everything.

#include <QRadialGradient>
#include <cmath>
#include <utility>

#include "scenes.h"

namespace art::scene {
namespace {

// The night and its fireworks.
const QColor kSkyTop(0x0a0c26), kSkyLow(0x2e225e);
const QColor kFireworkPink(0xff5ab8), kFireworkLilac(0xb89aff);

// The stands and the floodlights.
const QColor kStandsTop(0x2a2c4c), kStandsFoot(0x1a1a30), kTier(0x5a6080);
const QColor kRoofRim(0xd8dce8), kFloodBeam(0xf0f6ff);
const QColor kSteelwork(0x4a4e62), kLampBank(0x3a3e50);
const QColor kFloodLamp(0xfffcec), kFloodGlow(0xf4f8ff);

// The cup, the podium and the people on and round it.
const QColor kGold(0xf6c03a), kGoldDeep(0xb07616), kGoldLight(0xffeea8);
const QColor kTrophyBase(0x2a2230);
const QColor kSilver(0xc8d0dc), kBronze(0xd88a4a), kStepShade(0xc8ccdc);
const QColor kSilhouette(0x1c1a2c), kGreyShirt(0x4a4e62);

// The track, the carpet and the crowd in front.
const QColor kTrackFar(0x3a3c4a), kTrackNear(0x222430), kTrackEdge(0xd8dae4);
const QColor kLightPool(0xfff0c8);
const QColor kCarpetFar(0xa8182c), kCarpetNear(0xd82a3a);
const QColor kShadowCrowd(0x121020), kCrowdRim(0x8a7ad8), kCamera(0x2a2a3a);

// The stands rise in tiers round the track under the curve of the roof.
constexpr PathStep kStands[] = {
    // From the track up to the roof's curve and back down.
    moveTo(-2, 168), lineTo(-2, 110), cubicTo(150, 96, 426, 96, 578, 110), lineTo(578, 168),
    closePath()};
constexpr PathStep kRoofRimLine[] = {moveTo(-2, 112), cubicTo(150, 98, 426, 98, 578, 112)};
constexpr QPointF kCarpet[] = {{250, 228}, {326, 228}, {420, 434}, {156, 434}};

// A firework burst: streaks radiating out, each tipped with a spark.
void firework(QPainter& p, QPointF c, double r, const QColor& colour, std::uint32_t seed) {
  Dice dice(seed);
  glow(p, c, r * 1.3, colour, 80);
  const int rays = 22;
  for (int i = 0; i < rays; ++i) {
    const double a = i * 2 * kPi / rays + dice.uniform(-0.08, 0.08);
    const QPointF d(std::cos(a), std::sin(a));
    const double len = r * dice.uniform(0.75, 1.0);
    drawStreak(p, c + d * len, c + d * len * 0.3, 2.2, withAlpha(colour.lighter(130), 230));
    fill(p, circle(c + d * len + QPointF(0, 1.5), 1.6), withAlpha(Qt::white, 230));
    fill(p, circle(c + d * len * 1.15 + QPointF(0, 5), 0.9), withAlpha(colour.lighter(150), 180));
  }
  fill(p, circle(c, 3), Qt::white);
}

// The winner's cup: a deep bowl with two handles on a stepped base.
void trophy(QPainter& p, QPointF foot, double h) {
  const double w = h * 0.7;
  const double cx = foot.x();
  // A point of the cup, `u` widths right of its middle, `v` heights up.
  const auto at = [&](double u, double v) { return QPointF(cx + w * u, foot.y() - h * v); };
  const QLinearGradient metal =
      gradient({cx - w / 2, 0}, {cx + w / 2, 0},
               {{0.0, kGoldDeep}, {0.3, kGoldLight}, {0.55, kGold}, {1.0, kGoldDeep}});
  // Handles.
  for (double side : {-1.0, 1.0}) {
    QPainterPath handle(at(side * 0.42, 0.92));
    handle.cubicTo(at(side * 0.8, 0.95), at(side * 0.8, 0.6), at(side * 0.3, 0.52));
    stroke(p, handle, QPen(pal::kInk, h * 0.07 + 2 * kOutline, Qt::SolidLine, Qt::RoundCap));
    stroke(p, handle, QPen(kGold, h * 0.07, Qt::SolidLine, Qt::RoundCap));
  }
  // The bowl narrows to the stem and flares out to the base, the same on
  // either side.
  QPainterPath bowl(at(-0.48, 1));
  bowl.lineTo(at(0.48, 1));
  bowl.cubicTo(at(0.46, 0.6), at(0.2, 0.42), at(0.08, 0.38));
  bowl.lineTo(at(0.08, 0.22));
  bowl.cubicTo(at(0.2, 0.2), at(0.28, 0.17), at(0.28, 0.14));
  bowl.lineTo(at(-0.28, 0.14));
  bowl.cubicTo(at(-0.28, 0.17), at(-0.2, 0.2), at(-0.08, 0.22));
  bowl.lineTo(at(-0.08, 0.38));
  bowl.cubicTo(at(-0.2, 0.42), at(-0.46, 0.6), at(-0.48, 1));
  bowl.closeSubpath();
  fillOutlined(p, bowl, metal, kOutline);
  fillOutlined(
      p, ellipse(QPointF(cx, foot.y() - h), w * 0.48, h * 0.06),
      gradient({cx - w / 2, 0}, {cx + w / 2, 0}, {{0.0, kGoldDeep.darker(120)}, {1.0, kGoldDeep}}),
      kOutline);
  fillOutlined(p, roundedRect(QRectF(cx - w * 0.34, foot.y() - h * 0.14, w * 0.68, h * 0.14), 2),
               kTrophyBase, kOutline);
  fill(p, rect(cx - w * 0.16, foot.y() - h * 0.11, w * 0.32, h * 0.06), kGold);
  fill(p, polygon({at(-0.3, 0.94), at(-0.2, 0.94), at(-0.12, 0.5), at(-0.18, 0.52)}),
       withAlpha(Qt::white, 150));
  twinkle(p, at(0.3, 0.85), h * 0.16, Qt::white);
}

// The stands, packed and lit, and the roof rim with its row of lamps.
void stands(QPainter& p, Dice& dice, double W) {
  const QPainterPath stands = tracePath(kStands);
  fillOutlined(p, stands, gradient({0, 96}, {0, 168}, {{0.0, kStandsTop}, {1.0, kStandsFoot}}),
               kOutline);
  clipped(p, stands, [&] {
    const QColor shirts[] = {pal::kCarRed, pal::kCarBlue, pal::kCarYellow,
                             pal::kWhite,  pal::kTeal,    pal::kSkyOrange};
    for (double y = 106; y < 168; y += 5) {
      for (double x = dice.uniform(0, 4); x < W; x += 4.2) {
        if (dice.below(4) == 0) continue;
        fill(p, circle(QPointF(x, y + dice.uniform(-1, 1)), 1.2),
             withAlpha(shirts[dice.below(6)], 150));
      }
    }
    for (double y : {122.0, 142.0}) fill(p, rect(0, y, W, 2), kTier);
  });
  const QPainterPath roof = tracePath(kRoofRimLine);
  stroke(p, roof, QPen(kRoofRim, 4));
  for (double t = 0.02; t < 1; t += 0.04)
    fill(p, circle(roof.pointAtPercent(t), 1.6), pal::kHeadlight);
}

// Floodlight towers at each side, beams crossing over the podium.
void floodlights(QPainter& p, double W) {
  for (double side : {-1.0, 1.0}) {
    const double x = side < 0 ? 40 : W - 40;
    fill(p, polygon({{x - 18, 28}, {x + 18, 28}, {288 + side * 40, 230}, {288 + side * 160, 230}}),
         gradient({x, 28}, {288, 230},
                  {{0.0, withAlpha(kFloodBeam, 90)}, {1.0, withAlpha(kFloodBeam, 0)}}));
    fillOutlined(p, polygon({{x - 4, 170}, {x + 4, 170}, {x + 2, 40}, {x - 2, 40}}), kSteelwork,
                 1.2);
    fillOutlined(p, roundedRect(QRectF(x - 20, 14, 40, 26), 3), kLampBank, kOutline);
    for (int r = 0; r < 3; ++r) {
      for (int c = 0; c < 4; ++c) {
        fill(p, circle(QPointF(x - 13.5 + c * 9, 20 + r * 7.5), 3), kFloodLamp);
      }
    }
    glow(p, QPointF(x, 27), 46, kFloodGlow, 170);
  }
}

// The podium, the winner holding the cup high on the top step, the
// runner-up beside, and the Vantor crew cheering round it.
void podium(QPainter& p, double floor) {
  struct Step {
    double x, top, w;
    int place;
    QColor stripe;
  };
  for (const Step& s : {Step{206, 132, 56, 2, kSilver}, Step{314, 140, 56, 3, kBronze},
                        Step{260, 118, 56, 1, kGold}}) {
    fillOutlined(p, rect(s.x, s.top, s.w, floor - s.top),
                 gradient({s.x, 0}, {s.x + s.w, 0}, {{0.0, pal::kWhite}, {1.0, kStepShade}}),
                 kOutline);
    fill(p, rect(s.x + 1, s.top + 1, s.w - 2, 6), s.stripe);
    stroke(p, numberPath(s.place, QPointF(s.x + s.w / 2, s.top + 20), 16),
           QPen(pal::kInk, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  crewMember(p, {288, 88}, 7, 118, pal::kCarRed, kSilhouette, {278, 66}, {298, 66}, true);
  trophy(p, {288, 64}, 34);
  crewMember(p, {234, 104}, 6.5, 132, pal::kWhite, kSilhouette, {214, 84}, {254, 84});
  crewMember(p, {342, 116}, 6, 140, kGreyShirt, kSilhouette, {330, 98}, {354, 100});
  for (const auto& [x, shirt] : {std::pair{176.0, pal::kCarRed}, std::pair{402.0, pal::kCarRed},
                                 std::pair{152.0, pal::kWhite}, std::pair{426.0, pal::kWhite}}) {
    crewMember(p, {x, 146}, 7.5, floor + 4, shirt, kSilhouette, {x - 16, 124}, {x + 16, 122},
               x < 200 || x > 410);
  }
}

// The crowd at the front, dark against the glow, arms up and cameras out.
void frontCrowd(QPainter& p, Dice& dice, double W) {
  for (double x = -6; x < W + 20; x += dice.uniform(30, 40)) {
    const QPointF head(x, dice.uniform(388, 402));
    const double r = dice.uniform(11, 14);
    if (dice.below(3) != 0) {
      const double side = dice.below(2) ? 1 : -1;
      const QPointF hand = head + QPointF(side * r * 1.4, -r * dice.uniform(2.6, 3.6));
      stroke(
          p,
          curve(head + QPointF(side * r * 1.2, r * 1.6), head + QPointF(side * r * 1.8, 0), hand),
          QPen(kShadowCrowd, r * 0.7, Qt::SolidLine, Qt::RoundCap));
      if (dice.below(2)) {
        fill(p, rect(hand.x() - 3, hand.y() - 8, 6, 9), kCamera);
        glow(p, hand + QPointF(0, -5), 14, Qt::white, 200);
        fill(p, rect(hand.x() - 2, hand.y() - 7, 4, 2), Qt::white);
      } else {
        fill(p, circle(hand, r * 0.42), kShadowCrowd);
      }
    }
    QPainterPath person;
    person.addEllipse(head, r, r * 1.1);
    person.addRoundedRect(QRectF(head.x() - r * 2.2, head.y() + r * 0.9, r * 4.4, r * 4), r, r);
    person = person.simplified();
    fill(p, person, kShadowCrowd);
    stroke(p, person.intersected(rect(x - 40, 370, 80, 24)), QPen(withAlpha(kCrowdRim, 160), 1.2));
  }
}

// Confetti and streamers over everything.
void confetti(QPainter& p, Dice& dice, double W, double H) {
  const QColor bits[] = {pal::kCarRed,  pal::kCarYellow, pal::kTeal,    pal::kWhite,
                         kFireworkPink, pal::kCarBlue,   pal::kCarGreen};
  for (int i = 0; i < 200; ++i) {
    const QPointF c(dice.uniform(0, W), dice.uniform(0, H));
    p.save();
    p.translate(c);
    p.rotate(dice.uniform(0, 180));
    const double w = dice.uniform(2.5, 5), h = dice.uniform(1.4, 2.6);
    fill(p, rect(-w / 2, -h / 2, w, h), bits[dice.below(7)]);
    p.restore();
  }
  for (int i = 0; i < 10; ++i) {
    const QPointF a(dice.uniform(20, W - 20), dice.uniform(0, 150));
    QPainterPath ribbon(a);
    for (int k = 1; k <= 4; ++k) {
      ribbon.quadTo(a + QPointF(k % 2 ? 8 : -8, k * 7 - 3.5), a + QPointF(0, k * 7));
    }
    stroke(p, ribbon, QPen(bits[i % 7], 1.6, Qt::SolidLine, Qt::RoundCap));
  }
}

}  // namespace

void paintPodium(QPainter& p) {
  const double W = 576, H = 432;
  p.fillRect(QRectF(0, 0, W, H), gradient({0, 0}, {0, 150}, {{0.0, kSkyTop}, {1.0, kSkyLow}}));
  Dice dice(505);
  for (int i = 0; i < 30; ++i) {
    fill(p, circle(QPointF(dice.uniform(0, W), dice.uniform(0, 80)), 0.7),
         withAlpha(pal::kWhite, 150));
  }
  firework(p, {110, 50}, 40, pal::kSkyGold, 1);
  firework(p, {300, 34}, 30, kFireworkPink, 2);
  firework(p, {468, 58}, 44, pal::kTeal, 3);
  firework(p, {210, 92}, 22, kFireworkLilac, 4);
  firework(p, {390, 100}, 20, pal::kCarRed.lighter(120), 5);
  stands(p, dice, W);
  floodlights(p, W);
  const double floor = 176;
  podium(p, floor);

  // The track in front, the finish line under the car.
  p.fillRect(QRectF(0, floor, W, H - floor),
             gradient({0, floor}, {0, H}, {{0.0, kTrackFar}, {1.0, kTrackNear}}));
  fill(p, rect(0, floor, W, 4), kTrackEdge);
  for (int row = 0; row < 2; ++row) {
    for (double x = 0; x < W; x += 12) {
      if ((static_cast<int>(x / 12) + row) % 2) continue;
      fill(p, rect(x, 206 + row * 8, 12, 8), withAlpha(pal::kWhite, 210));
    }
  }
  // Light pooling on the tarmac.
  QRadialGradient pool(QPointF(288, 210), 220);
  pool.setColorAt(0, withAlpha(kLightPool, 80));
  pool.setColorAt(1, withAlpha(kLightPool, 0));
  fill(p, ellipse(QPointF(288, 210), 260, 60), pool);

  // The fireworks and floodlights shine back off the polished track.
  for (const auto& [x, colour] : {std::pair{110.0, pal::kSkyGold}, std::pair{468.0, pal::kTeal},
                                  std::pair{40.0, pal::kWhite}, std::pair{536.0, pal::kWhite}}) {
    for (int k = 0; k < 9; ++k) {
      const double w = 40 - k * 3;
      fill(p, rect(x - w / 2 + dice.uniform(-4, 4), 236 + k * 13, w, 2.2),
           withAlpha(colour, 80 - k * 8));
    }
  }
  // A red carpet laid up to the car for the presentation.
  const QPainterPath carpet = polygon(kCarpet);
  fill(p, carpet, gradient({0, 228}, {0, H}, {{0.0, kCarpetFar}, {1.0, kCarpetNear}}));
  stroke(p, carpet, QPen(kGold, 2.0));
  frontCar(p, {288, 226}, 160, livery::kUltrapex, false, true);
  // Its reflection in the polished track.
  for (int k = 0; k < 8; ++k) {
    fill(p, rect(288 - 70 + k * 4, 232 + k * 5, 140 - k * 8, 2.5),
         withAlpha(livery::kUltrapex.body, 100 - k * 12));
  }
  frontCrowd(p, dice, W);
  confetti(p, dice, W, H);
}

}  // namespace art::scene
