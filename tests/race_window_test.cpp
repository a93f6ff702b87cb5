// The game's race windows on the desktop, on Qt's offscreen platform: the
// road keeps the keys whatever the player clicks or tabs to, no menu opens
// over a race, and closing a race window abandons the race.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "battle/battle_screen.h"
#include "frontend/game.h"
#include "frontend/settings.h"
#include "media/media.h"
#include "platform/qt/qt_driver.h"
#include "platform/qt/window_view.h"
#include "stage/stage_screen.h"
#include "tests/desktop_doubles.h"
#include "ui/program.h"

namespace {

using testing_desktop::NoShell;

class RaceWindow : public ::testing::Test {
 protected:
  RaceWindow() : driver(1), program(driver, media, shell, ".") {
    driver.attach(program);
    frontend::addWindows(program);
    settings().difficultyBonus = 10;
  }
  frontend::Settings& settings() { return program.module<frontend::Settings>(); }
  platform::qt::WindowView* show(const char* name) {
    program.start(program.window(name));
    platform::qt::WindowView* v = driver.viewOf(program.window(name));
    EXPECT_TRUE(v != nullptr && QTest::qWaitForWindowActive(v));
    return v;
  }
  template <class W>
  W* widget(platform::qt::WindowView* v, const char* name) {
    for (auto* w : v->findChildren<W*>())
      if (auto* e = v->elementOf(w); e != nullptr && e->name == name) return w;
    return nullptr;
  }
  // The element whose widget has the keyboard focus, "" for none.
  std::string focusedElement(platform::qt::WindowView* v) {
    const ui::Element* e = v->elementOf(QApplication::focusWidget());
    return e != nullptr ? e->id() : std::string();
  }
  void pressKey(Qt::Key key) {
    QWidget* to = QApplication::focusWidget();
    ASSERT_NE(to, nullptr);
    QTest::keyClick(to, key);
  }
  // Asks `w` for its menu, as a right click or the menu key would; true if
  // one opened (it is closed again at once).
  bool menuOpensOn(QWidget* w, QContextMenuEvent::Reason reason) {
    bool opened = false;
    QTimer::singleShot(0, [&opened] {
      if (QWidget* popup = QApplication::activePopupWidget()) {
        opened = true;
        popup->close();
      }
    });
    QContextMenuEvent ev(reason, w->rect().center(), w->mapToGlobal(w->rect().center()));
    QApplication::sendEvent(w, &ev);
    QTest::qWait(10);
    return opened;
  }

  media::SilentMedia media;
  NoShell shell;
  platform::qt::QtDriver driver;
  ui::Program program;
};

TEST_F(RaceWindow, ThePasswordBoxCanBeSelectedButTheRoadKeepsTheKeys) {
  platform::qt::WindowView* v = show("frm1");
  auto& stage = static_cast<stage::StageScreen&>(program.window("frm1"));
  ASSERT_EQ(focusedElement(v), "Picture1");
  auto* password = widget<QLineEdit>(v, "Text1");
  ASSERT_NE(password, nullptr);

  QTest::mouseClick(password, Qt::LeftButton);
  QTest::mouseDClick(password, Qt::LeftButton, {}, QPoint(password->width() / 4, 4));
  EXPECT_TRUE(password->hasSelectedText()) << "a double click selects, to copy";
  EXPECT_EQ(focusedElement(v), "Picture1");
  pressKey(Qt::Key_Tab);
  pressKey(Qt::Key_Backtab);
  EXPECT_EQ(focusedElement(v), "Picture1") << "Tab stays on the road";
  EXPECT_FALSE(menuOpensOn(password, QContextMenuEvent::Mouse)) << "right click on the box";
  EXPECT_FALSE(menuOpensOn(QApplication::focusWidget(), QContextMenuEvent::Keyboard))
      << "the menu key";
  EXPECT_EQ(focusedElement(v), "Picture1");

  pressKey(Qt::Key_Up);
  EXPECT_EQ(stage.playerSpeed, 50) << "Up still speeds the car up";
}

TEST_F(RaceWindow, TheBattleClockNeverTakesTheKeysFromTheViews) {
  platform::qt::WindowView* v = show("Form3");
  const QRect clock = v->rectOf(program.window("Form3").el("Picture3"));
  ASSERT_TRUE(clock.isValid());
  QTest::mouseClick(v->canvas(), Qt::LeftButton, {}, clock.center() - v->canvas()->pos());
  EXPECT_EQ(focusedElement(v), "Picture1");
  pressKey(Qt::Key_Tab);
  EXPECT_EQ(focusedElement(v), "Picture2") << "Tab goes from view to view";
  pressKey(Qt::Key_Tab);
  EXPECT_EQ(focusedElement(v), "Picture1") << "and never to the clock";
}

TEST_F(RaceWindow, ClosingAStageWindowAbandonsTheRace) {
  settings().storyStep = 15;
  platform::qt::WindowView* title = show("Form1");
  program.window("Form1").vars().set("titleClicks", 4);
  auto* story = widget<QPushButton>(title, "Command1");
  ASSERT_NE(story, nullptr);
  QTest::mouseClick(story, Qt::LeftButton);  // the heading line
  QTest::mouseClick(story, Qt::LeftButton);  // the race
  ui::Window& stage = program.window("frm2");
  platform::qt::WindowView* race = driver.viewOf(stage);
  ASSERT_NE(race, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(race));
  pressKey(Qt::Key_Space);
  race->close();  // the title bar's close button
  EXPECT_FALSE(stage.loaded());
  EXPECT_EQ(program.front(), &program.window("Form1"));
  EXPECT_EQ(settings().storyStep, 16) << "the story waits on the race";
  EXPECT_TRUE(program.window("Form1").el("Text1").Visible);
  EXPECT_FALSE(program.ended());

  QTest::mouseClick(story, Qt::LeftButton);
  ASSERT_TRUE(stage.loaded()) << "the next click shows the race again";
  EXPECT_EQ(stage.el("Label6").Caption, "  Press Space       to Start");
}

}  // namespace
