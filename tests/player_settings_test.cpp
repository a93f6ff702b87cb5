// The player's preferences between runs: the settings file, the command
// line over it, and the desktop's keys that change them.
#include "app/player_settings.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QKeyEvent>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "app/settings_door.h"
#include "media/media.h"
#include "platform/qt/qt_driver.h"
#include "platform/qt/window_view.h"
#include "tests/desktop_doubles.h"
#include "tests/toy_windows.h"
#include "ui/program.h"

namespace {

using platform::qt::Mode;
using platform::qt::Preferences;

QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

// What the game says on standard error while `run` runs.
template <typename F>
std::string saidWhile(F run) {
  ::testing::internal::CaptureStderr();
  run();
  return ::testing::internal::GetCapturedStderr();
}

// The action of `mode` with settings key `id`.
std::size_t action(Mode mode, const char* id) {
  const auto& actions = platform::qt::actionsOf(mode);
  for (std::size_t i = 0; i < actions.size(); ++i)
    if (std::string(actions[i].id) == id) return i;
  ADD_FAILURE() << "no action " << id;
  return 0;
}

class SettingsFile : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  const QString path = dir.filePath("driftwing/driftwing.conf");
};

TEST_F(SettingsFile, WithoutAFileTheDefaultsAndNoWord) {
  std::string warning = "?";
  EXPECT_EQ(platform::qt::loadPreferences(path, warning), Preferences());
  EXPECT_EQ(warning, "");
  std::string said = saidWhile([&] { app::PlayerSettings settings(path); });
  EXPECT_EQ(said, "");
  EXPECT_FALSE(QFile::exists(path)) << "loading never writes";
}

TEST_F(SettingsFile, AChangeMadeInOneRunIsWhatTheNextRunStartsWith) {
  const int g = platform::qt::keyCode("G");
  ASSERT_GE(g, 0);
  {
    app::PlayerSettings first(path);
    int told = 0;
    first.applied = [&](const Preferences&) { ++told; };
    first.change([&](Preferences& p) {
      p.music = 35;
      p.effects = 0;
      p.scale = 3;
      p.fullScreen = true;
      p.language = "en";
      p.keys.bind(Mode::Stage, action(Mode::Stage, "left"), g);
      p.keys.unbind(Mode::Battle, 0);
      p.keys.swapButton(Mode::Shooter, ui::PadButton::A, ui::PadButton::Y);
    });
    EXPECT_EQ(told, 1);
    first.change([](Preferences& p) { p.muted = true; });
  }
  std::string said;
  Preferences next;
  said = saidWhile([&] {
    app::PlayerSettings second(path);
    next = second.inUse();
  });
  EXPECT_EQ(said, "");
  EXPECT_EQ(next.music, 35);
  EXPECT_EQ(next.effects, 0);
  EXPECT_TRUE(next.muted);
  EXPECT_EQ(next.scale, 3);
  EXPECT_TRUE(next.fullScreen);
  EXPECT_EQ(next.language, "en");
  EXPECT_EQ(next.keys.key(Mode::Stage, action(Mode::Stage, "left")), g);
  EXPECT_EQ(next.keys.key(Mode::Battle, 0), -1);
  EXPECT_EQ(next.keys.button(Mode::Shooter, ui::PadButton::A), ui::PadButton::Y);
  EXPECT_EQ(next.keys.button(Mode::Shooter, ui::PadButton::Y), ui::PadButton::A);

  // The file reads as a player would write it.
  QSettings file(path, QSettings::IniFormat);
  EXPECT_EQ(file.value("audio/music").toString(), "35");
  EXPECT_EQ(file.value("audio/muted").toString(), "true");
  EXPECT_EQ(file.value("keys/stage/left").toString(), "G");
  EXPECT_EQ(file.value("pads/shooter/a").toString(), "Y");
  EXPECT_EQ(
      file.value("keys/battle/" + QString(platform::qt::actionsOf(Mode::Battle)[0].id)).toString(),
      "None");
}

TEST_F(SettingsFile, TheCommandLineWinsForOneRunAndTheFileKeepsItsOwn) {
  {
    app::PlayerSettings before(path);
    before.change([](Preferences& p) {
      p.music = 40;
      p.scale = 2;
      p.language = "zh";
    });
  }
  const QByteArray kept = bytesOf(path);
  std::string error;
  const auto opt = app::parseOptions(
      {"--music", "80", "--effects", "0", "--mute", "--scale", "3", "--lang", "en", "--fullscreen"},
      error);
  ASSERT_TRUE(opt) << error;
  app::PlayerSettings run(path);
  run.overrideWith(*opt);
  EXPECT_EQ(run.inUse().music, 80);
  EXPECT_EQ(run.inUse().effects, 0);
  EXPECT_TRUE(run.inUse().muted);
  EXPECT_EQ(run.inUse().scale, 3);
  EXPECT_EQ(run.inUse().language, "en");
  EXPECT_TRUE(run.inUse().fullScreen);
  EXPECT_EQ(bytesOf(path), kept) << "the run's options never reach the file";

  // Unmuting in that run unmutes both; the file's music stays its own.
  run.change([](Preferences& p) { p.muted = false; });
  EXPECT_FALSE(run.inUse().muted);
  EXPECT_EQ(run.inUse().music, 80);
  std::string warning;
  const Preferences saved = platform::qt::loadPreferences(path, warning);
  EXPECT_FALSE(saved.muted);
  EXPECT_EQ(saved.music, 40);
  EXPECT_EQ(saved.scale, 2);
  EXPECT_EQ(saved.language, "zh");
  EXPECT_FALSE(saved.fullScreen);
}

TEST_F(SettingsFile, AFileThatIsNotSettingsGivesTheDefaultsOneLineAndStaysUntilAChange) {
  ASSERT_TRUE(QDir().mkpath(dir.filePath("driftwing")));
  // The start of a program file saved by mistake as the settings, and notes.
  const QByteArray program = QByteArray(
                                 "\x7f"
                                 "ELF\x02\x01\x01",
                                 7) +
                             QByteArray(9, '\0') +
                             QByteArray("\x02\0>\0\x01\0\0\0[broken\n\xff\xfe", 18);
  for (const QByteArray& garbage : {program, QByteArray("music loud\nkeys: my own\n")}) {
    SCOPED_TRACE(garbage.size());
    write(path, garbage);
    std::string said;
    said = saidWhile([&] {
      app::PlayerSettings settings(path);
      EXPECT_EQ(settings.inUse(), Preferences());
    });
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("driftwing.conf"), std::string::npos) << said;
    EXPECT_NE(said.find("defaults"), std::string::npos) << said;
    EXPECT_EQ(bytesOf(path), garbage);
  }

  app::PlayerSettings settings(path);
  settings.change([](Preferences& p) { p.effects = 20; });
  std::string warning;
  EXPECT_EQ(platform::qt::loadPreferences(path, warning).effects, 20);
  EXPECT_EQ(warning, "") << "the file is whole again";
}

TEST_F(SettingsFile, ValuesThatMakeNoSenseKeepTheirDefaultsInOneLine) {
  ASSERT_TRUE(QDir().mkpath(dir.filePath("driftwing")));
  const QByteArray text =
      "[audio]\nmusic=250\neffects=30\nmuted=perhaps\n"
      "[display]\nscale=0\nlanguage=fr\nfullscreen=true\nwallpaper=blue\n"
      "[keys]\nstage/left=Foo\nstage/right=F9\nstage/faster=Num 1\nstage/jump=Q\n"
      "[pads]\nbattle/a=B\nbattle/b=Z\nbattle/x=B\n";
  write(path, text);
  std::string warning;
  const Preferences p = platform::qt::loadPreferences(path, warning);
  EXPECT_EQ(p.music, 100);
  EXPECT_EQ(p.effects, 30) << "what can be used is used";
  EXPECT_FALSE(p.muted);
  EXPECT_FALSE(p.scale);
  EXPECT_EQ(p.language, "");
  EXPECT_TRUE(p.fullScreen);
  const Preferences defaults;
  EXPECT_EQ(p.keys.key(Mode::Stage, action(Mode::Stage, "left")),
            defaults.keys.key(Mode::Stage, action(Mode::Stage, "left")));
  EXPECT_EQ(p.keys.key(Mode::Stage, action(Mode::Stage, "right")),
            defaults.keys.key(Mode::Stage, action(Mode::Stage, "right")))
      << "F9 is the desktop's";
  EXPECT_EQ(p.keys.key(Mode::Stage, action(Mode::Stage, "faster")), platform::qt::keyCode("Num 1"));
  EXPECT_EQ(p.keys.button(Mode::Battle, ui::PadButton::A), ui::PadButton::B);

  EXPECT_EQ(warning.find('\n'), std::string::npos) << "one line";
  EXPECT_EQ(warning.rfind("driftwing: ", 0), 0u) << warning;
  for (const char* wrong :
       {"audio/music=250", "audio/muted=perhaps", "display/scale=0", "display/language=fr",
        "keys/stage/left=Foo", "keys/stage/right=F9", "pads/battle/b=Z", "pads/battle/x=B"})
    EXPECT_NE(warning.find(wrong), std::string::npos) << wrong << " in " << warning;
  for (const char* unknown : {"wallpaper", "jump", "effects"})
    EXPECT_EQ(warning.find(unknown), std::string::npos) << unknown << " in " << warning;
  EXPECT_EQ(bytesOf(path), text) << "loading never writes";

  // A change writes every preference, and keeps what the game does not know.
  app::PlayerSettings settings(path);
  settings.change([](Preferences& q) { q.music = 60; });
  const Preferences saved = platform::qt::loadPreferences(path, warning);
  EXPECT_EQ(warning, "");
  EXPECT_EQ(saved.music, 60);
  EXPECT_EQ(saved.effects, 30);
  EXPECT_EQ(QSettings(path, QSettings::IniFormat).value("display/wallpaper").toString(), "blue");
}

TEST_F(SettingsFile, AFileThatCannotBeWrittenSaysSoInOneLine) {
  write(dir.filePath("driftwing"), "a file where the folder should be");
  app::PlayerSettings settings(path);
  int told = 0;
  settings.applied = [&](const Preferences&) { ++told; };
  const std::string said =
      saidWhile([&] { settings.change([](Preferences& p) { p.muted = true; }); });
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("driftwing.conf"), std::string::npos) << said;
  EXPECT_TRUE(settings.inUse().muted) << "the run still takes the change";
  EXPECT_EQ(told, 1);
}

using testing_desktop::NoShell;

// A real window of the offscreen desktop, with the player's settings.
class OnTheDesktop : public SettingsFile {
 protected:
  OnTheDesktop() : program(driver, media, shell, ".") {
    driver.attach(program);
    toy::addAll(program);
    toy::gLog = &log;
  }
  ~OnTheDesktop() override { toy::gLog = nullptr; }

  std::vector<std::string> log;
  media::SilentMedia media;
  NoShell shell;
  platform::qt::QtDriver driver{1};
  ui::Program program;
};

TEST_F(OnTheDesktop, F9MutesAndUnmutesWithoutTheGameHearingIt) {
  app::PlayerSettings settings(path);
  std::vector<bool> heard;
  settings.applied = [&](const Preferences& p) { heard.push_back(p.muted); };
  app::useOnDesktop(settings, driver);

  program.start(program.window("Keys"));
  platform::qt::WindowView* v = driver.viewOf(program.window("Keys"));
  ASSERT_TRUE(QTest::qWaitForWindowActive(v));
  auto press = [](int key) {
    for (auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent ev(type, key, Qt::NoModifier);
      QApplication::sendEvent(QApplication::focusWidget(), &ev);
    }
  };
  press(Qt::Key_F9);
  QTRY_COMPARE(heard, std::vector<bool>{true});
  EXPECT_TRUE(log.empty()) << "F9 belongs to the desktop";
  std::string warning;
  EXPECT_TRUE(platform::qt::loadPreferences(path, warning).muted) << "kept for the next run";
  press(Qt::Key_F9);
  QTRY_COMPARE(heard, (std::vector<bool>{true, false}));
  EXPECT_FALSE(platform::qt::loadPreferences(path, warning).muted);
  EXPECT_TRUE(log.empty());

  press(Qt::Key_Up);
  EXPECT_EQ(log, (std::vector<std::string>{"down 38", "up 38"})) << "the game's keys still arrive";
}

TEST_F(OnTheDesktop, F10OpensTheSettingsWindowAndClosesItWithoutTheGameHearingIt) {
  app::PlayerSettings settings(path);
  app::SettingsDoor door(settings, driver, program);
  settings.applied = [&](const Preferences&) { door.refresh(); };
  app::useOnDesktop(settings, driver);
  driver.setDesktopKey(Qt::Key_F10, [&door] { door.toggle(); });

  program.start(program.window("Keys"));
  platform::qt::WindowView* v = driver.viewOf(program.window("Keys"));
  ASSERT_TRUE(QTest::qWaitForWindowActive(v));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
  QTRY_VERIFY(door.window() != nullptr && door.window()->isVisible());
  EXPECT_TRUE(log.empty()) << "F10 belongs to the desktop";
  ASSERT_TRUE(QTest::qWaitForWindowActive(door.window()));

  // A change there is kept, and F9 in the game shows in the window at once.
  QTest::keyClick(door.window()->muteBox(), Qt::Key_Space);
  std::string warning;
  EXPECT_TRUE(platform::qt::loadPreferences(path, warning).muted);
  EXPECT_TRUE(log.empty()) << "keys in the settings window are not the game's";

  QTest::keyClick(door.window(), Qt::Key_F10);
  QTRY_VERIFY(door.window() == nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(v)) << "the keys are the game's again";
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
  QTRY_VERIFY(!settings.inUse().muted);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  EXPECT_EQ(log, (std::vector<std::string>{"down 38", "up 38"})) << "the game's keys still arrive";
}

TEST_F(OnTheDesktop, F12OpensTheSettingsWindowAtTheRecordingsAndClosesItThere) {
  app::PlayerSettings settings(path);
  app::SettingsDoor door(settings, driver, program,
                         platform::qt::ReplayShelf(dir.filePath("replays").toStdString()), {});
  constexpr int kReplays = platform::qt::SettingsWindow::kReplaysPage;
  driver.setDesktopKey(Qt::Key_F10, [&door] { door.toggle(); });
  driver.setDesktopKey(Qt::Key_F12, [&door] { door.toggleAt(kReplays); });

  program.start(program.window("Keys"));
  platform::qt::WindowView* v = driver.viewOf(program.window("Keys"));
  ASSERT_TRUE(QTest::qWaitForWindowActive(v));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
  QTRY_VERIFY(door.window() != nullptr && door.window()->isVisible());
  EXPECT_EQ(door.window()->shownPage(), kReplays);
  EXPECT_TRUE(log.empty()) << "F12 belongs to the desktop";

  // Back in the game with the window open at another page, F12 turns it to
  // the recordings; pressed again, it closes it.
  door.window()->showPage(0);
  v->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(v));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
  ASSERT_TRUE(door.window() != nullptr);
  EXPECT_EQ(door.window()->shownPage(), kReplays);
  v->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(v));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
  QTRY_VERIFY(door.window() == nullptr);
  EXPECT_TRUE(log.empty());
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);  // never the player's own folders
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
