// What a hostile or broken peer writes to the network race, for the tests
// that flood it: the same bytes whether they come as one arrival or over
// real TCP.
#pragma once

#include <cstddef>
#include <random>
#include <string>

namespace test {

// Blocks of 64 bytes: a missile, two "faster" and a "slower" that cancel out,
// and thirty steers left and back. Each message acting once leaves the other
// car as it was, with one missile a block.
inline constexpr std::size_t kFloodBlock = 64;
inline std::string missileFlood(std::size_t bytes) {
  std::string block = "fbbe";
  for (int i = 0; i < 30; ++i) block += "cd";
  std::string flood;
  flood.reserve(bytes);
  while (flood.size() + kFloodBlock <= bytes) flood += block;
  return flood;
}

// Random bytes, but no name, chat or goodbye, which would end an arrival
// early or close the race: a missile in their place.
inline std::string junk(std::size_t bytes, unsigned seed) {
  std::mt19937 random(seed);
  std::string junk(bytes, '\0');
  for (char& c : junk) {
    c = static_cast<char>(random());
    if (c == '2' || c == '5' || c == '4') c = 'f';
  }
  return junk;
}

}  // namespace test
