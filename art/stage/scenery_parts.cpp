#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "stage/scenery.h"
#include "stage/venue.h"

namespace art::stages {
namespace {

const QColor kTreeShadow = shadowTint(60);
const QColor kPineShadow = shadowTint(70);

}  // namespace

void treeCrown(QPainter& p, QPointF c, double r, const QColor& leaf, Dice& dice, double ink) {
  p.setPen(Qt::NoPen);
  p.setBrush(kTreeShadow);
  p.drawEllipse(c + QPointF(r * 0.35, r * 0.3), r, r);
  QPainterPath crown;
  crown.setFillRule(Qt::WindingFill);
  crown.addEllipse(c, r * 0.72, r * 0.72);
  const int lobes = 7;
  const double turn = dice.uniform(0, 2 * kPi);
  for (int i = 0; i < lobes; ++i) {
    const double a = turn + i * 2 * kPi / lobes + dice.uniform(-0.25, 0.25);
    const double lr = r * dice.uniform(0.36, 0.46);
    crown.addEllipse(c + QPointF(std::cos(a), std::sin(a)) * (r - lr), lr, lr);
  }
  QRadialGradient light(c - QPointF(r * 0.35, r * 0.4), r * 1.5);
  light.setColorAt(0, leaf.lighter(135));
  light.setColorAt(0.5, leaf);
  light.setColorAt(1, leaf.darker(160));
  fillOutlined(p, crown.simplified(), light, ink);
}

void pineCrown(QPainter& p, QPointF c, double r, const QColor& leaf, double ink) {
  auto star = [&](double radius, double turn) {
    QPainterPath path;
    const int points = 11;
    for (int i = 0; i < 2 * points; ++i) {
      const double a = turn + i * kPi / points;
      const double rr = i % 2 ? radius * 0.62 : radius;
      const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * rr;
      i == 0 ? path.moveTo(q) : path.lineTo(q);
    }
    path.closeSubpath();
    return path;
  };
  p.setPen(Qt::NoPen);
  p.setBrush(kPineShadow);
  p.drawPath(star(r, 0.1).translated(r * 0.35, r * 0.3));
  fillOutlined(p, star(r, 0.1), leaf.darker(115), ink);
  fillOutlined(p, star(r * 0.62, 0.3), leaf.lighter(118), ink * 0.6);
  p.setBrush(leaf.lighter(140));
  p.drawEllipse(c, r * 0.14, r * 0.14);
}

void verge(QPainter& p, const QColor& fill, double width) {
  const double x = kColumnW - width;
  p.fillRect(QRectF(x, 0, width, kWindowH), fill);
  p.fillRect(QRectF(x - 3, 0, 3, kWindowH),
             gradient({x - 3, 0}, {x, 0}, {{0.0, shadowTint(0)}, {1.0, shadowTint(50)}}));
  p.setPen(QPen(withAlpha(pal::kInk, 150), 1.0));
  p.drawLine(QPointF(x, 0), QPointF(x, kWindowH));
}

void grit(QPainter& p, Dice& dice, int count, double x0, double x1, double radius,
          const QColor& colour, int alpha, int spread) {
  p.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    p.setBrush(withAlpha(colour, alpha + dice.below(spread)));
    p.drawEllipse(QPointF(dice.uniform(x0, x1), dice.uniform(0, kWindowH)), radius, radius);
  }
}

}  // namespace art::stages
