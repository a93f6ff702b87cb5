// The files FluidSynth reads soundfonts from: files on disk, and soundfonts
// cut down for one tune, read under a name of their own for as long as they
// are offered.
#pragma once

#include <string>

#include "platform/sdl/soundfont_cut.h"

struct _fluid_sfloader_t;

namespace platform {

// Reads through the offered cuts, and any other name as a file on disk.
void readSoundFontsThroughCuts(_fluid_sfloader_t* loader);

// Offers `cut` of the soundfont at `path`; returns the name to load it by.
std::string offerSoundFontCut(const std::string& path, SoundFontCut cut);
// The name is no longer read; call once its soundfont is unloaded.
void withdrawSoundFontCut(const std::string& name);

}  // namespace platform
