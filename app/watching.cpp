#include "app/watching.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <utility>

#include "platform/qt/language.h"
#include "replay/runner.h"
#include "ui/program.h"
#include "ui/words.h"

namespace app {

Watching::Watching(ui::Program& program, platform::qt::QtDriver& driver,
                   replay::Recording recording, bool leaveAtEnd)
    : program_(program),
      driver_(driver),
      recording_(std::move(recording)),
      leaveAtEnd_(leaveAtEnd) {
  driver_.setDesktopKey(Qt::Key_Space, [this] { togglePause(); });
  driver_.setDesktopKey(Qt::Key_F, [this] { faster(); });
  driver_.setDesktopKey(Qt::Key_Plus, [this] { faster(); });
  driver_.setDesktopKey(Qt::Key_Minus, [this] { slower(); });
  driver_.setDesktopKey(Qt::Key_Escape, [] { QCoreApplication::exit(0); });
}

void Watching::start() {
  showState();
  driver_.watch(this);
}

std::int64_t Watching::nextAt() const {
  return next_ < recording_.lines.size() ? recording_.lines[next_].t : -1;
}

void Watching::runNext() {
  std::string error;
  // The recording was read whole and checked before the race began; a line
  // that still cannot be applied (its window went away) is passed over.
  if (!replay::apply(program_, recording_.lines[next_++], error))
    std::fprintf(stderr, "driftwing: %s\n", error.c_str());
}

void Watching::over() {
  over_ = true;
  showState();
  if (leaveAtEnd_) QCoreApplication::exit(0);
}

void Watching::togglePause() {
  if (over_) return;
  driver_.setPaused(!driver_.paused());
  showState();
}

void Watching::faster() {
  driver_.setSpeed(std::min(kFastest, driver_.speed() * 2));
  showState();
}

void Watching::slower() {
  driver_.setSpeed(std::max(1, driver_.speed() / 2));
  showState();
}

// The title bar and a tag over the race say what is going on: a replay,
// its speed, paused, over.
void Watching::showState() {
  using platform::qt::shown;
  using ui::Words;
  QString speed;
  if (driver_.speed() > 1) speed = QStringLiteral(" ×%1").arg(driver_.speed());
  QString state;
  if (over_)
    state = shown(Words::tr("播完了（按 Esc 關閉）"));
  else if (driver_.paused())
    state = shown(Words::tr("暫停（按空白鍵繼續）"));
  const QString replay = shown(Words::tr("重播"));
  const QString dot = QStringLiteral("  ·  ");
  driver_.setTitleNote(
      dot + replay + speed + (state.isEmpty() ? QString() : dot + state),
      QStringLiteral("▶ ") + replay + speed + (state.isEmpty() ? QString() : dot + state));
}

}  // namespace app
