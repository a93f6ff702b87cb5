#include "platform/sdl/soundfont_files.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

namespace platform {

namespace {

struct Offer {
  std::string path;
  SoundFontCut cut;
};

std::mutex offersMutex;
std::map<std::string, std::shared_ptr<const Offer>> offers;
unsigned long offered = 0;

// An open soundfont: the file on disk, read through the cut when there is
// one.
struct OpenFont {
  std::FILE* file = nullptr;
  std::shared_ptr<const Offer> offer;
  std::uint64_t size = 0;
  std::uint64_t at = 0;
};

void* openFont(const char* name) {
  std::shared_ptr<const Offer> offer;
  {
    std::lock_guard lock(offersMutex);
    if (auto it = offers.find(name); it != offers.end()) offer = it->second;
  }
  std::FILE* file = std::fopen(offer ? offer->path.c_str() : name, "rb");
  if (file == nullptr) return nullptr;
  auto* font = new OpenFont{file, offer, 0, 0};
  if (offer) {
    font->size = offer->cut.size();
  } else if (std::fseek(file, 0, SEEK_END) == 0 && std::ftell(file) >= 0) {
    font->size = std::uint64_t(std::ftell(file));
  }
  return font;
}

int readFont(void* buf, fluid_long_long_t count, void* handle) {
  auto& font = *static_cast<OpenFont*>(handle);
  if (count < 0 || std::uint64_t(count) > font.size - std::min(font.at, font.size))
    return FLUID_FAILED;
  char* out = static_cast<char*>(buf);
  std::uint64_t left = std::uint64_t(count);
  const SoundFontCut* cut = font.offer ? &font.offer->cut : nullptr;
  while (left > 0) {
    std::uint64_t n = left;
    if (cut != nullptr && font.at < cut->head.size()) {
      n = std::min<std::uint64_t>(n, cut->head.size() - font.at);
      std::memcpy(out, cut->head.data() + font.at, n);
    } else if (cut != nullptr && font.at >= cut->hydraAt) {
      std::memcpy(out, cut->hydra.data() + (font.at - cut->hydraAt), n);
    } else {
      if (cut != nullptr) n = std::min<std::uint64_t>(n, cut->hydraAt - font.at);
      if (fseeko(font.file, off_t(font.at), SEEK_SET) != 0 || std::fread(out, 1, n, font.file) != n)
        return FLUID_FAILED;
    }
    out += n;
    font.at += n;
    left -= n;
  }
  return FLUID_OK;
}

int seekFont(void* handle, fluid_long_long_t offset, int origin) {
  auto& font = *static_cast<OpenFont*>(handle);
  fluid_long_long_t from = 0;
  if (origin == SEEK_CUR) from = fluid_long_long_t(font.at);
  if (origin == SEEK_END) from = fluid_long_long_t(font.size);
  if (from + offset < 0) return FLUID_FAILED;
  font.at = std::uint64_t(from + offset);
  return FLUID_OK;
}

fluid_long_long_t tellFont(void* handle) {
  return fluid_long_long_t(static_cast<OpenFont*>(handle)->at);
}

int closeFont(void* handle) {
  auto* font = static_cast<OpenFont*>(handle);
  std::fclose(font->file);
  delete font;
  return FLUID_OK;
}

}  // namespace

void readSoundFontsThroughCuts(_fluid_sfloader_t* loader) {
  fluid_sfloader_set_callbacks(loader, openFont, readFont, seekFont, tellFont, closeFont);
}

std::string offerSoundFontCut(const std::string& path, SoundFontCut cut) {
  std::lock_guard lock(offersMutex);
  // An offered name is read as the cut even where a file has that name.
  const std::string name = path + "#tune" + std::to_string(++offered);
  offers[name] = std::make_shared<const Offer>(Offer{path, std::move(cut)});
  return name;
}

void withdrawSoundFontCut(const std::string& name) {
  std::lock_guard lock(offersMutex);
  offers.erase(name);
}

}  // namespace platform
