// The story off its straight path: passwords, race windows closed before
// the pass, odd names, and the clicks after the end. The whole story played
// straight through is the recorded game story_normal.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/game.h"
#include "frontend/settings.h"
#include "stage/stage_screen.h"
#include "tests/support/stage_bot.h"
#include "ui/keys.h"
#include "ui/virtual/session.h"

namespace {

std::string portraits(ui::Window& title) {
  std::string out;
  for (int i = 1; i <= 5; ++i) out += title.el("Image" + std::to_string(i)).Visible ? '1' : '0';
  return out;
}

// The setup screen after the title sequence, with a password typed.
void setUp(ui::VirtualSession& game, const std::string& password) {
  game.start("Form1");
  ui::Window& title = game.program().window("Form1");
  for (int i = 0; i < 5; ++i) game.program().click(title, title.el("Command1"));
  ui::Window& setup = game.program().window("Form6");
  game.program().text(setup, setup.el("Text2"), password);
  game.program().click(setup, setup.el("Command2"));
}

TEST(StoryPasswords, EachLeadsToItsSceneAndTheClickAfter) {
  struct Case {
    const char* password;
    std::string banner;
    int step;
    std::string nextLine;
  } cases[] = {
      {"9482", std::string(28, ' ') + "~ Stage 2~", 15, std::string(26, ' ') + "(賽事開始)"},
      {"4637", std::string(28, ' ') + "~ Stage 3~", 24, std::string(26, ' ') + "(比賽開始)"},
      {"5091", std::string(28, ' ') + "~ Stage 4~", 30, std::string(26, ' ') + "(比賽開始)"},
      {"7318", std::string(28, ' ') + "~ Stage 5~", 38, std::string(26, ' ') + "(決賽開始)"},
      {"8264", std::string(25, ' ') + "~ Skyforge ~", 49, std::string(26, ' ') + "~THE END~"},
      {"6150", "Halvard:你就是新來的Tarvos?!", 2, "Halvard:哈哈,有前途呢^^"},
      {" 9482", "Halvard:你就是新來的Tarvos?!", 2, "Halvard:哈哈,有前途呢^^"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("password '") + c.password + "'");
    ui::VirtualSession game(frontend::addWindows);
    setUp(game, c.password);
    ui::Window& title = game.program().window("Form1");
    EXPECT_EQ(title.el("Text1").Text, c.banner);
    EXPECT_EQ(game.program().module<frontend::Settings>().storyStep, c.step);
    game.program().click(title, title.el("Command1"));
    EXPECT_EQ(title.el("Text1").Text, c.nextLine);
    const bool bonus = c.step == 49;
    EXPECT_EQ(game.program().window("frmMain").visible(), bonus)
        << "only the bonus password opens the bonus game at the next click";
    if (c.step == 38) {
      EXPECT_FALSE(title.el("Image1").Visible);
    }
  }
}

TEST(StoryPasswords, TheNextRaceAfterAPasswordIsItsStage) {
  ui::VirtualSession game(frontend::addWindows);
  setUp(game, "5091");
  ui::Window& title = game.program().window("Form1");
  game.program().click(title, title.el("Command1"));  // the heading
  game.program().click(title, title.el("Command1"));  // the race
  EXPECT_EQ(game.front().name(), "frm4");
  EXPECT_FALSE(title.el("Text1").Visible);
  EXPECT_EQ(game.music.back(), "4.mid");
}

// After the end every click opens the bonus game, modeless, and a closed
// one opens afresh.
TEST(StoryEnd, EachClickAfterTheEndOpensTheBonusGame) {
  ui::VirtualSession game(frontend::addWindows);
  setUp(game, "8264");
  ui::Window& title = game.program().window("Form1");
  ui::Window& bonus = game.program().window("frmMain");
  game.program().click(title, title.el("Command1"));
  EXPECT_EQ(game.program().front(), &bonus);
  game.program().click(title, title.el("Command1"));  // the title still takes clicks
  EXPECT_EQ(game.program().front(), &bonus);
  game.program().close(bonus);
  game.program().click(title, title.el("Command1"));
  EXPECT_TRUE(bonus.loaded()) << "a closed bonus game opens afresh";
  EXPECT_EQ(game.program().module<frontend::Settings>().storyStep, 49);
}

TEST(StoryPasswords, ClosingTheSetupScreenLeavesTheStoryAtTheSetup) {
  ui::VirtualSession game(frontend::addWindows);
  game.start("Form1");
  ui::Window& title = game.program().window("Form1");
  for (int i = 0; i < 5; ++i) game.program().click(title, title.el("Command1"));
  game.program().close(game.program().window("Form6"));
  EXPECT_EQ(game.program().module<frontend::Settings>().storyStep, 1);
  game.program().click(title, title.el("Command1"));
  EXPECT_EQ(game.front().name(), "Form6") << "the next click opens it again";
}

// A story that has reached the scene of race n (1 to 5), with its heading
// line in the box.
ui::Window& storyAtRace(ui::VirtualSession& game, int race) {
  const int heading[] = {5, 15, 24, 30, 38};
  game.start("Form1");
  ui::Window& title = game.program().window("Form1");
  auto& settings = game.program().module<frontend::Settings>();
  for (int i = 0; i < 4; ++i) game.program().click(title, title.el("Command1"));  // the titles
  settings.difficultyBonus = 10;
  settings.storyStep = static_cast<std::int16_t>(heading[race - 1]);
  game.program().click(title, title.el("Command1"));
  return title;
}

TEST(StoryRaces, ClosingARaceWindowLeavesTheStoryOnThatRace) {
  const int scene[] = {6, 16, 25, 31, 39};
  for (int race = 1; race <= 5; ++race) {
    SCOPED_TRACE("race " + std::to_string(race));
    ui::VirtualSession game(frontend::addWindows);
    ui::Window& title = storyAtRace(game, race);
    auto& settings = game.program().module<frontend::Settings>();
    const std::string line = title.el("Text1").Text, picture = title.el("Picture1").Picture;
    const std::string portraitsBefore = portraits(title);
    game.program().click(title, title.el("Command1"));
    ui::Window& stage = game.front();
    ASSERT_EQ(stage.name(), "frm" + std::to_string(race));
    game.press(ui::vk::kSpace);
    game.advance(6000);  // racing
    game.program().close(stage);
    EXPECT_FALSE(stage.loaded()) << "the window closes";
    EXPECT_EQ(game.program().front(), &title);
    EXPECT_EQ(settings.storyStep, scene[race - 1]) << "the story waits on the race";
    EXPECT_EQ(title.el("Text1").Text, line);
    EXPECT_TRUE(title.el("Text1").Visible) << "the box shows its heading again";
    EXPECT_EQ(title.el("Picture1").Picture, picture) << "no scene picture of a race not run";
    EXPECT_EQ(portraits(title), portraitsBefore);

    // The next click shows the same race afresh, and passing it goes on.
    game.program().click(title, title.el("Command1"));
    auto* again = dynamic_cast<stage::StageScreen*>(&game.front());
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->name(), "frm" + std::to_string(race));
    EXPECT_EQ(again->countdownValue, 4);
    EXPECT_EQ(again->el("Label6").Caption, "  Press Space       to Start");
    bot::StageBot player;
    ASSERT_GT(player.play(game, *again), 0);
    EXPECT_EQ(settings.storyStep, scene[race - 1] + 1);
    EXPECT_EQ(title.el("Picture1").Picture, "scene-" + std::to_string(race));
  }
}

TEST(StoryRaces, ClosingARestartedRaceAlsoLeavesTheStoryOnIt) {
  ui::VirtualSession game(frontend::addWindows);
  ui::Window& title = storyAtRace(game, 2);
  game.program().click(title, title.el("Command1"));
  auto& stage = static_cast<stage::StageScreen&>(game.front());
  // The race ends in last place: Space starts it again in the same window.
  game.press(ui::vk::kSpace);
  game.advance(5000);
  for (const char* rival : {"Image2", "Image3", "Image4"}) stage.el(rival).Top = -60000;
  stage.el("Image5").Top = -20000;
  stage.el("Image6").Top = 3790;
  stage.distanceTravelled = 4000;
  stage.playerSpeed = 100;
  game.advance(25);
  ASSERT_EQ(stage.el("Label6").Caption, "Game Over (Press Space)");
  game.press(ui::vk::kSpace);
  ASSERT_EQ(&game.front(), &stage);
  game.program().close(stage);
  EXPECT_EQ(game.program().module<frontend::Settings>().storyStep, 16);
  EXPECT_EQ(title.el("Picture1").Picture, "title");
  EXPECT_TRUE(title.el("Text1").Visible);
}

TEST(StoryNames, ANameWithColonsAndBlanksIsInsertedUnchanged) {
  ui::VirtualSession game(frontend::addWindows);
  game.start("Form1");
  ui::Window& title = game.program().window("Form1");
  for (int i = 0; i < 5; ++i) game.program().click(title, title.el("Command1"));
  ui::Window& setup = game.program().window("Form6");
  game.program().text(setup, setup.el("Text1"), " A: b ");
  game.program().click(setup, setup.el("Command1"));
  for (int i = 0; i < 3; ++i) game.program().click(title, title.el("Command1"));
  EXPECT_EQ(title.el("Text1").Text, " A: b :嗯......");
  title.el("Text2").Text = "";  // an empty name becomes Tarvos at the next click
  game.program().click(title, title.el("Command1"));
  EXPECT_EQ(title.el("Text2").Text, "Tarvos");
}

}  // namespace
