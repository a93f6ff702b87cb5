// Everything the game plays is generated here: synthesised sound effects and
// tunes composed as note data, written out as WAV and Standard MIDI files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace audiogen {

struct AudioFile {
  std::string name;  // exact file name the game loads, e.g. "Ding.wav"
  std::vector<std::uint8_t> bytes;
};

// The eight sound effects as 16-bit mono WAV files.
std::vector<AudioFile> makeSounds();

// The five tunes as format 1 Standard MIDI Files.
std::vector<AudioFile> makeTunes();

// Sounds followed by tunes.
std::vector<AudioFile> makeAll();

// Writes every file into `dir`, creating it if needed. Throws on I/O errors.
void writeAll(const std::filesystem::path& dir);

}  // namespace audiogen
