// Records the races played on the desktop as replay scripts: from the moment
// a race window loads until it closes for good (a failed stage that starts
// again stays one recording) or the program ends. Each input to the window
// becomes a script line at its game time, counted from the window's load,
// so that the replay tool, starting at that window with the settings and the
// window's variables as they stood, plays the same race.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ui/driver.h"

namespace ui {
class Program;
}

namespace replay {

// One race as recorded.
struct Take {
  std::string screen;                                     // the race window
  std::vector<std::pair<std::string, std::string>> sets;  // NAME, VALUE at its load
  std::int64_t startedAt = 0;                             // game time of the load
  std::int64_t length = 0;                                // ms from the load to the end
  std::vector<std::string> lines;                         // the script's event lines
  std::map<std::string, std::string> about;               // what the race was, in words
};

class Recorder : public ui::InputListener {
 public:
  using Records = std::function<bool(const ui::Window&)>;
  // What a race was (its mode, result, time...), asked while the window
  // still stands: before it unloads and when the program ends.
  using Describe = std::function<std::map<std::string, std::string>(ui::Window&)>;
  using Done = std::function<void(Take&&)>;

  // `records` picks the race windows; `settings` names the program-wide
  // settings a race depends on, which its recording carries with the race
  // window's own variables.
  Recorder(ui::Program& program, Records records, std::vector<std::string> settings,
           Describe describe, Done done);

  void inputStarting(const ui::Happening& h, std::int64_t t) override;
  void windowLoading(ui::Window& w, std::int64_t t) override;
  void windowUnloading(ui::Window& w) override;
  void eventDone(std::int64_t t) override;
  void programEnded(std::int64_t t) override;
  // Ends every recording under way (the desktop is closing the game).
  void finishAll(std::int64_t t);

 private:
  struct Running {
    ui::Window* window;
    Take take;
    std::string focus;  // the element with the focus, as the replay will have it
  };
  void add(Running& r, std::int64_t t, const std::string& event);
  void finish(std::size_t i, std::int64_t t);
  std::vector<std::pair<std::string, std::string>> settingsOf(const ui::Window& w) const;

  ui::Program& program_;
  Records records_;
  Describe describe_;
  Done done_;
  std::vector<std::string> settingNames_;
  std::vector<Running> running_;
};

}  // namespace replay
