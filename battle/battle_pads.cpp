// The battle on gamepads: red (the left-hand view) on the first pad, blue on
// the second.
#include "battle/battle_screen.h"
#include "ui/keys.h"
#include "ui/pad_bindings.h"

namespace battle {

const ui::PadBindings* BattleScreen::padBindings() const {
  using namespace ui::pad;
  using ui::vk::letter, ui::vk::numpad;
  static const ui::PadBindings kPads = [] {
    ui::PadBindings red =
        ui::driving(0, {letter('A'), letter('D'), letter('W'), letter('S')}, false,
                    {{0, kX, letter('G'), false}, {0, kY, letter('H'), false}});
    const ui::PadBindings blue =
        ui::driving(1, {ui::vk::kLeft, ui::vk::kRight, ui::vk::kUp, ui::vk::kDown}, false,
                    {{1, kX, numpad(1), false}, {1, kY, numpad(2), false}});
    red.insert(red.end(), blue.begin(), blue.end());
    return red;
  }();
  return &kPads;
}

}  // namespace battle
