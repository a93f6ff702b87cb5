// Rival three: a green open-wheel single-seater: a needle nose between bare
// wheels, wide wings front and back, the driver's helmet in the cockpit.

#include <QRadialGradient>

#include "cars/car_parts.h"
#include "style.h"

namespace art {
namespace {

using namespace car;

const QColor kPaint = pal::kCarGreen;
const QColor kCarbon{0x34, 0x36, 0x48};  // wings and the engine band
const QColor kInlet = kPaint.darker(240);
const QColor kCockpit = pal::kInk.lighter(140);

constexpr Bezier kFlank[] = {
    {{28, 2.5}, {26.5, 4}, {26, 8}},  {{25.5, 14}, {25, 22}, {24, 29}},
    {{21, 31}, {16, 33}, {15.5, 38}}, {{15, 46}, {15, 52}, {16, 58}},
    {{17, 64}, {22, 68}, {24, 74}},   {{25, 77}, {27.5, 78}, {kMid, 78}},
};

const QRectF kFrontWing(6.5, 4.5, 47, 6.5);
const QRectF kRearWing(12, 76, 36, 7);

// Suspension arms out to the bare wheels, left side: from the body (x out
// from the centre line, y) to the wheel.
struct Arm {
  QPointF from, to;
};
constexpr Arm kArms[] = {
    {{4, 17}, {18, 20}}, {{4, 24}, {18, 22}}, {{13, 60}, {20, 64}}, {{12, 68}, {20, 67}}};

void paintSingleSeater(QPainter& p) {
  const QPainterPath chassis = body({kMid, 2.5}, kFlank);
  dropShadow(p, chassis.united(roundedRect(kFrontWing, 2)).united(roundedRect(kRearWing, 2)));

  p.setPen(QPen(pal::kInk, 1.3, Qt::SolidLine, Qt::RoundCap));
  for (double side : {-1.0, 1.0}) {
    for (const Arm& a : kArms) {
      p.drawLine(QPointF(kMid + side * a.from.x(), a.from.y()),
                 QPointF(kMid + side * a.to.x(), a.to.y()));
    }
  }
  tyrePairs(p, {QRectF(5.5, 13, 9, 16), QRectF(3, 56, 11.5, 20)});

  wing(p, kFrontWing, kCarbon.lighter(125), kCarbon.darker(120));
  p.setPen(QPen(pal::kWhite, 1.2));
  p.drawLine(QPointF(9, 8.8), QPointF(51, 8.8));

  fillOutlined(p, chassis, paintwork(kPaint, 15, 45), 0);
  topLight(p, chassis, 2.5, 78);
  onBody(p, chassis, [&] {
    // A white flash along the nose and a carbon band over the engine cover.
    p.setBrush(pal::kWhite);
    p.drawRect(QRectF(28.2, 0, 3.6, 30));
    p.setBrush(kCarbon);
    p.drawRect(QRectF(14, 54, 32, 5));
    // Side pod inlets.
    p.setBrush(kInlet);
    roundedPair(p, QRectF(16.5, 33.5, 5, 3), 1.2);
  });
  stroke(p, chassis);

  // Cockpit and the driver's helmet.
  fillOutlined(p, roundedRect(QRectF(24.5, 33, 11, 17), 5), kCockpit, kOutline * 0.8);
  QRadialGradient helmet(QPointF(28.8, 39.5), 5);
  helmet.setColorAt(0, pal::kWhite);
  helmet.setColorAt(1, pal::kCarYellow);
  p.setPen(fineInk());
  p.setBrush(helmet);
  p.drawEllipse(QPointF(kMid, 41), 4.2, 4.6);
  p.setPen(Qt::NoPen);
  p.setBrush(pal::kGlass);
  p.drawRoundedRect(QRectF(26.8, 37, 6.4, 2.2), 1, 1);
  // Air box behind the driver.
  p.setPen(fineInk());
  p.setBrush(kPaint.darker(115));
  p.drawRoundedRect(QRectF(27, 50.5, 6, 8), 2, 2);

  wing(p, kRearWing, kCarbon.lighter(125), kCarbon.darker(125));
  p.setPen(QPen(pal::kWhite, 1.2));
  p.drawLine(QPointF(15, 79.5), QPointF(45, 79.5));
}

}  // namespace

void paintCarRival3(QPainter& p) {
  car::onDesignGrid(p, [&] { paintSingleSeater(p); });
}

}  // namespace art
