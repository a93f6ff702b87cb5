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

}  // namespace art

// --- Outlines, stripes and tints shared by the cars, roads and dashboards ---

namespace art {

QPainterPath symmetricOutline(QPointF start, std::span<const Bezier> half, double axis) {
  auto mirrored = [axis](QPointF q) { return QPointF(2 * axis - q.x(), q.y()); };
  QPainterPath path(start);
  for (const Bezier& b : half) path.cubicTo(b.c1, b.c2, b.end);
  for (int i = static_cast<int>(half.size()) - 1; i >= 0; --i) {
    const QPointF from = i > 0 ? half[i - 1].end : start;
    path.cubicTo(mirrored(half[i].c2), mirrored(half[i].c1), mirrored(from));
  }
  path.closeSubpath();
  return path;
}

QPainterPath polyline(std::span<const QPointF> points) {
  QPainterPath path;
  if (points.empty()) return path;
  path.moveTo(points.front());
  for (const QPointF& q : points.subspan(1)) path.lineTo(q);
  return path;
}

QPainterPath polyline(std::initializer_list<QPointF> points) {
  return polyline(std::span<const QPointF>(points.begin(), points.size()));
}

QPainterPath roundedRect(const QRectF& r, double radius) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  return path;
}

QColor shadowTint(int alpha) { return QColor(0, 0, 0, std::clamp(alpha, 0, 255)); }

QColor lightTint(int alpha) { return QColor(255, 255, 255, std::clamp(alpha, 0, 255)); }

void softStripe(QPainter& p, double x, double half, double height, const QColor& peak) {
  p.fillRect(QRectF(x - half, 0, 2 * half, height),
             gradient({x - half, 0}, {x + half, 0},
                      {{0.0, withAlpha(peak, 0)}, {0.5, peak}, {1.0, withAlpha(peak, 0)}}));
}

void carbonWeave(QPainter& p, const QRectF& area, int darkAlpha) {
  const QColor light = lightTint(5);
  const QColor dark = shadowTint(darkAlpha);
  p.setPen(Qt::NoPen);
  for (double y = area.top(); y < area.bottom(); y += 4) {
    for (double x = area.left(); x < area.right(); x += 4) {
      const bool odd = static_cast<int>((x - area.left()) / 4 + (y - area.top()) / 4) % 2;
      p.fillRect(QRectF(x, y, 4, 2), odd ? light : dark);
      p.fillRect(QRectF(x, y + 2, 4, 2), odd ? dark : light);
    }
  }
}

}  // namespace art

namespace art {
namespace {

// Traces the steps with each table point passed through `at`.
template <typename At>
void traceSteps(QPainterPath& path, std::span<const PathStep> steps, At at) {
  for (const PathStep& s : steps) {
    switch (s.kind) {
      case PathStep::kMove:
        path.moveTo(at(s.a));
        break;
      case PathStep::kLine:
        path.lineTo(at(s.a));
        break;
      case PathStep::kQuad:
        path.quadTo(at(s.a), at(s.b));
        break;
      case PathStep::kCubic:
        path.cubicTo(at(s.a), at(s.b), at(s.c));
        break;
      case PathStep::kOval:
        path.addEllipse(QRectF(at(s.a), at(s.b)));
        break;
      case PathStep::kClose:
        path.closeSubpath();
        break;
    }
  }
}

}  // namespace

QPainterPath tracePath(std::span<const PathStep> steps) {
  QPainterPath path;
  extendPath(path, steps);
  return path;
}

QPainterPath tracePath(std::initializer_list<PathStep> steps) {
  return tracePath(std::span<const PathStep>(steps.begin(), steps.size()));
}

QPainterPath tracePath(std::span<const PathStep> steps, QPointF centre, QSizeF size) {
  QPainterPath path;
  traceSteps(path, steps, [&](QPointF q) {
    return QPointF(centre.x() + (q.x() - 0.5) * size.width(),
                   centre.y() + (q.y() - 0.5) * size.height());
  });
  return path;
}

void extendPath(QPainterPath& path, std::span<const PathStep> steps) {
  traceSteps(path, steps, [](QPointF q) { return q; });
}

QPainterPath outline(QPointF from, std::span<const PathStep> steps, bool closed) {
  QPainterPath path(from);
  extendPath(path, steps);
  if (closed) path.closeSubpath();
  return path;
}

QLinearGradient downward(double top, double bottom, const QColor& from, const QColor& to) {
  return gradient({0, top}, {0, bottom}, {{0.0, from}, {1.0, to}});
}

QPainterPath segment(QPointF a, QPointF b) {
  QPainterPath path(a);
  path.lineTo(b);
  return path;
}

QPainterPath cubic(QPointF a, QPointF c1, QPointF c2, QPointF b) {
  QPainterPath path(a);
  path.cubicTo(c1, c2, b);
  return path;
}

QPainterPath fourPointStar(QPointF c, double s) {
  QPainterPath star(c + QPointF(0, -s));
  star.quadTo(c, c + QPointF(s, 0));
  star.quadTo(c, c + QPointF(0, s));
  star.quadTo(c, c + QPointF(-s, 0));
  star.quadTo(c, c + QPointF(0, -s));
  return star;
}

QLinearGradient sunsetSky(QPointF from, QPointF to, double violet, double magenta, double orange) {
  return gradient(from, to,
                  {{0.0, pal::kSkyNight},
                   {violet, pal::kSkyViolet},
                   {magenta, pal::kSkyMagenta},
                   {orange, pal::kSkyOrange},
                   {1.0, pal::kSkyGold}});
}

QLinearGradient glassGradient(QPointF from, QPointF to, double mid, const QColor& deep) {
  return gradient(from, to, {{0.0, pal::kGlassSheen}, {mid, pal::kGlass}, {1.0, deep}});
}

}  // namespace art
