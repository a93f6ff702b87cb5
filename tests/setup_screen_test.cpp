// The setup screen: name, password and difficulty, written into the title
// screen for the story. Where each password leads is in story_test; the
// story begun plainly is the recorded game story_normal.
#include <gtest/gtest.h>

#include "frontend/game.h"
#include "frontend/settings.h"
#include "ui/virtual/session.h"

namespace {

class SetupTest : public ::testing::Test {
 protected:
  SetupTest() : game(frontend::addWindows) {
    game.start("Form1");
    for (int i = 0; i < 4; ++i) game.click("Command1");
    game.program().show(setup(), ui::ShowMode::Modal);
  }
  ui::Window& setup() { return game.program().window("Form6"); }
  ui::Window& title() { return game.program().window("Form1"); }
  frontend::Settings& settings() { return game.program().module<frontend::Settings>(); }
  // Types a name and a password, then presses a difficulty button.
  void choose(const std::string& name, const std::string& password, const char* button) {
    game.program().text(setup(), setup().el("Text1"), name);
    game.program().text(setup(), setup().el("Text2"), password);
    game.click(button);
  }

  ui::VirtualSession game;
};

TEST_F(SetupTest, TheStageFiveBannerHasOneMoreBlankWithTheHardButton) {
  choose("Mei", "7318", "Command3");
  EXPECT_EQ(title().el("Text1").Text, std::string(29, ' ') + "~ Stage 5~");
  EXPECT_EQ(settings().difficultyBonus, 0) << "the button decides the difficulty";
}

TEST_F(SetupTest, PasswordsMatchExactly) {
  for (const char* wrong : {" 9482", "9482 ", "94820", "6150", "", "９４８２"}) {
    ui::VirtualSession g(frontend::addWindows);
    g.start("Form6");
    g.program().text(g.front(), g.front().el("Text2"), wrong);
    g.click("Command1");
    EXPECT_EQ(g.program().module<frontend::Settings>().storyStep, 2) << "'" << wrong << "'";
    EXPECT_EQ(g.program().module<frontend::Settings>().difficultyBonus, 20);
    EXPECT_EQ(g.program().window("Form1").el("Text1").Text, "Halvard:你就是新來的Tarvos?!");
  }
}

TEST_F(SetupTest, AnEmptyNameBecomesTarvos) {
  choose("", "", "Command3");
  EXPECT_EQ(title().el("Text2").Text, "Tarvos");
  EXPECT_EQ(title().el("Text1").Text, "Halvard:你就是新來的Tarvos?!");
}

TEST_F(SetupTest, AnyNameIsTakenAsTyped) {
  const std::string odd = "  a:b 🏁 " + std::string(5000, 'x') + "\t名";
  choose(odd, "", "Command2");
  EXPECT_EQ(title().el("Text2").Text, odd);
  EXPECT_EQ(title().el("Text1").Text, "Halvard:你就是新來的" + odd + "?!");
}

TEST_F(SetupTest, ClosingTheWindowItselfSetsNothing) {
  game.program().text(setup(), setup().el("Text2"), "9482");
  game.program().close(setup());
  EXPECT_EQ(settings().storyStep, 1);
  EXPECT_FALSE(settings().difficultyBonus.has_value());
  EXPECT_EQ(title().el("Text1").Text, "driftwing.example.org");
  EXPECT_TRUE(title().el("Command2").Visible);
}

}  // namespace
