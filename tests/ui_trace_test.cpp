// The trace of a replay: the public format that tools and bug reports read.
#include <gtest/gtest.h>

#include <sstream>

#include "frontend/game.h"
#include "tests/toy_windows.h"
#include "ui/json.h"
#include "ui/virtual/session.h"

namespace {

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) out.push_back(l);
  return out;
}

bool has(const std::string& line, const std::string& part) {
  return line.find(part) != std::string::npos;
}

TEST(JsonNumbers, SinglePrecisionValuesReadBackExactly) {
  std::string s;
  ui::appendJsonFloat(s, 840.0f);
  EXPECT_EQ(s, "840");
  s.clear();
  ui::appendJsonFloat(s, 11.25f);
  EXPECT_EQ(s, "11.25");
  s.clear();
  ui::appendJsonFloat(s, 0.1f);
  EXPECT_EQ(s, "0.1");
  s.clear();
  ui::appendJsonFloat(s, -10000.0f);
  EXPECT_EQ(s, "-10000");
}

TEST(JsonStrings, ControlCharactersAreEscapedAndUnicodeKept) {
  std::string s;
  ui::appendJsonString(s, "故事\r\n\"x\"\\\x01");
  EXPECT_EQ(s, "\"故事\\r\\n\\\"x\\\"\\\\\\u0001\"");
}

class TraceTest : public ::testing::Test {
 protected:
  std::int64_t clock = 0;
  std::ostringstream out;
};

TEST_F(TraceTest, TheTitleLoadLineCarriesItsMusicAndEveryElement) {
  ui::VirtualSession game(clock, frontend::addWindows, ".", &out);
  game.start("Form1");
  auto l = lines(out.str());
  ASSERT_EQ(l.size(), 1u);
  EXPECT_TRUE(has(l[0], R"({"t": 0, "event": "load", "window": "Form1", "front": null)"));
  EXPECT_TRUE(has(l[0], R"("globals": {"storyStep": null, "difficultyBonus": null, "netRole": 1, )"
                        R"("mySpeed": 0, "peerSpeed": 0, "myTurbo": 200, "peerTurbo": 200, )"
                        R"("myDistance": 0, "peerDistance": 0, "raceTicks": 0, "c1Speed": 0, )"
                        R"("c2Speed": 0, "countdown": 6})"));
  EXPECT_TRUE(has(l[0], R"("vars": {"titleClicks": 0})"));
  EXPECT_TRUE(has(l[0], R"("music": ["tvop.Mid"])"));
  EXPECT_TRUE(has(l[0], R"("Command1": {"Caption": "按此", "Visible": true, "Enabled": true})"));
  EXPECT_TRUE(has(l[0], R"("Text2": {"Text": "Text2", "Visible": false})"));
  EXPECT_TRUE(has(l[0], R"("Label2": {"Caption": "              By Orvel ", "Visible": true, )"
                        R"("Left": 5760, "Top": 4800, "ForeColor": )"));
  EXPECT_TRUE(has(l[0], R"("Picture1": {"Left": 0, "Top": 0, "Width": 8655, "Height": 6015, )"
                        R"("Visible": true, "Picture": "title", "ScaleHeight": 6015})"));
}

TEST_F(TraceTest, AModalShowAndItsCloseAreLinesOfTheirOwn) {
  ui::VirtualSession game(clock, frontend::addWindows, ".", &out);
  game.start("Form1");
  for (int i = 0; i < 4; ++i) game.click("Command1");
  clock = 500;
  game.click("Command2");
  clock = 900;
  game.program().close(game.program().window("Form2"));
  auto l = lines(out.str());
  ASSERT_EQ(l.size(), 9u);
  EXPECT_TRUE(has(l[4], R"("storyStep": 1)"));
  EXPECT_TRUE(has(l[5], R"({"t": 500, "event": "load", "window": "Form2", "front": "Form1")"))
      << "a window loads before it is shown";
  EXPECT_TRUE(has(l[6], R"({"t": 500, "event": "click", "window": "Form1", "source": "Command2", )"
                        R"("front": "Form2")"));
  EXPECT_TRUE(has(l[7], R"({"t": 900, "event": "unload", "window": "Form2", "front": "Form1", )"));
  EXPECT_FALSE(has(l[7], "\"elements\"")) << "an unload line carries variables only";
  EXPECT_TRUE(has(l[8], R"({"t": 900, "event": "close", "window": "Form2", "front": "Form1")"));
}

TEST_F(TraceTest, ChangesToOtherWindowsAreListedWithTheHandler) {
  ui::VirtualSession game(clock, toy::addAll, ".", &out);
  game.start("Hub");
  game.click("Open");
  out.str("");
  game.keyDown(ui::vk::kSpace);  // the dialog closes; the hub's continuation writes "back"
  auto l = lines(out.str());
  ASSERT_EQ(l.size(), 2u);
  EXPECT_TRUE(has(l[0], R"("event": "unload", "window": "Dialog")"));
  EXPECT_TRUE(has(l[1], R"("event": "keydown", "window": "Dialog", "source": "Area", "code": 32)"));
  EXPECT_TRUE(has(l[1], R"("changed": {"Hub": {"vars": {"clicks": 1}, "elements": {)"));
  EXPECT_TRUE(has(l[1], R"("Status": {"Caption": "back")"));
}

TEST_F(TraceTest, TheProgramsEndIsTheLastLine) {
  ui::VirtualSession game(clock, frontend::addWindows, ".", &out);
  game.start("Form1");
  clock = 40;
  game.program().close(game.program().window("Form1"));
  auto l = lines(out.str());
  EXPECT_EQ(l.back(), R"({"t": 40, "event": "end"})");
}

TEST_F(TraceTest, TicksNameTheirTimerAndTheirSounds) {
  ui::VirtualSession game(clock, toy::addAll, ".", &out);
  game.start("Clocks");
  game.program().window("Clocks").el("Timer2").setEnabled(true);
  clock = 100;
  game.program().runTimers(100);
  auto l = lines(out.str());
  EXPECT_TRUE(
      has(l.back(), R"({"t": 100, "event": "tick", "window": "Clocks", "source": "Timer2")"));
  EXPECT_TRUE(has(l.back(), R"("Timer2": {"Enabled": true, "Interval": 100})"));
  EXPECT_TRUE(has(l.back(), R"("sounds": [], "music": [], "net": []})"));
}

}  // namespace
