// The title screen, as a player meets it. The title sequence, the help
// screen over it, the links and closing the window are the recorded game
// title_sequence.
#include "frontend/title_screen.h"

#include <gtest/gtest.h>

#include "frontend/game.h"
#include "ui/virtual/session.h"

namespace {

class TitleTest : public ::testing::Test {
 protected:
  TitleTest() : game(frontend::addWindows) { game.start("Form1"); }
  ui::Window& title() { return game.program().window("Form1"); }
  ui::Element& el(const char* name) { return title().el(name); }

  ui::VirtualSession game;
};

TEST_F(TitleTest, AnEmptyNameBecomesTarvosAtEveryClick) {
  EXPECT_EQ(el("Text2").Text, "Text2");
  el("Text2").Text = "";
  game.click("Command1");
  EXPECT_EQ(el("Text2").Text, "Tarvos");
  el("Text2").Text = "Mei: a b";
  game.click("Command1");
  EXPECT_EQ(el("Text2").Text, "Mei: a b");
}

TEST_F(TitleTest, TheClickCounterNeverOverflows) {
  auto& screen = static_cast<frontend::TitleScreen&>(title());
  screen.titleClicks = 32767;
  game.click("Command1");
  EXPECT_EQ(screen.titleClicks, 32767);
  EXPECT_EQ(el("Text1").Text, std::string(21, ' ') + "Driftwing") << "no title step replays";
}

}  // namespace
