// The dashboard right of the road in each stage's window: the speed, rank
// and time read-outs in their metal bezels, the stage lights under the rank
// dial and the venue's badge beside it, on a panel in the venue's tint.

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "stage/dashboard_art.h"
#include "stage/venue.h"
#include "style.h"

namespace art::stages {
namespace {

// The badge, the gloss and the stage lights.
const QColor kBadgeRim = lightTint(20), kBadgeWell = shadowTint(90), kGloss = lightTint(14),
             kUnlitRim = lightTint(50), kUnlitLight = shadowTint(80);
// The bezels down the sides.
const QColor kBezelEdge{0x06, 0x06, 0x0a}, kBezelCrown{0x30, 0x31, 0x3c},
    kBezelFoot{0x0a, 0x0a, 0x10};

// The badges' line work, from the badge's centre.
constexpr QPointF kTowers[] = {{-13, 11}, {-13, -2}, {-6, -2}, {-6, -10}, {1, -10},
                               {1, 2},    {7, 2},    {7, -4},  {13, -4},  {13, 11}};
constexpr QPointF kPeaks[] = {{-14, 11}, {-5, -1}, {0, 5}, {6, -4}, {14, 11}};

// Sun over rolling hills.
void sunOverHills(QPainter& p, QPointF c) {
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
}

// The sun setting into the waves.
void sunIntoWaves(QPainter& p, QPointF c) {
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
}

// Towers under a crescent moon.
void towersUnderMoon(QPainter& p, QPointF c) {
  p.drawPath(polyline(kTowers).translated(c));
  const QPainterPath moon = circle(c + QPointF(9, -11), 4);
  p.drawPath(moon.subtracted(circle(c + QPointF(11, -12.5), 3.6)));
}

// Peaks under a rain cloud.
void peaksInRain(QPainter& p, QPointF c) {
  p.drawPath(polyline(kPeaks).translated(c));
  QPainterPath cloud(c + QPointF(-8, -8));
  cloud.quadTo(c + QPointF(-8, -14), c + QPointF(-2, -13));
  cloud.quadTo(c + QPointF(2, -17), c + QPointF(6, -12));
  cloud.quadTo(c + QPointF(10, -12), c + QPointF(9, -8));
  cloud.closeSubpath();
  p.drawPath(cloud);
  for (double x : {-5.0, 0.0, 5.0}) p.drawLine(c + QPointF(x, -4.5), c + QPointF(x - 1.2, -1.5));
}

// A floodlight mast.
void floodlightMast(QPainter& p, QPointF c) {
  p.drawRect(QRectF(c.x() - 8, c.y() - 13, 16, 9));
  for (int r = 0; r < 2; ++r) {
    for (int k = 0; k < 3; ++k) p.drawPoint(c + QPointF(-4.5 + k * 4.5, -10.5 + r * 4));
  }
  p.drawLine(c + QPointF(0, -4), c + QPointF(0, 12));
  p.drawLine(c + QPointF(-6, 12), c + QPointF(0, 2));
  p.drawLine(c + QPointF(6, 12), c + QPointF(0, 2));
}

// The badges of the five venues, in order; the stadium's is the last and
// the default.
constexpr void (*kBadges[])(QPainter&, QPointF) = {sunOverHills, sunIntoWaves, towersUnderMoon,
                                                   peaksInRain, floodlightMast};

// The venue's badge, drawn in line work in the dashboard's free corner.
void venueBadge(QPainter& p, int stage, QPointF c, const QColor& accent) {
  const QPen line(withAlpha(accent, 170), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(QPen(kBadgeRim, 1.0));
  p.setBrush(kBadgeWell);
  p.drawEllipse(c, 19, 19);
  p.setPen(line);
  p.setBrush(Qt::NoBrush);
  kBadges[stage >= 1 && stage <= 4 ? stage - 1 : 4](p, c);
}

// Gloss sweeping across the panel's top corner.
QPainterPath gloss() {
  QPainterPath path(QPointF(kDashLeft, 0));
  path.lineTo(kWindowW, 0);
  path.lineTo(kWindowW, 30);
  path.cubicTo(540, 24, 460, 60, kDashLeft, 140);
  path.closeSubpath();
  return path;
}

// Stage lights below the rank dial, lit up to this stage.
void stageLights(QPainter& p, const Dial& rank, int stage, const QColor& accent) {
  for (int i = 0; i < 5; ++i) {
    const QPointF c(rank.centre.x() + (i - 2) * 14, rank.centre.y() + rank.radius + 16);
    QPolygonF diamond(
        {c + QPointF(0, -4.5), c + QPointF(4.5, 0), c + QPointF(0, 4.5), c + QPointF(-4.5, 0)});
    const bool lit = i < stage;
    p.setPen(QPen(lit ? accent.lighter(120) : kUnlitRim, 1.0));
    p.setBrush(lit ? withAlpha(accent, 200) : kUnlitLight);
    p.drawPolygon(diamond);
  }
}

// Bezels on both sides. The left one starts below the speed caption, which
// sits right at the road's edge, and is thin enough to leave the captions
// beside it clear; an accent line runs down it.
void bezels(QPainter& p, const QColor& accent) {
  const double leftTop = captionInk(dash::kSpeedCaption, 0).bottom() + 6;
  const QRectF leftRim(kDashLeft, leftTop, 3, kWindowH - leftTop);
  const QRectF rightRim(kWindowW - 5, 0, 5, kWindowH);
  for (const QRectF rim : {leftRim, rightRim}) {
    p.setPen(Qt::NoPen);
    p.setBrush(gradient(rim.topLeft(), rim.topRight(),
                        {{0.0, kBezelEdge}, {0.5, kBezelCrown}, {1.0, kBezelFoot}}));
    p.drawPath(roundedRect(rim, 1.5));
  }
  p.fillRect(QRectF(kDashLeft + 1, leftTop + 4, 1, kWindowH - leftTop - 4),
             gradient({0, leftTop}, {0, leftTop + 46},
                      {{0.0, withAlpha(accent, 0)}, {1.0, withAlpha(accent, 200)}}));
}

}  // namespace

void paintDashboard(QPainter& p, int stage) {
  const Venue& v = venue(stage);
  const QRectF panel(kDashLeft, 0, kWindowW - kDashLeft, kWindowH);
  p.fillRect(panel,
             gradient(panel.topLeft(), panel.bottomLeft(),
                      {{0.0, v.panel.lighter(125)}, {0.5, v.panel}, {1.0, v.panel.darker(140)}}));
  carbonWeave(p, panel, 22);
  p.setBrush(gradient({0, 0}, {0, 140}, {{0.0, kGloss}, {1.0, withAlpha(kGloss, 0)}}));
  p.drawPath(gloss());

  // The speed, its box reaching out to both sides; the warning line below
  // it lights on the bare panel.
  readoutWindow(p, readoutGlass(dash::kSpeed, {40, 4}), v.accent);

  const Dial rank = rankDial();
  rankRing(p, rank.centre, rank.radius, v.accent);
  stageLights(p, rank, stage, v.accent);
  venueBadge(p, stage, QPointF(556, rank.centre.y()), v.accent);

  const QRectF time = readoutGlass(dash::kTime, {16, 6});
  readoutWindow(p, time, v.accent);

  // A rule above the footer line, halfway between the time and the hint.
  const double rule =
      std::round((time.bottom() + 4 + captionInk(dash::kQuitHint, 0).top()) / 2) + 0.5;
  p.setPen(QPen(withAlpha(v.accent, 90), 1.0));
  p.drawLine(QPointF(392, rule), QPointF(584, rule));

  bezels(p, v.accent);
  screw(p, QPointF(578, 10), 0.6);
  screw(p, QPointF(578, 337), 2.1);
}

}  // namespace art::stages
