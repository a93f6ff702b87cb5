// Figures for the game's speed, reported, never asserted:
//   (a) ticks a second and lateness of a 25 ms timer in a real Qt window,
//   (b) the time to draw a window at scale 1 and 3,
//   (c) events a second on the virtual clock, with and without a trace,
//   (d) stage race ticks a second on the virtual clock,
//   (e) key to peer over TCP on 127.0.0.1,
//   (f) CPU share and peak memory of the `driftwing` program: at the title
//       with its music, in a stage race at scale 1 and 3, and with music in
//       a stage 2 race and the battle at scale 2, each the median of 3 runs,
//   (g) time from start to the title window drawn,
//   (h) the longest pause of a network race while its peer floods it.
// Usage: driftwing-bench [seconds for (a), default 60] [--only LETTERS];
// DRIFTWING_BENCH_GAPS=1 also lists the pauses of more than 37 ms between ticks of (a). Run it on a
// display with xdotool at hand (xvfb-run -a -s "-screen 0 1920x1080x24"):
// (f) drives the race with key presses through the X server.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QStyleFactory>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <streambuf>
#include <vector>

#include "bench/bench_common.h"
#include "bench/game_process.h"
#include "bench/hostile_peer.h"
#include "bench/tick_figures.h"
#include "frontend/game.h"
#include "frontend/settings.h"
#include "media/media.h"
#include "net/net_state.h"
#include "net/race_screen.h"
#include "platform/net/qt_socket.h"
#include "platform/qt/qt_driver.h"
#include "platform/qt/render.h"
#include "platform/qt/window_view.h"
#include "platform/sdl/sdl_media.h"
#include "stage/stage_screen.h"
#include "ui/program.h"
#include "ui/virtual/session.h"

namespace {

using bench::NoShell;
using bench::runFor;

// A window that does what a race does every tick: moves sprites over a road
// and rewrites a few labels.
class Busy : public ui::Window {
 public:
  explicit Busy(ui::Program& p) : Window(p, "Busy") {
    var("ticks", ticks);
    on(ui::Event::Timer, "Timer1", [this] { tick(); });
  }
  const ui::Design& design() const override {
    static const ui::Design d = [] {
      ui::Design d{"Busy", 8640, 5265, "", ui::colour::kBlack, {}};
      d.elements.push_back(ui::pictureArea("Road", 1920, 0, 3735, 5175).picture("help"));
      for (int i = 0; i < 6; ++i)
        d.elements.push_back(
            ui::image("Car", 300.0f * i, 500.0f * i, 915, 1245, i).in("Road").picture("icon"));
      for (int i = 0; i < 4; ++i)
        d.elements.push_back(ui::label("Value", 6000, 700.0f * i, 2000, 600, i).font(18));
      d.elements.push_back(ui::timer("Timer1", 25, true));
      return d;
    }();
    return d;
  }
  std::vector<std::int64_t> at;  // nanoseconds since the start, per tick
  QElapsedTimer clock;
  std::int16_t ticks = 0;

 private:
  void tick() {
    if (clock.isValid()) at.push_back(clock.nsecsElapsed());
    ticks = static_cast<std::int16_t>((ticks + 1) & 0x3FFF);
    for (int i = 0; i < 6; ++i) {
      ui::Element& car = el("Car", i);
      car.Top += 40.0f + 7.0f * i;
      if (car.Top > 5200) car.Top = -1300;
    }
    for (int i = 0; i < 4; ++i) el("Value", i).Caption = std::to_string(ticks * (i + 1));
  }
};

class NullBuf : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void timerFigures(int seconds) {
  platform::qt::QtDriver driver(1);
  media::SilentMedia media;
  NoShell shell;
  ui::Program program(driver, media, shell, ".");
  driver.attach(program);
  auto& busy = program.add<Busy>();
  busy.clock.start();
  program.start(busy);
  runFor(seconds * 1000);
  bench::listGaps(busy.at, 37);
  // Tick n falls due n periods after the first tick: a tick late by more
  // than a period, or a grid that drifts, shows in the lateness. The first
  // second, when the window draws its pictures, is left out.
  std::vector<std::int64_t> settled;
  for (std::int64_t at : busy.at)
    if (at >= 1'000'000'000) settled.push_back(at);
  std::printf(
      "(a) 25 ms timer in a shown Qt window (%s), %d s after its first: %s (ideal 40/s, 0 ms "
      "late)\n",
      qPrintable(QGuiApplication::platformName()), seconds - 1,
      bench::describe(bench::tickFigures(settled, 25.0)).c_str());
}

void drawFigures() {
  ui::VirtualSession game(frontend::addWindows);
  game.start("Form1");
  for (int i = 0; i < 4; ++i) game.click("Command1");
  game.click("Command2");
  for (const char* name : {"Form1", "Form2"}) {
    ui::Window& w = game.program().window(name);
    for (int scale : {1, 3}) {
      QElapsedTimer t;
      t.start();
      platform::qt::renderWindow(game.program(), w, scale);  // first: pictures drawn and cached
      const double cold = t.nsecsElapsed() / 1e6;
      platform::qt::WindowView view(game.program(), w, scale, false);
      view.setAttribute(Qt::WA_DontShowOnScreen);
      view.show();
      const int n = 50;
      t.restart();
      for (int i = 0; i < n; ++i) view.grab();
      const double warm = t.nsecsElapsed() / 1e6 / n;
      std::printf(
          "(b) draw %s at scale %d: first %.2f ms (drawing its pictures), then %.3f ms a "
          "frame\n",
          name, scale, cold, warm);
    }
  }
}

void virtualFigures() {
  for (bool traced : {false, true}) {
    NullBuf buf;
    std::ostream sink(&buf);
    std::int64_t clock = 0;
    ui::VirtualSession game(
        clock, [](ui::Program& p) { p.add<Busy>(); }, ".", traced ? &sink : nullptr);
    game.start("Busy");
    const std::int64_t ticks = traced ? 20000 : 400000;
    auto t0 = std::chrono::steady_clock::now();
    for (std::int64_t i = 1; i <= ticks; ++i) {
      clock = i * 25;
      game.program().runTimers(clock);
    }
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("(c) virtual clock%s: %.0f events/s (%lld race-like ticks in %.2f s)\n",
                traced ? ", writing a full trace" : "", ticks / s, static_cast<long long>(ticks),
                s);
  }
}

// The stage race tick on the virtual clock: a whole stage 1 race driven at
// top speed, run again and again.
void stageFigures() {
  for (bool traced : {false, true}) {
    NullBuf buf;
    std::ostream sink(&buf);
    std::int64_t clock = 0;
    long long ticks = 0;
    const auto t0 = std::chrono::steady_clock::now();
    const int races = traced ? 3 : 40;
    for (int race = 0; race < races; ++race) {
      ui::VirtualSession game(clock, frontend::addWindows, ".", traced ? &sink : nullptr);
      game.program().module<frontend::Settings>().difficultyBonus = 10;
      clock = 0;
      game.start("frm1");
      auto& s = static_cast<stage::StageScreen&>(game.front());
      game.program().keyDown(s, 32);
      for (clock = 25; clock < 5000; clock += 25) game.program().runTimers(clock);
      while (s.loaded() && (s.el("Timer1").enabled() || s.countdownValue >= 0) && clock < 200000) {
        if (s.playerSpeed <= 250) game.program().keyDown(s, 38);
        clock += 25;
        game.program().runTimers(clock);
        ++ticks;
      }
    }
    const double sec = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("(d) stage race tick on the virtual clock%s: %.0f ticks/s (%lld ticks, %d races)\n",
                traced ? ", writing a full trace" : "", ticks / sec, ticks, races);
  }
}

// (e) Key to peer on 127.0.0.1: two programs in this process, connected
// through their network screens over real TCP; the time from a W pressed on
// one to the other counting the other car's acceleration.
void networkFigures() {
  std::int64_t clockA = 0, clockB = 0;
  ui::VirtualSession a(clockA, frontend::addWindows, ".", nullptr);
  ui::VirtualSession b(clockB, frontend::addWindows, ".", nullptr);
  for (ui::VirtualSession* s : {&a, &b})
    s->program().module<net::NetState>().makeSocket = [] {
      return std::make_unique<platform::QtSocket>();
    };
  a.start("Form5");
  b.start("Form5");
  auto pumpUntil = [](const std::function<bool()>& done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents);
    return done();
  };
  auto& raceA = static_cast<net::RaceScreen&>(a.program().window("Form5"));
  auto& raceB = static_cast<net::RaceScreen&>(b.program().window("Form5"));
  a.click("Com1", 3);
  a.click("Command1");  // host on 5238
  b.click("Com1", 3);
  b.click("Option2");
  b.program().text(b.front(), b.front().el("Text2"), "127.0.0.1");
  b.click("Command1");
  if (!pumpUntil([&] { return raceA.isConnected() && raceB.isConnected(); })) {
    std::printf("(e) key to peer: no connection on 127.0.0.1:5238\n");
    return;
  }
  net::Player& peer = raceB.player(net::kPeer);
  std::vector<double> micros;
  for (int i = 0; i < 500; ++i) {
    peer.speed = 0;
    QElapsedTimer t;
    t.start();
    a.program().keyDown(raceA, 'W');
    if (!pumpUntil([&] { return peer.speed != 0; })) break;
    micros.push_back(t.nsecsElapsed() / 1000.0);
  }
  std::sort(micros.begin(), micros.end());
  if (micros.empty()) return;
  std::printf(
      "(e) key to peer on 127.0.0.1 (TCP, no Nagle delay), %zu presses: median %.0f us, "
      "p99 %.0f us, max %.0f us\n",
      micros.size(), micros[micros.size() / 2], micros[micros.size() * 99 / 100], micros.back());
}

// (g) the game's own start: the title window, as `driftwing` opens it,
// reported the moment its first frame is drawn.
int startupChild() {
  if (QStyle* fusion = QStyleFactory::create("Fusion")) QApplication::setStyle(fusion);
  platform::qt::QtDriver driver(2);
  platform::SdlMedia media(QCoreApplication::applicationDirPath().toStdString());
  NoShell shell;
  ui::Program program(driver, media, shell, ".");
  driver.attach(program);
  frontend::addWindows(program);
  program.start(program.window(frontend::kFirstWindow));
  struct FirstFrame : QObject {
    QWidget* view = nullptr;
    bool done = false;
    bool eventFilter(QObject* o, QEvent* e) override {
      auto* w = qobject_cast<QWidget*>(o);
      if (e->type() == QEvent::Paint && w != nullptr && w->window() == view && !done)
        done = true, QTimer::singleShot(0, [] {
          std::printf("drawn\n");
          std::fflush(stdout);
          QCoreApplication::exit(0);
        });
      return false;
    }
  } first;
  first.view = driver.viewOf(program.window(frontend::kFirstWindow));
  qApp->installEventFilter(&first);
  return QApplication::exec();
}

void startupFigures(const char* self) {
  std::vector<double> ms;
  for (int run = 0; run < 5; ++run) {
    QProcess child;
    QElapsedTimer t;
    t.start();
    child.start(self, {"--startup-child"});
    while (child.state() != QProcess::NotRunning &&
           !child.readAllStandardOutput().contains("drawn"))
      child.waitForReadyRead(10000);
    ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    child.waitForFinished(10000);
  }
  std::sort(ms.begin(), ms.end());
  std::printf(
      "(g) start to the title window drawn (scale 2, sound on): median %.0f ms, "
      "best %.0f ms, worst %.0f ms of %zu starts\n",
      ms[ms.size() / 2], ms.front(), ms.back(), ms.size());
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() > 1 && args[1] == "--startup-child") return startupChild();
  // `--only LETTERS` runs just those figures, e.g. `--only fh`.
  QString only = "abcdefgh";
  int seconds = 60;
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == "--only" && i + 1 < args.size())
      only = args[++i];
    else
      seconds = std::max(1, args[i].toInt());
  }
  if (QStyle* fusion = QStyleFactory::create("Fusion")) QApplication::setStyle(fusion);
  if (only.contains('a')) timerFigures(seconds);
  if (only.contains('b')) drawFigures();
  if (only.contains('c')) virtualFigures();
  if (only.contains('d')) stageFigures();
  if (only.contains('e')) networkFigures();
  if (only.contains('f')) bench::gameProcessFigures(20, 3);
  if (only.contains('g')) startupFigures(argv[0]);
  if (only.contains('h')) bench::hostilePeerFigures(10);
  return 0;
}
