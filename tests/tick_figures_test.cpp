// The bench's timer figures: rate and lateness read from tick times given here.
#include "bench/tick_figures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr std::int64_t kMs = 1'000'000;

std::vector<std::int64_t> steadyTicks(int count, std::int64_t firstAt) {
  std::vector<std::int64_t> at;
  for (int n = 0; n < count; ++n) at.push_back(firstAt + n * 25 * kMs);
  return at;
}

TEST(TickFigures, SteadyRunGivesItsRateOverTheSpanFromItsFirstTick) {
  // 41 ticks 25 ms apart, the first 7 ms after the clock started: 40 a
  // second over exactly 1 s, none late.
  const bench::TickFigures f = bench::tickFigures(steadyTicks(41, 7 * kMs), 25.0);
  EXPECT_EQ(f.ticks, 41u);
  EXPECT_DOUBLE_EQ(f.spanMs, 1000.0);
  EXPECT_DOUBLE_EQ(f.perSecond, 40.0);
  EXPECT_DOUBLE_EQ(f.lateMaxMs, 0.0);
  EXPECT_DOUBLE_EQ(f.longestGapMs, 25.0);
}

TEST(TickFigures, TickHeldUpLongerThanAPeriodCountsItsWholeLateness) {
  // Tick 50 of 200 comes 30 ms late, and the ticks after it keep to the
  // grid: its lateness is 30 ms, not the 5 ms left over a whole period.
  std::vector<std::int64_t> at = steadyTicks(200, 0);
  at[50] += 30 * kMs;
  at.erase(at.begin() + 51);  // the tick it merged with
  const bench::TickFigures f = bench::tickFigures(at, 25.0);
  EXPECT_DOUBLE_EQ(f.lateMaxMs, 30.0);
  EXPECT_DOUBLE_EQ(f.longestGapMs, 55.0);
  // Every tick after the merged one is a whole period behind its place in
  // the count: the p99 and the rate both show the lost tick.
  EXPECT_DOUBLE_EQ(f.lateP99Ms, 25.0);
  EXPECT_LT(f.perSecond, 40.0);
}

TEST(TickFigures, NoTicksGiveNoFigures) {
  const bench::TickFigures f = bench::tickFigures({}, 25.0);
  EXPECT_EQ(f.ticks, 0u);
  EXPECT_DOUBLE_EQ(f.perSecond, 0.0);
  EXPECT_DOUBLE_EQ(bench::nearestRank({}, 0.99), 0.0);
}

}  // namespace
