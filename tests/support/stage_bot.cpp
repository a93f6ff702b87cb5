#include "tests/support/stage_bot.h"

#include <algorithm>
#include <string>
#include <vector>

#include "frontend/game.h"
#include "frontend/settings.h"
#include "stage/stage_screen.h"
#include "ui/keys.h"
#include "ui/virtual/session.h"

namespace bot {

namespace {
constexpr int kHorizon = 40;  // ticks looked ahead
const char* const kSprites[] = {"Image1", "Image2", "Image3", "Image4",
                                "Image5", "Image6", "Image7"};

struct Plan {
  int steer;  // -1 left, 0 none, 1 right
  int ticks;  // how long the steering key is held
};
}  // namespace

// A copy of the race to try plans on: the same stage in a program of its own.
struct StageBot::Sandbox {
  explicit Sandbox(int stage) : game(frontend::addWindows) {
    game.start("frm" + std::to_string(stage));
    screen = static_cast<stage::StageScreen*>(&game.front());
  }

  void copyFrom(stage::StageScreen& real, std::optional<std::int16_t> difficulty) {
    game.program().module<frontend::Settings>().difficultyBonus = difficulty;
    stage::StageScreen& s = *screen;
    s.playerSpeed = real.playerSpeed;
    s.playerRank = real.playerRank;
    s.distanceTravelled = real.distanceTravelled;
    s.elapsedTicks = real.elapsedTicks;
    s.steerLeftHeld = real.steerLeftHeld;
    s.steerRightHeld = real.steerRightHeld;
    s.countdownValue = real.countdownValue;
    for (const char* name : kSprites) {
      s.el(name).Left = real.el(name).Left;
      s.el(name).Top = real.el(name).Top;
    }
    s.el("Timer1").setEnabled(false);
    s.el("Timer1").setEnabled(true);
  }

  ui::VirtualSession game;
  stage::StageScreen* screen;
};

StageBot::StageBot(int variant) : variant_(variant) {}
StageBot::~StageBot() = default;

void StageBot::press(ui::VirtualSession& game, stage::StageScreen& s, int code, bool down) {
  if (down)
    game.program().keyDown(s, code);
  else
    game.program().keyUp(s, code);
}

namespace {

// Keeps the speed in a band over top speed: an Up whenever one more press
// cannot overheat the engine after the drag.
bool wantsUp(const stage::StageScreen& s, int variant) {
  const int margin = 40 + 15 * (variant % 4);
  return s.playerSpeed <= s.params().overheatSpeed - margin;
}

// Plays a plan on the sandbox and says how good it was.
double tryPlan(ui::VirtualSession& sandbox, stage::StageScreen& s, Plan plan, int variant) {
  const auto crashesBefore = sandbox.waves.size();
  const int distanceBefore = s.distanceTravelled;
  const int steerKey = plan.steer < 0 ? ui::vk::kLeft : ui::vk::kRight;
  // The plan decides the steering from now on; whatever was held is let go.
  if (s.steerLeftHeld) sandbox.program().keyUp(s, ui::vk::kLeft);
  if (s.steerRightHeld) sandbox.program().keyUp(s, ui::vk::kRight);
  if (plan.steer != 0) sandbox.program().keyDown(s, steerKey);
  double crashCost = 0;
  for (int t = 0; t < kHorizon; ++t) {
    if (t == plan.ticks && plan.steer != 0) sandbox.program().keyUp(s, steerKey);
    if (wantsUp(s, variant)) sandbox.program().keyDown(s, ui::vk::kUp);
    const auto before = sandbox.waves.size();
    sandbox.advance(25);
    if (sandbox.waves.size() > before) crashCost += 2000.0 * (kHorizon - t) / kHorizon + 500;
    if (!s.el("Timer1").enabled()) break;  // finished
  }
  (void)crashesBefore;
  const double progress = s.distanceTravelled - distanceBefore;
  const double rank = s.playerRank;
  return progress * 4 - crashCost - rank * 30 - (plan.steer != 0 ? plan.ticks * 0.5 : 0);
}

}  // namespace

// One decision, between two ticks of the real race.
void StageBot::drive(ui::VirtualSession& game, stage::StageScreen& s) {
  if (!sandbox_) sandbox_ = std::make_unique<Sandbox>(s.params().stage);
  const auto difficulty = game.program().module<frontend::Settings>().difficultyBonus;
  static const Plan plans[] = {{0, 0},   {-1, 3}, {1, 3},   {-1, 6}, {1, 6},
                               {-1, 12}, {1, 12}, {-1, 24}, {1, 24}};
  Plan best{0, 0};
  double bestScore = -1e18;
  for (const Plan& plan : plans) {
    sandbox_->copyFrom(s, difficulty);
    const double score = tryPlan(sandbox_->game, *sandbox_->screen, plan, variant_);
    if (score > bestScore + 1e-9) {
      bestScore = score;
      best = plan;
    }
  }
  if (best.steer != held_) {
    if (held_ < 0) press(game, s, ui::vk::kLeft, false);
    if (held_ > 0) press(game, s, ui::vk::kRight, false);
    if (best.steer < 0) press(game, s, ui::vk::kLeft, true);
    if (best.steer > 0) press(game, s, ui::vk::kRight, true);
    held_ = best.steer;
  }
  if (wantsUp(s, variant_)) press(game, s, ui::vk::kUp, true);
}

int StageBot::play(ui::VirtualSession& game, stage::StageScreen& s, int maxTries) {
  for (int race = 1; race <= maxTries; ++race) {
    held_ = 0;
    if (s.steerLeftHeld) press(game, s, ui::vk::kLeft, false);
    if (s.steerRightHeld) press(game, s, ui::vk::kRight, false);
    game.advance(300);
    press(game, s, ui::vk::kSpace, true);
    press(game, s, ui::vk::kSpace, false);
    // The countdown: speed up to the band before the start.
    game.advance(1000);
    while (s.countdownValue >= 0) {
      if (wantsUp(s, variant_ + race - 1) && s.playerSpeed < s.params().topSpeed)
        press(game, s, ui::vk::kUp, true);
      game.advance(250);
    }
    const int variant = variant_;
    variant_ = variant + race - 1;
    // Race: decide just before each tick.
    while (s.loaded() && s.el("Timer1").enabled()) {
      const std::int64_t due = game.program().nextDue();
      if (due < 0) break;
      game.runUntil(due - 5);
      if (!s.el("Timer1").enabled()) break;
      drive(game, s);
      game.runUntil(due);
    }
    variant_ = variant;
    if (held_ < 0) press(game, s, ui::vk::kLeft, false);
    if (held_ > 0) press(game, s, ui::vk::kRight, false);
    held_ = 0;
    const bool passed = s.playerRank < s.params().passRankLimit;
    game.advance(700);
    press(game, s, ui::vk::kSpace, true);  // closes a passed stage, restarts a failed one
    if (s.loaded() || !passed) press(game, s, ui::vk::kSpace, false);
    if (passed) return race;
  }
  return 0;
}

}  // namespace bot
