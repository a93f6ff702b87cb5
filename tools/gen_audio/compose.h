// A tiny arranger: tunes are written as chord symbols, note strings and
// step patterns on a sixteenth-note grid, then rendered to a MIDI file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace driftwing::audiogen {

constexpr int kStepsPerBar = 16;  // 4/4 in sixteenths
constexpr int kTicksPerStep = 120;

// General MIDI percussion keys (channel 10).
enum Drum {
  kKick = 36,
  kSideStick = 37,
  kSnare = 38,
  kClap = 39,
  kFloorTom = 41,
  kClosedHat = 42,
  kLowTom = 45,
  kOpenHat = 46,
  kMidTom = 47,
  kHighTom = 50,
  kCrash = 49,
  kRide = 51,
  kTambourine = 54,
};

// "C4" is 60; sharps and flats as in "F#3" or "Bb5". Throws on anything else.
int ParseNote(std::string_view name);

struct Chord {
  int root;                    // pitch class, 0 = C
  std::vector<int> intervals;  // semitones above the root, starting with 0
};

// Chord symbols: root plus "", "m", "7", "m7", "maj7", "5", "sus2", "sus4" or "dim".
Chord ParseChord(std::string_view symbol);

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

// Bars are counted from 0. Patterns hold one character per sixteenth step:
// an onset character, '-' to hold the previous note, '.' for silence. They
// repeat to fill the requested bars.
class Song {
 public:
  Song(std::string title, double bpm, int bars);

  int Add(Voice voice);  // returns the part index

  // Chord symbols from `bar` on, one bar each unless given as "Am:8" (steps).
  void Chords(int bar, std::string_view symbols);

  // Note tokens like "E5:4" (length in steps, defaults to the previous one), "r:8" for
  // a rest and "|" to check that a bar line falls here.
  void Melody(int part, int bar, std::string_view notes, int velocity, int transpose = 0);

  // Bass from the chords: 'R' root, '3' third, '5' fifth, '7' seventh, 'O' octave.
  void Bass(int part, int bar, int bars, std::string_view pattern, int velocity);
  // Full chord voiced upwards from `low` on each 'x' ('X' accented).
  void Comp(int part, int bar, int bars, std::string_view pattern, int velocity, int low);
  // Root, fifth and octave from `low` on each 'x' ('X' accented).
  void Power(int part, int bar, int bars, std::string_view pattern, int velocity, int low);
  // Digits pick chord tones counted upwards from `low`.
  void Arp(int part, int bar, int bars, std::string_view pattern, int velocity, int low);
  // Repeats `groove`; `fill`, if given, replaces the last bar.
  void Drums(int part, int bar, int bars, const Groove& groove, int velocity,
             const Groove* fill = nullptr);

  int bars() const { return bars_; }
  double bpm() const { return bpm_; }
  std::vector<uint8_t> ToMidi() const;

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

  std::vector<Onset> Onsets(int bar, int bars, std::string_view pattern) const;
  const Chord& ChordAt(int step) const;
  void AddNote(int part, int step, int length, int key, int velocity);

  std::string title_;
  double bpm_;
  int bars_;
  std::vector<Chord> chords_;  // one per step
  std::vector<Part> parts_;
};

}  // namespace driftwing::audiogen
