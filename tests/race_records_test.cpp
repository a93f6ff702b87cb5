// What a recording says of its race: recorded games played on the virtual
// clock up to their last moment on screen, then described as the list of
// recordings shows them.
#include "frontend/race_records.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

#include "frontend/game.h"
#include "replay/runner.h"
#include "replay/script.h"
#include "ui/program.h"

namespace {

using About = std::map<std::string, std::string>;

// Plays a recorded game of the golden folder on `screen` until `untilMs`,
// and describes the race window as it stands then.
About describedAt(const std::string& script, const std::string& screen, std::int64_t untilMs,
                  std::vector<ui::Setting> sets = {}) {
  std::ifstream in(std::string(DRIFTWING_GOLDEN_DIR) + "/" + script + ".script");
  std::string error;
  auto lines = replay::parseScript(in, error);
  EXPECT_TRUE(lines.has_value()) << error;
  replay::Options opt;
  opt.screen = screen;
  opt.sets = std::move(sets);
  opt.until = untilMs;
  About about;
  opt.atEnd = [&](ui::Program& p) {
    ui::Window& w = p.window(screen);
    EXPECT_TRUE(w.loaded());
    if (w.loaded()) about = frontend::describeRace(w);
  };
  EXPECT_EQ(replay::run(opt, lines.value_or(std::vector<replay::ScriptLine>{}),
                        frontend::addWindows, nullptr, {}, error),
            0)
      << error;
  return about;
}

TEST(RaceRecords, AStagePassedBeforeItsSpaceSaysPassedWithRankTimeAndDifficulty) {
  const About about = describedAt("stage1_pass_pause", "frm1", 44274, {{"difficultyBonus", {10}}});
  EXPECT_EQ(about.at("mode"), "stage1");
  EXPECT_EQ(about.at("result"), "passed");
  EXPECT_EQ(about.at("difficulty"), "10");
  EXPECT_EQ(std::stoi(about.at("time")) % 25, 0) << "ticks of 25 ms";
  EXPECT_GT(std::stoi(about.at("time")), 20000);
  EXPECT_EQ(about.at("rank"), "1");
}

TEST(RaceRecords, AStageLeftBeforeTheFinishWasQuit) {
  const About about = describedAt("stage1_pass_pause", "frm1", 9000);
  EXPECT_EQ(about.at("result"), "quit");
  EXPECT_EQ(about.count("difficulty"), 0u) << "no difficulty was ever chosen";
}

TEST(RaceRecords, TheFinalRunSecondIsAFailure) {
  const About about = describedAt("stage5_second", "frm5", 42249, {{"difficultyBonus", {20}}});
  EXPECT_EQ(about.at("mode"), "stage5");
  EXPECT_EQ(about.at("result"), "failed") << "second place does not pass the final";
  EXPECT_EQ(about.at("rank"), "2");
}

TEST(RaceRecords, TheBattleNamesItsWinnerAndTheShooterItsScore) {
  const About battle = describedAt("battle_red_wins", "Form3", 45649);
  EXPECT_EQ(battle.at("mode"), "battle");
  EXPECT_EQ(battle.at("result"), "red");
  const About early = describedAt("battle_red_wins", "Form3", 3000);
  EXPECT_EQ(early.at("result"), "none");

  const About shooter = describedAt("bonus_2p_gameover", "frmMain", 6874);
  EXPECT_EQ(shooter.at("mode"), "shooter");
  EXPECT_EQ(shooter.at("result"), "over");
  EXPECT_EQ(shooter.count("time"), 0u) << "how long it was played is the recording's to say";
  EXPECT_FALSE(shooter.at("score").empty());
  EXPECT_EQ(describedAt("bonus_2p_gameover", "frmMain", 9974).at("result"), "quit")
      << "a new game begun and left";
}

TEST(RaceRecords, TheNetworkRaceAndTheMenusAreNotRecorded) {
  ui::Program* program = nullptr;
  replay::Options opt;
  opt.until = 0;
  opt.atEnd = [&](ui::Program& p) {
    for (const char* race : {"frm1", "frm2", "frm3", "frm4", "frm5", "Form3", "frmMain"})
      EXPECT_TRUE(frontend::isRecordedRace(p.window(race))) << race;
    for (const char* other : {"Form1", "Form2", "Form4", "Form5", "Form6"})
      EXPECT_FALSE(frontend::isRecordedRace(p.window(other))) << other;
    program = &p;
  };
  std::string error;
  ASSERT_EQ(replay::run(opt, {}, frontend::addWindows, nullptr, {}, error), 0) << error;
  EXPECT_NE(program, nullptr);
}

}  // namespace
