// The battle's arena road, which both views show (the network race lays it
// over its own window too), and the markings the game scrolls over it: the
// lane dash, the finish line and the cones at the start.
//
// The road stays put while everything scrolls over it, so it is drawn the
// same all the way down. The network race runs its road marks down the very
// edges, one on each side, so the kerbs are exactly as wide as a mark; the
// battle runs its lane dash down the line between the two lanes, a little
// left of the middle.

#include <QPainterPath>
#include <QRadialGradient>

#include "stage/road_paint.h"
#include "style.h"

namespace art {
namespace {

constexpr double kRoadW = 249;
constexpr double kRoadH = 345;
constexpr double kKerbW = 12;
constexpr double kEdgeLine = 16;   // where the solid edge line starts, from each side
constexpr double kLaneLine = 112;  // left edge of the lane dash
constexpr double kLaneDashW = 12;

// The arena's asphalt; its kerbs in safety amber, bold enough to frame the
// road and neither player's colour; floodlights over it.
const QColor kArenaAsphalt{0x30, 0x31, 0x44}, kArenaGutter{0x1e, 0x1f, 0x2c},
    kArenaKerb{0xf0, 0xa8, 0x24}, kFloodlight{170, 160, 255, 12};
// The lane dash, worn, and the cones.
const QColor kDashWear{20, 40, 60}, kDashGrit{40, 44, 60}, kCone{0xff, 0x6e, 0x1e},
    kConeShadow{10, 8, 20, 70};

constexpr QPointF kCones[] = {{17, 18}, {44, 22}, {29, 42}, {15, 65}, {45, 64}};

template <typename Draw>
void bothSides(double x0, double x1, Draw draw) {
  road::bothSides(kRoadW, x0, x1, draw);
}

// A band across [x0, x1] shading from `inner` at the kerb side to `outer`.
QLinearGradient kerbward(double x0, double x1,
                         std::initializer_list<std::pair<double, QColor>> stops) {
  const bool left = x0 < kRoadW / 2;
  return gradient({left ? x0 : x1, 0}, {left ? x1 : x0, 0}, stops);
}

void paintArenaAsphalt(QPainter& p) {
  p.fillRect(QRectF(0, 0, kRoadW, kRoadH), gradient({0, 0}, {kRoadW, 0},
                                                    {{0.0, kArenaGutter},
                                                     {0.16, kArenaAsphalt},
                                                     {0.5, kArenaAsphalt.lighter(105)},
                                                     {0.84, kArenaAsphalt},
                                                     {1.0, kArenaGutter}}));
  p.setPen(Qt::NoPen);
  // Rubber in the wheel tracks of both lanes, the polished crown between.
  const double lanes[] = {(kEdgeLine + 3 + kLaneLine) / 2,
                          (kLaneLine + kLaneDashW + kRoadW - kEdgeLine - 3) / 2};
  for (double lane : lanes) {
    for (double side : {-1.0, 1.0}) softStripe(p, lane + side * 22, 7, kRoadH, shadowTint(36));
    softStripe(p, lane, 9, kRoadH, lightTint(10));
  }
  // Floodlights from both sides: a cool sheen over each lane.
  for (double lane : lanes) softStripe(p, lane, 34, kRoadH, kFloodlight);

  Dice dice(7301);
  road::grain(p, dice, 1600, kRoadW, kRoadH, 26);
  road::sealedJoints(p, {lanes[0] + 34, lanes[1] - 38}, 46, 100, 220, kRoadH);
}

void paintArenaKerbs(QPainter& p) {
  p.setPen(Qt::NoPen);
  // A white trim outside, then the broad amber band rounded over like a
  // raised kerb.
  bothSides(0, 2.5, [&](double x0, double x1) {
    p.fillRect(QRectF(x0, 0, x1 - x0, kRoadH), pal::kWhite.darker(108));
  });
  bothSides(2.5, kKerbW, [&](double x0, double x1) {
    p.fillRect(QRectF(x0, 0, x1 - x0, kRoadH), kerbward(x0, x1,
                                                        {{0.0, kArenaKerb.darker(125)},
                                                         {0.45, kArenaKerb.lighter(112)},
                                                         {1.0, kArenaKerb.darker(135)}}));
  });
  // Ink where the kerb drops to the asphalt, and its shadow beyond.
  bothSides(kKerbW, kKerbW + 5, [&](double x0, double x1) {
    p.fillRect(QRectF(x0, 0, x1 - x0, kRoadH),
               kerbward(x0, x1, {{0.0, shadowTint(90)}, {1.0, shadowTint(0)}}));
  });
  p.setPen(QPen(withAlpha(pal::kInk, 210), 1.0));
  p.drawLine(QPointF(kKerbW + 0.5, 0), QPointF(kKerbW + 0.5, kRoadH));
  p.drawLine(QPointF(kRoadW - kKerbW - 0.5, 0), QPointF(kRoadW - kKerbW - 0.5, kRoadH));
  p.setPen(QPen(lightTint(60), 0.8));
  p.drawLine(QPointF(2.9, 0), QPointF(2.9, kRoadH));
  p.drawLine(QPointF(kRoadW - 2.9, 0), QPointF(kRoadW - 2.9, kRoadH));
}

void paintArenaLines(QPainter& p) {
  p.setPen(Qt::NoPen);
  bothSides(kEdgeLine, kEdgeLine + 3, [&](double x0, double x1) {
    p.fillRect(QRectF(x0, 0, x1 - x0, kRoadH), withAlpha(pal::kWhite, 225));
  });
  // Between the lanes: a seam of darker, newer tarmac where the dash is
  // painted, and a worn guide line down it so the lanes read between dashes.
  const double mid = kLaneLine + kLaneDashW / 2;
  p.fillRect(QRectF(kLaneLine - 3, 0, kLaneDashW + 6, kRoadH),
             gradient({kLaneLine - 3, 0}, {kLaneLine + kLaneDashW + 3, 0},
                      {{0.0, shadowTint(0)},
                       {0.2, shadowTint(40)},
                       {0.8, shadowTint(40)},
                       {1.0, shadowTint(0)}}));
  p.fillRect(QRectF(mid - 1, 0, 2, kRoadH), withAlpha(pal::kWhite, 70));
}

// A traffic cone seen from above, on its square base.
void cone(QPainter& p, QPointF c) {
  const QPainterPath base = roundedRect(QRectF(c.x() - 11, c.y() - 11, 22, 22), 3);
  p.setPen(Qt::NoPen);
  p.setBrush(kConeShadow);
  p.drawPath(base.translated(2, 2));
  fillOutlined(p, base, kCone.darker(160), 1.3);
  QRadialGradient shade(c - QPointF(2, 2), 10);
  shade.setColorAt(0, kCone.lighter(125));
  shade.setColorAt(1, kCone.darker(120));
  p.setPen(QPen(pal::kInk, 1.3));
  p.setBrush(shade);
  p.drawEllipse(c, 8.5, 8.5);
  p.setPen(QPen(pal::kWhite, 2.2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, 5.2, 5.2);
  p.setPen(QPen(pal::kInk, 1));
  p.setBrush(kCone.darker(140));
  p.drawEllipse(c, 2, 2);
}

}  // namespace

void paintBattleRoad(QPainter& p) {
  antialiased(p, [&] {
    paintArenaAsphalt(p);
    paintArenaKerbs(p);
    paintArenaLines(p);
  });
}

void paintBattleLane(QPainter& p) {
  antialiased(p, [&] {
    const QPainterPath dash = roundedRect(QRectF(1.5, 1.5, 9, 68), 3.5);
    p.setPen(QPen(pal::kTealDark, 1.2));
    p.setBrush(
        gradient({1.5, 0}, {10.5, 0},
                 {{0.0, pal::kTeal}, {0.3, pal::kWhite}, {0.7, pal::kWhite}, {1.0, pal::kTeal}}));
    p.drawPath(dash);
    // Worn by tyres: a faint shadow towards the ends and specks of asphalt.
    p.setClipPath(dash);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient({0, 1.5}, {0, 69.5},
                        {{0.0, withAlpha(kDashWear, 50)},
                         {0.2, withAlpha(kDashWear, 0)},
                         {0.8, withAlpha(kDashWear, 0)},
                         {1.0, withAlpha(kDashWear, 60)}}));
    p.drawRect(QRectF(0, 0, 12, 71));
    Dice dice(905);
    for (int i = 0; i < 26; ++i) {
      p.setBrush(withAlpha(kDashGrit, 30 + dice.below(60)));
      p.drawEllipse(QPointF(dice.uniform(3, 9), dice.uniform(4, 67)), 0.6, dice.uniform(0.6, 1.6));
    }
  });
}

void paintBattleFinish(QPainter& p) {
  constexpr double w = 265;
  constexpr double h = 51;
  antialiased(p, [&] {
    // Gold bands either side of four rows of chequers.
    p.fillRect(QRectF(0, 0, w, h), pal::kSkyGold);
    const double top = 4;
    const double cell = (h - 2 * top) / 4;
    p.fillRect(QRectF(0, top, w, h - 2 * top), pal::kWhite);
    road::chequers(p, w, top, cell, 4, 0);
    // Scuffed along the wheel tracks of both lanes.
    road::tyreScuffs(p, {48.0, 92.0, 172.0, 216.0}, 7, h);
    road::inkEdges(p, w, h);
  });
}

void paintBattleDeco(QPainter& p) {
  antialiased(p, [&] {
    for (const QPointF c : kCones) cone(p, c);
  });
}

}  // namespace art
