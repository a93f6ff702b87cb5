#include "frontend/game.h"

#include "battle/battle_screen.h"
#include "bonus/bonus_screen.h"
#include "frontend/help_screen.h"
#include "frontend/settings.h"
#include "frontend/setup_screen.h"
#include "frontend/title_screen.h"
#include "net/connect_dialog.h"
#include "net/net_state.h"
#include "net/race_screen.h"
#include "stage/stage_screen.h"
#include "ui/program.h"

namespace frontend {

void addWindows(ui::Program& program) {
  Settings& settings = program.module<Settings>();
  program.module<net::NetState>();
  program.add<TitleScreen>();
  program.add<HelpScreen>();
  program.add<SetupScreen>();
  for (int stage = 1; stage <= 5; ++stage)
    program.add<stage::StageScreen>(stage, settings.difficultyBonus);
  program.add<bonus::BonusScreen>();
  program.add<battle::BattleScreen>();
  program.add<net::RaceScreen>();
  program.add<net::ConnectDialog>();
}

}  // namespace frontend
