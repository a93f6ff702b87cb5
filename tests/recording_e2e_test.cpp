// Recordings end to end: a race played in the real game on a virtual X
// display, with keys typed by xdotool, leaves a recording; the replay tool
// and the game's own watching both end that race where the game did.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <map>

#include "tests/desktop_doubles.h"

namespace {

const QString kBin = QStringLiteral(DRIFTWING_BIN_DIR);

struct Ran {
  int status = -1;
  QByteArray err;
};

Ran run(const QString& program, const QStringList& args, const QProcessEnvironment& env,
        int waitMs = 120000) {
  QProcess p;
  p.setProcessEnvironment(env);
  p.start(program, args);
  Ran r;
  if (!p.waitForFinished(waitMs)) {
    p.kill();
    p.waitForFinished();
    return r;
  }
  r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.err = p.readAllStandardError();
  return r;
}

// An end state written by --final, field by field.
std::map<QString, QString> endState(const QString& file) {
  QFile f(file);
  return testing_desktop::endStateFields(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
}

void expectSameEnd(const std::map<QString, QString>& game, const std::map<QString, QString>& other,
                   const char* what) {
  ASSERT_GT(game.size(), 50u) << "the game wrote its end state";
  EXPECT_EQ(game.size(), other.size()) << what;
  for (const auto& [path, value] : game) {
    const auto it = other.find(path);
    EXPECT_TRUE(it != other.end() && it->second == value)
        << what << ": " << path.toStdString() << " is " << value.toStdString() << " in the game, "
        << (it == other.end() ? std::string("missing") : it->second.toStdString());
  }
}

class Recordings : public ::testing::Test {
 protected:
  Recordings() {
    env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", dir.filePath("data"));
    env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    env.insert("SDL_AUDIODRIVER", "dummy");
    env.remove("QT_QPA_PLATFORM");
    // Under the sanitizers, what the desktop's libraries keep on a real X
    // display is theirs, not a leak of the game's.
    const QString leaks = env.value("LSAN_OPTIONS");
    env.insert("LSAN_OPTIONS", (leaks.isEmpty() ? QString() : leaks + ":") +
                                   "suppressions=" DRIFTWING_GOLDEN_DIR "/../lsan_desktop.supp");
  }
  QString shelf() const { return dir.filePath("data/driftwing/replays"); }
  QStringList recordings() const {
    return QDir(shelf()).entryList({"*.replay"}, QDir::Files, QDir::Name);
  }
  QTemporaryDir dir;
  QProcessEnvironment env;
};

// A stage race under a virtual X display: Space starts the countdown, the
// player accelerates and steers through the first seconds of the race, and
// Shift ends the game.
const char* const kPlayer = R"(
game="$1"; final="$2"
"$game" --screen frm1 --final "$final" &
pid=$!
win=$(xdotool search --sync --onlyvisible --pid "$pid" | head -1)
xdotool windowfocus --sync "$win"
sleep 0.3; xdotool key space; sleep 5.2
for i in 1 2 3 4 5 6; do xdotool key Up; sleep 0.11; done
xdotool keydown Left; sleep 0.35; xdotool keyup Left
for i in 1 2 3; do xdotool key Up; sleep 0.07; done
xdotool keydown Right; sleep 0.2; xdotool keyup Right
sleep 0.8; xdotool key Down; sleep 0.5
xdotool key shift
wait "$pid"
)";

TEST_F(Recordings, ARaceTypedOnAnXDisplayReplaysAndWatchesToTheGamesEnd) {
  if (QStandardPaths::findExecutable("xvfb-run").isEmpty() ||
      QStandardPaths::findExecutable("xdotool").isEmpty())
    GTEST_SKIP() << "needs xvfb-run and xdotool (scripts/setup.sh installs them)";
  const QString player = dir.filePath("player.sh");
  QFile script(player);
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write(kPlayer);
  script.close();
  const QString gameEnd = dir.filePath("a.json");
  Ran played =
      run("xvfb-run",
          {"-a", "-s", "-screen 0 1280x1024x24", "sh", player, kBin + "/driftwing", gameEnd}, env);
  ASSERT_EQ(played.status, 0) << played.err.toStdString();
  const QStringList kept = recordings();
  ASSERT_EQ(kept.size(), 1) << "one race, one recording";
  EXPECT_TRUE(kept[0].endsWith("_stage1_quit.replay")) << kept[0].toStdString();
  const QString recording = shelf() + "/" + kept[0];
  QFile kept0(recording);
  ASSERT_TRUE(kept0.open(QIODevice::ReadOnly));
  const QByteArray text = kept0.readAll();
  EXPECT_TRUE(text.startsWith("#! --screen frm1 ")) << text.left(200).toStdString();
  for (const char* typed : {" keydown 32\n", " keydown 38\n", " keyup 37\n", " keydown 16\n"})
    EXPECT_TRUE(text.contains(typed)) << "the player's keys are in it: " << typed;

  const QString replayEnd = dir.filePath("b.json");
  Ran replayed = run(kBin + "/driftwing-replay", {"--final", replayEnd, recording}, env);
  ASSERT_EQ(replayed.status, 0) << replayed.err.toStdString();
  expectSameEnd(endState(gameEnd), endState(replayEnd), "replayed");

  // Watching it in the game's window, at real speed, ends the same way, and
  // keeps no recording of its own.
  QProcessEnvironment offscreen = env;
  offscreen.insert("QT_QPA_PLATFORM", "offscreen");
  const QString watchEnd = dir.filePath("c.json");
  Ran watched = run(kBin + "/driftwing", {"--watch", recording, "--final", watchEnd}, offscreen);
  ASSERT_EQ(watched.status, 0) << watched.err.toStdString();
  expectSameEnd(endState(gameEnd), endState(watchEnd), "watched");
  EXPECT_EQ(recordings().size(), 1);
}

TEST_F(Recordings, AFileThatWillNotPlaySaysWhyInOneLineAndOpensNoWindow) {
  struct Case {
    QByteArray text, says;
  };
  const QByteArray head = "#! --screen frm1 --until 9000 --events 2 --game-version " +
                          QByteArray(DRIFTWING_VERSION) +
                          "\n# Driftwing recording: mode=stage1 result=quit\n";
  for (const Case& c : {
           Case{head + "0 keydown 38\n", "it was cut short: 1 of 2 events"},
           Case{head + "0 keydown 38\n5 kezdown 38\n", "it is damaged at line 4"},
           Case{"#! --screen frm1 --until 9 --events 0 --game-version 99.0\n",
                "it was made by a newer Driftwing (99.0; this is "},
           Case{QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "it is not a Driftwing recording"},
           Case{"", "the file is empty"},
       }) {
    const QString file = dir.filePath("shared.replay");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(c.text);
    f.close();
    // Without a display at all: the file is judged before any window opens.
    Ran r = run(kBin + "/driftwing", {"--watch", file}, env);
    EXPECT_EQ(r.status, 2) << c.says.toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.startsWith("driftwing: cannot watch " + file.toUtf8() + ": " + c.says))
        << r.err.toStdString();
  }
}

}  // namespace
