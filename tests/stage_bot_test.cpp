// The test player passes every stage at every difficulty.
#include "tests/support/stage_bot.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "frontend/game.h"
#include "frontend/settings.h"
#include "stage/stage_screen.h"
#include "ui/virtual/session.h"

namespace {

struct Race {
  int stage;
  std::int16_t difficulty;
};

class StageBotTest : public ::testing::TestWithParam<Race> {};

TEST_P(StageBotTest, PassesTheStage) {
  const Race r = GetParam();
  ui::VirtualSession game(frontend::addWindows);
  game.program().module<frontend::Settings>().difficultyBonus = r.difficulty;
  game.start("Form1");
  auto& screen =
      static_cast<stage::StageScreen&>(game.program().window("frm" + std::to_string(r.stage)));
  bool returned = false;
  game.program().show(screen, ui::ShowMode::Modal, [&] { returned = true; });
  bot::StageBot player;
  const int races = player.play(game, screen);
  std::printf("stage %d difficulty %d: passed in race %d\n", r.stage, r.difficulty, races);
  EXPECT_GT(races, 0);
  EXPECT_TRUE(returned) << "the stage closed and its owner went on";
}

std::vector<Race> allRaces() {
  std::vector<Race> out;
  for (int stage = 1; stage <= 5; ++stage)
    for (std::int16_t d : {20, 10, 0}) out.push_back({stage, d});
  return out;
}

INSTANTIATE_TEST_SUITE_P(EveryStage, StageBotTest, ::testing::ValuesIn(allRaces()),
                         [](const auto& info) {
                           const char* level = info.param.difficulty == 20   ? "Easy"
                                               : info.param.difficulty == 10 ? "Normal"
                                                                             : "Hard";
                           return "Stage" + std::to_string(info.param.stage) + level;
                         });

}  // namespace
