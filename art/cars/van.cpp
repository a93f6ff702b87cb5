// The slow car: a small delivery van, a teal cab with amber roof beacons in
// front of a tall white box with a painted arrow on its roof.

#include <QRadialGradient>

#include "cars/car_parts.h"
#include "style.h"

namespace art {
namespace {

using namespace car;

const QColor kCab = mix(pal::kTeal, pal::kTealDark, 0.35);
const QColor kBox = pal::kPaper;
const QColor kRib = withAlpha(pal::kInk, 40);
const QColor kArrowPaint = pal::kSkyOrange;

constexpr Bezier kFlank[] = {
    {{21, 2}, {14, 2.3}, {11, 4.5}},   {{9, 6.5}, {8.5, 9}, {8.5, 13}},
    {{8.5, 40}, {8.5, 60}, {8.5, 80}}, {{8.5, 82}, {9.5, 83}, {12, 83}},
    {{20, 83}, {25, 83}, {kMid, 83}},
};

// The firm's arrow on the roof of the box, pointing the way.
constexpr QPointF kArrow[] = {{kMid, 40}, {44, 54}, {44, 61}, {kMid, 47}, {16, 61}, {16, 54}};
constexpr double kBeacons[] = {16.0, 40.0};

// The windscreen, wrapping round the cab front.
QPainterPath windscreen() {
  QPainterPath screen(QPointF(12, 8));
  screen.cubicTo(20, 6, 40, 6, 48, 8);
  screen.lineTo(48.5, 15);
  screen.cubicTo(40, 13.5, 20, 13.5, 11.5, 15);
  screen.closeSubpath();
  return screen;
}

void paintVan(QPainter& p) {
  const QPainterPath shell = body({kMid, 2}, kFlank);
  dropShadow(p, shell);
  tyrePairs(p, {QRectF(6.5, 9, 4.5, 12), QRectF(6.5, 64, 4.5, 13)});
  // Wing mirrors on stalks.
  p.setPen(fineInk());
  p.setBrush(kCab);
  roundedPair(p, QRectF(3.5, 15, 5.5, 4), 1.2);

  fillOutlined(p, shell, paintwork(kCab, 8.5, 51.5), 0);
  p.save();
  p.setClipPath(shell, Qt::IntersectClip);
  // The cargo box, with stiffening ribs across its roof.
  p.fillRect(QRectF(7, 25, 46, 60), gradient({8.5, 0}, {51.5, 0},
                                             {{0.0, kBox.darker(118)},
                                              {0.3, kBox},
                                              {0.75, kBox.darker(104)},
                                              {1.0, kBox.darker(125)}}));
  p.setPen(QPen(kRib, 1.0));
  for (double y = 31; y < 82; y += 6.5) p.drawLine(QPointF(9, y), QPointF(51, y));
  p.setPen(Qt::NoPen);
  p.setBrush(kArrowPaint);
  p.drawPolygon(kArrow, std::size(kArrow));
  p.setBrush(kCab);
  p.drawRect(QRectF(7, 73, 46, 4));
  p.restore();
  topLight(p, shell, 2, 83);
  stroke(p, shell);
  p.setPen(fineInk());
  p.drawLine(QPointF(8.5, 25), QPointF(51.5, 25));

  glass(p, windscreen(), 6.5, 15);
  // Amber beacons on the cab roof: this one takes its time.
  for (double x : kBeacons) {
    QRadialGradient beacon(QPointF(x + 2, 20), 6);
    beacon.setColorAt(0, withAlpha(pal::kSkyGold, 150));
    beacon.setColorAt(1, withAlpha(pal::kSkyOrange, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(beacon);
    p.drawEllipse(QPointF(x + 2, 20), 6, 6);
    p.setPen(fineInk());
    p.setBrush(pal::kSkyGold);
    p.drawRoundedRect(QRectF(x, 18, 4, 4), 1.2, 1.2);
  }
  // Headlights and tail lights.
  p.setBrush(pal::kHeadlight);
  roundedPair(p, QRectF(11.5, 2.8, 6, 2.6), 1);
  p.setBrush(pal::kTailLight);
  roundedPair(p, QRectF(9.5, 80.5, 4, 2.5), 0.8);
}

}  // namespace

void paintCarSlow(QPainter& p) {
  car::onDesignGrid(p, [&] { paintVan(p); });
}

}  // namespace art
