// Stage 2: side by side with Quellan on the coast road at sunset, the sun
// going down into the sea behind the two cars.

#include <QRadialGradient>
#include <cmath>

#include "scenes.h"

namespace art::scene {
namespace {

// Sea and shore under the sunset.
const QColor kHeadlandTop(0x5a2c5c), kHeadlandFoot(0x2c183a);
const QColor kSeaFar(0x9a487a), kSeaMiddle(0x5a306e), kSeaNear(0x342258);

// The road and its rail.
const QColor kRailPost(0x6a5a6e);
const QColor kRailLit(0xffe0a0), kRailMiddle(0xc09aa0), kRailShade(0x6a526e);
const QColor kRoadFar(0x6a4e6a), kRoadMiddle(0x4a3a56), kRoadNear(0x30283e);
const QColor kEdgeLine(0xffe9c9), kLaneDash(0xffe2bd);

// The cars, lit gold from the side.
const QColor kSunRim = withAlpha(0xffd270, 230), kSpeedLine(0xffe6b0);
const Livery kQuellan{QColor(0x1ab4aa), pal::kWhite, QColor(0xc8d0dc), 3};

// Below the road: a stone wall, sand, dunes and palms.
const QColor kWallTop(0xe8b48a), kWallFoot(0xa8705c), kWallJoint = withAlpha(0x8a564a, 160);
const QColor kSandFar(0xc87c62), kSandNear(0xe6a074);
const QColor kDuneTop(0xf2b884), kDuneFoot(0xe0966a);
const QColor kBeachGrass = withAlpha(0x7a6a3a, 200), kPalm(0x3a1e34);

// The headland with the lighthouse on it, and the dune in front.
constexpr PathStep kHeadland[] = {
    // The cliff at the left edge, up to the lighthouse's hill.
    moveTo(-2, 132), lineTo(-2, 68), cubicTo(30, 62, 60, 64, 84, 76),
    // Its slope down into the sea.
    cubicTo(104, 84, 118, 94, 140, 104), lineTo(150, 132), closePath()};
constexpr QPointF kIsland[] = {{170, 102}, {196, 93}, {220, 96}, {250, 102}};
constexpr QPointF kLighthouse[] = {{48, 66}, {60, 66}, {58, 30}, {50, 30}};
constexpr QPointF kLighthouseBands[][4] = {{{49.2, 54}, {58.8, 54}, {58.5, 46}, {49.5, 46}},
                                           {{49.8, 40}, {58.2, 40}, {58, 34}, {50, 34}}};
constexpr QPointF kLanternRoof[] = {{46, 24}, {62, 24}, {54, 17}};
constexpr PathStep kDune[] = {
    // The dune's crest across the picture, over the sand below.
    moveTo(0, 323),
    lineTo(0, 272),
    cubicTo(120, 252, 220, 282, 330, 266),
    cubicTo(430, 252, 500, 276, 576, 262),
    lineTo(576, 323),
    closePath()};

// A palm tree: a leaning, ringed trunk and a crown of drooping fronds,
// backlit by the low sun so it stands dark against the sky.
void palm(QPainter& p, QPointF foot, QPointF crownAt, double size, const QColor& dark,
          const QColor& rim) {
  QPainterPath trunk(foot + QPointF(-size * 0.1, 0));
  trunk.quadTo((foot + crownAt) / 2 + QPointF(size * 0.25, 0), crownAt + QPointF(-size * 0.06, 0));
  trunk.lineTo(crownAt + QPointF(size * 0.06, 0));
  trunk.quadTo((foot + crownAt) / 2 + QPointF(size * 0.33, 0), foot + QPointF(size * 0.09, 0));
  trunk.closeSubpath();
  fillOutlined(
      p, trunk,
      gradient(foot, foot + QPointF(size * 0.2, 0), {{0.0, dark}, {1.0, dark.lighter(140)}}), 1.2);
  for (double t = 0.08; t < 0.95; t += 0.07) {
    const QPointF a = foot + (crownAt - foot) * t + QPointF(size * 0.29 * std::sin(t * kPi), 0);
    stroke(p,
           curve(a - QPointF(size * 0.07, 0), a + QPointF(0, size * 0.03),
                 a + QPointF(size * 0.07, 0)),
           QPen(withAlpha(rim, 140), 1.0));
  }
  // Fronds: an arching rib hung with leaflets that droop towards the tip.
  const double angles[] = {-168, -140, -110, -75, -42, -12, 14, 196};
  for (double deg : angles) {
    const double a = deg * kPi / 180;
    const QPointF dir(std::cos(a), std::sin(a));
    const QPointF tip = crownAt + dir * size + QPointF(0, size * 0.55);
    const QPointF ctrl = crownAt + dir * size * 0.6 - QPointF(0, size * 0.25);
    QPainterPath leaves;
    leaves.setFillRule(Qt::WindingFill);
    for (double t = 0.1; t < 0.98; t += 0.045) {
      const QPointF q = crownAt * (1 - t) * (1 - t) + ctrl * 2 * t * (1 - t) + tip * t * t;
      const QPointF next = crownAt * (1 - t - 0.02) * (1 - t - 0.02) +
                           ctrl * 2 * (t + 0.02) * (1 - t - 0.02) + tip * (t + 0.02) * (t + 0.02);
      QPointF along = next - q;
      const double len = std::hypot(along.x(), along.y());
      along /= len > 0 ? len : 1;
      const double leaf = size * 0.42 * (1.15 - t);
      for (double side : {-1.0, 1.0}) {
        const QPointF out = QPointF(-along.y(), along.x()) * side;
        const QPointF end = q + (out * 0.7 + QPointF(0, 1.0) + along * 0.5) * leaf;
        leaves.addPolygon(QPolygonF({q - along * size * 0.02, q + along * size * 0.05, end}));
        leaves.closeSubpath();
      }
    }
    fill(p, leaves, gradient(crownAt, tip, {{0.0, dark.lighter(125)}, {1.0, dark}}));
    const QPainterPath rib = curve(crownAt, ctrl, tip);
    stroke(p, rib, QPen(dark.darker(120), 2.0, Qt::SolidLine, Qt::RoundCap));
    stroke(p, rib.translated(0, -0.8), QPen(withAlpha(rim, 200), 0.9, Qt::SolidLine, Qt::RoundCap));
  }
  fill(p, circle(crownAt + QPointF(0, size * 0.06), size * 0.08), dark.darker(130));
}

// Long clouds lit gold underneath.
void cloudStreaks(QPainter& p) {
  struct Streak {
    double x, y, w, h;
  };
  for (const Streak& c : {Streak{300, 54, 220, 5}, Streak{40, 36, 200, 6}, Streak{380, 26, 160, 4},
                          Streak{120, 74, 150, 4}, Streak{470, 80, 110, 4}}) {
    QPainterPath band = roundedRect(QRectF(c.x, c.y, c.w, c.h), c.h / 2);
    band.addEllipse(QPointF(c.x + c.w * 0.35, c.y + c.h * 0.2), c.w * 0.14, c.h * 1.2);
    fill(p, band.simplified(),
         gradient({0, c.y - c.h}, {0, c.y + c.h},
                  {{0.0, withAlpha(mix(pal::kSkyViolet, pal::kSkyMagenta, 0.4), 230)},
                   {1.0, withAlpha(pal::kSkyGold, 230)}}));
  }
}

// The headland and its lighthouse, the beam sweeping out to sea.
void lighthouse(QPainter& p) {
  fillOutlined(p, tracePath(kHeadland),
               gradient({0, 64}, {0, 122}, {{0.0, kHeadlandTop}, {1.0, kHeadlandFoot}}), 1.4);
  fillOutlined(p, polygon(kLighthouse), pal::kWhite, 1.2);
  for (const auto& band : kLighthouseBands) fill(p, polygon(band), pal::kKerbRed);
  fillOutlined(p, rect(48, 24, 12, 6), pal::kHeadlight, 1.0);
  fillOutlined(p, polygon(kLanternRoof), pal::kKerbRed, 1.0);
  glow(p, QPointF(54, 27), 22, pal::kHeadlight, 200);
  drawStreak(p, QPointF(60, 27), QPointF(150, 14), 10, withAlpha(pal::kHeadlight, 90));
}

}  // namespace

void paintCoast(QPainter& p) {
  const double W = 576, H = 323;
  const double horizon = 102;
  const QPointF sun(432, horizon + 6);
  p.fillRect(QRectF(0, 0, W, horizon + 2), sunsetSky({0, 0}, {0, horizon}, 0.3, 0.6, 0.85));
  Dice dice(202);
  for (int i = 0; i < 30; ++i) {
    const QPointF at(dice.uniform(0, W), dice.uniform(2, 40));
    fill(p, circle(at, dice.uniform(0.4, 1.0)),
         withAlpha(pal::kWhite, static_cast<int>(200 - at.y() * 4)));
  }
  glow(p, sun, 260, pal::kSkyGold, 170);
  fill(p, circle(sun, 40),
       gradient(sun - QPointF(0, 40), sun + QPointF(0, 20),
                {{0.0, pal::kSunCore}, {0.6, pal::kSkyGold}, {1.0, pal::kSkyOrange}}));
  cloudStreaks(p);
  // Distant islands and the headland with its lighthouse.
  fill(p, polygon(kIsland), withAlpha(mix(pal::kSkyViolet, pal::kSkyMagenta, 0.3), 230));
  lighthouse(p);

  // The sea, a path of glitter running to the sun.
  const double roadTop = 152;
  p.fillRect(
      QRectF(0, horizon, W, roadTop - horizon),
      gradient({0, horizon}, {0, roadTop}, {{0.0, kSeaFar}, {0.5, kSeaMiddle}, {1.0, kSeaNear}}));
  for (int i = 0; i < 150; ++i) {
    const double t = std::pow(dice.uniform(0, 1), 0.8);
    const double y = horizon + 2 + t * (roadTop - horizon - 4);
    const double spread = 18 + t * 110;
    const double x = sun.x() + dice.uniform(-spread, spread);
    fill(p, rect(x, y, dice.uniform(3, 4 + t * 14), 1.1 + t * 0.8),
         withAlpha(dice.below(2) ? pal::kSunCore : pal::kSkyGold, 120 + dice.below(130)));
  }
  for (int i = 0; i < 40; ++i) {
    const double y = dice.uniform(horizon + 6, roadTop);
    const double x = dice.uniform(0, W);
    stroke(p, curve({x, y}, {x + 8, y - 1.5}, {x + 16 + (y - horizon) * 0.3, y}),
           QPen(withAlpha(pal::kSkyMagenta.lighter(130), 70), 1.0));
  }

  // The guard rail on the sea side.
  for (double x = 6; x < W; x += 30)
    fillOutlined(p, rect(x, roadTop - 10, 3.5, 13), kRailPost, 0.9);
  fillOutlined(p, rect(-2, roadTop - 10, W + 4, 6),
               gradient({0, roadTop - 10}, {0, roadTop - 4},
                        {{0.0, kRailLit}, {0.4, kRailMiddle}, {1.0, kRailShade}}),
               1.2);

  // The road, shining where the sun catches it.
  const double roadBottom = 212;
  p.fillRect(QRectF(0, roadTop, W, roadBottom - roadTop),
             gradient({0, roadTop}, {0, roadBottom},
                      {{0.0, kRoadFar}, {0.3, kRoadMiddle}, {1.0, kRoadNear}}));
  QRadialGradient sheen(QPointF(sun.x(), roadTop + 6), 240);
  sheen.setColorAt(0, withAlpha(pal::kSkyGold, 150));
  sheen.setColorAt(1, withAlpha(pal::kSkyOrange, 0));
  fill(p, rect(0, roadTop, W, roadBottom - roadTop), sheen);
  fill(p, rect(0, roadTop + 3, W, 1.6), withAlpha(kEdgeLine, 200));
  for (double x = -20; x < W; x += 46)
    fill(p, rect(x, roadTop + 27, 26, 2.4), withAlpha(kLaneDash, 220));
  fill(p, rect(0, roadBottom - 6, W, 1.8), withAlpha(kEdgeLine, 200));

  // Quellan's teal car in the far lane, the player's red car beside it.
  speedLines(p, QRectF(40, 132, 200, 70), 16, 21, kSpeedLine);
  sideCar(p, {262, 180}, 148, 1, kQuellan, true, kSunRim);
  sideCar(p, {176, 204}, 172, 1, livery::kPlayer, true, kSunRim);

  // Below the road: a low stone wall, then dunes and beach grass.
  const double wallTop = 212;
  fillOutlined(p, rect(-2, wallTop, W + 4, 14),
               gradient({0, wallTop}, {0, wallTop + 14}, {{0.0, kWallTop}, {1.0, kWallFoot}}), 1.4);
  for (double x = 0; x < W; x += 26)
    stroke(p, segment({x, wallTop + 1}, {x, wallTop + 13}), QPen(kWallJoint, 1.0));
  const double duneTop = wallTop + 14;
  p.fillRect(QRectF(0, duneTop, W, H - duneTop),
             gradient({0, duneTop}, {0, H}, {{0.0, kSandFar}, {1.0, kSandNear}}));
  fill(p, tracePath(kDune), gradient({0, 252}, {0, H}, {{0.0, kDuneTop}, {1.0, kDuneFoot}}));
  for (int i = 0; i < 70; ++i) {
    const QPointF at(dice.uniform(0, W), dice.uniform(duneTop + 6, H));
    for (int k = -1; k <= 1; ++k) {
      stroke(p,
             curve(at, at + QPointF(k * 2, -5),
                   at + QPointF(k * 4 + 2, -9 - (at.y() - duneTop) * 0.05)),
             QPen(kBeachGrass, 1.0, Qt::SolidLine, Qt::RoundCap));
    }
  }
  palm(p, {540, H + 4}, {522, 52}, 56, kPalm, pal::kSkyGold);
  palm(p, {22, H + 4}, {44, 136}, 40, kPalm, pal::kSkyGold);
}

}  // namespace art::scene
