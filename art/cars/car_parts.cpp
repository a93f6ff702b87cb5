#include "cars/car_parts.h"

#include <QPen>
#include <algorithm>
#include <array>
#include <iterator>
#include <vector>

namespace art::car {
namespace {

const QColor kShadow{10, 8, 20, 70};
const QColor kGlint = lightTint(110);
const QColor kTread = lightTint(38);

// The race numbers, as strokes across a unit box (x right, y down).
constexpr QPointF kOne[] = {{0.25, 0.2}, {0.6, 0.0}, {0.6, 1.0}};
constexpr QPointF kFour[] = {{0.7, 1.0}, {0.7, 0.0}, {0.0, 0.66}, {1.0, 0.66}};
constexpr QPointF kSeven[] = {{0.0, 0.0}, {1.0, 0.0}, {0.35, 1.0}};

// The glint across a pane, as fractions of its bounding box.
constexpr QPointF kShine[] = {{0.18, 0.42}, {0.42, 0.1}, {0.56, 0.1}, {0.28, 0.48}};

}  // namespace

QPainterPath body(QPointF nose, std::span<const Bezier> leftHalf) {
  return symmetricOutline(nose, leftHalf, kMid);
}

QPainterPath loop(QPointF start, std::span<const Bezier> pieces) {
  QPainterPath path(start);
  for (const Bezier& b : pieces) path.cubicTo(b.c1, b.c2, b.end);
  return path;
}

QRectF mirrored(const QRectF& r) { return {2 * kMid - r.right(), r.top(), r.width(), r.height()}; }

QLinearGradient paintwork(const QColor& paint, double left, double right) {
  return gradient({left, 0}, {right, 0},
                  {{0.0, paint.darker(140)},
                   {0.2, paint},
                   {0.42, paint.lighter(118)},
                   {0.78, paint},
                   {1.0, paint.darker(155)}});
}

void topLight(QPainter& p, const QPainterPath& body, double top, double bottom) {
  fill(p, body,
       gradient({0, top}, {0, bottom},
                {{0.0, lightTint(40)}, {0.45, lightTint(0)}, {1.0, shadowTint(45)}}));
}

void dropShadow(QPainter& p, const QPainterPath& body) {
  fill(p, body.translated(2.4, 2.2), kShadow);
}

void tyre(QPainter& p, const QRectF& r, double angle) {
  p.save();
  p.translate(r.center());
  p.rotate(angle);
  p.setPen(fineInk());
  p.setBrush(pal::kTyre);
  const QRectF local(-r.width() / 2, -r.height() / 2, r.width(), r.height());
  p.drawRoundedRect(local, 1.6, 1.6);
  // Tread blocks catching the light.
  p.setPen(QPen(kTread, 0.8));
  for (double y = local.top() + 2.5; y < local.bottom() - 1.5; y += 2.6) {
    p.drawLine(QPointF(local.left() + 1.2, y), QPointF(local.right() - 1.2, y));
  }
  p.restore();
}

void tyrePairs(QPainter& p, std::initializer_list<QRectF> left) {
  for (const QRectF& r : left) {
    tyre(p, r);
    tyre(p, mirrored(r));
  }
}

void glass(QPainter& p, const QPainterPath& shape, double top, double bottom, bool glint) {
  fillOutlined(p, shape,
               gradient({0, top}, {0, bottom},
                        {{0.0, pal::kGlassSheen}, {0.45, pal::kGlass}, {1.0, pal::kGlass}}),
               kOutline * 0.8);
  if (!glint) return;
  const QRectF b = shape.boundingRect();
  std::array<QPointF, std::size(kShine)> corners;
  std::transform(std::begin(kShine), std::end(kShine), corners.begin(), [&](QPointF f) {
    return QPointF(b.left() + b.width() * f.x(), b.top() + b.height() * f.y());
  });
  const QPainterPath shine = polygon(corners);
  p.save();
  p.setClipPath(shape, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  p.setBrush(kGlint);
  p.drawPath(shine);
  p.restore();
}

void roundedPair(QPainter& p, const QRectF& left, double radius) {
  p.drawRoundedRect(left, radius, radius);
  p.drawRoundedRect(mirrored(left), radius, radius);
}

void ovalPair(QPainter& p, const QRectF& left) {
  p.drawEllipse(left);
  p.drawEllipse(mirrored(left));
}

void wing(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
  fillOutlined(p, roundedRect(r, 2),
               gradient({0, r.top()}, {0, r.bottom()}, {{0, top}, {1, bottom}}), kOutline);
}

void paintNumber(QPainter& p, int digit, const QPointF& centre, double h, const QColor& color) {
  const double w = h * 0.62;
  const std::span<const QPointF> strokes = digit == 4   ? std::span<const QPointF>(kFour)
                                           : digit == 7 ? std::span<const QPointF>(kSeven)
                                                        : std::span<const QPointF>(kOne);
  std::vector<QPointF> points;
  for (const QPointF& uv : strokes) {
    points.emplace_back(centre.x() + (uv.x() - 0.5) * w, centre.y() + (uv.y() - 0.5) * h);
  }
  const QPainterPath path = polyline(points);
  p.save();
  p.setPen(QPen(color, h * 0.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.restore();
}

}  // namespace art::car
