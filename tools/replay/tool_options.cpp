#include "tools/replay/tool_options.h"

#include <filesystem>
#include <fstream>
#include <limits>

#include "app/command_line.h"
#include "app/options.h"
#include "replay/first_line.h"
#include "replay/recording.h"
#include "ui/parse.h"

namespace replay {

namespace {

constexpr long long kAny = std::numeric_limits<long long>::max();

// Declares every option of the tool on `line`, to be read into `o`. For a
// script's first line (`scriptFolder` given) the files it names are found
// beside the script, and it may name none to write: a shared recording must
// not write over a player's files.
void declare(app::CommandLine& line, ToolOptions& o, const std::string* scriptFolder) {
  // A value taken as it is, and a whole number within bounds.
  auto text = [](std::string& out) {
    return [&out](const std::string& v) {
      out = v;
      return true;
    };
  };
  auto whole = [](long long low, long long high, auto set) {
    return [=](const std::string& v) {
      long long n = 0;
      if (!ui::parseWhole(v, n) || n < low || n > high) return false;
      set(n);
      return true;
    };
  };
  auto written = [&](const char* name, std::string& out, const char* says) {
    if (scriptFolder == nullptr)
      line.option(name, text(out), says);
    else
      line.option(
          name, [](const std::string&) { return false; },
          std::string(name) + " is for the command line: a script names no file to write");
  };
  if (scriptFolder == nullptr)
    line.flag(
        {"--help", "-h"}, [&o] { o.help = true; }, true);
  line.option("--screen", text(o.run.screen), "--screen needs a window name")
      .option(
          "--set",
          [&o](const std::string& v) {
            ui::Setting s;
            if (!app::parseSetting(v, s)) return false;
            app::addSetting(o.run.sets, std::move(s));
            return true;
          },
          app::kSetWrong)
      .option("--until", whole(0, kAny, [&o](long long n) { o.run.until = n; }),
              "--until takes whole milliseconds")
      .option("--events",
              whole(0, std::numeric_limits<int>::max(),
                    [&o](long long n) { o.events = static_cast<int>(n); }),
              "--events takes the number of event lines")
      .option("--game-version", text(o.gameVersion), "--game-version needs a version")
      .flag({"--realtime"}, [&o] { o.realtime = true; })
      .option(
          "--peer",
          [&o, scriptFolder](const std::string& v) {
            const std::filesystem::path peer(v);
            o.peerFile = scriptFolder == nullptr || peer.is_absolute()
                             ? v
                             : (std::filesystem::path(*scriptFolder) / peer).string();
            return true;
          },
          "--peer needs a script")
      .option("--peer-screen", text(o.run.peerScreen), "--peer-screen needs a window name")
      .option("--latency",
              whole(1, 60000, [&o](long long n) { o.run.latency = static_cast<int>(n); }),
              "--latency takes whole milliseconds from 1")
      .option(
          "--lang",
          [&o](const std::string& v) {
            o.lang = v;
            return app::validLanguage(v);
          },
          app::kLangWrong)
      .option(
          "--scale", [&o](const std::string& v) { return app::parseScale(v, o.run.scale); },
          app::kScaleWrong);
  written("--trace", o.traceFile, "--trace needs a file name");
  written("--final", o.finalFile, "--final needs a file name");
  if (scriptFolder == nullptr) {
    line.option(
            "--png",
            [&o](const std::string& v) {
              const auto colon = v.find(':');
              long long n = 0;
              if (colon == std::string::npos || !ui::parseWhole(v.substr(0, colon), n) || n < 0 ||
                  colon + 1 == v.size())
                return false;
              o.run.pngs.push_back({n, v.substr(colon + 1)});
              return true;
            },
            "--png takes MS:FILE")
        .operands([&o](const std::string& a, std::string& error) {
          if (!o.scriptFile.empty()) {
            error = "one script only";
            return false;
          }
          o.scriptFile = a;
          return true;
        });
  } else {
    line.option(
        "--png", [](const std::string&) { return false; },
        "--png is for the command line: a script names no file to write");
  }
}

// Reads `args` into `o`, as the command line.
bool readArgs(const std::vector<std::string>& args, ToolOptions& o, std::string& error) {
  app::CommandLine line(app::CommandLine::Missing::SaysWhatItTakes);
  declare(line, o, nullptr);
  return line.read(args, error);
}

}  // namespace

bool readToolOptions(const std::vector<std::string>& args, ToolOptions& out, std::string& error) {
  ToolOptions given;
  if (!readArgs(args, given, error)) return false;
  std::ifstream in(given.scriptFile);
  std::string head;
  if (given.help || !in || !std::getline(in, head) || !isOptionsLine(head)) {
    // An unreadable script is the run's to report.
    out = std::move(given);
    return true;
  }
  auto words = optionWords(head, error);
  if (!words) {
    error = "script line 1: " + error;
    return false;
  }
  ToolOptions merged;
  const std::string folder = std::filesystem::path(given.scriptFile).parent_path().string();
  app::CommandLine first(app::CommandLine::Missing::SaysWhatItTakes);
  declare(first, merged, &folder);
  if (!first.read(*words, error)) {
    // A newer game's options are not this one's to know: say so instead.
    if (const auto v = optionValue(*words, "--game-version"); v && newerThanThisGame(*v))
      error = given.scriptFile + " was " + madeByANewerGame(*v);
    else
      error = "script line 1: " + error;
    return false;
  }
  if (!readArgs(args, merged, error)) return false;
  out = std::move(merged);
  return true;
}

}  // namespace replay
