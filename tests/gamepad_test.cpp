// Gamepads driving the game's windows on the virtual clock: what the pads
// do, and the keys that reach the game for it.
#include "ui/gamepad.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>

#include "battle/battle_screen.h"
#include "bonus/bonus_screen.h"
#include "frontend/game.h"
#include "stage/stage_screen.h"
#include "ui/keys.h"
#include "ui/virtual/session.h"

namespace {

using ui::PadAxis;
using ui::PadButton;

std::string keyName(int code) {
  static const std::map<int, std::string> named = {{ui::vk::kLeft, "Left"},
                                                   {ui::vk::kUp, "Up"},
                                                   {ui::vk::kRight, "Right"},
                                                   {ui::vk::kDown, "Down"},
                                                   {ui::vk::kSpace, "Space"}};
  if (auto it = named.find(code); it != named.end()) return it->second;
  if (code >= ui::vk::numpad(0)) return "Num" + std::to_string(code - ui::vk::numpad(0));
  return std::string(1, static_cast<char>(code));
}

class PadTest : public ::testing::Test {
 protected:
  PadTest() : game(frontend::addWindows) {
    game.driver().setTrace(&writer);
    writer.attach(game.program());
  }
  ui::Program& program() { return game.program(); }
  template <class W>
  W& window(const char* name) {
    return static_cast<W&>(program().window(name));
  }
  // What the desktop's poller does after reading the pads.
  void poll() { pads.drive(program()); }
  // The game goes on for `ms`, the pads polled every millisecond.
  void play(int ms) {
    for (int i = 0; i < ms; ++i) {
      game.advance(1);
      poll();
    }
  }
  void press(int pad, PadButton b) {
    pads.button(pad, b, true);
    poll();
  }
  void release(int pad, PadButton b) {
    pads.button(pad, b, false);
    poll();
  }
  void tilt(int pad, PadAxis a, double v) {
    pads.axis(pad, a, v);
    poll();
  }

  struct Heard {
    std::int64_t t;
    std::string window;
    int code;
    bool down;
  };
  // Every key event the game handled since the last look, from the trace.
  std::vector<Heard> heard() {
    static const std::regex head(
        R"re(^\{"t": (\d+), "event": "(keydown|keyup)", "window": "([^"]*)".*?"code": (\d+))re");
    std::vector<Heard> all;
    std::istringstream lines(out.str());
    out.str("");
    std::string line;
    while (std::getline(lines, line)) {
      std::smatch m;
      const std::string start = line.substr(0, 200);
      if (std::regex_search(start, m, head))
        all.push_back({std::stoll(m[1]), m[3], std::stoi(m[4]), m[2] == "keydown"});
    }
    return all;
  }
  // The same, as "Form3 +W" and "Form3 -W".
  std::vector<std::string> keys() {
    std::vector<std::string> text;
    for (const Heard& h : heard())
      text.push_back(h.window + (h.down ? " +" : " -") + keyName(h.code));
    return text;
  }
  // The gaps between the presses of one key, in milliseconds.
  std::vector<std::int64_t> gaps(int code) {
    std::vector<std::int64_t> t;
    for (const Heard& h : heard())
      if (h.code == code && h.down) t.push_back(h.t);
    std::vector<std::int64_t> between;
    for (std::size_t i = 1; i < t.size(); ++i) between.push_back(t[i] - t[i - 1]);
    return between;
  }

  using Keys = std::vector<std::string>;
  std::ostringstream out;
  ui::TraceWriter writer{out};
  ui::VirtualSession game;
  ui::Gamepads pads;
};

// ---- the stage races --------------------------------------------------------------------

TEST_F(PadTest, TheFirstPadDrivesAStageRaceWithTheRaceKeys) {
  game.start("frm2");
  pads.plug(7);
  pads.plug(8);
  auto& race = window<stage::StageScreen>("frm2");

  press(7, PadButton::Start);
  release(7, PadButton::Start);
  EXPECT_TRUE(race.el("Timer2").enabled()) << "Start counts down like Space";
  press(7, PadButton::Left);
  EXPECT_EQ(race.steerLeftHeld, 1);
  release(7, PadButton::Left);
  EXPECT_EQ(race.steerLeftHeld, 0);
  tilt(7, PadAxis::LeftX, 0.9);
  EXPECT_EQ(race.steerRightHeld, 1);
  tilt(7, PadAxis::LeftX, 0.4);
  EXPECT_EQ(race.steerRightHeld, 1) << "a stick easing off a little still steers";
  tilt(7, PadAxis::LeftX, 0.1);
  EXPECT_EQ(race.steerRightHeld, 0);
  EXPECT_EQ(keys(), (Keys{"frm2 +Space", "frm2 -Space", "frm2 +Left", "frm2 -Left", "frm2 +Right",
                          "frm2 -Right"}));

  // Taps, each let go before the next poll.
  for (PadButton b : {PadButton::A, PadButton::B, PadButton::X, PadButton::Y, PadButton::Back}) {
    pads.button(7, b, true);
    pads.button(7, b, false);
    poll();
  }
  tilt(7, PadAxis::LeftTrigger, 1);
  tilt(7, PadAxis::LeftTrigger, 0);
  EXPECT_EQ(keys(),
            (Keys{"frm2 +Up", "frm2 -Up", "frm2 +Down", "frm2 -Down", "frm2 +Space", "frm2 -Space",
                  "frm2 +P", "frm2 -P", "frm2 +P", "frm2 -P", "frm2 +Down", "frm2 -Down"}));

  press(8, PadButton::A);
  tilt(8, PadAxis::LeftX, -1);
  play(500);
  EXPECT_EQ(keys(), Keys{}) << "the second pad has no car in a stage race";
}

TEST_F(PadTest, HoldingAAcceleratesLikeAHeldUpKey) {
  game.start("frm1");
  pads.plug(1);
  press(1, PadButton::A);
  play(400);
  release(1, PadButton::A);
  const std::vector<Heard> h = heard();
  ASSERT_EQ(h.size(), 7u);
  EXPECT_EQ(h[1].t - h[0].t, 250) << "the first repeat waits like a keyboard's";
  for (int i = 2; i < 6; ++i) EXPECT_EQ(h[i].t - h[i - 1].t, 33) << "then thirty a second";
  EXPECT_FALSE(h[6].down);
  EXPECT_EQ(window<stage::StageScreen>("frm1").playerSpeed, 6 * 50);
  play(1000);
  EXPECT_EQ(keys(), Keys{}) << "nothing more once let go";
}

TEST_F(PadTest, TheRightTriggersDepthSetsTheRhythmOfTheUpKey) {
  game.start("frm1");
  pads.plug(1);
  const auto squeeze = [&](double depth, int ms) {
    tilt(1, PadAxis::RightTrigger, depth);
    play(ms);
    tilt(1, PadAxis::RightTrigger, 0);
    return gaps(ui::vk::kUp);
  };
  EXPECT_EQ(squeeze(0.12, 1100), (std::vector<std::int64_t>{497, 497})) << "two a second";
  EXPECT_EQ(squeeze(0.55, 300), (std::vector<std::int64_t>{111, 111})) << "nine a second";
  EXPECT_EQ(squeeze(1, 100), (std::vector<std::int64_t>{33, 33, 33})) << "thirty a second";

  // Squeezing harder brings the next press closer.
  tilt(1, PadAxis::RightTrigger, 0.12);
  play(100);
  tilt(1, PadAxis::RightTrigger, 1);
  play(40);
  tilt(1, PadAxis::RightTrigger, 0);
  EXPECT_EQ(gaps(ui::vk::kUp), (std::vector<std::int64_t>{100, 33}));
}

// ---- the bonus shooter ------------------------------------------------------------------

TEST_F(PadTest, EachShipOfTheShooterTakesAPadInTurn) {
  game.start("frmMain");
  game.click("cmdStart");  // two players
  game.advance(25);
  pads.plug(3);
  pads.plug(4);
  auto& bonus = window<bonus::BonusScreen>("frmMain");

  tilt(3, PadAxis::LeftY, -1);
  EXPECT_EQ(bonus.ships[0].upHeld, 1);
  press(4, PadButton::Down);
  EXPECT_EQ(bonus.ships[1].downHeld, 1);
  tilt(3, PadAxis::LeftY, 0);
  release(4, PadButton::Down);
  EXPECT_EQ(bonus.ships[0].upHeld, 0);
  EXPECT_EQ(bonus.ships[1].downHeld, 0);
  EXPECT_EQ(keys(), (Keys{"frmMain +W", "frmMain +Down", "frmMain -W", "frmMain -Down"}));

  press(3, PadButton::A);  // held: a stream of shots
  press(4, PadButton::X);
  play(260);
  release(3, PadButton::A);
  release(4, PadButton::X);
  EXPECT_EQ(keys(), (Keys{"frmMain +G", "frmMain +Num1", "frmMain +G", "frmMain +Num1",
                          "frmMain -G", "frmMain -Num1"}));
}

// ---- the battle ---------------------------------------------------------------------------

TEST_F(PadTest, TheFirstPadIsRedAndTheSecondBlueInTheBattle) {
  game.start("Form3");
  pads.plug(11);
  pads.plug(12);
  auto& battle = window<battle::BattleScreen>("Form3");

  tilt(11, PadAxis::LeftX, -1);
  press(12, PadButton::Right);
  EXPECT_EQ(battle.players[battle::kRed].leftHeld, 1);
  EXPECT_EQ(battle.players[battle::kBlue].rightHeld, 1);
  EXPECT_EQ(battle.players[battle::kBlue].leftHeld, 0);
  press(11, PadButton::Y);
  EXPECT_EQ(battle.players[battle::kRed].turboHeld, 1);
  press(12, PadButton::Y);
  EXPECT_EQ(battle.players[battle::kBlue].turboHeld, 1);
  for (int pad : {11, 12}) {
    press(pad, PadButton::A);
    release(pad, PadButton::A);
  }
  EXPECT_EQ(battle.players[battle::kRed].speed, 50);
  EXPECT_EQ(battle.players[battle::kBlue].speed, 50);
  tilt(12, PadAxis::RightTrigger, 1);
  tilt(12, PadAxis::RightTrigger, 0);
  tilt(11, PadAxis::LeftTrigger, 1);
  tilt(11, PadAxis::LeftTrigger, 0);
  for (int pad : {11, 12}) {
    press(pad, PadButton::X);
    release(pad, PadButton::X);
  }
  EXPECT_EQ(keys(),
            (Keys{"Form3 +A", "Form3 +Right", "Form3 +H", "Form3 +Num2", "Form3 +W", "Form3 -W",
                  "Form3 +Up", "Form3 -Up", "Form3 +Up", "Form3 -Up", "Form3 +S", "Form3 -S",
                  "Form3 +G", "Form3 -G", "Form3 +Num1", "Form3 -Num1"}));
}

TEST_F(PadTest, PadsCountInTheOrderTheyWerePluggedIn) {
  game.start("Form3");
  pads.plug(20);
  pads.plug(30);
  pads.plug(40);
  press(30, PadButton::Left);
  press(40, PadButton::Left);
  EXPECT_EQ(keys(), Keys{"Form3 +Left"}) << "the third pad has no car";

  pads.unplug(20);
  poll();
  EXPECT_EQ(keys(), Keys{"Form3 -Left"})
      << "blue's pad now drives red, and its held button waits to be let go";
  play(300);
  EXPECT_EQ(keys(), Keys{});
  release(30, PadButton::Left);
  press(30, PadButton::Left);
  release(40, PadButton::Left);
  press(40, PadButton::Left);
  EXPECT_EQ(keys(), (Keys{"Form3 +A", "Form3 +Left"}));

  pads.plug(20);  // back in, last
  press(20, PadButton::Right);
  press(30, PadButton::A);
  pads.unplug(30);
  pads.unplug(40);
  poll();
  EXPECT_EQ(keys(), (Keys{"Form3 +W", "Form3 -A", "Form3 -W", "Form3 -Left"}))
      << "pads pulled out let go of their keys";
  play(500);
  pads.button(30, PadButton::B, true);  // reports about a pad gone are ignored
  poll();
  EXPECT_EQ(keys(), Keys{}) << "no more repeats";
  release(20, PadButton::Right);
  press(20, PadButton::Right);
  EXPECT_EQ(keys(), Keys{"Form3 +D"});
  EXPECT_EQ(window<battle::BattleScreen>("Form3").players[battle::kRed].rightHeld, 1);
}

// ---- the network race --------------------------------------------------------------------

TEST_F(PadTest, TheNetworkRaceSteersAStepAPressWhileTheStickIsHeld) {
  game.start("Form1");
  program().show(program().window("Form5"), ui::ShowMode::Modal);
  out.str("");
  pads.plug(5);
  ui::Element& car = program().window("Form5").el("car1", 0);
  const float left = car.Left;
  tilt(5, PadAxis::LeftX, -1);
  play(300);  // a step, then two repeats
  tilt(5, PadAxis::LeftX, 0);
  EXPECT_EQ(car.Left, left - 300);
  press(5, PadButton::A);
  release(5, PadButton::A);
  press(5, PadButton::B);
  release(5, PadButton::B);
  press(5, PadButton::X);
  press(5, PadButton::Y);
  EXPECT_EQ(keys(), (Keys{"Form5 +A", "Form5 +A", "Form5 +A", "Form5 -A", "Form5 +W", "Form5 -W",
                          "Form5 +S", "Form5 -S", "Form5 +G", "Form5 +H"}));
}

// ---- elsewhere, and changes -----------------------------------------------------------------

TEST_F(PadTest, PadsDoNothingOnTheOtherWindows) {
  game.start("Form1");
  pads.plug(1);
  pads.plug(2);
  for (int pad : {1, 2}) {
    for (PadButton b :
         {PadButton::A, PadButton::B, PadButton::X, PadButton::Y, PadButton::Back, PadButton::Start,
          PadButton::Up, PadButton::Down, PadButton::Left, PadButton::Right})
      press(pad, b);
    for (PadAxis a : {PadAxis::LeftX, PadAxis::LeftY, PadAxis::LeftTrigger, PadAxis::RightTrigger})
      tilt(pad, a, 1);
  }
  play(500);
  EXPECT_EQ(keys(), Keys{});
}

TEST_F(PadTest, AWindowComingInFrontLetsGoOfHeldKeys) {
  game.start("Form3");
  pads.plug(1);
  auto& battle = window<battle::BattleScreen>("Form3");
  tilt(1, PadAxis::LeftX, -1);
  press(1, PadButton::A);
  ui::Window& help = program().window("Form2");
  program().show(help);
  poll();
  EXPECT_EQ(battle.players[battle::kRed].leftHeld, 0);
  play(500);
  program().hide(help);
  play(500);
  EXPECT_EQ(keys(), (Keys{"Form3 +A", "Form3 +W", "Form3 -A", "Form3 -W"}))
      << "a button held through the change waits to be let go";
  tilt(1, PadAxis::LeftX, 0);
  tilt(1, PadAxis::LeftX, -1);
  EXPECT_EQ(keys(), Keys{"Form3 +A"});
  EXPECT_EQ(battle.players[battle::kRed].leftHeld, 1);
}

}  // namespace
