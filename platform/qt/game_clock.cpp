#include "platform/qt/game_clock.h"

#include <algorithm>

namespace platform::qt {

std::int64_t GameClock::now() const {
  if (paused_) return base_;
  return base_ + (wall_.elapsed() - wallBase_) * speed_;
}

void GameClock::rebase(std::int64_t t) {
  base_ = t;
  wallBase_ = wall_.elapsed();
}

void GameClock::setPaused(bool paused) {
  if (paused == paused_) return;
  rebase(now());
  paused_ = paused;
}

void GameClock::setSpeed(int speed) {
  rebase(now());
  speed_ = std::max(1, speed);
}

std::int64_t GameClock::wallMsUntil(std::int64_t t) const {
  constexpr std::int64_t kDay = 24 * 3600 * 1000;
  if (paused_) return kDay;
  const std::int64_t ahead = t - now();
  if (ahead <= 0) return 0;
  return std::min(kDay, (ahead + speed_ - 1) / speed_);
}

}  // namespace platform::qt
