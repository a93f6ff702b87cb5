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
#include <memory>
#include <optional>
#include <sstream>

#include "frontend/game.h"
#include "platform/qt/language.h"
#include "platform/qt/render.h"
#include "replay/recording.h"
#include "replay/runner.h"
#include "replay/script.h"
#include "tools/replay/realtime.h"
#include "tools/replay/tool_options.h"
#include "ui/json.h"
#include "ui/program.h"

namespace {

const char* kUsage =
    "Usage: driftwing-replay [options] SCRIPT\n"
    "Plays Driftwing from a script of input events on virtual time.\n"
    "\n"
    "  --screen NAME      start with window NAME instead of the title screen\n"
    "  --set NAME=VALUE   set a game setting or a start-window variable first;\n"
    "                     NAME=V1,V2,... sets an array element by element\n"
    "  --trace FILE       write the trace (JSON Lines) to FILE; - for standard output\n"
    "  --until MS         stop at virtual time MS\n"
    "  --png MS:FILE      draw the front window at MS into a PNG file (repeatable)\n"
    "  --scale N          scale of the PNG pictures (default 1)\n"
    "  --lang LANG        language of the PNG pictures: zh (default), en or auto\n"
    "  --peer SCRIPT      run a second instance with its own script, networked\n"
    "  --peer-screen NAME its start window (default: the same as the first)\n"
    "  --latency MS       how long a send takes to arrive (default 1)\n"
    "  --realtime         run on the wall clock with real TCP sockets\n"
    "  --final FILE       write the state of every loaded window when the run stops\n"
    "  --events N         the script has N event lines: fewer means it was cut short\n"
    "  --game-version V   the game that made the script: a newer one's is refused\n"
    "\n"
    "A script may open with its own options: \"#! --screen frm1 --set playerRank=3\".\n"
    "They are read before the command line's, which win over them. Words with\n"
    "blanks go in double quotes; a script names no file to write.\n";

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

// Reads a whole script; nothing when it cannot be read.
std::optional<std::string> readText(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return text.str();
}

}  // namespace

int main(int argc, char** argv) {
  replay::ToolOptions tool;
  std::string error;
  if (!replay::readToolOptions({argv + 1, argv + argc}, tool, error)) return fail(error);
  if (tool.help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  replay::Options& opt = tool.run;
  const std::string& scriptFile = tool.scriptFile;
  const std::string& peerFile = tool.peerFile;
  const bool realtime = tool.realtime;
  if (scriptFile.empty()) return fail("no script given (see --help)");
  if (opt.until)
    for (const auto& [t, file] : opt.pngs)
      if (t > *opt.until) return fail("--png " + file + " comes after --until");
  if (!tool.gameVersion.empty() && replay::newerThanThisGame(tool.gameVersion))
    return fail(scriptFile + " was " + replay::madeByANewerGame(tool.gameVersion));

  const auto scriptText = readText(scriptFile);
  if (!scriptText) return fail("cannot read the script " + scriptFile);
  std::optional<std::size_t> counted;
  if (tool.events) counted = static_cast<std::size_t>(*tool.events);
  auto read = replay::parseCounted(*scriptText, counted);
  if (!read.lines) return fail(read.cutShort ? scriptFile + " was " + read.error : read.error);
  const auto& script = read.lines;
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
    if (!tool.lang.empty()) platform::qt::setLanguage(QString::fromStdString(tool.lang));
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
  if (tool.traceFile == "-") {
    trace = &std::cout;
  } else if (!tool.traceFile.empty()) {
    traceOut.open(tool.traceFile, std::ios::binary | std::ios::trunc);
    if (!traceOut) return fail("cannot write the trace " + tool.traceFile);
    trace = &traceOut;
  }

  opt.folder = programFolder(argv[0]);
  std::ofstream finalOut;
  if (!tool.finalFile.empty()) {
    finalOut.open(tool.finalFile, std::ios::binary | std::ios::trunc);
    if (!finalOut) return fail("cannot write " + tool.finalFile);
    opt.atEnd = [&finalOut](ui::Program& p) { finalOut << ui::endStateJson(p) << "\n"; };
  }
  const int status = realtime
                         ? replay::runRealtime(opt, *script, frontend::addWindows, trace, error)
                         : replay::run(opt, *script, frontend::addWindows, trace, png, error);
  if (status != 0) return fail(error);
  return 0;
}
