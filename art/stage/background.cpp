// The window behind each stage race: the venue's scenery seen from above on
// the left of the road, a dark dashboard on the right that carries the
// speed, rank and time readouts in white, yellow and red.

#include <algorithm>

#include "stage/dashboard_art.h"
#include "stage/scenery.h"
#include "stage/venue.h"
#include "style.h"

namespace art {
namespace {

using namespace stages;

// The darker band behind the game's message at the top left, so red text
// reads: its tint and strength at each venue.
struct MessageShade {
  QColor colour;
  int alpha;
};
const MessageShade kShades[] = {{{0x06, 0x14, 0x0a}, 200},
                                {{0x0c, 0x06, 0x18}, 170},
                                {{0x05, 0x04, 0x0c}, 120},
                                {{0x04, 0x08, 0x0c}, 175},
                                {{0x04, 0x04, 0x08}, 180}};
constexpr double kMessageBottom = 176;

void messageShade(QPainter& p, const MessageShade& shade) {
  const QColor& c = shade.colour;
  const int alpha = shade.alpha;
  p.setPen(Qt::NoPen);
  p.fillRect(QRectF(0, 0, kColumnW, kMessageBottom), gradient({0, 0}, {0, kMessageBottom},
                                                              {{0.0, withAlpha(c, alpha * 2 / 3)},
                                                               {0.1, withAlpha(c, alpha)},
                                                               {0.84, withAlpha(c, alpha)},
                                                               {1.0, withAlpha(c, 0)}}));
}

// The scenery of the five venues, in order; the stadium's is the last and
// the default.
constexpr void (*kScenery[])(QPainter&) = {sceneryCountryside, scenerySunsetCoast, sceneryCity,
                                           sceneryMountain, sceneryStadium};

}  // namespace

void paintStageBackground(QPainter& p, int stage) {
  antialiased(p, [&] {
    // The road covers the middle; its picture is repeated underneath so any
    // gap at the seams shows road, not a hole.
    p.save();
    p.translate(kColumnW, 0);
    paintRoad(p, stage);
    p.restore();

    p.save();
    p.setClipRect(QRectF(0, 0, kColumnW, kWindowH));
    kScenery[stage >= 1 && stage <= 4 ? stage - 1 : 4](p);
    messageShade(p, kShades[std::clamp(stage, 1, 5) - 1]);
    // A quiet, even patch behind the player's name box at the bottom.
    p.fillRect(QRectF(0, 300, kColumnW - 16, 45),
               gradient({0, 300}, {0, 312}, {{0.0, shadowTint(0)}, {1.0, shadowTint(40)}}));
    p.restore();

    paintDashboard(p, stage);
  });
}

}  // namespace art
