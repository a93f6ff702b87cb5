// The way into the settings window: F10 in any game window opens it over
// the window in front and closes it again; `--settings` opens it at the
// start. What the player changes there is kept at once.
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
  SettingsDoor(PlayerSettings& settings, platform::qt::QtDriver& driver, ui::Program& program);
  ~SettingsDoor();
  SettingsDoor(const SettingsDoor&) = delete;
  SettingsDoor& operator=(const SettingsDoor&) = delete;

  void toggle();
  void open();
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
  QPointer<platform::qt::SettingsWindow> window_;
};

}  // namespace app
