// Rival two: a violet rally hatch, square-shouldered, with a black bonnet,
// a pod of spotlights and flared arches.

#include <QRadialGradient>

#include "cars/car_parts.h"
#include "style.h"

namespace art {
namespace {

using namespace car;

const QColor kPaint = pal::kCarPurple;
const QColor kMatte{0x26, 0x25, 0x2f};  // bonnet, arches, scoop and spoiler
const QColor kVent = lightTint(28);
const QColor kLampCore{255, 255, 255};

constexpr Bezier kFlank[] = {
    {{22, 4.5}, {16, 4.5}, {13, 6.5}},
    {{10, 8}, {9, 10}, {9, 14}},
    {{9, 35}, {9, 55}, {9, 76}},
    {{9, 79.5}, {11, 81.5}, {15, 81.5}},
    {{20, 81.5}, {25, 81.5}, {kMid, 81.5}},
};

constexpr QPointF kBonnet[] = {{13, 4}, {47, 4}, {45.5, 24}, {14.5, 24}};
constexpr QPointF kScreen[] = {{13, 25}, {47, 25}, {44, 34}, {16, 34}};
constexpr QPointF kRearScreen[] = {{16, 62}, {44, 62}, {45.5, 70}, {14.5, 70}};
constexpr double kSpotlights[] = {18.5, 25.5, 34.5, 41.5};

void paintRallyHatch(QPainter& p) {
  const QPainterPath shell = body({kMid, 4.5}, kFlank);
  // Flared arches stand out from the flanks.
  QPainterPath arches;
  arches.setFillRule(Qt::WindingFill);
  for (const QRectF& r : {QRectF(6, 11, 7, 19), QRectF(6, 55, 7, 20)}) {
    arches.addRoundedRect(r, 3, 3);
    arches.addRoundedRect(mirrored(r), 3, 3);
  }
  dropShadow(p, shell.united(arches));
  tyrePairs(p, {QRectF(5, 13, 5, 15), QRectF(5, 57, 5, 16)});
  fillOutlined(p, arches.simplified(), kMatte, kOutline * 0.8);
  fillOutlined(p, shell, paintwork(kPaint, 9, 51), 0);
  topLight(p, shell, 4.5, 81.5);

  onBody(p, shell, [&] {
    // Matte black bonnet with two vents.
    p.setBrush(kMatte);
    p.drawPath(polygon(kBonnet));
    p.setBrush(kVent);
    p.drawRoundedRect(QRectF(19, 14, 8, 2.2), 1, 1);
    p.drawRoundedRect(QRectF(33, 14, 8, 2.2), 1, 1);
    // A black band down the flanks ties bonnet and tail together.
    p.setBrush(kMatte);
    p.drawRect(QRectF(8, 30, 3.2, 25));
    p.drawRect(mirrored(QRectF(8, 30, 3.2, 25)));
  });
  stroke(p, shell);

  // Spotlights across the nose.
  p.setPen(fineInk());
  for (double x : kSpotlights) {
    QRadialGradient lamp(QPointF(x - 0.6, 8.3), 2.6);
    lamp.setColorAt(0, kLampCore);
    lamp.setColorAt(1, pal::kHeadlight);
    p.setBrush(lamp);
    p.drawEllipse(QPointF(x, 9), 2.6, 2.6);
  }

  // Windscreen, roof with its scoop and number board, rear window.
  glass(p, polygon(kScreen), 25, 34);
  fillOutlined(p, roundedRect(QRectF(15.5, 34, 29, 27), 2.5),
               paintwork(kPaint.lighter(106), 15.5, 44.5), kOutline * 0.6);
  p.setPen(fineInk());
  p.setBrush(kMatte);
  p.drawRoundedRect(QRectF(25.5, 35.5, 9, 4), 1.2, 1.2);
  p.setBrush(pal::kWhite);
  p.drawRoundedRect(QRectF(22.5, 42, 15, 14), 2, 2);
  paintNumber(p, 4, {kMid, 49}, 9, pal::kInk);
  glass(p, polygon(kRearScreen), 62, 70, false);
  // Roof spoiler and tail lights.
  p.setPen(fineInk());
  p.setBrush(kMatte);
  p.drawRoundedRect(QRectF(14, 59.5, 32, 3.5), 1.2, 1.2);
  p.setBrush(pal::kTailLight);
  roundedPair(p, QRectF(11.5, 77.5, 6, 3), 1);
  // Wing mirrors.
  p.setBrush(kPaint);
  ovalPair(p, QRectF(5.5, 26, 5, 3.5));
}

}  // namespace

void paintCarRival2(QPainter& p) {
  car::onDesignGrid(p, [&] { paintRallyHatch(p); });
}

}  // namespace art
