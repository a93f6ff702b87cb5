#include "tools/replay/realtime.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <limits>

#include "net/net_state.h"
#include "platform/net/qt_socket.h"
#include "ui/virtual/session.h"

namespace replay {

int runRealtime(const Options& opt, const std::vector<ScriptLine>& script,
                const std::function<void(ui::Program&)>& addWindows, std::ostream* trace,
                std::string& error) {
  std::int64_t clock = 0;
  ui::VirtualSession session(clock, addWindows, opt.folder, trace);
  ui::Program& program = session.program();
  program.module<net::NetState>().makeSocket = [] {
    return std::make_unique<platform::QtSocket>();
  };
  ui::Window* first = program.find(opt.screen);
  if (first == nullptr) {
    error = "no window " + opt.screen;
    return 2;
  }
  if (!setAtStart(opt, program, *first, error)) return 2;
  const std::int64_t until = opt.until.value_or(script.empty() ? 0 : script.back().t);

  QElapsedTimer wall;
  wall.start();
  program.start(*first);
  std::size_t next = 0;
  while (!program.ended()) {
    clock = wall.elapsed();
    if (clock > until) break;
    while (next < script.size() && script[next].t <= clock && !program.ended())
      if (!apply(program, script[next++], error)) return 2;
    program.runTimers(clock);
    // Sleep until the next thing is due, or something arrives.
    std::int64_t wake = until;
    if (next < script.size()) wake = std::min(wake, script[next].t);
    if (const std::int64_t due = program.nextDue(); due >= 0) wake = std::min(wake, due);
    const int wait = static_cast<int>(std::clamp<std::int64_t>(wake - wall.elapsed(), 0, 50));
    QEventLoop idle;
    QTimer::singleShot(wait, Qt::PreciseTimer, &idle, &QEventLoop::quit);
    idle.exec();
    clock = wall.elapsed();
  }
  if (opt.atEnd) opt.atEnd(program);
  return 0;
}

}  // namespace replay
