// Every race played on the desktop is kept: the recorder's takes become
// recording files in the player's data folder.
#pragma once

#include <string>

#include "replay/recorder.h"

namespace app {

// The text of the recording of `take`, which ended now.
std::string recordingOf(const replay::Take& take);

// Keeps a race as a recording; a folder that cannot be written gives one
// line on standard error, and the game goes on.
void keepRecording(const replay::Take& take);

}  // namespace app
