// Windows, modal shows and the end of the program, on the virtual clock.
#include <gtest/gtest.h>

#include "tests/toy_windows.h"
#include "ui/virtual/session.h"

namespace {

using ui::vk::kSpace;

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() : game(toy::addAll) { toy::gLog = &log; }
  ~ProgramTest() override { toy::gLog = nullptr; }
  ui::Program& program() { return game.program(); }
  ui::Window& window(const char* name) { return program().window(name); }
  toy::Dialog& dialog() { return static_cast<toy::Dialog&>(window("Dialog")); }
  toy::Hub& hub() { return static_cast<toy::Hub&>(window("Hub")); }

  std::vector<std::string> log;
  ui::VirtualSession game;
};

TEST_F(ProgramTest, ReloadRebuildsElementsButKeepsVariables) {
  game.start("Hub");
  game.click("Open");
  ui::Window& d = window("Dialog");
  d.el("Message").Caption = "crashed";
  d.el("Car").Left = 999;
  dialog().pass = 0;
  game.press(kSpace);  // fails: unloads and shows itself again
  EXPECT_TRUE(d.loaded());
  EXPECT_EQ(d.el("Message").Caption, "ready");
  EXPECT_EQ(d.el("Car").Left, 100);
  EXPECT_EQ(dialog().pass, 0) << "screen-level variables outlive an unload";
  EXPECT_EQ(dialog().loads, 2) << "the load handler runs on every load";
}

TEST_F(ProgramTest, ModalShowMakesTheOwnerInertUntilItCloses) {
  game.start("Hub");
  game.click("Open");
  EXPECT_EQ(program().front(), &window("Dialog"));
  program().click(hub(), hub().el("Count"));
  EXPECT_EQ(hub().clicks, 1) << "a click behind a modal window does nothing";
  EXPECT_EQ(hub().el("Status").Caption, "home");

  game.press(kSpace);  // passes: closes
  EXPECT_EQ(program().front(), &window("Hub"));
  EXPECT_EQ(hub().el("Status").Caption, "back");
  game.click("Count");
  EXPECT_EQ(hub().clicks, 2);
}

TEST_F(ProgramTest, TheRestOfTheShowingHandlerRunsAfterTheClosingHandler) {
  game.start("Hub");
  game.click("Open");
  game.press(kSpace);
  const std::vector<std::string> expected{"Hub.Load", "Hub.Open:before", "Dialog.Load",
                                          "Dialog.Space:end", "Hub.Open:after"};
  EXPECT_EQ(log, expected);
}

TEST_F(ProgramTest, HidingAModalWindowAlsoEndsItsShow) {
  game.start("Hub");
  game.click("Open");
  game.click("Hide");
  EXPECT_TRUE(window("Dialog").loaded());
  EXPECT_EQ(hub().el("Status").Caption, "back");
}

TEST_F(ProgramTest, AWindowThatFailsAThousandTimesReturnsOnceWhenItPasses) {
  game.start("Hub");
  game.click("Open");
  dialog().pass = 0;
  for (int i = 0; i < 1000; ++i) game.press(kSpace);
  EXPECT_EQ(hub().el("Status").Caption, "home") << "the owner waits while the window retries";
  EXPECT_TRUE(program().isModal(window("Dialog")));
  dialog().pass = 1;
  game.press(kSpace);
  EXPECT_EQ(std::count(log.begin(), log.end(), "Hub.Open:after"), 1);
  EXPECT_EQ(dialog().loads, 1001);
  EXPECT_FALSE(program().modalOpen());
}

TEST_F(ProgramTest, ClicksOnHiddenOrDisabledElementsDoNothing) {
  game.start("Hub");
  // Hidden: the design hides it. Disabled: switched off at run time.
  program().click(hub(), hub().el("Hidden"));
  hub().el("Count").setEnabled(false);
  game.click("Count");
  EXPECT_EQ(hub().clicks, 0);
}

TEST_F(ProgramTest, ClosingTheHubEndsTheProgramWithEveryWindow) {
  game.start("Hub");
  game.click("Open");
  EXPECT_FALSE(game.ended());
  program().close(hub());
  EXPECT_FALSE(game.ended()) << "a window behind a modal one cannot be closed";
  game.press(kSpace);
  program().close(hub());
  EXPECT_TRUE(game.ended());
  EXPECT_TRUE(game.driver().ended());
  // Nothing runs after the end.
  game.click("Count");
  EXPECT_EQ(hub().clicks, 1);
}

TEST_F(ProgramTest, EndingStopsTheHandlerAtOnce) {
  game.start("Hub");
  game.click("Quit");
  EXPECT_EQ(log.back(), "Hub.Quit:before");
  EXPECT_TRUE(game.ended());
}

TEST_F(ProgramTest, ClosingTheLastOpenWindowEndsTheProgram) {
  game.start("Dialog");
  game.press(kSpace);
  EXPECT_TRUE(game.ended());
}

TEST_F(ProgramTest, KeysGoToTheFocusedElement) {
  game.start("Dialog");
  ui::Window& d = window("Dialog");
  ASSERT_NE(d.focused(), nullptr);
  EXPECT_EQ(d.focused()->name, "Area") << "the first element in tab order takes the focus";
  program().focus(d, d.el("Hide"));
  game.press(kSpace);
  EXPECT_TRUE(d.loaded()) << "Space on the button is not Space on the area";
  program().focus(d, d.el("Area"));
  game.press(kSpace);
  EXPECT_FALSE(d.loaded());
}

}  // namespace
