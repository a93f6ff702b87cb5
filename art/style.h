// Driftwing's house style: one palette, one outline weight, and the shared
// shapes (cars, speed lines, outlined fills) that every picture is built from.
//
// The look is a clean arcade illustration: flat colours with gentle gradients,
// dark ink outlines about 1.75 native pixels thick, a short palette of asphalt
// greys, a sunset sky, teal and white road paint and saturated car colours.
#pragma once

#include <QBrush>
#include <QColor>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <cstdint>
#include <initializer_list>
#include <utility>

class QPainter;

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

// A race car seen from straight above, nose pointing up, fitted to `rect`
// (cars look right at about 1 : 1.7, width : height). `body` is the paint,
// `accent` the racing stripes and rear wing. `outline` is the ink weight in
// the painter's units; raise it for pictures shown much smaller than native.
void drawCarTopDown(QPainter& p, const QRectF& rect, QColor body, QColor accent,
                    double outline = kOutline);

// A strip of night grass beside a road, with a steel barrier along it a
// little way from the kerb; `roadOnLeft` says which side the road is. For
// the dark margins of the arena windows.
void drawVerge(QPainter& p, const QRectF& strip, bool roadOnLeft);

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

// The title window, in native pixels: its size, and the paper panel that
// holds the story box and the links, as the window's design places them.
QSizeF titleWindow();
QRectF storyPanel();
// The paper the story's pictures are mounted on, the colour the title window
// shows wherever a picture is smaller than the window.
QColor storyPaper();

// Painters for the pictures of the catalog, one per source file.
void paintTitle(QPainter& p);
void paintHelp(QPainter& p);
void paintIcon(QPainter& p);

// The stage races: one road and one window background per stage (1 to 5),
// the finish banner and the markings that scroll past on the road.
void paintRoad(QPainter& p, int stage);
void paintStageBackground(QPainter& p, int stage);
void paintFinishBanner(QPainter& p);
void paintRoadside(QPainter& p);

// The cars of the stage races, nose up.
void paintCarPlayer(QPainter& p);
void paintCarRival1(QPainter& p);
void paintCarRival2(QPainter& p);
void paintCarRival3(QPainter& p);
void paintCarSlow(QPainter& p);
void paintCarProNormal(QPainter& p);
void paintCarProTurn(QPainter& p);
void paintCarProSpeed(QPainter& p);

// The background of the race setup window.
void paintSetup(QPainter& p);

// Skyforge, the bonus shooter: its sky, the players' ships facing right and
// their shots, and the fortress's blocks, missiles and flagship facing left.
void paintBonusBackground(QPainter& p);
void paintBonusShipOne(QPainter& p);
void paintBonusShipTwo(QPainter& p);
void paintBonusShotOne(QPainter& p);
void paintBonusShotTwo(QPainter& p);
void paintBonusWall(QPainter& p);
void paintBonusWallMissile(QPainter& p);
void paintBonusAimedMissile(QPainter& p);
void paintBonusBoss(QPainter& p);
void paintBonusBossShot(QPainter& p);
void paintBonusDead(QPainter& p);

// The story told on the title screen: a character card for each of the
// cast, and the picture shown after each stage (1 to 5).
void paintPortraitHalvard(QPainter& p);
void paintPortraitMirelle(QPainter& p);
void paintPortraitQuellan(QPainter& p);
void paintPortraitBrisko(QPainter& p);
void paintPortraitDorrin(QPainter& p);
void paintScene(QPainter& p, int stage);

// The two-player battle: the window, the duel road, the players' cars (red,
// blue, and gold under turbo), the two computer cars, the missiles, the lane
// dash and finish line that scroll past, a decoration above the start, and
// the arrows pointing at the other player when out of sight.
void paintBattleBackground(QPainter& p);
void paintBattleRoad(QPainter& p);
void paintBattleCarRed(QPainter& p);
void paintBattleCarBlue(QPainter& p);
void paintBattleCarGold(QPainter& p);
void paintBattleRival1(QPainter& p);
void paintBattleRival2(QPainter& p);
void paintBattleMissileRed(QPainter& p);
void paintBattleMissileBlue(QPainter& p);
void paintBattleLane(QPainter& p);
void paintBattleFinish(QPainter& p);
void paintBattleDeco(QPainter& p);
void paintMarkerBlueAhead(QPainter& p);
void paintMarkerBlueBehind(QPainter& p);
void paintMarkerRedAhead(QPainter& p);
void paintMarkerRedBehind(QPainter& p);

// The network race's window: the roadside, and the dashboard with every
// readout and the chat; one version before this side has hosted or joined,
// one for the host and one for the guest.
void paintNetBackground(QPainter& p);
void paintNetBackgroundHost(QPainter& p);
void paintNetBackgroundGuest(QPainter& p);

}  // namespace art
