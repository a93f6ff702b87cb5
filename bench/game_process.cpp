#include "bench/game_process.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/bench_common.h"

namespace bench {
namespace {

// CPU seconds, user and system, spent so far by process `pid`; -1 if gone.
double cpuSeconds(qint64 pid) {
  QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
  if (!f.open(QIODevice::ReadOnly)) return -1;
  const QByteArray stat = f.readAll();
  // The fields after the command's name in brackets: state is the third,
  // utime the fourteenth and stime the fifteenth.
  const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
  if (fields.size() < 13) return -1;
  const double ticks = fields[11].toDouble() + fields[12].toDouble();
  return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// The peak resident memory of process `pid` in MiB (VmHWM); -1 if gone.
double peakMiB(qint64 pid) {
  QFile f(QStringLiteral("/proc/%1/status").arg(pid));
  if (!f.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : f.readAll().split('\n'))
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ')[0].toDouble() / 1024.0;
  return -1;
}

// A player at the keyboard: the window found and given the focus, Space to
// start the countdown, then Up every 150 ms with a spell of Left and one of
// Right in every 12 s, for `ms` milliseconds.
QStringList racingKeys(qint64 pid, int ms) {
  QStringList a{"search",  "--sync",    "--onlyvisible", "--pid",   QString::number(pid),
                "--class", "Driftwing", "windowfocus",   "--sync",  "%1",
                "sleep",   "0.5",       "key",           "--delay", "150",
                "space"};
  for (int press = 0; press * 150 < ms; ++press) {
    a << "Up";
    const int spell = (press / 20) % 4;
    if (spell == 1) a << "Left";
    if (spell == 3) a << "Right";
  }
  return a;
}

struct Measured {
  double cpuShare = -1;      // of one core
  double peak = -1;          // MiB
  std::vector<double> runs;  // each run's share, when several were taken
  QString trouble;           // why there are no figures
  QString said;              // what the game wrote on its error output
};

// Runs `driftwing args`, lets it settle for `warmMs`, then measures it for
// `seconds`; when `racing`, a player at the keyboard drives it.
Measured measure(const QStringList& args, int warmMs, int seconds, bool racing) {
  const QString dir = QCoreApplication::applicationDirPath();
  QProcess game;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  if (!env.contains("SDL_AUDIODRIVER")) {
    env.insert("SDL_AUDIODRIVER", "disk");
    env.insert("SDL_DISKAUDIOFILE", "/dev/null");
  }
  game.setProcessEnvironment(env);
  game.setProcessChannelMode(QProcess::ForwardedOutputChannel);
  game.start(dir + "/driftwing", args);
  Measured m;
  if (!game.waitForStarted(10000)) {
    m.trouble = "driftwing did not start: " + game.errorString();
    return m;
  }
  const qint64 pid = game.processId();
  QProcess player;
  if (racing) {
    player.setProcessChannelMode(QProcess::ForwardedChannels);
    player.start("xdotool", racingKeys(pid, warmMs + seconds * 1000 + 2000));
  }
  runFor(warmMs);
  const double cpu0 = cpuSeconds(pid);
  QElapsedTimer wall;
  wall.start();
  runFor(seconds * 1000);
  const double cpu1 = cpuSeconds(pid);
  const double elapsed = static_cast<double>(wall.nsecsElapsed()) / 1e9;
  m.peak = peakMiB(pid);
  if (game.state() != QProcess::Running || cpu0 < 0 || cpu1 < 0)
    m.trouble = "driftwing ended before the measure was over";
  else
    m.cpuShare = (cpu1 - cpu0) / elapsed;
  if (racing && player.error() == QProcess::FailedToStart)
    m.trouble = "no xdotool to press its keys";
  else if (racing && player.state() == QProcess::NotRunning && player.exitCode() != 0)
    m.trouble = "xdotool could not reach its window";
  player.kill();
  player.waitForFinished(5000);
  game.kill();
  game.waitForFinished(5000);
  for (const QByteArray& line : game.readAllStandardError().split('\n'))
    if (line.startsWith("driftwing:")) m.said += QString::fromUtf8(line);
  return m;
}

// The same measure taken `runs` times: this machine's share of a core moves
// from run to run, so the middle one stands for it, and the highest peak.
Measured measureRuns(const QStringList& args, int warmMs, int seconds, bool racing, int runs) {
  Measured all;
  for (int run = 0; run < runs; ++run) {
    const Measured m = measure(args, warmMs, seconds, racing);
    if (!m.trouble.isEmpty()) return m;
    all.runs.push_back(m.cpuShare);
    all.peak = std::max(all.peak, m.peak);
    if (!m.said.isEmpty()) all.said = m.said;
  }
  std::vector<double> sorted = all.runs;
  std::sort(sorted.begin(), sorted.end());
  all.cpuShare = sorted[sorted.size() / 2];
  return all;
}

void report(const char* what, const Measured& m, int seconds) {
  if (!m.trouble.isEmpty()) {
    std::printf("(f) %s: no figures, %s\n", what, qPrintable(m.trouble));
  } else {
    QStringList each;
    for (double share : m.runs) each << QString::number(share * 100.0, 'f', 2);
    std::printf(
        "(f) %s, %zu runs of %d s: CPU median %.2f %% of one core (%s), peak memory (VmHWM) "
        "%.1f MiB%s\n",
        what, m.runs.size(), seconds, m.cpuShare * 100.0, qPrintable(each.join(", ")), m.peak,
        m.said.isEmpty() ? "" : qPrintable(" (" + m.said + ")"));
  }
  std::fflush(stdout);
}

}  // namespace

void gameProcessFigures(int seconds, int runs) {
  report("driftwing at the title with its music, scale 2",
         measureRuns({"--scale", "2"}, 5000, seconds, false, runs), seconds);
  for (int scale : {1, 3}) {
    const QString s = QString::number(scale);
    const QByteArray what =
        "driftwing in a stage 1 race at scale " + s.toUtf8() + ", keys by xdotool";
    report(what.constData(),
           measureRuns({"--screen", "frm1", "--scale", s, "--set", "difficultyBonus=10"}, 6000,
                       seconds, true, runs),
           seconds);
  }
  // Stage 1 races in silence: stage 2 and the battle have their music.
  report("driftwing in a stage 2 race with its music at scale 2, keys by xdotool",
         measureRuns({"--screen", "frm2", "--scale", "2", "--set", "difficultyBonus=10"}, 6000,
                     seconds, true, runs),
         seconds);
  report("driftwing in the battle with its music at scale 2, keys by xdotool",
         measureRuns({"--screen", "Form3", "--scale", "2"}, 6000, seconds, true, runs), seconds);
}

}  // namespace bench
