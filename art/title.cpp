// The title screen: a sunset over the city, the road running straight into
// the sun and three cars racing for it. The lower part is a calm panel for
// the menu buttons and the game's title text.

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "frontend/title_layout.h"
#include "style.h"

namespace art {
namespace {

// The road is drawn in perspective: a point `z` units ahead of the camera
// and `u` road half-widths off the centre line lands at
// (kCentreX + u * kSpread / z, kHorizon + kDrop / z).
constexpr double kHorizon = 118;
constexpr double kCentreX = 288;
constexpr double kDrop = 362;
constexpr double kSpread = 420;
constexpr double kNearZ = 1.0;  // the bottom edge of the picture
constexpr double kFarZ = 400;

// The title's own colours, besides the house sunset: the shadow under the
// menu panel and the dusk that settles below the cars.
constexpr QColor kPanelShadow{0, 0, 0, 90};
const QColor kDusk = pal::kSkyNight.darker(140);

QPointF ground(double u, double z) { return {kCentreX + u * kSpread / z, kHorizon + kDrop / z}; }

// A strip of road paint between two offsets and two depths.
QPolygonF patch(double u0, double u1, double z0, double z1) {
  return QPolygonF({ground(u0, z0), ground(u1, z0), ground(u1, z1), ground(u0, z1)});
}

QRectF inPixels(const frontend::title_layout::Box& b) {
  return QRectF(b.left / 15.0, b.top / 15.0, b.width / 15.0, b.height / 15.0);
}

void paintSky(QPainter& p) {
  p.fillRect(QRectF(0, 0, 640, kHorizon + 1), gradient({0, 0}, {0, kHorizon},
                                                       {{0.0, pal::kSkyNight},
                                                        {0.32, pal::kSkyViolet},
                                                        {0.62, pal::kSkyMagenta},
                                                        {0.86, pal::kSkyOrange},
                                                        {1.0, pal::kSkyGold}}));

  // A scatter of early stars, fading out towards the glow of the sun.
  Dice dice(20240611);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 46; ++i) {
    const double x = dice.uniform(0, 640);
    const double y = dice.uniform(3, 64);
    const double r = dice.uniform(0.45, 1.1);
    const int alpha = static_cast<int>(220 * (1.0 - y / 70.0));
    p.setBrush(withAlpha(pal::kWhite, alpha));
    p.drawEllipse(QPointF(x, y), r, r);
  }
  // A few brighter twinkles.
  for (const QPointF c : {QPointF(62, 22), QPointF(470, 14), QPointF(540, 44), QPointF(170, 40)}) {
    p.setBrush(withAlpha(pal::kWhite, 210));
    p.drawPath(fourPointStar(c, 4.2));
  }

  // The glow around the sun.
  QRadialGradient glow(QPointF(kCentreX, kHorizon - 14), 230);
  glow.setColorAt(0.0, withAlpha(pal::kSkyGold, 150));
  glow.setColorAt(0.35, withAlpha(pal::kSkyOrange, 70));
  glow.setColorAt(1.0, withAlpha(pal::kSkyMagenta, 0));
  p.setBrush(glow);
  p.drawRect(QRectF(0, 0, 640, kHorizon));

  // The sun, sliced by the heat haze near the horizon.
  const QPointF sunCentre(kCentreX, kHorizon - 12);
  const double sunR = 66;
  QPainterPath sun;
  sun.addEllipse(sunCentre, sunR, sunR);
  double y = sunCentre.y() - 26;
  for (int i = 0; i < 7; ++i) {
    const double gap = 1.4 + i * 0.85;
    QPainterPath slit;
    slit.addRect(QRectF(kCentreX - sunR - 2, y, 2 * sunR + 4, gap));
    sun = sun.subtracted(slit);
    y += gap + 8.5 - i * 0.6;
  }
  p.setBrush(gradient(sunCentre - QPointF(0, sunR), sunCentre + QPointF(0, sunR * 0.3),
                      {{0.0, pal::kSunCore},
                       {0.45, pal::kSkyGold},
                       {0.8, pal::kSkyOrange},
                       {1.0, mix(pal::kSkyOrange, pal::kSkyMagenta, 0.5)}}));
  p.drawPath(sun);

  // Long, flat clouds drifting across the sun: a low band with a puff on top.
  struct Cloud {
    double x, y, w, h;
  };
  for (const Cloud& c : {Cloud{176, 52, 140, 6}, Cloud{262, 68, 200, 7}, Cloud{36, 78, 160, 6},
                         Cloud{418, 36, 150, 5}, Cloud{470, 86, 130, 6}, Cloud{-30, 30, 130, 5}}) {
    // A flat-bottomed bank: a long base with a few rounded puffs on top.
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    cloud.addRoundedRect(QRectF(c.x, c.y, c.w, c.h), c.h / 2, c.h / 2);
    const double puffs[][3] = {
        {0.22, 0.09, 1.2}, {0.36, 0.1, 1.9}, {0.52, 0.08, 1.4}, {0.66, 0.06, 1.0}};
    for (const auto& puff : puffs) {
      const double r = c.h * puff[2];
      cloud.addEllipse(QPointF(c.x + c.w * puff[0], c.y + c.h - r * 0.9), r * (1.0 + puff[1] * 4),
                       r);
    }
    QPainterPath keep;
    keep.addRect(QRectF(c.x - 1, c.y - 4 * c.h, c.w + 2, 5 * c.h));
    cloud = cloud.intersected(keep).simplified();
    const double top = c.y - c.h * 1.6;
    p.setBrush(gradient({0, top}, {0, c.y + c.h},
                        {{0.0, withAlpha(mix(pal::kSkyGold, pal::kSkyMagenta, 0.3), 235)},
                         {0.35, withAlpha(mix(pal::kSkyMagenta, pal::kSkyViolet, 0.25), 230)},
                         {1.0, withAlpha(mix(pal::kSkyViolet, pal::kSkyNight, 0.2), 230)}}));
    p.drawPath(cloud);
  }
}

void paintSkyline(QPainter& p) {
  // Distant hills, hazy in the evening light.
  QPainterPath hills(QPointF(0, kHorizon));
  hills.lineTo(0, kHorizon - 20);
  hills.cubicTo(60, kHorizon - 34, 120, kHorizon - 14, 170, kHorizon - 22);
  hills.cubicTo(220, kHorizon - 30, 250, kHorizon - 10, 300, kHorizon - 12);
  hills.cubicTo(360, kHorizon - 14, 400, kHorizon - 36, 470, kHorizon - 28);
  hills.cubicTo(530, kHorizon - 20, 590, kHorizon - 38, 640, kHorizon - 26);
  hills.lineTo(640, kHorizon);
  hills.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(withAlpha(mix(pal::kSkyViolet, pal::kSkyMagenta, 0.45), 200));
  p.drawPath(hills);

  // Two rows of towers: a pale far row and a darker near row with lit windows.
  // Near the road the towers stay low so the sun keeps its place.
  auto row = [&](std::uint32_t seed, double minH, double maxH, double clear, const QColor& fill,
                 bool near) {
    Dice dice(seed);
    double x = -6;
    while (x < 646) {
      const double w = dice.uniform(9, near ? 24 : 18);
      const double centreGap = std::abs(x + w / 2 - kCentreX);
      double h = dice.uniform(minH, maxH);
      if (centreGap < clear) h *= 0.25 + 0.75 * (centreGap / clear);
      if (near && centreGap < 34) {
        x += w;
        continue;
      }
      const QRectF tower(x, kHorizon - h, w, h + 1);
      QPainterPath shape;
      shape.addRect(tower);
      if (dice.below(4) == 0 && h > maxH * 0.6) {  // a spire
        shape.addRect(QRectF(x + w / 2 - 0.8, tower.top() - 7, 1.6, 7));
      }
      p.setPen(near ? QPen(pal::kInk, 1.25) : Qt::NoPen);
      p.setBrush(fill);
      p.drawPath(shape.simplified());
      if (near) {
        p.setPen(Qt::NoPen);
        for (double wy = tower.top() + 3; wy < kHorizon - 3; wy += 4.5) {
          for (double wx = x + 2.5; wx < x + w - 3; wx += 4) {
            if (dice.below(5) < 2) {
              p.setBrush(withAlpha(pal::kSkyGold, 110 + dice.below(120)));
              p.drawRect(QRectF(wx, wy, 1.6, 2.0));
            }
          }
        }
      }
      x += w + (near ? dice.uniform(0, 6) : dice.uniform(-2, 2));
    }
  };
  row(71, 14, 42, 120, mix(pal::kSkyViolet, pal::kSkyMagenta, 0.25), false);
  row(907, 8, 50, 170, mix(pal::kSkyNight, pal::kSkyViolet, 0.45), true);
}

void paintGround(QPainter& p) {
  p.fillRect(QRectF(0, kHorizon, 640, 480 - kHorizon),
             gradient({0, kHorizon}, {0, 480},
                      {{0.0, mix(pal::kSkyViolet, pal::kSkyMagenta, 0.3)},
                       {0.12, mix(pal::kSkyNight, pal::kTealDark, 0.35)},
                       {0.45, mix(pal::kSkyNight, pal::kAsphaltDeep, 0.6)},
                       {1.0, pal::kAsphaltDeep}}));
  // Haze where the land meets the sky.
  p.fillRect(QRectF(0, kHorizon, 640, 14), gradient({0, kHorizon}, {0, kHorizon + 14},
                                                    {{0.0, withAlpha(pal::kSkyOrange, 120)},
                                                     {1.0, withAlpha(pal::kSkyOrange, 0)}}));

  // Furrows in the fields on both sides, running off to the horizon.
  p.setPen(QPen(withAlpha(pal::kTeal, 38), 1.0));
  for (double u : {-9.0, -6.0, -4.2, -3.0, -2.2, -1.6, 1.6, 2.2, 3.0, 4.2, 6.0, 9.0}) {
    p.drawLine(ground(u, kNearZ * 0.5), ground(u, kFarZ));
  }

  // Lamp posts along the verges, each with a warm pool of light.
  for (double z = 2.0; z < 40; z *= 1.45) {
    for (double side : {-1.0, 1.0}) {
      const QPointF foot = ground(side * 1.32, z);
      const double scale = kSpread / z;
      const double height = scale * 0.55;
      const QPointF top = foot - QPointF(0, height);
      const QPointF lamp = top + QPointF(-side * scale * 0.12, 0);
      QRadialGradient pool(lamp, scale * 0.12);
      pool.setColorAt(0, withAlpha(pal::kSkyGold, 170));
      pool.setColorAt(0.4, withAlpha(pal::kSkyOrange, 60));
      pool.setColorAt(1, withAlpha(pal::kSkyOrange, 0));
      p.setPen(Qt::NoPen);
      p.setBrush(pool);
      p.drawEllipse(lamp, scale * 0.12, scale * 0.12);
      p.setPen(QPen(pal::kInk, std::max(0.6, scale * 0.018), Qt::SolidLine, Qt::RoundCap));
      QPainterPath post(foot);
      post.lineTo(top + QPointF(0, scale * 0.04));
      post.quadTo(top, lamp);
      p.setBrush(Qt::NoBrush);
      p.drawPath(post);
      p.setPen(Qt::NoPen);
      p.setBrush(pal::kHeadlight);
      p.drawEllipse(lamp, scale * 0.022, scale * 0.014);
    }
  }
}

void paintRoad(QPainter& p) {
  const double kerb = 1.09;
  // Asphalt, catching a little of the sunset in the distance.
  QPolygonF road(
      {ground(-kerb, kNearZ), ground(kerb, kNearZ), ground(kerb, kFarZ), ground(-kerb, kFarZ)});
  p.setPen(Qt::NoPen);
  p.setBrush(gradient({0, kHorizon}, {0, 480},
                      {{0.0, mix(pal::kAsphaltLight, pal::kSkyMagenta, 0.45)},
                       {0.18, mix(pal::kAsphalt, pal::kSkyViolet, 0.2)},
                       {0.5, pal::kAsphaltDark},
                       {1.0, pal::kAsphaltDeep}}));
  p.drawPolygon(road);

  // The sun's reflection running down the middle of the road.
  QPolygonF sheen({ground(0, kFarZ), ground(0.32, 3.0), ground(-0.32, 3.0)});
  p.setBrush(
      gradient({0, kHorizon}, ground(0, 3.0),
               {{0.0, withAlpha(pal::kSkyGold, 130)}, {1.0, withAlpha(pal::kSkyOrange, 0)}}));
  p.drawPolygon(sheen);

  // Red and white kerbs, then the white edge lines and the teal lane dashes.
  int n = 0;
  for (double z = kNearZ; z < 60; z += 0.5, ++n) {
    p.setBrush(n % 2 ? pal::kWhite : pal::kKerbRed);
    p.drawPolygon(patch(-kerb, -1.0, z, z + 0.5));
    p.drawPolygon(patch(1.0, kerb, z, z + 0.5));
  }
  p.setBrush(pal::kWhite);
  p.drawPolygon(patch(-0.97, -0.93, kNearZ, kFarZ));
  p.drawPolygon(patch(0.93, 0.97, kNearZ, kFarZ));
  p.setBrush(pal::kTeal);
  for (double z = kNearZ + 0.2; z < 50; z += 1.3) {
    for (double lane : {-1.0 / 3, 1.0 / 3}) {
      p.drawPolygon(patch(lane - 0.02, lane + 0.02, z, z + 0.6));
    }
  }

  // The finish line the cars have just crossed.
  const double lineZ = kDrop / (203 - kHorizon);
  const int squares = 14;
  for (int row = 0; row < 2; ++row) {
    for (int i = 0; i < squares; ++i) {
      const double u0 = -1.0 + 2.0 * i / squares;
      p.setBrush((i + row) % 2 ? pal::kInk : pal::kWhite);
      p.drawPolygon(patch(u0, u0 + 2.0 / squares, lineZ + row * 0.16, lineZ + (row + 1) * 0.16));
    }
  }

  // Ink along the outer edges of the kerbs.
  p.setPen(QPen(pal::kInk, 1.5));
  p.drawLine(ground(-kerb, kNearZ), ground(-kerb, kFarZ));
  p.drawLine(ground(kerb, kNearZ), ground(kerb, kFarZ));
}

void paintSpeedLines(QPainter& p) {
  // Streaks flying out of the vanishing point over the fields and the verges.
  Dice dice(4177);
  const QPointF vp(kCentreX, kHorizon);
  for (int i = 0; i < 34; ++i) {
    const bool left = i % 2 == 0;
    const double angle = dice.uniform(0.06, 0.62) * std::numbers::pi;  // measured from the horizon
    const QPointF dir(std::cos(angle) * (left ? -1 : 1), std::sin(angle));
    const double r0 = dice.uniform(90, 200);
    const double len = dice.uniform(30, 90);
    drawStreak(p, vp + dir * (r0 + len), vp + dir * r0, dice.uniform(1.2, 2.6),
               withAlpha(i % 3 ? pal::kWhite : pal::kTeal, 120 + dice.below(80)));
  }
}

// A car seen from a high chase camera: the top-down body squashed by the
// perspective, with its tail and rear tyres showing below.
void paintRacer(QPainter& p, double u, double z, const QColor& body, const QColor& accent) {
  const double w = 0.5 * kSpread / z;
  const double h = w * 1.7 * 0.7;
  const QPointF base = ground(u, z);
  const QRectF top(base.x() - w / 2, base.y() - h, w, h);
  const double face = w * 0.16;
  const double ow = std::clamp(w * 0.038, 1.0, 1.75);

  // Light trails streaming back towards the camera.
  for (double side : {-0.3, 0.3}) {
    const QPointF from(base.x() + side * w, base.y() + face * 0.5);
    drawStreak(p, from, from + QPointF(side * w * 0.9, w * 1.4), w * 0.12,
               withAlpha(pal::kTailLight, 150));
  }

  // Rear tyres and the tail panel.
  p.setPen(QPen(pal::kInk, ow * 0.7));
  p.setBrush(pal::kTyre);
  p.drawRoundedRect(QRectF(top.left() + w * 0.01, base.y() - face, w * 0.14, face * 1.9), 1, 1);
  p.drawRoundedRect(QRectF(top.right() - w * 0.15, base.y() - face, w * 0.14, face * 1.9), 1, 1);
  QPainterPath tail;
  tail.addRoundedRect(QRectF(top.left() + w * 0.07, base.y() - face, w * 0.86, face * 1.75),
                      face * 0.5, face * 0.5);
  fillOutlined(p, tail, body.darker(190), ow);

  drawCarTopDown(p, top, body, accent, ow);

  // Tail lights, glowing.
  for (double side : {-0.28, 0.28}) {
    const QPointF c(base.x() + side * w, base.y() + face * 0.38);
    QRadialGradient glow(c, w * 0.2);
    glow.setColorAt(0, withAlpha(pal::kTailLight, 170));
    glow.setColorAt(1, withAlpha(pal::kTailLight, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, w * 0.2, w * 0.2);
    p.setPen(QPen(pal::kInk, ow * 0.6));
    p.setBrush(pal::kTailLight.lighter(120));
    p.drawRoundedRect(QRectF(c.x() - w * 0.1, c.y() - face * 0.22, w * 0.2, face * 0.44), 1, 1);
  }
}

void paintMenuPanel(QPainter& p) {
  const QRectF panelRect = storyPanel();
  // Settle everything below the cars into a deep, quiet dusk.
  p.fillRect(
      QRectF(0, 196, 640, 284),
      gradient({0, 196}, {0, 246}, {{0.0, withAlpha(kDusk, 0)}, {1.0, withAlpha(kDusk, 225)}}));

  // The panel under the title text: soft paper with a sunset stripe on top.
  QPainterPath panel;
  panel.addRoundedRect(panelRect, 10, 10);
  p.setPen(Qt::NoPen);
  p.setBrush(kPanelShadow);
  p.drawPath(panel.translated(0, 3));
  fillOutlined(p, panel,
               gradient(panelRect.topLeft(), panelRect.bottomLeft(),
                        {{0.0, pal::kPaper}, {1.0, mix(pal::kPaperShade, pal::kSkyViolet, 0.08)}}),
               kOutline);
  p.save();
  p.setClipPath(panel);
  p.fillRect(QRectF(panelRect.left(), panelRect.top(), panelRect.width(), 4),
             gradient(panelRect.topLeft(), panelRect.topRight(),
                      {{0.0, pal::kSkyMagenta}, {0.5, pal::kSkyOrange}, {1.0, pal::kSkyGold}}));
  p.restore();
  p.setPen(QPen(pal::kInk, kOutline));
  p.setBrush(Qt::NoBrush);
  p.drawPath(panel);
}

}  // namespace

QSizeF titleWindow() {
  return QSizeF(frontend::title_layout::kWindowWidth / 15.0,
                frontend::title_layout::kWindowHeight / 15.0);
}

QRectF storyPanel() {
  using namespace frontend::title_layout;
  // A margin round the words, a little wider at the sides.
  return inPixels(kStoryBox)
      .united(inPixels(kHomePageLink))
      .united(inPixels(kCreditLink))
      .adjusted(-14, -8, 14, 7);
}

QColor storyPaper() {
  using frontend::title_layout::kPaper;
  return QColor(kPaper[0], kPaper[1], kPaper[2]);
}

void paintTitle(QPainter& p) {
  p.save();
  paintSky(p);
  paintSkyline(p);
  paintGround(p);
  paintRoad(p);
  paintSpeedLines(p);
  paintRacer(p, 0.62, 11.5, pal::kCarYellow, pal::kInk);
  paintRacer(p, -0.6, 7.6, pal::kCarBlue, pal::kWhite);
  paintRacer(p, 0.05, 4.6, pal::kCarRed, pal::kWhite);
  paintMenuPanel(p);
  p.restore();
}

}  // namespace art
