// Which windows are races worth keeping, and what each race was, in the
// words a list of recordings shows: its mode, its result and its time.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace ui {
class Window;
}

namespace frontend {

// The stage races, the battle and the shooter. The network race is not
// one: the other side's messages are not this program's to replay.
bool isRecordedRace(const ui::Window& w);

// The program-wide settings a race depends on: the story's step and the
// difficulty.
std::vector<std::string> raceSettings();

// mode (stage1 to stage5, battle, shooter), result, time (ms of racing) and
// what else the mode knows: a stage's rank and difficulty, the shooter's
// score and level. The window is loaded.
std::map<std::string, std::string> describeRace(ui::Window& w);

}  // namespace frontend
