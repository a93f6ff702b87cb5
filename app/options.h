// The game's command line.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/vars.h"

namespace app {

struct Options {
  std::optional<int> scale;  // unset: chosen from the screen
  std::string screen;        // empty: the title screen
  std::string lang;          // "zh", "en" or "auto"; empty: $DRIFTWING_LANG, else "zh"
  std::vector<ui::Setting> sets;
  // The player's preferences for this run only, over the settings file's.
  std::optional<int> music, effects;  // volume, 0 to 100
  bool mute = false;
  bool fullScreen = false;
  bool settings = false;  // the settings window opens over the first window
  std::string finalFile;  // where to write the end state when the game ends
  std::string watchFile;  // a recording to watch instead of playing
  bool help = false;
  bool version = false;
};

// Parses the arguments after the program name; on a bad one returns nothing
// and says why.
std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error);

// The scales a window may be drawn at: 1 to kLargestScale.
constexpr int kLargestScale = 16;
bool parseScale(const std::string& text, int& out);
inline constexpr const char* kScaleWrong = "--scale takes a whole number from 1 to 16";

// A volume: 0 (silent) to 100.
bool parseLevel(const std::string& text, int& out);

// "NAME=VALUE" with a whole number, or "NAME=V1,V2,..." with one for each
// element of an array.
bool parseSetting(const std::string& text, ui::Setting& out);
inline constexpr const char* kSetWrong =
    "--set takes NAME=VALUE or NAME=V1,V2,... in whole numbers";
// Adds a --set to `sets`; one for a name given before takes its place.
void addSetting(std::vector<ui::Setting>& sets, ui::Setting setting);

// A language `--lang` knows.
bool validLanguage(const std::string& code);
inline constexpr const char* kLangWrong = "--lang takes zh, en or auto";

const char* usage();

// The largest whole scale at which a window of `width` x `height` pixels
// stays a comfortable part of a screen of `screenWidth` x `screenHeight`.
int comfortableScale(int width, int height, int screenWidth, int screenHeight);

// The largest whole scale (at least 1) at which a window of `width` x
// `height` pixels fits a screen of `screenWidth` x `screenHeight`; 0 when the
// screen's size is not known.
int largestFittingScale(int width, int height, int screenWidth, int screenHeight);

}  // namespace app
