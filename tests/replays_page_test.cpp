// The settings window's page of recordings on the offscreen platform, with a
// shelf in a folder of the test's own.
#include "platform/qt/replays_page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTreeWidget>

#include "platform/qt/language.h"
#include "platform/qt/settings_window.h"

namespace {

using platform::qt::Preferences;
using platform::qt::ReplayShelf;
using platform::qt::SettingsWindow;

// A recording started `minutes` after 15:00 UTC, its about line `about`.
void shelve(const QString& folder, const QString& name, int minutes, const std::string& about) {
  const QString date = QDateTime(QDate(2026, 12, 6), QTime(15, 0), QTimeZone::utc())
                           .addSecs(60 * minutes)
                           .toString(Qt::ISODate);
  QFile f(folder + "/" + name);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("#! --screen frm1 --until 1000 --events 1 --game-version 0.1.0\n");
  f.write(("# Driftwing recording: " + about + " date=" + date.toStdString() + "\n").c_str());
  f.write("0 keydown 32\n");
}

QString playedAt(int minutes) {
  return QDateTime(QDate(2026, 12, 6), QTime(15, 0), QTimeZone::utc())
      .addSecs(60 * minutes)
      .toLocalTime()
      .toString("yyyy-MM-dd HH:mm");
}

// The settings window in English on the shelf of `folder`, its watching
// heard in `asked` and answered with `answer`.
struct Open {
  explicit Open(const QString& folder, int scale = 1)
      : window(scale, {1, 2}, {}, {}, ReplayShelf(folder.toStdString()),
               [this](const std::string& path) {
                 asked.push_back(path);
                 return answer;
               }) {
    platform::qt::setLanguage("en");
    window.showPreferences(Preferences());
    window.showPage(SettingsWindow::kReplaysPage);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  ~Open() { platform::qt::setLanguage("zh"); }
  platform::qt::ReplaysPage& page() { return *window.replaysPage(); }
  QTreeWidget& list() { return *page().list(); }
  QString cell(int row, int column) { return list().topLevelItem(row)->text(column); }

  std::vector<std::string> asked;
  std::string answer;
  SettingsWindow window;
};

TEST(ReplaysPage, TheRacesKeptAreListedNewestFirstInWords) {
  QTemporaryDir tmp;
  shelve(tmp.path(), "a.replay", 1, "mode=stage3 result=passed time=83400 difficulty=20 rank=1");
  shelve(tmp.path(), "b.replay", 2, "mode=battle result=blue time=61250");
  shelve(tmp.path(), "c.replay", 3, "mode=shooter result=over time=125000 score=1200 level=3");
  QFile damaged(tmp.path() + "/d.replay");
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write("not a recording\n");
  damaged.close();

  Open open(tmp.path());
  QTreeWidget& list = open.list();
  ASSERT_EQ(list.topLevelItemCount(), 4);
  const QStringList header{list.headerItem()->text(0), list.headerItem()->text(1),
                           list.headerItem()->text(2), list.headerItem()->text(3)};
  EXPECT_EQ(header, QStringList({"Race", "Played", "Result", "Time"}));
  EXPECT_EQ(open.cell(0, 0), "Shooter");
  EXPECT_EQ(open.cell(0, 1), playedAt(3));
  EXPECT_EQ(open.cell(0, 2), "Game over, 1200 points");
  EXPECT_EQ(open.cell(0, 3), "2:05.00");
  EXPECT_EQ(open.cell(1, 0), "Battle");
  EXPECT_EQ(open.cell(1, 2), "Blue won");
  EXPECT_EQ(open.cell(1, 3), "1:01.25");
  EXPECT_EQ(open.cell(2, 0), "Stage 3 (Easy)");
  EXPECT_EQ(open.cell(2, 2), "Passed, rank 1");
  EXPECT_EQ(open.cell(2, 3), "1:23.40");
  // The damaged file is there to be seen and removed, by its name.
  EXPECT_EQ(open.cell(3, 0), "d.replay");
  EXPECT_EQ(open.cell(3, 2), "Damaged");

  // A race played while the window is open shows when the page is shown again.
  shelve(tmp.path(), "e.replay", 4, "mode=stage1 result=quit time=1000");
  open.window.showPage(0);
  open.window.showPage(SettingsWindow::kReplaysPage);
  ASSERT_EQ(list.topLevelItemCount(), 5);
  EXPECT_EQ(open.cell(0, 0), "Stage 1");
  EXPECT_EQ(open.cell(0, 2), "Quit");
}

TEST(ReplaysPage, TheRecordingChosenIsWatchedAndATroubleIsSaidInOneLine) {
  QTemporaryDir tmp;
  shelve(tmp.path(), "old.replay", 1, "mode=stage1 result=failed time=5000");
  shelve(tmp.path(), "new.replay", 2, "mode=stage2 result=passed time=6000");
  QFile damaged(tmp.path() + "/bad.replay");
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.close();
  Open open(tmp.path());
  QTreeWidget& list = open.list();
  EXPECT_TRUE(list.hasFocus()) << "the keys go to the list at once";
  EXPECT_EQ(open.page().chosen(), (tmp.path() + "/new.replay").toStdString()) << "the newest";

  // Down and Enter, from the keyboard alone.
  QTest::keyClick(&list, Qt::Key_Down);
  QTest::keyClick(&list, Qt::Key_Return);
  ASSERT_EQ(open.asked.size(), 1u);
  EXPECT_EQ(open.asked[0], (tmp.path() + "/old.replay").toStdString());
  EXPECT_TRUE(open.page().problemLine()->text().isEmpty());

  // The game could not watch it: the page says why, in one line.
  open.answer = "this recording was made by a newer Driftwing\nsecond line";
  QTest::mouseClick(open.page().watchButton(), Qt::LeftButton);
  ASSERT_EQ(open.asked.size(), 2u);
  QLabel* problem = open.page().problemLine();
  EXPECT_TRUE(problem->text().startsWith("Cannot watch it: this recording"))
      << qPrintable(problem->text());
  EXPECT_FALSE(problem->text().contains('\n'));

  // A double click on the newest watches it; choosing a row forgets the trouble.
  open.answer.clear();
  QTreeWidgetItem* newest = list.topLevelItem(0);
  list.setCurrentItem(newest);
  EXPECT_TRUE(problem->text().isEmpty());
  const QPoint at = list.visualItemRect(newest).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
  ASSERT_EQ(open.asked.size(), 3u);
  EXPECT_EQ(open.asked[2], (tmp.path() + "/new.replay").toStdString());

  // A damaged file is never handed to the game.
  list.setCurrentItem(list.topLevelItem(2));
  EXPECT_FALSE(open.page().watchButton()->isEnabled());
  QTest::keyClick(&list, Qt::Key_Return);
  EXPECT_EQ(open.asked.size(), 3u);
  EXPECT_FALSE(problem->text().isEmpty());
}

TEST(ReplaysPage, AnEmptyShelfSaysWhatWillBeThere) {
  QTemporaryDir tmp;
  Open open(tmp.path() + "/not-made-yet");
  EXPECT_FALSE(open.list().isVisible());
  EXPECT_TRUE(open.page().emptyLine()->isVisible());
  EXPECT_TRUE(open.page().emptyLine()->text().startsWith("No recordings yet"));
  EXPECT_FALSE(open.page().watchButton()->isVisible());
  EXPECT_FALSE(QFileInfo::exists(tmp.path() + "/not-made-yet")) << "looking makes no folder";
}

TEST(ReplaysPage, F12ShowsTheRecordingsAndClosesTheWindowFromThere) {
  QTemporaryDir tmp;
  shelve(tmp.path(), "a.replay", 1, "mode=battle result=red time=5000");
  Open open(tmp.path());
  open.window.showPage(0);
  QTest::keyClick(&open.window, Qt::Key_F12);
  EXPECT_EQ(open.window.shownPage(), SettingsWindow::kReplaysPage);
  EXPECT_TRUE(open.window.isVisible());
  // Pressed again where the keys are, on the list.
  ASSERT_EQ(QApplication::focusWidget(), &open.list());
  QTest::keyClick(&open.list(), Qt::Key_F12);
  EXPECT_FALSE(open.window.isVisible());
}

}  // namespace
