// The help screen: the keys of each mode over a picture. It has no
// behaviour of its own; closing it returns to the title screen.
#pragma once

#include "ui/window.h"

namespace frontend {

class HelpScreen : public ui::Window {
 public:
  explicit HelpScreen(ui::Program& program) : Window(program, "Form2") {}
  const ui::Design& design() const override;
};

}  // namespace frontend
