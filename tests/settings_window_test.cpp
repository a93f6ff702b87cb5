// The settings window on the offscreen platform, worked from the keyboard
// as a player without a mouse works it.
#include "platform/qt/settings_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "platform/qt/language.h"
#include "ui/keys.h"

namespace {

using platform::qt::Mode;
using platform::qt::Preferences;
namespace vk = ui::vk;

// Stage actions as the window lists them.
constexpr std::size_t kLeft = 0, kRight = 1;

// A settings window whose changes land in `prefs`, shown back to it as the
// game shows them.
struct Open {
  explicit Open(int scale = 1)
      : window(scale, {1, 2, 3}, {}, [this](const std::function<void(Preferences&)>& edit) {
          edit(prefs);
          ++changes;
          window.showPreferences(prefs);
        }) {
    window.showPreferences(prefs);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  // Presses `key` on the button of `action`, as a player tabbed to it does:
  // Enter to ask for a new key, then the key.
  void rebind(Mode mode, std::size_t action, Qt::Key key) {
    window.showPage(1);
    window.showMode(mode);
    QPushButton* button = window.keyButton(mode, action);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, key);
  }
  Preferences prefs;
  int changes = 0;
  platform::qt::SettingsWindow window;
};

TEST(SettingsWindow, AKeyIsReboundFromTheKeyboardAlone) {
  Open open;
  open.rebind(Mode::Stage, kLeft, Qt::Key_J);
  EXPECT_EQ(open.prefs.keys.key(Mode::Stage, kLeft), vk::letter('J'));
  EXPECT_EQ(open.window.keyButton(Mode::Stage, kLeft)->text(), "J");

  // Esc while it waits for a key leaves the binding as it was; so does a key
  // of the desktop's own.
  QPushButton* right = open.window.keyButton(Mode::Stage, kRight);
  right->setFocus();
  QTest::keyClick(right, Qt::Key_Return);
  QTest::keyClick(right, Qt::Key_F10);
  QTest::keyClick(right, Qt::Key_Escape);
  EXPECT_EQ(open.prefs.keys.key(Mode::Stage, kRight), vk::kRight);
  EXPECT_EQ(right->text(), "Right");
  EXPECT_TRUE(open.window.isVisible()) << "Esc there only stops the waiting";

  // Another mode's same action keeps its own key.
  EXPECT_EQ(open.prefs.keys.key(Mode::Battle, 0), vk::letter('A'));
}

TEST(SettingsWindow, AKeyWantedByTwoActionsGoesToTheOneThePlayerPicks) {
  Open open;
  // Steering left on the key that steers right: the player is asked first.
  open.rebind(Mode::Stage, kLeft, Qt::Key_Right);
  ASSERT_TRUE(open.window.giveButton()->isVisible());
  EXPECT_EQ(open.prefs.keys.key(Mode::Stage, kLeft), vk::kLeft)
      << "nothing moves before the answer";
  QTest::keyClick(open.window.keepButton(), Qt::Key_Return);
  EXPECT_EQ(open.prefs.keys.key(Mode::Stage, kLeft), vk::kLeft);
  EXPECT_EQ(open.prefs.keys.key(Mode::Stage, kRight), vk::kRight);
  EXPECT_FALSE(open.window.giveButton()->isVisible());

  open.rebind(Mode::Stage, kLeft, Qt::Key_Right);
  QTest::keyClick(open.window.giveButton(), Qt::Key_Return);
  EXPECT_EQ(open.prefs.keys.key(Mode::Stage, kLeft), vk::kRight);
  EXPECT_EQ(open.prefs.keys.key(Mode::Stage, kRight), -1) << "the key is no longer shared";
  EXPECT_TRUE(open.prefs.keys.conflicts(Mode::Stage).empty());
}

TEST(SettingsWindow, AKeySharedInTheFileIsFlaggedUntilSettled) {
  Open open;
  // A file edited by hand puts pause on the key that starts the race.
  Preferences shared;
  shared.keys.set(Mode::Stage, 5, vk::kSpace);
  open.prefs = shared;
  open.window.showPreferences(open.prefs);
  open.window.showPage(1);
  open.window.showMode(Mode::Stage);
  EXPECT_TRUE(open.window.flagged(Mode::Stage, 4));
  EXPECT_TRUE(open.window.flagged(Mode::Stage, 5));
  EXPECT_FALSE(open.window.flagged(Mode::Stage, kLeft));
  ASSERT_TRUE(open.window.giveButton()->isVisible()) << "the choice is offered at once";
  QTest::keyClick(open.window.giveButton(), Qt::Key_Return);
  EXPECT_TRUE(open.prefs.keys.conflicts(Mode::Stage).empty());
  EXPECT_FALSE(open.window.flagged(Mode::Stage, 4));
  EXPECT_FALSE(open.window.flagged(Mode::Stage, 5));
}

TEST(SettingsWindow, RestoringDefaultsTouchesOnlyTheModeShown) {
  Open open;
  open.rebind(Mode::Stage, kLeft, Qt::Key_J);
  open.rebind(Mode::Battle, 0, Qt::Key_K);
  QPushButton* restore = open.window.restoreButton(Mode::Stage);
  EXPECT_FALSE(open.window.restoreButton(Mode::Network)->isEnabled()) << "nothing to restore";
  open.window.showMode(Mode::Stage);
  ASSERT_TRUE(restore->isEnabled());
  QTest::keyClick(restore, Qt::Key_Space);
  EXPECT_TRUE(open.prefs.keys.isDefault(Mode::Stage));
  EXPECT_EQ(open.prefs.keys.key(Mode::Battle, 0), vk::letter('K'));
  EXPECT_FALSE(restore->isEnabled());
}

TEST(SettingsWindow, SoundLevelsAndMuteChangeAsTheyMove) {
  Open open;
  open.window.showPage(0);
  QSlider* music = open.window.musicSlider();
  music->setFocus();
  QTest::keyClick(music, Qt::Key_PageDown);
  QTest::keyClick(music, Qt::Key_Left);
  EXPECT_EQ(open.prefs.music, 85);
  EXPECT_EQ(open.prefs.effects, 100);
  QTest::keyClick(open.window.effectsSlider(), Qt::Key_Home);
  EXPECT_EQ(open.prefs.effects, 0);
  QTest::keyClick(open.window.muteBox(), Qt::Key_Space);
  EXPECT_TRUE(open.prefs.muted);
  // F9 mutes and unmutes here too, as in every game window.
  QTest::keyClick(&open.window, Qt::Key_F9);
  EXPECT_FALSE(open.prefs.muted);
  EXPECT_FALSE(open.window.muteBox()->isChecked());
}

TEST(SettingsWindow, DisplayChoicesAreKept) {
  Open open;
  open.window.showPage(2);
  QComboBox* scale = open.window.scaleBox();
  EXPECT_EQ(scale->count(), 4) << "automatic, then each scale that fits";
  scale->setCurrentIndex(scale->findData(2));
  EXPECT_EQ(open.prefs.scale, 2);
  scale->setCurrentIndex(0);
  EXPECT_FALSE(open.prefs.scale.has_value());
  QTest::keyClick(open.window.fullScreenBox(), Qt::Key_Space);
  EXPECT_TRUE(open.prefs.fullScreen);
  QComboBox* lang = open.window.languageBox();
  lang->setCurrentIndex(lang->findData(QString("en")));
  EXPECT_EQ(open.prefs.language, "en");
  // F10 closes it.
  QTest::keyClick(&open.window, Qt::Key_F10);
  EXPECT_FALSE(open.window.isVisible());
}

// Every word of the window is in the player's language: none left in
// Chinese when English is chosen, none blank in either.
class SettingsWords : public ::testing::TestWithParam<const char*> {
 protected:
  SettingsWords() { platform::qt::setLanguage(GetParam()); }
  ~SettingsWords() override { platform::qt::setLanguage("zh"); }
};

bool hasHan(const QString& s) {
  return std::any_of(s.begin(), s.end(), [](QChar c) { return c.unicode() >= 0x3000; });
}

TEST_P(SettingsWords, EveryWordIsInTheChosenLanguage) {
  Open open;
  Preferences shared;
  shared.keys.set(Mode::Stage, 5, vk::kSpace);  // so the choice is offered too
  open.window.showPreferences(shared);
  const bool english = std::string(GetParam()) == "en";
  QStringList texts;
  for (auto* label : open.window.findChildren<QLabel*>())
    if (!label->buddy() || !label->text().isEmpty()) texts << label->text();
  for (auto* button : open.window.findChildren<QPushButton*>()) texts << button->text();
  for (auto* box : open.window.findChildren<QCheckBox*>()) texts << box->text();
  for (auto* combo : open.window.findChildren<QComboBox*>())
    for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
  for (const QString& t : texts) {
    if (english) {
      EXPECT_FALSE(hasHan(t)) << qPrintable(t);
    }
  }
  for (auto* button : open.window.findChildren<QPushButton*>())
    EXPECT_FALSE(button->text().isEmpty());
  EXPECT_EQ(open.window.windowTitle().startsWith("Settings"), english);
}

INSTANTIATE_TEST_SUITE_P(Languages, SettingsWords, ::testing::Values("zh", "en"));

}  // namespace
