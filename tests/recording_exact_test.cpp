// A race played in the real window, on a busy machine, replays exactly: the
// recorder's script, run on the virtual clock, ends in the very state the
// desktop ended in, field by field.
//
// The player's keys come at irregular real times. A thread spins on the
// other core, and the desktop itself stalls now and then (as a slow frame
// would), so that ticks come late and keys wait behind them in the queue.
#include <gtest/gtest.h>

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <thread>

#include "app/options.h"
#include "frontend/game.h"
#include "frontend/race_records.h"
#include "platform/qt/qt_driver.h"
#include "platform/qt/window_view.h"
#include "platform/sdl/sdl_media.h"
#include "replay/recorder.h"
#include "replay/recording.h"
#include "replay/runner.h"
#include "tests/desktop_doubles.h"
#include "ui/json.h"
#include "ui/program.h"

namespace {

constexpr int kRuns = 20;

using testing_desktop::NoShell;

// A key the player presses or lets go, or a click, at a real time.
struct Move {
  int atMs;
  int key;  // Qt key; 0 for a click on `button`
  bool down;
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
  const char* button = nullptr;
  bool queued = false;  // behind what the desktop has queued already, or handled at once
};

// Keeps one core busy while it lives.
class Spinner {
 public:
  Spinner()
      : thread_([this] {
          volatile unsigned long n = 0;
          while (!stop_) n = n + 1;
        }) {}
  ~Spinner() {
    stop_ = true;
    thread_.join();
  }

 private:
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

std::map<QString, QString> fields(const std::string& json) {
  return testing_desktop::endStateFields(QByteArray::fromStdString(json));
}

// One race on the desktop: its end state and its recording's text.
struct Played {
  std::string endState;
  std::string recording;
  int lines = 0;
};

// The race ends `endMs` after it began: Shift in a stage ends the game;
// with the battle and the shooter the desktop stops, the race on screen.
Played playOnDesktop(const char* screen, const std::vector<Move>& moves, int endMs,
                     bool endWithShift, unsigned seed,
                     const std::function<void(ui::Program&)>& story = {}) {
  NoShell shell;
  platform::SdlMedia media(DRIFTWING_SOUND_DIR);
  platform::qt::QtDriver driver(1);
  ui::Program program(driver, media, shell, DRIFTWING_SOUND_DIR);
  driver.attach(program);
  frontend::addWindows(program);
  std::optional<replay::Take> take;
  replay::Recorder recorder(program, frontend::isRecordedRace, frontend::raceSettings(),
                            frontend::describeRace, [&](replay::Take&& t) { take = std::move(t); });
  driver.setInputListener(&recorder);

  ui::Window& race = program.window(screen);
  if (story) {
    // The story leads to the race: the title screen's clicks, the setup.
    program.start(program.window(frontend::kFirstWindow));
    story(program);
  } else {
    program.start(race);
  }
  platform::qt::WindowView* view = driver.viewOf(race);
  EXPECT_TRUE(view != nullptr && QTest::qWaitForWindowActive(view));

  // The desktop stalls now and then, for as long as a slow frame takes.
  std::mt19937 random(seed);
  QTimer stalls;
  stalls.setInterval(std::uniform_int_distribution<int>(40, 120)(random));
  QObject::connect(&stalls, &QTimer::timeout, [&random] {
    const auto until = std::chrono::steady_clock::now() +
                       std::chrono::milliseconds(std::uniform_int_distribution<int>(5, 70)(random));
    while (std::chrono::steady_clock::now() < until) {
    }
  });
  stalls.start();

  // The player's moves, queued like the desktop's own events.
  for (const Move& m : moves) {
    QTimer::singleShot(m.atMs, Qt::PreciseTimer, view, [&driver, &race, m] {
      platform::qt::WindowView* v = driver.viewOf(race);
      if (v == nullptr) return;
      if (m.button != nullptr) {
        for (auto* b : v->findChildren<QPushButton*>())
          if (const auto* e = v->elementOf(b); e != nullptr && e->name == m.button) b->click();
        return;
      }
      QWidget* to = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : v;
      auto* key = new QKeyEvent(m.down ? QEvent::KeyPress : QEvent::KeyRelease, m.key, m.modifiers);
      if (!m.queued) {
        // At once, though a tick may be overdue behind it.
        QApplication::sendEvent(to, key);
        delete key;
      } else {
        QApplication::postEvent(to, key);
      }
    });
  }
  QTimer::singleShot(endMs, Qt::PreciseTimer, view, [&driver, &race, endWithShift] {
    platform::qt::WindowView* v = driver.viewOf(race);
    if (v == nullptr) return;
    if (!endWithShift) {
      QCoreApplication::exit(0);  // the desktop stops with the race on screen
      return;
    }
    QWidget* to = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : v;
    QApplication::postEvent(to, new QKeyEvent(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier));
  });
  {
    Spinner busy;
    QApplication::exec();
  }
  stalls.stop();
  driver.stop();
  recorder.finishAll(driver.nowMs());

  Played played;
  played.endState = ui::endStateJson(program);
  if (take) {
    replay::RecordingOptions options{take->screen, take->sets, take->length,
                                     static_cast<int>(take->lines.size()), replay::gameVersion()};
    played.recording = replay::recordingText(options, take->about, take->lines);
    played.lines = static_cast<int>(take->lines.size());
  }
  return played;
}

// The recording's file read back and replayed on the virtual clock.
std::string replayed(const std::string& recordingText, std::string& error) {
  const std::string file = testing::TempDir() + "race" + replay::kRecordingExtension;
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << recordingText;
  }
  auto rec = replay::readRecording(file, error);
  if (!rec) return {};
  replay::Options opt;
  opt.screen = rec->options.screen;
  for (const auto& [name, value] : rec->options.sets) {
    ui::Setting setting;
    if (!app::parseSetting(name + "=" + value, setting)) {
      error = "--set " + name + "=" + value + " does not read";
      return {};
    }
    opt.sets.push_back(setting);
  }
  opt.until = rec->options.until;
  opt.folder = DRIFTWING_SOUND_DIR;
  std::string endState;
  opt.atEnd = [&endState](ui::Program& p) { endState = ui::endStateJson(p); };
  const int status = replay::run(opt, rec->lines, frontend::addWindows, nullptr, {}, error);
  return status == 0 ? endState : std::string();
}

void expectExactReplays(const char* screen,
                        const std::function<std::vector<Move>(std::mt19937&)>& player, int endMs,
                        bool endWithShift = false) {
  int equal = 0;
  for (int run = 0; run < kRuns; ++run) {
    std::mt19937 random(1000 + run);
    const Played played = playOnDesktop(screen, player(random), endMs, endWithShift, 77 + run);
    ASSERT_FALSE(played.recording.empty()) << "run " << run << ": no recording was made";
    std::string error;
    const std::string again = replayed(played.recording, error);
    ASSERT_TRUE(error.empty()) << "run " << run << ": " << error;
    const auto desktop = fields(played.endState);
    const auto virtualClock = fields(again);
    ASSERT_GT(desktop.size(), 20u);
    bool same = desktop.size() == virtualClock.size();
    for (const auto& [path, value] : desktop) {
      const auto it = virtualClock.find(path);
      const QString other = it == virtualClock.end() ? QString("(none)") : it->second;
      if (other != value) {
        same = false;
        ADD_FAILURE() << "run " << run << ": " << path.toStdString() << " was "
                      << value.toStdString() << " on the desktop, " << other.toStdString()
                      << " replayed";
      }
    }
    EXPECT_GT(played.lines, 10) << "run " << run << ": the player's keys were recorded";
    equal += same ? 1 : 0;
  }
  EXPECT_EQ(equal, kRuns);
}

// Presses and releases of `keys` at irregular times from `fromMs` to `toMs`.
std::vector<Move> mashing(std::mt19937& random,
                          const std::vector<std::pair<int, Qt::KeyboardModifiers>>& keys,
                          int fromMs, int toMs) {
  std::vector<Move> moves;
  std::uniform_int_distribution<std::size_t> pick(0, keys.size() - 1);
  std::uniform_int_distribution<int> gap(3, 180), hold(1, 400), coin(0, 1);
  for (int t = fromMs; t < toMs; t += gap(random)) {
    const auto& [key, mods] = keys[pick(random)];
    moves.push_back({t, key, true, mods, nullptr, coin(random) == 0});
    moves.push_back(
        {std::min(toMs, t + hold(random)), key, false, mods, nullptr, coin(random) == 0});
  }
  std::stable_sort(moves.begin(), moves.end(),
                   [](const Move& a, const Move& b) { return a.atMs < b.atMs; });
  return moves;
}

TEST(ExactReplay, AStageRaceOnABusyDesktopReplaysToTheSameEnd) {
  expectExactReplays(
      "frm1",
      [](std::mt19937& random) {
        std::vector<Move> moves{{150, Qt::Key_Space, true}, {230, Qt::Key_Space, false}};
        const auto race = mashing(random,
                                  {{Qt::Key_Up, Qt::NoModifier},
                                   {Qt::Key_Up, Qt::NoModifier},
                                   {Qt::Key_Left, Qt::NoModifier},
                                   {Qt::Key_Right, Qt::NoModifier},
                                   {Qt::Key_Down, Qt::NoModifier}},
                                  300, 6600);
        moves.insert(moves.end(), race.begin(), race.end());
        return moves;
      },
      6800, true);
}

// A story race is recorded as its stage, with the settings it ran under: the
// stage and the settings end alike (the title screen behind it is no part
// of the recording).
TEST(ExactReplay, AStoryRaceIsRecordedAsItsStageWithItsSettings) {
  auto story = [](ui::Program& p) {
    ui::Window& title = p.window("Form1");
    for (int i = 0; i < 5; ++i) p.click(title, title.el("Command1"));  // title, then setup
    ui::Window& setup = p.window("Form6");
    p.text(setup, setup.el("Text1"), "Mei");
    p.click(setup, setup.el("Command3"));                              // Hard
    for (int i = 0; i < 5; ++i) p.click(title, title.el("Command1"));  // to the first race
  };
  for (int run = 0; run < 3; ++run) {
    std::mt19937 random(500 + run);
    std::vector<Move> moves{{150, Qt::Key_Space, true}, {230, Qt::Key_Space, false}};
    const auto race =
        mashing(random, {{Qt::Key_Up, Qt::NoModifier}, {Qt::Key_Left, Qt::NoModifier}}, 300, 6200);
    moves.insert(moves.end(), race.begin(), race.end());
    const Played played = playOnDesktop("frm1", moves, 6400, true, 9 + run, story);
    ASSERT_NE(played.recording.find("--set difficultyBonus=0 "), std::string::npos)
        << played.recording.substr(0, 300);
    std::string error;
    const auto desktop = fields(played.endState), again = fields(replayed(played.recording, error));
    ASSERT_TRUE(error.empty()) << error;
    ASSERT_TRUE(desktop.count("windows.Form1.vars.titleClicks")) << "the story led to the race";
    for (const auto& [path, value] : desktop) {
      if (!path.startsWith("windows.frm1.") && !path.startsWith("globals.")) continue;
      EXPECT_EQ(again.count(path) ? again.at(path) : QString("(none)"), value)
          << "run " << run << ": " << path.toStdString();
    }
  }
}

TEST(ExactReplay, ABattleOnABusyDesktopReplaysToTheSameEnd) {
  expectExactReplays(
      "Form3",
      [](std::mt19937& random) {
        return mashing(random,
                       {{Qt::Key_W, Qt::NoModifier},
                        {Qt::Key_A, Qt::NoModifier},
                        {Qt::Key_D, Qt::NoModifier},
                        {Qt::Key_H, Qt::NoModifier},
                        {Qt::Key_G, Qt::NoModifier},
                        {Qt::Key_Up, Qt::NoModifier},
                        {Qt::Key_Left, Qt::NoModifier},
                        {Qt::Key_Right, Qt::NoModifier},
                        {Qt::Key_2, Qt::KeypadModifier},
                        {Qt::Key_1, Qt::KeypadModifier}},
                       100, 6600);
      },
      6800);
}

TEST(ExactReplay, AShooterGameOnABusyDesktopReplaysToTheSameEnd) {
  expectExactReplays(
      "frmMain",
      [](std::mt19937& random) {
        std::vector<Move> moves{{120, 0, true, Qt::NoModifier, "cmdStart"}};
        const auto game = mashing(random,
                                  {{Qt::Key_W, Qt::NoModifier},
                                   {Qt::Key_S, Qt::NoModifier},
                                   {Qt::Key_G, Qt::NoModifier},
                                   {Qt::Key_Up, Qt::NoModifier},
                                   {Qt::Key_Down, Qt::NoModifier},
                                   {Qt::Key_1, Qt::KeypadModifier}},
                                  200, 3200);
        moves.insert(moves.end(), game.begin(), game.end());
        return moves;
      },
      3400);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  setenv("SDL_AUDIODRIVER", "disk", 0);
  setenv("SDL_DISKAUDIOFILE", "/dev/null", 0);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
