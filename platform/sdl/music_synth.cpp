#include "platform/sdl/music_synth.h"

#include <fluidsynth.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/sdl/soundfont_cut.h"
#include "platform/sdl/soundfont_files.h"
#include "platform/sdl/tune_notes.h"

namespace platform {

namespace {

// The first moment of a tune, rendered while it loads: the instruments it
// picks at its start are read from the soundfont then, not on the device's
// time.
constexpr int kLeadFrames = 1024;

// The whole file, or nothing when it cannot be read.
std::vector<char> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

MusicSynth::MusicSynth(std::string soundFont, int rate, float gain)
    : soundFont_(std::move(soundFont)), rate_(rate), gain_(gain) {}

MusicSynth::~MusicSynth() {
  std::unique_lock lock(mutex_);
  dropTune();
  if (synth_ != nullptr) delete_fluid_synth(synth_);
  if (!cutName_.empty()) withdrawSoundFontCut(cutName_);
  if (settings_ != nullptr) delete_fluid_settings(settings_);
}

bool MusicSynth::ready() {
  if (failed_) return false;
  if (synth_ != nullptr) return true;
  failed_ = true;
  std::ifstream font(soundFont_, std::ios::binary);
  if (soundFont_.empty() || !font) return false;
  // A soundfont or tune it cannot read is silence in the game, not a message.
  for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
    fluid_set_log_function(level, nullptr, nullptr);
  settings_ = new_fluid_settings();
  if (settings_ == nullptr) return false;
  fluid_settings_setnum(settings_, "synth.sample-rate", rate_);
  fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
  // A looping tune carries straight on from its end to its start: the tune
  // sets its instruments again at its first beat, and the echo of its last
  // notes is not cut.
  fluid_settings_setint(settings_, "player.reset-synth", 0);
  synth_ = new_fluid_synth(settings_);
  if (synth_ == nullptr) return false;
  fluid_synth_set_gain(synth_, gain_);
  // Soundfonts are read through the cuts made for each tune; the loader
  // added last is asked first.
  fluid_sfloader_t* loader = new_fluid_defsfloader(settings_);
  if (loader == nullptr) return false;
  readSoundFontsThroughCuts(loader);
  fluid_synth_add_sfloader(synth_, loader);
  failed_ = false;
  return true;
}

// Loads the soundfont for `tune`, cut down to what the tune sounds, or whole
// when the tune cannot be read that far. No instrument is picked before the
// tune picks its own, so no samples are read that the tune does not play.
bool MusicSynth::loadFontFor(const std::vector<char>& tune) {
  unloadFont();
  if (const std::optional<TuneNotes> notes = readTuneNotes(tune))
    if (std::optional<SoundFontCut> cut = cutSoundFont(soundFont_, *notes)) {
      cutName_ = offerSoundFontCut(soundFont_, std::move(*cut));
      fontId_ = fluid_synth_sfload(synth_, cutName_.c_str(), 0);
      if (fontId_ != FLUID_FAILED) return true;
      unloadFont();
    }
  fontId_ = fluid_synth_sfload(synth_, soundFont_.c_str(), 0);
  if (fontId_ != FLUID_FAILED) return true;
  // A soundfont that cannot be read stays silent for good.
  fontId_ = -1;
  failed_ = true;
  return false;
}

void MusicSynth::unloadFont() {
  if (fontId_ >= 0) fluid_synth_sfunload(synth_, fontId_, 0);
  fontId_ = -1;
  if (!cutName_.empty()) withdrawSoundFontCut(cutName_);
  cutName_.clear();
}

bool MusicSynth::start(const std::string& path) {
  const std::vector<char> tune = readFile(path);
  std::unique_lock lock(mutex_);
  fadeOut(lock);
  dropTune();
  // From here the device hears silence until the new tune is ready.
  if (tune.empty() || !ready() || !loadFontFor(tune)) return false;
  player_ = new_fluid_player(synth_);
  if (player_ == nullptr) return false;
  fluid_player_add_mem(player_, tune.data(), tune.size());
  // Once through at first: a player told to loop a file that is not a tune
  // would try to read it again for ever. A file that is not a tune stops the
  // player at its first step; a tune loops from then on.
  fluid_player_set_loop(player_, 1);
  fluid_player_play(player_);
  lead_.assign(std::size_t(kLeadFrames) * 2, 0);
  fluid_synth_write_s16(synth_, kLeadFrames, lead_.data(), 0, 2, lead_.data(), 1, 2);
  if (fluid_player_get_status(player_) != FLUID_PLAYER_PLAYING) {
    dropTune();
    return false;
  }
  fluid_player_set_loop(player_, -1);
  leadAt_ = 0;
  muted_ = false;
  return true;
}

void MusicSynth::stop() {
  std::unique_lock lock(mutex_);
  fadeOut(lock);
  dropTune();
}

void MusicSynth::fadeOut(std::unique_lock<std::mutex>& lock) {
  if (player_ == nullptr || muted_) return;
  fadeLeft_ = std::max(1, rate_ / 100);
  // A device that has stopped pulling sound will not finish the fade; the
  // tune is cut then, as nobody hears it.
  faded_.wait_for(lock, std::chrono::milliseconds(250), [this] { return muted_; });
  muted_ = true;
}

void MusicSynth::dropTune() {
  if (player_ != nullptr) {
    fluid_player_stop(player_);
    delete_fluid_player(player_);
    player_ = nullptr;
    // Every note still ringing ends, and every channel is left as a new
    // synthesizer has it: no instrument, the first bank (the drums' on the
    // drum channel), its controllers at rest. The old tune's samples go with
    // its instruments.
    fluid_synth_all_sounds_off(synth_, -1);
    for (int channel = 0; channel < fluid_synth_count_midi_channels(synth_); ++channel) {
      const bool drums = channel == TuneNotes::kDrumChannel;
      fluid_synth_cc(synth_, channel, 121, 0);
      fluid_synth_unset_program(synth_, channel);
      fluid_synth_set_channel_type(synth_, channel,
                                   drums ? CHANNEL_TYPE_DRUM : CHANNEL_TYPE_MELODIC);
      fluid_synth_bank_select(synth_, channel, drums ? 128 : 0);
    }
  }
  lead_.clear();
  leadAt_ = 0;
  fadeLeft_ = 0;
  muted_ = true;
}

void MusicSynth::render(std::int16_t* out, int frames) {
  std::unique_lock lock(mutex_, std::try_to_lock);
  if (!lock.owns_lock() || player_ == nullptr || muted_) {
    std::memset(out, 0, std::size_t(frames) * 2 * sizeof *out);
    return;
  }
  const int fromLead = std::min<int>(frames, int(lead_.size() - leadAt_) / 2);
  std::copy_n(lead_.begin() + long(leadAt_), fromLead * 2, out);
  leadAt_ += std::size_t(fromLead) * 2;
  if (fromLead < frames) {
    std::int16_t* rest = out + std::ptrdiff_t(fromLead) * 2;
    fluid_synth_write_s16(synth_, frames - fromLead, rest, 0, 2, rest, 1, 2);
  }
  if (fadeLeft_ == 0) return;
  const float length = float(std::max(1, rate_ / 100));
  for (int i = 0; i < frames; ++i) {
    const float g = float(fadeLeft_) / length;
    out[2 * i] = std::int16_t(float(out[2 * i]) * g);
    out[2 * i + 1] = std::int16_t(float(out[2 * i + 1]) * g);
    if (fadeLeft_ > 0) --fadeLeft_;
  }
  if (fadeLeft_ == 0) {
    muted_ = true;
    faded_.notify_all();
  }
}

}  // namespace platform
