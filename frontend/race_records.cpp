#include "frontend/race_records.h"

#include "battle/battle_screen.h"
#include "bonus/bonus_screen.h"
#include "frontend/settings.h"
#include "stage/stage_screen.h"
#include "ui/program.h"

namespace frontend {

namespace {

constexpr int kTickMs = 25;

std::string msOfTicks(std::int16_t ticks) { return std::to_string(ticks * kTickMs); }

std::map<std::string, std::string> describeStage(stage::StageScreen& s) {
  std::map<std::string, std::string> about;
  about["mode"] = "stage" + std::to_string(s.params().stage);
  // A race left before the banner came down was given up.
  if (!s.finished())
    about["result"] = "quit";
  else
    about["result"] = s.playerRank < s.params().passRankLimit ? "passed" : "failed";
  about["rank"] = std::to_string(s.playerRank);
  about["time"] = msOfTicks(s.elapsedTicks);
  if (const auto& d = s.program().module<Settings>().difficultyBonus)
    about["difficulty"] = std::to_string(*d);
  return about;
}

std::map<std::string, std::string> describeBattle(battle::BattleScreen& b) {
  const auto winner = b.whoWon();
  return {{"mode", "battle"},
          {"result", !winner        ? "none"
                     : *winner == 0 ? "red"
                                    : "blue"},
          {"time", msOfTicks(b.battleTicks)}};
}

// Its time is how long it was played, which the recording knows.
std::map<std::string, std::string> describeShooter(bonus::BonusScreen& s) {
  return {{"mode", "shooter"},
          {"result", s.gameOver() ? "over" : "quit"},
          {"score", std::to_string(s.score)},
          {"level", std::to_string(s.level)}};
}

}  // namespace

bool isRecordedRace(const ui::Window& w) {
  return dynamic_cast<const stage::StageScreen*>(&w) != nullptr ||
         dynamic_cast<const battle::BattleScreen*>(&w) != nullptr ||
         dynamic_cast<const bonus::BonusScreen*>(&w) != nullptr;
}

std::vector<std::string> raceSettings() { return {"storyStep", "difficultyBonus"}; }

std::map<std::string, std::string> describeRace(ui::Window& w) {
  if (auto* s = dynamic_cast<stage::StageScreen*>(&w)) return describeStage(*s);
  if (auto* b = dynamic_cast<battle::BattleScreen*>(&w)) return describeBattle(*b);
  if (auto* s = dynamic_cast<bonus::BonusScreen*>(&w)) return describeShooter(*s);
  return {};
}

}  // namespace frontend
