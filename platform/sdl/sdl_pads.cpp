#include "platform/sdl/sdl_pads.h"

#include <SDL.h>

#include <optional>

#include "platform/qt/key_bindings.h"
#include "ui/program.h"
#include "ui/window.h"

namespace platform {

namespace {

// Often enough that a tap of a button is never late by more than the
// keyboard's own latency, and that the repeats of a held button keep time.
constexpr int kPollMs = 8;
// With no pad in, only a pad being plugged in is waited for.
constexpr int kIdlePollMs = 250;

std::optional<ui::PadButton> padButton(int sdlButton) {
  switch (sdlButton) {
    case SDL_CONTROLLER_BUTTON_A:
      return ui::PadButton::A;
    case SDL_CONTROLLER_BUTTON_B:
      return ui::PadButton::B;
    case SDL_CONTROLLER_BUTTON_X:
      return ui::PadButton::X;
    case SDL_CONTROLLER_BUTTON_Y:
      return ui::PadButton::Y;
    case SDL_CONTROLLER_BUTTON_BACK:
      return ui::PadButton::Back;
    case SDL_CONTROLLER_BUTTON_START:
      return ui::PadButton::Start;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
      return ui::PadButton::Up;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
      return ui::PadButton::Down;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
      return ui::PadButton::Left;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
      return ui::PadButton::Right;
    default:
      return std::nullopt;
  }
}

std::optional<ui::PadAxis> padAxis(int sdlAxis) {
  switch (sdlAxis) {
    case SDL_CONTROLLER_AXIS_LEFTX:
      return ui::PadAxis::LeftX;
    case SDL_CONTROLLER_AXIS_LEFTY:
      return ui::PadAxis::LeftY;
    case SDL_CONTROLLER_AXIS_TRIGGERLEFT:
      return ui::PadAxis::LeftTrigger;
    case SDL_CONTROLLER_AXIS_TRIGGERRIGHT:
      return ui::PadAxis::RightTrigger;
    default:
      return std::nullopt;
  }
}

double axisValue(int raw) { return raw < 0 ? raw / 32768.0 : raw / 32767.0; }

}  // namespace

SdlPads::SdlPads(ui::Program& program) : program_(program) {
  // Ctrl+C and a polite kill end the game as usual; SDL must not catch them.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // SDL has no window of its own to have the focus; the game's Qt windows do.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  // Counted by SDL, apart from the sound's audio: either may stop first.
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return;
  ready_ = true;
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
  schedule();
}

SdlPads::~SdlPads() {
  if (!ready_) return;
  for (auto& [instance, pad] : open_) SDL_GameControllerClose(pad);
  open_.clear();
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void SdlPads::schedule() { timer_.start(open_.empty() ? kIdlePollMs : kPollMs); }

void SdlPads::opened(int deviceIndex) {
  SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex);
  if (pad == nullptr) return;
  const int instance = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
  if (instance < 0 || open_.count(instance) != 0) {
    SDL_GameControllerClose(pad);  // SDL counts opens: this one only
    return;
  }
  open_[instance] = pad;
  pads_.plug(instance);
  // A button held while the pad goes in counts from now.
  for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b)
    if (SDL_GameControllerGetButton(pad, static_cast<SDL_GameControllerButton>(b)) != 0)
      button(instance, b, true);
  for (int a = 0; a < SDL_CONTROLLER_AXIS_MAX; ++a)
    if (auto axis = padAxis(a))
      pads_.axis(instance, *axis,
                 axisValue(SDL_GameControllerGetAxis(pad, static_cast<SDL_GameControllerAxis>(a))));
}

void SdlPads::closed(int instance) {
  auto it = open_.find(instance);
  if (it == open_.end()) return;
  SDL_GameControllerClose(it->second);
  open_.erase(it);
  std::erase_if(heldAs_, [instance](const auto& held) { return held.first.first == instance; });
  pads_.unplug(instance);
}

void SdlPads::button(int instance, int sdlButton, bool down) {
  const auto pressed = padButton(sdlButton);
  if (!pressed) return;
  const std::pair<int, int> at{instance, sdlButton};
  ui::PadButton part = *pressed;
  if (const auto held = heldAs_.find(at); held != heldAs_.end()) {
    part = held->second;
    heldAs_.erase(held);
  } else if (down && keys_ != nullptr && program_.front() != nullptr) {
    if (const auto mode = qt::modeOfWindow(program_.front()->name()))
      part = keys_->actsAs(*mode, *pressed);
  }
  if (down) heldAs_[at] = part;
  pads_.button(instance, part, down);
}

void SdlPads::poll() {
  // A handler that lets pending events run must not bring the pads in again.
  if (!ready_ || polling_) return;
  polling_ = true;
  const bool hadPads = !open_.empty();
  SDL_PumpEvents();
  SDL_Event e;
  while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_CONTROLLERAXISMOTION,
                        SDL_CONTROLLERDEVICEREMAPPED) > 0) {
    switch (e.type) {
      case SDL_CONTROLLERDEVICEADDED:
        opened(e.cdevice.which);
        break;
      case SDL_CONTROLLERDEVICEREMOVED:
        closed(e.cdevice.which);
        break;
      case SDL_CONTROLLERBUTTONDOWN:
      case SDL_CONTROLLERBUTTONUP:
        button(e.cbutton.which, e.cbutton.button, e.type == SDL_CONTROLLERBUTTONDOWN);
        break;
      case SDL_CONTROLLERAXISMOTION:
        if (auto axis = padAxis(e.caxis.axis))
          pads_.axis(e.caxis.which, *axis, axisValue(e.caxis.value));
        break;
      default:
        break;
    }
  }
  // The raw joystick events under the pads' and their touchpads and sensors
  // serve nothing here; left alone they would fill SDL's queue.
  SDL_FlushEvents(SDL_JOYAXISMOTION, SDL_JOYBATTERYUPDATED);
  SDL_FlushEvents(SDL_CONTROLLERTOUCHPADDOWN, SDL_CONTROLLERSENSORUPDATE);
  pads_.drive(program_);
  if (hadPads != !open_.empty()) schedule();
  polling_ = false;
}

}  // namespace platform
