// The game's five tunes, each composed in its own function.
#pragma once

#include <cstdint>
#include <vector>

#include "compose.h"

namespace driftwing::audiogen {

std::vector<uint8_t> TitleTheme();   // D major, heroic
std::vector<uint8_t> RaceTheme();    // A major rock, fast
std::vector<uint8_t> ChaseTheme();   // C minor, tense and fast
std::vector<uint8_t> BattleTheme();  // E minor, two leads trading phrases
std::vector<uint8_t> EndingTheme();  // F major, warm and slower

inline const Groove kCrashOnOne = {{kCrash, "X..............."}};

}  // namespace driftwing::audiogen
