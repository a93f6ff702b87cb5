// What a run of a periodic timer looked like: its rate over the span from
// the first tick to the last, and how late each tick came against its own
// due time on the grid laid from the first tick.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

struct TickFigures {
  std::size_t ticks = 0;
  double spanMs = 0;        // first tick to last
  double perSecond = 0;     // ticks after the first over the span
  double lateMedianMs = 0;  // lateness of tick n against first + n periods
  double lateP99Ms = 0;
  double lateMaxMs = 0;
  double longestGapMs = 0;  // between two ticks in a row
};

// `at` holds each tick's time in nanoseconds, in order.
TickFigures tickFigures(const std::vector<std::int64_t>& at, double periodMs);

// The value below which a share `p` (0 to 1) of the sorted `values` lie,
// by nearest rank; 0 when there are none.
double nearestRank(const std::vector<double>& sorted, double p);

// "40.00 ticks/s over 59.98 s, lateness median ... ms, p99 ... ms, max ... ms,
// longest gap ... ms"
std::string describe(const TickFigures& f);

// With DRIFTWING_BENCH_GAPS set, lists each pause of more than `overMs`
// between two ticks in a row, and when it ended.
void listGaps(const std::vector<std::int64_t>& at, double overMs);

}  // namespace bench
