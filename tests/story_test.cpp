// The whole story, played as a player would: the title sequence, the setup
// screen, every scene with its line and portraits, the five races driven by
// the test player, and the bonus game at the end.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "frontend/game.h"
#include "frontend/settings.h"
#include "stage/stage_screen.h"
#include "tests/support/stage_bot.h"
#include "ui/keys.h"
#include "ui/virtual/session.h"

namespace {

struct Expect {
  int scene;
  const char* text;  // the story box after the click, with the player called Mei
  bool textShown;
  const char* portraits;  // Image1 to Image5 shown (1) or hidden (0)
  const char* background;
  const char* button;
};

// clang-format off
const Expect kStory[] = {
    {2, "Halvard:哈哈,有前途呢^^", true, "01000", "title", "按此"},
    {3, "Mirelle:哪要看他能不能通過初次預賽了", true, "11000", "title", "按此"},
    {4, "Mei:嗯......", true, "11000", "title", "按此"},
    {5, "                          (預賽開始)", true, "00000", "title", "按此"},
    {6, "                          (預賽開始)", false, "00000", "scene-1", "按此"},
    {7, "Halvard:恭喜你通過了預賽啊~~", true, "01000", "scene-1", "按此"},
    {8, "Mei:嗯...多謝前輩", true, "01000", "scene-1", "按此"},
    {9, "Quellan:看來Vantor隊的新手也不錯呢", true, "01100", "scene-1", "按此"},
    {10, "Halvard:Quellan?!對了,你們會在下場碰上的", true, "01100", "scene-1", "按此"},
    {11, "Quellan:不錯,我很期待和Mei比試呢", true, "01100", "scene-1", "按此"},
    {12, "Mei:.......(冒冷汗)", true, "01100", "scene-1", "按此"},
    {13, "Mirelle:不用太緊張呢,下次可用新車了^^", true, "11000", "scene-1", "按此"},
    {14, "Mei:.......(依然緊張)", true, "11000", "scene-1", "按此"},
    {15, "                          (賽事開始)", true, "00000", "scene-1", "按此"},
    {16, "                          (賽事開始)", false, "00000", "scene-2", "按此"},
    {17, "Quellan:Mei果然很有潛質 ", true, "00100", "scene-2", "按此"},
    {18, "Mei (臉紅):不過始終不及前輩啊 ", true, "00100", "scene-2", "按此"},
    {19, "                          (另一方面) ", true, "00000", "scene-2", "按此"},
    {20, "Mirelle:Brisko,你怎麼呀? ", true, "10000", "scene-2", "按此"},
    {21, "Brisko:下場比賽要和你隊的Mei較量了 ", true, "10010", "scene-2", "按此"},
    {22, "Mirelle:哈哈,想不到我的偶像會怕一個新手呢", true, "10010", "scene-2", "按此"},
    {23, "Brisko:不,只是覺得他有點似以前的我罷了", true, "10010", "scene-2", "按此"},
    {24, "                          (比賽開始)", true, "00000", "scene-2", "按此"},
    {25, "                          (比賽開始)", false, "00000", "scene-3", "按此"},
    {26, "Dorrin:我們又要再一決高下了", true, "00001", "scene-3", "按此"},
    {27, "Halvard:我今次會和Mei交換坐駕的", true, "01001", "scene-3", "按此"},
    {28, "Dorrin:什麼?!你想放棄Ultrapex嗎?!", true, "01001", "scene-3", "按此"},
    {29, "Halvard:你也只用舊車吧,我要靠實力取勝", true, "01001", "scene-3", "按此"},
    {30, "                          (比賽開始)", true, "00000", "scene-3", "按此"},
    {31, "                          (比賽開始)", false, "00000", "scene-4", "按此"},
    {32, "Halvard:下場是決賽了,你繼續用我的車吧", true, "01000", "scene-4", "按此"},
    {33, "Mei:前輩,哪你呢?", true, "01000", "scene-4", "按此"},
    {34, "Mirelle:Halvard在上次弄壞了你的GPS啊", true, "11000", "scene-4", "按此"},
    {35, "Mirelle:何仿他今次不出賽也拿定總冠軍的了", true, "11000", "scene-4", "按此"},
    {36, "Halvard:一定要最快衝過終點啊", true, "11000", "scene-4", "按此"},
    {37, "Mei:一定!!", true, "11000", "scene-4", "按此"},
    {38, "                          (決賽開始)", true, "00000", "scene-4", "按此"},
    {39, "                          (決賽開始)", false, "00000", "scene-5", "按此"},
    {40, "Quellan:今次大賽又是Halvard勝出了", true, "00100", "scene-5", "按此"},
    {41, "Brisko:連第二名也是Vantor隊的人呢,", true, "00110", "scene-5", "按此"},
    {42, "Dorrin:真是英雄出少年", true, "00011", "scene-5", "按此"},
    {43, "Mei:嗯...你們見笑了", true, "00011", "scene-5", "按此"},
    {44, "Halvard:我們去食飯慶祝吧", true, "01000", "scene-5", "按此"},
    {45, "Mei:好啊~~", true, "01000", "scene-5", "按此"},
    {46, "                          ~THE END~", true, "00000", "scene-5", "Special"},
    {49, "                          ~THE END~", true, "00000", "scene-5", "Special"},
};
// clang-format on

// Plays the story and writes what it did as a replay script, when asked to.
class Player {
 public:
  explicit Player(ui::VirtualSession& game) : game_(game) {}
  ~Player() {
    if (const char* path = std::getenv("DRIFTWING_RECORD_STORY")) {
      std::ofstream out(path);
      for (const auto& l : lines_) out << l << "\n";
    }
  }
  ui::Window& title() { return game_.program().window("Form1"); }
  frontend::Settings& settings() { return game_.program().module<frontend::Settings>(); }
  void wait(int ms) { game_.advance(ms); }
  void click(const std::string& element) {
    ui::Window& w = game_.front();
    record("click " + w.name() + "." + element);
    game_.program().click(w, w.el(element));
  }
  void clickTitle() {
    record("click Form1.Command1");
    game_.program().click(title(), title().el("Command1"));
  }
  void type(const std::string& element, const std::string& text) {
    record("text " + element + " " + text);
    game_.program().text(game_.front(), game_.front().el(element), text);
  }
  // Races the stage in front, if one is, to its pass.
  int race() {
    auto* stage = dynamic_cast<stage::StageScreen*>(&game_.front());
    if (stage == nullptr) return 0;
    bot::StageBot player;
    return player.play(game_, *stage, 10, [this](int code, bool down) {
      record(std::string(down ? "keydown " : "keyup ") + std::to_string(code));
    });
  }

 private:
  void record(const std::string& what) {
    lines_.push_back(std::to_string(game_.now()) + " " + what);
  }
  ui::VirtualSession& game_;
  std::vector<std::string> lines_;
};

std::string portraits(ui::Window& title) {
  std::string out;
  for (int i = 1; i <= 5; ++i) out += title.el("Image" + std::to_string(i)).Visible ? '1' : '0';
  return out;
}

TEST(Story, FromTheFirstClickToTheBonusGame) {
  ui::VirtualSession game(frontend::addWindows);
  game.start("Form1");
  Player p(game);
  for (int i = 0; i < 4; ++i) {
    p.wait(400);
    p.clickTitle();
  }
  p.wait(400);
  p.clickTitle();
  ASSERT_EQ(game.front().name(), "Form6") << "the fifth click opens the setup screen";
  p.wait(400);
  p.type("Text1", "Mei");
  p.wait(400);
  p.click("Command2");
  ASSERT_EQ(p.settings().storyStep, 2);
  EXPECT_EQ(p.settings().difficultyBonus, 10);

  int races = 0;
  for (const Expect& e : kStory) {
    SCOPED_TRACE("scene " + std::to_string(e.scene));
    ASSERT_EQ(p.settings().storyStep, e.scene);
    p.wait(400);
    p.clickTitle();
    if (game.front().name().rfind("frm", 0) == 0 && game.front().name() != "frmMain") {
      EXPECT_EQ(p.title().el("Text1").Visible, e.scene == 6) << "the box waits during the race";
      EXPECT_EQ(p.settings().storyStep, e.scene == 25 ? 26 : e.scene)
          << "only the third race moves the story on before it starts";
      const int tries = p.race();
      ASSERT_GT(tries, 0) << "the test player passes every stage";
      races += tries;
      ASSERT_EQ(game.front().name(), "Form1") << "the story goes on after the pass";
    }
    ui::Window& title = p.title();
    EXPECT_EQ(title.el("Text1").Text, e.text);
    EXPECT_EQ(title.el("Text1").Visible, e.textShown);
    EXPECT_EQ(portraits(title), e.portraits);
    EXPECT_EQ(title.el("Picture1").Picture, e.background);
    EXPECT_EQ(title.el("Command1").Caption, e.button);
  }
  EXPECT_GE(races, 5);
  EXPECT_EQ(game.music.back(), "come_orl.mid") << "the ending tune plays from scene 40";
  EXPECT_EQ(p.settings().storyStep, 49);
  for (const char* b : {"Command2", "Command3", "Command4"})
    EXPECT_TRUE(p.title().el(b).Visible) << b;

  // After the end, every click plays the last scene and opens the bonus game.
  ui::Window& bonus = game.program().window("frmMain");
  p.wait(400);
  p.clickTitle();
  EXPECT_TRUE(bonus.visible());
  EXPECT_EQ(game.program().front(), &bonus);
  EXPECT_EQ(p.title().el("Text1").Text, std::string(26, ' ') + "~THE END~");
  p.wait(400);
  p.clickTitle();  // the bonus window is modeless: the title still takes clicks
  EXPECT_EQ(game.program().front(), &bonus);
  game.program().close(bonus);
  p.wait(400);
  p.clickTitle();
  EXPECT_TRUE(bonus.loaded()) << "a closed bonus game opens afresh";
  EXPECT_EQ(p.settings().storyStep, 49);
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
