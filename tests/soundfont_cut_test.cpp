// The soundfont cut down to one tune: every note of the game's tunes sounds
// exactly as it does from the whole soundfont, through a whole pass and into
// the loop.
#include "platform/sdl/soundfont_cut.h"

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/sdl/sdl_media.h"
#include "platform/sdl/soundfont_files.h"
#include "platform/sdl/tune_notes.h"

namespace {

std::vector<char> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The tune once through and a second into its loop, from the soundfont
// loaded by `font`, with the game's settings.
std::vector<std::int16_t> play(const std::string& font, const std::vector<char>& tune) {
  for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
    fluid_set_log_function(level, nullptr, nullptr);
  fluid_settings_t* settings = new_fluid_settings();
  fluid_settings_setnum(settings, "synth.sample-rate", 44100);
  fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
  fluid_settings_setint(settings, "player.reset-synth", 0);
  fluid_synth_t* synth = new_fluid_synth(settings);
  fluid_sfloader_t* loader = new_fluid_defsfloader(settings);
  platform::readSoundFontsThroughCuts(loader);
  fluid_synth_add_sfloader(synth, loader);
  std::vector<std::int16_t> sound;
  if (fluid_synth_sfload(synth, font.c_str(), 0) != FLUID_FAILED) {
    fluid_player_t* player = new_fluid_player(synth);
    fluid_player_add_mem(player, tune.data(), tune.size());
    fluid_player_set_loop(player, -1);
    fluid_player_play(player);
    constexpr int kTenth = 4410;
    std::vector<std::int16_t> block(kTenth * 2);
    int tick = 0, looped = 0;
    while (looped < 10 && sound.size() < std::size_t(kTenth) * 2 * 1200) {
      fluid_synth_write_s16(synth, kTenth, block.data(), 0, 2, block.data(), 1, 2);
      sound.insert(sound.end(), block.begin(), block.end());
      const int now = fluid_player_get_current_tick(player);
      if (now < tick || looped > 0) ++looped;
      tick = now;
    }
    fluid_player_stop(player);
    delete_fluid_player(player);
  }
  delete_fluid_synth(synth);
  delete_fluid_settings(settings);
  return sound;
}

TEST(SoundFontCutTest, EveryTuneSoundsAsFromTheWholeSoundfont) {
  const std::string font = platform::findSoundFont();
  if (font.empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  for (const char* name : {"tvop.Mid", "2.mid", "3.mid", "4.mid", "come_orl.mid"}) {
    SCOPED_TRACE(name);
    const std::vector<char> tune = readFile(std::string(DRIFTWING_SOUND_DIR) + "/" + name);
    const auto notes = platform::readTuneNotes(tune);
    ASSERT_TRUE(notes.has_value()) << "the game's own tunes are read";
    auto cut = platform::cutSoundFont(font, *notes);
    ASSERT_TRUE(cut.has_value());
    const std::string cutName = platform::offerSoundFontCut(font, std::move(*cut));
    const std::vector<std::int16_t> whole = play(font, tune);
    const std::vector<std::int16_t> fromCut = play(cutName, tune);
    platform::withdrawSoundFontCut(cutName);
    ASSERT_FALSE(whole.empty());
    EXPECT_TRUE(whole == fromCut);
  }
}

}  // namespace
