#include "platform/qt/replays_page.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTreeWidget>
#include <QUrl>
#include <algorithm>
#include <utility>

#include "platform/qt/language.h"
#include "ui/words.h"

namespace platform::qt {

namespace {

using ui::Words;

const QColor kFlag(0xff, 0x5a, 0x4a);
const QColor kQuietText(0xb8, 0xa8, 0x88);

enum Column { kRace, kPlayed, kResult, kTime, kColumns };

QString said(const char* words) { return shown(words); }

std::string field(const ShelvedRecording& r, const char* name) {
  const auto it = r.about.find(name);
  return it != r.about.end() ? it->second : std::string();
}

QString difficultyWords(const std::string& bonus) {
  if (bonus == "20") return said(Words::tr("簡單"));
  if (bonus == "10") return said(Words::tr("普通"));
  if (bonus == "0") return said(Words::tr("困難"));
  return {};
}

// "Stage 3 (Easy)", "Battle", "Shooter".
QString raceWords(const ShelvedRecording& r) {
  if (r.damaged) return QFileInfo(QString::fromStdString(r.path)).fileName();
  QString race = QString::fromStdString(r.mode);
  if (r.mode.size() == 6 && r.mode.starts_with("stage"))
    race = said(Words::tr("第%1關")).arg(QChar::fromLatin1(r.mode[5]));
  else if (r.mode == "battle")
    race = said(Words::tr("對戰"));
  else if (r.mode == "shooter")
    race = said(Words::tr("射擊遊戲"));
  const QString difficulty = difficultyWords(field(r, "difficulty"));
  return difficulty.isEmpty() ? race : said(Words::tr("%1（%2）")).arg(race, difficulty);
}

// "Passed, rank 1", "Blue won", "Game over, 1200 points".
QString resultWords(const ShelvedRecording& r) {
  if (r.damaged) return said(Words::tr("已損壞"));
  static const std::pair<const char*, const char*> words[] = {
      {"passed", Words::tr("過關")},   {"failed", Words::tr("失敗")},
      {"quit", Words::tr("中途離開")}, {"blue", Words::tr("藍方勝")},
      {"red", Words::tr("紅方勝")},    {"none", Words::tr("不分勝負")},
      {"over", Words::tr("遊戲結束")}};
  QString result = QString::fromStdString(r.result);
  for (const auto& [name, text] : words)
    if (r.result == name) result = said(text);
  if (const std::string rank = field(r, "rank"); !rank.empty() && r.result == "passed")
    return said(Words::tr("%1，第%2名")).arg(result, QString::fromStdString(rank));
  if (const std::string score = field(r, "score"); !score.empty())
    return said(Words::tr("%1，%2分")).arg(result, QString::fromStdString(score));
  return result;
}

// A race time as m:ss.cc.
QString timeWords(std::int64_t ms) {
  if (ms < 0) return {};
  return QStringLiteral("%1:%2.%3")
      .arg(ms / 60000)
      .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
      .arg(ms % 1000 / 10, 2, 10, QLatin1Char('0'));
}

QString playedWords(const ShelvedRecording& r) {
  return QDateTime::fromSecsSinceEpoch(r.started).toLocalTime().toString(
      QStringLiteral("yyyy-MM-dd HH:mm"));
}

}  // namespace

ReplaysPage::ReplaysPage(QWidget* parent, int scale, ReplayShelf shelf, Watch watch)
    : QWidget(parent), scale_(scale), shelf_(std::move(shelf)), watchWith_(std::move(watch)) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(8 * scale_, 8 * scale_, 8 * scale_, 8 * scale_);
  grid->setSpacing(6 * scale_);
  views_ = new QStackedWidget(this);
  list_ = new QTreeWidget(views_);
  list_->setColumnCount(kColumns);
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setAlternatingRowColors(true);
  list_->setAllColumnsShowFocus(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setTextElideMode(Qt::ElideMiddle);  // a damaged file's long name keeps both ends
  list_->header()->setSectionsMovable(false);
  list_->header()->setStretchLastSection(true);
  list_->headerItem()->setTextAlignment(kTime, Qt::AlignRight | Qt::AlignVCenter);
  // Enter or a double click on a row.
  connect(list_, &QTreeWidget::itemActivated, this, [this] { watchChosen(); });
  connect(list_, &QTreeWidget::currentItemChanged, this, [this] {
    const ShelvedRecording* r = shownAt(chosen());
    watch_->setEnabled(r != nullptr && !r->damaged);
    showProblem({});
  });
  empty_ = new QLabel(views_);
  empty_->setWordWrap(true);
  empty_->setAlignment(Qt::AlignCenter);
  QPalette quiet = empty_->palette();
  quiet.setColor(QPalette::WindowText, kQuietText);
  empty_->setPalette(quiet);
  views_->addWidget(list_);
  views_->addWidget(empty_);
  grid->addWidget(views_, 0, 0, 1, 3);

  problem_ = new QLabel(this);
  problem_->setTextFormat(Qt::PlainText);
  // One line whatever it says: the window keeps its width.
  problem_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  QPalette flag = problem_->palette();
  flag.setColor(QPalette::WindowText, kFlag);
  problem_->setPalette(flag);
  grid->addWidget(problem_, 1, 0, 1, 3);

  watch_ = new QPushButton(this);
  watch_->setAutoDefault(true);
  connect(watch_, &QPushButton::clicked, this, [this] { watchChosen(); });
  folder_ = new QPushButton(this);
  folder_->setAutoDefault(true);
  connect(folder_, &QPushButton::clicked, this, [this] {
    QDir().mkpath(QString::fromStdString(shelf_.folder()));
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(shelf_.folder())));
  });
  grid->addWidget(watch_, 2, 0);
  grid->addWidget(folder_, 2, 1);
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(0, 1);
  setTabOrder(list_, watch_);
  setTabOrder(watch_, folder_);
  retranslate();
}

void ReplaysPage::refresh() {
  shown_ = shelf_.list();
  fillRows();
  if (list_->currentItem() == nullptr && !shown_.empty())
    list_->setCurrentItem(list_->topLevelItem(0));
  views_->setCurrentWidget(shown_.empty() ? static_cast<QWidget*>(empty_) : list_);
  watch_->setVisible(!shown_.empty());
  showProblem({});
}

void ReplaysPage::fillRows() {
  const std::string was = chosen();
  list_->clear();
  QTreeWidgetItem* current = nullptr;
  for (const ShelvedRecording& r : shown_) {
    auto* row = new QTreeWidgetItem(list_);
    row->setText(kRace, raceWords(r));
    row->setText(kPlayed, playedWords(r));
    row->setText(kResult, resultWords(r));
    row->setText(kTime, timeWords(r.time));
    row->setTextAlignment(kTime, Qt::AlignRight | Qt::AlignVCenter);
    row->setData(kRace, Qt::UserRole, QString::fromStdString(r.path));
    row->setToolTip(kRace, QString::fromStdString(r.path));
    if (r.damaged)
      for (int c = 0; c < kColumns; ++c) row->setForeground(c, kQuietText);
    if (r.path == was) current = row;
  }
  if (current != nullptr) list_->setCurrentItem(current);
  fitColumns();
}

void ReplaysPage::fitColumns() {
  const QFontMetrics metrics(list_->font());
  // Qt's margins around an item's text, and a gap between the columns.
  const int margin =
      2 * (list_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list_) + 1);
  const int gap = 8 * scale_;
  int whole = 0;
  for (int c = 0; c < kColumns; ++c) {
    int width = list_->header()->sectionSizeHint(c);
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
      // A damaged file's name may be long: it gives way in the middle.
      if (c == kRace && shown_[static_cast<std::size_t>(i)].damaged) continue;
      width = std::max(width, metrics.horizontalAdvance(list_->topLevelItem(i)->text(c)) + margin);
    }
    width += gap;
    list_->header()->resizeSection(c, width);
    whole += width;
  }
  list_->setMinimumWidth(whole + 2 * list_->frameWidth() +
                         list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list_));
}

void ReplaysPage::retranslate() {
  list_->setHeaderLabels({said(Words::tr("比賽")), said(Words::tr("日期")), said(Words::tr("結果")),
                          said(Words::tr("時間"))});
  empty_->setText(said(
      Words::tr("還沒有錄影。你玩的每一場比賽、對戰和射擊遊戲都會留在這裡，隨時可以再看一次。")));
  watch_->setText(said(Words::tr("觀看")));
  folder_->setText(said(Words::tr("開啟資料夾")));
  fillRows();
}

std::string ReplaysPage::chosen() const {
  const QTreeWidgetItem* row = list_->currentItem();
  return row != nullptr ? row->data(kRace, Qt::UserRole).toString().toStdString() : std::string();
}

void ReplaysPage::watchChosen() {
  const std::string path = chosen();
  if (path.empty()) return;
  if (const ShelvedRecording* r = shownAt(path); r != nullptr && r->damaged) {
    showProblem(said(Words::tr("這個檔案不是完整的錄影，無法觀看。")));
    return;
  }
  const std::string problem =
      watchWith_ ? watchWith_(path) : std::string("nothing watches it here");
  showProblem(
      problem.empty()
          ? QString()
          : said(Words::tr("無法觀看：%1")).arg(QString::fromStdString(problem).simplified()));
}

const ShelvedRecording* ReplaysPage::shownAt(const std::string& path) const {
  const auto it = std::find_if(shown_.begin(), shown_.end(),
                               [&](const ShelvedRecording& r) { return r.path == path; });
  return it != shown_.end() ? &*it : nullptr;
}

void ReplaysPage::showProblem(const QString& text) {
  problemText_ = text;
  problem_->setToolTip(text);
  problem_->setText(problem_->fontMetrics().elidedText(text, Qt::ElideRight, problem_->width()));
}

void ReplaysPage::resizeEvent(QResizeEvent* ev) {
  QWidget::resizeEvent(ev);
  showProblem(problemText_);  // cut to the new width
}

void ReplaysPage::showEvent(QShowEvent* ev) {
  QWidget::showEvent(ev);
  refresh();
  if (!shown_.empty()) list_->setFocus(Qt::OtherFocusReason);
}

}  // namespace platform::qt
