// The shelf of recordings: every race played on the desktop is kept in the
// player's data folder ($XDG_DATA_HOME/driftwing/replays), one file a race,
// named by when it started, its mode and how it ended:
//
//   2026-12-06_17-04-39_stage1_passed.replay
//
// The shelf keeps the 50 newest and, for each stage and difficulty, the
// fastest pass; older ones make room after each new one. Only its own
// recordings are ever removed: anything else in the folder is the player's.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform::qt {

// A recording on the shelf, as its first two lines tell it.
struct ShelvedRecording {
  std::string path;
  // The fields of its about line, each as written; mode, date, result and
  // time are the ones lists show.
  std::map<std::string, std::string> about;
  std::string mode, date, result;
  std::int64_t time = -1;  // race time in ms; -1 when it does not say
  // Its start in seconds since 1970 (UTC): the about line's date, else the
  // file's time.
  std::int64_t started = 0;
  // Its first lines are not a recording's: shown so the player can see it
  // and remove it, never watched, never removed by the shelf.
  bool damaged = false;
};

class ReplayShelf {
 public:
  // How many of the newest recordings are kept, the fastest passes besides.
  static constexpr std::size_t kKeptNewest = 50;

  // The player's folder of recordings.
  ReplayShelf();
  // Another folder (tests, a portable game).
  explicit ReplayShelf(std::string folder);

  const std::string& folder() const { return folder_; }

  // Puts a recording on the shelf: `text` is the whole file, `about` the
  // fields of its about line. Written whole or not at all, under a name of
  // its own; then the shelf makes room. Gives the path written, or nothing
  // with `error` saying in one line why (a read-only or full disk), every
  // older recording left as it was.
  std::optional<std::string> save(const std::string& text,
                                  const std::map<std::string, std::string>& about,
                                  std::string& error) const;

  // Every recording, newest first; damaged ones count as the oldest.
  std::vector<ShelvedRecording> list() const;

  // Removes the recordings the shelf no longer keeps; `keep` is kept
  // whatever its date says (the one just saved).
  void prune(const std::string& keep = {}) const;

  // The file name for a recording with these fields; `copy` 2, 3, … for a
  // second one started in the same second.
  static std::string fileName(const std::map<std::string, std::string>& about, int copy = 1);

 private:
  std::string folder_;
};

}  // namespace platform::qt
