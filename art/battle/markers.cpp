// The arrows that point at the other player in the battle when their car is
// out of sight: up when it is ahead, down when it is behind, in its colour.

#include <QPainterPath>

#include "battle/team_colours.h"
#include "style.h"

namespace art {
namespace {

const QColor kHalo = withAlpha(pal::kWhite, 235);
const QColor kBevel = lightTint(170);

// A bold arrow pointing up.
constexpr QPointF kArrow[] = {{14.5, 3}, {26, 16},  {19.5, 16}, {19.5, 31},
                              {9.5, 31}, {9.5, 16}, {3, 16}};

// A bold arrow towards the other player, pointing up (or down when `down`),
// haloed in white so it reads on the dark road.
void marker(QPainter& p, const QColor& team, bool down) {
  antialiased(p, [&] {
    if (down) {
      p.translate(0, 34);
      p.scale(1, -1);
    }
    const QPainterPath arrow = polygon(kArrow);
    p.setPen(QPen(kHalo, 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arrow);
    fillOutlined(p, arrow,
                 gradient({0, 3}, {0, 31}, {{0.0, team.lighter(130)}, {1.0, team.darker(135)}}),
                 kOutline);
    // A bright bevel along the head's leading edge.
    p.setPen(QPen(kBevel, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14.5, 6.5), QPointF(7, 14));
  });
}

}  // namespace

void paintMarkerBlueAhead(QPainter& p) { marker(p, team::kBlue, false); }
void paintMarkerBlueBehind(QPainter& p) { marker(p, team::kBlue, true); }
void paintMarkerRedAhead(QPainter& p) { marker(p, team::kRed, false); }
void paintMarkerRedBehind(QPainter& p) { marker(p, team::kRed, true); }

}  // namespace art
