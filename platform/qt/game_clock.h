// The game's time on the desktop: milliseconds that follow the wall clock
// from the program's start, and that can wait (the desktop fell behind),
// stand still (a replay paused) or run faster (a replay at double speed).
#pragma once

#include <QElapsedTimer>
#include <cstdint>

namespace platform::qt {

class GameClock {
 public:
  GameClock() { wall_.start(); }
  // Game time 0 is now.
  void start() { rebase(0); }
  // The game time the wall clock has reached.
  std::int64_t now() const;
  // From now on the game's time goes on from `t`: it waited for the desktop.
  void holdAt(std::int64_t t) { rebase(t); }
  void setPaused(bool paused);
  bool paused() const { return paused_; }
  // 1 is real time, 2 twice as fast.
  void setSpeed(int speed);
  int speed() const { return speed_; }
  // Wall milliseconds until the game's time reaches `t`: 0 when it has; a
  // day when the clock stands still.
  std::int64_t wallMsUntil(std::int64_t t) const;

 private:
  void rebase(std::int64_t t);
  QElapsedTimer wall_;
  std::int64_t base_ = 0;      // game time at...
  std::int64_t wallBase_ = 0;  // ...this wall time
  int speed_ = 1;
  bool paused_ = false;
};

}  // namespace platform::qt
