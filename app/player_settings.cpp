#include "app/player_settings.h"

#include <Qt>
#include <cstdio>
#include <utility>

#include "platform/qt/qt_driver.h"

namespace app {

PlayerSettings::PlayerSettings(QString path) : path_(std::move(path)) {
  std::string warning;
  kept_ = platform::qt::loadPreferences(path_, warning);
  if (!warning.empty()) std::fprintf(stderr, "%s\n", warning.c_str());
  inUse_ = kept_;
}

void PlayerSettings::overrideWith(const Options& opt) {
  if (opt.scale) inUse_.scale = opt.scale;
  if (!opt.lang.empty()) inUse_.language = opt.lang;
  if (opt.music) inUse_.music = *opt.music;
  if (opt.effects) inUse_.effects = *opt.effects;
  if (opt.mute) inUse_.muted = true;
  if (opt.fullScreen) inUse_.fullScreen = true;
}

void PlayerSettings::change(const std::function<void(platform::qt::Preferences&)>& edit) {
  edit(inUse_);
  edit(kept_);
  std::string error;
  if (!platform::qt::savePreferences(path_, kept_, error))
    std::fprintf(stderr, "%s\n", error.c_str());
  apply();
}

void PlayerSettings::apply() {
  if (applied) applied(inUse_);
}

void useOnDesktop(PlayerSettings& settings, platform::qt::QtDriver& driver) {
  driver.setKeyBindings(&settings.inUse().keys);
  driver.setDesktopKey(Qt::Key_F9, [&settings] {
    settings.change([muted = !settings.inUse().muted](auto& p) { p.muted = muted; });
  });
  driver.setDesktopKey(Qt::Key_F11, [&settings, &driver] {
    settings.change([on = !driver.fullScreen()](auto& p) { p.fullScreen = on; });
  });
}

}  // namespace app
