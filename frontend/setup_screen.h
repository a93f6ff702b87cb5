// The setup screen: where a story begins. The player types a name and, to
// resume, a stage password, and picks Easy, Normal or Hard.
#pragma once

#include <cstdint>

#include "ui/window.h"

namespace frontend {

class Settings;

class SetupScreen : public ui::Window {
 public:
  explicit SetupScreen(ui::Program& program);
  const ui::Design& design() const override;

  static constexpr std::int16_t kEasy = 20, kNormal = 10, kHard = 0;

 private:
  void choose(std::int16_t difficulty, bool hardButton);
  Settings& settings_;
};

}  // namespace frontend
