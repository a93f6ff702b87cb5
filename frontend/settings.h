// The program-wide game settings: where the story goes next and how hard the
// races are. Both start empty and are written by the setup screen.
#pragma once

#include <cstdint>
#include <optional>

#include "ui/program.h"

namespace frontend {

class Settings : public ui::Module {
 public:
  explicit Settings(ui::Program& program) {
    program.globals().add("storyStep", storyStep);
    program.globals().add("difficultyBonus", difficultyBonus);
  }

  // The number of the story scene the next click plays.
  std::optional<std::int16_t> storyStep;
  // Added to every rival's drift in a stage race: Easy 20, Normal 10, Hard 0.
  std::optional<std::int16_t> difficultyBonus;
};

}  // namespace frontend
