// The replay tool on the wall clock, with real TCP sockets: to race a real
// peer over 127.0.0.1 without a window.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "replay/runner.h"

namespace replay {

// Needs a QCoreApplication. Script times count from the start; `--until`
// stops the run.
int runRealtime(const Options& opt, const std::vector<ScriptLine>& script,
                const std::function<void(ui::Program&)>& addWindows, std::ostream* trace,
                std::string& error);

}  // namespace replay
