// The network race's messages: single-character codes, two of them (a
// player's name and a chat line) with a text payload, sent with no header,
// length or terminator.
//
// This side acts on every message in an arrival, not only the first: single
// codes one by one, and a name or chat payload running to the end of the
// arrival. A peer that acts on the first message only still understands us,
// and no key press is lost when the network merges several sends into one
// read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace net {

// The host listens here; the guest connects here.
constexpr int kPort = 5238;

enum class Code : char {
  // The sender's speed, one code a step of the speed ladder.
  Speed0 = 'k',
  Speed50 = 'l',
  Speed100 = 'm',
  Speed150 = 'n',
  Speed200 = 'o',
  Speed250 = 'p',
  Speed300 = 'q',
  Speed350 = 'g',
  Speed400 = 'h',
  Speed450 = '0',
  Speed500 = '=',
  Speed550 = '3',
  // Where the sender's car is across the road, one code a lane.
  Lane0 = 'z',
  Lane400 = 'y',
  Lane800 = 'x',
  Lane1300 = 'r',
  Lane1800 = 'v',
  Lane2100 = 'u',
  Lane2400 = 't',
  Lane2800 = 's',
  // The sender's keys, for the receiver to play on the sender's car.
  Turbo = 'a',
  Faster = 'b',
  SteerLeft = 'c',
  SteerRight = 'd',
  Slower = 'e',
  Missile = 'f',
  // Where the sender sees the cars: its own car ahead or behind (echoed
  // when both screens agree), far ahead or far behind (the receiver moves
  // the sender's car there), and the receiver's car stopped.
  Ahead = '8',
  Behind = '9',
  FarAhead = '1',
  FarBehind = '6',
  Halt = '7',
  // The result as the sender's screen decided it.
  WinClaim = 'w',
  LossClaim = '>',
  // A text follows, to the end of the arrival.
  Name = '2',
  Chat = '5',
  // The sender starts its race again; the receiver has no use for it and
  // takes it for Speed550.
  Restart = '3',
  // The sender leaves; the receiver's race screen closes.
  Leave = '4',
};

// One message: its code, and the text that follows a Name or Chat.
struct Message {
  Code code;
  std::string text;
};

std::string encode(Code code);
std::string encode(Code code, const std::string& text);

// The messages one run of the speed broadcast sends for this car's speed,
// in order, repeats included ("l", "l" for 50; "h" once for 400; nothing
// for 560).
std::vector<std::string> speedBroadcast(int mySpeed);
// The messages one run of the position broadcast sends for this car's Left.
std::vector<std::string> positionBroadcast(float left);

// The other car's speed a speed code stands for, if it is one.
std::optional<std::int16_t> speedOfCode(Code code);
// Where a position code places the other car, if it is one.
std::optional<float> leftOfCode(Code code);

// Cuts one arrival into the messages it holds.
std::vector<std::string> splitArrival(const std::string& arrival);
// The messages of one arrival, read.
std::vector<Message> readArrival(const std::string& arrival);

// Reads an arrival message by message, without copying it: each call gives
// the next message's code and the text after a Name or Chat (empty for the
// others), until the arrival is used up.
class ArrivalReader {
 public:
  explicit ArrivalReader(std::string_view arrival) : rest_(arrival) {}
  bool next(Code& code, std::string_view& text);

 private:
  std::string_view rest_;
};

// Text on the wire is Big5, the code page the protocol was first spoken in.
// A character Big5 lacks becomes "?"; bytes that are not Big5 read as "?".
// Codes are plain ASCII and travel as they are.
std::string toWire(const std::string& utf8);
std::string fromWire(const std::string& bytes);

}  // namespace net
