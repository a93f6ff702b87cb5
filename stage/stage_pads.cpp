// The stage race on a gamepad: the first pad drives the player's car.
#include "stage/stage_screen.h"
#include "ui/keys.h"
#include "ui/pad_bindings.h"

namespace stage {

const ui::PadBindings* StageScreen::padBindings() const {
  using namespace ui::pad;
  namespace vk = ui::vk;
  static const ui::PadBindings kPads =
      ui::driving(0, {vk::kLeft, vk::kRight, vk::kUp, vk::kDown}, false,
                  {{0, kStart | kX, vk::kSpace, false}, {0, kBack | kY, vk::letter('P'), false}});
  return &kPads;
}

}  // namespace stage
