// The player's keys: a key moved to an action does it in the windows of its
// mode, on the real desktop, and the key it left does nothing there; the
// other windows hear every key as pressed. The settings keep every action on
// one key, name every key the desktop reports, and swap face buttons.
#include "platform/qt/key_bindings.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "frontend/game.h"
#include "frontend/settings.h"
#include "media/media.h"
#include "platform/qt/key_map.h"
#include "platform/qt/language.h"
#include "platform/qt/qt_driver.h"
#include "platform/qt/window_view.h"
#include "stage/stage_screen.h"
#include "tests/desktop_doubles.h"
#include "ui/keys.h"
#include "ui/program.h"
#include "ui/window.h"

namespace {

using platform::qt::KeyBindings;
using platform::qt::Mode;
using ui::PadButton;

using testing_desktop::NoShell;

// The index of the action `id` of `mode`.
std::size_t action(Mode mode, const std::string& id) {
  const auto& actions = platform::qt::actionsOf(mode);
  for (std::size_t i = 0; i < actions.size(); ++i)
    if (actions[i].id == id) return i;
  ADD_FAILURE() << "no action " << id;
  return 0;
}

// A window that writes down the codes of the keys it hears, under any name.
class Listener : public ui::Window {
 public:
  Listener(ui::Program& p, const std::string& name)
      : Window(p, name), design_{name,
                                 3000,
                                 2000,
                                 "",
                                 ui::colour::kBlack,
                                 {ui::pictureArea("Pad", 0, 0, 3000, 2000).tab(0)}} {
    onKey(ui::Event::KeyDown, "Pad", [this](int code) { heard.push_back(code); });
  }
  const ui::Design& design() const override { return design_; }
  std::vector<int> heard;

 private:
  ui::Design design_;
};

// The desktop with the game's own windows, or listeners, on it.
class Desk : public ::testing::Test {
 protected:
  Desk() : driver(1), program(driver, media, shell, ".") { driver.attach(program); }
  void show(ui::Window& w) {
    program.start(w);
    platform::qt::WindowView* v = driver.viewOf(w);
    ASSERT_TRUE(v != nullptr && QTest::qWaitForWindowActive(v));
  }
  // What `w` hears of a tap on each key, in turn, with its window in front.
  std::vector<int> heardOf(Listener& w, std::initializer_list<Qt::Key> keys) {
    if (program.front() == nullptr)
      program.start(w);
    else
      program.show(w);
    platform::qt::WindowView* v = driver.viewOf(w);
    const bool inFront = v != nullptr && QTest::qWaitFor([v] {
                           return QApplication::focusWidget() != nullptr &&
                                  QApplication::focusWidget()->window() == v;
                         });
    if (!inFront) return {-2};  // never heard: the window did not come to the front
    w.heard.clear();
    for (Qt::Key k : keys) QTest::keyClick(QApplication::focusWidget(), k);
    return w.heard;
  }

  media::SilentMedia media;
  NoShell shell;
  platform::qt::QtDriver driver;
  ui::Program program;
  KeyBindings keys;
};

TEST_F(Desk, AStageCarSteersOnTheKeyThePlayerGaveItAndNoLongerOnTheArrow) {
  frontend::addWindows(program);
  program.module<frontend::Settings>().difficultyBonus = 10;
  auto& race = static_cast<stage::StageScreen&>(program.window("frm1"));
  ASSERT_TRUE(keys.bind(Mode::Stage, action(Mode::Stage, "left"), ui::vk::letter('J')));
  driver.setKeyBindings(&keys);
  show(race);
  QWidget* road = QApplication::focusWidget();
  ASSERT_NE(road, nullptr);

  QTest::keyPress(road, Qt::Key_J);
  EXPECT_EQ(race.steerLeftHeld, 1) << "J steers left";
  QTest::keyRelease(road, Qt::Key_J);
  EXPECT_EQ(race.steerLeftHeld, 0) << "and letting J go stops it";
  QTest::keyPress(road, Qt::Key_Left);
  EXPECT_EQ(race.steerLeftHeld, 0) << "the arrow steers no more";
  EXPECT_EQ(race.steerRightHeld, 0);
  QTest::keyRelease(road, Qt::Key_Left);
  QTest::keyClick(road, Qt::Key_Up);
  EXPECT_EQ(race.playerSpeed, 50) << "the keys left alone do as before";

  // Swapped arrows: each steers the other way.
  keys.restoreDefaults(Mode::Stage);
  keys.bind(Mode::Stage, action(Mode::Stage, "left"), ui::vk::kRight);
  keys.bind(Mode::Stage, action(Mode::Stage, "right"), ui::vk::kLeft);
  QTest::keyPress(road, Qt::Key_Left);
  EXPECT_EQ(race.steerRightHeld, 1);
  EXPECT_EQ(race.steerLeftHeld, 0);
  QTest::keyPress(road, Qt::Key_Right);
  EXPECT_EQ(race.steerLeftHeld, 1);
  EXPECT_EQ(race.steerRightHeld, 0);
  QTest::keyRelease(road, Qt::Key_Right);
  EXPECT_EQ(race.steerLeftHeld, 0);
  QTest::keyRelease(road, Qt::Key_Left);
  EXPECT_EQ(race.steerRightHeld, 0);
}

TEST_F(Desk, OnlyTheWindowsOfAModeHearItsKeysMoved) {
  auto& stage = program.add<Listener>("frm3");
  auto& title = program.add<Listener>("Form1");
  auto& battle = program.add<Listener>("Form3");
  const int j = ui::vk::letter('J'), left = ui::vk::kLeft, space = ui::vk::kSpace;

  // No bindings: every key as pressed, everywhere.
  EXPECT_EQ(heardOf(stage, {Qt::Key_J, Qt::Key_Left, Qt::Key_Space}),
            (std::vector<int>{j, left, space}));

  keys.bind(Mode::Stage, action(Mode::Stage, "left"), j);
  driver.setKeyBindings(&keys);
  EXPECT_EQ(heardOf(stage, {Qt::Key_J, Qt::Key_Left, Qt::Key_Space}),
            (std::vector<int>{left, space}))
      << "J is heard as Left, the arrow as nothing, Space as itself";
  EXPECT_EQ(heardOf(title, {Qt::Key_J, Qt::Key_Left}), (std::vector<int>{j, left}));
  EXPECT_EQ(heardOf(battle, {Qt::Key_J, Qt::Key_Left}), (std::vector<int>{j, left}))
      << "the battle keeps its own keys";

  driver.setKeyBindings(nullptr);
  EXPECT_EQ(heardOf(stage, {Qt::Key_J, Qt::Key_Left}), (std::vector<int>{j, left}));
}

TEST(KeyBindings, TwoActionsOnOneKeyAreFlaggedAndTheFirstKeepsIt) {
  KeyBindings keys;
  const auto missile = action(Mode::Network, "missile"), turbo = action(Mode::Network, "turbo");
  // A hand-edited file puts turbo on G, the missile's key.
  keys.set(Mode::Network, turbo, ui::vk::letter('G'));
  EXPECT_EQ(keys.conflicts(Mode::Network), (std::vector<std::size_t>{missile, turbo}));
  EXPECT_EQ(keys.gameCode(Mode::Network, ui::vk::letter('G')), ui::vk::letter('G'));
  EXPECT_EQ(keys.gameCode(Mode::Network, ui::vk::letter('H')), -1) << "turbo left H";
  EXPECT_TRUE(keys.conflicts(Mode::Battle).empty()) << "the battle's G is its own";

  // The player binds the missile to F: turbo keeps G, and nothing clashes.
  EXPECT_TRUE(keys.bind(Mode::Network, missile, ui::vk::letter('F')));
  EXPECT_TRUE(keys.conflicts(Mode::Network).empty());
  EXPECT_EQ(keys.gameCode(Mode::Network, ui::vk::letter('G')), ui::vk::letter('H'));
  EXPECT_EQ(keys.gameCode(Mode::Network, ui::vk::letter('F')), ui::vk::letter('G'));

  // Binding a key takes it from the action that had it, which is left without.
  EXPECT_TRUE(keys.bind(Mode::Network, missile, ui::vk::letter('G')));
  EXPECT_EQ(keys.key(Mode::Network, turbo), -1);
  EXPECT_TRUE(keys.conflicts(Mode::Network).empty());
  EXPECT_EQ(keys.gameCode(Mode::Network, ui::vk::letter('H')), -1);

  // The desktop's keys and Esc are never taken, nor is a key with no name.
  for (int refused : {ui::vk::kF1 + 9, ui::vk::kF1 + 10, ui::vk::kEscape, 0, 255, -1})
    EXPECT_FALSE(keys.bind(Mode::Network, turbo, refused)) << refused;
  keys.set(Mode::Network, turbo, ui::vk::kF1 + 10);
  EXPECT_EQ(keys.key(Mode::Network, turbo), -1) << "a file cannot bind F11 either";
  EXPECT_FALSE(keys.bind(Mode::Network, 99, ui::vk::letter('Q')));
  EXPECT_EQ(keys.key(Mode::Network, 99), -1);
}

TEST(KeyBindings, RestoringOneModeLeavesTheOthersAsThePlayerSetThem) {
  KeyBindings keys;
  for (Mode m : platform::qt::kModes) EXPECT_TRUE(keys.isDefault(m));
  keys.bind(Mode::Stage, action(Mode::Stage, "pause"), ui::vk::letter('Q'));
  keys.bind(Mode::Shooter, action(Mode::Shooter, "second-fire"), ui::vk::kReturn);
  keys.swapButton(Mode::Shooter, PadButton::A, PadButton::B);
  keys.unbind(Mode::Battle, action(Mode::Battle, "red-turbo"));
  const KeyBindings set = keys;

  keys.restoreDefaults(Mode::Shooter);
  EXPECT_TRUE(keys.isDefault(Mode::Shooter));
  EXPECT_EQ(keys, [&] {
    KeyBindings expected = set;
    expected.bind(Mode::Shooter, action(Mode::Shooter, "second-fire"), ui::vk::numpad(1));
    expected.swapButton(Mode::Shooter, PadButton::A, PadButton::A);
    return expected;
  }());
  EXPECT_EQ(keys.key(Mode::Stage, action(Mode::Stage, "pause")), ui::vk::letter('Q'));
  EXPECT_EQ(keys.key(Mode::Battle, action(Mode::Battle, "red-turbo")), -1);
  EXPECT_FALSE(keys.isDefault(Mode::Stage));
  EXPECT_FALSE(keys.isDefault(Mode::Battle));
  EXPECT_EQ(keys.gameCode(Mode::Battle, ui::vk::letter('H')), -1) << "red's turbo is off";
}

TEST(KeyBindings, EveryKeyTheDesktopReportsHasANameThatReadsBack) {
  // Every Qt key, on the keypad or not, that the desktop turns into a code.
  std::set<int> reported;
  for (int qtKey = 0; qtKey < 0x80; ++qtKey)
    for (auto mods : {Qt::NoModifier, Qt::KeypadModifier})
      reported.insert(platform::qt::virtualKey(qtKey, mods));
  for (int qtKey = Qt::Key_Escape; qtKey <= Qt::Key_Escape + 0x100; ++qtKey)
    for (auto mods : {Qt::NoModifier, Qt::KeypadModifier})
      reported.insert(platform::qt::virtualKey(qtKey, mods));
  reported.erase(-1);
  ASSERT_EQ(reported.size(), 26u + 10u + 10u + 5u + 12u + 19u);

  int bindable = 0;
  for (int code : reported) {
    const QString name = platform::qt::keyName(code);
    ASSERT_FALSE(name.isEmpty()) << code;
    EXPECT_EQ(platform::qt::keyCode(name), code) << name.toStdString();
    EXPECT_EQ(platform::qt::keyCode("  " + name.toLower() + " "), code) << name.toStdString();
    bindable += platform::qt::bindable(code) ? 1 : 0;
  }
  EXPECT_EQ(bindable, static_cast<int>(reported.size()) - 5) << "all but F9 to F12 and Esc";
  EXPECT_EQ(platform::qt::keyName(ui::vk::numpad(1)), "Num 1");
  EXPECT_EQ(platform::qt::keyName(ui::vk::kPageDown), "Page Down");
  for (int code : {-1, 0, 1, 200, 255, 1000}) EXPECT_TRUE(platform::qt::keyName(code).isEmpty());
  for (const char* junk : {"", " ", "Num", "Num 10", "F13", "Lefty", "AB", "Page", "中"})
    EXPECT_EQ(platform::qt::keyCode(QString::fromUtf8(junk)), -1) << junk;

  EXPECT_EQ(platform::qt::buttonOfName(" y "), static_cast<int>(PadButton::Y));
  EXPECT_EQ(platform::qt::buttonOfName("Start"), -1);
  for (PadButton b : platform::qt::kFaceButtons)
    EXPECT_EQ(platform::qt::buttonOfName(platform::qt::buttonName(b)), static_cast<int>(b));
}

TEST(KeyBindings, EveryActionStartsOnTheKeyTheGameReadsAndHasWords) {
  const KeyBindings keys;
  for (Mode m : platform::qt::kModes) {
    SCOPED_TRACE(platform::qt::modeId(m));
    std::set<std::string> ids;
    std::set<int> codes;
    for (std::size_t i = 0; i < platform::qt::actionsOf(m).size(); ++i) {
      const auto& a = platform::qt::actionsOf(m)[i];
      EXPECT_TRUE(ids.insert(a.id).second) << a.id;
      EXPECT_TRUE(codes.insert(a.code).second) << a.id;
      EXPECT_TRUE(platform::qt::bindable(a.code)) << a.id;
      EXPECT_FALSE(std::string(a.words).empty());
      EXPECT_EQ(keys.key(m, i), a.code);
      EXPECT_EQ(keys.gameCode(m, a.code), a.code);
    }
  }
  EXPECT_EQ(platform::qt::modeOfWindow("frm5"), Mode::Stage);
  EXPECT_EQ(platform::qt::modeOfWindow("Form3"), Mode::Battle);
  EXPECT_EQ(platform::qt::modeOfWindow("Form5"), Mode::Network);
  EXPECT_EQ(platform::qt::modeOfWindow("frmMain"), Mode::Shooter);
  for (const char* other : {"Form1", "Form2", "Form4", "Form6", "frm6", "frm", ""})
    EXPECT_FALSE(platform::qt::modeOfWindow(other).has_value()) << other;
}

// In English the settings window names every mode and action in English.
TEST(KeyBindings, EveryModeAndActionReadsInEnglish) {
  ASSERT_TRUE(platform::qt::setLanguage("en"));
  const auto hasHan = [](const QString& s) {
    return std::any_of(s.begin(), s.end(), [](QChar c) { return c.unicode() >= 0x2e80; });
  };
  for (Mode m : platform::qt::kModes) {
    EXPECT_FALSE(hasHan(platform::qt::shown(platform::qt::modeWords(m))))
        << platform::qt::modeId(m);
    for (const auto& a : platform::qt::actionsOf(m))
      EXPECT_FALSE(hasHan(platform::qt::shown(a.words))) << a.id;
  }
  EXPECT_EQ(platform::qt::shown(platform::qt::actionsOf(Mode::Battle)[4].words), "Red missile");
  platform::qt::setLanguage("zh");
  EXPECT_EQ(platform::qt::shown(platform::qt::modeWords(Mode::Shooter)),
            QStringLiteral("射擊遊戲"));
}

TEST(KeyBindings, FaceButtonsSwapWithinTheirModeOnly) {
  KeyBindings keys;
  keys.swapButton(Mode::Stage, PadButton::A, PadButton::Y);  // Y now does A's part
  EXPECT_EQ(keys.button(Mode::Stage, PadButton::A), PadButton::Y);
  EXPECT_EQ(keys.actsAs(Mode::Stage, PadButton::Y), PadButton::A);
  EXPECT_EQ(keys.actsAs(Mode::Stage, PadButton::A), PadButton::Y) << "A takes Y's old part";
  EXPECT_EQ(keys.actsAs(Mode::Stage, PadButton::B), PadButton::B);
  keys.swapButton(Mode::Stage, PadButton::B, PadButton::A);  // A leaves Y's part to B
  EXPECT_EQ(keys.actsAs(Mode::Stage, PadButton::A), PadButton::B);
  EXPECT_EQ(keys.actsAs(Mode::Stage, PadButton::B), PadButton::Y);
  std::set<PadButton> parts;
  for (PadButton b : platform::qt::kFaceButtons) {
    parts.insert(keys.actsAs(Mode::Stage, b));
    EXPECT_EQ(keys.actsAs(Mode::Stage, keys.button(Mode::Stage, b)), b);
  }
  EXPECT_EQ(parts.size(), 4u) << "still one part a button";
  keys.swapButton(Mode::Stage, PadButton::Start, PadButton::A);
  keys.swapButton(Mode::Stage, PadButton::A, PadButton::Back);
  EXPECT_EQ(keys.actsAs(Mode::Stage, PadButton::Start), PadButton::Start) << "not a face button";
  EXPECT_EQ(keys.actsAs(Mode::Stage, PadButton::Back), PadButton::Back);
  EXPECT_EQ(keys.actsAs(Mode::Stage, PadButton::A), PadButton::B);
  EXPECT_TRUE(keys.isDefault(Mode::Battle));
  EXPECT_FALSE(keys.isDefault(Mode::Stage));
}

}  // namespace
