// Boxes and labels the desktop draws as part of the game: the shooter's
// readouts and message banners, and window backgrounds that follow the game.
#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <memory>
#include <string>
#include <vector>

#include "frontend/game.h"
#include "platform/qt/drawn.h"
#include "platform/qt/window_view.h"
#include "ui/virtual/session.h"
#include "ui/words.h"

namespace {

class GameSkinTest : public ::testing::Test {
 protected:
  GameSkinTest() : game(frontend::addWindows) { game.start("Form1"); }

  // A view of the window as the desktop draws it, brought in line with it.
  platform::qt::WindowView& viewOf(const char* name) {
    ui::Window& w = game.program().window(name);
    if (!w.loaded()) game.program().load(w);
    views.push_back(std::make_unique<platform::qt::WindowView>(game.program(), w, 1, false));
    views.back()->setAttribute(Qt::WA_DontShowOnScreen);
    views.back()->show();
    views.back()->sync();
    return *views.back();
  }
  const ui::Element* elementOf(platform::qt::WindowView& view, const std::string& id) {
    for (const ui::Element& e : view.window().elements())
      if (e.id() == id) return &e;
    return nullptr;
  }
  // The element as it shows in the window.
  QImage grab(platform::qt::WindowView& view, const std::string& id) {
    const ui::Element* e = elementOf(view, id);
    return e ? view.grab(view.rectOf(*e)).toImage().convertToFormat(QImage::Format_ARGB32)
             : QImage();
  }

  ui::VirtualSession game;
  std::vector<std::unique_ptr<platform::qt::WindowView>> views;
};

int differing(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return a.width() * a.height();
  int n = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
  }
  return n;
}

TEST_F(GameSkinTest, ShooterReadoutsTakeNoFocusAndHaveNothingToSelect) {
  platform::qt::WindowView& shooter = viewOf("frmMain");
  for (const char* id : {"Text1", "Text2", "Text3", "Text4"}) {
    const ui::Element* e = elementOf(shooter, id);
    ASSERT_TRUE(e != nullptr && shooter.drawnOf(*e) != nullptr) << id;
    QWidget* w = shooter.widgetOf(*e);
    EXPECT_EQ(qobject_cast<QLineEdit*>(w), nullptr) << id << " is still a desktop text box";
    EXPECT_EQ(w != nullptr ? w->focusPolicy() : Qt::NoFocus, Qt::NoFocus) << id;
  }
  // The stage's password stays a box the player can select and copy from.
  platform::qt::WindowView& stage = viewOf("frm1");
  auto* password = qobject_cast<QLineEdit*>(stage.widgetOf(*elementOf(stage, "Text1")));
  ASSERT_NE(password, nullptr);
  EXPECT_TRUE(password->isReadOnly());
}

TEST_F(GameSkinTest, AReadoutShowsEachNewValue) {
  platform::qt::WindowView& shooter = viewOf("frmMain");
  ui::Element& hp = game.program().window("frmMain").el("Text1");
  const QImage before = grab(shooter, "Text1");
  hp.Text = "5";
  shooter.sync();
  const QImage after = grab(shooter, "Text1");
  EXPECT_GT(differing(before, after), 10);
  hp.Text = "6";
  shooter.sync();
  EXPECT_EQ(differing(before, grab(shooter, "Text1")), 0);
}

TEST_F(GameSkinTest, GameOverStandsOnAGoldRuledBanner) {
  platform::qt::WindowView& shooter = viewOf("frmMain");
  game.program().window("frmMain").el("Label1").Visible = true;
  shooter.sync();
  const QImage banner = grab(shooter, "Label1");
  ASSERT_FALSE(banner.isNull());
  // The rule along its top, bright gold across the middle of the band.
  int gold = 0;
  for (int x = banner.width() / 4; x < banner.width() * 3 / 4; ++x) {
    const QColor c = banner.pixelColor(x, 0);
    gold += c.red() > 180 && c.green() > 120 && c.blue() < 120;
  }
  EXPECT_GE(gold, banner.width() / 2 - 2);
}

TEST_F(GameSkinTest, TheNetworkRaceDashboardFollowsThePlayersSide) {
  platform::qt::WindowView& race = viewOf("Form5");
  const QImage unknown = race.grab().toImage();
  ui::Window& w = game.program().window("Form5");
  game.program().globals().set("netRole", 2);  // the guest's side
  w.el("Label2", 0).Caption = ui::Words::tr("正在連線到主機");
  race.sync();
  EXPECT_EQ(w.backdrop(), "net-bg-guest");
  const QImage guest = race.grab().toImage();
  EXPECT_GT(differing(unknown, guest), 100) << "the guest's name is not marked";
}

}  // namespace
