// Hair for the character cards: masses and locks outlined from tables of
// nodes, filled lit from the top with anime bands of sheen and a few strand
// lines along the flow.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <span>

namespace art::portrait {

// A point on a closed outline: smooth points round the corner off, sharp ones
// come to a tip the way a lock of hair ends. `bend` bows the two sides of a
// tip outwards (positive) or inwards (negative).
struct Node {
  double x, y;
  bool sharp = false;
  double bend = 0.1;
};

// A sharp node: the tip of a lock, its sides bowed by `bend`.
constexpr Node tip(double x, double y, double bend = 0.1) { return {x, y, true, bend}; }

// The closed outline through the nodes, in order.
QPainterPath outline(std::span<const Node> nodes);

// A lock of hair: a pointed blade from a root edge (a, b) out to `tip`,
// bowed by `bend` (positive bows to the left of the direction of travel).
QPainterPath lock(QPointF a, QPointF b, QPointF tip, double bend);

// The region above a hairline that runs across the face from back to front.
QPainterPath above(std::span<const QPointF> hairline);

struct HairTone {
  QColor base;
  QColor dark;   // the underside and the strand lines
  QColor light;  // the sheen
};

// A line along the hair's flow: from `a`, bowed towards `c`, to `b`. Strand
// lines are drawn along flows, and so are the bands of sheen.
struct Flow {
  QPointF a, c, b;
};

QPainterPath flowLine(const Flow& f);

// Fills a mass of hair: lit from the top, darker underneath, with bands of
// sheen and a few strand lines that follow the flow.
void paintHair(QPainter& p, const QPainterPath& shape, const HairTone& t,
               std::span<const Flow> sheens = {}, std::span<const Flow> strands = {});

// Hair in separate locks that overlap front over back: one fill for them
// all, a fine ink line between locks and the full outline round the whole.
// The lines between locks start below `partY`, where the locks separate.
// Returns the whole of the hair.
QPainterPath paintLocks(QPainter& p, const QPainterPath& base, std::span<const QPainterPath> locks,
                        const HairTone& t, std::span<const Flow> sheens = {}, double partY = 14);

}  // namespace art::portrait
