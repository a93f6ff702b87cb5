// The parts every car sprite is built from: the design grid, a body outline
// drawn from its left half, paint that rounds over the body, tyres, glass,
// lights in pairs and painted race numbers.
//
// Every sprite is 24 x 34 native pixels but the game shows it about two and a
// half times larger, so each one is drawn on a 60 x 85 grid (the size it is
// shown at) and scaled down. That keeps the ink lines at the house weight on
// screen.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <initializer_list>
#include <span>

#include "draw.h"

namespace art::car {

// The design grid: 60 x 85 units map onto the 24 x 34 native pixels.
inline constexpr double kGrid = 2.5;
inline constexpr double kMid = 30;  // the car's centre line on the grid

// Runs `draw` on the 60 x 85 design grid.
template <typename Draw>
void onDesignGrid(QPainter& p, Draw draw) {
  onGrid(p, kGrid, draw);
}

// A body outline symmetric about the centre line, from its left half: curves
// that run from the middle of the nose round to the middle of the tail.
QPainterPath body(QPointF nose, std::span<const Bezier> leftHalf);

// A closed outline of curves from `start` that ends where it began.
QPainterPath loop(QPointF start, std::span<const Bezier> pieces);

// The same rectangle on the other side of the centre line.
QRectF mirrored(const QRectF& r);

// Paint that rounds over the body: dark flanks, a bright crown left of centre.
QLinearGradient paintwork(const QColor& paint, double left, double right);

// Sunlight from the top of the screen: a touch brighter at the nose.
void topLight(QPainter& p, const QPainterPath& body, double top, double bottom);

// The car's shadow on the road, down and to the right.
void dropShadow(QPainter& p, const QPainterPath& body);

// A tyre, turned by `angle` degrees about its centre.
void tyre(QPainter& p, const QRectF& r, double angle = 0);
// A tyre at each rectangle and at its mirror on the other side.
void tyrePairs(QPainter& p, std::initializer_list<QRectF> left);

// Tinted glass with a sheen at its leading edge and a diagonal glint.
void glass(QPainter& p, const QPainterPath& shape, double top, double bottom, bool glint = true);

// A rounded rectangle and its mirror, in the painter's pen and brush.
void roundedPair(QPainter& p, const QRectF& left, double radius);
// An oval and its mirror, in the painter's pen and brush.
void ovalPair(QPainter& p, const QRectF& left);

// Runs `draw` clipped to the body with no pen: for paint and decals.
template <typename Draw>
void onBody(QPainter& p, const QPainterPath& body, Draw draw) {
  p.save();
  p.setClipPath(body, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  draw();
  p.restore();
}

// A wing across the car, shaded from `top` colour to `bottom`, inked.
void wing(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom);

// A race number (1, 4 or 7) painted as strokes, `h` tall, centred on `centre`.
void paintNumber(QPainter& p, int digit, const QPointF& centre, double h, const QColor& color);

}  // namespace art::car
