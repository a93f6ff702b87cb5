// The longest pause of a network race while the peer floods it.
#pragma once

namespace bench {

// (h) a race hosted on port 5238 as the game hosts it, in a real window on
// Qt's clock with the game's sound; a peer on 127.0.0.1 writes 4 MiB of the
// race's codes at once, then junk as fast as the host takes it for
// `junkSeconds`: random bytes, all but the code that leaves the race.
// Reports the longest pause between ticks of the race screen's own timers,
// as the game's driver runs them, and the longest arrival.
void hostilePeerFigures(int junkSeconds);

}  // namespace bench
