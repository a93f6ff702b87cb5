// Skyforge's sky, the background of the bonus shooter: deep dusk over a sea
// of cloud, the fortress's towers on the horizon and its dark keep on the
// right. The top band and the keep stay dark behind the game's white labels,
// which sit on instrument plates of dark glass and brass.

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>

#include "bonus/craft.h"
#include "style.h"

namespace art {
namespace {

using namespace skyforge;

// The moon: the light it casts on the clouds, and its crescent shading
// from a warm tip to a cool one.
struct Moon {
  QColor light, warm, cool;
};
const Moon kMoon{{0xc8, 0xc0, 0xff}, {0xff, 0xf8, 0xe2}, {0xe8, 0xd8, 0xff}};

// The deep night at the top of the sky, the near stone of the keep, the
// night settling over the top band and the dark glass of the instrument
// plates.
const QColor kDeepSky{0x0b, 0x09, 0x1c};
const QColor kKeepStone{0x12, 0x0e, 0x22};
const QColor kNight{0x08, 0x06, 0x14};
const QColor kPlateGlass{0x14, 0x10, 0x2c};

// --- The sky ----------------------------------------------------------------------------------

constexpr double kW = 640;
constexpr double kH = 480;

// Where the game writes its own labels, in white, on the sky; nothing bright
// is drawn behind them.
const QRectF kLabels[] = {
    QRectF(80, 8, 210, 42),     // player's points
    QRectF(360, 8, 170, 42),    // enemy's points
    QRectF(430, 305, 190, 75),  // password and score
};

bool behindLabels(QPointF q, double margin = 6) {
  for (const QRectF& r : kLabels) {
    if (r.adjusted(-margin, -margin, margin, margin).contains(q)) return true;
  }
  return false;
}

// Where the horizon glows: low in the sky, left of the middle.
const QPointF kGlowCentre(230, 425);

void paintSkyDome(QPainter& p) {
  p.fillRect(QRectF(0, 0, kW, kH), gradient({0, 0}, {0, kH},
                                            {{0.0, kDeepSky},
                                             {0.14, mix(kDeepSky, pal::kSkyNight, 0.6)},
                                             {0.45, pal::kSkyNight},
                                             {0.7, mix(pal::kSkyNight, pal::kSkyViolet, 0.55)},
                                             {0.86, mix(pal::kSkyViolet, pal::kSkyMagenta, 0.3)},
                                             {1.0, mix(pal::kSkyViolet, pal::kSkyNight, 0.4)}}));
  // The last of the sunset, low on the left of the horizon.
  p.save();
  p.translate(kGlowCentre);
  p.scale(1.0, 0.34);
  QRadialGradient dusk(QPointF(0, 0), 360);
  dusk.setColorAt(0.0, withAlpha(pal::kSkyOrange, 190));
  dusk.setColorAt(0.3, withAlpha(pal::kSkyMagenta, 120));
  dusk.setColorAt(0.7, withAlpha(pal::kSkyViolet, 50));
  dusk.setColorAt(1.0, withAlpha(pal::kSkyViolet, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(dusk);
  p.drawEllipse(QPointF(0, 0), 360, 360);
  p.restore();
}

void paintStars(QPainter& p) {
  Dice dice(51207);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 150; ++i) {
    const QPointF q(dice.uniform(0, kW), dice.uniform(0, 290));
    const double r = dice.uniform(0.4, 1.0);
    const int alpha = static_cast<int>(dice.uniform(90, 220) * (1.0 - q.y() / 330));
    if (behindLabels(q)) continue;
    p.setBrush(withAlpha(pal::kWhite, alpha));
    p.drawEllipse(q, r, r);
  }
  for (const QPointF c : {QPointF(40, 92), QPointF(318, 64), QPointF(250, 132), QPointF(470, 176),
                          QPointF(612, 22), QPointF(128, 200)}) {
    p.setBrush(withAlpha(pal::kWhite, 190));
    p.drawPath(fourPointStar(c, 3.6));
  }
}

void paintMoon(QPainter& p) {
  const QPointF c(566, 98);
  const double r = 22;
  glow(p, c, 70, 70, kMoon.light, 60);
  QPainterPath disc;
  disc.addEllipse(c, r, r);
  QPainterPath bite;
  bite.addEllipse(c + QPointF(-9, -5), r * 0.92, r * 0.92);
  const QPainterPath crescent = disc.subtracted(bite);
  p.setPen(Qt::NoPen);
  p.setBrush(withAlpha(pal::kSkyNight.lighter(130), 120));
  p.drawPath(disc);
  p.setBrush(
      gradient(c + QPointF(r, -r), c - QPointF(0, -r), {{0.0, kMoon.warm}, {1.0, kMoon.cool}}));
  p.drawPath(crescent);
}

// A cloud bank: billows of varied sizes over a flat underside along
// `base`, dark in the body with their upper edges lit in `rim`.
void cloudBank(QPainter& p, const QRectF& base, const QColor& body, const QColor& rim, int alpha,
               std::uint32_t seed, double rimWidth = 1.6) {
  Dice dice(seed);
  const double h = base.height();
  QPainterPath cloud;
  cloud.setFillRule(Qt::WindingFill);
  cloud.addRoundedRect(base, h / 2, h / 2);
  for (double x = base.left() + h * 0.8; x < base.right() - h * 0.8;) {
    const double r = h * dice.uniform(0.6, 1.3);
    cloud.addEllipse(QPointF(x, base.bottom() - r * dice.uniform(0.75, 1.05)),
                     r * dice.uniform(1.2, 1.7), r);
    x += r * dice.uniform(1.1, 1.9);
  }
  QPainterPath above;
  above.addRect(
      QRectF(base.left() - h * 3, base.top() - h * 4, base.width() + h * 6, h * 4 + base.height()));
  cloud = cloud.intersected(above).simplified();
  const QRectF b = cloud.boundingRect();
  p.setPen(Qt::NoPen);
  p.setBrush(gradient(b.topLeft(), b.bottomLeft(),
                      {{0.0, withAlpha(mix(body, rim, 0.25), alpha)},
                       {0.5, withAlpha(body, alpha)},
                       {1.0, withAlpha(body.darker(115), alpha)}}));
  p.drawPath(cloud);
  p.setBrush(withAlpha(rim, alpha * 3 / 4));
  p.drawPath(cloud.subtracted(cloud.translated(0.4, rimWidth)));
}

void paintHighCloud(QPainter& p) {
  // Thin streamers high up, silvered on top by the moon.
  const QColor body = mix(pal::kSkyNight, pal::kSkyViolet, 0.3);
  const QColor moonlit = mix(pal::kSkyViolet, kMoon.light, 0.45);
  cloudBank(p, QRectF(196, 86, 190, 6), body, moonlit, 190, 3, 1.2);
  cloudBank(p, QRectF(440, 128, 230, 7), body, moonlit, 200, 4, 1.2);
  cloudBank(p, QRectF(-30, 146, 170, 6), body, moonlit, 180, 5, 1.2);
}

void paintMidCloud(QPainter& p) {
  // Heavier banks lower down, their tops catching the sunset below them.
  const QColor body = mix(pal::kSkyNight, pal::kSkyViolet, 0.45);
  const QColor lit = mix(pal::kSkyMagenta, pal::kSkyViolet, 0.45);
  cloudBank(p, QRectF(-40, 192, 170, 9), body, lit, 210, 21, 1.4);
  cloudBank(p, QRectF(250, 262, 180, 10), body, lit, 220, 22);
  cloudBank(p, QRectF(330, 206, 130, 7), body, lit, 200, 23, 1.3);
}

// A far-off crag of the fortress floating on its own: broken rock under a
// small walled fort with one spired tower, hazy in the dusk.
void floatingIsle(QPainter& p, QPointF top, double w, std::uint32_t seed) {
  Dice dice(seed);
  const QColor haze = mix(pal::kSkyNight, pal::kSkyViolet, 0.72);
  QPainterPath isle;
  isle.setFillRule(Qt::WindingFill);
  QPolygonF crag;
  crag << QPointF(top.x() - w / 2, top.y()) << QPointF(top.x() + w / 2, top.y());
  const int steps = 7;
  for (int i = 1; i < steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    const double depth = w * 0.8 * std::pow(std::sin(kPi * t), 1.4) * dice.uniform(0.75, 1.1);
    crag << QPointF(top.x() + w / 2 - w * t + dice.uniform(-1.5, 1.5), top.y() + depth);
  }
  isle.addPolygon(crag);
  isle.closeSubpath();
  const QRectF fort(top.x() - w * 0.32, top.y() - w * 0.22, w * 0.64, w * 0.22 + 1);
  isle.addRect(fort);
  for (double x = fort.left(); x < fort.right() - 1; x += w * 0.12)
    isle.addRect(QRectF(x, fort.top() - w * 0.06, w * 0.06, w * 0.06 + 1));
  const QRectF tower(top.x() + w * 0.05, top.y() - w * 0.5, w * 0.16, w * 0.5);
  isle.addRect(tower);
  isle.addPolygon(QPolygonF({tower.topLeft() - QPointF(1, 0), tower.topRight() + QPointF(1, 0),
                             QPointF(tower.center().x(), tower.top() - w * 0.3)}));
  isle = isle.simplified();
  glow(p, QPointF(top.x(), top.y() + w * 0.7), w * 0.35, w * 0.2, kCore.glow, 110);
  p.setPen(Qt::NoPen);
  p.setBrush(haze);
  p.drawPath(isle);
  p.setBrush(withAlpha(pal::kSkyMagenta, 70));
  p.drawPath(isle.subtracted(isle.translated(0.6, 1.2)));
  p.setBrush(withAlpha(pal::kSkyGold, 180));
  p.drawRect(QRectF(tower.center().x() - 0.7, tower.top() + w * 0.12, 1.4, 2.2));
  p.drawRect(QRectF(fort.left() + w * 0.1, fort.top() + w * 0.08, 1.4, 2.0));
}

void paintFloatingIsles(QPainter& p) {
  floatingIsle(p, QPointF(96, 270), 58, 31);
  floatingIsle(p, QPointF(318, 234), 36, 32);
  floatingIsle(p, QPointF(214, 318), 26, 33);
}

// The fortress on the horizon: walls, towers and domes in a long hazy
// silhouette, its windows lit, standing on the cloud sea.
void paintSkyline(QPainter& p) {
  const double base = 420;
  const QColor far = mix(pal::kSkyViolet, pal::kSkyNight, 0.55);
  Dice dice(8803);
  QPainterPath wall;
  wall.setFillRule(Qt::WindingFill);
  wall.addRect(QRectF(-10, base - 26, 470, 60));
  // Crenels along the curtain wall.
  for (double x = -8; x < 460; x += 9) wall.addRect(QRectF(x, base - 31, 5, 6));
  struct Tower {
    double x, w, h;
    int roof;  // 0 flat with crenels, 1 spire, 2 dome
  };
  const Tower towers[] = {{14, 20, 78, 1},   {58, 34, 56, 2},  {110, 16, 96, 1}, {150, 26, 64, 0},
                          {196, 18, 112, 1}, {232, 40, 70, 2}, {290, 14, 88, 1}, {318, 24, 60, 0},
                          {360, 18, 100, 1}, {392, 30, 66, 2}};
  for (const Tower& t : towers) {
    const double top = base - t.h;
    wall.addRect(QRectF(t.x, top, t.w, t.h));
    switch (t.roof) {
      case 1:
        wall.addPolygon(QPolygonF({QPointF(t.x - 2, top), QPointF(t.x + t.w / 2, top - t.w * 1.4),
                                   QPointF(t.x + t.w + 2, top)}));
        break;
      case 2:
        wall.addEllipse(QPointF(t.x + t.w / 2, top), t.w / 2, t.w * 0.45);
        wall.addRect(QRectF(t.x + t.w / 2 - 0.7, top - t.w * 0.45 - 8, 1.4, 9));
        break;
      default:
        for (double x = t.x; x < t.x + t.w - 2; x += 6) wall.addRect(QRectF(x, top - 5, 3.5, 5));
        break;
    }
  }
  p.setPen(Qt::NoPen);
  p.setBrush(gradient({0, base - 150}, {0, base + 30},
                      {{0.0, mix(far, pal::kSkyMagenta, 0.25)}, {1.0, far}}));
  p.drawPath(wall.simplified());
  // Lit windows in the towers.
  for (const Tower& t : towers) {
    for (double y = base - t.h + 8; y < base - 8; y += 9) {
      for (double x = t.x + 3; x < t.x + t.w - 4; x += 6) {
        if (dice.below(4) != 0) continue;
        p.setBrush(withAlpha(pal::kSkyGold, 90 + dice.below(110)));
        p.drawRect(QRectF(x, y, 1.8, 2.6));
      }
    }
  }
  // Beacons on the spires.
  for (const Tower& t : towers) {
    if (t.roof != 1) continue;
    const QPointF tip(t.x + t.w / 2, base - t.h - t.w * 1.4);
    glow(p, tip, 5, 5, pal::kTailLight, 160);
  }
}

// The keep: the near, dark mass of the fortress on the right, where the
// password and the score are written. Its stonework shows only faintly.
void paintKeep(QPainter& p) {
  QPainterPath keep;
  keep.setFillRule(Qt::WindingFill);
  keep.addRect(QRectF(430, 290, 220, 200));  // the curtain wall
  keep.addRect(QRectF(406, 352, 40, 140));   // a bastion stepping down to the left
  keep.addRect(QRectF(470, 250, 60, 60));    // the gatehouse
  keep.addRect(QRectF(548, 206, 54, 100));   // the great tower
  keep.addPolygon(
      QPolygonF({QPointF(542, 207), QPointF(575, 146), QPointF(608, 207)}));  // and its roof
  keep.addRect(QRectF(574.3, 124, 1.4, 24));
  for (double x = 430; x < 640; x += 11) keep.addRect(QRectF(x, 283, 6, 8));
  for (double x = 470; x < 530; x += 11) keep.addRect(QRectF(x, 243, 6, 8));
  for (double x = 406; x < 446; x += 11) keep.addRect(QRectF(x, 345, 6, 8));
  keep = keep.simplified();
  p.setPen(Qt::NoPen);
  p.setBrush(gradient(
      {0, 146}, {0, 480},
      {{0.0, mix(kKeepStone, pal::kSkyViolet, 0.3)}, {0.45, kKeepStone}, {1.0, kKeepStone}}));
  p.drawPath(keep);
  // Courses of stone, barely there.
  p.save();
  p.setClipPath(keep, Qt::IntersectClip);
  p.setPen(QPen(withAlpha(kWhiteHot, 9), 1.0));
  for (double y = 214; y < 480; y += 12) {
    p.drawLine(QPointF(400, y), QPointF(640, y));
    const double shift = static_cast<int>(y / 12) % 2 ? 0 : 13;
    for (double x = 404 + shift; x < 640; x += 26) p.drawLine(QPointF(x, y), QPointF(x, y + 12));
  }
  // Slates on the tower roof.
  p.setPen(QPen(withAlpha(kWhiteHot, 14), 1.0));
  for (double y = 160; y < 207; y += 7) p.drawLine(QPointF(540, y), QPointF(610, y));
  p.restore();
  // The sunset catching the keep's left-hand edges.
  p.setBrush(withAlpha(pal::kSkyMagenta, 90));
  p.drawPath(keep.subtracted(keep.translated(1.4, 0.8)));
  // A few lit slits, well away from the game's labels.
  for (const QRectF& w :
       {QRectF(490, 262, 2.4, 7), QRectF(508, 262, 2.4, 7), QRectF(573.8, 176, 2.4, 8),
        QRectF(560, 222, 2.4, 7), QRectF(588, 222, 2.4, 7), QRectF(418, 392, 2.4, 7),
        QRectF(624, 400, 2.4, 7), QRectF(466, 404, 2.4, 7)}) {
    glow(p, w.center(), 5, 5, pal::kSkyOrange, 50);
    p.setBrush(withAlpha(pal::kSkyGold, 190));
    p.drawRoundedRect(w, 1.2, 1.2);
  }
  glow(p, QPointF(575, 124), 6, 6, pal::kTailLight, 200);
}

void paintCloudSea(QPainter& p) {
  // The sea of cloud the fortress stands on, its tops lit by the sunset.
  const QColor body = mix(pal::kSkyNight, pal::kSkyViolet, 0.55);
  const QColor lit = mix(pal::kSkyMagenta, pal::kSkyOrange, 0.35);
  p.fillRect(QRectF(0, 452, kW, 30), withAlpha(mix(body, pal::kSkyNight, 0.5), 255));
  cloudBank(p, QRectF(-40, 410, 300, 18), body, lit, 240, 11, 2.2);
  cloudBank(p, QRectF(200, 418, 250, 16), body, lit, 240, 12, 2.2);
  cloudBank(p, QRectF(-30, 442, 370, 22), mix(body, pal::kSkyNight, 0.35),
            mix(lit, pal::kSkyViolet, 0.4), 250, 13, 2.0);
  cloudBank(p, QRectF(300, 448, 380, 22), mix(body, pal::kSkyNight, 0.6),
            mix(lit, pal::kSkyViolet, 0.65), 250, 14, 2.0);
}

// The instrument plates the game's labels and readouts sit on: dark glass
// with a brass rim, its corners cut, like the readouts themselves. Given in
// window pixels; the picture starts inside the field's two-pixel frame.
constexpr double kFrame = 2;
const QRectF kPlates[] = {
    QRectF(82, 11, 445, 36),    // both hit points, the start buttons between them
    QRectF(434, 305, 181, 73),  // the password and the score
};

void paintPlates(QPainter& p) {
  for (const QRectF& window : kPlates) {
    const QRectF r = window.translated(-kFrame, -kFrame);
    const double cut = 6;
    QPainterPath plate(QPointF(r.left() + cut, r.top()));
    plate.lineTo(r.right(), r.top());
    plate.lineTo(r.right(), r.bottom() - cut);
    plate.lineTo(r.right() - cut, r.bottom());
    plate.lineTo(r.left(), r.bottom());
    plate.lineTo(r.left(), r.top() + cut);
    plate.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(kShadow, 90));
    p.drawPath(plate.translated(2, 2));
    p.setPen(QPen(withAlpha(kBrass, 210), 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(gradient(r.topLeft(), r.bottomLeft(),
                        {{0.0, withAlpha(kPlateGlass, 235)}, {1.0, withAlpha(kNight, 235)}}));
    p.drawPath(plate);
    // Studs in the two whole corners.
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(kBrass, 200));
    p.drawEllipse(QPointF(r.right() - 3.5, r.top() + 3.5), 1.2, 1.2);
    p.drawEllipse(QPointF(r.left() + 3.5, r.bottom() - 3.5), 1.2, 1.2);
  }
  // Between the two hit points, where the start buttons stand at the menu,
  // a kBrass rule with a diamond in its middle.
  const QRectF bar = kPlates[0].translated(-kFrame, -kFrame);
  const double mid = (281 + 363) / 2.0 - kFrame;  // between the readout and the enemy's label
  p.setPen(QPen(withAlpha(kBrass, 190), 1.0));
  const double y = std::floor(bar.center().y()) + 0.5;  // on a whole row, crisp
  p.drawLine(QPointF(mid - 30, y), QPointF(mid - 6, y));
  p.drawLine(QPointF(mid + 6, y), QPointF(mid + 30, y));
  p.setBrush(withAlpha(kBrass, 220));
  const QPointF c(mid, y);
  p.drawPolygon(
      QPolygonF({c + QPointF(0, -4), c + QPointF(4, 0), c + QPointF(0, 4), c + QPointF(-4, 0)}));
}

// Night settling over the top band, where the game writes the points.
void paintShade(QPainter& p) {
  p.fillRect(QRectF(0, 0, kW, 64), gradient({0, 0}, {0, 64},
                                            {{0.0, withAlpha(kNight, 200)},
                                             {0.7, withAlpha(kNight, 110)},
                                             {1.0, withAlpha(kNight, 0)}}));
}

}  // namespace

void paintBonusBackground(QPainter& p) {
  p.save();
  paintSkyDome(p);
  paintStars(p);
  paintMoon(p);
  paintHighCloud(p);
  paintFloatingIsles(p);
  paintMidCloud(p);
  paintSkyline(p);
  paintKeep(p);
  paintCloudSea(p);
  paintShade(p);
  paintPlates(p);
  p.restore();
}

}  // namespace art
