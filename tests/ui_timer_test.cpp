// Timers on the virtual clock: when they tick and in which order.
#include <gtest/gtest.h>

#include "tests/toy_windows.h"
#include "ui/virtual/session.h"

namespace {

class TimerTest : public ::testing::Test {
 protected:
  TimerTest() : game(toy::addAll) { toy::gLog = &log; }
  ~TimerTest() override { toy::gLog = nullptr; }
  ui::Window& clocks(const char* name = "Clocks") { return game.program().window(name); }
  ui::Element& timer(const char* name, const char* window = "Clocks") {
    return clocks(window).el(name);
  }
  std::vector<std::string> ticks() {
    std::vector<std::string> out;
    for (const auto& l : log)
      if (l.find('@') != std::string::npos) out.push_back(l);
    return out;
  }

  std::vector<std::string> log;
  ui::VirtualSession game;
};

TEST_F(TimerTest, ATimerFirstTicksOneIntervalAfterItIsEnabled) {
  game.start("Clocks");
  game.runUntil(30);
  timer("Timer1").setEnabled(true);
  game.runUntil(350);
  EXPECT_EQ(ticks(), (std::vector<std::string>{"Clocks.Timer1@130", "Clocks.Timer1@230",
                                               "Clocks.Timer1@330"}));
}

TEST_F(TimerTest, TimersDueTogetherTickByWindowThenByNumber) {
  game.start("Clocks");
  game.program().show(clocks("Clocks2"));
  for (const char* t : {"Timer10", "Timer2", "Timer1"}) {
    timer(t, "Clocks2").setEnabled(true);
    timer(t).setEnabled(true);
  }
  game.runUntil(100);
  EXPECT_EQ(ticks(), (std::vector<std::string>{"Clocks.Timer1@100", "Clocks.Timer2@100",
                                               "Clocks.Timer10@100", "Clocks2.Timer1@100",
                                               "Clocks2.Timer2@100", "Clocks2.Timer10@100"}));
}

TEST_F(TimerTest, EnablingAnEnabledTimerChangesNothing) {
  game.start("Clocks");
  timer("Timer1").setEnabled(true);
  game.runUntil(60);
  timer("Timer1").setEnabled(true);
  game.runUntil(100);
  EXPECT_EQ(ticks(), std::vector<std::string>{"Clocks.Timer1@100"});
}

TEST_F(TimerTest, DisablingStopsAndReEnablingRestartsThePeriod) {
  game.start("Clocks");
  timer("Timer1").setEnabled(true);
  game.runUntil(150);
  timer("Timer1").setEnabled(false);
  game.runUntil(400);
  timer("Timer1").setEnabled(true);
  game.runUntil(520);
  EXPECT_EQ(ticks(), (std::vector<std::string>{"Clocks.Timer1@100", "Clocks.Timer1@500"}));
}

TEST_F(TimerTest, ANewIntervalCountsFromTheChange) {
  game.start("Clocks");
  timer("Timer1").setEnabled(true);
  game.runUntil(70);
  timer("Timer1").setInterval(25);
  game.runUntil(125);
  EXPECT_EQ(ticks(), (std::vector<std::string>{"Clocks.Timer1@95", "Clocks.Timer1@120"}));
}

TEST_F(TimerTest, AnUnloadedWindowsTimersNeverTick) {
  game.start("Hub");
  game.program().show(clocks());
  timer("Timer1").setEnabled(true);
  game.program().unload(clocks());
  game.runUntil(1000);
  EXPECT_TRUE(ticks().empty());
  EXPECT_EQ(game.program().nextDue(), -1);
}

TEST_F(TimerTest, TimersBehindAModalWindowKeepTicking) {
  game.start("Clocks");
  timer("Timer2").setEnabled(true);
  game.program().show(game.program().window("Dialog"), ui::ShowMode::Modal);
  game.runUntil(200);
  EXPECT_EQ(ticks(), (std::vector<std::string>{"Clocks.Timer2@100", "Clocks.Timer2@200"}));
}

}  // namespace
