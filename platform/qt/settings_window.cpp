#include "platform/qt/settings_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/qt/game_skin.h"
#include "platform/qt/key_map.h"
#include "platform/qt/language.h"
#include "platform/qt/widgets.h"
#include "ui/words.h"

namespace platform::qt {

namespace {

using ui::Words;

// The game's instrument colours (see game_skin.h), and the window's own.
using skin::kGlassFoot;
using skin::kGlassTop;
using skin::kRim;
using skin::kText;
const QColor kPlate(0x2a, 0x23, 0x50);
const QColor kFlag(0xff, 0x5a, 0x4a);
const QColor kQuietText(0xb8, 0xa8, 0x88);  // what the pads press, beside the keys

QString said(const char* words) { return shown(words); }

// "「G」" in Chinese, "G" in English: a name quoted as the language quotes.
QString quoted(const QString& name) {
  return language() == QLatin1String("zh") ? QStringLiteral("「%1」").arg(name) : name;
}

QString keyText(int key) { return key >= 0 ? keyName(key) : said(Words::tr("（無）")); }

// What a pad's controls are called, the face buttons by the buttons that
// play their parts in this mode.
QStringList controlNames(unsigned controls, Mode mode, const KeyBindings& keys) {
  using ui::PadButton;
  QStringList names;
  const std::array<std::pair<PadButton, const char*>, 4> dpad{
      {{PadButton::Up, Words::tr("十字鍵上")},
       {PadButton::Down, Words::tr("十字鍵下")},
       {PadButton::Left, Words::tr("十字鍵左")},
       {PadButton::Right, Words::tr("十字鍵右")}}};
  for (const auto& [button, words] : dpad)
    if ((controls & ui::pad::bit(button)) != 0) names << said(words);
  for (PadButton face : kFaceButtons)
    if ((controls & ui::pad::bit(face)) != 0) names << buttonName(keys.button(mode, face));
  if ((controls & ui::pad::kStart) != 0) names << QStringLiteral("Start");
  if ((controls & ui::pad::kBack) != 0) names << QStringLiteral("Back");
  if ((controls & ui::pad::kLeftTrigger) != 0) names << said(Words::tr("左扳機"));
  if ((controls & ui::pad::kRightTrigger) != 0) names << said(Words::tr("右扳機"));
  return names;
}

}  // namespace

// A button that shows an action's key and, pressed, takes the next key
// pressed as its new one. Esc, or leaving it, lets it be.
class KeyButton : public QPushButton {
 public:
  KeyButton(QWidget* parent, std::function<void(int)> chosen)
      : QPushButton(parent), chosen_(std::move(chosen)) {
    setAutoDefault(true);
    connect(this, &QPushButton::clicked, this, [this] { capture(); });
  }
  void showKey(int key) {
    key_ = key;
    if (!capturing_) setText(keyText(key));
  }
  void capture() {
    capturing_ = true;
    setText(said(Words::tr("請按一個鍵…")));
  }

 protected:
  bool event(QEvent* ev) override {
    if (capturing_ && ev->type() == QEvent::ShortcutOverride) {
      ev->accept();  // every key is the player's answer, Tab too
      return true;
    }
    if (capturing_ && ev->type() == QEvent::KeyPress) {
      auto* ke = static_cast<QKeyEvent*>(ev);
      if (ke->isAutoRepeat()) return true;
      if (ke->key() == Qt::Key_Escape) {
        stop();
        return true;
      }
      const int code = virtualKey(ke->key(), ke->modifiers());
      if (bindable(code)) {
        stop();
        chosen_(code);
      }
      return true;
    }
    if (capturing_ && ev->type() == QEvent::KeyRelease) return true;
    return QPushButton::event(ev);
  }
  void focusOutEvent(QFocusEvent* ev) override {
    if (capturing_) stop();
    QPushButton::focusOutEvent(ev);
  }

 private:
  void stop() {
    capturing_ = false;
    setText(keyText(key_));
  }
  std::function<void(int)> chosen_;
  int key_ = -1;
  bool capturing_ = false;
};

SettingsWindow::SettingsWindow(int scale, std::vector<int> scales,
                               std::array<const ui::PadBindings*, 4> pads, Change change,
                               ReplayShelf shelf, Watch watch)
    : scale_(std::max(1, scale)),
      scales_(std::move(scales)),
      pads_(pads),
      change_(std::move(change)) {
  setWindowFlag(Qt::Dialog);
  setObjectName(QStringLiteral("settings"));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kGlassFoot);
  palette.setColor(QPalette::WindowText, kText);
  palette.setColor(QPalette::Base, kGlassFoot);
  palette.setColor(QPalette::AlternateBase, kPlate);
  palette.setColor(QPalette::Text, kText);
  palette.setColor(QPalette::Button, kPlate);
  palette.setColor(QPalette::ButtonText, kText);
  palette.setColor(QPalette::Highlight, kRim);
  palette.setColor(QPalette::HighlightedText, kGlassFoot);
  palette.setColor(QPalette::ToolTipBase, kGlassFoot);
  palette.setColor(QPalette::ToolTipText, kText);
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x90, 0x88, 0x70));
  setPalette(palette);
  setFont(gameFont(10, false, scale_));

  auto* layout = new QVBoxLayout(this);
  const int m = 10 * scale_;
  layout->setContentsMargins(m, m, m, m);
  layout->setSpacing(6 * scale_);
  title_ = new QLabel(this);
  title_->setFont(gameFont(16, true, scale_));
  layout->addWidget(title_);
  tabs_ = new QTabWidget(this);
  tabs_->setDocumentMode(true);
  tabs_->addTab(soundPage(), QString());
  tabs_->addTab(keysPage(), QString());
  tabs_->addTab(displayPage(), QString());
  replays_ = new ReplaysPage(this, scale_, std::move(shelf), std::move(watch));
  tabs_->addTab(replays_, QString());
  layout->addWidget(tabs_, 1);
  close_ = new QPushButton(this);
  close_->setAutoDefault(true);
  connect(close_, &QPushButton::clicked, this, &QWidget::close);
  layout->addWidget(close_, 0, Qt::AlignRight);
  retranslate();
}

QWidget* SettingsWindow::soundPage() {
  auto* page = new QWidget(this);
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(8 * scale_, 8 * scale_, 8 * scale_, 8 * scale_);
  grid->setSpacing(6 * scale_);
  auto level = [&](int row, QLabel*& label, QSlider*& slider, QLabel*& value,
                   int Preferences::*field) {
    label = new QLabel(page);
    slider = new QSlider(Qt::Horizontal, page);
    slider->setRange(0, 100);
    slider->setSingleStep(5);
    slider->setPageStep(10);
    slider->setMinimumWidth(160 * scale_);
    value = new QLabel(page);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("100")));
    label->setBuddy(slider);
    grid->addWidget(label, row, 0);
    grid->addWidget(slider, row, 1);
    grid->addWidget(value, row, 2);
    connect(slider, &QSlider::valueChanged, this, [this, value, field](int v) {
      value->setNum(v);
      if (!showing_) edit([field, v](Preferences& p) { p.*field = v; });
    });
  };
  level(0, musicLabel_, music_, musicValue_, &Preferences::music);
  level(1, effectsLabel_, effects_, effectsValue_, &Preferences::effects);
  mute_ = new QCheckBox(page);
  connect(mute_, &QCheckBox::toggled, this, [this](bool on) {
    if (!showing_) edit([on](Preferences& p) { p.muted = on; });
  });
  grid->addWidget(mute_, 2, 0, 1, 3);
  grid->setRowStretch(3, 1);
  return page;
}

QWidget* SettingsWindow::keysPage() {
  auto* page = new QWidget(this);
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(8 * scale_, 8 * scale_, 8 * scale_, 8 * scale_);
  grid->setSpacing(6 * scale_);
  modeLabel_ = new QLabel(page);
  mode_ = new QComboBox(page);
  modeLabel_->setBuddy(mode_);
  for (Mode mode : kModes) mode_->addItem(QString(), static_cast<int>(mode));
  grid->addWidget(modeLabel_, 0, 0);
  grid->addWidget(mode_, 0, 1);
  modes_ = new QStackedWidget(page);
  for (Mode mode : kModes) modes_->addWidget(modePage(mode));
  connect(mode_, &QComboBox::currentIndexChanged, this, [this](int i) {
    modes_->setCurrentIndex(i);
    clearOffer();
    offerFirstConflict();
  });
  grid->addWidget(modes_, 1, 0, 1, 3);
  offer_ = new QLabel(page);
  offer_->setWordWrap(true);
  give_ = new QPushButton(page);
  keep_ = new QPushButton(page);
  for (QPushButton* b : {give_, keep_}) b->setAutoDefault(true);
  connect(give_, &QPushButton::clicked, this, [this] { settle(true); });
  connect(keep_, &QPushButton::clicked, this, [this] { settle(false); });
  grid->addWidget(offer_, 2, 0, 1, 3);
  auto* choices = new QHBoxLayout();
  choices->addWidget(give_);
  choices->addWidget(keep_);
  choices->addStretch(1);
  grid->addLayout(choices, 3, 0, 1, 3);
  grid->setColumnStretch(2, 1);
  clearOffer();
  return page;
}

QWidget* SettingsWindow::modePage(Mode mode) {
  ModePage& mp = pages_[static_cast<std::size_t>(mode)];
  mp.page = new QWidget(this);
  auto* grid = new QGridLayout(mp.page);
  grid->setContentsMargins(0, 4 * scale_, 0, 0);
  grid->setHorizontalSpacing(8 * scale_);
  grid->setVerticalSpacing(3 * scale_);
  const auto& actions = actionsOf(mode);
  for (std::size_t i = 0; i < actions.size(); ++i) {
    auto* label = new QLabel(mp.page);
    auto* key = new KeyButton(mp.page, [this, i](int k) { keyChosen(i, k); });
    key->setMinimumWidth(70 * scale_);
    auto* pad = new QLabel(mp.page);
    QPalette quiet = pad->palette();
    quiet.setColor(QPalette::WindowText, kQuietText);
    pad->setPalette(quiet);
    label->setBuddy(key);
    const int row = static_cast<int>(i);
    grid->addWidget(label, row, 0);
    grid->addWidget(key, row, 1);
    grid->addWidget(pad, row, 2);
    mp.actions.push_back(label);
    mp.keys.push_back(key);
    mp.pads.push_back(pad);
  }
  int row = static_cast<int>(actions.size());
  mp.facesTitle = new QLabel(mp.page);
  grid->addWidget(mp.facesTitle, row++, 0, 1, 3);
  auto* faces = new QHBoxLayout();
  for (std::size_t f = 0; f < kFaceButtons.size(); ++f) {
    mp.faceLabels[f] = new QLabel(mp.page);
    mp.faces[f] = new QComboBox(mp.page);
    for (ui::PadButton b : kFaceButtons) mp.faces[f]->addItem(buttonName(b), static_cast<int>(b));
    mp.faceLabels[f]->setBuddy(mp.faces[f]);
    faces->addWidget(mp.faceLabels[f]);
    faces->addWidget(mp.faces[f]);
    const ui::PadButton as = kFaceButtons[f];
    connect(mp.faces[f], &QComboBox::currentIndexChanged, this, [this, mode, as, f](int) {
      if (showing_) return;
      const auto pressed = static_cast<ui::PadButton>(
          pages_[static_cast<std::size_t>(mode)].faces[f]->currentData().toInt());
      edit([mode, as, pressed](Preferences& p) { p.keys.swapButton(mode, as, pressed); });
    });
  }
  faces->addStretch(1);
  grid->addLayout(faces, row++, 0, 1, 3);
  mp.restore = new QPushButton(mp.page);
  mp.restore->setAutoDefault(true);
  connect(mp.restore, &QPushButton::clicked, this, [this, mode] {
    clearOffer();
    edit([mode](Preferences& p) { p.keys.restoreDefaults(mode); });
  });
  grid->addWidget(mp.restore, row, 0, 1, 2, Qt::AlignLeft);
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(row + 1, 1);  // a mode of few actions keeps its rows together
  // A pad table says nothing of the face buttons for a mode without pads.
  const bool hasPads = pads_[static_cast<std::size_t>(mode)] != nullptr;
  mp.facesTitle->setVisible(hasPads);
  for (std::size_t f = 0; f < kFaceButtons.size(); ++f) {
    mp.faceLabels[f]->setVisible(hasPads);
    mp.faces[f]->setVisible(hasPads);
  }
  return mp.page;
}

QWidget* SettingsWindow::displayPage() {
  auto* page = new QWidget(this);
  auto* grid = new QGridLayout(page);
  grid->setContentsMargins(8 * scale_, 8 * scale_, 8 * scale_, 8 * scale_);
  grid->setSpacing(6 * scale_);
  scaleLabel_ = new QLabel(page);
  scaleBox_ = new QComboBox(page);
  scaleLabel_->setBuddy(scaleBox_);
  scaleBox_->addItem(QString(), 0);  // chosen from the screen
  for (int s : scales_) scaleBox_->addItem(QString(), s);
  connect(scaleBox_, &QComboBox::currentIndexChanged, this, [this](int) {
    if (showing_) return;
    const int s = scaleBox_->currentData().toInt();
    edit([s](Preferences& p) { p.scale = s > 0 ? std::optional<int>(s) : std::nullopt; });
  });
  fullScreen_ = new QCheckBox(page);
  connect(fullScreen_, &QCheckBox::toggled, this, [this](bool on) {
    if (!showing_) edit([on](Preferences& p) { p.fullScreen = on; });
  });
  languageLabel_ = new QLabel(page);
  language_ = new QComboBox(page);
  languageLabel_->setBuddy(language_);
  for (const char* code : {"zh", "en", "auto"}) language_->addItem(QString(), QString(code));
  connect(language_, &QComboBox::currentIndexChanged, this, [this](int) {
    if (showing_) return;
    const std::string code = language_->currentData().toString().toStdString();
    edit([code](Preferences& p) { p.language = code; });
  });
  grid->addWidget(scaleLabel_, 0, 0);
  grid->addWidget(scaleBox_, 0, 1);
  grid->addWidget(fullScreen_, 1, 0, 1, 2);
  grid->addWidget(languageLabel_, 2, 0);
  grid->addWidget(language_, 2, 1);
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(3, 1);
  return page;
}

void SettingsWindow::retranslate() {
  setWindowTitle(said(Words::tr("設定")) + QStringLiteral(" - Driftwing"));
  title_->setText(said(Words::tr("設定")));
  tabs_->setTabText(0, said(Words::tr("聲音")));
  tabs_->setTabText(1, said(Words::tr("按鍵")));
  tabs_->setTabText(2, said(Words::tr("畫面")));
  tabs_->setTabText(kReplaysPage, said(Words::tr("錄影")));
  replays_->retranslate();
  musicLabel_->setText(said(Words::tr("音樂")));
  effectsLabel_->setText(said(Words::tr("音效")));
  mute_->setText(said(Words::tr("全部靜音")) + QStringLiteral(" (F9)"));
  modeLabel_->setText(said(Words::tr("模式")));
  for (Mode mode : kModes) {
    mode_->setItemText(static_cast<int>(mode), said(modeWords(mode)));
    ModePage& mp = pages_[static_cast<std::size_t>(mode)];
    const auto& actions = actionsOf(mode);
    for (std::size_t i = 0; i < actions.size(); ++i) mp.actions[i]->setText(said(actions[i].words));
    mp.facesTitle->setText(said(Words::tr("手把的按鈕")));
    for (std::size_t f = 0; f < kFaceButtons.size(); ++f)
      mp.faceLabels[f]->setText(said(Words::tr("當作 %1 的是")).arg(buttonName(kFaceButtons[f])));
    mp.restore->setText(said(Words::tr("還原預設")));
  }
  scaleLabel_->setText(said(Words::tr("大小")));
  scaleBox_->setItemText(0, said(Words::tr("自動")));
  for (int i = 1; i < scaleBox_->count(); ++i)
    scaleBox_->setItemText(i, said(Words::tr("%1 倍")).arg(scaleBox_->itemData(i).toInt()));
  fullScreen_->setText(said(Words::tr("全螢幕")) + QStringLiteral(" (F11)"));
  languageLabel_->setText(said(Words::tr("語言")));
  language_->setItemText(0, said(Words::tr("繁體中文")));
  language_->setItemText(1, QStringLiteral("English"));
  language_->setItemText(2, said(Words::tr("跟隨桌面")));
  close_->setText(said(Words::tr("關閉")) + QStringLiteral(" (F10)"));
}

void SettingsWindow::showPreferences(const Preferences& prefs) {
  prefs_ = prefs;
  showing_ = true;
  retranslate();
  music_->setValue(prefs.music);
  effects_->setValue(prefs.effects);
  musicValue_->setNum(prefs.music);
  effectsValue_->setNum(prefs.effects);
  mute_->setChecked(prefs.muted);
  const int s = scaleBox_->findData(prefs.scale.value_or(0));
  scaleBox_->setCurrentIndex(std::max(0, s));
  fullScreen_->setChecked(prefs.fullScreen);
  const QString lang = prefs.language.empty() ? language() : QString::fromStdString(prefs.language);
  language_->setCurrentIndex(std::max(0, language_->findData(lang)));
  showKeys();
  showing_ = false;
  if (offeredKey_ < 0) offerFirstConflict();
}

void SettingsWindow::showKeys() {
  for (Mode mode : kModes) {
    ModePage& mp = pages_[static_cast<std::size_t>(mode)];
    const std::vector<std::size_t> conflicts = prefs_.keys.conflicts(mode);
    for (std::size_t i = 0; i < mp.keys.size(); ++i) {
      const int key = prefs_.keys.key(mode, i);
      mp.keys[i]->showKey(key);
      const bool flag = std::find(conflicts.begin(), conflicts.end(), i) != conflicts.end();
      mp.keys[i]->setProperty("flagged", flag);
      QPalette pal = mp.keys[i]->palette();
      pal.setColor(QPalette::ButtonText, flag ? kFlag : kText);
      mp.keys[i]->setPalette(pal);
      mp.keys[i]->setToolTip(flag ? said(Words::tr("這個鍵也用於另一個動作")) : QString());
      mp.pads[i]->setText(padText(mode, i));
    }
    for (std::size_t f = 0; f < kFaceButtons.size(); ++f)
      mp.faces[f]->setCurrentIndex(
          mp.faces[f]->findData(static_cast<int>(prefs_.keys.button(mode, kFaceButtons[f]))));
    mp.restore->setEnabled(!prefs_.keys.isDefault(mode));
  }
}

QString SettingsWindow::padText(Mode mode, std::size_t action) const {
  const ui::PadBindings* pads = pads_[static_cast<std::size_t>(mode)];
  if (pads == nullptr) return {};
  const int code = actionsOf(mode)[action].code;
  QStringList parts;
  for (const ui::PadBinding& b : *pads) {
    if (b.code != code) continue;
    parts << said(Words::tr("手把%1：")).arg(b.player + 1) +
                 controlNames(b.controls, mode, prefs_.keys).join(said(Words::tr("、")));
  }
  return parts.join(QStringLiteral("  "));
}

Mode SettingsWindow::shownMode() const { return static_cast<Mode>(mode_->currentData().toInt()); }

void SettingsWindow::showMode(Mode mode) { mode_->setCurrentIndex(static_cast<int>(mode)); }

void SettingsWindow::showPage(int page) { tabs_->setCurrentIndex(page); }

int SettingsWindow::shownPage() const { return tabs_->currentIndex(); }

QPushButton* SettingsWindow::keyButton(Mode mode, std::size_t action) const {
  const auto& keys = pages_[static_cast<std::size_t>(mode)].keys;
  return action < keys.size() ? keys[action] : nullptr;
}

bool SettingsWindow::flagged(Mode mode, std::size_t action) const {
  const QPushButton* b = keyButton(mode, action);
  return b != nullptr && b->property("flagged").toBool();
}

QPushButton* SettingsWindow::restoreButton(Mode mode) const {
  return pages_[static_cast<std::size_t>(mode)].restore;
}

QComboBox* SettingsWindow::faceButton(Mode mode, std::size_t face) const {
  return face < kFaceButtons.size() ? pages_[static_cast<std::size_t>(mode)].faces[face] : nullptr;
}

void SettingsWindow::keyChosen(std::size_t action, int key) {
  const Mode mode = shownMode();
  clearOffer();
  const std::size_t count = actionsOf(mode).size();
  for (std::size_t other = 0; other < count; ++other) {
    if (other != action && prefs_.keys.key(mode, other) == key) {
      offerKey(key, action, other);
      return;
    }
  }
  edit([mode, action, key](Preferences& p) { p.keys.bind(mode, action, key); });
}

void SettingsWindow::offerKey(int key, std::size_t wanting, std::size_t holding) {
  const Mode mode = shownMode();
  const auto& actions = actionsOf(mode);
  offeredKey_ = key;
  wanting_ = wanting;
  holding_ = holding;
  const QString keyShown = quoted(keyName(key));
  const QString want = quoted(said(actions[wanting].words));
  const QString hold = quoted(said(actions[holding].words));
  // Asked for anew, or found shared (a file edited by hand).
  if (prefs_.keys.key(mode, wanting) == key)
    offer_->setText(said(Words::tr("%1同時用於%2和%3。")).arg(keyShown, hold, want));
  else
    offer_->setText(said(Words::tr("%1已用於%2。")).arg(keyShown, hold));
  give_->setText(said(Words::tr("給%1")).arg(want));
  keep_->setText(said(Words::tr("給%1")).arg(hold));
  for (QWidget* w :
       {static_cast<QWidget*>(offer_), static_cast<QWidget*>(give_), static_cast<QWidget*>(keep_)})
    w->show();
  give_->setFocus(Qt::OtherFocusReason);
}

void SettingsWindow::offerFirstConflict() {
  const Mode mode = shownMode();
  const std::vector<std::size_t> conflicts = prefs_.keys.conflicts(mode);
  if (conflicts.size() < 2) return;
  const int key = prefs_.keys.key(mode, conflicts[0]);
  for (std::size_t i = 1; i < conflicts.size(); ++i)
    if (prefs_.keys.key(mode, conflicts[i]) == key) {
      offerKey(key, conflicts[i], conflicts[0]);
      return;
    }
}

void SettingsWindow::clearOffer() {
  offeredKey_ = -1;
  if (offer_ == nullptr) return;
  offer_->hide();
  give_->hide();
  keep_->hide();
}

void SettingsWindow::settle(bool toWanting) {
  if (offeredKey_ < 0) return;
  const Mode mode = shownMode();
  const int key = offeredKey_;
  const std::size_t winner = toWanting ? wanting_ : holding_;
  QPushButton* next = keyButton(mode, winner);
  clearOffer();
  // The key is the winner's alone: whoever else had it has none now, and
  // one that only asked for it keeps its own.
  edit([mode, winner, key](Preferences& p) { p.keys.bind(mode, winner, key); });
  if (next != nullptr) next->setFocus(Qt::OtherFocusReason);
}

void SettingsWindow::edit(const std::function<void(Preferences&)>& what) {
  if (change_) change_(what);
}

void SettingsWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QLinearGradient glass(0, 0, 0, height());
  glass.setColorAt(0, kGlassTop);
  glass.setColorAt(1, kGlassFoot);
  p.fillRect(rect(), glass);
  const int s = scale_;
  p.setPen(QPen(kRim, s));
  p.drawRect(QRectF(rect()).adjusted(0.5 * s, 0.5 * s, -0.5 * s, -0.5 * s));
  // The rule under the title, as under the game's banners.
  const int y = title_->geometry().bottom() + 2 * s;
  QLinearGradient rule(0, 0, width(), 0);
  rule.setColorAt(0, QColor(kRim.red(), kRim.green(), kRim.blue(), 0));
  rule.setColorAt(0.1, kRim);
  rule.setColorAt(0.9, kRim);
  rule.setColorAt(1, QColor(kRim.red(), kRim.green(), kRim.blue(), 0));
  p.fillRect(QRect(0, y, width(), s), rule);
}

void SettingsWindow::keyPressEvent(QKeyEvent* ev) {
  if (ev->key() == Qt::Key_F10 || ev->key() == Qt::Key_Escape) {
    close();
    return;
  }
  if (ev->key() == Qt::Key_F12) {
    if (shownPage() == kReplaysPage)
      close();
    else
      showPage(kReplaysPage);
    return;
  }
  if (ev->key() == Qt::Key_F9 && !ev->isAutoRepeat()) {
    const bool muted = !prefs_.muted;
    edit([muted](Preferences& p) { p.muted = muted; });
    return;
  }
  QWidget::keyPressEvent(ev);
}

}  // namespace platform::qt
