// Watching a recorded race in the game's own window: the recording's inputs
// run at their times, at real speed or faster, with the music and sounds.
// Space pauses and goes on, F or + doubles the speed, - halves it, Esc (or
// closing the window) ends the watching.
#pragma once

#include <QString>
#include <cstddef>

#include "platform/qt/qt_driver.h"
#include "replay/recording.h"

namespace ui {
class Program;
}

namespace app {

class Watching : public platform::qt::Playback {
 public:
  static constexpr int kFastest = 8;

  // `leaveAtEnd`: the game ends with the recording, instead of showing its
  // last picture until the player closes it.
  Watching(ui::Program& program, platform::qt::QtDriver& driver, replay::Recording recording,
           bool leaveAtEnd = false);
  // Starts it: call once the first window is shown.
  void start();

  std::int64_t nextAt() const override;
  void runNext() override;
  std::int64_t endsAt() const override { return recording_.options.until; }
  void over() override;

  void togglePause();
  void faster();
  void slower();
  bool isOver() const { return over_; }

 private:
  void showState();

  ui::Program& program_;
  platform::qt::QtDriver& driver_;
  replay::Recording recording_;
  std::size_t next_ = 0;
  bool over_ = false;
  bool leaveAtEnd_;
};

}  // namespace app
