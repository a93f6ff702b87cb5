// The two-player battle's window: the two views side by side with roadside
// beyond their outer kerbs, and the dark column between them that carries
// each player's readouts on a panel in their colour and the duel emblem.
//
// The window is dark between the views so the yellow readouts stand out; red
// belongs to player one on the left, blue to player two on the right.

#include <QPainterPath>
#include <QRadialGradient>

#include "battle/team_colours.h"
#include "style.h"

namespace art {
namespace {

constexpr double kWinW = 574;
constexpr double kWinH = 349;
constexpr double kColumnL = 256;  // the dark column between the two views
constexpr double kColumnR = 320;
constexpr double kViewL = 8;    // the left view's outer edge
constexpr double kViewR = 569;  // the right view's outer edge

// The night between the views, and the column: red on the left, blue on the right.
const QColor kNight{0x12, 0x12, 0x1d}, kColumnRed{0x1c, 0x12, 0x1c}, kColumnMid{0x19, 0x19, 0x26},
    kColumnBlue{0x11, 0x17, 0x28}, kEdgeRed{0x9a, 0x22, 0x32}, kEdgeBlue{0x1e, 0x4c, 0xa0};
const QColor kHatch = lightTint(7), kSpark{0xff, 0xe0, 0x9a, 150}, kFrame = lightTint(22);

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

// The column: a touch lighter down the middle, red at its left edge, blue
// at its right, with faint diagonal hatching: the two sides leaning into
// each other.
void column(QPainter& p) {
  const QRectF column(kColumnL, 0, kColumnR - kColumnL, kWinH);
  p.fillRect(column, gradient({kColumnL, 0}, {kColumnR, 0},
                              {{0.0, kColumnRed}, {0.5, kColumnMid}, {1.0, kColumnBlue}}));
  p.fillRect(QRectF(kColumnL, 0, 1.5, kWinH), kEdgeRed);
  p.fillRect(QRectF(kColumnR - 1.5, 0, 1.5, kWinH), kEdgeBlue);
  p.fillRect(QRectF(kColumnL + 1.5, 0, 5, kWinH),
             gradient({kColumnL + 1.5, 0}, {kColumnL + 6.5, 0},
                      {{0.0, withAlpha(team::kRed, 45)}, {1.0, withAlpha(team::kRed, 0)}}));
  p.fillRect(QRectF(kColumnR - 6.5, 0, 5, kWinH),
             gradient({kColumnR - 6.5, 0}, {kColumnR - 1.5, 0},
                      {{0.0, withAlpha(team::kBlue, 0)}, {1.0, withAlpha(team::kBlue, 55)}}));

  p.save();
  p.setClipRect(column.adjusted(2, 0, -2, 0));
  p.setPen(QPen(kHatch, 3));
  for (double y = -60; y < kWinH + 60; y += 14) {
    p.drawLine(QPointF(kColumnL, y), QPointF(kColumnL + 32, y + 16));
    p.drawLine(QPointF(kColumnR, y), QPointF(kColumnR - 32, y + 16));
  }
  p.restore();
}

// The duel emblem at the foot of the column: a red chevron and a blue one
// meeting point to point, a spark between them.
void duelEmblem(QPainter& p) {
  const double cy = 326;
  const double mid = (kColumnL + kColumnR) / 2;
  auto chevron = [&](double side, const QColor& c) {
    fillOutlined(p,
                 polygon({{mid - side * 22, cy - 11},
                          {mid - side * 4, cy},
                          {mid - side * 22, cy + 11},
                          {mid - side * 16, cy}}),
                 c.darker(150), 1.0);
  };
  chevron(1, team::kRed);
  chevron(-1, team::kBlue);
  QRadialGradient spark(QPointF(mid, cy), 6);
  spark.setColorAt(0, kSpark);
  spark.setColorAt(1, withAlpha(kSpark, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(spark);
  p.drawEllipse(QPointF(mid, cy), 6, 6);
}

}  // namespace

void paintBattleBackground(QPainter& p) {
  antialiased(p, [&] {
    p.fillRect(QRectF(0, 0, kWinW, kWinH), kNight);
    // Roadside beyond the outer kerbs of both views.
    drawVerge(p, QRectF(0, 0, kViewL, kWinH), false);
    drawVerge(p, QRectF(kViewR, 0, kWinW - kViewR, kWinH), true);
    column(p);
    // Each player's readouts on a panel in their own colour: player one's at
    // the top, player two's below the time.
    teamPanel(p, QRectF(kColumnL + 1.5, 3, kColumnR - kColumnL - 5, 112), team::kRed);
    teamPanel(p, QRectF(kColumnL + 1.5, 204, kColumnR - kColumnL - 5, 112), team::kBlue);
    duelEmblem(p);
    // A hairline frame round each view.
    p.setPen(QPen(kFrame, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(7.5, -1, 249, 347));
    p.drawRect(QRectF(kColumnR - 0.5, -1, 249, 347));
  });
}

}  // namespace art
