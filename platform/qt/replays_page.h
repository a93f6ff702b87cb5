// The settings window's page of recordings: every race, battle and shooter
// game kept on the shelf, newest first, each to watch again. Enter or a
// double click on a row watches it, as its button does.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "platform/qt/replay_shelf.h"

class QLabel;
class QPushButton;
class QStackedWidget;
class QTreeWidget;

namespace platform::qt {

// Starts watching the recording at `path`: "" once it has started, else
// what is wrong, in one line.
using Watch = std::function<std::string(const std::string& path)>;

class ReplaysPage : public QWidget {
 public:
  ReplaysPage(QWidget* parent, int scale, ReplayShelf shelf, Watch watch);

  // Reads the shelf again; the row chosen stays chosen.
  void refresh();
  // Every word in the player's language, after it changes.
  void retranslate();
  // The recording of the chosen row, "" for none.
  std::string chosen() const;

  // The controls a player (or a test) reaches.
  QTreeWidget* list() const { return list_; }
  QPushButton* watchButton() const { return watch_; }
  // The line said instead of the list when the shelf is empty.
  QLabel* emptyLine() const { return empty_; }
  // The line that says why a recording could not be watched.
  QLabel* problemLine() const { return problem_; }

 protected:
  void showEvent(QShowEvent* ev) override;
  void resizeEvent(QResizeEvent* ev) override;

 private:
  void fillRows();
  // Every column wide enough for its words, the list for its columns.
  void fitColumns();
  // The recording shown at `path`, if any.
  const ShelvedRecording* shownAt(const std::string& path) const;
  void watchChosen();
  void showProblem(const QString& text);

  int scale_;
  ReplayShelf shelf_;
  Watch watchWith_;
  QString problemText_;
  std::vector<ShelvedRecording> shown_;
  QStackedWidget* views_ = nullptr;
  QTreeWidget* list_ = nullptr;
  QLabel* empty_ = nullptr;
  QLabel* problem_ = nullptr;
  QPushButton* watch_ = nullptr;
  QPushButton* folder_ = nullptr;
};

}  // namespace platform::qt
