// The player's preferences, kept between runs in
// $XDG_CONFIG_HOME/driftwing/driftwing.conf (~/.config/driftwing/ by
// default), Qt's INI format. They live at the desktop, outside the game:
// sound levels, the keys, the scale, full screen and the language. A file
// that cannot be read, or holds what makes no sense, never stops the game:
// what cannot be read keeps its default, one line says so, and the file is
// left as it is until the player changes a setting.
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "platform/qt/key_bindings.h"

namespace platform::qt {

struct Preferences {
  int music = 100;    // volume, 0 to 100
  int effects = 100;  // volume, 0 to 100
  bool muted = false;
  std::optional<int> scale;  // unset: chosen from the screen
  bool fullScreen = false;
  std::string language;  // "zh", "en" or "auto"; empty: as the command line and $DRIFTWING_LANG say
  KeyBindings keys;

  friend bool operator==(const Preferences&, const Preferences&) = default;
};

// Where the preferences are kept: $XDG_CONFIG_HOME/driftwing/driftwing.conf,
// or ~/.config/driftwing/driftwing.conf when that is not set.
QString preferencesPath();

// Reads the file at `path`. A missing file gives the defaults and no word;
// anything else it cannot use keeps its default, and `warning` gets one line
// naming the file and what was wrong (empty when all was well).
Preferences loadPreferences(const QString& path, std::string& warning);

// Writes every preference to `path`, making its folder if need be. False,
// with `error` set to one line, when it cannot.
bool savePreferences(const QString& path, const Preferences& prefs, std::string& error);

}  // namespace platform::qt
