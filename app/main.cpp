// Driftwing on the desktop: Qt windows, SDL2_mixer sound, SDL2 gamepads, the game's logic.
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStyleFactory>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/options.h"
#include "app/player_settings.h"
#include "app/recordings.h"
#include "app/settings_door.h"
#include "app/watching.h"
#include "art/art.h"
#include "frontend/game.h"
#include "frontend/race_records.h"
#include "net/net_state.h"
#include "platform/net/qt_socket.h"
#include "platform/qt/language.h"
#include "platform/qt/qt_driver.h"
#include "platform/sdl/sdl_media.h"
#include "platform/sdl/sdl_pads.h"
#include "replay/recorder.h"
#include "replay/recording.h"
#include "ui/json.h"
#include "ui/program.h"

namespace {

bool haveDisplay() {
  auto set = [](const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0';
  };
  return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

// The size of a window at scale 1, in pixels.
QSize designedSize(const ui::Window& w) {
  return QSize((w.design().width + 14) / 15, (w.design().height + 14) / 15);
}

// The scale the windows are drawn at. Without one asked for (`--scale` or
// the settings), a comfortable part of the screen. With it, each window at
// that scale if it fits the screen there, else at the largest that fits it,
// with one line to say so.
// Measured in device-independent pixels: a 4K screen at 200 % counts as
// 1920 x 1080, and the pictures are drawn at its own pixels on top.
void chooseScale(std::optional<int> scale, const ui::Program& program,
                 platform::qt::QtDriver& driver) {
  QScreen* screen = QGuiApplication::primaryScreen();
  const QRect area = screen != nullptr ? screen->availableGeometry() : QRect();
  driver.setScaleOfEachWindow({});
  if (!scale) {
    driver.setScale(app::comfortableScale(576, 351, area.width(), area.height()));
    return;
  }
  const int asked = *scale;
  auto fits = [area](const ui::Window& w) {
    const QSize size = designedSize(w);
    return app::largestFittingScale(size.width(), size.height(), area.width(), area.height());
  };
  driver.setScale(asked);
  int fitsEvery = asked, fitsSome = 0;
  for (const auto& w : program.windows()) {
    const int f = fits(*w);
    if (f == 0) return;  // no screen size known: as asked
    fitsEvery = std::min(fitsEvery, f);
    fitsSome = std::max(fitsSome, f);
  }
  if (fitsEvery >= asked) return;
  if (fitsSome < asked) {
    // It fits no window at all: every one alike, at the scale that fits them all.
    driver.setScale(fitsEvery);
    std::fprintf(stderr,
                 "driftwing: --scale %d does not fit this %d x %d screen; using %d, the largest "
                 "that fits\n",
                 asked, area.width(), area.height(), fitsEvery);
    return;
  }
  driver.setScaleOfEachWindow(
      [asked, fits](const ui::Window& w) { return std::min(asked, fits(w)); });
  std::fprintf(stderr,
               "driftwing: --scale %d does not fit the larger windows on this %d x %d screen; "
               "using %d, the largest that fits, for those\n",
               asked, area.width(), area.height(), fitsEvery);
}

// The player's preferences at work: the sound levels, full screen and the
// scale as they change, the keys, and the desktop's keys that change them.
void usePreferences(app::PlayerSettings& settings, ui::Program& program,
                    platform::qt::QtDriver& driver, platform::SdlMedia& media,
                    app::SettingsDoor& door) {
  settings.applied = [&program, &driver, &media, &door, scale = settings.inUse().scale,
                      language =
                          settings.inUse().language](const platform::qt::Preferences& p) mutable {
    media.setLevels(p.music, p.effects, p.muted);
    if (p.fullScreen != driver.fullScreen()) driver.setFullScreen(p.fullScreen);
    // A new scale draws every window at it, those shown now too.
    if (p.scale != scale) {
      chooseScale(scale = p.scale, program, driver);
      driver.rescaleShown();
    }
    if (p.language != language && !p.language.empty()) {
      language = p.language;
      platform::qt::setLanguage(QString::fromStdString(language));
      driver.redrawAll();
    }
    door.refresh();
  };
  app::useOnDesktop(settings, driver);
  driver.setDesktopKey(Qt::Key_F10, [&door] { door.toggle(); });
  driver.setDesktopKey(Qt::Key_F12,
                       [&door] { door.toggleAt(platform::qt::SettingsWindow::kReplaysPage); });
  settings.apply();
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  auto opt = app::parseOptions(args, error);
  if (!opt) {
    std::fprintf(stderr, "driftwing: %s (see driftwing --help)\n", error.c_str());
    return 2;
  }
  if (opt->help) {
    std::fputs(app::usage(), stdout);
    return 0;
  }
  if (opt->version) {
    std::printf("driftwing %s\n", DRIFTWING_VERSION);
    return 0;
  }
  // A recording to watch is read whole before any window opens: a damaged
  // one gets its one line, never half a race.
  std::optional<replay::Recording> watched;
  if (!opt->watchFile.empty()) {
    watched = replay::readRecording(opt->watchFile, error);
    if (!watched) {
      std::fprintf(stderr, "driftwing: cannot watch %s: %s\n", opt->watchFile.c_str(),
                   error.c_str());
      return 2;
    }
    // The race as it began, whatever else the command line says.
    opt->screen = watched->options.screen;
    opt->sets.clear();
    for (const auto& [name, value] : watched->options.sets) {
      ui::Setting setting;
      if (!app::parseSetting(name + "=" + value, setting)) {
        std::fprintf(stderr, "driftwing: cannot watch %s: its --set %s=%s is not a number\n",
                     opt->watchFile.c_str(), name.c_str(), value.c_str());
        return 2;
      }
      app::addSetting(opt->sets, std::move(setting));
    }
  }
  if (!haveDisplay()) {
    std::fprintf(stderr,
                 "driftwing: no display to open a window on; run it on a desktop, or without "
                 "one under a virtual display: xvfb-run -a driftwing\n");
    return 1;
  }

  QApplication qapp(argc, argv);
  QApplication::setApplicationName("Driftwing");
  QApplication::setApplicationVersion(DRIFTWING_VERSION);
  // Wayland desktops match the window to its launcher entry and icon by this
  // name (X11 ones by the window class, "Driftwing").
  QGuiApplication::setDesktopFileName(QStringLiteral(DRIFTWING_APP_ID));
  QApplication::setQuitOnLastWindowClosed(false);  // the game decides when it ends
  if (QStyle* fusion = QStyleFactory::create("Fusion")) QApplication::setStyle(fusion);
  // The game's badge on every window's title bar and in the task switcher.
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256})
    icon.addPixmap(QPixmap::fromImage(art::render("icon", QSize(size, size))));
  QApplication::setWindowIcon(icon);

  // The language: --lang, else $DRIFTWING_LANG, else the settings file's,
  // else the game's own.
  if (opt->lang.empty())
    if (const char* env = std::getenv("DRIFTWING_LANG"); env != nullptr && app::validLanguage(env))
      opt->lang = env;
  app::PlayerSettings settings(platform::qt::preferencesPath());
  settings.overrideWith(*opt);
  if (const std::string& lang = settings.inUse().language; !lang.empty())
    platform::qt::setLanguage(QString::fromStdString(lang));

  const std::string folder = QCoreApplication::applicationDirPath().toStdString();
  platform::qt::QtDriver driver(1);
  platform::SdlMedia media(folder);
  platform::qt::DesktopShell shell;
  ui::Program program(driver, media, shell, folder);
  driver.attach(program);
  frontend::addWindows(program);
  program.module<net::NetState>().makeSocket = [] {
    return std::make_unique<platform::QtSocket>();
  };
  // Gamepads drive the game, but never a recording being watched.
  std::unique_ptr<platform::SdlPads> pads;
  if (!watched) pads = std::make_unique<platform::SdlPads>(program);

  const std::string first = opt->screen.empty() ? frontend::kFirstWindow : opt->screen;
  ui::Window* start = program.find(first);
  if (start == nullptr) {
    std::fprintf(stderr, "driftwing: there is no window %s\n", first.c_str());
    return 2;
  }
  for (const auto& setting : opt->sets) {
    const std::string wrong = ui::setAtStart(program.globals(), start->vars(), first, setting);
    if (!wrong.empty()) {
      std::fprintf(stderr, "driftwing: %s\n", wrong.c_str());
      return 2;
    }
  }

  // Every race played is kept, to be watched again.
  std::unique_ptr<replay::Recorder> recorder;
  if (!watched) {
    recorder = std::make_unique<replay::Recorder>(
        program, frontend::isRecordedRace, frontend::raceSettings(), frontend::describeRace,
        [](replay::Take&& take) { app::keepRecording(take, platform::qt::ReplayShelf()); });
    driver.setInputListener(recorder.get());
  }

  chooseScale(settings.inUse().scale, program, driver);
  app::SettingsDoor door(settings, driver, program, platform::qt::ReplayShelf(),
                         app::watchInNewGame);
  usePreferences(settings, program, driver, media, door);
  if (pads) pads->setKeyBindings(&settings.inUse().keys);
  std::unique_ptr<app::Watching> watching;
  // Watching with --final is for comparing: the game ends with the recording.
  if (watched)
    watching = std::make_unique<app::Watching>(program, driver, std::move(*watched),
                                               !opt->finalFile.empty());
  program.start(*start);
  if (watching) watching->start();
  if (opt->settings) door.open();
  const int status = program.ended() ? 0 : QApplication::exec();
  driver.stop();
  // The game closed before its races did: they are kept as they stand.
  if (recorder) recorder->finishAll(driver.nowMs());
  driver.setInputListener(nullptr);
  if (!opt->finalFile.empty()) {
    std::ofstream out(opt->finalFile, std::ios::binary | std::ios::trunc);
    out << ui::endStateJson(program) << "\n";
    if (!out) std::fprintf(stderr, "driftwing: cannot write %s\n", opt->finalFile.c_str());
  }
  return status;
}
