// The road of each stage. The picture stays put while the game moves
// everything on it, so it is drawn the same all the way down: unbroken kerbs
// and lane lines, and grain that runs along the road like a blur of speed.
// Anything that has to be seen going by lives in the "roadside" picture the
// game scrolls.

#include <QRadialGradient>

#include "stage/road_paint.h"
#include "stage/venue.h"
#include "style.h"

namespace art {
namespace {

using namespace stages;

// Clear sky: a faint warmth over the whole road.
const QColor kSunWarmth{255, 214, 150, 10};
// Neon from the city's shop fronts, smeared along the road.
const QColor kNeonPinkSpill{0xff, 0x3f, 0xb4, 60}, kNeonCyanSpill{0x3f, 0xf0, 0xff, 30},
    kNeonCyanGlare{0x3f, 0xf0, 0xff, 55}, kNeonAmberSpill{0xff, 0xb0, 0x3f, 26};
// Rain on the mountain pass.
const QColor kWaterSheen{170, 200, 230, 26}, kPuddle{140, 170, 205, 50},
    kRainRing{200, 225, 255, 40};
// Floodlights over the stadium: cool at the edges, warm in the middle.
const QColor kFloodCool{220, 235, 255, 34}, kFloodWarm{255, 250, 230, 14};

constexpr double kKerbShadowW = 4;

template <typename Draw>
void bothSides(double x0, double x1, Draw draw) {
  road::bothSides(kRoadW, x0, x1, draw);
}

void paintAsphalt(QPainter& p, const Venue& v, int stage) {
  p.fillRect(QRectF(0, 0, kRoadW, kRoadH), gradient({0, 0}, {kRoadW, 0},
                                                    {{0.0, v.asphaltEdge},
                                                     {0.2, v.asphalt},
                                                     {0.5, v.asphalt.lighter(104)},
                                                     {0.8, v.asphalt},
                                                     {1.0, v.asphaltEdge}}));

  // Rubber laid down in the wheel tracks of each lane, with the polished
  // crown between them.
  p.setPen(Qt::NoPen);
  for (int lane = 0; lane < 3; ++lane) {
    const double centre = kLaneLeft + kLaneW * (lane + 0.5);
    for (double side : {-1.0, 1.0}) {
      softStripe(p, centre + side * 22, 7, kRoadH, shadowTint(stage == 4 ? 18 : 30));
    }
    softStripe(p, centre, 8, kRoadH, lightTint(9));
  }

  Dice dice(5100 + stage);
  road::grain(p, dice, 1500, kRoadW, kRoadH, 24);
  road::sealedJoints(p, {kLaneLeft + kLaneW * 0.5 + 3, kLaneLeft + kLaneW * 2.5 - 5}, 40, 90, 200,
                     kRoadH);
}

void paintKerbs(QPainter& p, const Venue& v) {
  p.setPen(Qt::NoPen);
  // Trim, then the broad band, rounded over like a raised kerb.
  bothSides(0, 3,
            [&](double x0, double x1) { p.fillRect(QRectF(x0, 0, x1 - x0, kRoadH), v.kerbTrim); });
  bothSides(3, kKerbW, [&](double x0, double x1) {
    p.fillRect(QRectF(x0, 0, x1 - x0, kRoadH), gradient({x0, 0}, {x1, 0},
                                                        {{0.0, v.kerb.darker(118)},
                                                         {0.45, v.kerb.lighter(112)},
                                                         {1.0, v.kerb.darker(125)}}));
  });
  // Ink where the kerb drops to the asphalt, with a soft shadow beyond.
  p.fillRect(QRectF(kKerbW, 0, kKerbShadowW, kRoadH),
             gradient({kKerbW, 0}, {kKerbW + kKerbShadowW, 0},
                      {{0.0, shadowTint(70)}, {1.0, shadowTint(0)}}));
  p.fillRect(QRectF(kRoadW - kKerbW - kKerbShadowW, 0, kKerbShadowW, kRoadH),
             gradient({kRoadW - kKerbW - kKerbShadowW, 0}, {kRoadW - kKerbW, 0},
                      {{0.0, shadowTint(0)}, {1.0, shadowTint(70)}}));
  // Ink along the road's outer edges, so the dashboard's caption beside it
  // stands clear of the kerb.
  bothSides(0, 1.5, [&](double x0, double x1) {
    p.fillRect(QRectF(x0, 0, x1 - x0, kRoadH), withAlpha(pal::kInk, 230));
  });
  p.setPen(QPen(withAlpha(pal::kInk, 200), 1.0));
  p.drawLine(QPointF(kKerbW + 0.5, 0), QPointF(kKerbW + 0.5, kRoadH));
  p.drawLine(QPointF(kRoadW - kKerbW - 0.5, 0), QPointF(kRoadW - kKerbW - 0.5, kRoadH));
}

void paintLines(QPainter& p, const Venue& v) {
  p.setPen(Qt::NoPen);
  bothSides(kEdgeLine, kEdgeLine + 3,
            [&](double x0, double x1) { p.fillRect(QRectF(x0, 0, x1 - x0, kRoadH), v.edgeLine); });
  for (int i = 1; i < 3; ++i) {
    const double x = kLaneLeft + kLaneW * i;
    p.fillRect(QRectF(x - 1.25, 0, 2.5, kRoadH), v.laneLine);
  }
}

// Neon glows smeared along the city road: centre, half width, colour.
struct Glow {
  double x, half;
  const QColor& c;
};

// Standing water on the pass: long glossy sheets and a few shallow puddles,
// with rain rings on them.
void wetRoad(QPainter& p) {
  for (double x : {46.0, 120.0, 196.0}) softStripe(p, x, 14, kRoadH, kWaterSheen);
  Dice dice(404);
  for (int i = 0; i < 7; ++i) {
    const QPointF c(dice.uniform(30, 220), dice.uniform(10, 335));
    const double rx = dice.uniform(8, 16);
    const double ry = rx * dice.uniform(1.6, 2.6);
    QRadialGradient puddle(c, ry);
    puddle.setColorAt(0, kPuddle);
    puddle.setColorAt(1, withAlpha(kPuddle, 0));
    p.setBrush(puddle);
    p.drawEllipse(c, rx, ry);
  }
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 60; ++i) {
    const QPointF c(dice.uniform(14, 235), dice.uniform(0, kRoadH));
    const double r = dice.uniform(1.2, 3.2);
    p.setPen(QPen(kRainRing, 0.7));
    p.drawEllipse(c, r, r * 0.7);
  }
  p.setPen(Qt::NoPen);
}

// Stage dressing on the asphalt, under the paint.
void paintRoadLight(QPainter& p, int stage) {
  p.setPen(Qt::NoPen);
  const QRectF whole(0, 0, kRoadW, kRoadH);
  switch (stage) {
    case 1:
      p.fillRect(whole, kSunWarmth);
      break;
    case 2:
      // The low sun from the sea side, turning the road violet on the far side.
      p.fillRect(whole, gradient({0, 0}, {kRoadW, 0},
                                 {{0.0, withAlpha(pal::kSkyOrange, 46)},
                                  {0.45, withAlpha(pal::kSkyMagenta, 16)},
                                  {1.0, withAlpha(pal::kSkyViolet, 40)}}));
      break;
    case 3:
      for (const Glow& g : {Glow{22, 26, kNeonPinkSpill}, Glow{64, 18, kNeonCyanSpill},
                            Glow{226, 28, kNeonCyanGlare}, Glow{186, 16, kNeonAmberSpill}}) {
        softStripe(p, g.x, g.half, kRoadH, g.c);
      }
      break;
    case 4:
      wetRoad(p);
      break;
    case 5:
      p.fillRect(whole, gradient({0, 0}, {kRoadW, 0},
                                 {{0.0, kFloodCool}, {0.5, kFloodWarm}, {1.0, kFloodCool}}));
      break;
    default:
      break;
  }
}

// Lights that sit on top of the paint.
void paintRoadGlints(QPainter& p, const Venue& v, int stage) {
  p.setPen(Qt::NoPen);
  if (stage == 3) {
    // The kerb trim is a strip of neon: let it glow onto the road.
    bothSides(0, 14, [&](double x0, double x1) {
      const bool left = x0 < kRoadW / 2;
      p.fillRect(QRectF(x0, 0, x1 - x0, kRoadH),
                 gradient({left ? 1.5 : kRoadW - 1.5, 0}, {left ? 14 : kRoadW - 14, 0},
                          {{0.0, withAlpha(v.kerbTrim, 110)}, {1.0, withAlpha(v.kerbTrim, 0)}}));
    });
  }
  if (stage == 5) {
    // Bright kerbs throw a little colour back into the floodlight haze.
    bothSides(kKerbW, kKerbW + 10, [&](double x0, double x1) {
      const bool left = x0 < kRoadW / 2;
      p.fillRect(QRectF(x0, 0, x1 - x0, kRoadH),
                 gradient({left ? x0 : x1, 0}, {left ? x1 : x0, 0},
                          {{0.0, withAlpha(v.kerb, 40)}, {1.0, withAlpha(v.kerb, 0)}}));
    });
  }
  if (stage == 4) {
    // The wet paint catches the sky.
    p.setBrush(lightTint(40));
    for (double x : {kEdgeLine + 1.5, kRoadW - kEdgeLine - 1.5}) {
      p.drawRect(QRectF(x - 0.5, 0, 1, kRoadH));
    }
  }
}

}  // namespace

void paintRoad(QPainter& p, int stage) {
  const Venue& v = venue(stage);
  antialiased(p, [&] {
    paintAsphalt(p, v, stage);
    paintRoadLight(p, stage);
    paintKerbs(p, v);
    paintLines(p, v);
    paintRoadGlints(p, v, stage);
  });
}

}  // namespace art
