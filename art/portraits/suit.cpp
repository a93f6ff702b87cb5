#include "portraits/suit.h"

#include <QPen>
#include <cmath>
#include <numbers>

#include "draw.h"

namespace art::portrait {

QPainterPath torsoPath(double h) {
  QPainterPath torso(QPointF(-4, h + 4));
  torso.lineTo(-4, 112);
  torso.cubicTo(2, 100, 14, 93, 28, 90);
  torso.cubicTo(34, 89, 37, 87, 40, 85);
  torso.lineTo(63, 87);
  torso.cubicTo(67, 90, 76, 93, 86, 96);
  torso.cubicTo(96, 100, 101, 106, 104, 114);
  torso.lineTo(104, h + 4);
  torso.closeSubpath();
  return torso;
}

namespace {

constexpr PathStep kCollar[] = {
    moveTo(35, 82), cubicTo({42, 86}, {52, 89}, {60, 88}), lineTo(63, 87),
    lineTo(64, 93), cubicTo({54, 96}, {42, 94}, {33, 89}), closePath()};

// The shadow side: down the near side of the body, away from the light.
constexpr PathStep kShadowSide[] = {moveTo(-6, 92), lineTo(16, 92),
                                    cubicTo({12, 106}, {14, 120}, {20, 140}), lineTo(-6, 140),
                                    closePath()};

}  // namespace

QPainterPath collarPath() { return tracePath(kCollar); }

QPainterPath paintSuit(QPainter& p, double h, const Suit& s) {
  const QPainterPath torso = torsoPath(h);
  fill(p, torso, s.cloth);
  for (const Panel& panel : s.panels) fill(p, panel.shape.intersected(torso), panel.colour);
  for (const Flow& pipe : s.pipes) stroke(p, flowLine(pipe), QPen(s.piping, 1.4));
  fill(p, torso.intersected(tracePath(kShadowSide)), s.shadow);
  fill(p, torso.intersected(collarPath().translated(1, 3.5)), withAlpha(pal::kInk, 70));
  if (s.zip.isValid()) stroke(p, flowLine(s.zipLine), QPen(s.zip, 1.2));
  return torso;
}

void inkTorso(QPainter& p, const QPainterPath& torso) { stroke(p, torso, ink()); }

void paintCollar(QPainter& p, const QColor& colour, const QColor& trim, double trimWidth) {
  fillOutlined(p, collarPath(), colour, kOutline);
  stroke(p, curve({34, 85}, {48, 92}, {63, 90}), QPen(trim, trimWidth));
}

QPainterPath star(QPointF c, double r, double inner) {
  QPainterPath s;
  for (int i = 0; i < 10; ++i) {
    const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    const double rr = i % 2 ? r * inner : r;
    const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * rr;
    i == 0 ? s.moveTo(q) : s.lineTo(q);
  }
  s.closeSubpath();
  return s;
}

QPainterPath vantorChevron(QPainter& p, QPointF c, double s) {
  const double dir = p.worldTransform().m11() < 0 ? -1 : 1;
  QPainterPath v;
  for (double dx : {-0.45, 0.35}) {
    auto at = [&](double u, double v) { return c + QPointF(dir * u * s, v * s); };
    QPainterPath one(at(dx - 0.3, -0.5));
    one.lineTo(at(dx + 0.05, 0));
    one.lineTo(at(dx - 0.3, 0.5));
    one.lineTo(at(dx + 0.05, 0.5));
    one.lineTo(at(dx + 0.4, 0));
    one.lineTo(at(dx + 0.05, -0.5));
    one.closeSubpath();
    v.addPath(one);
  }
  return v;
}

}  // namespace art::portrait
