// The bonus shooter, as players meet it, on the virtual clock. Starting with
// one or two ships, a game over and its restart, and the first clear are the
// recorded games bonus_1p_clear and bonus_2p_gameover.
#include <gtest/gtest.h>

#include "bonus/bonus_screen.h"
#include "frontend/game.h"
#include "ui/json.h"
#include "ui/keys.h"
#include "ui/virtual/session.h"

namespace {

constexpr int kW = 'W', kS = 'S', kG = 'G';
const int kPad1 = ui::vk::numpad(1);

class BonusTest : public ::testing::Test {
 protected:
  BonusTest() : game(frontend::addWindows) { game.start("frmMain"); }
  bonus::BonusScreen& b() { return static_cast<bonus::BonusScreen&>(game.front()); }
  ui::Element& el(const char* name, int index = -1) { return b().el(name, index); }
  ui::Element& wall(int i) { return el("imgWall", i); }
  void tick(int n = 1) { game.advance(25 * n); }
  // Parks every wall far from the ships and the shots' path.
  void quietWalls() {
    for (int i = 0; i < 3; ++i) {
      wall(i).Left = 9000;
      wall(i).Top = 3000 + 1500 * i;
    }
  }
  int shots() {
    return static_cast<int>(std::count(game.waves.begin(), game.waves.end(), "\\Shoot.wav"));
  }

  ui::VirtualSession game;
};

// ---- starting --------------------------------------------------------------------

TEST_F(BonusTest, WithoutASoundDeviceItPlaysNothing) {
  b().waveDevices = 0;
  game.click("Command1");
  game.keyDown(kG);
  tick(3);
  EXPECT_TRUE(game.waves.empty());
}

TEST_F(BonusTest, LosingTheFocusStartsTheGameWithBothShips) {
  game.program().blur(b());
  EXPECT_TRUE(el("tmrMove").enabled());
  EXPECT_TRUE(el("imgRight", 0).Visible);
  EXPECT_FALSE(el("cmdStart").enabled());
  EXPECT_TRUE(el("Command1").Visible) << "the buttons stay";
  EXPECT_EQ(b().twoPlayer, 0);
}

// ---- ships and shots -------------------------------------------------------------------

TEST_F(BonusTest, TheShipMovesOnlyTheWayPressedLastAndStaysInTheField) {
  game.click("Command1");
  quietWalls();
  game.keyDown(kS);
  game.keyDown(kW);
  tick();
  EXPECT_EQ(el("imgLeft", 0).Top, 1440 - 300);
  tick(10);
  EXPECT_EQ(el("imgLeft", 0).Top, 0);
  game.keyUp(kW);
  game.keyDown(kS);
  tick(40);
  EXPECT_EQ(el("imgLeft", 0).Top, b().fieldHeight() - 1110);
  EXPECT_EQ(b().fieldHeight(), 6825) << "the whole ship stays in view";
}

TEST_F(BonusTest, KeysAreIgnoredUntilTheGameRunsButKeyUpAlwaysClears) {
  game.keyDown(kW);
  game.keyDown(kG);
  EXPECT_EQ(b().ships[0].upHeld, 0);
  EXPECT_EQ(b().ships[0].fireRequest, 0);
  game.click("Command1");
  game.keyDown(kW);
  EXPECT_EQ(b().ships[0].upHeld, 1);
  el("tmrMove").setEnabled(false);
  game.keyUp(kW);
  EXPECT_EQ(b().ships[0].upHeld, 0);
}

TEST_F(BonusTest, AShotAskedForWhileOneFliesIsDropped) {
  game.click("Command1");
  quietWalls();
  game.keyDown(kG);
  tick();
  EXPECT_TRUE(el("imgFireL", 0).Visible);
  EXPECT_EQ(el("imgFireL", 0).Left, 0 + 400 + 300);
  EXPECT_EQ(el("imgFireL", 0).Top, el("imgLeft", 0).Top);
  game.keyDown(kG);
  tick();
  EXPECT_EQ(shots(), 1);
  EXPECT_EQ(b().ships[0].fireRequest, 0) << "the request is not remembered";
  tick(40);
  EXPECT_FALSE(el("imgFireL", 0).Visible) << "gone past the right edge";
  EXPECT_EQ(shots(), 1);
}

// What a replay's --set and its trace see: one array, the first ship's first.
TEST_F(BonusTest, BothShipsFireRequestsAreOneArrayInTheTrace) {
  game.click("cmdStart");
  quietWalls();
  ASSERT_TRUE(b().vars().set("fireRequest", -1));
  EXPECT_EQ(b().ships[0].fireRequest, -1);
  EXPECT_EQ(b().ships[1].fireRequest, -1);
  b().ships[0].fireRequest = 0;
  EXPECT_NE(ui::varsJson(b().vars()).find("\"fireRequest\": [0, -1]"), std::string::npos);
  tick();
  EXPECT_TRUE(el("imgFireR", 0).Visible) << "the second ship fired";
  EXPECT_FALSE(el("imgFireL", 0).Visible) << "the first did not";
}

TEST_F(BonusTest, KeypadOneFiresOnlyInATwoPlayerGame) {
  game.click("Command1");
  game.keyDown(kPad1);
  EXPECT_EQ(b().ships[1].fireRequest, 0);
  ui::VirtualSession two(frontend::addWindows);
  two.start("frmMain");
  two.click("cmdStart");
  auto& s = static_cast<bonus::BonusScreen&>(two.front());
  two.keyDown(kPad1);
  two.advance(25);
  EXPECT_TRUE(s.el("imgFireR", 0).Visible);
  EXPECT_EQ(s.el("imgFireR", 0).Left, 0 - 630 + 500) << "starts half a ship behind";
}

// ---- hits -------------------------------------------------------------------------------

TEST_F(BonusTest, TheHiddenSecondShipStillTakesHitsInItsCorner) {
  game.click("Command1");
  quietWalls();
  tick();
  ASSERT_EQ(el("imgRight", 0).Top, 0);
  // Within the box of the corner (0, 0), out of the first ship's at Top 1440.
  wall(1).Left = 999;
  wall(1).Top = -600;
  tick();
  EXPECT_EQ(b().playerHP, 5);
  tick();
  EXPECT_EQ(b().playerHP, 4) << "every tick in the box costs a point";
}

TEST_F(BonusTest, TheWaitingAimedMissileTakesShotsAtLevelsOneAndTwo) {
  game.click("Command1");
  quietWalls();
  tick();
  EXPECT_EQ(el("Picture1").Left, 9000);
  EXPECT_FALSE(el("Picture1").Visible);
  el("imgLeft", 0).Top = el("Picture1").Top = 4440;
  el("imgFireL", 0).Visible = true;
  el("imgFireL", 0).Top = 4440;
  el("imgFireL", 0).Left = 8600;
  const int before = b().enemyHP;
  tick();
  EXPECT_FALSE(el("imgFireL", 0).Visible);
  EXPECT_EQ(b().score, 10);
  EXPECT_EQ(b().enemyHP, before - 1);
}

TEST_F(BonusTest, ABossHitTakesTwoAndCanClearTheLevelAtOnce) {
  game.click("Command1");
  b().level = 4;
  quietWalls();
  tick();
  ASSERT_TRUE(el("Picture2").Visible);
  b().enemyHP = 0;
  tick();
  EXPECT_EQ(el("Text2").Text, "1") << "zero shows as one and is not yet a clear";
  el("imgFireL", 0).Left = el("Picture2").Left;
  el("imgFireL", 0).Top = el("Picture2").Top;
  tick();
  EXPECT_EQ(b().enemyHP, -2);
  EXPECT_EQ(el("Text2").Text, "-1");
  EXPECT_TRUE(el("Level1").Visible);
  EXPECT_FALSE(el("tmrMove").enabled());
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(wall(i).Visible);
}

TEST_F(BonusTest, WallMissilesComeOutAtLevelTwo) {
  game.click("Command1");
  tick();
  EXPECT_FALSE(el("Image1").Visible);
  b().level = 2;
  tick();
  for (int i = 0; i < 3; ++i) {
    const ui::Element& m = el(i == 0 ? "Image1" : i == 1 ? "Image2" : "Image3");
    EXPECT_TRUE(m.Visible);
  }
}

TEST_F(BonusTest, ShootingDownAWallMissileOnlyScores) {
  game.click("Command1");
  b().level = 2;
  quietWalls();
  tick();  // the missiles come out at the walls; the walls then go high up
  for (int i = 0; i < 3; ++i) wall(i).Top = 300;
  ui::Element& m = el("Image1");  // well away from the aimed missile waiting at 9000, 4440
  el("imgFireL", 0).Visible = true;
  el("imgFireL", 0).Left = m.Left - 150 - 300;
  el("imgFireL", 0).Top = m.Top;
  const int hp = b().enemyHP;
  tick();
  EXPECT_EQ(b().score, 5);
  EXPECT_EQ(b().enemyHP, hp);
  EXPECT_TRUE(el("imgFireL", 0).Visible) << "the shot flies on";
}

// ---- the levels and a second visit ----------------------------------------------------

TEST_F(BonusTest, LevelsWrapAfterFourWhileTheWallsKeepSpeedingUp) {
  game.click("cmdStart");
  for (int clear = 1; clear <= 5; ++clear) {
    b().enemyHP = -1;
    tick();
    game.click("Level1");
    EXPECT_EQ(b().wallSpeed, 10 * clear);
    EXPECT_EQ(b().playerHP, 2 * (clear + 6));
    EXPECT_EQ(b().enemyHP, 10 * clear + 15 + 15) << "two players get 15 more";
  }
  EXPECT_EQ(b().level, 2) << "1, 2, 3, 4, then 1 again";
}

TEST_F(BonusTest, ClickingLevelClearWithoutAClearOnlyWrapsTheLevel) {
  game.click("Command1");
  b().level = 5;
  game.click("Level1");  // hidden: nothing at all
  EXPECT_EQ(b().level, 5);
  el("Level1").Visible = true;
  game.click("Level1");
  EXPECT_EQ(b().level, 1);
  EXPECT_EQ(b().wallSpeed, 0);
}

TEST_F(BonusTest, ASecondVisitKeepsPlayersAndHeldKeys) {
  ui::VirtualSession story(frontend::addWindows);
  story.start("Form1");
  ui::Window& screen = story.program().window("frmMain");
  story.program().show(screen);
  story.click("cmdStart");
  story.keyDown(kS);
  story.program().close(screen);
  EXPECT_FALSE(story.ended());
  story.program().show(screen);
  auto& again = static_cast<bonus::BonusScreen&>(screen);
  EXPECT_EQ(again.twoPlayer, 1);
  EXPECT_EQ(again.ships[0].downHeld, 1);
  EXPECT_EQ(again.enemyHP, 30);
  EXPECT_EQ(again.level, 1);
  EXPECT_TRUE(again.el("Command1").Visible);
}

TEST_F(BonusTest, CountersStopAtTheEndsOfTheirRange) {
  game.click("Command1");
  b().score = 32760;
  b().level = 2;
  quietWalls();
  tick();
  el("imgFireL", 0).Visible = true;
  el("imgFireL", 0).Left = wall(2).Left;
  el("imgFireL", 0).Top = wall(2).Top;
  tick();
  EXPECT_EQ(b().score, 32767);
}

}  // namespace
