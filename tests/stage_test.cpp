// The stage races, as players meet them, on the virtual clock: their edges
// and odd cases. Ordinary racing, tick by tick (the rivals' paths, the
// distance, the rank shown, each stage's music and password), is pinned down
// by the recorded games in golden/.
#include <gtest/gtest.h>

#include "frontend/game.h"
#include "frontend/settings.h"
#include "stage/stage_screen.h"
#include "ui/keys.h"
#include "ui/virtual/session.h"

namespace {

using ui::vk::kDown;
using ui::vk::kLeft;
using ui::vk::kRight;
using ui::vk::kShift;
using ui::vk::kSpace;
using ui::vk::kUp;
constexpr int kP = 'P';

class StageTest : public ::testing::Test {
 protected:
  StageTest() : game(frontend::addWindows) {}

  // Opens stage n at a difficulty (Easy 20, Normal 10, Hard 0).
  stage::StageScreen& open(int n, std::int16_t difficulty = 10) {
    game.program().module<frontend::Settings>().difficultyBonus = difficulty;
    game.start("frm" + std::to_string(n));
    return screen(n);
  }
  stage::StageScreen& screen(int n) {
    return static_cast<stage::StageScreen&>(game.program().window("frm" + std::to_string(n)));
  }
  // Space, and the four seconds of countdown: the race tick is on, not yet run.
  void startRace() {
    game.press(kSpace);
    game.advance(5000);
  }
  void tick(int n = 1) { game.advance(25 * n); }
  // Moves every rival and the slow vehicle far out of the way.
  void clearRoad(stage::StageScreen& s) {
    for (const char* o : {"Image2", "Image3", "Image4"}) s.el(o).Top = 60000;
    s.el("Image5").Top = -20000;
  }
  // Stage n raced on a road of its own.
  stage::StageScreen& racingAlone(int n) {
    auto& s = open(n);
    startRace();
    clearRoad(s);
    return s;
  }
  std::string message(stage::StageScreen& s) { return s.el("Label6").Caption; }

  ui::VirtualSession game;
};

// ---- the countdown --------------------------------------------------------------

TEST_F(StageTest, SpaceCountsDownThreeTwoOneGoThenRaces) {
  auto& s = open(1);
  EXPECT_EQ(message(s), "  Press Space       to Start");
  game.advance(3000);
  EXPECT_EQ(s.countdownValue, 4) << "nothing happens before Space";
  game.press(kSpace);
  game.advance(400);
  game.press(kSpace);  // a second Space does not restart the countdown
  game.advance(600);
  EXPECT_EQ(message(s), "3");
  EXPECT_EQ(s.el("Label6").Left, 1600);
  game.advance(2000);
  EXPECT_EQ(message(s), "1");
  game.advance(1000);
  EXPECT_EQ(message(s), "   GO!");
  EXPECT_EQ(s.el("Label6").Left, 840);
  EXPECT_FALSE(s.el("Timer1").enabled());
  game.advance(1000);
  EXPECT_EQ(message(s), "");
  EXPECT_TRUE(s.el("Timer1").enabled());
  EXPECT_FALSE(s.el("Timer2").enabled());
  EXPECT_EQ(s.countdownValue, -1);
  EXPECT_EQ(game.waves, (std::vector<std::string>{"\\1.wav", "\\1.wav", "\\1.wav", "\\Ding.wav"}));
}

// ---- speed, drag and overheat ------------------------------------------------------

TEST_F(StageTest, OverheatIsJudgedAfterTheDrag) {
  auto& s = racingAlone(1);
  s.playerSpeed = 360;
  tick();
  EXPECT_EQ(s.el("Label7").Caption, "Over Heat !") << "the readout sees 360";
  EXPECT_EQ(s.playerSpeed, 350) << "after the drag of 10 it survives";
  EXPECT_EQ(s.el("Label1").Caption, "350");
  s.playerSpeed = 361;
  tick();
  EXPECT_EQ(s.playerSpeed, 0);
  EXPECT_EQ(s.el("Label1").Caption, "0");
}

TEST_F(StageTest, TheReadoutAtExactlyOneHundredAndAtTopSpeed) {
  auto& s = racingAlone(1);
  s.el("Label7").Caption = "Over Heat !";
  s.playerSpeed = 100;
  tick();
  EXPECT_EQ(s.el("Label7").Caption, "Over Heat !") << "at 100 the state keeps its text";
  s.playerSpeed = 101;
  tick();
  EXPECT_EQ(s.el("Label7").Caption, "");
  s.playerSpeed = 251;
  tick();
  EXPECT_EQ(s.el("Label1").ForeColor, ui::colour::kRed);
  EXPECT_EQ(s.el("Label7").Caption, "極速!!");
  EXPECT_EQ(s.playerSpeed, 241);
  s.playerSpeed = 250;
  tick();
  EXPECT_EQ(s.el("Label1").ForeColor, ui::colour::kYellow) << "top speed itself is yellow";
  EXPECT_EQ(s.el("Label7").Caption, "") << "above 100 and not above top speed";
  EXPECT_EQ(s.playerSpeed, 250) << "no drag at top speed";
}

TEST_F(StageTest, SpeedNeverGoesBelowZeroOrOutOfRange) {
  auto& s = open(3);
  for (int i = 0; i < 40000; ++i) game.keyDown(kUp);
  EXPECT_EQ(s.playerSpeed, 32767) << "thousands of presses saturate";
  for (int i = 0; i < 40000; ++i) game.keyDown(kDown);
  EXPECT_EQ(s.playerSpeed, -32768);
  startRace();
  clearRoad(s);
  tick();
  EXPECT_EQ(s.playerSpeed, 0);
}

// ---- steering ----------------------------------------------------------------------

TEST_F(StageTest, RightOverridesLeftAndReleasingLeftKeepsTurningRight) {
  auto& s = racingAlone(2);
  s.playerSpeed = 200;
  game.keyDown(kLeft);
  tick();
  EXPECT_EQ(s.el("Image1").Left, 2660);
  game.keyDown(kRight);
  game.keyUp(kLeft);
  tick();
  EXPECT_EQ(s.steerRightHeld, 1);
  EXPECT_EQ(s.el("Image1").Left, 2760);
  game.keyUp(kRight);
  tick();
  EXPECT_EQ(s.el("Image1").Left, 2760);
}

TEST_F(StageTest, TheCarStaysOnTheRoad) {
  auto& s = racingAlone(4);
  game.keyDown(kRight);
  tick();
  EXPECT_EQ(s.el("Image1").Left, 2800);
  game.keyDown(kLeft);
  tick(25);
  EXPECT_EQ(s.el("Image1").Left, 0);
}

// ---- rivals, the slow vehicle, collisions -----------------------------------------------

TEST_F(StageTest, ATouchStopsTheCarEveryTickItLasts) {
  auto& s = racingAlone(1);
  s.el("Image3").Left = 2760 + 999;
  s.el("Image3").Top = 3840 - 999;
  s.playerSpeed = 200;
  tick();
  EXPECT_EQ(s.playerSpeed, 0);
  EXPECT_EQ(game.waves.back(), "\\C6.wav");
  const auto crashes = game.waves.size();
  s.el("Image3").Top = 3840 - 999 + 195;  // it pulls away 195 at a standstill
  tick();
  EXPECT_EQ(game.waves.size(), crashes + 1) << "the overlap plays the crash again";
  s.el("Image3").Left = 2760 + 1000;
  s.el("Image3").Top = 3840;
  s.playerSpeed = 200;
  tick();
  EXPECT_GT(s.playerSpeed, 0) << "1000 twips apart is no touch";
}

TEST_F(StageTest, TheSlowVehicleComesBackInThePlayersLane) {
  auto& s = open(1, 0);
  startRace();
  for (const char* o : {"Image2", "Image3", "Image4"}) s.el(o).Top = 60000;
  s.el("Image1").Left = 1200;
  s.el("Image5").Top = 3840 + 401;
  s.playerSpeed = 50;  // it keeps its place this tick
  tick();
  EXPECT_EQ(s.el("Image5").Left, 1200);
  EXPECT_EQ(s.el("Image5").Top, 3840 - 12000);
}

TEST_F(StageTest, EasierRacesHoldTheSlowVehicleOffTheRoadWhileThePlayerIsBehind) {
  struct Case {
    std::int16_t difficulty, rank;
    bool held;
  } cases[] = {{20, 2, true},  {20, 1, false}, {10, 3, true},
               {10, 2, false}, {0, 4, false},  {20, 4, true}};
  for (const Case& c : cases) {
    ui::VirtualSession g(frontend::addWindows);
    g.program().module<frontend::Settings>().difficultyBonus = c.difficulty;
    g.start("frm1");
    auto& s = static_cast<stage::StageScreen&>(g.front());
    g.press(kSpace);
    g.advance(5000);
    s.playerRank = c.rank;
    s.el("Image5").Top = -3000;
    s.playerSpeed = 0;
    g.advance(25);
    EXPECT_EQ(s.el("Image5").Top == -10000, c.held)
        << "difficulty " << c.difficulty << " rank " << c.rank;
  }
  // A vehicle already on the road keeps coming.
  auto& s = open(1, 20);
  startRace();
  s.playerRank = 4;
  s.el("Image5").Top = 100;
  tick();
  EXPECT_EQ(s.el("Image5").Top, 50);
}

// ---- rank and the finish ---------------------------------------------------------------

TEST_F(StageTest, RankIsACascadeNotASort) {
  auto& s = open(1);
  startRace();
  s.el("Image5").Top = -20000;
  s.el("Image2").Left = s.el("Image3").Left = s.el("Image4").Left = 0;
  s.el("Image1").Left = 2800;
  // Rival 3 behind the car but rival 2 ahead: the cascade still says first.
  s.el("Image2").Top = 8000;
  s.el("Image3").Top = -5000;
  s.el("Image4").Top = 5000;
  tick();
  EXPECT_EQ(s.playerRank, 1);
  tick();
  EXPECT_EQ(s.el("Label3").FontSize, 28);
}

TEST_F(StageTest, WithSpeedZeroTheRaceNeverEnds) {
  auto& s = racingAlone(1);
  s.distanceTravelled = 5000;
  tick(2000);
  EXPECT_TRUE(s.el("Timer1").enabled());
  EXPECT_EQ(s.el("Image6").Top, -1400);
}

// Brings the banner past the car with the given rank and no rivals in reach.
void finishWithRank(stage::StageScreen& s, std::int16_t rank) {
  const float rivals[4][3] = {{60000, 60000, 60000},
                              {60000, 60000, -60000},
                              {60000, -60000, -60000},
                              {-60000, -60000, -60000}};
  for (int k = 0; k < 3; ++k)
    s.el(k == 0 ? "Image2" : k == 1 ? "Image3" : "Image4").Top = rivals[rank - 1][k];
  s.el("Image5").Top = -20000;
  s.el("Image6").Top = 3840 - 50;
  s.distanceTravelled = 4000;
  s.playerSpeed = 100;
}

TEST_F(StageTest, StagesOneToFourPassInFirstOrSecond) {
  for (std::int16_t rank : {1, 2, 3}) {
    ui::VirtualSession g(frontend::addWindows);
    g.start("frm4");
    auto& s = static_cast<stage::StageScreen&>(g.front());
    g.press(kSpace);
    g.advance(5000);
    finishWithRank(s, rank);
    g.advance(25);
    EXPECT_FALSE(s.el("Timer1").enabled());
    EXPECT_EQ(s.el("Label6").Caption,
              rank < 3 ? "You Pass (Press Space)" : "Game Over (Press Space)");
  }
}

TEST_F(StageTest, StageFiveIsWonOnlyInFirstPlace) {
  auto& s = open(5);
  startRace();
  finishWithRank(s, 2);
  tick();
  EXPECT_EQ(s.playerRank, 2);
  EXPECT_EQ(message(s), "Game Over (Press Space)");
  game.press(kSpace);
  ASSERT_TRUE(s.loaded());
  EXPECT_EQ(message(s), "  Press Space       to Start") << "a failed stage starts afresh";
  startRace();
  finishWithRank(s, 1);
  tick();
  EXPECT_EQ(message(s), "You Win ! (Press Space)");
}

// ---- pause, restart, quit ------------------------------------------------------------------

TEST_F(StageTest, PauseWorksOnlyOnceTheCountdownIsOver) {
  auto& s = open(1);
  game.keyDown(kP);
  game.press(kSpace);
  game.advance(4500);
  game.keyDown(kP);
  EXPECT_EQ(game.waves.size(), 4u) << "no bell for P during the countdown";
  game.advance(500);
  game.keyDown(kP);
  EXPECT_FALSE(s.el("Timer1").enabled());
  EXPECT_EQ(message(s), "  Pause");
  const int ticks = s.elapsedTicks;
  game.advance(1000);
  EXPECT_EQ(s.elapsedTicks, ticks);
  game.keyDown(kUp);
  EXPECT_EQ(s.playerSpeed, 50) << "Up works while paused";
  game.keyDown(kP);
  EXPECT_TRUE(s.el("Timer1").enabled());
  EXPECT_EQ(message(s), "");
  EXPECT_EQ(game.waves.back(), "\\Ding.wav");
}

TEST_F(StageTest, AfterTheFinishPRingsInStagesOneToFourButNeverInFive) {
  for (int n : {3, 5}) {
    ui::VirtualSession g(frontend::addWindows);
    g.start("frm" + std::to_string(n));
    auto& s = static_cast<stage::StageScreen&>(g.front());
    g.press(kSpace);
    g.advance(5000);
    finishWithRank(s, 1);
    g.advance(25);
    const auto before = g.waves.size();
    const std::string shown = s.el("Label6").Caption;
    g.keyDown(kP);
    EXPECT_EQ(g.waves.size(), before + (n == 5 ? 0 : 1)) << "stage " << n;
    EXPECT_FALSE(s.el("Timer1").enabled());
    EXPECT_EQ(s.el("Label6").Caption, shown) << "no pause after the finish";
  }
}

TEST_F(StageTest, SpaceDuringTheRaceDoesNothing) {
  auto& s = racingAlone(1);
  game.press(kSpace);
  game.advance(2000);
  EXPECT_TRUE(s.loaded());
  EXPECT_TRUE(s.el("Timer1").enabled());
  EXPECT_FALSE(s.el("Timer2").enabled());
}

TEST_F(StageTest, AFailedStageRestartsKeepingRankAndSteering) {
  auto& s = open(2);
  startRace();
  finishWithRank(s, 3);
  tick();
  game.keyDown(kRight);  // still held when the new run starts
  game.press(kSpace);
  ASSERT_TRUE(s.loaded());
  EXPECT_EQ(game.music, (std::vector<std::string>{"2.mid", "2.mid"}));
  EXPECT_EQ(s.playerRank, 3);
  EXPECT_EQ(s.steerRightHeld, 1);
  EXPECT_EQ(s.playerSpeed, 0);
  EXPECT_EQ(s.distanceTravelled, 0);
  EXPECT_EQ(s.el("Image6").Top, -1400);
  EXPECT_EQ(s.countdownValue, 4);
  // The first tick of the new run steers with the old rank's penalty.
  startRace();
  clearRoad(s);
  s.playerSpeed = 200;
  tick();
  EXPECT_EQ(s.playerSpeed, 199);
  EXPECT_EQ(s.el("Image1").Left, 2800);
}

TEST_F(StageTest, RestartingStagesOneThreeAndFiveLeavesTheMusicAlone) {
  auto& s = open(3);
  startRace();
  finishWithRank(s, 4);
  tick();
  game.press(kSpace);
  EXPECT_TRUE(game.music.empty());
}

TEST_F(StageTest, ShiftEndsTheGameInAnyState) {
  open(2);
  game.keyDown(kShift);
  EXPECT_TRUE(game.ended());
}

TEST_F(StageTest, APassedStageReturnsToWhoeverShowedIt) {
  game.start("Form1");
  bool back = false;
  auto& s = screen(1);
  game.program().show(s, ui::ShowMode::Modal, [&] { back = true; });
  game.press(kSpace);
  game.advance(5000);
  finishWithRank(s, 4);
  tick();
  game.press(kSpace);  // fail: shows itself again
  EXPECT_FALSE(back);
  startRace();
  finishWithRank(s, 1);
  tick();
  game.press(kSpace);
  EXPECT_TRUE(back);
  EXPECT_FALSE(s.loaded());
  EXPECT_EQ(game.program().front(), &game.program().window("Form1"));
}

// ---- the lent car of stages 4 and 5 -----------------------------------------------------

TEST_F(StageTest, TheLentCarShowsSteeringAndTopSpeed) {
  auto& s = open(4);
  EXPECT_EQ(s.el("Image1").Picture, "car-pro-normal");
  startRace();
  clearRoad(s);
  game.keyDown(kLeft);
  tick();
  EXPECT_EQ(s.el("Image1").Picture, "car-pro-trun");
  game.keyUp(kLeft);
  game.keyDown(kUp);
  EXPECT_EQ(s.el("Image1").Picture, "car-pro-normal");
  s.playerSpeed = 360;
  tick();
  EXPECT_EQ(s.el("Image1").Picture, "car-pro-normal") << "360 is 350 after the drag";
  s.playerSpeed = 400;
  tick();
  EXPECT_EQ(s.el("Image1").Picture, "car-pro-speed2") << "over 350 after the tick";
}

TEST_F(StageTest, DownStraightensTheCarInStageFiveEvenWhenStopped) {
  auto& four = open(4);
  four.el("Image1").Picture = "car-pro-trun";
  game.keyDown(kDown);
  EXPECT_EQ(four.el("Image1").Picture, "car-pro-trun") << "stage 4: only while racing";

  ui::VirtualSession g(frontend::addWindows);
  g.start("frm5");
  auto& five = static_cast<stage::StageScreen&>(g.front());
  five.el("Image1").Picture = "car-pro-trun";
  g.keyDown(kDown);
  EXPECT_EQ(five.el("Image1").Picture, "car-pro-normal");
}

TEST_F(StageTest, StagesOneToThreeKeepTheirOwnCar) {
  auto& s = racingAlone(2);
  game.keyDown(kLeft);
  s.playerSpeed = 400;
  tick();
  EXPECT_EQ(s.el("Image1").Picture, "car-player");
}

TEST_F(StageTest, TheTimeStopsAtItsLimit) {
  auto& s = racingAlone(1);
  s.elapsedTicks = 32766;
  tick(3);
  EXPECT_EQ(s.elapsedTicks, 32767);
  EXPECT_EQ(s.el("Label5", 0).Caption, "32767");
}

}  // namespace
