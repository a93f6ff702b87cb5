// The way into the settings window: F10 in any game window opens it over
// the window in front and closes it again, F12 likewise at the races kept to
// watch again; `--settings` opens it at the start. What the player changes
// there is kept at once.
#pragma once

#include <QPointer>

#include "platform/qt/settings_window.h"

namespace ui {
class Program;
}
namespace platform::qt {
class QtDriver;
}

namespace app {

class PlayerSettings;

class SettingsDoor {
 public:
  // `shelf` holds the recordings its replays page lists; `watch` starts
  // watching one.
  SettingsDoor(PlayerSettings& settings, platform::qt::QtDriver& driver, ui::Program& program,
               platform::qt::ReplayShelf shelf = platform::qt::ReplayShelf(),
               platform::qt::Watch watch = {});
  ~SettingsDoor();
  SettingsDoor(const SettingsDoor&) = delete;
  SettingsDoor& operator=(const SettingsDoor&) = delete;

  void toggle();
  void open();
  // Opens it at `page` (SettingsWindow::showPage); closes it when it is
  // open there already.
  void toggleAt(int page);
  void openAt(int page);
  void close();
  // Shows the preferences in use now, if the window is open.
  void refresh();
  platform::qt::SettingsWindow* window() const { return window_.data(); }

 private:
  // The game window in front takes the keys again.
  void giveBackKeys();

  PlayerSettings& settings_;
  platform::qt::QtDriver& driver_;
  ui::Program& program_;
  platform::qt::ReplayShelf shelf_;
  platform::qt::Watch watch_;
  QPointer<platform::qt::SettingsWindow> window_;
};

}  // namespace app
