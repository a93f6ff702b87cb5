// The player's preferences in a run of the game: what the settings file
// keeps, with what the command line asks for on top, for that run only.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "app/options.h"
#include "platform/qt/preferences.h"

namespace platform::qt {
class QtDriver;
}

namespace app {

class PlayerSettings {
 public:
  // Loads the file at `path`; what it cannot use is said in one line on
  // standard error.
  explicit PlayerSettings(QString path);
  PlayerSettings(const PlayerSettings&) = delete;
  PlayerSettings& operator=(const PlayerSettings&) = delete;

  // The command line's options win, for this run only: the file keeps its own.
  void overrideWith(const Options& opt);
  // What this run uses. Its keys stay where they are for the whole run.
  const platform::qt::Preferences& inUse() const { return inUse_; }
  // What the file holds (or will, once the player changes a setting).
  const platform::qt::Preferences& kept() const { return kept_; }

  // The player changed something (the settings window, F9): `edit` sets it
  // in what this run uses and in what the file keeps, and the file is written.
  // Only now: a file the game could not read stays as it is until then. An
  // edit sets values (muted = true), so both end alike whatever the command
  // line said.
  void change(const std::function<void(platform::qt::Preferences&)>& edit);

  // Told what is in use whenever it changes (after change(), and by apply()).
  std::function<void(const platform::qt::Preferences&)> applied;
  void apply();

  const QString& path() const { return path_; }

 private:
  QString path_;
  platform::qt::Preferences kept_, inUse_;
};

// The desktop plays by the settings: the player's keys in the game's
// windows; F9 mutes or unmutes and F11 fills the screen or leaves it, as the
// settings window would, and the next run starts so too.
void useOnDesktop(PlayerSettings& settings, platform::qt::QtDriver& driver);

}  // namespace app
