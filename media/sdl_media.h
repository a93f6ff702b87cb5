// Sound on SDL2_mixer: waves on one channel, so a new wave replaces the one
// playing, and MIDI music through FluidSynth with Debian's General MIDI
// soundfont. Without an audio device, a file or a soundfont it stays silent.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "media/media.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace media {

class SdlMedia : public Media {
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
  const std::string& playing() const { return playing_; }

 private:
  Mix_Chunk* chunk(const std::string& path);

  std::string folder_;
  bool open_ = false;
  std::map<std::string, Mix_Chunk*> chunks_;
  Mix_Music* music_ = nullptr;
  std::string playing_;
};

// The General MIDI soundfont to use: $SDL_SOUNDFONTS when set, else the
// first of Debian's that exists; empty when there is none.
std::string findSoundFont();

}  // namespace media
