// A player for the stage races, for tests: it looks at the race as it
// stands, tries a few ways of steering over the next second on a copy of the
// race, and presses the keys of the best one. It holds the speed in a band
// over top speed without overheating, and after a failed race it starts the
// stage again, varying its driving a little each time.
#pragma once

#include <memory>

namespace ui {
class Program;
class VirtualSession;
}  // namespace ui

namespace stage {
class StageScreen;
}

namespace bot {

class StageBot {
 public:
  explicit StageBot(int variant = 0);
  ~StageBot();

  // Plays the stage shown in `game` from "Press Space" to its pass, retrying
  // failed races, within `maxTries`. Returns the number of races run, or 0 if
  // it never passed.
  int play(ui::VirtualSession& game, stage::StageScreen& screen, int maxTries = 10);

 private:
  struct Sandbox;
  void press(ui::VirtualSession& game, stage::StageScreen& s, int code, bool down);
  void drive(ui::VirtualSession& game, stage::StageScreen& s);

  int variant_;
  int held_ = 0;  // -1 left, 1 right
  std::unique_ptr<Sandbox> sandbox_;
};

}  // namespace bot
