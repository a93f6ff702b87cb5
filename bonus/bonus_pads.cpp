// The bonus shooter on gamepads: each ship takes a pad in turn, with up,
// down and fire (held down for a stream of shots).
#include "bonus/bonus_screen.h"
#include "ui/keys.h"
#include "ui/pad_bindings.h"

namespace bonus {

const ui::PadBindings* BonusScreen::padBindings() const {
  using namespace ui::pad;
  static const ui::PadBindings kPads = {
      {0, kUp, ui::vk::letter('W'), false},
      {0, kDown, ui::vk::letter('S'), false},
      {0, kA | kX | kRightTrigger, ui::vk::letter('G'), true},
      {1, kUp, ui::vk::kUp, false},
      {1, kDown, ui::vk::kDown, false},
      {1, kA | kX | kRightTrigger, ui::vk::numpad(1), true},
  };
  return &kPads;
}

}  // namespace bonus
