// The read-out windows of the stage dashboard, each placed round the text
// the game writes there, in the same brushed metal and dark glass.

#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "draw.h"
#include "stage/dashboard_art.h"

namespace art::stages {
namespace {

// Screw heads.
const QColor kScrewLight{0x7a, 0x7e, 0x8e}, kScrewDark{0x2e, 0x30, 0x3c},
    kEdgeInk = shadowTint(200);
// Brushed metal bezels round dark glass.
const QColor kMetalTop{0x6c, 0x70, 0x7e}, kMetalMid{0x34, 0x36, 0x42}, kMetalFoot{0x1a, 0x1b, 0x22};
const QColor kGlassTop{0x04, 0x04, 0x08}, kGlassFoot{0x0b, 0x0b, 0x12},
    kBezelShadow = shadowTint(110), kBezelInk = shadowTint(220), kGlassInk = shadowTint(230);

// The game's type as the desktop draws it: a point is 4/3 of a pixel, and
// a digit is about 0.55 em wide, its ink from 0.16 em to 0.94 em below the
// top of the line. Labels write from their top-left corner.
double typePixels(double points) { return std::round(points * 4.0 / 3.0); }

QRectF digitInk(const dash::Text& t, double digits, double points) {
  const double em = typePixels(points);
  return QRectF(t.left / 15.0 + 0.05 * em, t.top / 15.0 + 0.16 * em,
                digits * 0.551 * em - 0.07 * em, 0.78 * em);
}

// Brushed metal round a read-out, lit from above.
QLinearGradient metal(double top, double bottom) {
  return gradient({0, top}, {0, bottom}, {{0.0, kMetalTop}, {0.5, kMetalMid}, {1.0, kMetalFoot}});
}

QLinearGradient darkGlass(double top, double bottom) {
  return gradient({0, top}, {0, bottom}, {{0.0, kGlassTop}, {1.0, kGlassFoot}});
}

}  // namespace

// The ink of a caption `width` pixels wide, descenders and all.
QRectF captionInk(const dash::Text& t, double width) {
  const double em = typePixels(t.points);
  return QRectF(t.left / 15.0, t.top / 15.0 + 0.05 * em, width, 1.15 * em);
}

// A read-out's glass: centred on the digits it shows for most of a race,
// and roomy enough for the most it shows, `pad` pixels clear of them.
QRectF readoutGlass(const dash::Text& t, QSizeF pad) {
  const QPointF centre = digitInk(t, (t.usualDigits + t.mostDigits) / 2.0, t.points).center();
  const QRectF most = digitInk(t, t.mostDigits, t.points);
  const double halfW = std::max(centre.x() - most.left(), most.right() - centre.x());
  const double halfH = std::max(centre.y() - most.top(), most.bottom() - centre.y());
  const QPointF half(halfW + pad.width(), halfH + pad.height());
  return QRectF(centre - half, centre + half);
}

Dial rankDial() {
  const QRectF small = digitInk(dash::kRank, 1, dash::kRank.points);
  const QRectF big = digitInk(dash::kRank, 1, dash::kLeadingRankPoints);
  const QPointF centre = (small.center() + big.center()) / 2;
  double reach = 0;
  for (const QRectF& ink : {small, big}) {
    for (const QPointF corner :
         {ink.topLeft(), ink.topRight(), ink.bottomLeft(), ink.bottomRight()})
      reach = std::max(reach, std::hypot(corner.x() - centre.x(), corner.y() - centre.y()));
  }
  return {centre, reach + 7};
}

// A screw head, slot and all.
void screw(QPainter& p, QPointF c, double angle) {
  QRadialGradient head(c - QPointF(0.8, 0.8), 3.2);
  head.setColorAt(0, kScrewLight);
  head.setColorAt(1, kScrewDark);
  p.setPen(QPen(kEdgeInk, 0.8));
  p.setBrush(head);
  p.drawEllipse(c, 2.6, 2.6);
  const QPointF d(std::cos(angle) * 1.8, std::sin(angle) * 1.8);
  p.setPen(QPen(kEdgeInk, 0.8));
  p.drawLine(c - d, c + d);
}

// A recessed glass window for a read-out, in a metal bezel.
void readoutWindow(QPainter& p, const QRectF& glass, const QColor& accent) {
  const double round = std::min(7.0, glass.height() / 3);
  const QRectF rim = glass.adjusted(-3, -3, 3, 3);
  QPainterPath bezel;
  bezel.addRoundedRect(rim, round + 3, round + 3);
  p.setPen(Qt::NoPen);
  p.setBrush(kBezelShadow);
  p.drawPath(bezel.translated(0, 1.5));
  p.setPen(QPen(kBezelInk, 1.0));
  p.setBrush(metal(rim.top(), rim.bottom()));
  p.drawPath(bezel);

  QPainterPath well;
  well.addRoundedRect(glass, round, round);
  p.setPen(QPen(kGlassInk, 1.0));
  p.setBrush(darkGlass(glass.top(), glass.bottom()));
  p.drawPath(well);
  // Inner shadow along the top edge and an accent line along the foot.
  p.save();
  p.setClipPath(well);
  p.fillRect(QRectF(glass.left(), glass.top(), glass.width(), 5),
             gradient(glass.topLeft(), glass.topLeft() + QPointF(0, 5),
                      {{0.0, shadowTint(160)}, {1.0, shadowTint(0)}}));
  p.restore();
  p.setPen(QPen(withAlpha(accent, 170), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(glass.left() + round + 2, glass.bottom() + 1.6),
             QPointF(glass.right() - round - 2, glass.bottom() + 1.6));
}

// The round dial of the race position, in the same metal as the boxes.
void rankRing(QPainter& p, QPointF c, double r, const QColor& accent) {
  p.setPen(Qt::NoPen);
  p.setBrush(kBezelShadow);
  p.drawEllipse(c + QPointF(0, 1.5), r + 3, r + 3);
  p.setPen(QPen(kBezelInk, 1.0));
  p.setBrush(metal(c.y() - r - 3, c.y() + r + 3));
  p.drawEllipse(c, r + 3, r + 3);
  p.setPen(QPen(kGlassInk, 1.0));
  p.setBrush(darkGlass(c.y() - r, c.y() + r));
  p.drawEllipse(c, r, r);
  // The accent round the foot of the glass.
  const double arc = r + 1.6;
  p.setPen(QPen(withAlpha(accent, 170), 1.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(c.x() - arc, c.y() - arc, 2 * arc, 2 * arc), -40 * 16, -100 * 16);
}

}  // namespace art::stages
