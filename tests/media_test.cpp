// Sound on the real SDL2_mixer, with its disk driver standing in for a sound
// card: what a player hears, or the silence when something is missing.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/sdl/sdl_media.h"

namespace {

namespace fs = std::filesystem;

class MediaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    out = fs::temp_directory_path() /
          ("driftwing-audio-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
           "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".raw");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "5", 1);
    unsetenv("SDL_SOUNDFONTS");
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove(out, ec);
  }
  // The loudest sample the device has been given so far, from byte `from` on.
  int loudest(std::uintmax_t from = 0) {
    std::ifstream in(out, std::ios::binary);
    in.seekg(std::streamoff(from));
    int peak = 0;
    std::int16_t s = 0;
    while (in.read(reinterpret_cast<char*>(&s), sizeof s)) peak = std::max(peak, std::abs(int(s)));
    return peak;
  }
  static void wait(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
  // Waits until the device has been given `bytes` more than `from`; returns
  // where that stretch starts after skipping what may have been mixed before
  // (a buffer or two).
  std::uintmax_t heardFrom(std::uintmax_t from, std::uintmax_t bytes) {
    const std::uintmax_t skip = 4 * 4096;
    for (int i = 0; i < 3000 && size() < from + skip + bytes; ++i) wait(10);
    return from + skip;
  }
  std::uintmax_t size() {
    std::error_code ec;
    const auto n = fs::file_size(out, ec);
    return ec ? 0 : n;
  }
  // The root mean square of the samples from byte `from`, for `bytes`.
  double rms(std::uintmax_t from, std::uintmax_t bytes) {
    std::ifstream in(out, std::ios::binary);
    in.seekg(std::streamoff(from));
    double sum = 0;
    std::uintmax_t n = 0;
    std::int16_t s = 0;
    for (; n < bytes / 2 && in.read(reinterpret_cast<char*>(&s), sizeof s); ++n)
      sum += double(s) * s;
    return n == 0 ? -1 : std::sqrt(sum / double(n));
  }

  fs::path out;
  const std::string folder = DRIFTWING_SOUND_DIR;
};

TEST_F(MediaTest, AWavePlaysFromTheProgramFolder) {
  platform::SdlMedia m(folder);
  ASSERT_TRUE(m.open());
  EXPECT_GE(m.deviceCount(), 1);
  m.playWave("\\Ding.wav");
  EXPECT_EQ(m.playingWave(), folder + "/Ding.wav");
  wait(300);
  EXPECT_GT(loudest(), 1000) << "the bell reached the device";
}

// A flood of missiles asks for the same wave thousands of times at once: it
// plays on, while any other wave still replaces it at once.
TEST_F(MediaTest, TheSameWaveAskedForAgainAtOncePlaysOn) {
  platform::SdlMedia m(folder);
  for (int i = 0; i < 10000; ++i) m.playWave("\\Shoot2.wav");
  EXPECT_EQ(m.playingWave(), folder + "/Shoot2.wav");
  m.playWave("\\C6.wav");
  EXPECT_EQ(m.playingWave(), folder + "/C6.wav");
  m.playWave("\\Shoot2.wav");
  EXPECT_EQ(m.playingWave(), folder + "/Shoot2.wav");
  wait(300);
  EXPECT_GT(loudest(), 1000) << "the shot reached the device";
}

TEST_F(MediaTest, AMissingWaveIsSilenceAndLeavesThePlayingOneAlone) {
  platform::SdlMedia m(folder);
  m.playWave("\\no-such-sound.wav");
  EXPECT_EQ(m.playingWave(), "");
  wait(100);
  EXPECT_EQ(loudest(), 0);
  m.playWave("\\Ding.wav");
  m.playWave("\\missing.WAV");
  EXPECT_EQ(m.playingWave(), folder + "/Ding.wav");
}

TEST_F(MediaTest, NamesAreUsedExactlyAsWritten) {
  platform::SdlMedia m(folder);
  m.playWave("\\ding.wav");  // the file is Ding.wav
  EXPECT_EQ(m.playingWave(), "");
  m.playWave("\\dead.WAV");
  EXPECT_EQ(m.playingWave(), folder + "/dead.WAV");
}

TEST_F(MediaTest, MusicStartsAtOnceAndTheNextTuneReplacesIt) {
  if (platform::findSoundFont().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  platform::SdlMedia m(folder);
  m.setMusic("tvop.Mid");
  m.settle();
  EXPECT_EQ(m.playing(), folder + "/tvop.Mid");
  wait(400);
  EXPECT_GT(loudest(), 500) << "the title tune is audible";
  const std::uintmax_t switched = fs::file_size(out);
  m.setMusic("2.mid");
  m.settle();
  EXPECT_EQ(m.playing(), folder + "/2.mid");
  wait(400);
  EXPECT_GT(loudest(switched), 500) << "the race tune follows the title tune";
}

// A tune file spoilt on disk must neither hang the music nor stop later tunes.
TEST_F(MediaTest, ADamagedTuneIsSilenceAndTheNextOnePlays) {
  if (platform::findSoundFont().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  const fs::path own = fs::path(out).replace_extension(".d");
  fs::create_directories(own);
  fs::copy_file(fs::path(folder) / "3.mid", own / "3.mid", fs::copy_options::overwrite_existing);
  std::ofstream(own / "junk.mid", std::ios::binary) << "MThd not really a tune";
  std::ofstream(own / "empty.mid", std::ios::binary).flush();
  {
    platform::SdlMedia m(own.string());
    for (const char* spoilt : {"junk.mid", "empty.mid"}) {
      m.setMusic("3.mid");
      m.setMusic(spoilt);
      m.settle();
      EXPECT_EQ(m.playing(), "") << spoilt;
    }
    m.setMusic("3.mid");
    m.settle();
    EXPECT_EQ(m.playing(), own.string() + "/3.mid");
  }
  fs::remove_all(own);
}

TEST_F(MediaTest, MissingMusicIsSilence) {
  platform::SdlMedia m(folder);
  m.setMusic("tvop.Mid");
  m.setMusic("no-such-tune.mid");
  m.settle();
  EXPECT_EQ(m.playing(), "") << "the old tune stops, the missing one is silence";
}

TEST_F(MediaTest, WithoutASoundfontMusicIsSilentAndWavesStillPlay) {
  setenv("SDL_SOUNDFONTS", "/nonexistent/none.sf2", 1);
  platform::SdlMedia without(folder);
  without.setMusic("tvop.Mid");
  without.settle();
  wait(300);
  EXPECT_EQ(loudest(), 0) << "a tune without instruments is silence";
  without.playWave("\\C6.wav");
  EXPECT_EQ(without.playingWave(), folder + "/C6.wav") << "waves still play";
}

// Tunes change quickly when a player clicks through the story: the music
// thread takes the requests in order, and the last one asked for plays.
TEST_F(MediaTest, TheLastTuneAskedForIsTheOneThatPlays) {
  platform::SdlMedia m(folder);
  for (const char* tune : {"tvop.Mid", "2.mid", "4.mid", "3.mid", "come_orl.mid", "2.mid"})
    m.setMusic(tune);
  m.settle();
  if (!platform::findSoundFont().empty()) {
    EXPECT_EQ(m.playing(), folder + "/2.mid");
  }
}

// The player's levels are heard at once; at 0 or muted the game still plays
// its tune and starts its waves, unheard.
TEST_F(MediaTest, SoundLevelsAreHeardAtOnceAndSilenceChangesNothingElse) {
  if (platform::findSoundFont().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  platform::SdlMedia m(folder);
  const int devices = m.deviceCount();
  m.setMusic("tvop.Mid");
  m.settle();
  const std::uintmax_t stretch = 44100 * 4 / 2;  // half a second of stereo
  auto loudnessAt = [&](int music, int effects, bool muted) {
    m.setLevels(music, effects, muted);
    m.playWave("\\Ding.wav");
    EXPECT_EQ(m.playingWave(), folder + "/Ding.wav") << "the wave starts, heard or not";
    const std::uintmax_t from = heardFrom(size(), stretch);
    return rms(from, stretch);
  };
  EXPECT_GT(loudnessAt(100, 100, false), 300) << "the tune and the bell";
  EXPECT_LT(loudnessAt(0, 0, false), 1) << "both at 0";
  EXPECT_EQ(m.playing(), folder + "/tvop.Mid") << "the tune plays on, unheard";
  EXPECT_EQ(m.deviceCount(), devices);
  EXPECT_LT(loudnessAt(100, 100, true), 1) << "muted";
  EXPECT_GT(loudnessAt(50, 50, false), 50) << "half as loud is still heard";
  EXPECT_GT(loudnessAt(100, 100, false), 300) << "unmuted, as loud as before";
}

TEST_F(MediaTest, NoAudioDeviceMeansSilenceAndNoDevices) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  platform::SdlMedia m(folder);
  EXPECT_FALSE(m.open());
  EXPECT_EQ(m.deviceCount(), 0);
  m.playWave("\\C6.wav");
  m.setMusic("tvop.Mid");
  EXPECT_EQ(m.playingWave(), "");
  EXPECT_EQ(m.playing(), "");
}

}  // namespace
