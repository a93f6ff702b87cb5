// Rival one: a blue closed-wheel prototype, long and low, with a white arrow
// over the nose and a roundel on the engine cover.

#include "cars/car_parts.h"
#include "style.h"

namespace art {
namespace {

using namespace car;

const QColor kPaint = pal::kCarBlue;
const QColor kIntake = kPaint.darker(260);
const QColor kWingTop{0x3a, 0x3f, 0x5a};

constexpr Bezier kFlank[] = {
    {{25, 3}, {21, 3.5}, {18.5, 5.5}}, {{13, 8.5}, {8, 11}, {8, 18}},
    {{8, 22}, {8, 26}, {8.5, 29}},     {{9.5, 33}, {14, 33}, {14, 38}},
    {{14, 43}, {14, 46}, {14, 50}},    {{14, 54}, {7, 53}, {7, 60}},
    {{7, 66}, {7, 72}, {8.5, 77}},     {{10, 81.5}, {18, 82}, {kMid, 82}},
};

// The white arrow over the nose, pointing the way.
constexpr QPointF kArrow[] = {{kMid, 6}, {47, 21}, {47, 27}, {kMid, 14}, {13, 27}, {13, 21}};

// A teardrop canopy, as curves from its nose round to its nose.
constexpr Bezier kCanopy[] = {
    {{39, 28}, {40, 34}, {39.5, 40}},
    {{39, 47}, {35, 52}, {kMid, 53}},
    {{25, 52}, {21, 47}, {20.5, 40}},
    {{20, 34}, {21, 28}, {kMid, 28}},
};

void paintPrototype(QPainter& p) {
  const QPainterPath shell = body({kMid, 3}, kFlank);
  dropShadow(p, shell);
  tyrePairs(p, {QRectF(6, 15, 6, 14), QRectF(5, 58, 7, 16)});
  fillOutlined(p, shell, paintwork(kPaint, 7, 53), 0);
  topLight(p, shell, 3, 82);

  onBody(p, shell, [&] {
    p.setBrush(pal::kWhite);
    p.drawPolygon(kArrow, std::size(kArrow));
    // Dark side intakes behind the front wheels.
    p.setBrush(kIntake);
    roundedPair(p, QRectF(15.5, 38, 3, 12), 1.5);
  });

  // Headlights in the tips of the front wings.
  p.setPen(fineInk());
  p.setBrush(pal::kHeadlight);
  ovalPair(p, QRectF(11, 10, 5.5, 3.5));
  stroke(p, shell);

  glass(p, loop({kMid, 28}, kCanopy), 28, 53);

  // The roundel on the engine cover, with the car's number.
  p.setPen(fineInk());
  p.setBrush(pal::kWhite);
  p.drawEllipse(QPointF(kMid, 65), 6.5, 6.5);
  paintNumber(p, 7, {kMid, 65}, 7.5, pal::kInk);

  // The rear wing, dark, on blue end plates.
  wing(p, QRectF(9, 75.5, 42, 6.5), kWingTop, pal::kInk);
  p.setPen(fineInk());
  p.setBrush(kPaint);
  roundedPair(p, QRectF(8, 74, 4, 9), 1);
}

}  // namespace

void paintCarRival1(QPainter& p) {
  car::onDesignGrid(p, [&] { paintPrototype(p); });
}

}  // namespace art
