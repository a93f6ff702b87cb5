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

#include "style.h"

namespace art {
namespace {

// --- The window ---------------------------------------------------------------------------------

constexpr double kWinW = 574;
constexpr double kWinH = 349;
constexpr double kColumnL = 256;  // the dark column between the two views
constexpr double kColumnR = 320;

const QColor kNight{0x12, 0x12, 0x1d};
const QColor kTeamRed{0xe0, 0x34, 0x48};
const QColor kTeamBlue{0x2f, 0x7d, 0xff};

// --- The road -----------------------------------------------------------------------------------

constexpr double kRoadW = 249;
constexpr double kRoadH = 345;
constexpr double kKerbW = 9;
constexpr double kEdgeLine = 12;  // from each side

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

// The player's number on a white roundel, painted as strokes.
void numberRoundel(QPainter& p, QPointF c, int number) {
  p.setPen(QPen(pal::kInk, kOutline * 0.7));
  p.setBrush(pal::kWhite);
  p.drawEllipse(c, 6.6, 6.6);
  QPainterPath digit;
  auto at = [&](double u, double v) { return c + QPointF(u * 3.4, v * 4.4); };
  if (number == 1) {
    digit.moveTo(at(-0.6, -0.55));
    digit.lineTo(at(0.15, -1));
    digit.lineTo(at(0.15, 1));
  } else {
    digit.moveTo(at(-0.85, -0.5));
    digit.cubicTo(at(-0.7, -1.15), at(0.9, -1.2), at(0.8, -0.35));
    digit.cubicTo(at(0.7, 0.15), at(-0.5, 0.5), at(-0.9, 1));
    digit.lineTo(at(0.9, 1));
  }
  p.setPen(QPen(pal::kInk, 2.1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(digit);
}

void playerCar(QPainter& p, QColor body, int number) {
  onGrid(p, [&] {
    drawCarTopDown(p, kCarBox, body, pal::kWhite);
    numberRoundel(p, {30, 17}, number);
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

}  // namespace

void paintBattleBackground(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.fillRect(QRectF(0, 0, kWinW, kWinH), kNight);
  // The frame edges take on their side's colour, very faintly.
  p.fillRect(QRectF(0, 0, kColumnL, kWinH),
             gradient({0, 0}, {kColumnL, 0},
                      {{0.0, withAlpha(kTeamRed, 40)}, {0.1, withAlpha(kTeamRed, 0)}}));
  p.fillRect(QRectF(kColumnR, 0, kWinW - kColumnR, kWinH),
             gradient({kColumnR, 0}, {kWinW, 0},
                      {{0.9, withAlpha(kTeamBlue, 0)}, {1.0, withAlpha(kTeamBlue, 45)}}));

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
  // Evening asphalt, lit a little down the middle by the floodlights.
  const QColor edge(0x1c, 0x1b, 0x29);
  const QColor crown(0x2b, 0x2a, 0x3b);
  p.fillRect(
      QRectF(0, 0, kRoadW, kRoadH),
      gradient(
          {0, 0}, {kRoadW, 0},
          {{0.0, edge}, {0.22, crown}, {0.5, crown.lighter(106)}, {0.78, crown}, {1.0, edge}}));
  p.setPen(Qt::NoPen);
  // Rubber in the wheel tracks of both lanes.
  for (double lane : {kRoadW * 0.28, kRoadW * 0.72}) {
    for (double x : {lane - 22, lane + 22}) {
      p.fillRect(QRectF(x - 8, 0, 16, kRoadH), gradient({x - 8, 0}, {x + 8, 0},
                                                        {{0.0, QColor(0, 0, 0, 0)},
                                                         {0.5, QColor(0, 0, 0, 34)},
                                                         {1.0, QColor(0, 0, 0, 0)}}));
    }
  }
  // Grain streaked along the road.
  Dice dice(7301);
  for (int i = 0; i < 1400; ++i) {
    const double x = dice.uniform(0, kRoadW);
    const double y = dice.uniform(-6, kRoadH);
    const double len = dice.uniform(1.5, 6);
    p.setBrush(dice.below(3) == 0 ? QColor(255, 255, 255, 9 + dice.below(9))
                                  : QColor(0, 0, 0, 24 + dice.below(18)));
    p.drawRoundedRect(QRectF(x, y, 0.9, len), 0.45, 0.45);
  }

  // Slate kerbs with a white trim, unbroken as the road itself never moves;
  // the window's red and blue belong to the players, so the kerbs stay neutral.
  auto kerb = [&](double x0) {
    const QColor c(0x5c, 0x5a, 0x74);
    p.fillRect(QRectF(x0, 0, kKerbW, kRoadH),
               gradient({x0, 0}, {x0 + kKerbW, 0},
                        {{0.0, c.darker(125)}, {0.45, c.lighter(112)}, {1.0, c.darker(135)}}));
  };
  kerb(0);
  kerb(kRoadW - kKerbW);
  p.fillRect(QRectF(0, 0, 2, kRoadH), pal::kWhite.darker(115));
  p.fillRect(QRectF(kRoadW - 2, 0, 2, kRoadH), pal::kWhite.darker(115));
  p.fillRect(QRectF(kKerbW, 0, 4, kRoadH),
             gradient({kKerbW, 0}, {kKerbW + 4, 0},
                      {{0.0, QColor(0, 0, 0, 80)}, {1.0, QColor(0, 0, 0, 0)}}));
  p.fillRect(QRectF(kRoadW - kKerbW - 4, 0, 4, kRoadH),
             gradient({kRoadW - kKerbW - 4, 0}, {kRoadW - kKerbW, 0},
                      {{0.0, QColor(0, 0, 0, 0)}, {1.0, QColor(0, 0, 0, 80)}}));
  // Solid edge lines just inside the kerbs.
  p.fillRect(QRectF(kEdgeLine, 0, 2.5, kRoadH), withAlpha(pal::kWhite, 220));
  p.fillRect(QRectF(kRoadW - kEdgeLine - 2.5, 0, 2.5, kRoadH), withAlpha(pal::kWhite, 220));
  // Floodlight sheen along both lanes.
  for (double lane : {kRoadW * 0.28, kRoadW * 0.72}) {
    p.fillRect(QRectF(lane - 30, 0, 60, kRoadH), gradient({lane - 30, 0}, {lane + 30, 0},
                                                          {{0.0, QColor(170, 150, 255, 0)},
                                                           {0.5, QColor(170, 150, 255, 10)},
                                                           {1.0, QColor(170, 150, 255, 0)}}));
  }
  p.restore();
}

void paintBattleCarRed(QPainter& p) { playerCar(p, pal::kCarRed, 1); }
void paintBattleCarBlue(QPainter& p) { playerCar(p, pal::kCarBlue, 2); }
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
