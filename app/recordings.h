// Every race played on the desktop is kept: the recorder's takes become
// recording files on the player's shelf, to be watched again.
#pragma once

#include <map>
#include <string>

#include "platform/qt/replay_shelf.h"
#include "replay/recorder.h"

namespace app {

// What the race was, with the date it began (it ended now).
std::map<std::string, std::string> aboutOf(const replay::Take& take);
// The text of the recording of `take`.
std::string recordingOf(const replay::Take& take, const std::map<std::string, std::string>& about);

// Keeps a race as a recording; a shelf that cannot be written gives one line
// on standard error, and the game goes on.
void keepRecording(const replay::Take& take, const platform::qt::ReplayShelf& shelf);

// Watches a recording in a game of its own, beside this one: "" once it has
// started, else why not, in one line. A damaged file is turned away
// here, where the player chose it.
std::string watchInNewGame(const std::string& path);

}  // namespace app
