// The game in English on the desktop: every Chinese text the player can meet
// shows translated, names and typing pass through untouched, and the
// designed Chinese stays exactly as written when no language is chosen.
#include "platform/qt/language.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <fstream>
#include <set>

#include "frontend/game.h"
#include "platform/qt/qt_driver.h"
#include "platform/qt/widgets.h"
#include "platform/qt/window_view.h"
#include "replay/runner.h"
#include "replay/script.h"
#include "ui/virtual/session.h"
#include "ui/window.h"

namespace {

bool hasHan(const QString& s) {
  for (QChar c : s)
    if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF) return true;
  return false;
}

class English : public ::testing::Test {
 protected:
  English() { EXPECT_TRUE(platform::qt::setLanguage("en")); }
  ~English() override { platform::qt::setLanguage("zh"); }
};

TEST(Language, WithoutAChoiceTheDesignedChineseStaysExactly) {
  ASSERT_TRUE(platform::qt::setLanguage("zh"));
  EXPECT_EQ(platform::qt::shown("按此"), QStringLiteral("按此"));
  EXPECT_EQ(platform::qt::shown("Halvard:你就是新來的Mei?!"),
            QStringLiteral("Halvard:你就是新來的Mei?!"));
  EXPECT_FALSE(platform::qt::setLanguage("tlh")) << "a language the game does not have";
  EXPECT_EQ(platform::qt::language(), QStringLiteral("zh"));
}

TEST_F(English, NoWindowShowsAChineseText) {
  ui::VirtualSession game(frontend::addWindows);
  game.start("Form1");
  for (const auto& window : game.program().windows()) {
    ui::Window& w = *window;
    game.program().load(w);
    EXPECT_FALSE(hasHan(platform::qt::shown(w.Caption))) << w.name();
    for (const ui::Element& e : w.elements()) {
      EXPECT_FALSE(hasHan(platform::qt::shown(e.Caption)))
          << w.name() << "." << e.id() << " " << e.Caption;
      EXPECT_FALSE(hasHan(platform::qt::shown(e.Text)))
          << w.name() << "." << e.id() << " " << e.Text;
    }
  }
}

// The whole story as the test player plays it: after every click of the
// story button, the story box reads in English with the player's name in it.
TEST_F(English, EveryLineOfTheStoryReadsInEnglishAroundTheName) {
  std::ifstream in(DRIFTWING_GOLDEN_DIR "/story_normal.script");
  std::string error;
  auto script = replay::parseScript(in, error);
  ASSERT_TRUE(script) << error;
  ui::VirtualSession game(frontend::addWindows);
  game.start("Form1");
  int lines = 0;
  std::set<std::string> named;
  for (const replay::ScriptLine& line : *script) {
    game.runUntil(line.t);
    ASSERT_TRUE(replay::apply(game.program(), line, error)) << error;
    const std::string said = game.program().window("Form1").el("Text1").Text;
    const QString shown = platform::qt::shown(said);
    EXPECT_FALSE(hasHan(shown)) << said << " shows as " << shown.toStdString();
    if (said.find("Mei") != std::string::npos) {
      EXPECT_TRUE(shown.contains("Mei")) << said;
      named.insert(said);
    }
    ++lines;
  }
  EXPECT_GT(lines, 45);
  EXPECT_EQ(named.size(), 14u) << "the greeting and the 13 lines that name the player";
}

TEST_F(English, ThePlayersOwnTypingIsLeftAsTyped) {
  media::SilentMedia media;
  platform::qt::DesktopShell shell;
  platform::qt::QtDriver driver(1);
  ui::Program program(driver, media, shell, ".");
  driver.attach(program);
  frontend::addWindows(program);
  program.start(program.window("Form6"));
  platform::qt::WindowView* view = driver.viewOf(program.window("Form6"));
  ASSERT_NE(view, nullptr);
  QLineEdit* name = nullptr;
  for (auto* edit : view->findChildren<QLineEdit*>())
    if (view->elementOf(edit)->name == "Text1") name = edit;
  ASSERT_NE(name, nullptr);
  name->selectAll();
  // A name that begins with a word the game translates ("說明", help), as an
  // input method types it.
  QInputMethodEvent typing;
  typing.setCommitString(QStringLiteral("說明書"));
  QApplication::sendEvent(name, &typing);
  EXPECT_EQ(program.window("Form6").el("Text1").Text, "說明書");
  EXPECT_EQ(name->text(), QStringLiteral("說明書"));
  // The game's own caption next to it is translated.
  for (auto* b : view->findChildren<QPushButton*>()) EXPECT_FALSE(hasHan(b->text()));
}

}  // namespace
