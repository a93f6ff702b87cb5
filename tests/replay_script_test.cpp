// Replay scripts and the runner: what players and bug reports write.
#include <gtest/gtest.h>

#include <sstream>

#include "frontend/game.h"
#include "replay/runner.h"
#include "replay/script.h"

namespace {

std::optional<std::vector<replay::ScriptLine>> parse(const std::string& text, std::string& err) {
  std::istringstream in(text);
  return replay::parseScript(in, err);
}

TEST(ScriptParsing, ReadsEveryKindOfLine) {
  std::string err;
  auto s = parse(
      "# a comment\n"
      "\n"
      "0 keydown 38\n"
      "25 keyup 38\r\n"
      "30 click Form1.Command1\n"
      "40 dblclick Com1(3)\n"
      "50 text Text1   two  blanks \n"
      "60 text Text2 \n"
      "70 option Option2\n"
      "80 focus Picture1\n"
      "90 blur\n"
      "90 close\n",
      err);
  ASSERT_TRUE(s) << err;
  ASSERT_EQ(s->size(), 10u);
  EXPECT_EQ((*s)[0].code, 38);
  EXPECT_EQ((*s)[1].event, "keyup");
  EXPECT_EQ((*s)[2].window, "Form1");
  EXPECT_EQ((*s)[2].element, "Command1");
  EXPECT_EQ((*s)[3].element, "Com1");
  EXPECT_EQ((*s)[3].index, 3);
  EXPECT_EQ((*s)[4].text, "  two  blanks ") << "blanks after the one separator are kept";
  EXPECT_EQ((*s)[5].text, "");
  EXPECT_EQ((*s)[9].lineNo, 12);
}

TEST(ScriptParsing, BadLinesAreNamedByNumber) {
  std::string err;
  EXPECT_FALSE(parse("0 click Command1\n10 jump\n", err));
  EXPECT_EQ(err, "script line 2: unknown event 'jump'");
  EXPECT_FALSE(parse("50 click A\n40 click B\n", err));
  EXPECT_EQ(err, "script line 2: times must not decrease");
  EXPECT_FALSE(parse("x click A\n", err));
  EXPECT_FALSE(parse("0 keydown\n", err));
  EXPECT_FALSE(parse("0 keydown 300\n", err));
  EXPECT_FALSE(parse("0 click Com1(x)\n", err));
  EXPECT_FALSE(parse("0 blur now\n", err));
}

class RunnerTest : public ::testing::Test {
 protected:
  int run(const std::string& script, replay::Options opt = {}) {
    std::string perr;
    auto s = parse(script, perr);
    EXPECT_TRUE(s) << perr;
    auto png = [this](ui::Window& w, int, const std::string& file, std::string&) {
      pictures.push_back(std::to_string(w.program().now()) + " " + w.name() + " " + file);
      return true;
    };
    return replay::run(opt, *s, frontend::addWindows, &trace, png, error);
  }
  std::ostringstream trace;
  std::string error;
  std::vector<std::string> pictures;
};

TEST_F(RunnerTest, AnElementTheFrontWindowLacksStopsTheRunWithItsLine) {
  EXPECT_EQ(run("0 click Command1\n5 click Command9\n10 click Command1\n"), 2);
  EXPECT_EQ(error, "script line 2: Form1 has no element Command9");
  EXPECT_EQ(trace.str().find("\"t\": 10"), std::string::npos) << "nothing runs after the error";
}

TEST_F(RunnerTest, ClicksBehindAModalWindowAreTracedButDoNothing) {
  EXPECT_EQ(run("0 click Command1\n0 click Command1\n0 click Command1\n0 click Command1\n"
                "10 click Command2\n20 click Form1.Command1\n"),
            0);
  const std::string t = trace.str();
  EXPECT_NE(t.find(R"({"t": 20, "event": "click", "window": "Form1", "source": "Command1")"),
            std::string::npos);
  EXPECT_NE(t.find(R"("vars": {"titleClicks": 4})", t.find("\"t\": 20")), std::string::npos);
}

TEST_F(RunnerTest, SettingsAndStartWindowsComeFromTheOptions) {
  replay::Options opt;
  opt.screen = "Form2";
  opt.sets = {{"difficultyBonus", {10}}};
  EXPECT_EQ(run("", opt), 0);
  EXPECT_NE(trace.str().find(R"("window": "Form2")"), std::string::npos);
  EXPECT_NE(trace.str().find(R"("difficultyBonus": 10)"), std::string::npos);

  opt.sets = {{"noSuchThing", {1}}};
  EXPECT_EQ(run("", opt), 2);
  opt.screen = "Form99";
  EXPECT_EQ(run("", opt), 2);
  EXPECT_EQ(error, "no window Form99");
}

TEST_F(RunnerTest, PicturesAreTakenAfterEverythingDueAtTheirTime) {
  replay::Options opt;
  opt.pngs = {{30, "b.png"}, {10, "a.png"}};
  EXPECT_EQ(run("0 click Command1\n10 click Command1\n10 click Command1\n10 click Command1\n"
                "10 click Command2\n",
                opt),
            0);
  EXPECT_EQ(pictures, (std::vector<std::string>{"10 Form2 a.png", "30 Form2 b.png"}))
      << "the run goes on to the last picture";
}

TEST_F(RunnerTest, TheRunStopsWhenTheProgramEnds) {
  EXPECT_EQ(run("0 close\n100 click Command1\n"), 0);
  EXPECT_NE(trace.str().find(R"({"t": 0, "event": "end"})"), std::string::npos);
  EXPECT_EQ(trace.str().find("\"t\": 100"), std::string::npos);
}

}  // namespace
