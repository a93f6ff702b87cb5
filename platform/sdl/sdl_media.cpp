#include "platform/sdl/sdl_media.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>

namespace platform {

std::string findSoundFont() {
  if (const char* env = std::getenv("SDL_SOUNDFONTS"); env != nullptr && *env != '\0') return env;
  for (const char* candidate :
       {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/sounds/sf3/default-GM.sf3", "/usr/share/sounds/sf2/TimGM6mb.sf2"}) {
    std::error_code ec;
    if (std::filesystem::exists(candidate, ec)) return candidate;
  }
  return {};
}

SdlMedia::SdlMedia(std::string folder) : folder_(std::move(folder)) {
  // Ctrl+C and a polite kill end the game as usual; SDL must not catch them.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  Mix_AllocateChannels(1);
  int rate = 44100, channels = 2;
  Uint16 format = 0;
  Mix_QuerySpec(&rate, &format, &channels);
  channels_ = std::max(1, channels);
  // The music at the loudness it has always had: some headroom, so a crash or
  // a bell over it never clips.
  synth_ = std::make_unique<MusicSynth>(findSoundFont(), rate, 0.9f);
  Mix_HookMusic(&SdlMedia::mixMusic, this);
  open_ = true;
  musicThread_ = std::thread([this] { musicLoop(); });
}

SdlMedia::~SdlMedia() {
  if (!open_) return;
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  musicThread_.join();
  Mix_HookMusic(nullptr, nullptr);
  synth_.reset();
  Mix_HaltChannel(-1);
  for (auto& [path, c] : chunks_)
    if (c != nullptr) Mix_FreeChunk(c);
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

Mix_Chunk* SdlMedia::chunk(const std::string& path) {
  auto it = chunks_.find(path);
  if (it != chunks_.end() && it->second != nullptr) return it->second;
  // A missing file is looked for again next time: the player may add it.
  Mix_Chunk* c = Mix_LoadWAV(path.c_str());
  chunks_[path] = c;
  return c;
}

namespace {
// A wave started again this soon after it started sounds the same as the one
// playing on: no ear tells the two apart.
constexpr auto kUnheardRestart = std::chrono::milliseconds(5);
}  // namespace

void SdlMedia::playWave(const std::string& name) {
  if (!open_) return;
  const auto now = std::chrono::steady_clock::now();
  if (name == lastWave_ && now - lastAsked_ < kUnheardRestart) return;
  lastWave_ = name;
  lastAsked_ = now;
  if (Mix_Chunk* c = chunk(media::soundPath(folder_, name))) Mix_PlayChannel(0, c, 0);
}

void SdlMedia::setMusic(const std::string& file) {
  if (!open_) return;
  {
    std::lock_guard lock(mutex_);
    request_ = media::soundPath(folder_, file);
    ++asked_;
  }
  wake_.notify_all();
}

void SdlMedia::musicLoop() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || done_ != asked_; });
    if (stopping_) break;
    const std::string path = request_;
    const unsigned long ticket = asked_;
    lock.unlock();
    // The old tune fades out at once; the new one starts as soon as it is
    // loaded.
    const bool started = synth_->start(path);
    lock.lock();
    playing_ = started ? path : std::string();
    if (asked_ == ticket) {
      done_ = ticket;
      idle_.notify_all();
    }
  }
  lock.unlock();
  synth_->stop();
}

void SdlMedia::setLevels(int music, int effects, bool muted) {
  music = muted ? 0 : std::clamp(music, 0, 100);
  effects = muted ? 0 : std::clamp(effects, 0, 100);
  musicLevel_ = music;
  if (open_) Mix_Volume(0, (effects * MIX_MAX_VOLUME + 50) / 100);
}

namespace {
// Music at `level` of its loudness (0 to 100).
void soften(std::int16_t* samples, std::size_t count, int level) {
  if (level >= 100) return;
  if (level <= 0) {
    std::fill(samples, samples + count, std::int16_t(0));
    return;
  }
  for (std::size_t i = 0; i < count; ++i) samples[i] = std::int16_t(samples[i] * level / 100);
}
}  // namespace

// SDL2_mixer asks for the music first and mixes the waves over it. The tune
// plays on at any level, so it is where it would be when it is heard again.
void SdlMedia::mixMusic(void* self, unsigned char* stream, int bytes) {
  auto& media = *static_cast<SdlMedia*>(self);
  auto* out = reinterpret_cast<std::int16_t*>(stream);
  const int frames = bytes / int(sizeof(std::int16_t)) / media.channels_;
  const int level = media.musicLevel_;
  if (media.channels_ == 2) {
    media.synth_->render(out, frames);
    soften(out, std::size_t(frames) * 2, level);
    return;
  }
  media.stereo_.resize(std::size_t(frames) * 2);
  media.synth_->render(media.stereo_.data(), frames);
  soften(media.stereo_.data(), media.stereo_.size(), level);
  for (int i = 0; i < frames; ++i) {
    const std::int16_t* lr = &media.stereo_[std::size_t(i) * 2];
    std::int16_t* frame = out + std::ptrdiff_t(i) * media.channels_;
    if (media.channels_ == 1) {
      frame[0] = std::int16_t((lr[0] + lr[1]) / 2);
      continue;
    }
    frame[0] = lr[0];
    frame[1] = lr[1];
    std::fill(frame + 2, frame + media.channels_, std::int16_t(0));
  }
}

std::string SdlMedia::playing() {
  std::lock_guard lock(mutex_);
  return playing_;
}

void SdlMedia::settle() {
  if (!open_) return;
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return done_ == asked_; });
}

std::string SdlMedia::playingWave() const {
  if (!open_ || Mix_Playing(0) == 0) return {};
  Mix_Chunk* now = Mix_GetChunk(0);
  for (const auto& [path, c] : chunks_)
    if (c == now) return path;
  return {};
}

int SdlMedia::deviceCount() {
  if (!open_) return 0;
  return std::max(1, SDL_GetNumAudioDevices(0));
}

}  // namespace platform
