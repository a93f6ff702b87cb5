// The racing suit under every bust: head-and-shoulders, the body turned a
// little with the head so the near shoulder on the left is the broader one.
// A character's suit is its cloth, the panels of other colours sewn on it,
// the piping along their edges and the zip; then whatever they wear on it.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <span>
#include <vector>

#include "portraits/hair.h"

namespace art::portrait {

// A panel of another colour sewn on the cloth, cut to the body's outline.
struct Panel {
  QPainterPath shape;
  QColor colour;
};

struct Suit {
  QColor cloth;
  QColor shadow;  // down the side away from the light, and under the collar
  std::vector<Panel> panels;
  QColor piping{};
  std::span<const Flow> pipes{};                 // lines of piping, in `piping`
  QColor zip{};                                  // none when invalid
  Flow zipLine{{62, 93}, {63, 112}, {65, 134}};  // down the middle of the chest
};

// The body of a card `h` tall, down to below the card's foot.
QPainterPath torsoPath(double h);

// Paints the suit's body; returns the body's outline, to be inked with
// `inkTorso` once whatever is worn on the suit is drawn.
QPainterPath paintSuit(QPainter& p, double h, const Suit& s);
void inkTorso(QPainter& p, const QPainterPath& torso);

// The racing suit's stand-up collar, open at the front.
QPainterPath collarPath();

// A plain collar in `colour` with a line of `trim` round it, `trimWidth`
// thick.
void paintCollar(QPainter& p, const QColor& colour, const QColor& trim, double trimWidth);

// A five-pointed star.
QPainterPath star(QPointF c, double r, double inner = 0.45);

// The Vantor team's chevron: a swept double arrow, always pointing right on
// screen, even on a mirrored card.
QPainterPath vantorChevron(QPainter& p, QPointF c, double s);

}  // namespace art::portrait
