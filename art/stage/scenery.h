// The scenery column left of the road in each stage's window, seen from
// above, and the pieces the venues share: trees, and the verge strip that
// meets the kerb.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

#include "draw.h"

namespace art::stages {

// A tree crown seen from above: a lumpy disc, lit from the top left.
void treeCrown(QPainter& p, QPointF c, double r, const QColor& leaf, Dice& dice, double ink = 1.2);

// A conifer seen from above: a star of needles in two layers.
void pineCrown(QPainter& p, QPointF c, double r, const QColor& leaf, double ink = 1.0);

// The last strip before the road, `width` wide: grass, sand or paving
// meeting the kerb.
void verge(QPainter& p, const QColor& fill, double width);

// Specks of grit `radius` across, `count` of them, scattered over [x0, x1]
// down the column; each is `colour` at an alpha from `alpha` up to
// `alpha + spread`.
void grit(QPainter& p, Dice& dice, int count, double x0, double x1, double radius,
          const QColor& colour, int alpha, int spread);

void sceneryCountryside(QPainter& p);
void scenerySunsetCoast(QPainter& p);
void sceneryCity(QPainter& p);
void sceneryMountain(QPainter& p);
void sceneryStadium(QPainter& p);

}  // namespace art::stages
