// The title screen: the hub of the game. It shows the title picture and
// text, plays the title sequence on its first button and reaches the story,
// the help screen, the battles and the two links. Closing it ends the game.
#pragma once

#include <cstdint>

#include "ui/window.h"

namespace frontend {

class Settings;

class TitleScreen : public ui::Window {
 public:
  explicit TitleScreen(ui::Program& program);
  const ui::Design& design() const override;

  // Clicks on Command1 since the program started; drives the title sequence.
  std::int16_t titleClicks = 0;

 private:
  void Form_Load();
  void Form_Unload();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Label1_Click();
  void Label2_Click();

  void titleSequence();
  void showModalIfPresent(const char* window);

  Settings& settings_;
  int waveDevices_ = 0;
};

}  // namespace frontend
