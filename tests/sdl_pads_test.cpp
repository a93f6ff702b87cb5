// Gamepads through the real SDL2: virtual pads made by SDL itself, read by
// the game's poller, driving the real game windows.
#include "platform/sdl/sdl_pads.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cstdlib>

#include "battle/battle_screen.h"
#include "frontend/game.h"
#include "media/media.h"
#include "platform/qt/key_bindings.h"
#include "platform/qt/qt_driver.h"
#include "platform/sdl/sdl_media.h"
#include "stage/stage_screen.h"
#include "ui/virtual/session.h"

namespace {

// A pad SDL knows as a game controller, its buttons and axes numbered as
// SDL's game-controller ones.
class VirtualPad {
 public:
  VirtualPad() {
    SDL_VirtualJoystickDesc desc;
    SDL_zero(desc);
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
    desc.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
    desc.name = "Driftwing test pad";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    if (index >= 0) stick_ = SDL_JoystickOpen(index);
  }
  ~VirtualPad() { unplug(); }
  VirtualPad(const VirtualPad&) = delete;
  VirtualPad& operator=(const VirtualPad&) = delete;

  bool in() const { return stick_ != nullptr; }
  void button(SDL_GameControllerButton b, bool down) {
    SDL_JoystickSetVirtualButton(stick_, b, down ? SDL_PRESSED : SDL_RELEASED);
  }
  void axis(SDL_GameControllerAxis a, Sint16 v) { SDL_JoystickSetVirtualAxis(stick_, a, v); }
  void unplug() {
    if (stick_ == nullptr) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(stick_);
    SDL_JoystickClose(stick_);
    stick_ = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
      if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
  }

 private:
  SDL_Joystick* stick_ = nullptr;
};

class SdlPadsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The test's own hold on SDL's joysticks, to make pads with.
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    if (SDL_NumJoysticks() > 0) GTEST_SKIP() << "a real pad is plugged in";
  }
  void TearDown() override { SDL_QuitSubSystem(SDL_INIT_JOYSTICK); }
};

// The real battle on the virtual clock, its pads read by the real poller.
TEST_F(SdlPadsTest, TwoPadsRaceTheBattleAndTheFirstGoingHandsRedToTheSecond) {
  ui::VirtualSession game(frontend::addWindows);
  game.start("Form3");
  auto& battle = static_cast<battle::BattleScreen&>(game.front());
  platform::SdlPads pads(game.program());
  ASSERT_TRUE(pads.ready());
  VirtualPad red, blue;
  ASSERT_TRUE(red.in() && blue.in()) << SDL_GetError();
  pads.poll();
  ASSERT_EQ(pads.count(), 2);

  red.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
  blue.axis(SDL_CONTROLLER_AXIS_LEFTX, 32767);
  pads.poll();
  EXPECT_EQ(battle.players[battle::kRed].leftHeld, 1);
  EXPECT_EQ(battle.players[battle::kBlue].rightHeld, 1);
  // Blue holds A for 300 ms: a press, the keyboard's pause, a repeat.
  blue.button(SDL_CONTROLLER_BUTTON_A, true);
  for (int ms = 0; ms < 300; ms += 10) {
    pads.poll();
    game.advance(10);
  }
  EXPECT_EQ(battle.players[battle::kBlue].speed, 3 * 50);
  EXPECT_EQ(battle.players[battle::kRed].speed, 0);

  red.unplug();
  pads.poll();
  EXPECT_EQ(pads.count(), 1);
  EXPECT_EQ(battle.players[battle::kRed].leftHeld, 0) << "a pad pulled out lets go of its keys";
  EXPECT_EQ(battle.players[battle::kBlue].rightHeld, 0) << "blue has no pad now";
  blue.button(SDL_CONTROLLER_BUTTON_A, false);
  pads.poll();
  blue.button(SDL_CONTROLLER_BUTTON_A, true);
  pads.poll();
  EXPECT_EQ(battle.players[battle::kRed].speed, 50) << "the pad left drives red";
  EXPECT_EQ(battle.players[battle::kBlue].speed, 3 * 50);
}

TEST_F(SdlPadsTest, APadAlreadyInWithAButtonHeldCountsFromTheStart) {
  VirtualPad pad;
  ASSERT_TRUE(pad.in()) << SDL_GetError();
  pad.button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
  SDL_JoystickUpdate();
  ui::VirtualSession game(frontend::addWindows);
  game.start("frm3");
  platform::SdlPads pads(game.program());
  pads.poll();
  EXPECT_EQ(pads.count(), 1);
  EXPECT_EQ(static_cast<stage::StageScreen&>(game.front()).steerRightHeld, 1);
}

// A player who swapped A and B for the stage races brakes on A and speeds
// up on B there; the battle keeps its buttons. A button let go after another
// window came to the front lets go of the part it pressed.
TEST_F(SdlPadsTest, FaceButtonsSwappedForAModeActAsEachOtherInItsWindowsOnly) {
  ui::VirtualSession game(frontend::addWindows);
  game.start("frm3");
  auto& race = static_cast<stage::StageScreen&>(game.front());
  platform::qt::KeyBindings keys;
  keys.swapButton(platform::qt::Mode::Stage, ui::PadButton::A, ui::PadButton::B);
  platform::SdlPads pads(game.program());
  pads.setKeyBindings(&keys);
  VirtualPad pad;
  ASSERT_TRUE(pad.in()) << SDL_GetError();
  pads.poll();
  ASSERT_EQ(pads.count(), 1);

  pad.button(SDL_CONTROLLER_BUTTON_B, true);
  pads.poll();
  EXPECT_EQ(race.playerSpeed, 50) << "B speeds up, as A did";
  pad.button(SDL_CONTROLLER_BUTTON_B, false);
  pad.button(SDL_CONTROLLER_BUTTON_A, true);
  pads.poll();
  EXPECT_EQ(race.playerSpeed, 50 - 100) << "A brakes, as B did";
  pad.button(SDL_CONTROLLER_BUTTON_A, false);
  pads.poll();

  pad.button(SDL_CONTROLLER_BUTTON_B, true);  // speeding up in the race, held...
  pads.poll();
  game.program().show(game.program().window("Form3"));
  auto& battle = static_cast<battle::BattleScreen&>(game.front());
  pad.button(SDL_CONTROLLER_BUTTON_B, false);  // ...and let go in the battle
  for (int ms = 0; ms < 600; ms += 10) {
    pads.poll();
    game.advance(10);
  }
  EXPECT_EQ(battle.players[battle::kRed].speed, 0) << "nothing stays held";
  pad.button(SDL_CONTROLLER_BUTTON_A, true);
  pads.poll();
  EXPECT_EQ(battle.players[battle::kRed].speed, 50) << "in the battle A is A";
  pad.button(SDL_CONTROLLER_BUTTON_A, false);
  pads.poll();
}

// The sound and the pads each start and stop their part of SDL.
TEST_F(SdlPadsTest, SoundAndPadsShareSdlWhicheverStopsFirst) {
  ui::VirtualSession game(frontend::addWindows);
  game.start("Form3");
  {
    platform::SdlMedia sound(".");
    {
      platform::SdlPads pads(game.program());
      EXPECT_TRUE(pads.ready());
    }
    EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "the pads leave the sound playing";
    EXPECT_EQ(sound.open(), SDL_WasInit(SDL_INIT_AUDIO) != 0);
  }
  platform::SdlPads pads(game.program());
  { platform::SdlMedia sound("."); }
  VirtualPad pad;
  pads.poll();
  EXPECT_EQ(pads.count(), 1) << "the sound stopping leaves the pads working";
  ui::Element& missile = game.front().el("missile1", 0);
  ASSERT_NE(missile.Top, 2040);
  pad.button(SDL_CONTROLLER_BUTTON_X, true);
  pads.poll();
  EXPECT_EQ(missile.Top, 2040) << "X fired red's missile from its car";
}

class NoShell : public ui::Shell {
 public:
  void open(const std::string&) override {}
};

// The whole desktop: Qt windows, the poller on its own timer, a stage race.
TEST_F(SdlPadsTest, OnTheDesktopAHeldAKeepsPressingUpUntilThePadIsPulledOut) {
  media::SilentMedia silence;
  NoShell shell;
  platform::qt::QtDriver driver(1);
  ui::Program program(driver, silence, shell, ".");
  driver.attach(program);
  frontend::addWindows(program);
  program.start(program.window("frm1"));
  auto& race = static_cast<stage::StageScreen&>(program.window("frm1"));
  platform::SdlPads pads(program);
  VirtualPad pad;
  QTRY_COMPARE_WITH_TIMEOUT(pads.count(), 1, 10000);

  pad.button(SDL_CONTROLLER_BUTTON_A, true);
  pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
  QTRY_VERIFY_WITH_TIMEOUT(race.playerSpeed >= 3 * 50, 10000);
  EXPECT_EQ(race.steerLeftHeld, 1);
  pad.unplug();
  QTRY_COMPARE_WITH_TIMEOUT(pads.count(), 0, 10000);
  EXPECT_EQ(race.steerLeftHeld, 0);
  const auto speed = race.playerSpeed;
  QTest::qWait(400);
  EXPECT_EQ(race.playerSpeed, speed) << "no key stays down";
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // No sound card, no display: SDL's stand-ins.
  setenv("SDL_AUDIODRIVER", "disk", 0);
  setenv("SDL_DISKAUDIOFILE", "/dev/null", 0);
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
