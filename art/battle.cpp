// The two-player battle: its window, the duel road both views share, the two
// players' cars (and the gold one a car turns into under turbo), the two
// computer cars, the missiles, the markings that scroll past, and the arrows
// that point at the other player when their car is out of sight.
//
// The window is dark between the views so the yellow readouts stand out; red
// belongs to player one on the left, blue to player two on the right.

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>
#include <numbers>

#include "style.h"

namespace art {
namespace {

// --- The window ---------------------------------------------------------------------------------

constexpr double kWinW = 574;
constexpr double kWinH = 349;
constexpr double kColumnL = 256;  // the dark column between the two views
constexpr double kColumnR = 320;
constexpr double kViewL = 8;    // the left view's outer edge
constexpr double kViewR = 569;  // the right view's outer edge

const QColor kNight{0x12, 0x12, 0x1d};
const QColor kTeamRed{0xe0, 0x34, 0x48};
const QColor kTeamBlue{0x2f, 0x7d, 0xff};

// --- The road -----------------------------------------------------------------------------------

// Both views show the same arena road; the game scrolls everything else over
// it, so it is drawn the same all the way down. The network race runs its
// road marks down the very edges, one on each side, so the kerbs are exactly
// as wide as a mark; the battle runs its lane dash down the line between the
// two lanes, a little left of the middle.
constexpr double kRoadW = 249;
constexpr double kRoadH = 345;
constexpr double kKerbW = 12;
constexpr double kEdgeLine = 16;   // where the solid edge line starts, from each side
constexpr double kLaneLine = 112;  // left edge of the lane dash
constexpr double kLaneDashW = 12;

const QColor kArenaAsphalt{0x30, 0x31, 0x44};
const QColor kArenaGutter{0x1e, 0x1f, 0x2c};
// Safety amber: bold enough to frame the road, and neither player's colour.
const QColor kArenaKerb{0xf0, 0xa8, 0x24};

// Does `draw(x0, x1)` for the band [x0, x1] and its mirror on the right side.
template <typename Draw>
void bothSides(double x0, double x1, Draw draw) {
  draw(x0, x1);
  draw(kRoadW - x1, kRoadW - x0);
}

// A soft vertical band centred on `x`, `half` wide each side, peaking at `peak`.
void band(QPainter& p, double x, double half, const QColor& peak) {
  p.fillRect(QRectF(x - half, 0, 2 * half, kRoadH),
             gradient({x - half, 0}, {x + half, 0},
                      {{0.0, withAlpha(peak, 0)}, {0.5, peak}, {1.0, withAlpha(peak, 0)}}));
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
    for (double side : {-1.0, 1.0}) band(p, lane + side * 22, 7, QColor(0, 0, 0, 36));
    band(p, lane, 9, QColor(255, 255, 255, 10));
  }
  // Floodlights from both sides: a cool sheen over each lane.
  for (double lane : lanes) band(p, lane, 34, QColor(170, 160, 255, 12));

  // Grain, streaked along the road.
  Dice dice(7301);
  for (int i = 0; i < 1600; ++i) {
    const double x = dice.uniform(0, kRoadW);
    const double y = dice.uniform(-6, kRoadH);
    const double len = dice.uniform(1.5, 6);
    p.setBrush(dice.below(3) == 0 ? QColor(255, 255, 255, 10 + dice.below(10))
                                  : QColor(0, 0, 0, 26 + dice.below(20)));
    p.drawRoundedRect(QRectF(x, y, 0.9, len), 0.45, 0.45);
  }
  // Long sealed joints, tar-dark, wandering only slightly.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0, 0, 0, 46), 1.1, Qt::SolidLine, Qt::RoundCap));
  for (double x : {lanes[0] + 34, lanes[1] - 38}) {
    QPainterPath joint(QPointF(x, -2));
    joint.cubicTo(x + 2.5, 100, x - 2.5, 220, x + 1, kRoadH + 2);
    p.drawPath(joint);
  }
}

void paintArenaKerbs(QPainter& p) {
  p.setPen(Qt::NoPen);
  // A white trim outside, then the broad amber band rounded over like a
  // raised kerb.
  bothSides(0, 2.5, [&](double x0, double x1) {
    p.fillRect(QRectF(x0, 0, x1 - x0, kRoadH), pal::kWhite.darker(108));
  });
  bothSides(2.5, kKerbW, [&](double x0, double x1) {
    const bool left = x0 < kRoadW / 2;
    p.fillRect(QRectF(x0, 0, x1 - x0, kRoadH), gradient({left ? x0 : x1, 0}, {left ? x1 : x0, 0},
                                                        {{0.0, kArenaKerb.darker(125)},
                                                         {0.45, kArenaKerb.lighter(112)},
                                                         {1.0, kArenaKerb.darker(135)}}));
  });
  // Ink where the kerb drops to the asphalt, and its shadow beyond.
  bothSides(kKerbW, kKerbW + 5, [&](double x0, double x1) {
    const bool left = x0 < kRoadW / 2;
    p.fillRect(QRectF(x0, 0, x1 - x0, kRoadH),
               gradient({left ? x0 : x1, 0}, {left ? x1 : x0, 0},
                        {{0.0, QColor(0, 0, 0, 90)}, {1.0, QColor(0, 0, 0, 0)}}));
  });
  p.setPen(QPen(withAlpha(pal::kInk, 210), 1.0));
  p.drawLine(QPointF(kKerbW + 0.5, 0), QPointF(kKerbW + 0.5, kRoadH));
  p.drawLine(QPointF(kRoadW - kKerbW - 0.5, 0), QPointF(kRoadW - kKerbW - 0.5, kRoadH));
  p.setPen(QPen(QColor(255, 255, 255, 60), 0.8));
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
                      {{0.0, QColor(0, 0, 0, 0)},
                       {0.2, QColor(0, 0, 0, 40)},
                       {0.8, QColor(0, 0, 0, 40)},
                       {1.0, QColor(0, 0, 0, 0)}}));
  p.fillRect(QRectF(mid - 1, 0, 2, kRoadH), withAlpha(pal::kWhite, 70));
}

// --- The cars -----------------------------------------------------------------------------------

// Sprites are 24 x 34 but shown at about 61 x 83, so they are drawn on a
// 60 x 85 grid and scaled down; the ink then keeps its weight on screen.
constexpr double kGrid = 2.5;
const QRectF kCarBox(6, 2, 48, 80.5);

template <typename Draw>
void onGrid(QPainter& p, Draw draw) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.scale(1.0 / kGrid, 1.0 / kGrid);
  draw();
  p.restore();
}

// A white roundel on the bonnet with a star in the car's own colour. The
// cars carry no number: in the network race each player sees their own car
// in red, whichever side of the connection they are on.
void starRoundel(QPainter& p, QPointF c, const QColor& paint) {
  p.setPen(QPen(pal::kInk, kOutline * 0.7));
  p.setBrush(pal::kWhite);
  p.drawEllipse(c, 6.6, 6.6);
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    const double r = i % 2 ? 2.1 : 5.0;
    star << c + QPointF(std::cos(a), std::sin(a)) * r;
  }
  QPainterPath path;
  path.addPolygon(star);
  path.closeSubpath();
  fillOutlined(p, path, paint.darker(110), 1.0);
}

void playerCar(QPainter& p, QColor body) {
  onGrid(p, [&] {
    drawCarTopDown(p, kCarBox, body, pal::kWhite);
    starRoundel(p, {30, 17}, body);
  });
}

// Turbo: a gold car, a little shorter to leave room for the boost flame.
void turboCar(QPainter& p) {
  onGrid(p, [&] {
    const QPointF mouth(30, 72);
    QRadialGradient glow(mouth + QPointF(0, 4), 13);
    glow.setColorAt(0, QColor(0xff, 0xd8, 0x6a, 210));
    glow.setColorAt(0.6, QColor(0xff, 0x8a, 0x2a, 90));
    glow.setColorAt(1, QColor(0xff, 0x6a, 0x20, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(mouth + QPointF(0, 4), 13, 13);
    for (double x : {23.0, 37.0}) {
      const QPointF m(x, 70);
      QPainterPath flame(m + QPointF(-4, 0));
      flame.cubicTo(m + QPointF(-4.5, 6), m + QPointF(-1.5, 10), m + QPointF(0, 14.5));
      flame.cubicTo(m + QPointF(1.5, 10), m + QPointF(4.5, 6), m + QPointF(4, 0));
      flame.closeSubpath();
      p.setBrush(gradient(m, m + QPointF(0, 14.5),
                          {{0.0, QColor(255, 255, 240)},
                           {0.35, QColor(0xff, 0xd0, 0x4a)},
                           {0.75, QColor(0xff, 0x6a, 0x20, 200)},
                           {1.0, QColor(0xff, 0x40, 0x20, 0)}}));
      p.drawPath(flame);
    }
    drawCarTopDown(p, QRectF(9, 1, 42, 71), QColor(0xf2, 0xb4, 0x1c), QColor(0x4a, 0x2c, 0x0c));
  });
}

// --- Missiles -----------------------------------------------------------------------------------

void missile(QPainter& p, const QColor& paint, const QColor& flameTint) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  constexpr double cx = 20.5;

  // Exhaust: a soft glow with a hot core, under the tail.
  QRadialGradient glow(QPointF(cx, 53), 13);
  glow.setColorAt(0, withAlpha(flameTint.lighter(140), 200));
  glow.setColorAt(1, withAlpha(flameTint, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(QPointF(cx, 53), 13, 13);
  QPainterPath flame(QPointF(cx - 4.5, 47));
  flame.cubicTo(QPointF(cx - 5.5, 55), QPointF(cx - 2, 62), QPointF(cx, 69));
  flame.cubicTo(QPointF(cx + 2, 62), QPointF(cx + 5.5, 55), QPointF(cx + 4.5, 47));
  flame.closeSubpath();
  p.setBrush(gradient({cx, 47}, {cx, 69},
                      {{0.0, QColor(255, 255, 245)},
                       {0.3, flameTint.lighter(150)},
                       {0.7, withAlpha(flameTint, 190)},
                       {1.0, withAlpha(flameTint, 0)}}));
  p.drawPath(flame);

  // Tail fins, swept back, and small canards behind the nose.
  QPainterPath fins;
  fins.setFillRule(Qt::WindingFill);
  for (double s : {-1.0, 1.0}) {
    fins.addPolygon(
        QPolygonF({{cx + s * 4, 32}, {cx + s * 13, 44}, {cx + s * 13, 49}, {cx + s * 4, 45}}));
    fins.addPolygon(
        QPolygonF({{cx + s * 4, 17}, {cx + s * 9, 22}, {cx + s * 9, 24.5}, {cx + s * 4, 23}}));
  }
  fillOutlined(p, fins.simplified(),
               gradient({cx - 13, 0}, {cx + 13, 0},
                        {{0, paint.darker(150)}, {0.5, paint.darker(115)}, {1, paint.darker(160)}}),
               1.3);

  // The body: an ogive nose on a round tube.
  QPainterPath body(QPointF(cx, 2.5));
  body.cubicTo(QPointF(cx + 3.5, 5), QPointF(cx + 5, 10), QPointF(cx + 5, 16));
  body.lineTo(cx + 5, 46);
  body.lineTo(cx - 5, 46);
  body.lineTo(cx - 5, 16);
  body.cubicTo(QPointF(cx - 5, 10), QPointF(cx - 3.5, 5), QPointF(cx, 2.5));
  body.closeSubpath();
  fillOutlined(p, body,
               gradient({cx - 5, 0}, {cx + 5, 0},
                        {{0.0, paint.darker(140)},
                         {0.35, paint.lighter(125)},
                         {0.7, paint},
                         {1.0, paint.darker(160)}}),
               0);
  p.save();
  p.setClipPath(body);
  // A white nose cone and band, with a dark seeker tip.
  p.setBrush(pal::kWhite);
  p.drawRect(QRectF(cx - 6, 0, 12, 12));
  p.drawRect(QRectF(cx - 6, 27, 12, 3.5));
  p.setBrush(pal::kInk);
  p.drawRect(QRectF(cx - 6, 0, 12, 5.5));
  p.setBrush(QColor(255, 255, 255, 90));
  p.drawRect(QRectF(cx - 2.8, 8, 1.4, 36));
  p.restore();
  p.setPen(QPen(pal::kInk, kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(body);
  // The nozzle.
  p.setPen(QPen(pal::kInk, 1.2));
  p.setBrush(QColor(0x4a, 0x4c, 0x58));
  p.drawRoundedRect(QRectF(cx - 3.5, 45.5, 7, 3), 1, 1);
  p.restore();
}

// --- Markers ------------------------------------------------------------------------------------

// A bold arrow towards the other player, pointing up (or down when `down`),
// haloed in white so it reads on the dark road.
void marker(QPainter& p, const QColor& team, bool down) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  if (down) {
    p.translate(0, 34);
    p.scale(1, -1);
  }
  QPainterPath arrow(QPointF(14.5, 3));
  arrow.lineTo(26, 16);
  arrow.lineTo(19.5, 16);
  arrow.lineTo(19.5, 31);
  arrow.lineTo(9.5, 31);
  arrow.lineTo(9.5, 16);
  arrow.lineTo(3, 16);
  arrow.closeSubpath();
  p.setPen(QPen(withAlpha(pal::kWhite, 235), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(arrow);
  fillOutlined(p, arrow,
               gradient({0, 3}, {0, 31}, {{0.0, team.lighter(130)}, {1.0, team.darker(135)}}),
               kOutline);
  // A bright bevel along the head's leading edge.
  p.setPen(QPen(QColor(255, 255, 255, 170), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(14.5, 6.5), QPointF(7, 14));
  p.restore();
}

// A dark panel tinted with a team's colour, a bright bar along its top.
void teamPanel(QPainter& p, const QRectF& r, const QColor& team) {
  // No rim on the left: the labels write from the column's very edge.
  p.fillRect(r, gradient(r.topLeft(), r.bottomLeft(),
                         {{0.0, mix(kNight, team, 0.28)}, {1.0, mix(kNight, team, 0.14)}}));
  p.setPen(QPen(withAlpha(team, 150), 1.0));
  p.drawLine(QPointF(r.right() - 0.5, r.top()), QPointF(r.right() - 0.5, r.bottom()));
  p.drawLine(QPointF(r.left(), r.bottom() - 0.5), QPointF(r.right(), r.bottom() - 0.5));
  p.setPen(Qt::NoPen);
  p.setBrush(team);
  p.drawRect(QRectF(r.left(), r.top(), r.width(), 2));
}

}  // namespace

void paintBattleBackground(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.fillRect(QRectF(0, 0, kWinW, kWinH), kNight);
  // Roadside beyond the outer kerbs of both views.
  drawVerge(p, QRectF(0, 0, kViewL, kWinH), false);
  drawVerge(p, QRectF(kViewR, 0, kWinW - kViewR, kWinH), true);

  // The column: a touch lighter down the middle, red at its left edge, blue
  // at its right.
  const QRectF column(kColumnL, 0, kColumnR - kColumnL, kWinH);
  p.fillRect(column, gradient({kColumnL, 0}, {kColumnR, 0},
                              {{0.0, QColor(0x1c, 0x12, 0x1c)},
                               {0.5, QColor(0x19, 0x19, 0x26)},
                               {1.0, QColor(0x11, 0x17, 0x28)}}));
  p.fillRect(QRectF(kColumnL, 0, 1.5, kWinH), QColor(0x9a, 0x22, 0x32));
  p.fillRect(QRectF(kColumnR - 1.5, 0, 1.5, kWinH), QColor(0x1e, 0x4c, 0xa0));
  p.fillRect(QRectF(kColumnL + 1.5, 0, 5, kWinH),
             gradient({kColumnL + 1.5, 0}, {kColumnL + 6.5, 0},
                      {{0.0, withAlpha(kTeamRed, 45)}, {1.0, withAlpha(kTeamRed, 0)}}));
  p.fillRect(QRectF(kColumnR - 6.5, 0, 5, kWinH),
             gradient({kColumnR - 6.5, 0}, {kColumnR - 1.5, 0},
                      {{0.0, withAlpha(kTeamBlue, 0)}, {1.0, withAlpha(kTeamBlue, 55)}}));

  // Faint diagonal hatching: the two sides leaning into each other.
  p.save();
  p.setClipRect(column.adjusted(2, 0, -2, 0));
  p.setPen(QPen(QColor(255, 255, 255, 7), 3));
  for (double y = -60; y < kWinH + 60; y += 14) {
    p.drawLine(QPointF(kColumnL, y), QPointF(kColumnL + 32, y + 16));
    p.drawLine(QPointF(kColumnR, y), QPointF(kColumnR - 32, y + 16));
  }
  p.restore();

  // Each player's readouts on a panel in their own colour: player one's at
  // the top, player two's below the time.
  teamPanel(p, QRectF(kColumnL + 1.5, 3, kColumnR - kColumnL - 5, 112), kTeamRed);
  teamPanel(p, QRectF(kColumnL + 1.5, 204, kColumnR - kColumnL - 5, 112), kTeamBlue);

  // The duel emblem at the foot of the column: a red chevron and a blue one
  // meeting point to point, a spark between them.
  const double cy = 326;
  const double mid = (kColumnL + kColumnR) / 2;
  auto chevron = [&](double side, const QColor& c) {
    QPainterPath v(QPointF(mid - side * 22, cy - 11));
    v.lineTo(mid - side * 4, cy);
    v.lineTo(mid - side * 22, cy + 11);
    v.lineTo(mid - side * 16, cy);
    v.closeSubpath();
    fillOutlined(p, v, c.darker(150), 1.0);
  };
  chevron(1, kTeamRed);
  chevron(-1, kTeamBlue);
  QRadialGradient spark(QPointF(mid, cy), 6);
  spark.setColorAt(0, QColor(0xff, 0xe0, 0x9a, 150));
  spark.setColorAt(1, QColor(0xff, 0xe0, 0x9a, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(spark);
  p.drawEllipse(QPointF(mid, cy), 6, 6);

  // A hairline frame round each view.
  p.setPen(QPen(QColor(255, 255, 255, 22), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(7.5, -1, 249, 347));
  p.drawRect(QRectF(kColumnR - 0.5, -1, 249, 347));
  p.restore();
}

void paintBattleRoad(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  paintArenaAsphalt(p);
  paintArenaKerbs(p);
  paintArenaLines(p);
  p.restore();
}

void paintBattleCarRed(QPainter& p) { playerCar(p, pal::kCarRed); }
void paintBattleCarBlue(QPainter& p) { playerCar(p, pal::kCarBlue); }
void paintBattleCarGold(QPainter& p) { turboCar(p); }

void paintBattleRival1(QPainter& p) {
  onGrid(p,
         [&] { drawCarTopDown(p, kCarBox, QColor(0x4a, 0x4d, 0x57), QColor(0xff, 0x9a, 0x1e)); });
}

void paintBattleRival2(QPainter& p) {
  onGrid(p,
         [&] { drawCarTopDown(p, kCarBox, QColor(0x1a, 0x84, 0x46), QColor(0xc8, 0xf0, 0x5a)); });
}

void paintBattleMissileRed(QPainter& p) { missile(p, kTeamRed, QColor(0xff, 0x7a, 0x2a)); }
void paintBattleMissileBlue(QPainter& p) { missile(p, kTeamBlue, QColor(0x4a, 0xb8, 0xff)); }

void paintBattleLane(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  QPainterPath dash;
  dash.addRoundedRect(QRectF(1.5, 1.5, 9, 68), 3.5, 3.5);
  p.setPen(QPen(pal::kTealDark, 1.2));
  p.setBrush(
      gradient({1.5, 0}, {10.5, 0},
               {{0.0, pal::kTeal}, {0.3, pal::kWhite}, {0.7, pal::kWhite}, {1.0, pal::kTeal}}));
  p.drawPath(dash);
  // Worn by tyres: a faint shadow towards the ends and specks of asphalt.
  p.setClipPath(dash);
  p.setPen(Qt::NoPen);
  p.setBrush(gradient({0, 1.5}, {0, 69.5},
                      {{0.0, QColor(20, 40, 60, 50)},
                       {0.2, QColor(20, 40, 60, 0)},
                       {0.8, QColor(20, 40, 60, 0)},
                       {1.0, QColor(20, 40, 60, 60)}}));
  p.drawRect(QRectF(0, 0, 12, 71));
  Dice dice(905);
  for (int i = 0; i < 26; ++i) {
    p.setBrush(QColor(40, 44, 60, 30 + dice.below(60)));
    p.drawEllipse(QPointF(dice.uniform(3, 9), dice.uniform(4, 67)), 0.6, dice.uniform(0.6, 1.6));
  }
  p.restore();
}

void paintBattleFinish(QPainter& p) {
  constexpr double w = 265;
  constexpr double h = 51;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  // Gold bands either side of four rows of chequers.
  p.fillRect(QRectF(0, 0, w, h), pal::kSkyGold);
  const double top = 4;
  const double cell = (h - 2 * top) / 4;
  p.fillRect(QRectF(0, top, w, h - 2 * top), pal::kWhite);
  for (int row = 0; row < 4; ++row) {
    for (int col = row % 2; col * cell < w; col += 2)
      p.fillRect(QRectF(col * cell, top + row * cell, cell, cell), pal::kInk);
  }
  // Scuffed along the wheel tracks of both lanes.
  for (double x : {48.0, 92.0, 172.0, 216.0}) {
    p.fillRect(QRectF(x - 7, 0, 14, h), gradient({x - 7, 0}, {x + 7, 0},
                                                 {{0.0, QColor(40, 40, 50, 0)},
                                                  {0.5, QColor(40, 40, 50, 60)},
                                                  {1.0, QColor(40, 40, 50, 0)}}));
  }
  p.setPen(QPen(pal::kInk, kOutline));
  p.drawLine(QPointF(0, 0.8), QPointF(w, 0.8));
  p.drawLine(QPointF(0, h - 0.8), QPointF(w, h - 0.8));
  p.restore();
}

void paintBattleDeco(QPainter& p) {
  // A cluster of traffic cones at the start, seen from above.
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  const QColor orange(0xff, 0x6e, 0x1e);
  for (const QPointF c :
       {QPointF(17, 18), QPointF(44, 22), QPointF(29, 42), QPointF(15, 65), QPointF(45, 64)}) {
    QPainterPath base;
    base.addRoundedRect(QRectF(c.x() - 11, c.y() - 11, 22, 22), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 8, 20, 70));
    p.drawPath(base.translated(2, 2));
    fillOutlined(p, base, orange.darker(160), 1.3);
    QRadialGradient cone(c - QPointF(2, 2), 10);
    cone.setColorAt(0, orange.lighter(125));
    cone.setColorAt(1, orange.darker(120));
    p.setPen(QPen(pal::kInk, 1.3));
    p.setBrush(cone);
    p.drawEllipse(c, 8.5, 8.5);
    p.setPen(QPen(pal::kWhite, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 5.2, 5.2);
    p.setPen(QPen(pal::kInk, 1));
    p.setBrush(orange.darker(140));
    p.drawEllipse(c, 2, 2);
  }
  p.restore();
}

void paintMarkerBlueAhead(QPainter& p) { marker(p, kTeamBlue, false); }
void paintMarkerBlueBehind(QPainter& p) { marker(p, kTeamBlue, true); }
void paintMarkerRedAhead(QPainter& p) { marker(p, kTeamRed, false); }
void paintMarkerRedBehind(QPainter& p) { marker(p, kTeamRed, true); }

}  // namespace art
