#include "portraits/hair.h"

#include <QPen>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "draw.h"

namespace art::portrait {

QPainterPath outline(std::span<const Node> n) {
  const int count = static_cast<int>(n.size());
  auto pt = [&](int i) {
    const Node& k = n[((i % count) + count) % count];
    return QPointF(k.x, k.y);
  };
  auto mid = [&](int i) { return (pt(i) + pt(i + 1)) / 2; };
  auto bowed = [](QPointF a, QPointF b, double bend) {
    const QPointF d = b - a;
    return (a + b) / 2 + QPointF(d.y(), -d.x()) * bend;
  };
  QPainterPath path(mid(count - 1));
  for (int i = 0; i < count; ++i) {
    if (n[i].sharp) {
      path.quadTo(bowed(mid(i - 1), pt(i), n[i].bend), pt(i));
      path.quadTo(bowed(pt(i), mid(i), n[i].bend), mid(i));
    } else {
      path.quadTo(pt(i), mid(i));
    }
  }
  path.closeSubpath();
  return path;
}

QPainterPath lock(QPointF a, QPointF b, QPointF tip, double bend) {
  const QPointF ma = (a + tip) / 2, mb = (b + tip) / 2;
  const QPointF d = tip - (a + b) / 2;
  const double len = std::hypot(d.x(), d.y());
  const QPointF n = len > 0 ? QPointF(-d.y() / len, d.x() / len) * bend : QPointF();
  QPainterPath path(a);
  path.quadTo(ma + n, tip);
  path.quadTo(mb + n * 0.6, b);
  path.closeSubpath();
  return path;
}

QPainterPath above(std::span<const QPointF> hairline) {
  QPainterPath region;
  region.moveTo(hairline.front().x(), -10);
  for (const QPointF& q : hairline) region.lineTo(q);
  region.lineTo(hairline.back().x(), -10);
  region.closeSubpath();
  return region;
}

QPainterPath flowLine(const Flow& f) { return curve(f.a, f.c, f.b); }

namespace {

QPointF onCurve(const Flow& f, double t) {
  return f.a * (1 - t) * (1 - t) + f.c * 2 * t * (1 - t) + f.b * t * t;
}

// The band of sheen across the crown, anime fashion: a smooth upper edge
// along the flow and a saw-toothed lower edge.
QPainterPath sheenBand(const Flow& f, double width, int teeth) {
  QPainterPath band;
  const int steps = teeth * 2;
  std::vector<QPointF> upper, lower;
  for (int i = 0; i <= steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    const QPointF q = onCurve(f, t);
    const QPointF d = onCurve(f, std::min(1.0, t + 0.01)) - onCurve(f, std::max(0.0, t - 0.01));
    const double len = std::hypot(d.x(), d.y());
    const QPointF n = len > 0 ? QPointF(-d.y() / len, d.x() / len) : QPointF(0, 1);
    const double taper = std::sin(t * std::numbers::pi);
    upper.push_back(q - n * width * 0.5 * taper);
    lower.push_back(q + n * width * (i % 2 ? 1.3 : 0.2) * taper);
  }
  band.moveTo(upper.front());
  for (const QPointF& q : upper) band.lineTo(q);
  for (auto it = lower.rbegin(); it != lower.rend(); ++it) band.lineTo(*it);
  band.closeSubpath();
  return band;
}

void fillLit(QPainter& p, const QPainterPath& shape, const HairTone& t) {
  const QRectF box = shape.boundingRect();
  fill(p, shape,
       gradient(box.topLeft(), box.bottomLeft(),
                {{0.0, t.base.lighter(110)}, {0.6, t.base}, {1.0, t.dark}}));
}

void paintSheens(QPainter& p, const HairTone& t, std::span<const Flow> sheens) {
  for (const Flow& s : sheens) fill(p, sheenBand(s, 2.6, 6), withAlpha(t.light, 210));
}

}  // namespace

void paintHair(QPainter& p, const QPainterPath& shape, const HairTone& t,
               std::span<const Flow> sheens, std::span<const Flow> strands) {
  fillLit(p, shape, t);
  p.save();
  p.setClipPath(shape, Qt::IntersectClip);
  for (const Flow& s : strands) {
    stroke(p, flowLine(s), QPen(withAlpha(t.dark, 200), 0.9, Qt::SolidLine, Qt::RoundCap));
  }
  paintSheens(p, t, sheens);
  p.restore();
  stroke(p, shape, ink());
}

QPainterPath paintLocks(QPainter& p, const QPainterPath& base, std::span<const QPainterPath> locks,
                        const HairTone& t, std::span<const Flow> sheens, double partY) {
  QPainterPath all = base;
  for (const QPainterPath& l : locks) all = all.united(l);
  fillLit(p, all, t);
  p.save();
  p.setClipPath(all, Qt::IntersectClip);
  paintSheens(p, t, sheens);
  p.setClipRect(QRectF(-10, partY, 120, 140), Qt::IntersectClip);
  for (const QPainterPath& l : locks) {
    fill(p, l.translated(-1.2, 0.6).subtracted(l), withAlpha(t.dark, 150));
    stroke(p, l, QPen(pal::kInk, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
  p.restore();
  stroke(p, all, ink());
  return all;
}

}  // namespace art::portrait
