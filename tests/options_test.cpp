// The game's command line: the window's size on common screens, and the
// language choice.
#include "app/options.h"

#include <gtest/gtest.h>

namespace {

TEST(Options, TheDefaultScaleFillsAComfortablePartOfCommonScreens) {
  // The title window is 576 x 351; screens less their panels.
  EXPECT_EQ(app::comfortableScale(576, 351, 1366, 728), 1) << "a small laptop";
  EXPECT_EQ(app::comfortableScale(576, 351, 1920, 1040), 2) << "1080p";
  EXPECT_EQ(app::comfortableScale(576, 351, 2560, 1400), 2) << "1440p";
  EXPECT_EQ(app::comfortableScale(576, 351, 3840, 2120), 4) << "4K at 100 %";
  EXPECT_EQ(app::comfortableScale(576, 351, 1920, 1040), 2) << "4K at 200 %, drawn at 4";
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

}  // namespace
