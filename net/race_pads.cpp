// The network race on a gamepad: the first pad drives this side's car. The
// race steers a step a press, so steering repeats too.
#include "net/race_screen.h"
#include "ui/keys.h"
#include "ui/pad_bindings.h"

namespace net {

const ui::PadBindings* RaceScreen::padBindings() const {
  using namespace ui::pad;
  using ui::vk::letter;
  static const ui::PadBindings kPads =
      ui::driving(0, {letter('A'), letter('D'), letter('W'), letter('S')}, true,
                  {{0, kX, letter('G'), false}, {0, kY, letter('H'), false}});
  return &kPads;
}

}  // namespace net
