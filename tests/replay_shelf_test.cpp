// The shelf of recordings in a folder of its own: names, whole files, and
// the room made after each race.
#include "platform/qt/replay_shelf.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <algorithm>
#include <csignal>
#include <iterator>
#include <set>

namespace {

using platform::qt::ReplayShelf;
using About = std::map<std::string, std::string>;

// The about line's date for minute `m` after 15:00 UTC on a December day.
std::string dateAt(int m) {
  return QDateTime(QDate(2026, 12, 6), QTime(15, 0), QTimeZone::utc())
      .addSecs(60 * m)
      .toString(Qt::ISODate)
      .toStdString();
}

// The text of a recording as the game writes it.
std::string recordingText(const About& about) {
  std::string line = "# Driftwing recording:";
  for (const auto& [k, v] : about) line += " " + k + "=" + v;
  return "#! --screen frm1 --until 1000 --events 1 --game-version 0.1.0\n" + line +
         "\n0 keydown 32\n";
}

std::string localName(const std::string& date) {
  return QDateTime::fromString(QString::fromStdString(date), Qt::ISODate)
      .toLocalTime()
      .toString("yyyy-MM-dd_HH-mm-ss")
      .toStdString();
}

std::string contents(const std::string& path) {
  QFile f(QString::fromStdString(path));
  return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("(missing)");
}

std::set<std::string> filesIn(const QString& folder) {
  std::set<std::string> names;
  for (const QString& n : QDir(folder).entryList(QDir::Files | QDir::Hidden))
    names.insert(n.toStdString());
  return names;
}

void writeFile(const QString& path, const std::string& text) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text.data(), static_cast<qint64>(text.size()));
}

TEST(ReplayShelf, ARecordingIsNamedByWhenWhatAndHowItEnded) {
  QTemporaryDir tmp;
  ReplayShelf shelf((tmp.path() + "/replays").toStdString());
  const About race{{"mode", "stage1"},
                   {"result", "passed"},
                   {"time", "83400"},
                   {"difficulty", "20"},
                   {"date", "2026-12-06T17:04:39Z"}};
  std::string error;
  const auto first = shelf.save(recordingText(race), race, error);
  ASSERT_TRUE(first) << error;
  EXPECT_EQ(QFileInfo(QString::fromStdString(*first)).fileName().toStdString(),
            localName("2026-12-06T17:04:39Z") + "_stage1_passed.replay")
      << "the folder is made, the name in the player's own clock";
  EXPECT_EQ(contents(*first), recordingText(race));

  // Another race started in the same second: a name of its own, the first
  // left as it was.
  About again = race;
  again["time"] = "90000";
  const auto second = shelf.save(recordingText(again), again, error);
  ASSERT_TRUE(second) << error;
  EXPECT_EQ(QFileInfo(QString::fromStdString(*second)).fileName().toStdString(),
            localName("2026-12-06T17:04:39Z") + "_stage1_passed_2.replay");
  EXPECT_EQ(contents(*first), recordingText(race));

  // Whatever the about line holds, the file stays in the folder.
  const About odd{{"mode", "../../x y"}, {"result", "a/b"}, {"date", "not a date"}};
  const auto third = shelf.save(recordingText(odd), odd, error);
  ASSERT_TRUE(third) << error;
  EXPECT_EQ(QFileInfo(QString::fromStdString(*third)).absolutePath(), tmp.path() + "/replays");
  EXPECT_TRUE(QString::fromStdString(*third).endsWith("_------x-y_a-b.replay")) << *third;
}

TEST(ReplayShelf, ADiskThatTakesNoMoreKeepsEveryOlderRecordingWhole) {
  QTemporaryDir tmp;
  ReplayShelf shelf(tmp.path().toStdString());
  const About old{{"mode", "battle"}, {"result", "red"}, {"date", dateAt(0)}};
  std::string error;
  const auto kept = shelf.save(recordingText(old), old, error);
  ASSERT_TRUE(kept);

  // A disk that fills up halfway through the file.
  const About race{{"mode", "stage2"}, {"result", "passed"}, {"date", dateAt(1)}};
  const std::string big = recordingText(race) + std::string(64 * 1024, '#');
  rlimit was{};
  getrlimit(RLIMIT_FSIZE, &was);
  const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = was;
  small.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &small);
  const auto saved = shelf.save(big, race, error);
  setrlimit(RLIMIT_FSIZE, &was);
  std::signal(SIGXFSZ, oldSignal);
  EXPECT_FALSE(saved);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(error.find('\n'), std::string::npos) << "one line";
  EXPECT_EQ(
      filesIn(tmp.path()),
      std::set<std::string>{QFileInfo(QString::fromStdString(*kept)).fileName().toStdString()})
      << "no half file is left";
  EXPECT_EQ(contents(*kept), recordingText(old));

  // A folder that cannot be made.
  writeFile(tmp.path() + "/file", "x");
  ReplayShelf nowhere((tmp.path() + "/file/replays").toStdString());
  error.clear();
  EXPECT_FALSE(nowhere.save(recordingText(race), race, error));
  EXPECT_FALSE(error.empty());
}

TEST(ReplayShelf, SixtyRacesLeaveTheFiftyNewestAndTheFastestPasses) {
  QTemporaryDir tmp;
  const QString dir = tmp.path();
  ReplayShelf shelf(dir.toStdString());
  // Ten old races worth telling apart, then fifty battles.
  std::vector<About> races(60);
  races[0] = {{"mode", "stage1"}, {"result", "passed"}, {"time", "90000"}, {"difficulty", "20"}};
  races[1] = {{"mode", "stage1"}, {"result", "passed"}, {"time", "95000"}, {"difficulty", "20"}};
  races[2] = {{"mode", "stage1"}, {"result", "failed"}, {"time", "50000"}, {"difficulty", "20"}};
  races[3] = {{"mode", "stage1"}, {"result", "passed"}, {"time", "99000"}, {"difficulty", "0"}};
  races[4] = {{"mode", "stage2"}, {"result", "passed"}, {"time", "80000"}};
  races[5] = {{"mode", "stage2"}, {"result", "passed"}, {"time", "80000"}};  // equalled, not beaten
  races[6] = {{"mode", "shooter"}, {"result", "over"}, {"time", "10"}, {"score", "900"}};
  for (int i = 7; i < 60; ++i)
    races[i] = {{"mode", "battle"}, {"result", "blue"}, {"time", "1000"}};
  races[40] = {{"mode", "stage1"}, {"result", "passed"}, {"time", "91000"}, {"difficulty", "20"}};
  std::vector<std::string> names;
  for (int i = 0; i < 60; ++i) {
    races[i]["date"] = dateAt(i);
    names.push_back(ReplayShelf::fileName(races[i]));
    writeFile(dir + "/" + QString::fromStdString(names.back()), recordingText(races[i]));
  }
  // The player's own files, some with a recording inside but not its name, a
  // file that only looks like a recording by its name, and a recording that
  // no longer says what it was.
  writeFile(dir + "/notes.txt", "mine");
  writeFile(dir + "/SHOUTED.REPLAY", recordingText(races[1]));
  writeFile(dir + "/2026-12-06_09-00-00_stage1_passed.replay.bak", recordingText(races[0]));
  writeFile(dir + "/old.replay", "0 keydown 32\n");
  writeFile(dir + "/broken.replay", "#! --scre\x01\n# Driftwing recording: result=passed time=1\n");

  const About newest{{"mode", "battle"}, {"result", "none"}, {"date", dateAt(60)}};
  std::string error;
  const auto saved = shelf.save(recordingText(newest), newest, error);
  ASSERT_TRUE(saved) << error;

  std::set<std::string> expected{
      "notes.txt", "SHOUTED.REPLAY", "2026-12-06_09-00-00_stage1_passed.replay.bak", "old.replay",
      QFileInfo(QString::fromStdString(*saved)).fileName().toStdString()};
  for (int i : {0, 3, 4}) expected.insert(names[i]);  // the fastest at each stage and difficulty
  for (int i = 11; i < 60; ++i) expected.insert(names[i]);
  const std::set<std::string> left = filesIn(dir);
  std::vector<std::string> gone, stayed;
  std::set_difference(expected.begin(), expected.end(), left.begin(), left.end(),
                      std::back_inserter(gone));
  std::set_difference(left.begin(), left.end(), expected.begin(), expected.end(),
                      std::back_inserter(stayed));
  EXPECT_TRUE(gone.empty() && stayed.empty())
      << "removed, but kept: " << ::testing::PrintToString(gone)
      << "; left, but not kept: " << ::testing::PrintToString(stayed);
  EXPECT_EQ(shelf.list().size(), 54u) << "the 50 newest, three fastest passes and the damaged one";
}

TEST(ReplayShelf, TheListReadsTheFirstLinesNewestFirstWithDamagedOnesLast) {
  QTemporaryDir tmp;
  const QString dir = tmp.path();
  ReplayShelf shelf(dir.toStdString());
  EXPECT_TRUE(ReplayShelf((dir + "/none").toStdString()).list().empty()) << "no folder yet";

  const About stage{{"mode", "stage3"},   {"result", "passed"}, {"time", "83400"},
                    {"difficulty", "10"}, {"rank", "1"},        {"date", dateAt(5)}};
  const About shooter{{"mode", "shooter"}, {"result", "quit"}, {"time", "61000"},
                      {"score", "1200"},   {"level", "3"},     {"date", dateAt(9)}};
  writeFile(dir + "/a.replay", recordingText(stage));
  writeFile(dir + "/b.replay", recordingText(shooter));
  writeFile(dir + "/c.replay", std::string(100000, 'x'));  // one endless line
  writeFile(dir + "/d.replay", "");
  writeFile(dir + "/e.txt", recordingText(stage));

  const auto list = shelf.list();
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[0].path, (dir + "/b.replay").toStdString());
  EXPECT_EQ(list[0].mode, "shooter");
  EXPECT_EQ(list[0].result, "quit");
  EXPECT_EQ(list[0].time, 61000);
  EXPECT_EQ(list[0].about.at("score"), "1200");
  EXPECT_EQ(list[0].about.at("level"), "3");
  EXPECT_FALSE(list[0].damaged);
  EXPECT_EQ(list[1].path, (dir + "/a.replay").toStdString());
  EXPECT_EQ(list[1].date, dateAt(5));
  EXPECT_EQ(
      list[1].started,
      QDateTime::fromString(QString::fromStdString(dateAt(5)), Qt::ISODate).toSecsSinceEpoch());
  EXPECT_EQ(list[1].about.at("rank"), "1");
  EXPECT_TRUE(list[2].damaged);
  EXPECT_TRUE(list[3].damaged);
  EXPECT_EQ(list[2].time, -1);
}

}  // namespace
