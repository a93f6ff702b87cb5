// Runs the program on the virtual clock from a script, writing the trace.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "replay/script.h"
#include "ui/program.h"
#include "ui/vars.h"

namespace replay {

struct Options {
  std::string screen = "Form1";
  std::vector<ui::Setting> sets;  // --set NAME=VALUE, NAME=V1,V2,...
  std::optional<std::int64_t> until;
  std::vector<std::pair<std::int64_t, std::string>> pngs;  // --png MS:FILE
  int scale = 1;
  std::string folder = ".";  // where sound files are looked for
  // A second instance of the program, on the same clock and a simulated
  // network with the first.
  std::optional<std::vector<ScriptLine>> peerScript;
  std::string peerScreen;  // empty: the same as the first instance's
  int latency = 1;
  // Called with the (first) program when the run stops, whatever stopped it.
  std::function<void(ui::Program&)> atEnd;
};

// Draws a window as the player sees it into a PNG file.
using PngWriter =
    std::function<bool(ui::Window& w, int scale, const std::string& file, std::string& error)>;

// Applies one script line to the program; false (with `error` naming the
// line) when it cannot be applied.
bool apply(ui::Program& program, const ScriptLine& line, std::string& error);

// Returns the exit status: 0 when the script ran to its end or the program
// ended, 2 (with `error` set) when a line or an option cannot be applied.
// Sets the options' --set values before the start window `start` loads;
// false (with `error`) when one cannot be set.
bool setAtStart(const Options& opt, ui::Program& program, ui::Window& start, std::string& error);

int run(const Options& opt, const std::vector<ScriptLine>& script,
        const std::function<void(ui::Program&)>& addWindows, std::ostream* trace,
        const PngWriter& png, std::string& error);

}  // namespace replay
