#include "media/sdl_media.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>
#include <filesystem>

namespace media {

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
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
  const std::string font = findSoundFont();
  if (!font.empty()) Mix_SetSoundFonts(font.c_str());
  Mix_Init(MIX_INIT_MID);
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  Mix_AllocateChannels(1);
  open_ = true;
}

SdlMedia::~SdlMedia() {
  if (!open_) return;
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  if (music_ != nullptr) Mix_FreeMusic(music_);
  for (auto& [path, c] : chunks_)
    if (c != nullptr) Mix_FreeChunk(c);
  Mix_CloseAudio();
  Mix_Quit();
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

void SdlMedia::playWave(const std::string& name) {
  if (!open_) return;
  if (Mix_Chunk* c = chunk(soundPath(folder_, name))) Mix_PlayChannel(0, c, 0);
}

void SdlMedia::setMusic(const std::string& file) {
  if (!open_) return;
  Mix_HaltMusic();
  if (music_ != nullptr) Mix_FreeMusic(music_);
  music_ = nullptr;
  playing_.clear();
  const std::string path = soundPath(folder_, file);
  music_ = Mix_LoadMUS(path.c_str());
  if (music_ == nullptr) return;
  if (Mix_PlayMusic(music_, -1) == 0) playing_ = path;
}

int SdlMedia::deviceCount() {
  if (!open_) return 0;
  return std::max(1, SDL_GetNumAudioDevices(0));
}

}  // namespace media
