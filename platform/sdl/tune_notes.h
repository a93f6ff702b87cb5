// What a MIDI tune can sound: on each channel, the programs it picks and the
// notes it plays. The music loads from the soundfont only the instruments and
// the samples these notes reach.
//
// A tune that picks its instruments in ways the reading does not follow
// (bank selects, system exclusive messages that may reset or retune the
// synthesizer, MIDI ports) gives nothing: the whole soundfont then serves it.
#pragma once

#include <array>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace platform {

struct TuneNotes {
  static constexpr int kDrumChannel = 9;  // the tenth, General MIDI's drums
  struct Channel {
    std::set<int> programs;
    std::set<std::pair<int, int>> notes;  // key, velocity of every note struck
  };
  std::array<Channel, 16> channels;
};

// Reads a Standard MIDI File; nothing when it cannot be read, or when it
// picks instruments in a way TuneNotes does not follow.
std::optional<TuneNotes> readTuneNotes(const std::vector<char>& midi);

}  // namespace platform
