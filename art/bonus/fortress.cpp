// The fortress's side of Skyforge: its floating walls, their missiles, the
// homing drone, and its flagship with the shot it fires. Everything here
// faces left, at the players.

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <utility>

#include "bonus/craft.h"
#include "style.h"

namespace art {
namespace {

using namespace skyforge;

// The red glass of the seekers and the flagship's eye.
const QColor kSeekerPink{0xff, 0x9a, 0x9a};

// A core of the fortress: a round port burning from white to magenta in a
// heavy gunmetal ring, with `bolts` bolts of radius `bolt` round it on a
// circle of radius `boltRing`, the first at the angle `turn`.
struct Core {
  QPointF centre;
  double ring, port;
  int bolts;
  double turn, boltRing, bolt;
};

void paintCore(QPainter& p, const Core& c) {
  fillOutlined(p, circle(c.centre, c.ring),
               gradient(c.centre - QPointF(0, c.ring), c.centre + QPointF(0, c.ring),
                        {{0.0, kGunmetal.light}, {1.0, kGunmetal.dark}}));
  QRadialGradient fire(c.centre - QPointF(1.5, 1.5), c.port + 0.5);
  fire.setColorAt(0.0, kWhiteHot);
  fire.setColorAt(0.3, kCore.pale);
  fire.setColorAt(0.7, kCore.glow);
  fire.setColorAt(1.0, kCore.deep);
  fillOutlined(p, circle(c.centre, c.port), fire, kOutline * 0.7);
  p.setPen(Qt::NoPen);
  p.setBrush(pal::kConcrete);
  for (int i = 0; i < c.bolts; ++i) {
    const double a = c.turn + i * kPi * 2 / c.bolts;
    p.drawEllipse(c.centre + QPointF(std::cos(a), std::sin(a)) * c.boltRing, c.bolt, c.bolt);
  }
}

// A gun barrel, lit from above, with a heavier muzzle ring at its mouth.
void gunBarrel(QPainter& p, const QRectF& barrel, const QBrush& fill, const QRectF& muzzle) {
  fillOutlined(p, roundedRect(barrel, 1.2), fill, kOutline * 0.8);
  fillOutlined(p, roundedRect(muzzle, 1), kGunmetal.dark, kOutline * 0.7);
}

// --- A wall -----------------------------------------------------------------------------------

// The crag hanging under the bunker, and the facets of its broken rock.
constexpr QPointF kCrag[] = {{7, 64},  {89, 64}, {88, 72},  {82, 79},  {76, 84},
                             {72, 93}, {62, 97}, {56, 105}, {49, 111}, {44, 102},
                             {34, 98}, {28, 90}, {20, 85},  {12, 76},  {8, 70}};
constexpr QPointF kCragLitFace[] = {{7, 64}, {40, 64}, {30, 80}, {20, 85}, {12, 76}};
constexpr QPointF kCragShadedFace[] = {{60, 64}, {89, 64}, {76, 84}, {72, 93}, {62, 97}, {58, 82}};

void paintCrag(QPainter& p) {
  const QPainterPath rock = polygon(kCrag);
  fillOutlined(p, rock,
               gradient({0, 64}, {0, 111},
                        {{0.0, kStone.base}, {0.5, kStone.dark}, {1.0, kStone.dark.darker(140)}}),
               0);
  clipped(p, rock, [&] {
    // Facets of the broken rock, lit from the core above.
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(kWhiteHot, 30));
    p.drawPath(polygon(kCragLitFace));
    p.setBrush(withAlpha(kShadow, 50));
    p.drawPath(polygon(kCragShadedFace));
    p.setPen(QPen(withAlpha(pal::kInk, 150), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(30, 80), QPointF(44, 102));
    p.drawLine(QPointF(58, 82), QPointF(62, 97));
    p.drawLine(QPointF(40, 64), QPointF(30, 80));
    p.drawLine(QPointF(58, 82), QPointF(48, 70));
  });
  stroke(p, rock);
  // Crystals of the fortress's power growing out of the rock.
  for (const QPainterPath& crystal :
       {polygon({{26, 88}, {31, 91}, {24, 99}}), polygon({{60, 96}, {66, 93}, {63, 104}})}) {
    const QRectF box = crystal.boundingRect();
    fillOutlined(p, crystal,
                 gradient(box.topLeft(), box.bottomLeft(), {{0.0, kCore.pale}, {1.0, kCore.glow}}),
                 kOutline * 0.7);
  }
}

// The bunker, crenellated along its top, with armoured corners and a band
// of hazard chevrons along its foot.
void paintBunker(QPainter& p) {
  QPainterPath bunker;
  bunker.addRect(QRectF(10, 26, 76, 40));
  for (double x : {10.0, 26.5, 43.0, 59.5, 76.0}) bunker.addRect(QRectF(x, 17, 10, 10));
  bunker = bunker.simplified();
  fillOutlined(p, bunker,
               gradient({0, 17}, {0, 66},
                        {{0.0, kStone.base.lighter(125)}, {0.6, kStone.base}, {1.0, kStone.dark}}),
               0);
  clipped(p, bunker, [&] {
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
      p.setBrush(gradient({x, 0}, {x + 9, 0}, {{0.0, kGunmetal.light}, {1.0, kGunmetal.base}}));
      p.drawRect(QRectF(x, 17, 9, 41));
      p.setPen(Qt::NoPen);
      p.setBrush(kGunmetal.dark);
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
  });
  stroke(p, bunker);
  p.setPen(inkPen());
  p.drawLine(QPointF(10, 58), QPointF(86, 58));
}

}  // namespace

// A wall: a block of the fortress broken off and floating on its own, an
// armoured bunker on a crag of rock. Its core burns magenta in the middle
// and a gun pokes out of its left side, towards the players.
void paintBonusWall(QPainter& p) {
  glow(p, QPointF(48, 102), 18, 10, kCore.glow, 130);
  paintCrag(p);
  paintBunker(p);
  paintCore(p, {{48, 41}, 13, 9, 4, kPi / 4, 11, 1.1});

  // The gun in its housing on the left wall.
  fillOutlined(p, circle({11, 47}, 6), downward(41, 53, kGunmetal.light, kGunmetal.dark));
  gunBarrel(p, {1, 44.5, 11, 5}, downward(44.5, 49.5, kGunmetal.light, kGunmetal.base),
            {1, 43.5, 3.5, 7});

  // A beacon mast on the right-hand merlon.
  p.setPen(QPen(pal::kInk, 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(81, 17), QPointF(81, 7));
  glow(p, QPointF(81, 6), 5, 5, pal::kTailLight, 170);
  fillOutlined(p, circle({81, 6}, 2), pal::kTailLight.lighter(120), kOutline * 0.6);
}

// --- Missiles ---------------------------------------------------------------------------------

namespace {

constexpr PathStep kDart[] = {
    cubicTo({3, 11}, {6, 10}, {10, 10}),
    lineTo({30, 10}),
    lineTo({31, 11}),
    lineTo({31, 17}),
    lineTo({30, 18}),
    lineTo({10, 18}),
    cubicTo({6, 18}, {3, 17}, {1.5, 14}),
};

// The drone's fat body, about its axis at height 24.
constexpr double kDroneAxis = 24;
constexpr PathStep kDrone[] = {
    cubicTo({2.5, kDroneAxis - 5.5}, {6, kDroneAxis - 8}, {11, kDroneAxis - 8}),
    lineTo({33, kDroneAxis - 7}),
    cubicTo({35.5, kDroneAxis - 7}, {37.5, kDroneAxis - 5}, {37.5, kDroneAxis - 3}),
    lineTo({37.5, kDroneAxis + 3}),
    cubicTo({37.5, kDroneAxis + 5}, {35.5, kDroneAxis + 7}, {33, kDroneAxis + 7}),
    lineTo({11, kDroneAxis + 8}),
    cubicTo({6, kDroneAxis + 8}, {2.5, kDroneAxis + 5.5}, {2, kDroneAxis}),
};

}  // namespace

// A wall's missile: a slim dart with a red warhead, tail fins and a magenta
// flame, flying left.
void paintBonusWallMissile(QPainter& p) {
  exhaust(p, QPointF(30.5, 14), 3.2, 12, 1, kFortressFlame);
  // Fins, the far pair in shadow behind the body.
  fillOutlined(p, polygon({{22, 13}, {27, 5.5}, {31, 5.5}, {30, 13}}), kGunmetal.dark,
               kOutline * 0.8);
  const QPainterPath body = outline({1.5, 14}, kDart);
  fillOutlined(p, body, paintwork(kGunmetal.base, 10, 18), 0);
  clipped(p, body, [&] {
    p.setPen(Qt::NoPen);
    // A red warhead, a brass band and a glint along the top.
    p.setBrush(paintwork(pal::kTailLight, 10, 18));
    p.drawRect(QRectF(0, 0, 10, 28));
    p.setBrush(kBrass);
    p.drawRect(QRectF(13.5, 0, 2.2, 28));
    p.setBrush(withAlpha(kWhiteHot, 120));
    p.drawRect(QRectF(0, 11, 31, 1.2));
  });
  stroke(p, body, ink(kOutline * 0.8));
  fillOutlined(p, polygon({{21, 15}, {27, 23.5}, {32, 23.5}, {30, 15}}),
               paintwork(kGunmetal.light, 15, 24), kOutline * 0.8);
}

// The homing drone: a fat missile with a red seeker eye in its nose, four
// swept fins and a hot engine. Its whole shape keeps to the top-left 49 x 49
// pixels of its picture, which is all the game's frame shows of it.
void paintBonusAimedMissile(QPainter& p) {
  const double cy = kDroneAxis;
  exhaust(p, QPointF(37, cy), 4.6, 10.5, 1, kFortressFlame);
  fillOutlined(p, polygon({{24, cy - 5}, {31, cy - 17}, {37, cy - 17}, {35, cy - 5}}),
               kGunmetal.dark);

  const QPainterPath body = outline({2, cy}, kDrone);
  fillOutlined(p, body, paintwork(kGunmetal.base, cy - 8, cy + 8), 0);
  clipped(p, body, [&] {
    p.setPen(Qt::NoPen);
    // Crimson bands and a pale seam along the top.
    p.setBrush(paintwork(pal::kTailLight.darker(115), cy - 8, cy + 8));
    p.drawRect(QRectF(15, 0, 3, 49));
    p.drawRect(QRectF(20, 0, 1.6, 49));
    p.setBrush(withAlpha(kWhiteHot, 110));
    p.drawRect(QRectF(8, cy - 6.2, 27, 1.3));
  });
  stroke(p, body);

  // The seeker: a glass eye glowing red, looking ahead.
  QRadialGradient seeker(QPointF(7, cy - 1), 4.5);
  seeker.setColorAt(0.0, kWhiteHot);
  seeker.setColorAt(0.35, kSeekerPink);
  seeker.setColorAt(0.75, pal::kTailLight);
  seeker.setColorAt(1.0, pal::kTailLight.darker(170));
  fillOutlined(p, circle({8, cy}, 4.2), seeker, kOutline * 0.7);

  fillOutlined(p, polygon({{23, cy + 5}, {30, cy + 18}, {37, cy + 18}, {35, cy + 5}}),
               paintwork(kGunmetal.light, cy + 5, cy + 18));
  fillOutlined(p, polygon({{26, cy - 1}, {34, cy - 2}, {38, cy + 4}, {31, cy + 3}}),
               paintwork(pal::kTailLight, cy - 2, cy + 4), kOutline * 0.8);
}

// --- The flagship -----------------------------------------------------------------------------

namespace {

// The hull: a wedge from the ram prow back to the engine block, with the
// brass trim along its top and the crimson band behind the prow.
constexpr PathStep kHull[] = {
    lineTo({20, 35}), cubicTo({32, 28}, {40, 25.5}, {52, 25}), lineTo({86, 21.5}), lineTo({86, 69}),
    lineTo({52, 68}), cubicTo({40, 67}, {30, 64}, {20, 59}),
};
constexpr QPointF kHullTrim[] = {{2.5, 48}, {20, 35},   {52, 25},  {86, 21.5},
                                 {86, 24},  {52, 27.6}, {21, 37.6}};
constexpr QPointF kProwBand[] = {{0, 48}, {22, 33}, {27, 33}, {27, 66}, {22, 66}};
constexpr PathStep kEye[] = {
    cubicTo({13, 43.2}, {19, 42.5}, {23, 43.5}),
    lineTo({22, 48}),
    cubicTo({18, 49}, {13, 48.8}, {9, 47}),
};

void paintHull(QPainter& p) {
  const QPainterPath hull = outline({2.5, 48}, kHull);
  fillOutlined(p, hull, paintwork(kGunmetal.base, 22, 69), 0);
  clipped(p, hull, [&] {
    // Armour plates, a crimson band behind the prow and brass along the top.
    p.setPen(QPen(withAlpha(pal::kInk, 140), 0.9));
    for (double x : {30.0, 44.0, 74.0}) p.drawLine(QPointF(x, 20), QPointF(x - 3, 70));
    p.drawLine(QPointF(2, 50), QPointF(86, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(paintwork(pal::kTailLight.darker(120), 30, 66));
    p.drawPath(polygon(kProwBand));
    p.setBrush(kBrass);
    p.drawPath(polygon(kHullTrim));
    // Rivets along the plate seams.
    p.setBrush(withAlpha(pal::kInk, 150));
    for (double y = 32; y < 66; y += 6) {
      for (double x : {33.0, 47.0, 77.0}) p.drawEllipse(QPointF(x - (y - 20) * 0.06, y), 0.8, 0.8);
    }
  });
  stroke(p, hull);

  // The eye on the prow under a heavy brow, glaring at the players.
  fillOutlined(
      p, outline({9, 47}, kEye),
      gradient({9, 0}, {23, 0}, {{0.0, kWhiteHot}, {0.4, kSeekerPink}, {1.0, pal::kTailLight}}),
      kOutline * 0.7);
  fillOutlined(p, polygon({{6.5, 44.5}, {14, 39.5}, {25, 39}, {24.5, 42}, {14, 42.5}}),
               kGunmetal.dark, kOutline * 0.7);

  // Twin guns under the prow.
  for (double y : {57.0, 62.5}) {
    gunBarrel(p, {14, y - 2, 20, 4}, downward(y - 2, y + 2, kGunmetal.light, kGunmetal.dark),
              {12.5, y - 2.8, 4, 5.6});
  }
}

// The bridge tower on the flagship's back, its mast and its lit windows.
void paintBridge(QPainter& p) {
  fillOutlined(p, polygon({{48, 27}, {56, 12}, {77, 10}, {83, 25}}),
               paintwork(kGunmetal.light, 10, 27));
  p.setPen(QPen(pal::kInk, 1.1));
  p.drawLine(QPointF(68, 10.5), QPointF(68, 3));
  p.setPen(Qt::NoPen);
  p.setBrush(pal::kTailLight);
  p.drawEllipse(QPointF(68, 3), 1.6, 1.6);
  QPainterPath windows;
  for (int i = 0; i < 5; ++i) windows.addRect(QRectF(56.5 + i * 4.4, 15, 2.6, 3.4));
  fillOutlined(p, windows, kBrass.lighter(125), kOutline * 0.4);
}

// The engine block at the stern, with its two nozzles.
void paintEngineBlock(QPainter& p) {
  fillOutlined(p, roundedRect({82, 18, 16, 54}, 4),
               gradient({82, 0}, {98, 0}, {{0.0, kGunmetal.light}, {1.0, kGunmetal.dark}}));
  p.setPen(QPen(withAlpha(pal::kInk, 150), 0.9));
  for (double y = 24; y < 70; y += 6) p.drawLine(QPointF(85, y), QPointF(89, y));
  for (double y : {33.0, 56.0})
    nozzle(p, {{95, y - 6, 5.5, 12}, 1.8, y - 6, y + 6}, kOutline * 0.8);
}

}  // namespace

// The flagship: an armoured dreadnought with a ram prow and a glaring eye,
// a bridge tower on its back, the fortress's great core amidships and
// two engines at the stern. It faces left, at the players, and keeps to the
// top-left 113 x 89 pixels its frame shows.
void paintBonusBoss(QPainter& p) {
  for (double y : {33.0, 56.0}) exhaust(p, QPointF(99.5, y), 5.2, 12.5, 1, kFortressFlame);

  // The keel fin under the hull and the far dorsal fin, in shadow.
  fillOutlined(p, polygon({{48, 64}, {78, 66}, {84, 84}, {74, 84}}), kGunmetal.dark);
  fillOutlined(p, polygon({{76, 24}, {92, 22}, {95, 6}, {89, 6}}), kGunmetal.dark);

  // Horns along the back, swept towards the stern.
  for (const auto& [x, h] : {std::pair{24.0, 12.0}, {36.0, 14.0}}) {
    fillOutlined(p,
                 polygon({{x - 2, 36 - (x - 24) * 0.5},
                          {x + 9, 29 - (x - 24) * 0.35},
                          {x + 6, 30 - (x - 24) * 0.5 - h}}),
                 paintwork(kGunmetal.light, 14, 34));
  }

  paintBridge(p);
  paintHull(p);
  paintCore(p, {{58, 47}, 12.5, 8.5, 6, 0, 10.6, 1.0});
  paintEngineBlock(p);

  // The near dorsal fin, crimson-edged.
  fillOutlined(p, polygon({{80, 22}, {96, 20}, {102, 3}, {95, 3}}),
               paintwork(kGunmetal.light, 3, 22));
  p.setPen(QPen(pal::kTailLight, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(82, 21), QPointF(95.5, 4.2));
  // The near wing, swept back under the hull, crimson along its leading edge.
  const QPainterPath wing = polygon({{40, 64}, {66, 66.5}, {78, 87}, {68, 87}});
  fillOutlined(p, wing, paintwork(kGunmetal.base, 64, 87), 0);
  p.setPen(QPen(pal::kTailLight, 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(42.5, 65.5), QPointF(68.5, 85.5));
  stroke(p, wing);
}

// The flagship's shot: a magenta ball of plasma trailing sparks to the right.
// It keeps to the top-left 33 x 25 pixels of its picture.
void paintBonusBossShot(QPainter& p) {
  const QPointF head(10.5, 12.5);
  glow(p, head, 10.5, 11.5, kCore.glow, 160);
  drawStreak(p, QPointF(13, 12.5), QPointF(32.5, 12.5), 10, withAlpha(kCore.deep, 190));
  drawStreak(p, QPointF(13, 12.5), QPointF(29, 12.5), 4.4, withAlpha(kCore.glow, 220));
  drawStreak(p, QPointF(15, 6.5), QPointF(29, 4.5), 1.4, withAlpha(kCore.pale, 200));
  drawStreak(p, QPointF(15, 18.5), QPointF(29, 20.5), 1.4, withAlpha(kCore.pale, 200));
  QRadialGradient plasma(head - QPointF(1.8, 1.8), 8);
  plasma.setColorAt(0.0, kWhiteHot);
  plasma.setColorAt(0.35, kCore.pale);
  plasma.setColorAt(0.8, kCore.glow);
  plasma.setColorAt(1.0, kCore.deep);
  fillOutlined(p, circle(head, 7), plasma, 1.2, kCore.deep.darker(150));
}

}  // namespace art
