// Sound on SDL2_mixer: waves on one channel, so a new wave replaces the one
// playing, and MIDI music through FluidSynth with Debian's General MIDI
// soundfont, mixed under the waves. Without an audio device, a file or a
// soundfont it stays silent.
//
// Loading a tune reads its instruments from the soundfont; a music thread of
// its own does that, so a race never stutters when its screen changes the
// music. The tune starts the moment it is loaded.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "media/media.h"
#include "platform/sdl/music_synth.h"

struct Mix_Chunk;

namespace platform {

class SdlMedia : public media::Media {
 public:
  explicit SdlMedia(std::string folder);
  ~SdlMedia() override;
  SdlMedia(const SdlMedia&) = delete;
  SdlMedia& operator=(const SdlMedia&) = delete;

  void playWave(const std::string& name) override;
  void setMusic(const std::string& file) override;
  int deviceCount() override;

  bool open() const { return open_; }
  // The file the music plays from, empty when none plays.
  std::string playing();
  // Waits until the music thread has acted on every request.
  void settle();
  // The file of the wave playing now, empty when none plays.
  std::string playingWave() const;
  // How loud the music and the waves are, 0 (silent) to 100 (as made), heard
  // at once; muted silences both. The game goes on as with sound: tunes still
  // play on and waves still start, unheard.
  void setLevels(int music, int effects, bool muted);

 private:
  Mix_Chunk* chunk(const std::string& path);
  void musicLoop();
  static void mixMusic(void* self, unsigned char* stream, int bytes);

  std::string folder_;
  bool open_ = false;
  std::map<std::string, Mix_Chunk*> chunks_;
  // The wave asked for last and when: asked again at once (a flood of
  // missiles in one arrival), it is neither looked up nor started over.
  std::string lastWave_;
  std::chrono::steady_clock::time_point lastAsked_{};

  // Shared with the music thread, under the mutex.
  std::mutex mutex_;
  std::condition_variable wake_, idle_;
  std::string request_;  // the tune asked for last
  unsigned long asked_ = 0, done_ = 0;
  bool stopping_ = false;
  std::string playing_;
  std::thread musicThread_;
  std::unique_ptr<MusicSynth> synth_;
  int channels_ = 2;
  // Shared with the device's thread: the music's loudness, 0 to 100.
  std::atomic<int> musicLevel_ = 100;
  // The device's thread only: stereo music before it is spread to channels_.
  std::vector<std::int16_t> stereo_;
};

// The General MIDI soundfont to use: $SDL_SOUNDFONTS when set, else the
// first of Debian's that exists; empty when there is none.
std::string findSoundFont();

}  // namespace platform
