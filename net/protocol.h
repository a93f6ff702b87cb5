// The network race's messages: single-character codes, two of them ("2" and
// "5") with a text payload, sent with no header, length or terminator.
//
// This side acts on every message in an arrival, not only the first: single
// codes one by one, and a "2" or "5" payload running to the end of the
// arrival. A peer that acts on the first message only still understands us,
// and no key press is lost when the network merges several sends into one
// read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace net {

// The messages one run of the speed broadcast sends for this car's speed,
// in order, repeats included ("l", "l" for 50; "h" once for 400; nothing
// for 560).
std::vector<std::string> speedBroadcast(int mySpeed);
// The messages one run of the position broadcast sends for this car's Left.
std::vector<std::string> positionBroadcast(float left);

// The other car's speed a speed code stands for, if it is one.
std::optional<std::int16_t> speedOfCode(char code);
// Where a position code places the other car, if it is one.
std::optional<float> leftOfCode(char code);

// Cuts one arrival into the messages it holds.
std::vector<std::string> splitArrival(const std::string& arrival);

// Text on the wire is Big5, the code page the protocol was first spoken in.
// A character Big5 lacks becomes "?"; bytes that are not Big5 read as "?".
std::string toWire(const std::string& utf8);
std::string fromWire(const std::string& bytes);

}  // namespace net
