#include "bonus/craft.h"

#include <QPainterPath>
#include <QRadialGradient>

namespace art::skyforge {

QLinearGradient paintwork(const QColor& c, double top, double bottom) {
  return gradient({0, top}, {0, bottom},
                  {{0.0, c.lighter(135)}, {0.3, c.lighter(110)}, {0.65, c}, {1.0, c.darker(165)}});
}

void glow(QPainter& p, QPointF c, double rx, double ry, const QColor& colour, int alpha) {
  QRadialGradient g(c, rx);
  g.setColorAt(0, withAlpha(colour, alpha));
  g.setColorAt(0.5, withAlpha(colour, alpha / 3));
  g.setColorAt(1, withAlpha(colour, 0));
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  // The gradient is round; squash it with the painter for oval glows.
  p.translate(c);
  p.scale(1.0, ry / rx);
  p.translate(-c);
  p.drawEllipse(c, rx, rx);
  p.restore();
}

void exhaust(QPainter& p, QPointF mouth, double radius, double length, double dir, const Flame& f) {
  glow(p, mouth + QPointF(dir * length * 0.3, 0), length * 0.7, radius * 1.8, f.outer, 90);
  auto tongue = [&](double r, double len, const QColor& root, const QColor& end, int alpha) {
    const QPointF t = mouth + QPointF(dir * len, 0);
    QPainterPath flame(mouth + QPointF(0, -r));
    flame.cubicTo(mouth + QPointF(dir * len * 0.4, -r * 1.05),
                  t + QPointF(-dir * len * 0.3, -r * 0.25), t);
    flame.cubicTo(t + QPointF(-dir * len * 0.3, r * 0.25),
                  mouth + QPointF(dir * len * 0.4, r * 1.05), mouth + QPointF(0, r));
    flame.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(gradient(mouth, t,
                        {{0.0, withAlpha(root, alpha)},
                         {0.55, withAlpha(end, alpha * 2 / 3)},
                         {1.0, withAlpha(end, 0)}}));
    p.drawPath(flame);
  };
  p.save();
  tongue(radius, length, f.hot, f.outer, 180);
  tongue(radius * 0.55, length * 0.6, f.core, f.hot, 190);
  p.restore();
}

void nozzle(QPainter& p, const Nozzle& n, double weight) {
  fillOutlined(p, roundedRect(n.mouth, n.corner),
               downward(n.shadeTop, n.shadeBottom, pal::kConcrete, kGunmetal.base), weight);
}

}  // namespace art::skyforge
