// The game's command line: the window's size on common screens, and the
// language choice.
#include "app/options.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "app/command_line.h"

namespace {

TEST(Options, TheDefaultScaleFillsAComfortablePartOfCommonScreens) {
  // The title window is 576 x 351; screens less their panels.
  EXPECT_EQ(app::comfortableScale(576, 351, 1366, 728), 1) << "a small laptop";
  EXPECT_EQ(app::comfortableScale(576, 351, 1920, 1040), 2) << "1080p";
  EXPECT_EQ(app::comfortableScale(576, 351, 2560, 1400), 2) << "1440p";
  EXPECT_EQ(app::comfortableScale(576, 351, 3840, 2120), 4) << "4K at 100 %";
  EXPECT_EQ(app::comfortableScale(576, 351, 800, 600), 1) << "never below 1";
  EXPECT_EQ(app::comfortableScale(576, 351, 0, 0), 1) << "no screen size known";
}

TEST(Options, AScaleAskedForIsKeptWithinTheScreen) {
  // The shooter's window, the game's largest, on screens less their panels.
  EXPECT_EQ(app::largestFittingScale(640, 455, 1920, 1040), 2) << "1080p: 3 is too tall";
  EXPECT_EQ(app::largestFittingScale(640, 455, 2560, 1400), 3) << "1440p";
  EXPECT_EQ(app::largestFittingScale(640, 455, 3840, 2120), 4) << "4K";
  EXPECT_EQ(app::largestFittingScale(640, 455, 600, 400), 1) << "never below 1";
  EXPECT_EQ(app::largestFittingScale(640, 455, 0, 0), 0) << "no screen size known";
}

TEST(Options, LanguageIsChineseEnglishOrTheDesktops) {
  std::string error;
  auto o = app::parseOptions({"--lang", "en", "--scale", "3"}, error);
  ASSERT_TRUE(o) << error;
  EXPECT_EQ(o->lang, "en");
  EXPECT_EQ(o->scale, 3);
  EXPECT_TRUE(app::parseOptions({"--lang", "auto"}, error));
  EXPECT_FALSE(app::parseOptions({"--lang", "fr"}, error));
  EXPECT_NE(error.find("--lang"), std::string::npos);
  EXPECT_FALSE(app::parseOptions({"--lang"}, error)) << "a missing value";
  EXPECT_TRUE(app::parseOptions({}, error)->lang.empty()) << "the environment decides";
}

TEST(Options, ASettingSetsANumberOrAnArrayElementByElement) {
  std::string error;
  auto o = app::parseOptions({"--set", "rivals=3,-4,5", "--set", "bonus=10", "--set", "rivals=1"},
                             error);
  ASSERT_TRUE(o) << error;
  ASSERT_EQ(o->sets.size(), 2u) << "a name set again takes its earlier place";
  EXPECT_EQ(o->sets[0].name, "bonus");
  EXPECT_EQ(o->sets[1].values, std::vector<long long>{1});
  for (const char* bad : {"rivals=", "rivals=1,,2", "rivals=1,", "=1", "rivals=a,b", "rivals"}) {
    EXPECT_FALSE(app::parseOptions({"--set", bad}, error)) << bad;
    EXPECT_EQ(error, "--set takes NAME=VALUE or NAME=V1,V2,... in whole numbers");
  }

  std::int16_t bonus = 0;
  std::array<std::int16_t, 3> rivals{};
  std::string name;
  ui::VarTable globals, start;
  globals.add("bonus", bonus);
  start.add("rivals", rivals);
  start.add("name", name);
  auto set = [&](const char* text) {
    ui::Setting s;
    EXPECT_TRUE(app::parseSetting(text, s)) << text;
    return ui::setAtStart(globals, start, "frm1", s);
  };
  EXPECT_EQ(set("rivals=3,-4,70000"), "");
  EXPECT_EQ(rivals, (std::array<std::int16_t, 3>{3, -4, 32767})) << "in order, saturating";
  EXPECT_EQ(set("rivals=9"), "");
  EXPECT_EQ(rivals, (std::array<std::int16_t, 3>{9, 9, 9})) << "one value for every element";
  EXPECT_EQ(set("rivals=1,2"), "rivals takes 1 value or 3, not 2");
  EXPECT_EQ(rivals[0], 9) << "left as it was";
  EXPECT_EQ(set("bonus=1,2"), "bonus takes 1 value, not 2");
  EXPECT_EQ(set("bonus=15"), "");
  EXPECT_EQ(bonus, 15);
  EXPECT_EQ(set("name=1"), "frm1 has no setting or variable name") << "a text is not a number";
  EXPECT_EQ(set("weather=1"), "frm1 has no setting or variable weather");
}

// The replay tool's way of reading: help at once, its own words for a
// missing value, and one script.
struct ReplayLine {
  bool help = false;
  std::string screen;
  std::vector<std::string> scripts;
  app::CommandLine line{app::CommandLine::Missing::SaysWhatItTakes};
  ReplayLine() {
    line.flag(
            {"--help", "-h"}, [this] { help = true; }, true)
        .option(
            "--screen",
            [this](const std::string& v) {
              screen = v;
              return v != "nowhere";
            },
            "--screen needs a window name")
        .operands([this](const std::string& a, std::string& error) {
          if (!scripts.empty()) {
            error = "one script only";
            return false;
          }
          scripts.push_back(a);
          return true;
        });
  }
};

TEST(CommandLine, HelpIsAnsweredWhateverFollowsIt) {
  ReplayLine r;
  std::string error;
  EXPECT_TRUE(r.line.read({"--help", "--frobnicate", "a", "b"}, error)) << error;
  EXPECT_TRUE(r.help);
  EXPECT_TRUE(r.scripts.empty()) << "nothing after the help is read";
  ReplayLine late;
  EXPECT_FALSE(late.line.read({"--frobnicate", "--help"}, error));
  EXPECT_EQ(error, "unknown option --frobnicate") << "a bad option before it still counts";
}

TEST(CommandLine, EachOptionSaysWhatItTakes) {
  std::string error;
  EXPECT_FALSE(ReplayLine().line.read({"--screen"}, error));
  EXPECT_EQ(error, "--screen needs a window name");
  EXPECT_FALSE(ReplayLine().line.read({"--screen", "nowhere"}, error));
  EXPECT_EQ(error, "--screen needs a window name");
  EXPECT_FALSE(app::parseOptions({"--screen"}, error));
  EXPECT_EQ(error, "--screen needs a value") << "the game's plain word for a missing value";
  EXPECT_FALSE(app::parseOptions({"--scale", "17"}, error));
  EXPECT_EQ(error, "--scale takes a whole number from 1 to 16");
}

TEST(CommandLine, ScriptsAreNamedOnceAndOptionsAreNeverTakenForOne) {
  std::string error;
  ReplayLine r;
  ASSERT_TRUE(r.line.read({"--screen", "-x", "-"}, error)) << error;
  EXPECT_EQ(r.screen, "-x") << "a value may look like an option";
  EXPECT_EQ(r.scripts, std::vector<std::string>{"-"}) << "\"-\" is a name, not an option";
  EXPECT_FALSE(ReplayLine().line.read({"a", "b"}, error));
  EXPECT_EQ(error, "one script only");
  EXPECT_FALSE(ReplayLine().line.read({"-q"}, error));
  EXPECT_EQ(error, "unknown option -q");
  EXPECT_FALSE(app::parseOptions({"story"}, error));
  EXPECT_EQ(error, "unknown option story") << "the game takes no file";
}

}  // namespace
