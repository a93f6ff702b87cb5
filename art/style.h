// The shapes more than one picture family shares (a car from above, the
// verge beside a road, the title's layout), and the painter of every picture
// in the catalogue. The house palette and the drawing primitives are in
// draw.h.
#pragma once

#include <QColor>
#include <QRectF>
#include <QSizeF>

#include "draw.h"

namespace art {

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

// The title window, in native pixels: its size, and the paper panel that
// holds the story box and the links, as the window's design places them.
QSizeF titleWindow();
QRectF storyPanel();
// The paper the story's pictures are mounted on, the colour the title window
// shows wherever a picture is smaller than the window.
QColor storyPaper();

// Painters for the pictures of the catalog.
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
// cast (in portraits/, one file a character on a shared card, face, hair and
// suit), and the picture shown after each stage (1 to 5).
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
