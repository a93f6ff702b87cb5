#include "style.h"

#include <QPainter>
#include <QPen>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace art {

namespace {

// The car's own colours: its shadow on the road, the light across the
// paintwork and the glint on the glass.
constexpr QColor kCarShadow{10, 8, 20, 70};
constexpr QColor kSheen{255, 255, 255, 40}, kShade{0, 0, 0, 45};
constexpr QColor kShine{255, 255, 255, 150}, kGlint{255, 255, 255, 120};

// The verge: night grass with blades catching the light, and a steel
// barrier.
constexpr QColor kGrassNear{0x1a, 0x36, 0x2a}, kGrassFar{0x20, 0x40, 0x30};
constexpr QColor kBlade{0x5a, 0x90, 0x66};
constexpr QColor kSteelLit{0xd8, 0xde, 0xe6}, kSteelShade{0x6a, 0x72, 0x80};

// The left half of the car's body in unit coordinates (x across, y from
// nose to tail), from the centre of the nose round to the centre of the
// tail. The right half is its mirror image.
constexpr QPointF kNose{0.5, 0.0};
constexpr Bezier kFlank[] = {
    {{0.38, 0.0}, {0.30, 0.01}, {0.25, 0.04}},     // nose
    {{0.20, 0.07}, {0.15, 0.09}, {0.14, 0.13}},    // front wing
    {{0.12, 0.16}, {0.09, 0.17}, {0.09, 0.21}},    // into the front arch
    {{0.09, 0.25}, {0.09, 0.29}, {0.09, 0.32}},    // front arch
    {{0.09, 0.37}, {0.17, 0.37}, {0.17, 0.43}},    // pinch behind the wheel
    {{0.17, 0.48}, {0.17, 0.52}, {0.17, 0.56}},    // door
    {{0.17, 0.61}, {0.07, 0.61}, {0.07, 0.67}},    // rear arch
    {{0.07, 0.75}, {0.07, 0.90}, {0.15, 0.965}},   // haunch
    {{0.25, 0.985}, {0.40, 0.985}, {0.5, 0.985}},  // tail
};

}  // namespace

void drawCarTopDown(QPainter& p, const QRectF& rect, QColor body, QColor accent, double outline) {
  if (rect.isEmpty()) return;
  const double w = rect.width();
  const double h = rect.height();
  auto at = [&](double u, double v) { return QPointF(rect.left() + u * w, rect.top() + v * h); };
  auto box = [&](double u0, double v0, double u1, double v1) {
    return QRectF(at(u0, v0), at(u1, v1));
  };
  QTransform toRect;
  toRect.translate(rect.left(), rect.top());
  toRect.scale(w, h);
  const QPainterPath bodyPath = toRect.map(symmetricOutline(kNose, kFlank, 0.5));
  const double ow = outline;
  // Small cars drop the finer details, which would only blur together.
  const bool detailed = w >= 22;
  const QPen outlinePen = ink(ow);
  const QPen finePen = ink(ow * 0.6);

  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);

  // Soft shadow on the road, cast down and to the right.
  p.setPen(Qt::NoPen);
  p.setBrush(kCarShadow);
  p.drawPath(bodyPath.translated(w * 0.06, h * 0.035));

  // Tyres stand proud of the arches; the rear ones are wider.
  p.setPen(finePen);
  p.setBrush(pal::kTyre);
  const double tr = w * 0.04;
  p.drawRoundedRect(box(0.02, 0.185, 0.15, 0.325), tr, tr);
  p.drawRoundedRect(box(0.85, 0.185, 0.98, 0.325), tr, tr);
  p.drawRoundedRect(box(0.0, 0.635, 0.15, 0.83), tr, tr);
  p.drawRoundedRect(box(0.85, 0.635, 1.0, 0.83), tr, tr);

  // Body: rounded across its width, a touch brighter towards the nose.
  QLinearGradient across(at(0, 0), at(1, 0));
  across.setColorAt(0.0, body.darker(135));
  across.setColorAt(0.22, body);
  across.setColorAt(0.42, body.lighter(118));
  across.setColorAt(0.78, body);
  across.setColorAt(1.0, body.darker(150));
  p.setPen(Qt::NoPen);
  p.setBrush(across);
  p.drawPath(bodyPath);
  p.setBrush(
      gradient(at(0, 0), at(0, 1), {{0.0, kSheen}, {0.45, withAlpha(kSheen, 0)}, {1.0, kShade}}));
  p.drawPath(bodyPath);

  // Twin racing stripes, nose to tail.
  auto stripes = [&](const QPainterPath& clip) {
    p.save();
    p.setClipPath(clip, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawRect(box(0.385, 0, 0.455, 1));
    p.drawRect(box(0.545, 0, 0.615, 1));
    p.restore();
  };
  stripes(bodyPath);

  // The shine along the left flank.
  QPainterPath shine(at(0.2, 0.1));
  shine.cubicTo(at(0.15, 0.16), at(0.14, 0.24), at(0.145, 0.33));
  QPainterPath shineRear(at(0.13, 0.69));
  shineRear.cubicTo(at(0.115, 0.76), at(0.115, 0.84), at(0.16, 0.91));
  p.setPen(QPen(kShine, std::max(ow * 0.7, w * 0.03), Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(shine);
  p.drawPath(shineRear);

  if (detailed) {
    // Headlights and the air intake between them.
    p.setPen(finePen);
    p.setBrush(pal::kHeadlight);
    p.drawEllipse(box(0.25, 0.04, 0.36, 0.075));
    p.drawEllipse(box(0.64, 0.04, 0.75, 0.075));
    // Wing mirrors.
    p.setBrush(body);
    p.drawEllipse(box(0.08, 0.385, 0.2, 0.425));
    p.drawEllipse(box(0.8, 0.385, 0.92, 0.425));
  }

  // The body's ink line goes on after the paintwork so it stays crisp.
  p.setPen(outlinePen);
  p.setBrush(Qt::NoBrush);
  p.drawPath(bodyPath);

  // Canopy: a teardrop of dark glass, broad at the windscreen.
  QPainterPath canopy(at(0.5, 0.335));
  canopy.cubicTo(at(0.67, 0.335), at(0.76, 0.37), at(0.755, 0.45));
  canopy.cubicTo(at(0.75, 0.56), at(0.71, 0.66), at(0.64, 0.715));
  canopy.cubicTo(at(0.58, 0.73), at(0.42, 0.73), at(0.36, 0.715));
  canopy.cubicTo(at(0.29, 0.66), at(0.25, 0.56), at(0.245, 0.45));
  canopy.cubicTo(at(0.24, 0.37), at(0.33, 0.335), at(0.5, 0.335));
  canopy.closeSubpath();
  fillOutlined(p, canopy,
               gradient(at(0, 0.335), at(0, 0.73),
                        {{0.0, pal::kGlassSheen}, {0.4, pal::kGlass}, {1.0, pal::kGlass}}),
               ow);

  // The roof, its front edge bowed forward over the windscreen.
  QPainterPath roof(at(0.3, 0.5));
  roof.cubicTo(at(0.36, 0.465), at(0.64, 0.465), at(0.7, 0.5));
  roof.cubicTo(at(0.7, 0.56), at(0.68, 0.62), at(0.66, 0.66));
  roof.cubicTo(at(0.58, 0.675), at(0.42, 0.675), at(0.34, 0.66));
  roof.cubicTo(at(0.32, 0.62), at(0.3, 0.56), at(0.3, 0.5));
  roof.closeSubpath();
  fillOutlined(p, roof, across, 0);
  stripes(roof);
  p.setPen(finePen);
  p.setBrush(Qt::NoBrush);
  p.drawPath(roof);

  // A glint across the windscreen.
  QPainterPath glint(at(0.32, 0.44));
  glint.lineTo(at(0.44, 0.365));
  glint.lineTo(at(0.53, 0.365));
  glint.lineTo(at(0.38, 0.455));
  glint.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(kGlint);
  p.drawPath(glint);

  // Rear wing, on two short posts when there is room to show them.
  p.setPen(finePen);
  if (detailed) {
    p.setBrush(accent.darker(130));
    p.drawRect(box(0.3, 0.84, 0.36, 0.89));
    p.drawRect(box(0.64, 0.84, 0.7, 0.89));
  }
  QPainterPath wing;
  wing.addRoundedRect(box(0.04, 0.88, 0.96, 0.965), w * 0.04, w * 0.04);
  fillOutlined(
      p, wing,
      gradient(at(0, 0.88), at(0, 0.965), {{0.0, accent.lighter(125)}, {1.0, accent.darker(115)}}),
      ow);

  p.restore();
}

void drawVerge(QPainter& p, const QRectF& strip, bool roadOnLeft) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.fillRect(strip,
             gradient(strip.topLeft(), strip.topRight(), {{0.0, kGrassNear}, {1.0, kGrassFar}}));
  Dice dice(static_cast<std::uint32_t>(strip.left() * 31 + 5));
  p.setPen(Qt::NoPen);
  for (int i = 0; i < static_cast<int>(strip.width() * strip.height() / 12); ++i) {
    p.setBrush(withAlpha(kBlade, 50 + dice.below(70)));
    p.drawEllipse(QPointF(dice.uniform(strip.left(), strip.right()),
                          dice.uniform(strip.top(), strip.bottom())),
                  0.6, 1.2);
  }
  const double gap = std::min(4.0, strip.width() - 3);  // between kerb and barrier
  const double rail = roadOnLeft ? strip.left() + gap : strip.right() - gap - 2;
  if (gap >= 1) {
    p.fillRect(QRectF(rail, strip.top(), 2, strip.height()),
               gradient({rail, 0}, {rail + 2, 0}, {{0.0, kSteelLit}, {1.0, kSteelShade}}));
    p.setPen(QPen(withAlpha(pal::kInk, 200), 0.7));
    p.drawLine(QPointF(rail - 0.3, strip.top()), QPointF(rail - 0.3, strip.bottom()));
    p.drawLine(QPointF(rail + 2.3, strip.top()), QPointF(rail + 2.3, strip.bottom()));
  }
  p.restore();
}

}  // namespace art
