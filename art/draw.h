// Driftwing's drawing primitives and house palette: every picture is built
// from these.
//
// The look is a clean arcade illustration: flat colours with gentle gradients,
// dark ink outlines about 1.75 native pixels thick, a short palette of asphalt
// greys, a sunset sky, teal and white road paint and saturated car colours.
#pragma once

#include <QBrush>
#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <utility>

namespace art {

namespace pal {
// Ink for outlines: a very dark blue-violet reads softer than pure black.
inline const QColor kInk{0x1c, 0x17, 0x30};

// Asphalt, from the darkest shadow to sun-bleached tarmac.
inline const QColor kAsphaltDeep{0x1f, 0x21, 0x2c};
inline const QColor kAsphaltDark{0x2c, 0x2f, 0x3c};
inline const QColor kAsphalt{0x3b, 0x3f, 0x50};
inline const QColor kAsphaltLight{0x58, 0x5d, 0x72};
inline const QColor kConcrete{0x9a, 0x9e, 0xae};

// Sunset sky, top to horizon.
inline const QColor kSkyNight{0x21, 0x14, 0x4d};
inline const QColor kSkyViolet{0x55, 0x24, 0x85};
inline const QColor kSkyMagenta{0xc8, 0x3c, 0x8c};
inline const QColor kSkyOrange{0xff, 0x7e, 0x45};
inline const QColor kSkyGold{0xff, 0xc4, 0x5e};
inline const QColor kSunCore{0xff, 0xe8, 0x8a};

// Road paint.
inline const QColor kTeal{0x21, 0xc9, 0xbe};
inline const QColor kTealDark{0x12, 0x86, 0x86};
inline const QColor kWhite{0xf6, 0xf5, 0xf0};
inline const QColor kKerbRed{0xe8, 0x3f, 0x4f};

// Glass and lights on cars.
inline const QColor kGlass{0x1e, 0x29, 0x47};
inline const QColor kGlassSheen{0x5d, 0x86, 0xc4};
inline const QColor kHeadlight{0xff, 0xf4, 0xb8};
inline const QColor kTailLight{0xff, 0x3a, 0x4a};
inline const QColor kTyre{0x22, 0x22, 0x2a};

// Car liveries.
inline const QColor kCarRed{0xef, 0x3b, 0x4a};
inline const QColor kCarBlue{0x2f, 0x7d, 0xff};
inline const QColor kCarYellow{0xff, 0xc2, 0x1a};
inline const QColor kCarGreen{0x36, 0xcf, 0x78};
inline const QColor kCarPurple{0x9b, 0x4d, 0xff};

// Paper for calm, readable panels.
inline const QColor kPaper{0xfb, 0xf8, 0xf1};
inline const QColor kPaperShade{0xf1, 0xec, 0xe1};
}  // namespace pal

// The standard outline weight, in native pixels.
inline constexpr double kOutline = 1.75;

// `c` with its alpha replaced by `alpha` (0..255).
QColor withAlpha(QColor c, int alpha);

// Linear blend from `a` (t = 0) to `b` (t = 1).
QColor mix(const QColor& a, const QColor& b, double t);

// A gradient from (x0, y0) to (x1, y1) with the given (position, colour) stops.
QLinearGradient gradient(QPointF from, QPointF to,
                         std::initializer_list<std::pair<double, QColor>> stops);

// Fills `path` with `fill` and strokes it in ink with round joins.
void fillOutlined(QPainter& p, const QPainterPath& path, const QBrush& fill,
                  double width = kOutline, const QColor& ink = pal::kInk);

// A tapered streak from `from` to `to`: `width` thick at `from`, a point at
// `to`. Used for speed lines and light trails.
void drawStreak(QPainter& p, QPointF from, QPointF to, double width, const QColor& color);

// Shapes as paths.
QPainterPath circle(QPointF c, double r);
QPainterPath ellipse(QPointF c, double rx, double ry);
QPainterPath rect(double x, double y, double w, double h);
// A closed outline through the points, in order.
QPainterPath polygon(std::initializer_list<QPointF> points);
QPainterPath polygon(std::span<const QPointF> points);
// A quadratic stroke from `a` to `b`, bowed towards `c`.
QPainterPath curve(QPointF a, QPointF c, QPointF b);

// Ink pens with round caps and joins: the standard weight, a finer one for
// small details, and any other width.
QPen ink(double width = kOutline);
const QPen& inkPen();
const QPen& fineInk();

// Fills `path` with no outline, or strokes it with no fill.
void fill(QPainter& p, const QPainterPath& path, const QBrush& brush);
void stroke(QPainter& p, const QPainterPath& path, const QPen& pen = inkPen());

// Runs `draw` with antialiasing on a grid `grid` times finer than the
// picture's pixels: small sprites are drawn large and scaled down, so their
// ink keeps its weight on screen.
template <typename Draw>
void onGrid(QPainter& p, double grid, Draw draw) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.scale(1.0 / grid, 1.0 / grid);
  draw();
  p.restore();
}

// A small deterministic random source so decorations (stars, windows, grit)
// come out the same on every run and at every scale.
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
  std::uint32_t next();
  double uniform(double lo, double hi);  // in [lo, hi)
  int below(int n);                      // in [0, n)

 private:
  std::uint32_t state_;
};

// --- Outlines as point tables, and a few more shapes ---

// One step along an outline: a straight line to `to`, or a cubic curve to
// `to` pulled towards the controls `c1` and `c2`. Tables of steps hold the
// big silhouettes.
struct Segment {
  QPointF c1, c2, to;
  bool curved = false;
};
constexpr Segment lineTo(QPointF to) { return {to, to, to, false}; }
constexpr Segment cubicTo(QPointF c1, QPointF c2, QPointF to) { return {c1, c2, to, true}; }

// The outline from `from` through `steps`, closed back to `from` unless
// `closed` is false.
QPainterPath outline(QPointF from, std::span<const Segment> steps, bool closed = true);

// A rectangle with corners rounded to `radius`.
QPainterPath roundedRect(const QRectF& r, double radius);

// A four-pointed twinkle of a star, `size` from its centre to each point.
QPainterPath twinkle(QPointF c, double size);

// A two-colour gradient straight down, from `top` to `bottom`.
QLinearGradient downward(double top, double bottom, const QColor& from, const QColor& to);

}  // namespace art
