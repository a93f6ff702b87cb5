#include "net/protocol.h"

#include <iconv.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace net {

namespace {

struct Band {
  int centre;
  int reach;  // strictly within
  char code;
  int repeats;
};

// The speed ladder, in the order a run tests it.
const Band kSpeeds[] = {{50, 25, 'l', 2},  {100, 25, 'm', 2}, {150, 25, 'n', 2}, {200, 25, 'o', 2},
                        {250, 25, 'p', 2}, {300, 25, 'q', 2}, {350, 25, 'g', 2}, {450, 10, '0', 2},
                        {400, 10, 'h', 1}, {500, 10, '=', 2}};

struct Lane {
  float centre;
  float reach;
  char code;
  float placed;  // where the receiver puts the other car
};
const Lane kLanes[] = {{0, 200, 'z', 50},      {400, 200, 'y', 400},   {800, 200, 'x', 800},
                       {1300, 200, 'r', 1300}, {1800, 200, 'v', 1800}, {2100, 100, 'u', 2100},
                       {2400, 200, 't', 2400}, {2800, 200, 's', 2600}};

void add(std::vector<std::string>& out, char code, int times) {
  for (int i = 0; i < times; ++i) out.emplace_back(1, code);
}

// Converts between encodings, one unconvertible character at a time
// becoming "?".
std::string convert(const char* to, const char* from, const std::string& in, bool fromUtf8) {
  iconv_t cd = iconv_open(to, from);
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
    // EILSEQ or EINVAL: skip the bad character (a whole UTF-8 sequence, or
    // one or two bytes of Big5) and write a question mark for it.
    std::size_t skip = 1;
    if (fromUtf8) {
      const auto c = static_cast<unsigned char>(*src);
      skip = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    } else if (static_cast<unsigned char>(*src) >= 0x81 && left >= 2) {
      skip = 2;
    }
    skip = std::min(skip, left);
    src += skip;
    left -= skip;
    out += '?';
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::vector<std::string> speedBroadcast(int speed) {
  std::vector<std::string> out;
  if (speed < 11) add(out, 'k', 1);
  for (const Band& b : kSpeeds)
    if (std::abs(speed - b.centre) < b.reach) add(out, b.code, b.repeats);
  if (speed == 550) add(out, '3', 2);
  return out;
}

std::vector<std::string> positionBroadcast(float left) {
  std::vector<std::string> out;
  for (const Lane& l : kLanes)
    if (std::fabs(left - l.centre) < l.reach) add(out, l.code, 2);
  return out;
}

std::optional<std::int16_t> speedOfCode(char code) {
  const char* codes = "klmnopqgh0=";
  for (int i = 0; codes[i] != '\0'; ++i)
    if (codes[i] == code) return static_cast<std::int16_t>(50 * i);
  if (code == '3') return 550;
  return std::nullopt;
}

std::optional<float> leftOfCode(char code) {
  for (const Lane& l : kLanes)
    if (l.code == code) return l.placed;
  return std::nullopt;
}

std::vector<std::string> splitArrival(const std::string& arrival) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < arrival.size(); ++i) {
    if (arrival[i] == '2' || arrival[i] == '5') {
      out.push_back(arrival.substr(i));
      break;
    }
    out.emplace_back(1, arrival[i]);
  }
  return out;
}

std::string toWire(const std::string& utf8) { return convert("BIG5", "UTF-8", utf8, true); }
std::string fromWire(const std::string& bytes) { return convert("UTF-8", "BIG5", bytes, false); }

}  // namespace net
