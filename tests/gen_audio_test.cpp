// Tests for the build-time sound and music generator.
//
// Build and run on their own from the repository root:
//   SRC=$(ls tools/gen_audio/*.cpp | grep -v main.cpp)
//   g++ -std=c++20 -Itools/gen_audio tests/gen_audio_test.cpp $SRC -lgtest_main -lgtest -pthread
//   ./a.out

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/gen_audio/audiogen.h"
#include "tools/gen_audio/compose.h"
#include "tools/gen_audio/midi.h"

namespace audiogen {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t readBE(const Bytes& b, std::size_t at, int n) {
  if (at + n > b.size()) throw std::runtime_error("truncated");
  std::uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = v << 8 | b[at + i];
  return v;
}

std::uint32_t readLE(const Bytes& b, std::size_t at, int n) {
  if (at + n > b.size()) throw std::runtime_error("truncated");
  std::uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = v << 8 | b[at + i];
  return v;
}

std::uint8_t byteAt(const Bytes& b, std::size_t at) {
  return static_cast<std::uint8_t>(readBE(b, at, 1));
}

struct Wav {
  int format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<std::int16_t> samples;
  double seconds() const { return static_cast<double>(samples.size()) / rate; }
};

Wav parseWav(const Bytes& b) {
  if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
      std::string(b.begin() + 8, b.begin() + 12) != "WAVE" || readLE(b, 4, 4) + 8 != b.size())
    throw std::runtime_error("not a RIFF/WAVE file");
  Wav w;
  for (std::size_t at = 12; at < b.size();) {
    const std::uint32_t size = readLE(b, at + 4, 4);
    const std::string id(b.begin() + at, b.begin() + at + 4);
    if (id == "fmt ") {
      w.format = readLE(b, at + 8, 2);
      w.channels = readLE(b, at + 10, 2);
      w.rate = readLE(b, at + 12, 4);
      w.bits = readLE(b, at + 22, 2);
    } else if (id == "data") {
      for (std::uint32_t i = 0; i < size; i += 2)
        w.samples.push_back(static_cast<std::int16_t>(readLE(b, at + 8 + i, 2)));
    }
    at += 8 + size + (size & 1);
  }
  return w;
}

struct MidiNote {
  int channel, key;
  std::uint32_t start, end;
};

struct Midi {
  int format = -1, declaredTracks = 0, tracks = 0, division = 0;
  double bpm = 0;
  std::uint32_t endTick = 0;
  std::vector<MidiNote> notes;
  std::map<int, int> programs;  // channel -> program
  int unmatched = 0;            // stray note offs plus notes never released
  int overlaps = 0;             // a key struck again while still sounding on its channel

  double seconds() const { return endTick * 60.0 / (division * bpm); }
};

std::uint32_t readVarLen(const Bytes& b, std::size_t& at) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) {
    const std::uint8_t c = byteAt(b, at++);
    v = v << 7 | (c & 0x7F);
    if (!(c & 0x80)) return v;
  }
  throw std::runtime_error("variable-length number too long");
}

void parseTrack(const Bytes& b, std::size_t at, std::size_t end, Midi& m) {
  std::map<std::pair<int, int>, std::uint32_t> open;  // (channel, key) -> start tick
  std::uint32_t tick = 0;
  std::uint8_t status = 0;
  bool ended = false;
  while (at < end) {
    if (ended) throw std::runtime_error("events after end of track");
    tick += readVarLen(b, at);
    if (byteAt(b, at) & 0x80) status = byteAt(b, at++);
    if (status == 0xFF) {
      const std::uint8_t type = byteAt(b, at++);
      const std::uint32_t len = readVarLen(b, at);
      if (type == 0x51) m.bpm = 60'000'000.0 / readBE(b, at, 3);
      if (type == 0x2F) ended = true;
      at += len;
      status = 0;
      continue;
    }
    if (status < 0x80 || status >= 0xF0) throw std::runtime_error("bad status byte");
    const int kind = status & 0xF0, channel = status & 0x0F;
    const int d1 = byteAt(b, at++);
    const int d2 = kind == 0xC0 || kind == 0xD0 ? 0 : byteAt(b, at++);
    if (kind == 0xC0) m.programs[channel] = d1;
    const auto sounding = open.find({channel, d1});
    if (kind == 0x90 && d2 > 0) {
      if (sounding != open.end()) ++m.overlaps;
      open.insert({{channel, d1}, tick});
    } else if (kind == 0x80 || kind == 0x90) {
      if (sounding == open.end()) {
        ++m.unmatched;
      } else {
        m.notes.push_back({channel, d1, sounding->second, tick});
        open.erase(sounding);
      }
    }
  }
  if (!ended || at != end) throw std::runtime_error("track does not close with end of track");
  m.unmatched += static_cast<int>(open.size());
  m.endTick = std::max(m.endTick, tick);
}

Midi parseMidi(const Bytes& b) {
  if (readBE(b, 0, 4) != 0x4D546864 || readBE(b, 4, 4) != 6) throw std::runtime_error("no MThd");
  Midi m;
  m.format = readBE(b, 8, 2);
  m.declaredTracks = readBE(b, 10, 2);
  m.division = readBE(b, 12, 2);
  for (std::size_t at = 14; at < b.size(); ++m.tracks) {
    if (readBE(b, at, 4) != 0x4D54726B) throw std::runtime_error("no MTrk");
    const std::size_t size = readBE(b, at + 4, 4);
    if (at + 8 + size > b.size()) throw std::runtime_error("track chunk overruns file");
    parseTrack(b, at + 8, at + 8 + size, m);
    at += 8 + size;
  }
  return m;
}

const AudioFile& find(const std::vector<AudioFile>& files, const std::string& name) {
  for (const AudioFile& f : files)
    if (f.name == name) return f;
  throw std::runtime_error("missing " + name);
}

// ---- Sound effects ----

struct SoundCase {
  const char* name;
  double minSeconds, maxSeconds;
};

class SoundTest : public ::testing::TestWithParam<SoundCase> {
 protected:
  static void SetUpTestSuite() { sounds_ = new std::vector<AudioFile>(makeSounds()); }
  static void TearDownTestSuite() { delete sounds_; }
  Wav load() const { return parseWav(find(*sounds_, GetParam().name).bytes); }
  static std::vector<AudioFile>* sounds_;
};
std::vector<AudioFile>* SoundTest::sounds_ = nullptr;

// 16-bit mono PCM at a rate the mixer takes, as long as it is meant to be,
// loud enough without clipping, and starting and ending at silence.
TEST_P(SoundTest, IsCleanMonoPcmOfItsIntendedLength) {
  const Wav w = load();
  EXPECT_EQ(w.format, 1);
  EXPECT_EQ(w.channels, 1);
  EXPECT_EQ(w.bits, 16);
  EXPECT_TRUE(w.rate == 22050 || w.rate == 44100) << w.rate;
  EXPECT_GE(w.seconds(), GetParam().minSeconds);
  EXPECT_LE(w.seconds(), GetParam().maxSeconds);

  ASSERT_FALSE(w.samples.empty());
  int peak = 0, run = 0, longestRun = 0;
  double power = 0;
  for (std::int16_t s : w.samples) {
    const int a = std::abs(static_cast<int>(s));
    peak = std::max(peak, a);
    run = a >= 32000 ? run + 1 : 0;
    longestRun = std::max(longestRun, run);
    power += static_cast<double>(s) * s;
  }
  const double rms = std::sqrt(power / w.samples.size()) / 32768.0;
  EXPECT_GE(peak, 16000) << "too quiet";
  EXPECT_LT(peak, 32767);
  EXPECT_LT(longestRun, 2) << "flat-topped samples";
  EXPECT_GT(rms, 0.03);
  EXPECT_LT(std::abs(w.samples.front()), 330);
  EXPECT_LT(std::abs(w.samples.back()), 330);
}

INSTANTIATE_TEST_SUITE_P(
    Sounds, SoundTest,
    ::testing::Values(SoundCase{"C6.wav", 0.3, 0.5}, SoundCase{"1.wav", 0.15, 0.25},
                      SoundCase{"Ding.wav", 0.8, 1.2}, SoundCase{"Shoot.wav", 0.15, 0.3},
                      SoundCase{"Shoot2.wav", 0.25, 0.4}, SoundCase{"c9.wav", 0.18, 0.32},
                      SoundCase{"playstart.WAV", 0.7, 0.95}, SoundCase{"dead.WAV", 0.8, 1.2}),
    [](const auto& info) {
      std::string n = info.param.name;
      std::replace(n.begin(), n.end(), '.', '_');
      return n;
    });

// ---- Tunes ----

class TuneTest : public ::testing::TestWithParam<const char*> {
 protected:
  static void SetUpTestSuite() { tunes_ = new std::vector<AudioFile>(makeTunes()); }
  static void TearDownTestSuite() { delete tunes_; }
  Midi load() const { return parseMidi(find(*tunes_, GetParam()).bytes); }
  static std::vector<AudioFile>* tunes_;
};
std::vector<AudioFile>* TuneTest::tunes_ = nullptr;

TEST_P(TuneTest, IsAFormatOneFileWithSeveralTracks) {
  const Midi m = load();
  EXPECT_EQ(m.format, 1);
  EXPECT_EQ(m.tracks, m.declaredTracks);
  EXPECT_GE(m.tracks, 5);
  EXPECT_GT(m.bpm, 0);
}

TEST_P(TuneTest, PlaysForAtLeastThirtySeconds) { EXPECT_GE(load().seconds(), 30.0); }

TEST_P(TuneTest, EveryNoteEndsInsideTheLoop) {
  const Midi m = load();
  EXPECT_EQ(m.unmatched, 0);
  EXPECT_EQ(m.overlaps, 0);
  EXPECT_EQ(m.endTick % (4 * m.division), 0u) << "loop point must fall on a bar line";
  for (const MidiNote& n : m.notes) ASSERT_LE(n.end, m.endTick);
}

INSTANTIATE_TEST_SUITE_P(Tunes, TuneTest,
                         ::testing::Values("tvop.Mid", "2.mid", "4.mid", "3.mid", "come_orl.mid"),
                         [](const auto& info) {
                           std::string n = info.param;
                           std::replace(n.begin(), n.end(), '.', '_');
                           return n;
                         });

// ---- Arranger and MIDI writer ----

TEST(Notation, ParsesNoteNamesWithAccidentals) {
  EXPECT_EQ(parseNote("C4"), 60);
  EXPECT_EQ(parseNote("F#3"), 54);
  EXPECT_EQ(parseNote("Bb5"), 82);
  EXPECT_EQ(parseNote("A0"), 21);
  EXPECT_EQ(parseNote("Cb4"), 59);
}

TEST(Notation, ParsesChordSymbols) {
  const Chord c = parseChord("F#m7");
  EXPECT_EQ(c.root, 6);
  EXPECT_EQ(c.intervals, (std::vector<int>{0, 3, 7, 10}));
  EXPECT_EQ(parseChord("Bb").root, 10);
  EXPECT_EQ(parseChord("Cb").root, 11);
  EXPECT_THROW(parseChord("Cmaj9"), std::invalid_argument);
}

TEST(Song, BassFollowsTheChordChanges) {
  Song s("t", 120, 1);
  const int p = s.add({"p", 3, 33, 100, 64, 1.0});
  s.chords(0, "C:8 G7:8");
  s.bass(p, 0, 1, "R---5---R---7---", 90);
  std::vector<int> keys;
  for (const MidiNote& n : parseMidi(s.toMidi()).notes) keys.push_back(n.key);
  EXPECT_EQ(keys, (std::vector<int>{36, 43, 31, 41}));
}

TEST(Song, HeldStepsLengthenNotesAndGateShortensThem) {
  Song s("t", 120, 1);
  const int p = s.add({"p", 0, 0, 100, 64, 0.5});
  s.chords(0, "C");
  s.arp(p, 0, 1, "0-------2...1...", 90, 60);
  const Midi m = parseMidi(s.toMidi());
  ASSERT_EQ(m.notes.size(), 3u);
  std::map<int, std::uint32_t> length;
  for (const MidiNote& n : m.notes) length[n.key] = n.end - n.start;
  EXPECT_EQ(length[60], 8u * kTicksPerStep / 2);
  EXPECT_EQ(length[67], kTicksPerStep / 2);
  EXPECT_EQ(length[64], kTicksPerStep / 2);
}

TEST(MidiWriter, KeepsLongGapsAndRepeatedKeysApart) {
  MidiTrack t("t");
  t.note(0, 480, 2, 60, 100);
  t.note(480, 480, 2, 60, 100);  // same key straight after: the off must come first
  t.note(300000, 10, 2, 72, 100);
  const Midi m = parseMidi(encodeMidiFile({t}, 480));
  ASSERT_EQ(m.notes.size(), 3u);
  EXPECT_EQ(m.unmatched, 0);
  EXPECT_EQ(m.overlaps, 0);
  EXPECT_EQ(m.notes[0].end, 480u);
  EXPECT_EQ(m.notes[1].start, 480u);
  EXPECT_EQ(m.notes[2].start, 300000u);
}

// ---- Output ----

TEST(Generator, TwoRunsGiveIdenticalBytes) {
  const std::vector<AudioFile> a = makeAll(), b = makeAll();
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) EXPECT_TRUE(a[i].bytes == b[i].bytes) << a[i].name;
}

TEST(Generator, WritesEveryFileUnderItsExactName) {
  const auto dir = std::filesystem::temp_directory_path() / "driftwing-gen-audio-test" / "nested";
  std::filesystem::remove_all(dir.parent_path());
  writeAll(dir);
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    names.insert(entry.path().filename().string());
  EXPECT_EQ(names, (std::set<std::string>{"C6.wav", "1.wav", "Ding.wav", "Shoot.wav", "Shoot2.wav",
                                          "c9.wav", "playstart.WAV", "dead.WAV", "tvop.Mid",
                                          "2.mid", "4.mid", "3.mid", "come_orl.mid"}));
  std::filesystem::remove_all(dir.parent_path());
}

}  // namespace
}  // namespace audiogen
