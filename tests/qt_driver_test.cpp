// The desktop driver on Qt's offscreen platform: real widgets, real key
// events, the game's key codes coming out.
#include "platform/qt/qt_driver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "frontend/game.h"
#include "media/media.h"
#include "platform/qt/key_map.h"
#include "platform/qt/language.h"
#include "platform/qt/render.h"
#include "platform/qt/widgets.h"
#include "platform/qt/window_view.h"
#include "tests/desktop_doubles.h"
#include "tests/toy_windows.h"
#include "ui/keys.h"
#include "ui/virtual/session.h"

namespace {

using platform::qt::virtualKey;

TEST(KeyMap, LettersArrowsAndControlKeysGiveTheirWindowsCodes) {
  EXPECT_EQ(virtualKey(Qt::Key_A, Qt::NoModifier), 65);
  EXPECT_EQ(virtualKey(Qt::Key_Z, Qt::ShiftModifier), 90);
  EXPECT_EQ(virtualKey(Qt::Key_P, Qt::NoModifier), 80);
  EXPECT_EQ(virtualKey(Qt::Key_Left, Qt::NoModifier), 37);
  EXPECT_EQ(virtualKey(Qt::Key_Up, Qt::NoModifier), 38);
  EXPECT_EQ(virtualKey(Qt::Key_Right, Qt::NoModifier), 39);
  EXPECT_EQ(virtualKey(Qt::Key_Down, Qt::NoModifier), 40);
  EXPECT_EQ(virtualKey(Qt::Key_Space, Qt::NoModifier), 32);
  EXPECT_EQ(virtualKey(Qt::Key_Shift, Qt::ShiftModifier), 16);
  EXPECT_EQ(virtualKey(Qt::Key_5, Qt::NoModifier), 53) << "the digit row is not the keypad";
  EXPECT_EQ(virtualKey(Qt::Key_unknown, Qt::NoModifier), -1);
  EXPECT_EQ(virtualKey(Qt::Key_Eacute, Qt::NoModifier), -1);
}

TEST(KeyMap, KeypadDigitsWhateverTheNumLock) {
  EXPECT_EQ(virtualKey(Qt::Key_1, Qt::KeypadModifier), 97);
  EXPECT_EQ(virtualKey(Qt::Key_2, Qt::KeypadModifier), 98);
  EXPECT_EQ(virtualKey(Qt::Key_0, Qt::KeypadModifier), 96);
  EXPECT_EQ(virtualKey(Qt::Key_End, Qt::KeypadModifier), 97) << "Num Lock off";
  EXPECT_EQ(virtualKey(Qt::Key_Down, Qt::KeypadModifier), 98);
  EXPECT_EQ(virtualKey(Qt::Key_Up, Qt::KeypadModifier), 104);
  EXPECT_EQ(virtualKey(Qt::Key_Down, Qt::NoModifier), 40) << "the arrow keys stay arrows";
}

using testing_desktop::NoShell;

class DesktopTest : public ::testing::Test {
 protected:
  DesktopTest() : driver(1), program(driver, media, shell, ".") {
    driver.attach(program);
    toy::addAll(program);
    toy::gLog = &log;
  }
  ~DesktopTest() override { toy::gLog = nullptr; }
  platform::qt::WindowView* view(const char* name) { return driver.viewOf(program.window(name)); }
  template <class W>
  W* widget(const char* window, const char* name) {
    platform::qt::WindowView* v = view(window);
    for (QObject* child : v->findChildren<QWidget*>())
      if (auto* w = qobject_cast<W*>(child))
        if (auto* e = v->elementOf(w); e && e->name == name) return w;
    return nullptr;
  }
  void send(QWidget* to, QEvent::Type type, int key, bool repeat = false) {
    QKeyEvent ev(type, key, Qt::NoModifier, QString(), repeat);
    QApplication::sendEvent(to, &ev);
  }

  std::vector<std::string> log;
  media::SilentMedia media;
  NoShell shell;
  platform::qt::QtDriver driver;
  ui::Program program;
};

TEST_F(DesktopTest, KeysReachTheFocusedElementAsGameCodes) {
  program.start(program.window("Keys"));
  platform::qt::WindowView* v = view("Keys");
  ASSERT_NE(v, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(v));
  QWidget* area = QApplication::focusWidget();
  ASSERT_NE(area, nullptr) << "the first element in tab order has the focus";
  ASSERT_EQ(v->elementOf(area)->name, "Area");
  send(area, QEvent::KeyPress, Qt::Key_Up);
  send(area, QEvent::KeyPress, Qt::Key_Up, true);
  send(area, QEvent::KeyRelease, Qt::Key_Up, true);
  send(area, QEvent::KeyPress, Qt::Key_Up, true);
  send(area, QEvent::KeyRelease, Qt::Key_Up);
  send(area, QEvent::KeyPress, Qt::Key_Shift);
  EXPECT_EQ(log, (std::vector<std::string>{"down 38", "down 38", "down 38", "up 38", "down 16"}));
}

TEST_F(DesktopTest, ClicksAndEditsGoThroughTheProgramAndTheViewFollows) {
  program.start(program.window("Keys"));
  auto* go = widget<QPushButton>("Keys", "Go");
  ASSERT_NE(go, nullptr);
  QTest::mouseClick(go, Qt::LeftButton);
  EXPECT_EQ(program.window("Keys").el("Said").Caption, "clicked");

  auto* name = widget<QLineEdit>("Keys", "Name");
  ASSERT_NE(name, nullptr);
  name->setFocus();
  QTest::keyClicks(name, "Mei");
  EXPECT_EQ(program.window("Keys").el("Name").Text, "Mei");
  EXPECT_EQ(log.back(), "text Mei");
  // The logic writes a text: the widget shows it, and no edit event comes back.
  program.window("Keys").el("Name").Text = "Tarvos";
  program.click(program.window("Keys"), program.window("Keys").el("Go"));
  EXPECT_EQ(name->text(), "Tarvos");
  EXPECT_EQ(log.back(), "text Mei");
}

TEST_F(DesktopTest, ClosingTheWindowUnloadsItAndEndsTheProgram) {
  program.start(program.window("Keys"));
  view("Keys")->close();
  EXPECT_FALSE(program.window("Keys").loaded());
  EXPECT_TRUE(program.ended());
  EXPECT_EQ(view("Keys"), nullptr);
}

TEST_F(DesktopTest, AModalWindowBlocksItsOwnerOnTheDesktopToo) {
  program.start(program.window("Hub"));
  auto* open = widget<QPushButton>("Hub", "Open");
  QTest::mouseClick(open, Qt::LeftButton);
  ASSERT_NE(view("Dialog"), nullptr);
  EXPECT_EQ(view("Dialog")->windowModality(), Qt::ApplicationModal);
  EXPECT_TRUE(view("Dialog")->isVisible());
  view("Dialog")->close();
  EXPECT_EQ(program.window("Hub").el("Status").Caption, "back");
  EXPECT_FALSE(program.ended());
}

TEST_F(DesktopTest, AWindowTooLargeForTheScaleIsDrawnAtItsOwn) {
  // The hub fits the screen twice over; its dialog, say, only once.
  driver.setScale(2);
  driver.setScaleOfEachWindow([](const ui::Window& w) { return w.name() == "Dialog" ? 1 : 2; });
  program.start(program.window("Hub"));
  QTest::mouseClick(widget<QPushButton>("Hub", "Open"), Qt::LeftButton);
  ASSERT_NE(view("Dialog"), nullptr);
  EXPECT_EQ(view("Hub")->scale(), 2);
  EXPECT_EQ(view("Dialog")->scale(), 1);
  const ui::Design& d = program.window("Dialog").design();
  EXPECT_EQ(view("Dialog")->size(), QSize(platform::qt::px(static_cast<float>(d.width), 1),
                                          platform::qt::px(static_cast<float>(d.height), 1)));
}

TEST_F(DesktopTest, TimersTickOnTheRealClock) {
  program.start(program.window("Keys"));
  program.window("Keys").el("Timer1").setEnabled(true);
  QTRY_VERIFY_WITH_TIMEOUT(
      std::count_if(log.begin(), log.end(),
                    [](const std::string& l) { return l.rfind("tick@", 0) == 0; }) >= 3,
      5000);
  program.window("Keys").el("Timer1").setEnabled(false);
  const auto ticks = log.size();
  QTest::qWait(100);
  EXPECT_EQ(log.size(), ticks) << "a disabled timer stops at once";
}

// Hears the game times the driver gives the player's inputs.
class Stamps : public ui::InputListener {
 public:
  void inputStarting(const ui::Happening& h, std::int64_t t) override {
    if (h.kind == "keydown") keys.push_back(t);
  }
  std::vector<std::int64_t> keys;
};

std::vector<std::int64_t> tickTimes(const std::vector<std::string>& log) {
  std::vector<std::int64_t> times;
  for (const auto& l : log)
    if (l.rfind("tick@", 0) == 0) times.push_back(std::stoll(l.substr(5)));
  return times;
}

// A busy desktop (a slow frame, a window dragged): the ticks that fell due
// meanwhile merge into one and the game's time waits, so no tick is lost to
// a replay; a key handled before the overdue tick comes before it.
TEST_F(DesktopTest, ABusyDesktopHoldsTheGamesTimeAndKeysKeepTheirPlaceAmongTheTicks) {
  Stamps stamps;
  driver.setInputListener(&stamps);
  program.start(program.window("Keys"));
  ASSERT_TRUE(QTest::qWaitForWindowActive(view("Keys")));
  program.window("Keys").el("Timer1").setEnabled(true);
  QTRY_VERIFY_WITH_TIMEOUT(tickTimes(log).size() >= 2, 5000);
  const std::int64_t before = tickTimes(log).back();
  log.clear();

  QElapsedTimer busy;
  busy.start();
  while (busy.elapsed() < 110) {
  }
  send(QApplication::focusWidget(), QEvent::KeyPress, Qt::Key_Up);
  ASSERT_EQ(stamps.keys.size(), 1u);
  EXPECT_EQ(stamps.keys[0], before + 25) << "at the overdue tick's time, before it";

  QElapsedTimer since;
  since.start();
  QCoreApplication::processEvents();
  ASSERT_FALSE(tickTimes(log).empty());
  EXPECT_EQ(tickTimes(log).front(), before + 25);
  // Had the game's time kept up with the wall, it would be 85 ms further on.
  EXPECT_LT(driver.nowMs(), before + 25 + since.elapsed() + 40)
      << "the game's time waited: the four ticks that fell due ran as one";
  QTRY_VERIFY_WITH_TIMEOUT(tickTimes(log).size() >= 3, 5000);
  const auto times = tickTimes(log);
  EXPECT_EQ(times[1], before + 50) << "and the game's time goes on from there";
  EXPECT_EQ(times[2], before + 75);
  EXPECT_EQ(log.front(), "down 38");
  driver.setInputListener(nullptr);
}

TEST_F(DesktopTest, F11FillsTheScreenAndComesBackWithoutTheGameHearingIt) {
  program.start(program.window("Keys"));
  platform::qt::WindowView* v = view("Keys");
  ASSERT_TRUE(QTest::qWaitForWindowActive(v));
  const QSize normal = v->size();
  auto* go = widget<QPushButton>("Keys", "Go");
  const QSize goNormal = go->size();

  QWidget* focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr);
  send(focus, QEvent::KeyPress, Qt::Key_F11);
  send(focus, QEvent::KeyRelease, Qt::Key_F11);
  QTRY_VERIFY(driver.fullScreen());
  EXPECT_TRUE(log.empty()) << "F11 belongs to the desktop";
  QTRY_VERIFY(v->fullScreenMode());
  const QSize screen = v->screen()->geometry().size();
  const int fit = v->fittingScale(screen);
  EXPECT_GT(fit, 1);
  EXPECT_EQ(v->scale(), fit);
  EXPECT_TRUE(v->rect().contains(v->contentRect())) << "the whole window shows";
  EXPECT_EQ(v->contentRect().center(), v->rect().center());
  go = widget<QPushButton>("Keys", "Go");
  ASSERT_NE(go, nullptr);
  EXPECT_EQ(go->size(), goNormal * fit) << "every element is drawn at the new scale";

  // The game goes on in the rebuilt window: keys and clicks still arrive.
  QTRY_VERIFY(QApplication::focusWidget() != nullptr);
  send(QApplication::focusWidget(), QEvent::KeyPress, Qt::Key_Up);
  EXPECT_EQ(log, (std::vector<std::string>{"down 38"}));
  QTest::mouseClick(go, Qt::LeftButton);
  EXPECT_EQ(program.window("Keys").el("Said").Caption, "clicked");

  send(QApplication::focusWidget(), QEvent::KeyPress, Qt::Key_F11);
  QTRY_VERIFY(!driver.fullScreen());
  EXPECT_EQ(v->scale(), 1);
  EXPECT_EQ(v->size(), normal);
}

TEST_F(DesktopTest, AWindowOpenedInFullScreenFillsTheScreenToo) {
  program.start(program.window("Hub"));
  ASSERT_TRUE(QTest::qWaitForWindowActive(view("Hub")));
  driver.setFullScreen(true);
  QTest::mouseClick(widget<QPushButton>("Hub", "Open"), Qt::LeftButton);
  ASSERT_NE(view("Dialog"), nullptr);
  EXPECT_TRUE(view("Dialog")->fullScreenMode());
  EXPECT_GT(view("Dialog")->scale(), 1);
  view("Dialog")->close();
  EXPECT_EQ(program.window("Hub").el("Status").Caption, "back");
}

// Every caption a window is designed with fits its label or button, at
// every scale, in Chinese as designed and in the longer English.
class ScreenLayout : public ::testing::TestWithParam<std::tuple<int, const char*>> {
 protected:
  ScreenLayout() { platform::qt::setLanguage(std::get<1>(GetParam())); }
  ~ScreenLayout() override { platform::qt::setLanguage("zh"); }
};

TEST_P(ScreenLayout, EveryTextFitsItsPlace) {
  const int scale = std::get<0>(GetParam());
  ui::VirtualSession game(frontend::addWindows);
  game.start("Form1");
  for (const auto& window : game.program().windows()) {
    ui::Window& w = *window;
    game.program().load(w);
    for (const ui::Element& e : w.elements()) {
      if (e.Caption.empty()) continue;
      const std::string where = w.name() + "." + e.id() + " at scale " + std::to_string(scale);
      QFontMetrics fm(platform::qt::gameFont(e.FontSize, e.FontBold, scale));
      const QString text = platform::qt::shown(e.Caption).replace("\r\n", "\n").trimmed();
      const QRect box(0, 0, platform::qt::px(e.Width, scale), platform::qt::px(e.Height, scale));
      if (e.kind == ui::Kind::Label) {
        const QRect need = fm.boundingRect(box, Qt::TextWordWrap | Qt::AlignTop, text);
        EXPECT_LE(need.height(), box.height()) << where;
        EXPECT_LE(need.width(), box.width()) << where;
      } else if (e.kind == ui::Kind::Button || e.kind == ui::Kind::OptionButton) {
        // Room for the button's frame, or the option's circle.
        const int room = box.width() - (e.kind == ui::Kind::Button ? 4 : 20) * scale;
        EXPECT_LE(fm.horizontalAdvance(text), room) << where;
      }
    }
    const QImage picture = platform::qt::renderWindow(game.program(), w, scale);
    EXPECT_EQ(picture.width(), platform::qt::px(static_cast<float>(w.design().width), scale));
    EXPECT_EQ(picture.height(), platform::qt::px(static_cast<float>(w.design().height), scale));
  }
}

INSTANTIATE_TEST_SUITE_P(Scales, ScreenLayout,
                         ::testing::Combine(::testing::Values(1, 2, 3),
                                            ::testing::Values("zh", "en")));

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
