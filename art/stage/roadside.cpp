// The markings that scroll past on a stage road: a worn arrow in the left
// lane, a pair of skid marks, a hatched patch by the kerb and loose grit.

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "stage/venue.h"
#include "style.h"

namespace art {
namespace {

using namespace stages;

const QColor kSkid{12, 10, 16};
const QColor kPatch = shadowTint(40);
const QColor kGrit{230, 230, 235};

// The arrow painted in the lane, from the lane's centre line.
constexpr QPointF kArrow[] = {{0, 18},    {15, 44},   {5.5, 44}, {5.5, 94},
                              {-5.5, 94}, {-5.5, 44}, {-15, 44}};

// A worn white arrow painted in the lane, pointing on up the road.
void laneArrow(QPainter& p, double lane, Dice& dice) {
  const QPainterPath arrow = polygon(kArrow).translated(lane, 0);
  QPainterPath wear;
  for (int i = 0; i < 60; ++i) {
    const QPointF c(lane + dice.uniform(-15, 15), dice.uniform(18, 94));
    wear.addEllipse(c, dice.uniform(0.6, 1.8), dice.uniform(0.6, 2.6));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(withAlpha(pal::kWhite, 120));
  p.drawPath(arrow.subtracted(wear));
}

// A pair of skid marks from someone who braked late, fading in and out so
// the picture joins itself when it wraps.
void skidMarks(QPainter& p) {
  for (double offset : {0.0, 42.0}) {
    QPainterPath skid(QPointF(64 + offset, 8));
    skid.cubicTo(66 + offset, 50, 72 + offset, 86, 82 + offset * 0.9, 128);
    const int steps = 60;
    for (int i = 0; i < steps; ++i) {
      const double t0 = i / double(steps);
      const double t1 = (i + 1) / double(steps);
      const double fade = std::sin(kPi * (t0 + t1) / 2);
      p.setPen(
          QPen(withAlpha(kSkid, static_cast<int>(70 * fade)), 4.5, Qt::SolidLine, Qt::FlatCap));
      p.drawLine(skid.pointAtPercent(t0), skid.pointAtPercent(t1));
    }
  }
}

// A hatched strip by the kerb: faded chevrons on a patch of newer tarmac.
void hatchedPatch(QPainter& p) {
  const QRectF patch(kEdgeLine + 4, 100, 28, 32);
  p.setPen(Qt::NoPen);
  p.setBrush(kPatch);
  p.drawRoundedRect(patch, 2, 2);
  p.save();
  p.setClipRect(patch);
  p.setPen(QPen(withAlpha(pal::kCarYellow, 110), 3.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  for (double y = patch.top() + 6; y < patch.bottom() + 8; y += 10) {
    QPolygonF chevron({QPointF(patch.left() - 2, y + 8), QPointF(patch.center().x(), y),
                       QPointF(patch.right() + 2, y + 8)});
    p.drawPolyline(chevron);
  }
  p.restore();
}

}  // namespace

void paintRoadside(QPainter& p) {
  antialiased(p, [&] {
    Dice dice(777);
    laneArrow(p, kLaneLeft + kLaneW / 2, dice);
    skidMarks(p);
    hatchedPatch(p);
    // Loose grit scattered near the edge.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
      p.setBrush(withAlpha(kGrit, 40 + dice.below(50)));
      p.drawEllipse(QPointF(dice.uniform(kEdgeLine + 4, 50), dice.uniform(4, 130)), 0.7, 0.7);
    }
  });
}

}  // namespace art
