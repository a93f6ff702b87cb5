// Figures for the `driftwing` program itself, run as a player runs it: its
// share of one core and its peak resident memory.
#pragma once

namespace bench {

// (f) the title with its music at scale 2, then a stage 1 race at scale 1
// and 3 driven by key presses through the X server, and so on: each taken
// `runs` times for `seconds`, with the median share of a core.
void gameProcessFigures(int seconds, int runs);

}  // namespace bench
