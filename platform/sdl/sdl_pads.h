// Gamepads on SDL2's game-controller API, read from a Qt timer on the game's
// one thread and turned into the game's keys (ui/gamepad.h). SDL opens no
// window here; pads speak to whichever game window is in front. With no
// joystick support in SDL, or no pad, the game goes on without them.
#pragma once

#include <QObject>
#include <QTimer>
#include <map>
#include <utility>

#include "ui/gamepad.h"

typedef struct _SDL_GameController SDL_GameController;

namespace ui {
class Program;
}

namespace platform {

namespace qt {
class KeyBindings;
}

class SdlPads : public QObject {
 public:
  // Starts SDL's game-controller support beside the sound's (each keeps its
  // own hold on SDL), and polls every few milliseconds while a pad is in.
  explicit SdlPads(ui::Program& program);
  ~SdlPads() override;
  SdlPads(const SdlPads&) = delete;
  SdlPads& operator=(const SdlPads&) = delete;

  // False when SDL could not start its game-controller support.
  bool ready() const { return ready_; }
  // Pads plugged in and opened.
  int count() const { return static_cast<int>(open_.size()); }
  // The player's face-button swaps, mode by mode (null: none); the caller
  // keeps them alive while set.
  void setKeyBindings(const qt::KeyBindings* keys) { keys_ = keys; }
  // Reads what the pads did since the last poll and sends the keys due;
  // the timer calls it, and tests may too.
  void poll();

 private:
  void opened(int deviceIndex);
  void closed(int instance);
  void schedule();
  // A button of a pad pressed or let go. A face button pressed plays the part
  // the player gave it in the mode of the window in front, and lets go of
  // that same part even if another window has come to the front since.
  void button(int instance, int sdlButton, bool down);

  ui::Program& program_;
  ui::Gamepads pads_;
  std::map<int, SDL_GameController*> open_;  // by SDL's instance number
  const qt::KeyBindings* keys_ = nullptr;
  std::map<std::pair<int, int>, ui::PadButton> heldAs_;  // by instance and SDL button
  QTimer timer_;
  bool ready_ = false;
  bool polling_ = false;
};

}  // namespace platform
