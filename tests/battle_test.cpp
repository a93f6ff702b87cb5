// The two-player battle at one keyboard, on the virtual clock: its edges and
// odd cases. Whole races, tick by tick, are the recorded battle games.
#include <gtest/gtest.h>

#include "battle/battle_screen.h"
#include "frontend/game.h"
#include "ui/keys.h"
#include "ui/virtual/session.h"

namespace {

using ui::vk::kDown;
using ui::vk::kLeft;
using ui::vk::kRight;
using ui::vk::kUp;
constexpr int kW = 'W', kA = 'A', kD = 'D', kG = 'G', kH = 'H';
const int kPad2 = ui::vk::numpad(2);

class BattleTest : public ::testing::Test {
 protected:
  BattleTest() : game(frontend::addWindows) { game.start("Form3"); }
  battle::BattleScreen& b() { return static_cast<battle::BattleScreen&>(game.front()); }
  battle::Player& red() { return b().players[battle::kRed]; }
  battle::Player& blue() { return b().players[battle::kBlue]; }
  ui::Element& el(const char* name, int index = -1) { return b().el(name, index); }
  void tick(int n = 1) { game.advance(25 * n); }
  // The countdown's five seconds: the race tick is on, not yet run.
  void startRace() { game.advance(5000 - game.now()); }
  // The race on, both computer cars far away from everything.
  void raceAlone() {
    startRace();
    for (int v = 0; v < 2; ++v) el("c1", v).Top = el("c2", v).Top = -30000;
  }
  void focusRight() { game.program().focus(b(), el("Picture2")); }

  ui::VirtualSession game;
};

// ---- the countdown --------------------------------------------------------------------

TEST_F(BattleTest, TheRaceStartsFiveSecondsAfterTheWindowOpens) {
  EXPECT_EQ(game.music, std::vector<std::string>{"3.mid"});
  EXPECT_EQ(el("Label3", 0).Caption, "3");
  game.keyDown(kW);
  game.advance(1000);
  EXPECT_EQ(el("Label3", 1).Caption, "3");
  game.advance(3000);
  EXPECT_EQ(el("Label3", 0).Caption, "Go");
  EXPECT_FALSE(el("Timer1").enabled());
  EXPECT_EQ(red().speed, 50) << "keys act during the countdown";
  game.advance(1000);
  EXPECT_TRUE(el("Timer1").enabled());
  EXPECT_EQ(el("Label3", 0).Caption, "");
  EXPECT_EQ(red().speed, 0) << "the start resets both speeds";
  EXPECT_EQ(game.waves, (std::vector<std::string>{"\\1.wav", "\\1.wav", "\\1.wav", "\\Ding.wav"}));
}

TEST_F(BattleTest, AMissileLaunchedInTheCountdownWaitsOnTheCar) {
  game.keyDown(kG);
  game.advance(3000);
  EXPECT_EQ(el("missile1", 0).Top, 2040);
  EXPECT_EQ(el("missile1", 0).Left, 120);
  startRace();
  tick();
  EXPECT_EQ(el("missile1", 0).Top, 2040 - 1000);
}

// ---- speed ------------------------------------------------------------------------------

TEST_F(BattleTest, FiveTenSurvivesAndFiveElevenOverheats) {
  raceAlone();
  red().speed = 510;
  blue().speed = 511;
  tick();
  EXPECT_EQ(red().speed, 500);
  EXPECT_EQ(blue().speed, 0);
}

TEST_F(BattleTest, FourHundredDoesNotDecay) {
  raceAlone();
  red().speed = 400;
  blue().speed = 401;
  tick();
  EXPECT_EQ(red().speed, 400);
  EXPECT_EQ(blue().speed, 391);
  EXPECT_EQ(el("Label2", 2).ForeColor, ui::colour::kYellow);
  EXPECT_EQ(el("Label2", 3).ForeColor, ui::colour::kRed)
      << "the colour shows the speed before decay";
}

// ---- leading ------------------------------------------------------------------------------

TEST_F(BattleTest, EqualTopsMeanNobodyLeads) {
  raceAlone();
  el("car2", 0).Top = 2040;  // level in the red view
  el("car1", 1).Top = 2040;
  el("car2", 0).Left = el("car2", 1).Left = 2640;
  red().distance = blue().distance = 7000;
  red().speed = blue().speed = 200;
  game.keyDown(kD);
  focusRight();
  game.keyDown(kLeft);
  tick();
  EXPECT_EQ(red().speed, 195) << "no leader's surcharge";
  EXPECT_EQ(blue().speed, 195);
  EXPECT_EQ(el("Image6", 0).Top, -1400) << "no finish line moves";
  EXPECT_EQ(el("Image6", 1).Top, -1400);
  EXPECT_FALSE(el("Label1", 0).Visible);
  EXPECT_FALSE(el("Label1", 1).Visible);
}

TEST_F(BattleTest, TheLeaderPaysDoubleForSteering) {
  raceAlone();
  el("car2", 0).Top = 4000;  // blue behind in the red view
  el("car1", 1).Top = 100;
  red().speed = blue().speed = 200;
  game.keyDown(kA);
  game.keyDown(kRight);
  tick();
  EXPECT_EQ(red().speed, 190);
  EXPECT_EQ(blue().speed, 195);
  EXPECT_EQ(el("car1", 0).Left, 20);
  EXPECT_EQ(el("car1", 1).Left, 20) << "both views move the car";
}

// ---- keys ---------------------------------------------------------------------------------

TEST_F(BattleTest, TheFocusedViewDecidesWhetherSteeringKeysCancel) {
  game.keyDown(kA);
  game.keyDown(kD);
  EXPECT_EQ(red().leftHeld, 1);
  EXPECT_EQ(red().rightHeld, 1) << "the left view keeps both";
  focusRight();
  game.keyDown(kLeft);
  game.keyDown(kRight);
  EXPECT_EQ(blue().leftHeld, 0) << "the right view keeps the last";
  EXPECT_EQ(blue().rightHeld, 1);
  game.keyUp(kA);
  EXPECT_EQ(red().leftHeld, 0) << "releasing works from either view";
}

TEST_F(BattleTest, ClickingAViewGivesItTheFocus) {
  game.click("Picture2");
  EXPECT_EQ(b().focused()->id(), "Picture2");
}

TEST_F(BattleTest, TheClockBetweenTheViewsNeverTakesTheKeys) {
  game.click("Picture3");
  game.program().focus(b(), el("Picture3"));
  ASSERT_NE(b().focused(), nullptr);
  EXPECT_EQ(b().focused()->id(), "Picture1") << "the left view keeps the keys";
}

TEST_F(BattleTest, BothCarsStayOnTheRoad) {
  raceAlone();
  el("car1", 0).Left = el("car1", 1).Left = 2800;
  el("car2", 0).Left = el("car2", 1).Left = 0;
  el("car2", 0).Top = 9000;
  el("car1", 1).Top = -9000;
  game.keyDown(kD);
  game.keyDown(kLeft);
  tick();
  EXPECT_EQ(el("car1", 1).Left, 2800);
  EXPECT_EQ(el("car2", 0).Left, 0);
}

// ---- turbo ------------------------------------------------------------------------------

TEST_F(BattleTest, TurboHoldsFiveTenInGoldAndSteeringDoesNothing) {
  raceAlone();
  game.keyDown(kH);
  game.keyDown(kA);
  tick();
  EXPECT_EQ(red().speed, 500) << "510, then the decay over 400";
  EXPECT_EQ(red().turboLeft, 199);
  EXPECT_EQ(el("car1", 0).Picture, "battle-car-gold");
  EXPECT_EQ(el("car1", 0).Left, 120) << "turbo cancels the steering";
  EXPECT_EQ(el("Label2", 7).Caption, "199");
  game.keyUp(kH);
  tick();
  EXPECT_EQ(el("car1", 1).Picture, "battle-car-red");
}

TEST_F(BattleTest, WithoutTurboLeftHoldingHDoesNothing) {
  raceAlone();
  blue().turboLeft = 0;
  focusRight();
  game.keyDown(kPad2);
  blue().speed = 100;
  tick();
  EXPECT_EQ(blue().speed, 100);
  EXPECT_EQ(el("car2", 1).Picture, "battle-car-blue");
}

// ---- missiles and crashes -------------------------------------------------------------------

TEST_F(BattleTest, AMissileCanHitTheSameCarOnTwoTicks) {
  startRace();
  el("c2", 0).Top = el("c2", 1).Top = -30000;
  el("c1", 0).Left = el("c1", 1).Left = 120;
  el("c1", 0).Top = el("c1", 1).Top = 2040 - 1500;
  game.keyDown(kG);
  const auto shots = game.waves.size();
  tick();  // the missile at 1040 meets c1 near 540
  tick();  // and again, 1000 higher, with c1 now still close
  EXPECT_EQ(b().rivalSpeeds[0], 0) << "stopped on both ticks";
  EXPECT_GE(game.waves.size() - shots, 2u);
}

TEST_F(BattleTest, HittingAComputerCarStopsThePlayer) {
  startRace();
  el("c2", 0).Top = el("c2", 1).Top = -30000;
  el("c1", 1).Left = el("c1", 0).Left = 120;
  el("c1", 0).Top = el("c1", 1).Top = 2040 - 900;
  red().speed = 300;
  tick();
  EXPECT_EQ(red().speed, 0);
  EXPECT_EQ(b().rivalSpeeds[0], 50);
  EXPECT_EQ(game.waves.back(), "\\C6.wav");
}

TEST_F(BattleTest, AMissileStopsTheOtherCarButNeverItsOwn) {
  raceAlone();
  el("car2", 0).Left = el("car2", 1).Left = 120;
  el("car2", 0).Top = 2040 - 2500;
  el("car1", 1).Top = 2040 + 2500;
  blue().speed = 300;
  red().speed = 300;
  game.keyDown(kG);
  tick(2);
  EXPECT_EQ(blue().speed, 0);
  EXPECT_GT(red().speed, 0);
}

// ---- the finish -----------------------------------------------------------------------------

TEST_F(BattleTest, TheLeaderPastTheLineWinsAndTheRaceFreezes) {
  raceAlone();
  el("car2", 0).Top = 6000;
  el("car1", 1).Top = -2000;
  el("Image6", 0).Top = 2040 - 100;
  red().distance = 6001;
  red().speed = 300;
  blue().speed = 300;
  tick();
  EXPECT_TRUE(el("Label1", 0).Visible);
  EXPECT_FALSE(el("Label1", 1).Visible);
  EXPECT_FALSE(el("Timer1").enabled());
  const float line = el("Image6", 0).Top;
  tick(10);
  EXPECT_EQ(el("Image6", 0).Top, line) << "nothing moves on its own";
  game.keyDown(kG);
  EXPECT_EQ(el("missile1", 0).Top, 2040) << "keys still act";
  EXPECT_EQ(game.waves.back(), "\\Shoot.wav");
}

TEST_F(BattleTest, TheFinishLineIsHandedToTheTrailingView) {
  raceAlone();
  el("car2", 0).Top = 4000;
  el("car1", 1).Top = 100;
  red().distance = 6001;
  red().speed = blue().speed = 0;
  el("Image6", 0).Top = 500;
  tick();
  EXPECT_EQ(el("Image6", 1).Top, 500 + 100 - 2040);
  EXPECT_EQ(blue().distance, 6000);
}

TEST_F(BattleTest, MarkersPointAtACarOutOfSight) {
  raceAlone();
  el("car2", 0).Top = -1001;
  el("car1", 1).Top = 5000;
  tick();
  EXPECT_TRUE(el("blue1").Visible);
  EXPECT_TRUE(el("red2").Visible);
  EXPECT_FALSE(el("blue2").Visible);
  EXPECT_EQ(el("blue1").Left, el("car2", 0).Left);
}

// ---- opening again ----------------------------------------------------------------------------

TEST(BattleScreenTest, ReopeningResetsTheRaceButNotTheHeldKeys) {
  ui::VirtualSession game(frontend::addWindows);
  game.start("Form1");
  ui::Window& title = game.program().window("Form1");
  for (int i = 0; i < 4; ++i) game.program().click(title, title.el("Command1"));
  game.program().click(title, title.el("Command3"));
  auto& b = static_cast<battle::BattleScreen&>(game.front());
  ASSERT_EQ(b.name(), "Form3");
  game.keyDown(kD);
  game.advance(6000);
  game.program().close(b);
  EXPECT_EQ(game.program().front(), &title);
  EXPECT_EQ(game.music.back(), "3.mid") << "the battle music stays";
  game.program().click(title, title.el("Command3"));
  EXPECT_EQ(b.players[battle::kRed].rightHeld, 1);
  EXPECT_EQ(b.players[battle::kRed].turboLeft, 200);
  EXPECT_EQ(b.battleCountdown, 4);
  EXPECT_EQ(b.battleTicks, 0);
}

}  // namespace
