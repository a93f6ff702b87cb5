#include "draw.h"

#include <algorithm>
#include <cmath>

namespace art {

QColor withAlpha(QColor c, int alpha) {
  c.setAlpha(std::clamp(alpha, 0, 255));
  return c;
}

QColor mix(const QColor& a, const QColor& b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto lerp = [t](double x, double y) { return x + (y - x) * t; };
  return QColor::fromRgbF(static_cast<float>(lerp(a.redF(), b.redF())),
                          static_cast<float>(lerp(a.greenF(), b.greenF())),
                          static_cast<float>(lerp(a.blueF(), b.blueF())),
                          static_cast<float>(lerp(a.alphaF(), b.alphaF())));
}

QLinearGradient gradient(QPointF from, QPointF to,
                         std::initializer_list<std::pair<double, QColor>> stops) {
  QLinearGradient g(from, to);
  for (const auto& [pos, color] : stops) g.setColorAt(pos, color);
  return g;
}

void fillOutlined(QPainter& p, const QPainterPath& path, const QBrush& fill, double width,
                  const QColor& ink) {
  p.save();
  p.setBrush(fill);
  if (width > 0) {
    p.setPen(QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  } else {
    p.setPen(Qt::NoPen);
  }
  p.drawPath(path);
  p.restore();
}

void drawStreak(QPainter& p, QPointF from, QPointF to, double width, const QColor& color) {
  const QPointF d = to - from;
  const double len = std::hypot(d.x(), d.y());
  if (len <= 0) return;
  const QPointF n(-d.y() / len * width / 2, d.x() / len * width / 2);
  QPainterPath streak;
  streak.moveTo(from + n);
  streak.quadTo(from + d * 0.5 + n * 0.6, to);
  streak.quadTo(from + d * 0.5 - n * 0.6, from - n);
  streak.closeSubpath();
  QLinearGradient g(from, to);
  g.setColorAt(0, color);
  g.setColorAt(1, withAlpha(color, 0));
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPath(streak);
  p.restore();
}

QPainterPath circle(QPointF c, double r) { return ellipse(c, r, r); }

QPainterPath ellipse(QPointF c, double rx, double ry) {
  QPainterPath path;
  path.addEllipse(c, rx, ry);
  return path;
}

QPainterPath rect(double x, double y, double w, double h) {
  QPainterPath path;
  path.addRect(QRectF(x, y, w, h));
  return path;
}

QPainterPath polygon(std::span<const QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points.begin(), points.end())));
  path.closeSubpath();
  return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
  return polygon(std::span<const QPointF>(points.begin(), points.size()));
}

QPainterPath curve(QPointF a, QPointF c, QPointF b) {
  QPainterPath path(a);
  path.quadTo(c, b);
  return path;
}

QPen ink(double width) {
  return QPen(pal::kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

const QPen& inkPen() {
  static const QPen pen = ink(kOutline);
  return pen;
}

const QPen& fineInk() {
  static const QPen pen = ink(kOutline * 0.6);
  return pen;
}

void fill(QPainter& p, const QPainterPath& path, const QBrush& brush) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(brush);
  p.drawPath(path);
  p.restore();
}

void stroke(QPainter& p, const QPainterPath& path, const QPen& pen) {
  p.save();
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.restore();
}

std::uint32_t Dice::next() {
  // xorshift32: tiny, fast and plenty for scattering decorations.
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

double Dice::uniform(double lo, double hi) { return lo + (hi - lo) * (next() / 4294967296.0); }

int Dice::below(int n) {
  return n > 0 ? static_cast<int>(next() % static_cast<std::uint32_t>(n)) : 0;
}

QPainterPath outline(QPointF from, std::span<const Segment> steps, bool closed) {
  QPainterPath path(from);
  for (const Segment& s : steps) {
    if (s.curved) {
      path.cubicTo(s.c1, s.c2, s.to);
    } else {
      path.lineTo(s.to);
    }
  }
  if (closed) path.closeSubpath();
  return path;
}

QPainterPath roundedRect(const QRectF& r, double radius) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  return path;
}

QPainterPath twinkle(QPointF c, double size) {
  QPainterPath star(c + QPointF(0, -size));
  star.quadTo(c, c + QPointF(size, 0));
  star.quadTo(c, c + QPointF(0, size));
  star.quadTo(c, c + QPointF(-size, 0));
  star.quadTo(c, c + QPointF(0, -size));
  return star;
}

QLinearGradient downward(double top, double bottom, const QColor& from, const QColor& to) {
  return gradient({0, top}, {0, bottom}, {{0.0, from}, {1.0, to}});
}

}  // namespace art
