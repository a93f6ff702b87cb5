// Arithmetic on race state. The game keeps its counters in 16 bits; these
// helpers keep every operation defined when a player drives a value out of
// that range, and round fractions the one way the game rounds them.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace ui {

// Clamps any whole number into the 16-bit range.
constexpr std::int16_t sat16(long long v) {
  constexpr long long lo = std::numeric_limits<std::int16_t>::min();
  constexpr long long hi = std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(v < lo ? lo : (v > hi ? hi : v));
}

// Rounds to the nearest whole number, halves to the even neighbour
// (2.5 gives 2, 3.5 gives 4), saturated to 16 bits.
inline std::int16_t roundHalfEven16(double v) {
  if (std::isnan(v)) return 0;
  double r = std::floor(v);
  const double frac = v - r;
  if (frac > 0.5 || (frac == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
  if (r < -32768.0) return -32768;
  if (r > 32767.0) return 32767;
  return static_cast<std::int16_t>(r);
}

}  // namespace ui
