// Replay scripts: one input event per line, on virtual time.
//
//   MS keydown CODE | MS keyup CODE | MS click ELEMENT | MS dblclick ELEMENT
//   MS text ELEMENT TEXT... | MS option ELEMENT | MS focus ELEMENT
//   MS blur | MS close
//
// ELEMENT is Name, Name(3), Window.Name or Window.Name(3). Blank lines and
// lines starting with # are skipped.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace replay {

struct ScriptLine {
  int lineNo = 0;
  std::int64_t t = 0;
  std::string event;
  std::string window;   // empty: the front window
  std::string element;  // design name, without index
  int index = -1;
  int code = 0;
  std::string text;
};

// Parses a whole script; on a bad line returns nothing and says why, naming
// the line.
std::optional<std::vector<ScriptLine>> parseScript(std::istream& in, std::string& error);

}  // namespace replay
