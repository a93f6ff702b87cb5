// The stage races: five venues, each with its road and its window background,
// plus the finish banner and the markings that stream past on the road.
//
// The road picture stays put while the game moves everything on it, so it is
// drawn the same all the way down: unbroken kerbs and lane lines, and grain
// that runs along the road like a blur of speed. Anything that has to be seen
// going by lives in the "roadside" picture the game scrolls.
//
// The window background shows on both sides of the road: the venue's scenery
// seen from above on the left, a dark dashboard on the right that carries the
// speed, rank and time readouts in white, yellow and red.

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string_view>

#include "stage/dashboard.h"
#include "style.h"

namespace art {
namespace {

constexpr double kPi = std::numbers::pi;

// --- The venues ---------------------------------------------------------------------------------

struct Venue {
  QColor asphalt;      // the crown of the road
  QColor asphaltEdge;  // the gutters, darker
  QColor kerb;         // the broad band of the kerb
  QColor kerbTrim;     // its thin outer band
  QColor edgeLine;     // the solid line inside each kerb
  QColor laneLine;     // the lines between the lanes
  QColor accent;       // trims on the dashboard
  QColor panel;        // the dashboard's own tint
};

const Venue& venue(int stage) {
  static const std::array<Venue, 5> venues{{
      // 1: a countryside circuit on a clear day.
      {{0x3d, 0x39, 0x36},
       {0x32, 0x2f, 0x2d},
       pal::kKerbRed,
       pal::kWhite,
       pal::kWhite,
       withAlpha(pal::kWhite, 215),
       {0x45, 0xd4, 0x7e},
       {0x14, 0x1a, 0x18}},
      // 2: a coast road at sunset.
      {{0x3c, 0x31, 0x40},
       {0x2e, 0x25, 0x33},
       pal::kSkyOrange,
       pal::kPaper,
       {0xff, 0xe9, 0xc9},
       withAlpha({0xff, 0xe2, 0xbd}, 205),
       pal::kSkyOrange,
       {0x1c, 0x14, 0x1e}},
      // 3: the city at night.
      {{0x24, 0x25, 0x31},
       {0x19, 0x19, 0x23},
       {0x55, 0x58, 0x6a},
       {0x3f, 0xf0, 0xff},
       withAlpha(pal::kWhite, 225),
       withAlpha(pal::kWhite, 160),
       {0xff, 0x4f, 0xc4},
       {0x15, 0x11, 0x1f}},
      // 4: a mountain pass in the rain.
      {{0x2b, 0x31, 0x38},
       {0x1f, 0x24, 0x2a},
       {0x66, 0x6c, 0x75},
       {0x9a, 0xa1, 0xab},
       {0xf2, 0xc2, 0x30},
       withAlpha(pal::kWhite, 170),
       {0x5a, 0xb4, 0xff},
       {0x10, 0x15, 0x1c}},
      // 5: the final, in a floodlit stadium.
      {{0x30, 0x32, 0x3c},
       {0x23, 0x25, 0x2e},
       {0xff, 0x33, 0x48},
       pal::kWhite,
       pal::kWhite,
       withAlpha(pal::kTeal, 230),
       pal::kSkyGold,
       {0x17, 0x15, 0x1d}},
  }};
  return venues[std::clamp(stage, 1, 5) - 1];
}

// --- The road -----------------------------------------------------------------------------------

constexpr double kRoadW = 249;
constexpr double kRoadH = 345;
constexpr double kKerbW = 10;     // kerb on each side
constexpr double kEdgeLine = 13;  // where the edge line starts, from each side
// Three lanes between the edge lines, each wider than a car.
constexpr double kLaneLeft = kEdgeLine + 3;
constexpr double kLaneW = (kRoadW - 2 * kLaneLeft) / 3;

// Does `draw(x0, x1)` for the band [x0, x1] and its mirror on the right side.
template <typename Draw>
void bothSides(double x0, double x1, Draw draw) {
  draw(x0, x1);
  draw(kRoadW - x1, kRoadW - x0);
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
      const double x = centre + side * 22;
      p.fillRect(QRectF(x - 7, 0, 14, kRoadH),
                 gradient({x - 7, 0}, {x + 7, 0},
                          {{0.0, QColor(0, 0, 0, 0)},
                           {0.5, QColor(0, 0, 0, stage == 4 ? 18 : 30)},
                           {1.0, QColor(0, 0, 0, 0)}}));
    }
    p.fillRect(QRectF(centre - 8, 0, 16, kRoadH), gradient({centre - 8, 0}, {centre + 8, 0},
                                                           {{0.0, QColor(255, 255, 255, 0)},
                                                            {0.5, QColor(255, 255, 255, 9)},
                                                            {1.0, QColor(255, 255, 255, 0)}}));
  }

  // Grain, streaked along the road.
  Dice dice(5100 + stage);
  for (int i = 0; i < 1500; ++i) {
    const double x = dice.uniform(0, kRoadW);
    const double y = dice.uniform(-6, kRoadH);
    const double len = dice.uniform(1.5, 6);
    const bool light = dice.below(3) == 0;
    p.setBrush(light ? QColor(255, 255, 255, 10 + dice.below(10))
                     : QColor(0, 0, 0, 24 + dice.below(20)));
    p.drawRoundedRect(QRectF(x, y, 0.9, len), 0.45, 0.45);
  }
  // Long sealed joints, tar-dark, wandering only slightly.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0, 0, 0, 40), 1.1, Qt::SolidLine, Qt::RoundCap));
  for (double x : {kLaneLeft + kLaneW * 0.5 + 3, kLaneLeft + kLaneW * 2.5 - 5}) {
    QPainterPath joint(QPointF(x, -2));
    joint.cubicTo(x + 2.5, 90, x - 2.5, 200, x + 1, kRoadH + 2);
    p.drawPath(joint);
  }
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
  p.fillRect(QRectF(kKerbW, 0, 4, kRoadH),
             gradient({kKerbW, 0}, {kKerbW + 4, 0},
                      {{0.0, QColor(0, 0, 0, 70)}, {1.0, QColor(0, 0, 0, 0)}}));
  p.fillRect(QRectF(kRoadW - kKerbW - 4, 0, 4, kRoadH),
             gradient({kRoadW - kKerbW - 4, 0}, {kRoadW - kKerbW, 0},
                      {{0.0, QColor(0, 0, 0, 0)}, {1.0, QColor(0, 0, 0, 70)}}));
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

// Stage dressing on the asphalt, under the paint.
void paintRoadLight(QPainter& p, int stage) {
  p.setPen(Qt::NoPen);
  switch (stage) {
    case 1:
      // Clear sky: a faint warmth over the whole road.
      p.fillRect(QRectF(0, 0, kRoadW, kRoadH), QColor(255, 214, 150, 10));
      break;
    case 2:
      // The low sun from the sea side, turning the road violet on the far side.
      p.fillRect(QRectF(0, 0, kRoadW, kRoadH), gradient({0, 0}, {kRoadW, 0},
                                                        {{0.0, withAlpha(pal::kSkyOrange, 46)},
                                                         {0.45, withAlpha(pal::kSkyMagenta, 16)},
                                                         {1.0, withAlpha(pal::kSkyViolet, 40)}}));
      break;
    case 3: {
      // Neon from the shop fronts, smeared along the road.
      struct Glow {
        double x, w;
        QColor c;
      };
      for (const Glow& g :
           {Glow{22, 26, QColor(0xff, 0x3f, 0xb4, 60)}, Glow{64, 18, QColor(0x3f, 0xf0, 0xff, 30)},
            Glow{226, 28, QColor(0x3f, 0xf0, 0xff, 55)},
            Glow{186, 16, QColor(0xff, 0xb0, 0x3f, 26)}}) {
        p.fillRect(QRectF(g.x - g.w, 0, 2 * g.w, kRoadH),
                   gradient({g.x - g.w, 0}, {g.x + g.w, 0},
                            {{0.0, withAlpha(g.c, 0)}, {0.5, g.c}, {1.0, withAlpha(g.c, 0)}}));
      }
      break;
    }
    case 4: {
      // Standing water: long glossy sheets and a few shallow puddles.
      for (double x : {46.0, 120.0, 196.0}) {
        p.fillRect(QRectF(x - 14, 0, 28, kRoadH), gradient({x - 14, 0}, {x + 14, 0},
                                                           {{0.0, QColor(170, 200, 230, 0)},
                                                            {0.5, QColor(170, 200, 230, 26)},
                                                            {1.0, QColor(170, 200, 230, 0)}}));
      }
      Dice dice(404);
      for (int i = 0; i < 7; ++i) {
        const QPointF c(dice.uniform(30, 220), dice.uniform(10, 335));
        const double rx = dice.uniform(8, 16);
        const double ry = rx * dice.uniform(1.6, 2.6);
        QRadialGradient puddle(c, ry);
        puddle.setColorAt(0, QColor(140, 170, 205, 50));
        puddle.setColorAt(1, QColor(140, 170, 205, 0));
        p.setBrush(puddle);
        p.drawEllipse(c, rx, ry);
      }
      // Rain rings on the water.
      p.setBrush(Qt::NoBrush);
      for (int i = 0; i < 60; ++i) {
        const QPointF c(dice.uniform(14, 235), dice.uniform(0, kRoadH));
        const double r = dice.uniform(1.2, 3.2);
        p.setPen(QPen(QColor(200, 225, 255, 40), 0.7));
        p.drawEllipse(c, r, r * 0.7);
      }
      p.setPen(Qt::NoPen);
      break;
    }
    case 5:
      // Floodlights from both stands: bright, even, cooler at the edges.
      p.fillRect(QRectF(0, 0, kRoadW, kRoadH), gradient({0, 0}, {kRoadW, 0},
                                                        {{0.0, QColor(220, 235, 255, 34)},
                                                         {0.5, QColor(255, 250, 230, 14)},
                                                         {1.0, QColor(220, 235, 255, 34)}}));
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
    p.setBrush(QColor(255, 255, 255, 40));
    for (double x : {kEdgeLine + 1.5, kRoadW - kEdgeLine - 1.5}) {
      p.drawRect(QRectF(x - 0.5, 0, 1, kRoadH));
    }
  }
}

// --- The scenery on the left ------------------------------------------------------------------

constexpr double kColumnW = 128;   // the window shows the background left of the road
constexpr double kDashLeft = 377;  // the first column past the road
constexpr double kWindowW = 592;
constexpr double kWindowH = 345;

// A tree crown seen from above: a lumpy disc, lit from the top left.
void treeCrown(QPainter& p, QPointF c, double r, const QColor& leaf, Dice& dice, double ink = 1.2) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawEllipse(c + QPointF(r * 0.35, r * 0.3), r, r);
  QPainterPath crown;
  crown.setFillRule(Qt::WindingFill);
  crown.addEllipse(c, r * 0.72, r * 0.72);
  const int lobes = 7;
  const double turn = dice.uniform(0, 2 * kPi);
  for (int i = 0; i < lobes; ++i) {
    const double a = turn + i * 2 * kPi / lobes + dice.uniform(-0.25, 0.25);
    const double lr = r * dice.uniform(0.36, 0.46);
    crown.addEllipse(c + QPointF(std::cos(a), std::sin(a)) * (r - lr), lr, lr);
  }
  QRadialGradient light(c - QPointF(r * 0.35, r * 0.4), r * 1.5);
  light.setColorAt(0, leaf.lighter(135));
  light.setColorAt(0.5, leaf);
  light.setColorAt(1, leaf.darker(160));
  fillOutlined(p, crown.simplified(), light, ink);
}

// A conifer seen from above: a star of needles in two layers.
void pineCrown(QPainter& p, QPointF c, double r, const QColor& leaf, double ink = 1.0) {
  auto star = [&](double radius, double turn) {
    QPainterPath path;
    const int points = 11;
    for (int i = 0; i < 2 * points; ++i) {
      const double a = turn + i * kPi / points;
      const double rr = i % 2 ? radius * 0.62 : radius;
      const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * rr;
      i == 0 ? path.moveTo(q) : path.lineTo(q);
    }
    path.closeSubpath();
    return path;
  };
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawPath(star(r, 0.1).translated(r * 0.35, r * 0.3));
  fillOutlined(p, star(r, 0.1), leaf.darker(115), ink);
  fillOutlined(p, star(r * 0.62, 0.3), leaf.lighter(118), ink * 0.6);
  p.setBrush(leaf.lighter(140));
  p.drawEllipse(c, r * 0.14, r * 0.14);
}

// A darker band behind the game's message at the top left, so red text reads.
void messageShade(QPainter& p, const QColor& shade, int alpha) {
  p.setPen(Qt::NoPen);
  p.fillRect(QRectF(0, 0, kColumnW, 176), gradient({0, 0}, {0, 176},
                                                   {{0.0, withAlpha(shade, alpha * 2 / 3)},
                                                    {0.1, withAlpha(shade, alpha)},
                                                    {0.84, withAlpha(shade, alpha)},
                                                    {1.0, withAlpha(shade, 0)}}));
}

// The last strip before the road: grass, sand or paving meeting the kerb.
void verge(QPainter& p, const QColor& fill, double width) {
  const double x = kColumnW - width;
  p.fillRect(QRectF(x, 0, width, kWindowH), fill);
  p.fillRect(QRectF(x - 3, 0, 3, kWindowH),
             gradient({x - 3, 0}, {x, 0}, {{0.0, QColor(0, 0, 0, 0)}, {1.0, QColor(0, 0, 0, 50)}}));
  p.setPen(QPen(withAlpha(pal::kInk, 150), 1.0));
  p.drawLine(QPointF(x, 0), QPointF(x, kWindowH));
}

void sceneryCountryside(QPainter& p) {
  const QColor grass(0x5c, 0xa8, 0x48);
  p.fillRect(QRectF(0, 0, kColumnW, kWindowH),
             gradient({0, 0}, {0, kWindowH}, {{0.0, grass.darker(115)}, {1.0, grass}}));
  // Mowing stripes.
  for (double x = 2; x < kColumnW; x += 24) {
    p.fillRect(QRectF(x, 0, 12, kWindowH), QColor(255, 255, 255, 14));
  }
  Dice dice(11);
  // A lane of packed earth with a hay field beside it.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xd9, 0xc0, 0x7a, 120));
  p.drawRect(QRectF(0, 196, 92, 72));
  p.setPen(QPen(QColor(0xa6, 0x8a, 0x4c, 90), 1.0));
  for (double y = 200; y < 266; y += 5) p.drawLine(QPointF(0, y), QPointF(92, y));
  for (const QPointF c : {QPointF(24, 220), QPointF(58, 246), QPointF(70, 212)}) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(c + QPointF(2.5, 2.5), 8, 8);
    fillOutlined(
        p,
        [&] {
          QPainterPath bale;
          bale.addEllipse(c, 8, 8);
          return bale;
        }(),
        QColor(0xe8, 0xc8, 0x6a), 1.2);
    p.setPen(QPen(QColor(0xa8, 0x84, 0x38), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 5, 5);
    p.drawEllipse(c, 2.2, 2.2);
  }
  // Wildflowers in the meadow.
  for (int i = 0; i < 70; ++i) {
    const QPointF at(dice.uniform(4, 98), dice.uniform(176, 286));
    if (at.y() > 192 && at.y() < 272 && at.x() < 94) continue;
    p.setBrush(i % 3 ? QColor(255, 250, 235, 200) : QColor(0xff, 0xd2, 0x4a, 210));
    p.drawEllipse(at, 1.0, 1.0);
  }

  // The wood at the top, its crowns crowding together.
  for (int i = 0; i < 26; ++i) {
    const QPointF c(dice.uniform(-6, 100), dice.uniform(-8, 176));
    treeCrown(p, c, dice.uniform(13, 20),
              i % 3 ? QColor(0x2f, 0x7a, 0x3a) : QColor(0x3d, 0x86, 0x34), dice);
  }
  // One tree standing on its own in the field.
  treeCrown(p, QPointF(40, 266), 14, QColor(0x3d, 0x8c, 0x38), dice);
  verge(p, QColor(0x6f, 0xb0, 0x52), 13);
  // Gravel on the shoulder.
  for (int i = 0; i < 220; ++i) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8, 0xdc, 0xb8, 90 + dice.below(80)));
    p.drawEllipse(QPointF(dice.uniform(116, 127.5), dice.uniform(0, kWindowH)), 0.8, 0.8);
  }
  // A white post-and-rail fence along the verge.
  p.setPen(QPen(withAlpha(pal::kWhite, 230), 1.4));
  p.drawLine(QPointF(117, 0), QPointF(117, kWindowH));
  p.drawLine(QPointF(120.5, 0), QPointF(120.5, kWindowH));
  p.setPen(Qt::NoPen);
  p.setBrush(pal::kWhite);
  for (double y = 6; y < kWindowH; y += 22) p.drawRect(QRectF(116, y, 5.5, 3));
}

void scenerySunsetCoast(QPainter& p) {
  // The sea, deep under the headland and bright with the sunset further down.
  p.fillRect(QRectF(0, 0, kColumnW, kWindowH), gradient({0, 0}, {0, kWindowH},
                                                        {{0.0, QColor(0x1e, 0x1a, 0x48)},
                                                         {0.45, QColor(0x3a, 0x2c, 0x6e)},
                                                         {0.75, QColor(0x7a, 0x3c, 0x78)},
                                                         {1.0, QColor(0x9a, 0x48, 0x70)}}));
  Dice dice(22);
  // Swell lines.
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 22; ++i) {
    const double y = dice.uniform(0, kWindowH);
    const double x = dice.uniform(-10, 70);
    const double w = dice.uniform(16, 34);
    QPainterPath swell(QPointF(x, y));
    swell.cubicTo(x + w * 0.3, y - 2.5, x + w * 0.7, y - 2.5, x + w, y);
    p.setPen(QPen(QColor(255, 255, 255, 22 + static_cast<int>(y / kWindowH * 30)), 1.2,
                  Qt::SolidLine, Qt::RoundCap));
    p.drawPath(swell);
  }
  // Sun glitter, thick in the lower sea.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 120; ++i) {
    const double y = 170 + std::pow(dice.uniform(0, 1), 0.7) * 118;
    const double x = dice.uniform(0, 96);
    p.setBrush(withAlpha(dice.below(2) ? pal::kSkyGold : pal::kSunCore, 110 + dice.below(120)));
    p.drawRoundedRect(QRectF(x, y, dice.uniform(3, 9), 1.2), 0.6, 0.6);
  }
  // Calmer water behind the name box.
  p.fillRect(QRectF(0, 296, 100, 49),
             gradient({0, 296}, {0, 310},
                      {{0.0, QColor(0x9a, 0x48, 0x70, 0)}, {1.0, QColor(0x8c, 0x44, 0x72, 230)}}));

  // A dark headland of rock at the top, under the message.
  QPainterPath rock(QPointF(-4, -4));
  rock.lineTo(104, -4);
  rock.cubicTo(102, 40, 92, 70, 80, 96);
  rock.cubicTo(70, 118, 44, 128, 30, 152);
  rock.cubicTo(18, 170, 4, 172, -4, 168);
  rock.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 40));
  p.drawPath(rock.translated(-2, 3));  // surf round its foot
  fillOutlined(p, rock,
               gradient({0, 0}, {100, 150},
                        {{0.0, QColor(0x2c, 0x20, 0x36)}, {1.0, QColor(0x4a, 0x2c, 0x44)}}),
               kOutline);
  p.save();
  p.setClipPath(rock);
  for (int i = 0; i < 16; ++i) {
    const QPointF c(dice.uniform(0, 96), dice.uniform(0, 150));
    QPolygonF slab;
    const double r = dice.uniform(6, 13);
    for (int k = 0; k < 6; ++k) {
      const double a = k * kPi / 3 + dice.uniform(-0.3, 0.3);
      slab << c + QPointF(std::cos(a), std::sin(a)) * r * dice.uniform(0.7, 1.0);
    }
    p.setPen(QPen(QColor(0x14, 0x0e, 0x1e, 160), 0.9));
    p.setBrush(QColor(0xff, 0x9a, 0x6a, 18 + dice.below(18)));
    p.drawPolygon(slab);
  }
  p.restore();

  // Beach and surf along the road.
  QPainterPath sand(QPointF(128, -2));
  sand.lineTo(96, -2);
  sand.cubicTo(90, 80, 100, 160, 94, 230);
  sand.cubicTo(92, 262, 118, 276, 118, 347);
  sand.lineTo(128, 347);
  sand.closeSubpath();
  p.setPen(QPen(withAlpha(pal::kWhite, 200), 2.2));
  p.setBrush(gradient({90, 0}, {128, 0},
                      {{0.0, QColor(0xf2, 0xb0, 0x7a)}, {1.0, QColor(0xd8, 0x8a, 0x62)}}));
  p.drawPath(sand);
  p.save();
  p.setClipPath(sand);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 200; ++i) {
    p.setBrush(QColor(0x80, 0x40, 0x30, 40 + dice.below(40)));
    p.drawEllipse(QPointF(dice.uniform(88, 128), dice.uniform(0, kWindowH)), 0.7, 0.7);
  }
  p.restore();

  // Palms on the beach, fronds catching the last light.
  for (const QPointF c : {QPointF(108, 196), QPointF(104, 268), QPointF(112, 36)}) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2a, 0x10, 0x30, 80));
    p.drawEllipse(c + QPointF(10, 6), 12, 6);  // long evening shadow
    for (int k = 0; k < 7; ++k) {
      const double a = k * 2 * kPi / 7 + 0.4;
      const QPointF tip = c + QPointF(std::cos(a), std::sin(a)) * 15;
      const QPointF n = QPointF(-std::sin(a), std::cos(a)) * 3.6;
      QPainterPath frond(c);
      frond.quadTo((c + tip) / 2 + n, tip);
      frond.quadTo((c + tip) / 2 - n * 0.3, c);
      fillOutlined(
          p, frond,
          gradient(c, tip, {{0.0, QColor(0x4e, 0x6a, 0x30)}, {1.0, QColor(0x9a, 0x8a, 0x36)}}),
          1.0);
    }
    p.setPen(QPen(pal::kInk, 0.8));
    p.setBrush(QColor(0x6a, 0x42, 0x2a));
    p.drawEllipse(c, 2.4, 2.4);
  }
  // A low sea wall at the edge of the road.
  verge(p, QColor(0xc8, 0x9a, 0x84), 6);
}

void sceneryCity(QPainter& p) {
  p.fillRect(QRectF(0, 0, kColumnW, kWindowH), QColor(0x12, 0x11, 0x1c));
  Dice dice(33);
  // City blocks seen from above: flat roofs with parapets and plant on top.
  struct Roof {
    QRectF r;
    QColor c;
  };
  const Roof roofs[] = {
      {{-4, -4, 62, 70}, {0x26, 0x25, 0x36}},  {{60, -4, 40, 50}, {0x2e, 0x2a, 0x3e}},
      {{60, 48, 40, 58}, {0x22, 0x24, 0x34}},  {{-4, 68, 62, 86}, {0x2a, 0x28, 0x3a}},
      {{60, 108, 40, 52}, {0x28, 0x24, 0x38}}, {{-4, 156, 54, 62}, {0x30, 0x2c, 0x42}},
      {{52, 162, 48, 70}, {0x2a, 0x2a, 0x3e}}, {{-4, 220, 54, 64}, {0x26, 0x26, 0x38}},
      {{52, 234, 48, 52}, {0x30, 0x2a, 0x40}}, {{-4, 288, 104, 62}, {0x22, 0x22, 0x32}},
  };
  for (const Roof& roof : roofs) {
    QPainterPath shape;
    shape.addRect(roof.r);
    fillOutlined(p, shape,
                 gradient(roof.r.topLeft(), roof.r.bottomRight(),
                          {{0.0, roof.c.lighter(118)}, {1.0, roof.c}}),
                 1.2);
    p.setPen(QPen(QColor(255, 255, 255, 22), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(roof.r.adjusted(2.5, 2.5, -2.5, -2.5));
    if (roof.r.top() > 280) continue;  // the plaza below stays bare
    // Air handlers, vents and the odd skylight.
    const int units = 1 + dice.below(3);
    for (int u = 0; u < units; ++u) {
      const double w = dice.uniform(7, 14);
      const double h = dice.uniform(6, 11);
      const QRectF box(dice.uniform(roof.r.left() + 5, roof.r.right() - 5 - w),
                       dice.uniform(std::max(roof.r.top() + 5, 2.0), roof.r.bottom() - 5 - h), w,
                       h);
      p.setPen(QPen(pal::kInk, 0.9));
      p.setBrush(roof.c.lighter(150));
      p.drawRect(box);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0, 0, 0, 60));
      p.drawRect(QRectF(box.right(), box.top() + 2, 2, box.height()));
    }
    if (roof.r.top() > 150) {
      const QRectF light(roof.r.left() + 8, roof.r.bottom() - 14, 10, 7);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0xff, 0xc4, 0x5e, 130));
      p.drawRect(light);
    }
  }
  // A rooftop water tank and a helipad on the tall block.
  p.setPen(QPen(pal::kInk, 1.0));
  p.setBrush(QColor(0x4a, 0x44, 0x5a));
  p.drawEllipse(QPointF(22, 196), 8, 8);
  p.setPen(QPen(QColor(255, 255, 255, 60), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(76, 262), 10, 10);

  // The pavement with its street lamps.
  p.fillRect(QRectF(101, 0, 27, kWindowH), QColor(0x2c, 0x2d, 0x3a));
  p.setPen(QPen(QColor(255, 255, 255, 14), 1.0));
  for (double y = 0; y < kWindowH; y += 9) p.drawLine(QPointF(101, y), QPointF(128, y));
  for (double y : {190.0, 262.0}) {
    QRadialGradient pool(QPointF(116, y), 20);
    pool.setColorAt(0, QColor(0xff, 0xd8, 0x8a, 110));
    pool.setColorAt(1, QColor(0xff, 0xd8, 0x8a, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(pool);
    p.drawEllipse(QPointF(116, y), 20, 20);
    p.setPen(QPen(pal::kInk, 0.8));
    p.setBrush(pal::kHeadlight);
    p.drawEllipse(QPointF(116, y), 2, 2);
  }

  // Neon: tubes along the shop fronts spilling colour onto the pavement,
  // and signs on the roofs.
  struct Neon {
    double y0, y1;
    QColor c;
  };
  for (const Neon& n :
       {Neon{168, 216, QColor(0xff, 0x3f, 0xb4)}, Neon{228, 264, QColor(0x3f, 0xf0, 0xff)},
        Neon{272, 296, QColor(0xff, 0xb0, 0x3f)}}) {
    p.setPen(Qt::NoPen);
    p.fillRect(
        QRectF(96, n.y0 - 8, 26, n.y1 - n.y0 + 16),
        gradient({96, 0}, {122, 0},
                 {{0.0, withAlpha(n.c, 0)}, {0.2, withAlpha(n.c, 100)}, {1.0, withAlpha(n.c, 0)}}));
    p.setPen(QPen(withAlpha(n.c, 120), 4.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(101, n.y0), QPointF(101, n.y1));
    p.setPen(QPen(n.c.lighter(150), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(101, n.y0), QPointF(101, n.y1));
  }
  struct Sign {
    QRectF r;
    QColor c;
  };
  for (const Sign& sign : {Sign{{8, 168, 34, 12}, QColor(0x3f, 0xf0, 0xff)},
                           Sign{{62, 196, 12, 28}, QColor(0xff, 0x3f, 0xb4)},
                           Sign{{14, 262, 26, 10}, QColor(0xff, 0x3f, 0xb4)}}) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(sign.c, 70), 5.0));
    p.drawRoundedRect(sign.r, 3, 3);
    p.setPen(QPen(sign.c.lighter(140), 1.4));
    p.drawRoundedRect(sign.r, 3, 3);
    // A squiggle of lettering inside, too far below to read.
    const bool across = sign.r.width() > sign.r.height();
    const double len = (across ? sign.r.width() : sign.r.height()) - 8;
    const QPointF step = across ? QPointF(len / 4, 0) : QPointF(0, len / 4);
    const QPointF wobble = across ? QPointF(0, 2.5) : QPointF(2.5, 0);
    QPointF at = across ? QPointF(sign.r.left() + 4, sign.r.center().y())
                        : QPointF(sign.r.center().x(), sign.r.top() + 4);
    QPainterPath squiggle(at);
    for (int k = 0; k < 4; ++k) {
      squiggle.quadTo(at + step / 2 + (k % 2 ? wobble : -wobble), at + step);
      at += step;
    }
    p.drawPath(squiggle);
  }
  // Inside the message band the lamps are dimmed to a glint.
  for (double y : {40.0, 118.0}) {
    p.setPen(QPen(pal::kInk, 0.8));
    p.setBrush(QColor(0x8a, 0x7a, 0x5a));
    p.drawEllipse(QPointF(116, y), 2, 2);
  }
  p.fillRect(QRectF(101, 0, 27, 176), gradient({0, 0}, {0, 176},
                                               {{0.0, QColor(0x05, 0x04, 0x0c, 110)},
                                                {0.84, QColor(0x05, 0x04, 0x0c, 110)},
                                                {1.0, QColor(0x05, 0x04, 0x0c, 0)}}));
  verge(p, QColor(0x4a, 0x4c, 0x5c), 4);
}

void sceneryMountain(QPainter& p) {
  // Wet rock and moss, dropping away to a misty valley on the far left.
  p.fillRect(QRectF(0, 0, kColumnW, kWindowH), gradient({0, 0}, {kColumnW, 0},
                                                        {{0.0, QColor(0x1c, 0x24, 0x2c)},
                                                         {0.35, QColor(0x3a, 0x48, 0x48)},
                                                         {1.0, QColor(0x4a, 0x58, 0x52)}}));
  Dice dice(44);
  // Scree and boulders.
  for (int i = 0; i < 30; ++i) {
    const QPointF c(dice.uniform(22, 104), dice.uniform(150, 300));
    const double r = dice.uniform(4, 10);
    QPolygonF stone;
    for (int k = 0; k < 7; ++k) {
      const double a = k * 2 * kPi / 7 + dice.uniform(-0.3, 0.3);
      stone << c + QPointF(std::cos(a), std::sin(a) * 0.8) * r * dice.uniform(0.7, 1.0);
    }
    QPainterPath path;
    path.addPolygon(stone);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawPath(path.translated(2, 2));
    fillOutlined(p, path,
                 gradient(c - QPointF(r, r), c + QPointF(r, r),
                          {{0.0, QColor(0x9a, 0xa0, 0xa8)}, {1.0, QColor(0x5a, 0x60, 0x6a)}}),
                 1.0);
  }
  // The valley edge: a crumbling lip with mist below.
  QPainterPath lip(QPointF(-2, -2));
  lip.lineTo(20, -2);
  lip.cubicTo(28, 80, 14, 160, 26, 230);
  lip.cubicTo(32, 280, 18, 320, 22, 347);
  lip.lineTo(-2, 347);
  lip.closeSubpath();
  fillOutlined(p, lip,
               gradient({0, 0}, {26, 0},
                        {{0.0, QColor(0x8a, 0x98, 0xa8, 200)}, {1.0, QColor(0x3a, 0x44, 0x52)}}),
               1.2);
  // A dark stand of pines at the top.
  for (int i = 0; i < 24; ++i) {
    const QPointF c(dice.uniform(10, 104), dice.uniform(-6, 172));
    pineCrown(p, c, dice.uniform(10, 16),
              i % 2 ? QColor(0x1f, 0x4a, 0x3a) : QColor(0x24, 0x52, 0x36));
  }
  pineCrown(p, QPointF(40, 236), 12, QColor(0x26, 0x56, 0x3c));
  pineCrown(p, QPointF(84, 204), 10, QColor(0x22, 0x4e, 0x38));

  // Gravel shoulder and a guard rail on wooden posts.
  verge(p, QColor(0x56, 0x5c, 0x62), 14);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 160; ++i) {
    p.setBrush(QColor(0xc0, 0xc8, 0xd0, 40 + dice.below(60)));
    p.drawEllipse(QPointF(dice.uniform(114, 127.5), dice.uniform(0, kWindowH)), 0.8, 0.8);
  }
  for (double y = 8; y < kWindowH; y += 28) {
    p.setPen(QPen(pal::kInk, 0.8));
    p.setBrush(QColor(0x5a, 0x46, 0x34));
    p.drawRect(QRectF(116, y, 4, 4));
  }
  p.fillRect(QRectF(117, 0, 2.5, kWindowH),
             gradient({117, 0}, {119.5, 0},
                      {{0.0, QColor(0xd8, 0xde, 0xe6)}, {1.0, QColor(0x7a, 0x82, 0x8c)}}));
  p.setPen(QPen(withAlpha(pal::kInk, 180), 0.8));
  p.drawLine(QPointF(116.6, 0), QPointF(116.6, kWindowH));
  p.drawLine(QPointF(119.9, 0), QPointF(119.9, kWindowH));

  // Rain over everything, slanting in on the wind.
  for (int i = 0; i < 240; ++i) {
    const QPointF a(dice.uniform(-10, kColumnW), dice.uniform(-10, kWindowH));
    const double len = dice.uniform(5, 11);
    p.setPen(QPen(QColor(200, 220, 245, 40 + dice.below(50)), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, a + QPointF(len * 0.35, len));
  }
}

void sceneryStadium(QPainter& p) {
  // Floodlit infield grass, mown in broad stripes, between the stand and
  // the pit wall.
  p.fillRect(QRectF(0, 0, kColumnW, kWindowH),
             gradient({0, 0}, {kColumnW, 0},
                      {{0.0, QColor(0x2e, 0x8c, 0x4a)}, {1.0, QColor(0x38, 0xa0, 0x54)}}));
  for (double y = 0; y < kWindowH; y += 30) {
    p.fillRect(QRectF(0, y, kColumnW, 15), QColor(255, 255, 255, 9));
  }
  Dice dice(55);
  // The grandstand: tiers of seats stepping down towards the track, packed
  // with the crowd.
  const QRectF stand(0, 0, 62, 290);
  for (double x = stand.left(); x < stand.right(); x += 6) {
    const double t = x / stand.right();
    p.fillRect(QRectF(x, stand.top(), 6, stand.height()),
               mix(QColor(0x20, 0x26, 0x40), QColor(0x30, 0x3a, 0x5e), t));
    p.fillRect(QRectF(x + 5, stand.top(), 1, stand.height()), QColor(0, 0, 0, 90));
  }
  for (double y : {68.0, 150.0, 232.0}) {
    p.fillRect(QRectF(0, y, stand.right(), 5), QColor(0x5a, 0x62, 0x7a));
  }
  const QColor shirts[] = {pal::kCarRed,   pal::kCarBlue,   pal::kCarYellow, pal::kWhite,
                           pal::kCarGreen, pal::kSkyOrange, pal::kCarPurple};
  p.setPen(Qt::NoPen);
  for (double x = 2; x < stand.right() - 2; x += 6) {
    for (double y = 3; y < stand.bottom() - 2; y += 4.6) {
      if (dice.below(5) == 0) continue;
      p.setBrush(withAlpha(shirts[dice.below(7)], 120));
      p.drawEllipse(QPointF(x + 0.5 + dice.uniform(-0.4, 0.4), y), 1.0, 1.0);
    }
  }
  // The front wall of the stand.
  p.fillRect(QRectF(stand.right(), 0, 4, stand.bottom() + 4), QColor(0xd8, 0xda, 0xe0));
  p.fillRect(QRectF(0, stand.bottom(), stand.right() + 4, 4), QColor(0xd8, 0xda, 0xe0));
  p.setPen(QPen(pal::kInk, 1.0));
  p.drawLine(QPointF(stand.right() + 4.5, 0), QPointF(stand.right() + 4.5, stand.bottom() + 4.5));
  p.drawLine(QPointF(0, stand.bottom() + 4.5), QPointF(stand.right() + 4.5, stand.bottom() + 4.5));

  // Its roof, shading the upper rows where the message goes.
  QPainterPath roof;
  roof.addRect(QRectF(-2, -2, 74, 164));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawPath(roof.translated(4, 4));
  fillOutlined(
      p, roof,
      gradient({0, 0}, {72, 0}, {{0.0, QColor(0x26, 0x28, 0x36)}, {1.0, QColor(0x3a, 0x3e, 0x4e)}}),
      kOutline);
  p.setPen(QPen(QColor(255, 255, 255, 18), 1.0));
  for (double y = 10; y < 160; y += 14) p.drawLine(QPointF(0, y), QPointF(72, y));
  p.setPen(QPen(QColor(0, 0, 0, 90), 1.6));
  for (double x = 18; x < 72; x += 24) p.drawLine(QPointF(x, 0), QPointF(x, 160));

  // Floodlight masts on the infield, each bank blazing.
  for (double y : {186.0, 262.0}) {
    const QPointF c(86, y);
    QRadialGradient glow(c, 36);
    glow.setColorAt(0, QColor(255, 252, 240, 240));
    glow.setColorAt(0.25, QColor(240, 246, 255, 130));
    glow.setColorAt(1, QColor(230, 240, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, 36, 36);
    p.setPen(QPen(pal::kInk, 1.0));
    p.setBrush(QColor(0x3a, 0x3c, 0x48));
    p.drawRect(QRectF(c.x() - 5, c.y() - 7, 10, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::kHeadlight);
    for (int r = 0; r < 3; ++r) {
      for (int k = 0; k < 2; ++k) p.drawEllipse(c + QPointF(-2 + k * 4, -4 + r * 4), 1.3, 1.3);
    }
  }
  // The pit wall with its catch fence.
  verge(p, QColor(0xd8, 0xda, 0xe0), 12);
  for (double y = 0; y < kWindowH; y += 24) {
    p.fillRect(QRectF(116, y, 12, 12), pal::kKerbRed);
  }
  p.setPen(QPen(QColor(255, 255, 255, 60), 0.7));
  for (double y = -10; y < kWindowH; y += 5) {
    p.drawLine(QPointF(110, y), QPointF(115, y + 5));
    p.drawLine(QPointF(115, y), QPointF(110, y + 5));
  }
  p.setPen(QPen(pal::kInk, 1.0));
  p.drawLine(QPointF(115.5, 0), QPointF(115.5, kWindowH));
}

// --- The dashboard ------------------------------------------------------------------------------

namespace dash = stage::dashboard;

// The game's type as the desktop draws it: a point is 4/3 of a pixel, and
// a digit is about 0.55 em wide, its ink from 0.16 em to 0.94 em below the
// top of the line. Labels write from their top-left corner.
double typePixels(double points) { return std::round(points * 4.0 / 3.0); }

QRectF digitInk(const dash::Text& t, double digits, double points) {
  const double em = typePixels(points);
  return QRectF(t.left / 15.0 + 0.05 * em, t.top / 15.0 + 0.16 * em,
                digits * 0.551 * em - 0.07 * em, 0.78 * em);
}

// The ink of a caption `width` pixels wide, descenders and all.
QRectF captionInk(const dash::Text& t, double width) {
  const double em = typePixels(t.points);
  return QRectF(t.left / 15.0, t.top / 15.0 + 0.05 * em, width, 1.15 * em);
}

// A read-out's glass: centred on the digits it shows for most of a race,
// and roomy enough for the most it shows, `pad` pixels clear of them.
QRectF readoutGlass(const dash::Text& t, QSizeF pad) {
  const QPointF centre = digitInk(t, (t.usualDigits + t.mostDigits) / 2.0, t.points).center();
  const QRectF most = digitInk(t, t.mostDigits, t.points);
  const double halfW = std::max(centre.x() - most.left(), most.right() - centre.x());
  const double halfH = std::max(centre.y() - most.top(), most.bottom() - centre.y());
  const QPointF half(halfW + pad.width(), halfH + pad.height());
  return QRectF(centre - half, centre + half);
}

// The rank dial: one circle for the small digit and the big one the leader
// gets, centred between the two.
struct Dial {
  QPointF centre;
  double radius;
};

Dial rankDial() {
  const QRectF small = digitInk(dash::kRank, 1, dash::kRank.points);
  const QRectF big = digitInk(dash::kRank, 1, dash::kLeadingRankPoints);
  const QPointF centre = (small.center() + big.center()) / 2;
  double reach = 0;
  for (const QRectF& ink : {small, big}) {
    for (const QPointF corner :
         {ink.topLeft(), ink.topRight(), ink.bottomLeft(), ink.bottomRight()})
      reach = std::max(reach, std::hypot(corner.x() - centre.x(), corner.y() - centre.y()));
  }
  return {centre, reach + 7};
}

// A screw head, slot and all.
void screw(QPainter& p, QPointF c, double angle) {
  QRadialGradient head(c - QPointF(0.8, 0.8), 3.2);
  head.setColorAt(0, QColor(0x7a, 0x7e, 0x8e));
  head.setColorAt(1, QColor(0x2e, 0x30, 0x3c));
  p.setPen(QPen(QColor(0, 0, 0, 200), 0.8));
  p.setBrush(head);
  p.drawEllipse(c, 2.6, 2.6);
  const QPointF d(std::cos(angle) * 1.8, std::sin(angle) * 1.8);
  p.setPen(QPen(QColor(0, 0, 0, 200), 0.8));
  p.drawLine(c - d, c + d);
}

// Brushed metal round a read-out, lit from above.
QLinearGradient metal(double top, double bottom) {
  return gradient({0, top}, {0, bottom},
                  {{0.0, QColor(0x6c, 0x70, 0x7e)},
                   {0.5, QColor(0x34, 0x36, 0x42)},
                   {1.0, QColor(0x1a, 0x1b, 0x22)}});
}

QLinearGradient darkGlass(double top, double bottom) {
  return gradient({0, top}, {0, bottom},
                  {{0.0, QColor(0x04, 0x04, 0x08)}, {1.0, QColor(0x0b, 0x0b, 0x12)}});
}

// A recessed glass window for a read-out, in a metal bezel.
void readoutWindow(QPainter& p, const QRectF& glass, const QColor& accent) {
  const double round = std::min(7.0, glass.height() / 3);
  const QRectF rim = glass.adjusted(-3, -3, 3, 3);
  QPainterPath bezel;
  bezel.addRoundedRect(rim, round + 3, round + 3);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 110));
  p.drawPath(bezel.translated(0, 1.5));
  p.setPen(QPen(QColor(0, 0, 0, 220), 1.0));
  p.setBrush(metal(rim.top(), rim.bottom()));
  p.drawPath(bezel);

  QPainterPath well;
  well.addRoundedRect(glass, round, round);
  p.setPen(QPen(QColor(0, 0, 0, 230), 1.0));
  p.setBrush(darkGlass(glass.top(), glass.bottom()));
  p.drawPath(well);
  // Inner shadow along the top edge and an accent line along the foot.
  p.save();
  p.setClipPath(well);
  p.fillRect(QRectF(glass.left(), glass.top(), glass.width(), 5),
             gradient(glass.topLeft(), glass.topLeft() + QPointF(0, 5),
                      {{0.0, QColor(0, 0, 0, 160)}, {1.0, QColor(0, 0, 0, 0)}}));
  p.restore();
  p.setPen(QPen(withAlpha(accent, 170), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(glass.left() + round + 2, glass.bottom() + 1.6),
             QPointF(glass.right() - round - 2, glass.bottom() + 1.6));
}

// The round dial of the race position, in the same metal as the boxes.
void rankRing(QPainter& p, QPointF c, double r, const QColor& accent) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 110));
  p.drawEllipse(c + QPointF(0, 1.5), r + 3, r + 3);
  p.setPen(QPen(QColor(0, 0, 0, 220), 1.0));
  p.setBrush(metal(c.y() - r - 3, c.y() + r + 3));
  p.drawEllipse(c, r + 3, r + 3);
  p.setPen(QPen(QColor(0, 0, 0, 230), 1.0));
  p.setBrush(darkGlass(c.y() - r, c.y() + r));
  p.drawEllipse(c, r, r);
  // The accent round the foot of the glass.
  const double arc = r + 1.6;
  p.setPen(QPen(withAlpha(accent, 170), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(c.x() - arc, c.y() - arc, 2 * arc, 2 * arc), -40 * 16, -100 * 16);
}

// The venue's badge, drawn in line work in the dashboard's free corner.
void venueBadge(QPainter& p, int stage, QPointF c, const QColor& accent) {
  const QPen line(withAlpha(accent, 170), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(QPen(QColor(255, 255, 255, 20), 1.0));
  p.setBrush(QColor(0, 0, 0, 90));
  p.drawEllipse(c, 19, 19);
  p.setPen(line);
  p.setBrush(Qt::NoBrush);
  switch (stage) {
    case 1: {  // sun over rolling hills
      p.drawEllipse(c + QPointF(0, -5), 5, 5);
      for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4;
        const QPointF d(std::cos(a), std::sin(a));
        p.drawLine(c + QPointF(0, -5) + d * 7.5, c + QPointF(0, -5) + d * 10);
      }
      QPainterPath hills(c + QPointF(-14, 9));
      hills.cubicTo(c + QPointF(-8, 3), c + QPointF(-2, 3), c + QPointF(2, 8));
      hills.cubicTo(c + QPointF(6, 4), c + QPointF(10, 4), c + QPointF(14, 9));
      p.drawPath(hills);
      break;
    }
    case 2: {  // the sun setting into the waves
      QPainterPath sun(c + QPointF(-8, 2));
      sun.arcTo(QRectF(c.x() - 8, c.y() - 6, 16, 16), 180, -180);
      p.drawPath(sun);
      for (double dy : {5.0, 9.5}) {
        QPainterPath wave(c + QPointF(-13, dy));
        for (int k = 0; k < 4; ++k) {
          const double x = -13 + k * 6.5;
          wave.quadTo(c + QPointF(x + 1.6, dy - 2), c + QPointF(x + 3.25, dy));
          wave.quadTo(c + QPointF(x + 4.9, dy + 2), c + QPointF(x + 6.5, dy));
        }
        p.drawPath(wave);
      }
      break;
    }
    case 3: {  // towers under a crescent moon
      QPainterPath towers(c + QPointF(-13, 11));
      towers.lineTo(c + QPointF(-13, -2));
      towers.lineTo(c + QPointF(-6, -2));
      towers.lineTo(c + QPointF(-6, -10));
      towers.lineTo(c + QPointF(1, -10));
      towers.lineTo(c + QPointF(1, 2));
      towers.lineTo(c + QPointF(7, 2));
      towers.lineTo(c + QPointF(7, -4));
      towers.lineTo(c + QPointF(13, -4));
      towers.lineTo(c + QPointF(13, 11));
      p.drawPath(towers);
      QPainterPath moon;
      moon.addEllipse(c + QPointF(9, -11), 4, 4);
      QPainterPath bite;
      bite.addEllipse(c + QPointF(11, -12.5), 3.6, 3.6);
      p.drawPath(moon.subtracted(bite));
      break;
    }
    case 4: {  // peaks under a rain cloud
      QPainterPath peaks(c + QPointF(-14, 11));
      peaks.lineTo(c + QPointF(-5, -1));
      peaks.lineTo(c + QPointF(0, 5));
      peaks.lineTo(c + QPointF(6, -4));
      peaks.lineTo(c + QPointF(14, 11));
      p.drawPath(peaks);
      QPainterPath cloud(c + QPointF(-8, -8));
      cloud.quadTo(c + QPointF(-8, -14), c + QPointF(-2, -13));
      cloud.quadTo(c + QPointF(2, -17), c + QPointF(6, -12));
      cloud.quadTo(c + QPointF(10, -12), c + QPointF(9, -8));
      cloud.closeSubpath();
      p.drawPath(cloud);
      for (double x : {-5.0, 0.0, 5.0})
        p.drawLine(c + QPointF(x, -4.5), c + QPointF(x - 1.2, -1.5));
      break;
    }
    default: {  // a floodlight mast
      p.drawRect(QRectF(c.x() - 8, c.y() - 13, 16, 9));
      for (int r = 0; r < 2; ++r) {
        for (int k = 0; k < 3; ++k) p.drawPoint(c + QPointF(-4.5 + k * 4.5, -10.5 + r * 4));
      }
      p.drawLine(c + QPointF(0, -4), c + QPointF(0, 12));
      p.drawLine(c + QPointF(-6, 12), c + QPointF(0, 2));
      p.drawLine(c + QPointF(6, 12), c + QPointF(0, 2));
      break;
    }
  }
}

void paintDashboard(QPainter& p, int stage) {
  const Venue& v = venue(stage);
  const QRectF dash(kDashLeft, 0, kWindowW - kDashLeft, kWindowH);
  p.fillRect(dash,
             gradient(dash.topLeft(), dash.bottomLeft(),
                      {{0.0, v.panel.lighter(125)}, {0.5, v.panel}, {1.0, v.panel.darker(140)}}));

  // A faint carbon weave.
  p.setPen(Qt::NoPen);
  for (double y = 0; y < kWindowH; y += 4) {
    for (double x = kDashLeft; x < kWindowW; x += 4) {
      const bool odd = static_cast<int>((x - kDashLeft) / 4 + y / 4) % 2;
      p.fillRect(QRectF(x, y, 4, 2), odd ? QColor(255, 255, 255, 5) : QColor(0, 0, 0, 22));
      p.fillRect(QRectF(x, y + 2, 4, 2), odd ? QColor(0, 0, 0, 22) : QColor(255, 255, 255, 5));
    }
  }
  // Gloss sweeping across the top corner.
  QPainterPath gloss(QPointF(kDashLeft, 0));
  gloss.lineTo(kWindowW, 0);
  gloss.lineTo(kWindowW, 30);
  gloss.cubicTo(540, 24, 460, 60, kDashLeft, 140);
  gloss.closeSubpath();
  p.setBrush(gradient({0, 0}, {0, 140},
                      {{0.0, QColor(255, 255, 255, 14)}, {1.0, QColor(255, 255, 255, 0)}}));
  p.drawPath(gloss);

  // The speed, its box reaching out to both sides; the warning line below
  // it lights on the bare panel.
  readoutWindow(p, readoutGlass(dash::kSpeed, {40, 4}), v.accent);

  const Dial rank = rankDial();
  rankRing(p, rank.centre, rank.radius, v.accent);
  // Stage lights below the dial, lit up to this stage.
  for (int i = 0; i < 5; ++i) {
    const QPointF c(rank.centre.x() + (i - 2) * 14, rank.centre.y() + rank.radius + 16);
    QPolygonF diamond(
        {c + QPointF(0, -4.5), c + QPointF(4.5, 0), c + QPointF(0, 4.5), c + QPointF(-4.5, 0)});
    const bool lit = i < stage;
    p.setPen(QPen(lit ? v.accent.lighter(120) : QColor(255, 255, 255, 50), 1.0));
    p.setBrush(lit ? withAlpha(v.accent, 200) : QColor(0, 0, 0, 80));
    p.drawPolygon(diamond);
  }
  venueBadge(p, stage, QPointF(556, rank.centre.y()), v.accent);

  const QRectF time = readoutGlass(dash::kTime, {16, 6});
  readoutWindow(p, time, v.accent);

  // A rule above the footer line, halfway between the time and the hint.
  const double rule =
      std::round((time.bottom() + 4 + captionInk(dash::kQuitHint, 0).top()) / 2) + 0.5;
  p.setPen(QPen(withAlpha(v.accent, 90), 1.0));
  p.drawLine(QPointF(392, rule), QPointF(584, rule));

  // Bezels on both sides. The left one starts below the speed caption, which
  // sits right at the road's edge, and is thin enough to leave the captions
  // beside it clear; an accent line runs down it.
  const double leftTop = captionInk(dash::kSpeedCaption, 0).bottom() + 6;
  const QRectF leftRim(kDashLeft, leftTop, 3, kWindowH - leftTop);
  const QRectF rightRim(kWindowW - 5, 0, 5, kWindowH);
  for (const QRectF rim : {leftRim, rightRim}) {
    QPainterPath bar;
    bar.addRoundedRect(rim, 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient(rim.topLeft(), rim.topRight(),
                        {{0.0, QColor(0x06, 0x06, 0x0a)},
                         {0.5, QColor(0x30, 0x31, 0x3c)},
                         {1.0, QColor(0x0a, 0x0a, 0x10)}}));
    p.drawPath(bar);
  }
  p.fillRect(QRectF(kDashLeft + 1, leftTop + 4, 1, kWindowH - leftTop - 4),
             gradient({0, leftTop}, {0, leftTop + 46},
                      {{0.0, withAlpha(v.accent, 0)}, {1.0, withAlpha(v.accent, 200)}}));
  screw(p, QPointF(578, 10), 0.6);
  screw(p, QPointF(578, 337), 2.1);
}

// --- The finish banner --------------------------------------------------------------------------

// The banner's letters, built from strokes so no font is involved. Each is
// drawn in a 10 x 18 box from its top-left corner.
QPainterPath letter(char c, QPointF at) {
  QPainterPath s;
  auto P = [&](double x, double y) { return at + QPointF(x, y); };
  switch (c) {
    case 'F':
      s.moveTo(P(1, 18));
      s.lineTo(P(1, 1));
      s.lineTo(P(9.5, 1));
      s.moveTo(P(1, 9));
      s.lineTo(P(7.5, 9));
      break;
    case 'I':
      s.moveTo(P(3, 1));
      s.lineTo(P(3, 17));
      break;
    case 'N':
      s.moveTo(P(1, 17));
      s.lineTo(P(1, 1));
      s.lineTo(P(9, 17));
      s.lineTo(P(9, 1));
      break;
    case 'S':
      s.moveTo(P(9, 3));
      s.cubicTo(P(7.5, 0.5), P(1, 0.2), P(1, 4.8));
      s.cubicTo(P(1, 9), P(9.2, 8), P(9.2, 12.8));
      s.cubicTo(P(9.2, 17.6), P(2, 17.6), P(0.8, 14.8));
      break;
    case 'H':
      s.moveTo(P(1, 1));
      s.lineTo(P(1, 17));
      s.moveTo(P(9, 1));
      s.lineTo(P(9, 17));
      s.moveTo(P(1, 9));
      s.lineTo(P(9, 9));
      break;
    default:
      break;
  }
  return s;
}

QPainterPath finishWord(QPointF origin) {
  QPainterPath word;
  double x = origin.x();
  for (char c : std::string_view("FINISH")) {
    word.addPath(letter(c, QPointF(x, origin.y())));
    x += c == 'I' ? 9 : 15;
  }
  QPainterPathStroker stroker;
  stroker.setWidth(3.6);
  stroker.setCapStyle(Qt::SquareCap);
  stroker.setJoinStyle(Qt::BevelJoin);
  QPainterPath solid = stroker.createStroke(word).simplified();
  // A forward lean, for speed.
  QTransform lean;
  lean.translate(0, origin.y() + 9);
  lean.shear(-0.22, 0);
  lean.translate(0, -(origin.y() + 9));
  return lean.map(solid);
}

}  // namespace

void paintRoad(QPainter& p, int stage) {
  const Venue& v = venue(stage);
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  paintAsphalt(p, v, stage);
  paintRoadLight(p, stage);
  paintKerbs(p, v);
  paintLines(p, v);
  paintRoadGlints(p, v, stage);
  p.restore();
}

void paintStageBackground(QPainter& p, int stage) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  // The road covers the middle; its picture is repeated underneath so any
  // gap at the seams shows road, not a hole.
  p.save();
  p.translate(kColumnW, 0);
  paintRoad(p, stage);
  p.restore();

  p.save();
  p.setClipRect(QRectF(0, 0, kColumnW, kWindowH));
  switch (stage) {
    case 1:
      sceneryCountryside(p);
      break;
    case 2:
      scenerySunsetCoast(p);
      break;
    case 3:
      sceneryCity(p);
      break;
    case 4:
      sceneryMountain(p);
      break;
    default:
      sceneryStadium(p);
      break;
  }
  const struct {
    QColor colour;
    int alpha;
  } shades[] = {{{0x06, 0x14, 0x0a}, 200},
                {{0x0c, 0x06, 0x18}, 170},
                {{0x05, 0x04, 0x0c}, 120},
                {{0x04, 0x08, 0x0c}, 175},
                {{0x04, 0x04, 0x08}, 180}};
  messageShade(p, shades[std::clamp(stage, 1, 5) - 1].colour,
               shades[std::clamp(stage, 1, 5) - 1].alpha);
  // A quiet, even patch behind the player's name box at the bottom.
  p.fillRect(QRectF(0, 300, kColumnW - 16, 45),
             gradient({0, 300}, {0, 312}, {{0.0, QColor(0, 0, 0, 0)}, {1.0, QColor(0, 0, 0, 40)}}));
  p.restore();

  paintDashboard(p, stage);
  p.restore();
}

void paintFinishBanner(QPainter& p) {
  constexpr double w = 265;
  constexpr double h = 51;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  // Chequers painted right across the road, four rows deep.
  const double cell = h / 4;
  p.fillRect(QRectF(0, 0, w, h), pal::kWhite);
  for (int row = 0; row < 4; ++row) {
    for (int col = 1 - row % 2; col * cell < w; col += 2) {
      p.fillRect(QRectF(col * cell, row * cell, cell, cell), pal::kInk);
    }
  }
  // Scuffed by tyres along the wheel tracks.
  p.setPen(Qt::NoPen);
  for (double x : {34.0, 76.0, 110.0, 152.0, 186.0, 228.0}) {
    p.fillRect(QRectF(x - 6, 0, 12, h), gradient({x - 6, 0}, {x + 6, 0},
                                                 {{0.0, QColor(40, 40, 50, 0)},
                                                  {0.5, QColor(40, 40, 50, 60)},
                                                  {1.0, QColor(40, 40, 50, 0)}}));
  }

  // The word on a red board in the middle, with a gold rim.
  const QRectF board(w / 2 - 62, 8, 124, 35);
  QPainterPath plate;
  plate.addRoundedRect(board, 6, 6);
  p.setBrush(QColor(0, 0, 0, 90));
  p.drawPath(plate.translated(1.5, 2));
  fillOutlined(p, plate,
               gradient(board.topLeft(), board.bottomLeft(),
                        {{0.0, pal::kKerbRed.lighter(112)}, {1.0, pal::kKerbRed.darker(130)}}),
               kOutline);
  p.setPen(QPen(withAlpha(pal::kSkyGold, 230), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(board.adjusted(3, 3, -3, -3), 4, 4);
  const QPainterPath word = finishWord(QPointF(w / 2 - 38, 16.5));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 110));
  p.drawPath(word.translated(1.2, 1.4));
  fillOutlined(p, word, pal::kWhite, 1.0);

  // Ink along both long edges so the strip sits on any road.
  p.setPen(QPen(pal::kInk, kOutline));
  p.drawLine(QPointF(0, 0.8), QPointF(w, 0.8));
  p.drawLine(QPointF(0, h - 0.8), QPointF(w, h - 0.8));
  p.restore();
}

void paintRoadside(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  // The left lane's centre on the road below.
  const double lane = kLaneLeft + kLaneW / 2;

  // A worn white arrow painted in the lane, pointing on up the road.
  QPainterPath arrow(QPointF(lane, 18));
  arrow.lineTo(lane + 15, 44);
  arrow.lineTo(lane + 5.5, 44);
  arrow.lineTo(lane + 5.5, 94);
  arrow.lineTo(lane - 5.5, 94);
  arrow.lineTo(lane - 5.5, 44);
  arrow.lineTo(lane - 15, 44);
  arrow.closeSubpath();
  Dice dice(777);
  QPainterPath wear;
  for (int i = 0; i < 60; ++i) {
    const QPointF c(lane + dice.uniform(-15, 15), dice.uniform(18, 94));
    wear.addEllipse(c, dice.uniform(0.6, 1.8), dice.uniform(0.6, 2.6));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(withAlpha(pal::kWhite, 120));
  p.drawPath(arrow.subtracted(wear));

  // A pair of skid marks from someone who braked late, fading in and out so
  // the picture joins itself when it wraps.
  for (double offset : {0.0, 42.0}) {
    QPainterPath skid(QPointF(64 + offset, 8));
    skid.cubicTo(66 + offset, 50, 72 + offset, 86, 82 + offset * 0.9, 128);
    const int steps = 60;
    for (int i = 0; i < steps; ++i) {
      const double t0 = i / double(steps);
      const double t1 = (i + 1) / double(steps);
      const double fade = std::sin(kPi * (t0 + t1) / 2);
      p.setPen(
          QPen(QColor(12, 10, 16, static_cast<int>(70 * fade)), 4.5, Qt::SolidLine, Qt::FlatCap));
      p.drawLine(skid.pointAtPercent(t0), skid.pointAtPercent(t1));
    }
  }

  // A hatched strip by the kerb: faded chevrons on a patch of newer tarmac.
  const QRectF patch(kEdgeLine + 4, 100, 28, 32);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 40));
  p.drawRoundedRect(patch, 2, 2);
  p.save();
  p.setClipRect(patch);
  p.setPen(QPen(withAlpha(pal::kCarYellow, 110), 3.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  for (double y = patch.top() + 6; y < patch.bottom() + 8; y += 10) {
    QPolygonF chevron({QPointF(patch.left() - 2, y + 8), QPointF(patch.center().x(), y),
                       QPointF(patch.right() + 2, y + 8)});
    p.drawPolyline(chevron);
  }
  p.restore();
  // Loose grit scattered near the edge.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 40; ++i) {
    p.setBrush(QColor(230, 230, 235, 40 + dice.below(50)));
    p.drawEllipse(QPointF(dice.uniform(kEdgeLine + 4, 50), dice.uniform(4, 130)), 0.7, 0.7);
  }
  p.restore();
}

}  // namespace art
