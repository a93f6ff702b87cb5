// Stage 3: facing Brisko under the city's neon, the two cars nose to nose in
// the wet pit lane.

#include <QRadialGradient>
#include <cmath>
#include <utility>

#include "scenes.h"

namespace art::scene {
namespace {

// The night.
const QColor kSkyTop(0x0c0a26), kSkyMiddle(0x2a1652), kSkyGlow(0x6a246a);
const QColor kMoon(0xfff4d0), kMoonGlow(0xfff0c8);

// The towers, and the colours their windows are lit.
const QColor kFarTower(0x3a2a6a), kFarWindow(0xffd080);
const QColor kLeftBlock(0x261e44), kLeftWindow(0x9ae8ff);
const QColor kRightBlock(0x241c40), kRightWindow(0xffb0e0);

// Neon, and what holds it up.
const QColor kPink(0xff3fb4), kCyan(0x3ff0ff), kAmber(0xffb03f);
const QColor kSignBack = withAlpha(0x140e26, 230);
const QColor kGantryPost(0x302c44), kGantryTop(0x2a2640), kGantryFoot(0x161226);

// The pit lane and the cars in it.
const QColor kStreetFar(0x1e1a30), kStreetNear(0x100e1a), kLaneDash(0xffd23a);
const QColor kLampPool(0xffd8a0);
const QColor kPinkRim = withAlpha(0xff9ae0, 200), kCyanRim = withAlpha(0x9af0ff, 200);
const QColor kBriskoOrange(0xff861e);
const Livery kBrisko{kBriskoOrange, QColor(0x26242e), pal::kWhite, 9};
const QColor kTyreDark(0x2a2a34), kTyreLit(0x4a4a5a), kTyreShade(0x1c1c24);
const QColor kDrawerLine = withAlpha(Qt::black, 90), kDrawerHandle(0xd8dce4);
const QColor kBarrierTop(0x4a465e), kBarrierFoot(0x222030);

// The arrow sign on the left block.
constexpr PathStep kArrowSign[] = {moveTo(20, 130), lineTo(80, 130), moveTo(66, 118),
                                   lineTo(82, 130), lineTo(66, 142)};

// A neon tube along `path`: a wide soft halo, a bright core.
void neon(QPainter& p, const QPainterPath& path, const QColor& colour, double width = 2.2) {
  stroke(p, path,
         QPen(withAlpha(colour, 50), width * 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  stroke(p, path,
         QPen(withAlpha(colour, 110), width * 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  stroke(p, path, QPen(colour.lighter(140), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  stroke(p, path,
         QPen(withAlpha(Qt::white, 200), width * 0.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// A tower block with rows of lit windows.
void tower(QPainter& p, const QRectF& r, const QColor& wall, Dice& dice, const QColor& window,
           double ink) {
  fillOutlined(p, rect(r.x(), r.y(), r.width(), r.height()),
               gradient(r.topLeft(), r.topRight(), {{0.0, wall.lighter(118)}, {1.0, wall}}), ink);
  for (double y = r.top() + 5; y < r.bottom() - 4; y += 7) {
    for (double x = r.left() + 4; x < r.right() - 4; x += 6) {
      if (dice.below(3) == 0) continue;
      fill(p, rect(x, y, 3, 3.6), withAlpha(window, 90 + dice.below(150)));
    }
  }
}

// The signs on the near blocks: on the left a cyan frame round a pink zigzag
// over an amber arrow, on the right a ringed planet and a star.
void signs(QPainter& p) {
  const QPainterPath frame = roundedRect(QRectF(14, 44, 84, 50), 8);
  fill(p, frame, kSignBack);
  neon(p, frame, kCyan);
  QPainterPath zig(QPointF(24, 78));
  for (int i = 0; i < 6; ++i) zig.lineTo(32 + i * 10, i % 2 ? 78 : 58);
  neon(p, zig, kPink);
  neon(p, tracePath(kArrowSign), kAmber, 2.6);
  neon(p, ellipse(QPointF(512, 84), 20, 20), kPink);
  neon(p, ellipse(QPointF(512, 84), 34, 9), kCyan);
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const double a = -kPi / 2 + i * kPi / 5;
    const QPointF q = QPointF(500, 150) + QPointF(std::cos(a), std::sin(a)) * (i % 2 ? 7 : 16);
    i == 0 ? star.moveTo(q) : star.lineTo(q);
  }
  star.closeSubpath();
  neon(p, star, kAmber);
}

// The pit lane's neon gantry over both cars: two chevrons meeting.
void gantry(QPainter& p, double street) {
  fillOutlined(p, rect(150, 28, 8, street - 28), kGantryPost, 1.2);
  fillOutlined(p, rect(412, 28, 8, street - 28), kGantryPost, 1.2);
  fillOutlined(p, roundedRect(QRectF(140, 24, 290, 34), 6),
               gradient({0, 24}, {0, 58}, {{0.0, kGantryTop}, {1.0, kGantryFoot}}), kOutline);
  for (double side : {-1.0, 1.0}) {
    QPainterPath chev;
    for (int k = 0; k < 3; ++k) {
      const double x = 285 - side * (30 + k * 22);
      chev.moveTo(x - side * 8, 32);
      chev.lineTo(x + side * 4, 41);
      chev.lineTo(x - side * 8, 50);
    }
    neon(p, chev, side < 0 ? kAmber : kCyan, 2.0);
  }
  neon(p, circle(QPointF(285, 41), 8), kPink, 2.0);
}

// A stack of tyres and a tool trolley in the pit lane, lit by the signs.
void pitGear(QPainter& p) {
  for (int k = 0; k < 4; ++k) {
    fillOutlined(p, roundedRect(QRectF(20, 262 - k * 16, 62, 16), 6),
                 gradient({20, 0}, {82, 0}, {{0.0, kTyreDark}, {0.4, kTyreLit}, {1.0, kTyreShade}}),
                 1.4);
    stroke(p, segment(QPointF(24, 270 - k * 16), QPointF(78, 270 - k * 16)),
           QPen(withAlpha(kCyan, 140), 1.0));
  }
  fillOutlined(p, roundedRect(QRectF(486, 226, 60, 44), 4),
               gradient({0, 226}, {0, 270}, {{0.0, pal::kCarRed}, {1.0, pal::kCarRed.darker(150)}}),
               1.4);
  for (double y : {236.0, 248.0, 260.0}) {
    fill(p, rect(490, y, 52, 1.5), kDrawerLine);
    fill(p, rect(510, y - 4, 12, 2.5), kDrawerHandle);
  }
  for (double x : {494.0, 538.0}) fillOutlined(p, circle(QPointF(x, 274), 4), pal::kTyre, 1.0);
}

}  // namespace

void paintCity(QPainter& p) {
  const double W = 570, H = 395;
  const double street = 212;
  p.fillRect(QRectF(0, 0, W, street),
             gradient({0, 0}, {0, street}, {{0.0, kSkyTop}, {0.55, kSkyMiddle}, {1.0, kSkyGlow}}));
  Dice dice(303);
  for (int i = 0; i < 40; ++i) {
    const QPointF at(dice.uniform(0, W), dice.uniform(2, 70));
    fill(p, circle(at, dice.uniform(0.4, 1.0)),
         withAlpha(pal::kWhite, 160 - static_cast<int>(at.y() * 1.5)));
  }
  // A crescent moon.
  fill(p, circle(QPointF(498, 34), 16).subtracted(circle(QPointF(506, 28), 14)), kMoon);
  glow(p, QPointF(494, 38), 40, kMoonGlow, 60);
  // The far skyline, hazy violet, windows pricked out in gold.
  for (double x = 110; x < 470; x += dice.uniform(18, 30)) {
    const double h = dice.uniform(50, 130);
    tower(p, QRectF(x, street - 40 - h, dice.uniform(16, 28), h + 40), kFarTower, dice, kFarWindow,
          0);
    if (dice.below(3) == 0) {
      fill(p, circle(QPointF(x + 8, street - 44 - h), 1.6), pal::kTailLight);
    }
  }
  // Nearer blocks on either side, darker, with big neon signs.
  tower(p, QRectF(-2, 20, 120, street), kLeftBlock, dice, kLeftWindow, kOutline);
  tower(p, QRectF(452, 34, 120, street), kRightBlock, dice, kRightWindow, kOutline);
  signs(p);
  gantry(p, street);

  // The wet street, the signs smeared across it.
  p.fillRect(QRectF(0, street, W, H - street),
             gradient({0, street}, {0, H}, {{0.0, kStreetFar}, {1.0, kStreetNear}}));
  struct Smear {
    double x, w;
    QColor c;
  };
  for (const Smear& sm :
       {Smear{56, 70, kCyan}, Smear{50, 50, kPink}, Smear{512, 60, kPink}, Smear{500, 30, kAmber},
        Smear{285, 200, kAmber}, Smear{200, 60, kAmber}, Smear{370, 60, kCyan}}) {
    for (int k = 0; k < 10; ++k) {
      const double y = street + 4 + k * 16 + dice.uniform(0, 6);
      const double w = sm.w * (1 - k * 0.07) * dice.uniform(0.6, 1.0);
      fill(p, rect(sm.x - w / 2 + dice.uniform(-6, 6), y, w, dice.uniform(1.5, 3.5)),
           withAlpha(sm.c, 90 - k * 7));
    }
  }
  // The pit lane lines.
  fill(p, rect(0, street + 2, W, 2), withAlpha(pal::kWhite, 150));
  for (double x = -10; x < W; x += 40)
    fill(p, rect(x, street + 44, 22, 3), withAlpha(kLaneDash, 190));
  fill(p, rect(0, H - 70, W, 3), withAlpha(pal::kWhite, 90));

  // Brisko's orange car and the player's, nose to nose.
  for (const QPointF c : {QPointF(220, street - 4), QPointF(352, street - 4)}) {
    QRadialGradient pool(c, 90);
    pool.setColorAt(0, withAlpha(kLampPool, 70));
    pool.setColorAt(1, withAlpha(kLampPool, 0));
    fill(p, ellipse(c, 90, 18), pool);
  }
  sideCar(p, {138, street}, 138, 1, kBrisko, false, kPinkRim);
  sideCar(p, {432, street}, 138, -1, livery::kPlayer, false, kCyanRim);
  // Their reflections in the wet lane.
  for (const auto& [x, c] : {std::pair{215.0, kBriskoOrange}, std::pair{355.0, pal::kCarRed}}) {
    for (int k = 0; k < 6; ++k) {
      fill(p, rect(x - 60 + k * 3, street + 6 + k * 6, 120 - k * 6, 2.4),
           withAlpha(c, 90 - k * 14));
    }
  }

  // The pit boxes painted on the lane, running towards us.
  for (double x : {120.0, 285.0, 450.0}) {
    stroke(p, segment(QPointF(x, street + 6), QPointF(x + (x - 285) * 0.9, H)),
           QPen(withAlpha(pal::kWhite, 60), 2.0));
  }
  pitGear(p);
  // Puddles holding the signs' colours.
  for (const auto& [c, colour] :
       {std::pair{QPointF(150, 330), kPink}, std::pair{QPointF(420, 350), kCyan},
        std::pair{QPointF(300, 372), kAmber}}) {
    fill(p, ellipse(c, 56, 9),
         gradient(c - QPointF(56, 0), c + QPointF(56, 0),
                  {{0.0, withAlpha(colour, 0)},
                   {0.5, withAlpha(colour, 90)},
                   {1.0, withAlpha(colour, 0)}}));
    stroke(p, ellipse(c, 40, 6), QPen(withAlpha(colour.lighter(150), 90), 0.8));
  }
  // A concrete barrier along the front, a neon strip along its top.
  const double barrier = H - 34;
  fillOutlined(p, rect(-2, barrier, W + 4, 40),
               gradient({0, barrier}, {0, H}, {{0.0, kBarrierTop}, {1.0, kBarrierFoot}}), kOutline);
  neon(p, segment(QPointF(0, barrier + 5), QPointF(W, barrier + 5)), kPink, 1.6);
  for (double x = 30; x < W; x += 90) {
    fill(p, vantorChevron(QPointF(x, barrier + 20), 10), withAlpha(pal::kWhite, 40));
  }
}

}  // namespace art::scene
