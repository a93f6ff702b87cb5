// A tiny arranger: tunes are written as chord symbols, note strings and
// step patterns on a sixteenth-note grid, then rendered to a MIDI file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace audiogen {

constexpr int kStepsPerBar = 16;  // 4/4 in sixteenths
constexpr int kTicksPerStep = 120;

// General MIDI percussion keys (channel 10): drums, toms, cymbals.
constexpr int kKick = 36, kSideStick = 37, kSnare = 38, kClap = 39;
constexpr int kFloorTom = 41, kLowTom = 45, kMidTom = 47, kHighTom = 50;
constexpr int kClosedHat = 42, kOpenHat = 46, kCrash = 49, kRide = 51, kTambourine = 54;

// "C4" is 60; sharps and flats as in "F#3" or "Bb5". Throws on anything else.
int parseNote(std::string_view name);

struct Chord {
  int root;                    // pitch class, 0 = C
  std::vector<int> intervals;  // semitones above the root, starting with 0
};

// Chord symbols: root plus "", "m", "7", "m7", "maj7", "5", "sus2", "sus4" or "dim".
Chord parseChord(std::string_view symbol);

// One instrument line of a tune.
struct Voice {
  std::string name;
  int channel;  // 0-based; 9 is the drum kit
  int program;  // General MIDI program, 0-based
  int volume;   // CC 7
  int pan;      // CC 10
  double gate;  // fraction of each written note that actually sounds
};

// A drum bar: GM key and a 16-step string ('x' hit, 'X' accent, 'o' ghost, '.' rest).
using Groove = std::vector<std::pair<int, std::string_view>>;

// A stretch of a part: `pattern` for `bars` bars from `bar`, at `velocity`.
struct Phrase {
  int bar, bars;
  std::string_view pattern;
  int velocity;
};

// A stretch of drumming: `groove` for `bars` bars from `bar`, its last bar
// played as `fill` when there is one.
struct Beat {
  int bar, bars;
  const Groove* groove;
  int velocity;
  const Groove* fill = nullptr;
};

// Bars are counted from 0. Patterns hold one character per sixteenth step:
// an onset character, '-' to hold the previous note, '.' for silence. They
// repeat to fill the requested bars.
class Song {
 public:
  Song(std::string title, double bpm, int bars);

  int add(Voice voice);  // returns the part index
  // The drum kit, on channel 10 in the middle; returns its part index.
  int addKit(int volume) { return add({"Drums", 9, 0, volume, 64, 0.5}); }
  // The band, part by part; returns their part indexes in order.
  template <std::size_t N>
  std::array<int, N> addBand(const Voice (&voices)[N]) {
    std::array<int, N> parts;
    for (std::size_t i = 0; i < N; ++i) parts[i] = add(voices[i]);
    return parts;
  }

  // Chord symbols from `bar` on, one bar each unless given as "Am:8" (steps);
  // "|" checks that a bar line falls here.
  void chords(int bar, std::string_view symbols);

  // Note tokens like "E5:4" (length in steps, defaults to the previous one), "r:8" for
  // a rest and "|" to check that a bar line falls here.
  void melody(int part, int bar, std::string_view notes, int velocity, int transpose = 0);

  // Bass from the chords: 'R' root, '3' third, '5' fifth, '7' seventh, 'O' octave.
  void bass(int part, int bar, int bars, std::string_view pattern, int velocity);
  // Full chord voiced upwards from `low` on each 'x' ('X' accented).
  void comp(int part, int bar, int bars, std::string_view pattern, int velocity, int low);
  // Root, fifth and octave from `low` on each 'x' ('X' accented).
  void power(int part, int bar, int bars, std::string_view pattern, int velocity, int low);
  // Digits pick chord tones counted upwards from `low`.
  void arp(int part, int bar, int bars, std::string_view pattern, int velocity, int low);
  // Repeats `groove`; `fill`, if given, replaces the last bar.
  void drums(int part, int bar, int bars, const Groove& groove, int velocity,
             const Groove* fill = nullptr);

  // The same, phrase by phrase in order, chord parts voiced from `low`.
  void bass(int part, std::initializer_list<Phrase> phrases);
  void comp(int part, int low, std::initializer_list<Phrase> phrases);
  void power(int part, int low, std::initializer_list<Phrase> phrases);
  void arp(int part, int low, std::initializer_list<Phrase> phrases);
  void drums(int part, std::initializer_list<Beat> beats);

  int bars() const { return bars_; }
  double bpm() const { return bpm_; }
  std::vector<std::uint8_t> toMidi() const;

 private:
  struct Note {
    int step, length, key, velocity;
  };
  struct Part {
    Voice voice;
    std::vector<Note> notes;
  };
  struct Onset {
    int step, length;
    char symbol;
  };

  std::vector<Onset> onsets(int bar, int bars, std::string_view pattern) const;
  const Chord& chordAt(int step) const;
  void addNote(int part, int step, int length, int key, int velocity);

  std::string title_;
  double bpm_;
  int bars_;
  std::vector<Chord> chords_;  // one per step
  std::vector<Part> parts_;
};

}  // namespace audiogen
