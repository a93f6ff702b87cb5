// driftwing-replay: plays the game from a script of input events on virtual
// time, without a window, and writes what happened as a trace.
#include <QApplication>
#include <QImage>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <memory>

#include "app/command_line.h"
#include "app/options.h"
#include "frontend/game.h"
#include "platform/qt/language.h"
#include "platform/qt/render.h"
#include "replay/runner.h"
#include "replay/script.h"
#include "tools/replay/realtime.h"
#include "ui/json.h"
#include "ui/parse.h"
#include "ui/program.h"

namespace {

const char* kUsage =
    "Usage: driftwing-replay [options] SCRIPT\n"
    "Plays Driftwing from a script of input events on virtual time.\n"
    "\n"
    "  --screen NAME      start with window NAME instead of the title screen\n"
    "  --set NAME=VALUE   set a game setting or a start-window variable first\n"
    "  --trace FILE       write the trace (JSON Lines) to FILE; - for standard output\n"
    "  --until MS         stop at virtual time MS\n"
    "  --png MS:FILE      draw the front window at MS into a PNG file (repeatable)\n"
    "  --scale N          scale of the PNG pictures (default 1)\n"
    "  --lang LANG        language of the PNG pictures: zh (default), en or auto\n"
    "  --peer SCRIPT      run a second instance with its own script, networked\n"
    "  --peer-screen NAME its start window (default: the same as the first)\n"
    "  --latency MS       how long a send takes to arrive (default 1)\n"
    "  --realtime         run on the wall clock with real TCP sockets\n"
    "  --final FILE       write the state of every loaded window when the run stops\n";

int fail(const std::string& message) {
  std::fprintf(stderr, "driftwing-replay: %s\n", message.c_str());
  return 2;
}

std::string programFolder(const char* argv0) {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) exe = std::filesystem::absolute(argv0, ec);
  return exe.parent_path().string();
}

}  // namespace

int main(int argc, char** argv) {
  replay::Options opt;
  std::string traceFile, scriptFile, peerFile;
  bool realtime = false;
  std::string finalFile;
  std::string lang;
  bool help = false;
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
  constexpr long long kAny = std::numeric_limits<long long>::max();
  app::CommandLine line(app::CommandLine::Missing::SaysWhatItTakes);
  line.flag(
          {"--help", "-h"}, [&] { help = true; }, true)
      .option("--screen", text(opt.screen), "--screen needs a window name")
      .option(
          "--set",
          [&](const std::string& v) {
            std::pair<std::string, long long> s;
            if (!app::parseSetting(v, s)) return false;
            opt.sets.push_back(s);
            return true;
          },
          "--set takes NAME=VALUE")
      .option("--trace", text(traceFile), "--trace needs a file name")
      .option("--until", whole(0, kAny, [&](long long n) { opt.until = n; }),
              "--until takes whole milliseconds")
      .option(
          "--png",
          [&](const std::string& v) {
            const auto colon = v.find(':');
            long long n = 0;
            if (colon == std::string::npos || !ui::parseWhole(v.substr(0, colon), n) || n < 0 ||
                colon + 1 == v.size())
              return false;
            opt.pngs.push_back({n, v.substr(colon + 1)});
            return true;
          },
          "--png takes MS:FILE")
      .option("--final", text(finalFile), "--final needs a file name")
      .flag({"--realtime"}, [&] { realtime = true; })
      .option("--peer", text(peerFile), "--peer needs a script")
      .option("--peer-screen", text(opt.peerScreen), "--peer-screen needs a window name")
      .option("--latency", whole(1, 60000, [&](long long n) { opt.latency = static_cast<int>(n); }),
              "--latency takes whole milliseconds from 1")
      .option(
          "--lang",
          [&](const std::string& v) {
            lang = v;
            return app::validLanguage(v);
          },
          app::kLangWrong)
      .option(
          "--scale", [&](const std::string& v) { return app::parseScale(v, opt.scale); },
          app::kScaleWrong)
      .operands([&](const std::string& a, std::string& error) {
        if (!scriptFile.empty()) {
          error = "one script only";
          return false;
        }
        scriptFile = a;
        return true;
      });
  std::string error;
  if (!line.read({argv + 1, argv + argc}, error)) return fail(error);
  if (help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (scriptFile.empty()) return fail("no script given (see --help)");
  if (opt.until)
    for (const auto& [t, file] : opt.pngs)
      if (t > *opt.until) return fail("--png " + file + " comes after --until");

  std::ifstream scriptIn(scriptFile);
  if (!scriptIn) return fail("cannot read the script " + scriptFile);
  auto script = replay::parseScript(scriptIn, error);
  if (!script) return fail(error);
  if (!peerFile.empty()) {
    std::ifstream peerIn(peerFile);
    if (!peerIn) return fail("cannot read the script " + peerFile);
    auto peer = replay::parseScript(peerIn, error);
    if (!peer) return fail("--peer " + error);
    opt.peerScript = std::move(*peer);
  }

  if (realtime && (!opt.pngs.empty() || !peerFile.empty()))
    return fail("--realtime races a real peer: no --png or --peer with it");

  // Pictures need Qt's drawing, on the offscreen platform: no display needed;
  // real sockets need Qt's event loop.
  std::unique_ptr<QApplication> qapp;
  if (!opt.pngs.empty() || realtime) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qapp = std::make_unique<QApplication>(argc, argv);
    if (QStyle* fusion = QStyleFactory::create("Fusion")) QApplication::setStyle(fusion);
    if (!lang.empty()) platform::qt::setLanguage(QString::fromStdString(lang));
  }
  replay::PngWriter png = [](ui::Window& w, int scale, const std::string& file, std::string& err) {
    QImage image = platform::qt::renderWindow(w.program(), w, scale);
    if (image.isNull() || !image.save(QString::fromStdString(file), "PNG")) {
      err = "cannot write the picture " + file;
      return false;
    }
    return true;
  };

  std::ofstream traceOut;
  std::ostream* trace = nullptr;
  if (traceFile == "-") {
    trace = &std::cout;
  } else if (!traceFile.empty()) {
    traceOut.open(traceFile, std::ios::binary | std::ios::trunc);
    if (!traceOut) return fail("cannot write the trace " + traceFile);
    trace = &traceOut;
  }

  opt.folder = programFolder(argv[0]);
  std::ofstream finalOut;
  if (!finalFile.empty()) {
    finalOut.open(finalFile, std::ios::binary | std::ios::trunc);
    if (!finalOut) return fail("cannot write " + finalFile);
    opt.atEnd = [&finalOut](ui::Program& p) { finalOut << ui::endStateJson(p) << "\n"; };
  }
  const int status = realtime
                         ? replay::runRealtime(opt, *script, frontend::addWindows, trace, error)
                         : replay::run(opt, *script, frontend::addWindows, trace, png, error);
  if (status != 0) return fail(error);
  return 0;
}
