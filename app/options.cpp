#include "app/options.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "app/command_line.h"
#include "ui/parse.h"

namespace app {

bool parseSetting(const std::string& text, ui::Setting& out) {
  const auto eq = text.find('=');
  if (eq == std::string::npos || eq == 0) return false;
  ui::Setting s{text.substr(0, eq), {}};
  std::size_t from = eq + 1;
  for (;;) {
    const auto comma = std::min(text.find(',', from), text.size());
    if (!ui::parseWhole(std::string_view(text).substr(from, comma - from), s.values.emplace_back()))
      return false;
    if (comma == text.size()) break;
    from = comma + 1;
  }
  out = std::move(s);
  return true;
}

void addSetting(std::vector<ui::Setting>& sets, ui::Setting setting) {
  std::erase_if(sets, [&](const ui::Setting& s) { return s.name == setting.name; });
  sets.push_back(std::move(setting));
}

bool parseScale(const std::string& text, int& out) {
  long long n = 0;
  if (!ui::parseWhole(text, n) || n < 1 || n > kLargestScale) return false;
  out = static_cast<int>(n);
  return true;
}

bool parseLevel(const std::string& text, int& out) {
  long long n = 0;
  if (!ui::parseWhole(text, n) || n < 0 || n > 100) return false;
  out = static_cast<int>(n);
  return true;
}

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error) {
  Options o;
  CommandLine line;
  line.flag({"--help", "-h"}, [&] { o.help = true; })
      .flag({"--version"}, [&] { o.version = true; })
      .flag({"--mute"}, [&] { o.mute = true; })
      .flag({"--fullscreen"}, [&] { o.fullScreen = true; })
      .flag({"--settings"}, [&] { o.settings = true; })
      .option("--final",
              [&](const std::string& v) {
                o.finalFile = v;
                return true;
              },
              {})
      .option("--watch",
              [&](const std::string& v) {
                o.watchFile = v;
                return true;
              },
              {})
      .option(
          "--music", [&](const std::string& v) { return parseLevel(v, o.music.emplace()); },
          "--music takes a whole number from 0 to 100")
      .option(
          "--effects", [&](const std::string& v) { return parseLevel(v, o.effects.emplace()); },
          "--effects takes a whole number from 0 to 100")
      .option(
          "--scale", [&](const std::string& v) { return parseScale(v, o.scale.emplace()); },
          kScaleWrong)
      .option("--screen",
              [&](const std::string& v) {
                o.screen = v;
                return true;
              },
              {})
      .option(
          "--lang",
          [&](const std::string& v) {
            if (!validLanguage(v)) return false;
            o.lang = v;
            return true;
          },
          kLangWrong)
      .option(
          "--set",
          [&](const std::string& v) {
            ui::Setting s;
            if (!parseSetting(v, s)) return false;
            addSetting(o.sets, std::move(s));
            return true;
          },
          kSetWrong);
  if (!line.read(args, error)) return std::nullopt;
  return o;
}

bool validLanguage(const std::string& code) {
  return code == "zh" || code == "en" || code == "auto";
}

const char* usage() {
  return "Usage: driftwing [options]\n"
         "A top-down racing game: a story of five races, a battle for two at one\n"
         "keyboard, a network battle and a bonus shooter.\n"
         "\n"
         "Options:\n"
         "  --scale N         draw every window N times larger (default: fits the screen)\n"
         "  --screen NAME     start in window NAME instead of the title screen, for\n"
         "                    practice (frm1 ... frm5 are the five stage races)\n"
         "  --set NAME=VALUE  set a game setting or a variable of the start window\n"
         "                    before it opens (e.g. --set difficultyBonus=10); an\n"
         "                    array takes NAME=V1,V2,... or one value for all\n"
         "  --lang LANG       zh: the game's texts as written, in Traditional Chinese\n"
         "                    (the default); en: in English; auto: English when the\n"
         "                    desktop's language is English. DRIFTWING_LANG=LANG in\n"
         "                    the environment does the same.\n"
         "  --music N         play the music at N percent of its loudness (0 to 100)\n"
         "  --effects N       play the sound effects at N percent (0 to 100)\n"
         "  --mute            start with every sound off (F9 turns it on and off)\n"
         "  --fullscreen      start in full screen (F11 leaves it)\n"
         "  --settings        open the settings window over the title screen\n"
         "                    (F10 opens it at any time)\n"
         "  --watch FILE      watch a recorded race in the game's window: Space\n"
         "                    pauses, F or + plays faster, - slower, Esc ends\n"
         "  --final FILE      when the game ends, write its end state to FILE\n"
         "                    (one JSON line, as driftwing-replay --final does);\n"
         "                    with --watch, the game ends with the recording\n"
         "  --version         print the version and exit\n"
         "  --help            print this help and exit\n"
         "\n"
         "The settings window keeps its choices in\n"
         "$XDG_CONFIG_HOME/driftwing/driftwing.conf (~/.config/driftwing/ by default).\n"
         "--scale, --lang, --music, --effects, --mute and --fullscreen win over it\n"
         "for one run and leave the file as it is.\n";
}

int comfortableScale(int width, int height, int screenWidth, int screenHeight) {
  if (width <= 0 || height <= 0 || screenWidth <= 0 || screenHeight <= 0) return 1;
  // About two thirds of the screen's width and three quarters of its height
  // at the most: on a 1080p desktop with its panel, twice the designed size.
  const int byWidth = screenWidth * 13 / 20 / width;
  const int byHeight = screenHeight * 3 / 4 / height;
  return std::max(1, std::min(byWidth, byHeight));
}

int largestFittingScale(int width, int height, int screenWidth, int screenHeight) {
  if (screenWidth <= 0 || screenHeight <= 0) return 0;
  if (width <= 0 || height <= 0) return 1;
  return std::max(1, std::min(screenWidth / width, screenHeight / height));
}

}  // namespace app
