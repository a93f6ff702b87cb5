// Watching a recording in the real window, on the offscreen platform: the
// recording's keys reach the game at their times, the player's own never do,
// and the desktop's keys pause it and speed it up.
#include "app/watching.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "media/media.h"
#include "platform/qt/game_skin.h"
#include "platform/qt/qt_driver.h"
#include "platform/qt/window_view.h"
#include "replay/recording.h"
#include "tests/desktop_doubles.h"
#include "tests/toy_windows.h"
#include "ui/program.h"

namespace {

using testing_desktop::NoShell;

class Watching : public ::testing::Test {
 protected:
  Watching() : driver(1), program(driver, media, shell, ".") {
    driver.attach(program);
    toy::addAll(program);
    toy::gLog = &log;
  }
  ~Watching() override { toy::gLog = nullptr; }

  // Down at 100 ms and 400 ms of the recording, which ends at 600.
  replay::Recording recording() {
    const std::string file = dir.filePath("keys.replay").toStdString();
    std::ofstream(file) << "#! --screen Keys --until 600 --events 2 --game-version "
                        << replay::gameVersion() << "\n100 keydown 40\n400 keydown 37\n";
    std::string error;
    auto rec = replay::readRecording(file, error);
    EXPECT_TRUE(rec.has_value()) << error;
    return rec ? *rec : replay::Recording{};
  }
  void press(int key) {
    QWidget* to = QApplication::focusWidget() != nullptr ? QApplication::focusWidget()
                                                         : driver.viewOf(program.window("Keys"));
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(to, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(to, &up);
  }

  QTemporaryDir dir;
  std::vector<std::string> log;
  media::SilentMedia media;
  NoShell shell;
  platform::qt::QtDriver driver;
  ui::Program program;
};

TEST_F(Watching, TheRecordingsKeysPlayAndThePlayersDoNot) {
  app::Watching watching(program, driver, recording());
  program.start(program.window("Keys"));
  watching.start();
  ASSERT_TRUE(QTest::qWaitForWindowActive(driver.viewOf(program.window("Keys"))));
  press(Qt::Key_Up);
  QTRY_VERIFY_WITH_TIMEOUT(watching.isOver(), 5000);
  EXPECT_EQ(log, (std::vector<std::string>{"down 40", "down 37"}))
      << "the recording's Down and Left; never the player's Up";
  platform::qt::WindowView* view = driver.viewOf(program.window("Keys"));
  EXPECT_TRUE(view->windowTitle().contains("重播"));
  const platform::qt::GlassTag* tag = nullptr;
  for (QWidget* child : view->findChildren<QWidget*>())
    if (auto* t = dynamic_cast<platform::qt::GlassTag*>(child)) tag = t;
  ASSERT_NE(tag, nullptr) << "a tag over the race says it is a replay";
  EXPECT_TRUE(tag->isVisible());
  EXPECT_TRUE(tag->text().contains("重播"));
}

TEST_F(Watching, SpacePausesItAndFPlaysItFaster) {
  app::Watching watching(program, driver, recording());
  program.start(program.window("Keys"));
  watching.start();
  ASSERT_TRUE(QTest::qWaitForWindowActive(driver.viewOf(program.window("Keys"))));
  press(Qt::Key_Space);
  QTRY_VERIFY(driver.paused());
  QTest::qWait(700);
  EXPECT_TRUE(log.empty()) << "nothing plays while it is paused";
  EXPECT_TRUE(driver.viewOf(program.window("Keys"))->windowTitle().contains("暫停"));

  press(Qt::Key_F);
  QTRY_COMPARE(driver.speed(), 2);
  press(Qt::Key_Plus);
  QTRY_COMPARE(driver.speed(), 4);
  press(Qt::Key_Minus);
  QTRY_COMPARE(driver.speed(), 2);
  press(Qt::Key_Space);
  QTRY_VERIFY(!driver.paused());
  QTRY_VERIFY_WITH_TIMEOUT(watching.isOver(), 5000);
  EXPECT_EQ(log, (std::vector<std::string>{"down 40", "down 37"}));
}

}  // namespace
