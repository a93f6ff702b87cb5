// The small badges on the network race's name plates and readouts: the car
// a player drives on this screen, and the "YOU" tag on this player's name.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

namespace art::netrace {

// A top-down car no taller than `h`, nose up, centred on `c`.
void carBadge(QPainter& p, QPointF c, double h, const QColor& paint);

// "YOU" in stroked capitals on a pill of the player's `red`.
void youTag(QPainter& p, QPointF centre, const QColor& red);

}  // namespace art::netrace
