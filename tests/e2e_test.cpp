// The real programs, run as a player or a bug report would run them.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>

namespace {

const QString kBin = QStringLiteral(DRIFTWING_BIN_DIR);
const QString kGolden = QStringLiteral(DRIFTWING_GOLDEN_DIR);
const QByteArray kVersion = DRIFTWING_VERSION;

struct Outcome {
  int status = -1;
  QByteArray out, err;
};

Outcome run(const QString& program, const QStringList& args, QProcessEnvironment env = {},
            int waitMs = 60000) {
  QProcess p;
  if (!env.isEmpty()) p.setProcessEnvironment(env);
  p.start(kBin + "/" + program, args);
  Outcome r;
  if (!p.waitForFinished(waitMs)) {
    p.kill();
    p.waitForFinished();
    return r;
  }
  r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = p.readAllStandardOutput();
  r.err = p.readAllStandardError();
  return r;
}

QByteArray read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Long races are kept gzipped; gzip is on every Debian machine.
QByteArray gzip(const QByteArray& data, bool unpack) {
  QProcess p;
  p.start("gzip", unpack ? QStringList{"-dc"} : QStringList{"-9nc"});
  p.waitForStarted();
  p.write(data);
  p.closeWriteChannel();
  p.waitForFinished(60000);
  return p.readAllStandardOutput();
}

std::vector<std::string> goldenScripts() {
  std::vector<std::string> out;
  for (const QString& s : QDir(kGolden).entryList({"*.script"}, QDir::Files, QDir::Name))
    out.push_back(s.chopped(7).toStdString());
  return out;
}

// Every script in the golden folder replays to exactly its recorded trace.
// DRIFTWING_UPDATE_GOLDEN=1 records them anew (look at the diff before
// committing it).
class Golden : public ::testing::TestWithParam<std::string> {};

TEST_P(Golden, ReplaysExactly) {
  const QString base = QString::fromStdString(GetParam());
  const QString script = kGolden + "/" + base + ".script";
  // The tool reads the options on the script's first line ("#! --screen
  // frm1 --peer race.peer") itself.
  Outcome r = run("driftwing-replay", {"--trace", "-", script});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();

  QString golden = kGolden + "/" + base + ".jsonl";
  const bool packed =
      QFile::exists(golden + ".gz") || (!QFile::exists(golden) && r.out.size() > (1 << 20));
  if (packed) golden += ".gz";
  if (qEnvironmentVariableIntValue("DRIFTWING_UPDATE_GOLDEN") == 1) {
    QFile f(golden);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(packed ? gzip(r.out, false) : r.out);
    return;
  }
  const QByteArray recorded = packed ? gzip(read(golden), true) : read(golden);
  ASSERT_FALSE(recorded.isEmpty()) << "no golden trace " << golden.toStdString();
  const QList<QByteArray> want = recorded.split('\n'), got = r.out.split('\n');
  for (qsizetype i = 0; i < std::min(want.size(), got.size()); ++i)
    ASSERT_EQ(got[i].toStdString(), want[i].toStdString()) << "line " << i + 1;
  EXPECT_EQ(got.size(), want.size());
}

INSTANTIATE_TEST_SUITE_P(Scripts, Golden, ::testing::ValuesIn(goldenScripts()),
                         [](const auto& info) { return info.param; });

TEST(Replay, PicturesOfEveryWindowAtTwoScales) {
  QTemporaryDir dir;
  const QString script = dir.filePath("help.script");
  QFile f(script);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(
      "0 click Command1\n0 click Command1\n0 click Command1\n0 click Command1\n"
      "100 click Command2\n");
  f.close();
  for (int scale : {1, 2}) {
    const QString title = dir.filePath(QString("title%1.png").arg(scale));
    const QString help = dir.filePath(QString("help%1.png").arg(scale));
    Outcome r = run("driftwing-replay", {"--png", "50:" + title, "--png", "100:" + help, "--scale",
                                         QString::number(scale), script});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QImage t(title), h(help);
    EXPECT_EQ(t.size(), QSize(576, 351) * scale);
    EXPECT_EQ(h.size(), QSize(543, 346) * scale);
    // The help screen's purple heading is drawn where its label stands.
    int purple = 0;
    for (int y = 8 * scale; y < 40 * scale; ++y)
      for (int x = 8 * scale; x < 100 * scale; ++x) {
        const QColor c = h.pixelColor(x, y);
        if (c.red() > 150 && c.blue() > 150 && c.green() < 80) ++purple;
      }
    EXPECT_GT(purple, 30 * scale * scale) << "scale " << scale;
  }
}

TEST(Replay, BadInputGivesOneLineAndStatusTwo) {
  QTemporaryDir dir;
  const QString script = dir.filePath("bad.script");
  QFile f(script);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("0 click Command1\n10 click NoSuchButton\n");
  f.close();
  const QString trace = dir.filePath("t.jsonl");
  Outcome r = run("driftwing-replay", {"--trace", trace, script});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "driftwing-replay: script line 2: Form1 has no element NoSuchButton\n");
  EXPECT_EQ(read(trace).count('\n'), 2) << "the lines before the bad one are written";

  r = run("driftwing-replay", {"--frobnicate", script});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err.count('\n'), 1);
  r = run("driftwing-replay", {dir.filePath("missing.script")});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.err.contains("cannot read the script"));
}

// A script's own options, on its first line, and the command line's over them.
class ReplayFirstLine : public ::testing::Test {
 protected:
  QString write(const QByteArray& text) {
    QFile f(script);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
    return script;
  }
  // The first trace line of a run that stops at once: the start window's load.
  QByteArray load(const QStringList& args) {
    Outcome r = run("driftwing-replay", QStringList{"--trace", "-"} << args << script);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    return r.out.split('\n').first();
  }
  QTemporaryDir dir;
  const QString script = dir.filePath("race.replay");
  const QString trace = dir.filePath("race.jsonl");
};

TEST_F(ReplayFirstLine, AScriptStartsWhereItsFirstLineSays) {
  write("#! --screen Form3 --until 0\n# the battle, untouched\n");
  EXPECT_TRUE(load({}).startsWith(R"({"t": 0, "event": "load", "window": "Form3")"));
  write("#! --screen \"frmMain\" --set fireRequest=3,4 --until 0\n");
  const QByteArray shooter = load({});
  EXPECT_TRUE(shooter.contains(R"("window": "frmMain")")) << "a quoted word";
  EXPECT_TRUE(shooter.contains(R"("fireRequest": [3, 4])")) << "an array, element by element";
}

TEST_F(ReplayFirstLine, TheCommandLineWinsOverIt) {
  write(
      "#! --screen Form3 --set difficultyBonus=5 --set storyStep=2 --until 5000\n"
      "4000 keydown 87\n");
  Outcome r = run("driftwing-replay", {"--screen", "Form2", "--set", "difficultyBonus=7", "--until",
                                       "0", "--trace", "-", script});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out.count('\n'), 1) << "the command line's --until: " << r.out.toStdString();
  EXPECT_TRUE(r.out.contains(R"("window": "Form2")"));
  EXPECT_TRUE(r.out.contains(R"("storyStep": 2, "difficultyBonus": 7)"))
      << "the command line's value for the same name, the script's for another";
}

TEST_F(ReplayFirstLine, ARecordingThatWillNotPlayStopsBeforeItStarts) {
  const QByteArray head = "#! --screen frm1 --until 9000 --events 3 --game-version " + kVersion +
                          "\n# Driftwing recording: mode=stage1 result=passed\n";
  struct Case {
    QByteArray text, says;
  };
  const QByteArray file = script.toUtf8();
  for (const Case& c : {
           Case{head + "0 keydown 38\n10 keyup 38\n", file + " was cut short: 2 of 3 events"},
           Case{head + "0 keydown 38\n10 keyup 38\n20 keyd",
                file + " was cut short: 2 of 3 events"},
           Case{"#! --screen frm1 --weather rain\n", "script line 1: unknown option --weather"},
           Case{"#! --weather rain --game-version 99.0\n0 wheelie\n",
                file + " was made by a newer Driftwing (99.0; this is " + kVersion + ")"},
           Case{"#! --trace /tmp/x\n",
                "script line 1: --trace is for the command line: a script "
                "names no file to write"},
       }) {
    write(c.text);
    Outcome r = run("driftwing-replay", {"--trace", trace, script});
    EXPECT_EQ(r.status, 2) << c.text.toStdString();
    EXPECT_EQ(r.err, "driftwing-replay: " + c.says + "\n");
    EXPECT_FALSE(QFile::exists(trace)) << "no trace is written: " << c.text.toStdString();
  }
}

TEST(Game, AnswersHelpAndVersion) {
  Outcome r = run("driftwing", {"--version"});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.out.startsWith("driftwing "));
  r = run("driftwing", {"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.out.contains("--scale"));
  r = run("driftwing", {"--scale", "zero"});
  EXPECT_EQ(r.status, 2);
}

TEST(Game, WithoutADisplaySaysHowToGetOne) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(v);
  Outcome r = run("driftwing", {}, env);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err.count('\n'), 1);
  EXPECT_TRUE(r.err.contains("xvfb-run")) << r.err.toStdString();
}

// The game on Qt's offscreen platform, without a sound card.
QProcessEnvironment offscreen(const QString& platform = "offscreen") {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", platform);
  env.insert("SDL_AUDIODRIVER", "dummy");
  return env;
}

// Starts the game, lets it play for `ms` and stops it. False if it ended on
// its own before that; what it said on standard error goes to `err`.
bool playsFor(const QStringList& args, int ms, QByteArray& err,
              const QProcessEnvironment& env = offscreen()) {
  QProcess p;
  p.setProcessEnvironment(env);
  p.start(kBin + "/driftwing", args);
  if (!p.waitForStarted()) return false;
  const bool ended = p.waitForFinished(ms);
  if (!ended) {
    p.terminate();
    p.waitForFinished(5000);
  }
  err = p.readAllStandardError();
  return !ended;
}

// The game's own lines, without what the offscreen platform says.
QList<QByteArray> gameLines(const QByteArray& err) {
  QList<QByteArray> lines;
  for (const QByteArray& line : err.split('\n'))
    if (line.startsWith("driftwing")) lines << line;
  return lines;
}

TEST(Game, StartsAndRunsUntilItsWindowCloses) {
  QByteArray err;
  EXPECT_TRUE(playsFor({"--scale", "2"}, 1500, err))
      << "the game keeps running: " << err.toStdString();
}

TEST(Game, AScaleTooLargeForTheScreenFallsBackToTheLargestThatFits) {
  // The offscreen platform's screen is a small one: the game's largest
  // window fits it once, never sixteen times.
  QByteArray err;
  EXPECT_TRUE(playsFor({"--scale", "16"}, 1500, err)) << "the game plays on";
  const QList<QByteArray> lines = gameLines(err);
  ASSERT_EQ(lines.size(), 1) << err.toStdString();
  EXPECT_TRUE(lines[0].contains("--scale 16")) << err.toStdString();
  EXPECT_TRUE(lines[0].contains("using 1,")) << err.toStdString();
}

TEST(Game, OnAFullHdScreenScaleThreeDrawsAtTwoOnlyTheWindowsTooLargeForIt) {
  // An offscreen screen of 1920 x 1080: the races fit three times over, the
  // bonus shooter (640 x 455) does not.
  QTemporaryDir dir;
  QFile config(dir.filePath("screen.json"));
  ASSERT_TRUE(config.open(QIODevice::WriteOnly));
  config.write(R"({"screens": [{"name": "hd", "x": 0, "y": 0, "width": 1920, "height": 1080,
                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  config.close();
  QByteArray err;
  EXPECT_TRUE(
      playsFor({"--scale", "3"}, 1500, err, offscreen("offscreen:configfile=" + config.fileName())))
      << "the game plays on";
  const QList<QByteArray> lines = gameLines(err);
  ASSERT_EQ(lines.size(), 1) << err.toStdString();
  EXPECT_TRUE(lines[0].contains("the larger windows")) << err.toStdString();
  EXPECT_TRUE(lines[0].contains("using 2,")) << err.toStdString();
}

TEST(Game, PracticeModeRejectsAnUnknownWindow) {
  Outcome r = run("driftwing", {"--screen", "frm99"}, offscreen());
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.err.contains("frm99"));
}

// The player's settings file, in a folder of its own as $XDG_CONFIG_HOME.
class Settings : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QDir().mkpath(dir.filePath("driftwing")));
    env.insert("XDG_CONFIG_HOME", dir.path());
  }
  void writeFile(const QByteArray& text) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
  }
  // How loud the title screen is, as root mean square over a second of its
  // sound, recorded by SDL's disk driver after the game has settled in.
  double titleLoudness(const QStringList& args) {
    const QString raw = dir.filePath("title.raw");
    QFile::remove(raw);
    QProcessEnvironment sound = env;
    sound.insert("SDL_AUDIODRIVER", "disk");
    sound.insert("SDL_DISKAUDIOFILE", raw);
    QProcess p;
    p.setProcessEnvironment(sound);
    p.start(kBin + "/driftwing", args);
    if (!p.waitForStarted()) return -1;
    const qint64 second = 44100 * 4, from = second / 2;
    while (QFileInfo(raw).size() < from + second && p.state() == QProcess::Running)
      p.waitForFinished(50);
    p.terminate();
    p.waitForFinished(5000);
    QFile f(raw);
    if (!f.open(QIODevice::ReadOnly) || f.size() < from + second) return -1;
    f.seek(from);
    const QByteArray bytes = f.read(second);
    const auto* samples = reinterpret_cast<const qint16*>(bytes.constData());
    double sum = 0;
    for (qsizetype i = 0; i < bytes.size() / 2; ++i) sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / double(bytes.size() / 2));
  }

  QTemporaryDir dir;
  const QString file = dir.filePath("driftwing/driftwing.conf");
  QProcessEnvironment env = offscreen();
};

bool haveSoundFont() {
  for (const char* sf :
       {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/sounds/sf3/default-GM.sf3", "/usr/share/sounds/sf2/TimGM6mb.sf2"})
    if (QFile::exists(sf)) return true;
  return !qEnvironmentVariableIsEmpty("SDL_SOUNDFONTS");
}

TEST_F(Settings, TheFilesMusicLevelIsHeardAndTheCommandLineWinsForOneRun) {
  if (!haveSoundFont()) GTEST_SKIP() << "no General MIDI soundfont installed";
  const QByteArray silent = "[audio]\nmusic=0\n";
  writeFile(silent);
  const double quiet = titleLoudness({});
  EXPECT_GE(quiet, 0) << "the game made sound";
  EXPECT_LT(quiet, 1) << "the title tune at 0";
  const double loud = titleLoudness({"--music", "100"});
  EXPECT_GT(loud, 200) << "the title tune at 100, for this run";
  EXPECT_EQ(read(file), silent) << "the file keeps its own";
  writeFile("[audio]\nmusic=100\n");
  EXPECT_GT(titleLoudness({}), 200);
  EXPECT_LT(titleLoudness({"--mute"}), 1);
}

TEST_F(Settings, ADamagedFileSaysSoOnceAndIsLeftAsItIs) {
  const QByteArray damaged = "[audio]\nmusic=loud\n[keys]\nstage/left=Foo\n";
  writeFile(damaged);
  QByteArray err;
  EXPECT_TRUE(playsFor({}, 1500, err, env)) << "the game plays on";
  const QList<QByteArray> lines = gameLines(err);
  ASSERT_EQ(lines.size(), 1) << err.toStdString();
  EXPECT_TRUE(lines[0].contains("driftwing.conf")) << err.toStdString();
  EXPECT_TRUE(lines[0].contains("audio/music=loud")) << err.toStdString();
  EXPECT_TRUE(lines[0].contains("keys/stage/left=Foo")) << err.toStdString();
  EXPECT_EQ(read(file), damaged);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

namespace {

// Two real programs race over TCP on 127.0.0.1: one wins, the other loses.
TEST(Network, TwoProgramsRaceOverTcpToAResult) {
  QTemporaryDir dir;
  auto write = [&](const QString& name, const QByteArray& text) {
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    return dir.filePath(name);
  };
  QByteArray host = "100 click Com1(3)\n200 text Text1 Mei\n300 click Command1\n";
  QByteArray guest =
      "100 click Com1(3)\n200 option Option2\n300 text Text2 127.0.0.1\n400 text Text1 Rin\n"
      "700 click Command1\n";
  for (int t = 8000; t < 95000; t += 200) {
    host += QByteArray::number(t) + " keydown 87\n";
    if (t % 400 == 0) guest += QByteArray::number(t) + " keydown 87\n";
  }
  const QString hostScript = write("host.script", host);
  const QString guestScript = write("guest.script", guest);
  QProcess a, b;
  const QString until = "95000";
  a.start(kBin + "/driftwing-replay", {"--screen", "Form5", "--realtime", "--until", until,
                                       "--trace", dir.filePath("host.jsonl"), hostScript});
  ASSERT_TRUE(a.waitForStarted());
  QThread::msleep(150);
  b.start(kBin + "/driftwing-replay", {"--screen", "Form5", "--realtime", "--until", until,
                                       "--trace", dir.filePath("guest.jsonl"), guestScript});
  ASSERT_TRUE(b.waitForStarted());
  ASSERT_TRUE(a.waitForFinished(120000));
  ASSERT_TRUE(b.waitForFinished(120000));
  auto result = [&](const QString& file) {
    const QByteArray trace = read(dir.filePath(file));
    if (trace.contains("\"Label1(5)\": {\"Caption\": \"You loss!\", \"Visible\": true"))
      return std::string("loss");
    if (trace.contains("\"Label1(5)\": {\"Caption\": \"You Win !\", \"Visible\": true"))
      return std::string("win");
    return std::string("none");
  };
  const QByteArray hostEnd = read(dir.filePath("host.jsonl"));
  EXPECT_TRUE(hostEnd.contains("\"Label1(3)\": {\"Caption\": \"2P : Rin\"")) << "names crossed";
  const std::string r1 = result("host.jsonl"), r2 = result("guest.jsonl");
  EXPECT_NE(r1, "none");
  EXPECT_NE(r2, "none");
  EXPECT_NE(r1, r2) << "one wins, the other loses";
}

}  // namespace
