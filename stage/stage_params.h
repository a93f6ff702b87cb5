// What makes one stage race differ from another: its constants, where the
// rivals start, its pictures and music, and the password it shows.
#pragma once

#include <array>
#include <cstdint>

namespace stage {

struct StageParams {
  int stage;                              // 1 to 5
  std::int16_t steerStep;                 // twips the car moves sideways per tick of steering
  std::int16_t steerDrag;                 // speed lost per tick of steering
  std::int16_t leaderSteerDrag;           // further loss while in first place
  std::int16_t secondSteerDrag;           // further loss while in second place
  std::int16_t topSpeed;                  // above it the car loses 10 a tick
  std::int16_t overheatSpeed;             // above it, after that loss, the engine overheats
  std::array<std::int16_t, 3> rivalPace;  // how fast rivals 1, 2, 3 pull away
  std::int16_t slowCarPace;
  std::array<std::int16_t, 3> chaseStep;  // how fast rivals 1, 2, 3 close in sideways
  std::int16_t passRankLimit;             // a final rank below it passes
  const char* passMessage;

  // The stage screen's own design.
  std::array<std::array<float, 2>, 3> rivalStart;  // Left, Top of rivals 1, 2, 3
  bool proCar;                                     // the lent car with three pictures
  const char* music;                               // set on load, or nullptr
  const char* password;                            // shown on the screen
};

// The five stages, in order.
const std::array<StageParams, 5>& stages();
const StageParams& stageParams(int stage);

}  // namespace stage
