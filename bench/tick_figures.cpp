#include "bench/tick_figures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace bench {

double nearestRank(const std::vector<double>& sorted, double p) {
  if (sorted.empty()) return 0;
  const double rank = std::ceil(p * static_cast<double>(sorted.size()));
  const std::size_t i = rank < 1 ? 0 : static_cast<std::size_t>(rank) - 1;
  return sorted[std::min(i, sorted.size() - 1)];
}

TickFigures tickFigures(const std::vector<std::int64_t>& at, double periodMs) {
  TickFigures f;
  f.ticks = at.size();
  if (at.empty()) return f;
  const double periodNs = periodMs * 1e6;
  std::vector<double> late;
  late.reserve(at.size());
  for (std::size_t n = 0; n < at.size(); ++n) {
    const double due = static_cast<double>(at.front()) + periodNs * static_cast<double>(n);
    late.push_back((static_cast<double>(at[n]) - due) / 1e6);
    if (n > 0)
      f.longestGapMs = std::max(f.longestGapMs, static_cast<double>(at[n] - at[n - 1]) / 1e6);
  }
  f.spanMs = static_cast<double>(at.back() - at.front()) / 1e6;
  if (f.spanMs > 0) f.perSecond = static_cast<double>(at.size() - 1) / (f.spanMs / 1e3);
  std::sort(late.begin(), late.end());
  f.lateMedianMs = nearestRank(late, 0.5);
  f.lateP99Ms = nearestRank(late, 0.99);
  f.lateMaxMs = late.back();
  return f;
}

std::string describe(const TickFigures& f) {
  char line[256];
  std::snprintf(line, sizeof line,
                "%.3f ticks/s over %.2f s (%zu ticks), lateness median %.2f ms, p99 %.2f ms, "
                "max %.2f ms, longest gap %.2f ms",
                f.perSecond, f.spanMs / 1e3, f.ticks, f.lateMedianMs, f.lateP99Ms, f.lateMaxMs,
                f.longestGapMs);
  return line;
}

void listGaps(const std::vector<std::int64_t>& at, double overMs) {
  if (std::getenv("DRIFTWING_BENCH_GAPS") == nullptr) return;
  for (std::size_t n = 1; n < at.size(); ++n)
    if (static_cast<double>(at[n] - at[n - 1]) > overMs * 1e6)
      std::printf("gap before tick %zu at %.0f ms: %.1f ms\n", n, static_cast<double>(at[n]) / 1e6,
                  static_cast<double>(at[n] - at[n - 1]) / 1e6);
}

}  // namespace bench
