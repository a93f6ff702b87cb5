// A soundfont cut down to what one tune sounds. The file stays as it is, its
// samples where they were; only its hydra, the table of presets, instruments
// and their zones, is made anew with the presets the tune picks and, in them,
// the zones its notes fall into. FluidSynth then reads a few dozen zones
// instead of thousands, and loads only the samples that can sound: every
// note plays with exactly the zones, samples and settings it would have had.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/sdl/tune_notes.h"

namespace platform {

struct SoundFontCut {
  // The file's first bytes with the new size in its RIFF header.
  std::vector<char> head;
  // Where the file's own hydra began: the bytes before it, samples included,
  // are read from the file.
  std::uint64_t hydraAt = 0;
  // The new hydra, a whole LIST chunk, in place of the file's.
  std::vector<char> hydra;

  std::uint64_t size() const { return hydraAt + hydra.size(); }
};

// Nothing when the file is not a soundfont laid out as the format asks
// (information, then samples, then the hydra last).
std::optional<SoundFontCut> cutSoundFont(const std::string& path, const TuneNotes& notes);

}  // namespace platform
