// The settings window: sound levels and mute, every key of every mode, the
// pads' face buttons, the scale, full screen, the language and the races
// kept to watch again. It sits
// outside the game's designed windows (the game never hears of it), drawn in
// the game's colours at the game's scale and in the player's language, and
// works from the keyboard alone: Tab and the arrows move, Enter or Space
// acts, F10 or Esc closes it, F12 shows the recordings (and closes it there).
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "platform/qt/preferences.h"
#include "platform/qt/replays_page.h"
#include "ui/pad_bindings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QStackedWidget;
class QTabWidget;

namespace platform::qt {

class KeyButton;

class SettingsWindow : public QWidget {
 public:
  // How a change the player makes reaches the preferences: `edit` is applied
  // to what this run uses and to what is kept, and the window is shown them.
  using Change = std::function<void(const std::function<void(Preferences&)>&)>;
  // `scales` are the whole scales the game's windows fit the screen at;
  // `pads` each mode's pad table (null for none), as its window declares it;
  // `shelf` the recordings the replays page lists, `watch` how one is watched.
  SettingsWindow(int scale, std::vector<int> scales, std::array<const ui::PadBindings*, 4> pads,
                 Change change, ReplayShelf shelf = ReplayShelf(), Watch watch = {});

  // Shows the preferences in use, after a change made here or elsewhere (F9).
  void showPreferences(const Preferences& prefs);

  // The mode whose keys the controls page shows.
  Mode shownMode() const;
  void showMode(Mode mode);
  static constexpr int kReplaysPage = 3;
  void showPage(int page);  // 0 sound, 1 controls, 2 display, 3 replays
  int shownPage() const;
  ReplaysPage* replaysPage() const { return replays_; }
  // The controls a player (or a test) reaches.
  QPushButton* keyButton(Mode mode, std::size_t action) const;
  bool flagged(Mode mode, std::size_t action) const;
  // The choice offered when a key is wanted by two actions: give it to the
  // one that asked last, or leave it with the other; hidden when none is.
  QPushButton* giveButton() const { return give_; }
  QPushButton* keepButton() const { return keep_; }
  QPushButton* restoreButton(Mode mode) const;
  QComboBox* faceButton(Mode mode, std::size_t face) const;
  QSlider* musicSlider() const { return music_; }
  QSlider* effectsSlider() const { return effects_; }
  QCheckBox* muteBox() const { return mute_; }
  QComboBox* scaleBox() const { return scaleBox_; }
  QCheckBox* fullScreenBox() const { return fullScreen_; }
  QComboBox* languageBox() const { return language_; }

 protected:
  void paintEvent(QPaintEvent* ev) override;
  void keyPressEvent(QKeyEvent* ev) override;

 private:
  struct ModePage {
    QWidget* page = nullptr;
    std::vector<QLabel*> actions;
    std::vector<KeyButton*> keys;
    std::vector<QLabel*> pads;
    QLabel* facesTitle = nullptr;
    std::array<QLabel*, 4> faceLabels{};
    std::array<QComboBox*, 4> faces{};
    QPushButton* restore = nullptr;
  };
  QWidget* soundPage();
  QWidget* keysPage();
  QWidget* modePage(Mode mode);
  QWidget* displayPage();
  void retranslate();
  void showKeys();
  // The player pressed `key` for `action` of the shown mode.
  void keyChosen(std::size_t action, int key);
  // Asks which of two actions of the shown mode keeps a key; `wanting` is
  // the one that asked for it last.
  void offerKey(int key, std::size_t wanting, std::size_t holding);
  void offerFirstConflict();
  void clearOffer();
  // Gives the offered key to the action that asked last, or leaves it with
  // the one that had it.
  void settle(bool toWanting);
  QString padText(Mode mode, std::size_t action) const;
  void edit(const std::function<void(Preferences&)>& what);

  int scale_;
  std::vector<int> scales_;
  std::array<const ui::PadBindings*, 4> pads_;
  Change change_;
  Preferences prefs_;
  bool showing_ = false;  // filling the controls in: their signals are not the player's

  QLabel* title_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QLabel* musicLabel_ = nullptr;
  QLabel* effectsLabel_ = nullptr;
  QSlider* music_ = nullptr;
  QSlider* effects_ = nullptr;
  QLabel* musicValue_ = nullptr;
  QLabel* effectsValue_ = nullptr;
  QCheckBox* mute_ = nullptr;
  QLabel* modeLabel_ = nullptr;
  QComboBox* mode_ = nullptr;
  QStackedWidget* modes_ = nullptr;
  std::array<ModePage, kModes.size()> pages_;
  QLabel* offer_ = nullptr;
  QPushButton* give_ = nullptr;
  QPushButton* keep_ = nullptr;
  int offeredKey_ = -1;
  std::size_t wanting_ = 0, holding_ = 0;
  QLabel* scaleLabel_ = nullptr;
  QComboBox* scaleBox_ = nullptr;
  QCheckBox* fullScreen_ = nullptr;
  QLabel* languageLabel_ = nullptr;
  QComboBox* language_ = nullptr;
  ReplaysPage* replays_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace platform::qt
