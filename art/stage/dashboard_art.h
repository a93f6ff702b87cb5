// The dashboard right of the road in each stage's window, and the read-out
// windows it is built from, placed where the game writes its numbers.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QSizeF>

#include "stage/dashboard.h"

namespace art::stages {

namespace dash = ::stage::dashboard;

// The ink of a caption `width` pixels wide, descenders and all.
QRectF captionInk(const dash::Text& t, double width);

// A read-out's glass: centred on the digits it shows for most of a race,
// and roomy enough for the most it shows, `pad` pixels clear of them.
QRectF readoutGlass(const dash::Text& t, QSizeF pad);

// The rank dial: one circle for the small digit and the big one the leader
// gets, centred between the two.
struct Dial {
  QPointF centre;
  double radius;
};
Dial rankDial();

// A screw head, slot and all, the slot turned by `angle` radians.
void screw(QPainter& p, QPointF c, double angle);

// A recessed glass window for a read-out, in a metal bezel.
void readoutWindow(QPainter& p, const QRectF& glass, const QColor& accent);

// The round dial of the race position, in the same metal as the boxes.
void rankRing(QPainter& p, QPointF c, double r, const QColor& accent);

// The whole dashboard of stage 1 to 5.
void paintDashboard(QPainter& p, int stage);

}  // namespace art::stages
