// Driftwing on the desktop: Qt windows, SDL2_mixer sound, SDL2 gamepads, the game's logic.
#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/options.h"
#include "art/art.h"
#include "frontend/game.h"
#include "media/sdl_media.h"
#include "net/net_state.h"
#include "net/qt_socket.h"
#include "ui/program.h"
#include "ui/qt/language.h"
#include "ui/qt/qt_driver.h"
#include "ui/qt/sdl_pads.h"

namespace {

bool haveDisplay() {
  auto set = [](const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0';
  };
  return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
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

  std::string lang = opt->lang;
  if (lang.empty())
    if (const char* env = std::getenv("DRIFTWING_LANG"); env != nullptr && app::validLanguage(env))
      lang = env;
  if (!lang.empty()) ui::qt::setLanguage(QString::fromStdString(lang));

  int scale = 1;
  if (opt->scale) {
    scale = *opt->scale;
  } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
    // Measured in device-independent pixels: a 4K screen at 200 % counts as
    // 1920 x 1080, and the pictures are drawn at its own pixels on top.
    const QRect area = screen->availableGeometry();
    scale = app::comfortableScale(576, 351, area.width(), area.height());
  }

  const std::string folder = QCoreApplication::applicationDirPath().toStdString();
  ui::qt::QtDriver driver(scale);
  media::SdlMedia media(folder);
  ui::qt::DesktopShell shell;
  ui::Program program(driver, media, shell, folder);
  driver.attach(program);
  frontend::addWindows(program);
  program.module<net::NetState>().makeSocket = [] { return std::make_unique<net::QtSocket>(); };
  ui::qt::SdlPads pads(program);

  const std::string first = opt->screen.empty() ? frontend::kFirstWindow : opt->screen;
  ui::Window* start = program.find(first);
  if (start == nullptr) {
    std::fprintf(stderr, "driftwing: there is no window %s\n", first.c_str());
    return 2;
  }
  for (const auto& [name, value] : opt->sets) {
    if (!program.globals().set(name, value) && !start->vars().set(name, value)) {
      std::fprintf(stderr, "driftwing: %s has no setting or variable %s\n", first.c_str(),
                   name.c_str());
      return 2;
    }
  }

  program.start(*start);
  if (program.ended()) return 0;
  return QApplication::exec();
}
