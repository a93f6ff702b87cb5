// The game's five tunes, each composed in its own function.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/gen_audio/compose.h"

namespace audiogen {

std::vector<std::uint8_t> titleTheme();   // D major, heroic
std::vector<std::uint8_t> raceTheme();    // A major rock, fast
std::vector<std::uint8_t> chaseTheme();   // C minor, tense and fast
std::vector<std::uint8_t> battleTheme();  // E minor, two leads trading phrases
std::vector<std::uint8_t> endingTheme();  // F major, warm and slower

inline const Groove kCrashOnOne = {{kCrash, "X..............."}};

}  // namespace audiogen
