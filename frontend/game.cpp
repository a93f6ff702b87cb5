#include "frontend/game.h"

#include "frontend/help_screen.h"
#include "frontend/settings.h"
#include "frontend/title_screen.h"
#include "ui/program.h"

namespace frontend {

void addWindows(ui::Program& program) {
  program.module<Settings>();
  program.add<TitleScreen>();
  program.add<HelpScreen>();
}

}  // namespace frontend
