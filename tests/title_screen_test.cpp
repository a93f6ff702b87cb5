// The title screen and the help screen, as a player meets them.
#include "frontend/title_screen.h"

#include <gtest/gtest.h>

#include "frontend/game.h"
#include "frontend/links.h"
#include "frontend/settings.h"
#include "ui/virtual/session.h"

namespace {

class TitleTest : public ::testing::Test {
 protected:
  TitleTest() : game(frontend::addWindows) { game.start("Form1"); }
  ui::Window& title() { return game.program().window("Form1"); }
  ui::Element& el(const char* name) { return title().el(name); }
  frontend::Settings& settings() { return game.program().module<frontend::Settings>(); }

  ui::VirtualSession game;
};

TEST_F(TitleTest, StartsWithTheTitleMusicAndOnlyTheFirstButton) {
  EXPECT_EQ(game.music, std::vector<std::string>{"tvop.Mid"});
  EXPECT_EQ(el("Text1").Text, std::string(21, ' ') + "Driftwing");
  EXPECT_TRUE(el("Command1").Visible);
  EXPECT_EQ(el("Command1").Caption, "按此");
  for (const char* hidden : {"Command2", "Command3", "Command4", "Text2"})
    EXPECT_FALSE(el(hidden).Visible) << hidden;
  EXPECT_FALSE(settings().storyStep.has_value());
}

TEST_F(TitleTest, FourClicksPlayTheTitleSequence) {
  const std::string pad(26, ' ');
  game.click("Command1");
  EXPECT_EQ(el("Text1").Text, pad + "Driftwing");
  game.click("Command1");
  EXPECT_EQ(el("Text1").Text, pad + "「Zephyrun」");
  game.click("Command1");
  EXPECT_EQ(el("Text1").Text, pad + "By Orvel");
  EXPECT_FALSE(el("Command2").Visible) << "the other buttons wait for the fourth click";
  EXPECT_FALSE(settings().storyStep.has_value());
  game.click("Command1");
  EXPECT_EQ(el("Text1").Text, frontend::kHomePageShort);
  EXPECT_EQ(settings().storyStep, 1);
  EXPECT_EQ(el("Command1").Caption, "故事");
  for (const char* shown : {"Command2", "Command3", "Command4"})
    EXPECT_TRUE(el(shown).Visible) << shown;
}

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

TEST_F(TitleTest, HelpOpensModallyAndClosingItLeavesTheTitleUnchanged) {
  for (int i = 0; i < 4; ++i) game.click("Command1");
  const std::string before = el("Text1").Text;
  game.click("Command2");
  ui::Window& help = game.program().window("Form2");
  ASSERT_EQ(game.program().front(), &help);
  EXPECT_EQ(help.el("Label1").Caption, "故事模式:");
  EXPECT_EQ(help.elements().size(), 7u);
  // The title screen takes no clicks while help is open.
  game.program().click(title(), el("Command1"));
  EXPECT_EQ(static_cast<frontend::TitleScreen&>(title()).titleClicks, 4);
  game.program().close(help);
  EXPECT_EQ(game.program().front(), &title());
  EXPECT_EQ(el("Text1").Text, before);
  EXPECT_FALSE(game.ended());
}

TEST_F(TitleTest, LinksOpenTheHomePageAndAMailWithoutBlocking) {
  game.click("Label1");
  game.click("Label2");
  EXPECT_EQ(game.shell().opened,
            (std::vector<std::string>{frontend::kHomePage,
                                      std::string("mailto:") + frontend::kMailAddress}));
  EXPECT_EQ(game.program().front(), &title());
  game.click("Command1");
  EXPECT_EQ(static_cast<frontend::TitleScreen&>(title()).titleClicks, 1);
}

TEST_F(TitleTest, ClosingTheTitleWindowEndsTheProgram) {
  game.click("Command1");
  game.click("Command1");
  game.click("Command1");
  game.click("Command1");
  game.click("Command2");
  game.program().close(game.program().window("Form2"));
  game.program().close(title());
  EXPECT_TRUE(game.ended());
}

}  // namespace
