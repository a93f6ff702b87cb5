// The game's command line: the window's size on common screens, and the
// language choice.
#include "app/options.h"

#include <gtest/gtest.h>

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
