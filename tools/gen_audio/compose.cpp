#include "tools/gen_audio/compose.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>

#include "tools/gen_audio/midi.h"

namespace audiogen {
namespace {

constexpr int kLowestBass = 28;  // E1
constexpr int kNoChord = -1;

// Semitone of a note letter with an optional '#' or 'b' (so -1 for "Cb"); `used` gets
// the number of characters read.
int semitone(std::string_view s, std::size_t& used) {
  static constexpr int kLetters[] = {9, 11, 0, 2, 4, 5, 7};  // A..G
  if (s.empty() || s[0] < 'A' || s[0] > 'G')
    throw std::invalid_argument("bad note " + std::string(s));
  int pitch = kLetters[s[0] - 'A'];
  used = 1;
  if (s.size() > 1 && (s[1] == '#' || s[1] == 'b')) {
    pitch += s[1] == '#' ? 1 : -1;
    used = 2;
  }
  return pitch;
}

// Lowest key at or above `low` with pitch class `pc`.
int keyAtOrAbove(int low, int pc) { return low + ((pc - low % 12) % 12 + 12) % 12; }

// Louder on the downbeat and main beats, softer on the in-between sixteenths.
int accent(int step) {
  if (step % kStepsPerBar == 0) return 8;
  if (step % 8 == 0) return 4;
  if (step % 4 == 0) return 2;
  return step % 2 == 0 ? 0 : -6;
}

// Whitespace-separated tokens; a bar line is always a token of its own.
std::vector<std::string> tokens(std::string_view text) {
  std::string spaced;
  for (char c : text) {
    if (c == '|') {
      spaced += " | ";
    } else {
      spaced += c;
    }
  }
  std::istringstream in(spaced);
  std::vector<std::string> out;
  for (std::string t; in >> t;) out.push_back(t);
  return out;
}

std::vector<int> voicing(const Chord& chord, int low) {
  std::vector<int> keys;
  for (int i : chord.intervals) keys.push_back(keyAtOrAbove(low, (chord.root + i) % 12));
  std::sort(keys.begin(), keys.end());
  return keys;
}

// The chord's interval that falls within [lo, hi] semitones, or `fallback`.
int intervalIn(const Chord& chord, int lo, int hi, int fallback) {
  for (int i : chord.intervals)
    if (i >= lo && i <= hi) return i;
  return fallback;
}

// Semitones above the bass root for a bass pattern character.
int bassInterval(const Chord& chord, char symbol) {
  if (symbol == 'R') return 0;
  if (symbol == '3') return intervalIn(chord, 2, 5, 0);
  if (symbol == '5') return intervalIn(chord, 6, 8, 7);
  if (symbol == '7') return intervalIn(chord, 9, 11, 10);
  if (symbol == 'O') return 12;
  throw std::invalid_argument(std::string("bad bass step '") + symbol + "'");
}

}  // namespace

int parseNote(std::string_view name) {
  std::size_t used = 0;
  const int pitch = semitone(name, used);
  const std::string_view octave = name.substr(used);
  if (octave.size() != 1 || octave[0] < '0' || octave[0] > '8')
    throw std::invalid_argument("bad octave in note " + std::string(name));
  return 12 * (octave[0] - '0' + 1) + pitch;
}

Chord parseChord(std::string_view symbol) {
  static const std::pair<std::string_view, std::vector<int>> kQualities[] = {
      {"", {0, 4, 7}},       {"m", {0, 3, 7}},        {"7", {0, 4, 7, 10}},
      {"m7", {0, 3, 7, 10}}, {"maj7", {0, 4, 7, 11}}, {"5", {0, 7}},
      {"sus2", {0, 2, 7}},   {"sus4", {0, 5, 7}},     {"dim", {0, 3, 6}}};
  std::size_t used = 0;
  const int root = (semitone(symbol, used) + 12) % 12;
  for (const auto& [suffix, intervals] : kQualities)
    if (symbol.substr(used) == suffix) return {root, intervals};
  throw std::invalid_argument("unknown chord " + std::string(symbol));
}

Song::Song(std::string title, double bpm, int bars)
    : title_(std::move(title)),
      bpm_(bpm),
      bars_(bars),
      chords_(bars * kStepsPerBar, {kNoChord, {}}) {}

int Song::add(Voice voice) {
  parts_.push_back({std::move(voice), {}});
  return static_cast<int>(parts_.size()) - 1;
}

void Song::chords(int bar, std::string_view symbols) {
  int step = bar * kStepsPerBar;
  for (const std::string& token : tokens(symbols)) {
    if (token == "|") {
      if (step % kStepsPerBar != 0)
        throw std::invalid_argument("bar line out of place in the chords of " + title_);
      continue;
    }
    const std::size_t colon = token.find(':');
    const int length =
        colon == std::string::npos ? kStepsPerBar : std::stoi(token.substr(colon + 1));
    const Chord chord = parseChord(std::string_view(token).substr(0, colon));
    if (length <= 0 || step + length > static_cast<int>(chords_.size()))
      throw std::out_of_range("chords run past the end of " + title_);
    std::fill_n(chords_.begin() + step, length, chord);
    step += length;
  }
}

void Song::melody(int part, int bar, std::string_view notes, int velocity, int transpose) {
  const int start = bar * kStepsPerBar;
  int step = start;
  int length = 4;
  for (const std::string& token : tokens(notes)) {
    if (token == "|") {
      if ((step - start) % kStepsPerBar != 0)
        throw std::invalid_argument("bar line out of place in " + title_ + " at step " +
                                    std::to_string(step));
      continue;
    }
    const std::size_t colon = token.find(':');
    if (colon != std::string::npos) length = std::stoi(token.substr(colon + 1));
    const std::string name = token.substr(0, colon);
    if (name != "r")
      addNote(part, step, length, parseNote(name) + transpose, velocity + accent(step));
    step += length;
  }
}

std::vector<Song::Onset> Song::onsets(int bar, int bars, std::string_view pattern) const {
  const int size = static_cast<int>(pattern.size());
  if (size == 0 || (kStepsPerBar % size != 0 && size % kStepsPerBar != 0))
    throw std::invalid_argument("pattern length must fit the bar: " + std::string(pattern));
  std::vector<Onset> onsets;
  bool holding = false;
  for (int i = 0; i < bars * kStepsPerBar; ++i) {
    const char c = pattern[i % size];
    if (c == '-' && holding) {
      ++onsets.back().length;
    } else if (c == '.' || c == '-') {
      holding = false;
    } else {
      onsets.push_back({bar * kStepsPerBar + i, 1, c});
      holding = true;
    }
  }
  return onsets;
}

const Chord& Song::chordAt(int step) const {
  if (step < 0 || step >= static_cast<int>(chords_.size()) || chords_[step].root == kNoChord)
    throw std::out_of_range("no chord at step " + std::to_string(step) + " of " + title_);
  return chords_[step];
}

void Song::bass(int part, int bar, int bars, std::string_view pattern, int velocity) {
  for (const Onset& o : onsets(bar, bars, pattern)) {
    const Chord& chord = chordAt(o.step);
    const int root = keyAtOrAbove(kLowestBass, chord.root);
    addNote(part, o.step, o.length, root + bassInterval(chord, o.symbol),
            velocity + accent(o.step));
  }
}

void Song::comp(int part, int bar, int bars, std::string_view pattern, int velocity, int low) {
  for (const Onset& o : onsets(bar, bars, pattern)) {
    if (o.symbol != 'x' && o.symbol != 'X') throw std::invalid_argument("bad comp step");
    for (int key : voicing(chordAt(o.step), low))
      addNote(part, o.step, o.length, key, velocity + accent(o.step) + (o.symbol == 'X' ? 15 : 0));
  }
}

void Song::power(int part, int bar, int bars, std::string_view pattern, int velocity, int low) {
  for (const Onset& o : onsets(bar, bars, pattern)) {
    if (o.symbol != 'x' && o.symbol != 'X') throw std::invalid_argument("bad power chord step");
    const int root = keyAtOrAbove(low, chordAt(o.step).root);
    for (int key : {root, root + 7, root + 12})
      addNote(part, o.step, o.length, key, velocity + accent(o.step) + (o.symbol == 'X' ? 15 : 0));
  }
}

void Song::arp(int part, int bar, int bars, std::string_view pattern, int velocity, int low) {
  for (const Onset& o : onsets(bar, bars, pattern)) {
    if (o.symbol < '0' || o.symbol > '9') throw std::invalid_argument("bad arpeggio step");
    const std::vector<int> tones = voicing(chordAt(o.step), low);
    const int index = o.symbol - '0';
    const int n = static_cast<int>(tones.size());
    addNote(part, o.step, o.length, tones[index % n] + 12 * (index / n), velocity + accent(o.step));
  }
}

void Song::drums(int part, int bar, int bars, const Groove& groove, int velocity,
                 const Groove* fill) {
  for (int b = bar; b < bar + bars; ++b) {
    const Groove& g = fill != nullptr && b == bar + bars - 1 ? *fill : groove;
    for (const auto& [key, hits] : g) {
      if (hits.size() != kStepsPerBar) throw std::invalid_argument("drum line must be one bar");
      for (int i = 0; i < kStepsPerBar; ++i) {
        const int step = b * kStepsPerBar + i;
        switch (hits[i]) {
          case '.':
            break;
          case 'x':
            addNote(part, step, 1, key, velocity + accent(step));
            break;
          case 'X':
            addNote(part, step, 1, key, velocity + 20);
            break;
          case 'o':
            addNote(part, step, 1, key, velocity / 2);
            break;
          default:
            throw std::invalid_argument("bad drum step in " + std::string(hits));
        }
      }
    }
  }
}

void Song::bass(int part, std::initializer_list<Phrase> phrases) {
  for (const Phrase& p : phrases) bass(part, p.bar, p.bars, p.pattern, p.velocity);
}

void Song::comp(int part, int low, std::initializer_list<Phrase> phrases) {
  for (const Phrase& p : phrases) comp(part, p.bar, p.bars, p.pattern, p.velocity, low);
}

void Song::power(int part, int low, std::initializer_list<Phrase> phrases) {
  for (const Phrase& p : phrases) power(part, p.bar, p.bars, p.pattern, p.velocity, low);
}

void Song::arp(int part, int low, std::initializer_list<Phrase> phrases) {
  for (const Phrase& p : phrases) arp(part, p.bar, p.bars, p.pattern, p.velocity, low);
}

void Song::drums(int part, std::initializer_list<Beat> beats) {
  for (const Beat& b : beats) drums(part, b.bar, b.bars, *b.groove, b.velocity, b.fill);
}

void Song::addNote(int part, int step, int length, int key, int velocity) {
  if (part < 0 || part >= static_cast<int>(parts_.size())) throw std::out_of_range("no such part");
  if (step < 0 || length <= 0 || step + length > bars_ * kStepsPerBar)
    throw std::out_of_range("note outside " + title_ + " at step " + std::to_string(step));
  parts_[part].notes.push_back({step, length, key, std::clamp(velocity, 1, 127)});
}

std::vector<std::uint8_t> Song::toMidi() const {
  const auto end = static_cast<std::uint32_t>(bars_ * kStepsPerBar * kTicksPerStep);
  std::vector<MidiTrack> tracks;
  MidiTrack& conductor = tracks.emplace_back(title_);
  conductor.tempo(0, bpm_);
  conductor.timeSignature(0, 4, 4);
  conductor.setEnd(end);
  for (const Part& part : parts_) {
    const Voice& v = part.voice;
    MidiTrack& track = tracks.emplace_back(v.name);
    track.program(0, v.channel, v.program);
    track.control(0, v.channel, 7, v.volume);
    track.control(0, v.channel, 10, v.pan);
    track.control(0, v.channel, 91, 40);  // reverb send
    for (const Note& n : part.notes) {
      const auto tick = static_cast<std::uint32_t>(n.step * kTicksPerStep);
      const auto sounding =
          static_cast<std::uint32_t>(std::lround(n.length * kTicksPerStep * v.gate));
      track.note(tick, std::clamp<std::uint32_t>(sounding, 30, end - tick), v.channel, n.key,
                 n.velocity);
    }
    track.setEnd(end);
  }
  return encodeMidiFile(tracks, 4 * kTicksPerStep);
}

}  // namespace audiogen
