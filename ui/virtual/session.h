// One program on the virtual clock, with a recording sound device and shell:
// what the replay tool runs, and what the game's tests drive directly.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "media/recording_media.h"
#include "ui/program.h"
#include "ui/virtual/trace.h"
#include "ui/virtual/virtual_driver.h"

namespace ui {

class VirtualSession {
 public:
  using Setup = std::function<void(Program&)>;

  // A session on a clock of its own.
  VirtualSession(const Setup& addWindows, std::string folder = ".");
  // A session on a shared clock (two instances of the program), tracing to
  // `trace` when given.
  VirtualSession(const std::int64_t& clock, const Setup& addWindows, std::string folder,
                 std::ostream* trace, std::string instance = {});

  Program& program() { return *program_; }
  VirtualDriver& driver() { return driver_; }
  RecordingShell& shell() { return shell_; }
  std::int64_t now() const { return *clock_; }
  bool ended() const { return program_->ended(); }

  // Everything played, in order, since the start.
  std::vector<std::string> waves;
  std::vector<std::string> music;

  // Shows the named window as the program's first.
  void start(const std::string& window);
  // Own clock only: moves time forward to `t`, running every timer due on
  // the way, in order.
  void runUntil(std::int64_t t);
  void advance(std::int64_t ms) { runUntil(now() + ms); }

  // Shortcuts for tests: events for the front window; nothing once the
  // program has ended.
  Window& front();
  void click(const std::string& element, int index = -1);
  void keyDown(int code);
  void keyUp(int code);
  void press(int code) {
    keyDown(code);
    keyUp(code);
  }

 private:
  void init(const Setup& addWindows, std::string folder, std::ostream* trace, std::string instance);

  std::int64_t ownClock_ = 0;
  const std::int64_t* clock_;
  VirtualDriver driver_;
  media::RecordingMedia media_;
  RecordingShell shell_;
  std::unique_ptr<TraceWriter> trace_;
  std::unique_ptr<Program> program_;
};

}  // namespace ui
