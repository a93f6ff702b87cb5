// A recording: a race played on the desktop, kept as a replay script that a
// player can watch again or share.
//
//   #! --screen frm1 --set difficultyBonus=20 --until 61234 --events 412 ...
//   # Driftwing recording: mode=stage1 result=passed time=83400 ...
//   0 keydown 32
//   ...
//
// The first line holds the options the run depends on, for the replay tool
// as for the game: the window it starts at, the settings and the window's
// own variables as they stood when the race began, when it ended, how many
// event lines follow (fewer means the file was cut short) and the version of
// the game that made it. The second line says what the race was, for lists
// and for people; the replay tool skips it as it skips every comment.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "replay/script.h"

namespace replay {

// The file name ending of a recording.
inline constexpr const char* kRecordingExtension = ".replay";
// Larger than any race: a recording over it is something else.
inline constexpr std::int64_t kLargestRecording = 64 << 20;

// What the first line of a recording says.
struct RecordingOptions {
  std::string screen;
  std::vector<std::pair<std::string, std::string>> sets;  // NAME, VALUE as written
  std::int64_t until = 0;
  int events = 0;
  std::string gameVersion;
};

struct Recording {
  RecordingOptions options;
  // The fields of the "# Driftwing recording:" line: mode, result, time,
  // date and the rest, each as written.
  std::map<std::string, std::string> about;
  std::vector<ScriptLine> lines;
};

// The text of a recording file: the options line, the about line and the
// event lines (each without its newline).
std::string recordingText(const RecordingOptions& options,
                          const std::map<std::string, std::string>& about,
                          const std::vector<std::string>& lines);

// Reads a recording. A file that is not one, is damaged, cut short or from a
// newer game gives nothing, and `error` says what is wrong in one line.
std::optional<Recording> readRecording(const std::string& path, std::string& error);

// Only the about line, for lists: cheap, reads the first two lines.
std::optional<std::map<std::string, std::string>> readAbout(const std::string& path);

// The event lines of a script, `counted` of them when its first line says
// how many. A line that does not read gives parseScript's error ("script
// line 7: ..."), as do more lines than counted; fewer, or a last line that
// stops in the middle (no newline, and it does not read), give cutShort's.
struct CountedScript {
  std::optional<std::vector<ScriptLine>> lines;
  std::string error;
  bool cutShort = false;
};
CountedScript parseCounted(const std::string& text, std::optional<std::size_t> counted);

// This game's version, and whether `version` is newer than it: dotted
// numbers compared number by number (0.10.0 is newer than 0.9.0); anything
// else counts as newer, as this game cannot read it.
const char* gameVersion();
bool newerThanThisGame(const std::string& version);

// What the replay tool and the game say of a script from a newer game, and of
// one with fewer event lines than its first line counts, after "it was ":
// "made by a newer Driftwing (0.2.0; this is 0.1.0)", "cut short: 380 of 412
// events".
std::string madeByANewerGame(const std::string& version);
std::string cutShort(std::size_t events, std::size_t counted);

}  // namespace replay
