// Sound on SDL2_mixer: waves on one channel, so a new wave replaces the one
// playing, and MIDI music through FluidSynth with Debian's General MIDI
// soundfont. Without an audio device, a file or a soundfont it stays silent.
//
// Loading a tune means loading the whole soundfont, which takes a good part
// of a second; a music thread of its own does that, so a race never stutters
// when its screen changes the music. The tune starts the moment it is loaded.
#pragma once

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "media/media.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

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

 private:
  Mix_Chunk* chunk(const std::string& path);
  void musicLoop();

  std::string folder_;
  bool open_ = false;
  std::map<std::string, Mix_Chunk*> chunks_;

  // Shared with the music thread, under the mutex.
  std::mutex mutex_;
  std::condition_variable wake_, idle_;
  std::string request_;  // the tune asked for last
  unsigned long asked_ = 0, done_ = 0;
  bool stopping_ = false;
  std::string playing_;
  std::thread musicThread_;
  // Touched by the music thread only.
  Mix_Music* music_ = nullptr;
};

// The General MIDI soundfont to use: $SDL_SOUNDFONTS when set, else the
// first of Debian's that exists; empty when there is none.
std::string findSoundFont();

}  // namespace platform
