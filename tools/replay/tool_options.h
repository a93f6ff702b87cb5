// The replay tool's options: the command line's, and before them those of
// the script's first line ("#! --screen frm1 --set difficultyBonus=20"), so
// that a recording or a test script carries what it needs to play. The
// command line wins: its value of an option given in both, its --set of a
// name set in both.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "replay/runner.h"

namespace replay {

struct ToolOptions {
  Options run;
  std::string scriptFile, traceFile, peerFile, finalFile, lang;
  bool realtime = false;
  bool help = false;
  std::optional<int> events;  // how many event lines the script has
  std::string gameVersion;    // the game that made the script
};

// Reads the arguments after the program's name, and the script's first
// line when it is an options line; false, with `error` naming the option
// (and "script line 1" for the first line's), at the first that will not do.
bool readToolOptions(const std::vector<std::string>& args, ToolOptions& out, std::string& error);

}  // namespace replay
