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

}  // namespace art

// --- Outlines, stripes and tints shared by the cars, roads and dashboards ---

namespace art {

// One cubic piece of an outline: its two control points and where it ends.
struct Bezier {
  QPointF c1, c2, end;
};

// A closed outline symmetric about the upright line x = `axis`, built from
// its left half: pieces that run from `start`, on the axis, round to the
// axis again.
QPainterPath symmetricOutline(QPointF start, std::span<const Bezier> half, double axis);

// An open line through the points, in order (a closed one is `polygon`).
QPainterPath polyline(std::span<const QPointF> points);
QPainterPath polyline(std::initializer_list<QPointF> points);

// A rectangle with rounded corners, as a path.
QPainterPath roundedRect(const QRectF& r, double radius);

// Black and white at the given alpha (0..255): shadows and highlights.
QColor shadowTint(int alpha);
QColor lightTint(int alpha);

// A soft upright stripe from y = 0 down to `height`, centred on `x` and
// `half` wide each side: clear at its edges and `peak` in the middle. For
// wheel tracks, puddle sheen and light spilling along a road.
void softStripe(QPainter& p, double x, double half, double height, const QColor& peak);

// A faint carbon weave over `area`, from its top-left corner: 4 x 4 cells of
// two strands, one a whisper of white, the other black at `darkAlpha`.
void carbonWeave(QPainter& p, const QRectF& area, int darkAlpha);

// Runs `draw` with antialiasing on, and puts the painter back as it was.
template <typename Draw>
void antialiased(QPainter& p, Draw draw) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  draw();
  p.restore();
}

}  // namespace art

// Outlines kept as tables, so a silhouette reads as data, and a few more
// everyday shapes.
namespace art {

// One step of an outline: `moveTo` starts a figure, `lineTo`, `quadTo` and
// `cubicTo` carry it on, `ovalIn` adds an ellipse inside the box between two
// corners, `closePath` shuts the figure.
struct PathStep {
  enum Kind : std::uint8_t { kMove, kLine, kQuad, kCubic, kOval, kClose };
  Kind kind = kMove;
  QPointF a{}, b{}, c{};
};
constexpr PathStep moveTo(double x, double y) { return {PathStep::kMove, {x, y}}; }
constexpr PathStep lineTo(double x, double y) { return {PathStep::kLine, {x, y}}; }
constexpr PathStep lineTo(QPointF to) { return {PathStep::kLine, to}; }
constexpr PathStep quadTo(double cx, double cy, double x, double y) {
  return {PathStep::kQuad, {cx, cy}, {x, y}};
}
constexpr PathStep cubicTo(double x1, double y1, double x2, double y2, double x, double y) {
  return {PathStep::kCubic, {x1, y1}, {x2, y2}, {x, y}};
}
constexpr PathStep ovalIn(double x0, double y0, double x1, double y1) {
  return {PathStep::kOval, {x0, y0}, {x1, y1}};
}
constexpr PathStep quadTo(QPointF c, QPointF to) { return {PathStep::kQuad, c, to}; }
constexpr PathStep cubicTo(QPointF c1, QPointF c2, QPointF to) {
  return {PathStep::kCubic, c1, c2, to};
}
constexpr PathStep closePath() { return {PathStep::kClose}; }

// The outline the steps trace, in the painter's units.
QPainterPath tracePath(std::span<const PathStep> steps);
QPainterPath tracePath(std::initializer_list<PathStep> steps);
// The same with the steps' unit square stretched to `size` round `centre`:
// (0, 0) is its top-left corner, (1, 1) its bottom-right. For marks drawn
// to a design, such as race numbers.
QPainterPath tracePath(std::span<const PathStep> steps, QPointF centre, QSizeF size);
// Carries `path` on with more steps.
void extendPath(QPainterPath& path, std::span<const PathStep> steps);
// The outline from `from` through `steps`, closed back to `from` unless
// `closed` is false.
QPainterPath outline(QPointF from, std::span<const PathStep> steps, bool closed = true);

// A two-colour gradient straight down, from `top` to `bottom`.
QLinearGradient downward(double top, double bottom, const QColor& from, const QColor& to);

// A straight stroke from `a` to `b`, and a cubic one pulled towards `c1`
// and then `c2`.
QPainterPath segment(QPointF a, QPointF b);
QPainterPath cubic(QPointF a, QPointF c1, QPointF c2, QPointF b);

// A four-pointed twinkle of light round `c`, its points `s` from the middle.
QPainterPath fourPointStar(QPointF c, double s);

// The house sunset from night at `from` to gold at `to`; violet, magenta and
// orange stand at the given positions between them (0 to 1).
QLinearGradient sunsetSky(QPointF from, QPointF to, double violet, double magenta, double orange);

// Tinted glass from its sheen at `from` through the glass colour at `mid`
// (0 to 1) to `deep` at `to`.
QLinearGradient glassGradient(QPointF from, QPointF to, double mid,
                              const QColor& deep = pal::kGlass);

// Runs `draw` with the painter clipped to `path`, as well as to any clip it
// already has.
template <typename Draw>
void clipped(QPainter& p, const QPainterPath& path, Draw draw) {
  p.save();
  p.setClipPath(path, Qt::IntersectClip);
  draw();
  p.restore();
}

}  // namespace art
