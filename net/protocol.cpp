#include "net/protocol.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "net/big5.h"

namespace net {

namespace {

// The speed ladder: a broadcast sends a rung's code, `repeats` times, while
// the speed is strictly within `reach` of it; a car going backwards reads as
// standing. No two rungs overlap.
struct Rung {
  Code code;
  std::int16_t speed;
  int reach;
  int repeats;
};
constexpr Rung kLadder[] = {
    {Code::Speed0, 0, 11, 1},     {Code::Speed50, 50, 25, 2},   {Code::Speed100, 100, 25, 2},
    {Code::Speed150, 150, 25, 2}, {Code::Speed200, 200, 25, 2}, {Code::Speed250, 250, 25, 2},
    {Code::Speed300, 300, 25, 2}, {Code::Speed350, 350, 25, 2}, {Code::Speed400, 400, 10, 1},
    {Code::Speed450, 450, 10, 2}, {Code::Speed500, 500, 10, 2}, {Code::Speed550, 550, 1, 2}};

// The lanes across the road: a broadcast sends a lane's code twice while the
// car's Left is strictly within `reach` of its centre; the receiver puts the
// other car at `placed`. No two lanes overlap.
struct Lane {
  Code code;
  float centre;
  float reach;
  float placed;
};
constexpr Lane kLanes[] = {{Code::Lane0, 0, 200, 50},         {Code::Lane400, 400, 200, 400},
                           {Code::Lane800, 800, 200, 800},    {Code::Lane1300, 1300, 200, 1300},
                           {Code::Lane1800, 1800, 200, 1800}, {Code::Lane2100, 2100, 100, 2100},
                           {Code::Lane2400, 2400, 200, 2400}, {Code::Lane2800, 2800, 200, 2600}};

void add(std::vector<std::string>& out, Code code, int times) {
  for (int i = 0; i < times; ++i) out.push_back(encode(code));
}

// Writes UTF-8 text as Big5, one character Big5 lacks (or one bad UTF-8
// sequence) at a time becoming "?".
std::string toBig5(const std::string& in) {
  iconv_t cd = iconv_open("BIG5", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return in;
  std::string out;
  char buf[256];
  char* src = const_cast<char*>(in.data());
  std::size_t left = in.size();
  while (left > 0) {
    char* dst = buf;
    std::size_t room = sizeof buf;
    const std::size_t r = iconv(cd, &src, &left, &dst, &room);
    out.append(buf, static_cast<std::size_t>(dst - buf));
    if (r != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL: skip the bad character (a whole UTF-8 sequence) and
    // write a question mark for it.
    const auto c = static_cast<unsigned char>(*src);
    const std::size_t skip = std::min<std::size_t>(c >= 0xF0   ? 4
                                                   : c >= 0xE0 ? 3
                                                   : c >= 0xC0 ? 2
                                                               : 1,
                                                   left);
    src += skip;
    left -= skip;
    out += '?';
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string encode(Code code) { return std::string(1, static_cast<char>(code)); }

std::string encode(Code code, const std::string& text) { return encode(code) + text; }

std::vector<std::string> speedBroadcast(int speed) {
  std::vector<std::string> out;
  const int forward = std::max(speed, 0);
  for (const Rung& r : kLadder)
    if (std::abs(forward - r.speed) < r.reach) add(out, r.code, r.repeats);
  return out;
}

std::vector<std::string> positionBroadcast(float left) {
  std::vector<std::string> out;
  for (const Lane& l : kLanes)
    if (std::fabs(left - l.centre) < l.reach) add(out, l.code, 2);
  return out;
}

namespace {

// What each byte means as a speed or a lane, looked up by the byte itself:
// a flood of codes reads at the pace of the bytes.
struct Meanings {
  std::array<std::optional<std::int16_t>, 256> speed;
  std::array<std::optional<float>, 256> left;
  Meanings() {
    for (const Rung& r : kLadder) speed[byte(r.code)] = r.speed;
    for (const Lane& l : kLanes) left[byte(l.code)] = l.placed;
  }
  static std::size_t byte(Code code) { return static_cast<unsigned char>(code); }
};

const Meanings& meanings() {
  static const Meanings m;
  return m;
}

}  // namespace

std::optional<std::int16_t> speedOfCode(Code code) {
  return meanings().speed[Meanings::byte(code)];
}

std::optional<float> leftOfCode(Code code) { return meanings().left[Meanings::byte(code)]; }

bool ArrivalReader::next(Code& code, std::string_view& text) {
  if (rest_.empty()) return false;
  code = static_cast<Code>(rest_.front());
  rest_.remove_prefix(1);
  text = {};
  if (code == Code::Name || code == Code::Chat) text = std::exchange(rest_, {});
  return true;
}

std::vector<std::string> splitArrival(const std::string& arrival) {
  std::vector<std::string> out;
  ArrivalReader reader(arrival);
  Code code;
  std::string_view text;
  while (reader.next(code, text)) out.push_back(static_cast<char>(code) + std::string(text));
  return out;
}

std::vector<Message> readArrival(const std::string& arrival) {
  std::vector<Message> out;
  ArrivalReader reader(arrival);
  Code code;
  std::string_view text;
  while (reader.next(code, text)) out.push_back({code, std::string(text)});
  return out;
}

std::string toWire(const std::string& utf8) {
  const bool ascii = std::all_of(utf8.begin(), utf8.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  return ascii ? utf8 : toBig5(utf8);
}
std::string fromWire(const std::string& bytes) { return fromBig5(bytes); }

}  // namespace net
