#include "net/big5.h"

#include <iconv.h>

#include <array>
#include <cstdint>

namespace net {

namespace {

// One character as UTF-8, at most three bytes for anything Big5 holds.
struct Glyph {
  std::array<char, 4> bytes{'?'};
  std::uint8_t size = 1;
};

struct Big5Table {
  std::array<Glyph, 256> single;       // a byte read on its own
  std::array<bool, 256> lead{};        // starts a two-byte character
  std::array<bool, 256> plain{};       // reads as itself (ASCII)
  std::array<Glyph, 128 * 256> pairs;  // a lead byte from 0x80 on, and the byte after it

  Big5Table() {
    iconv_t cd = iconv_open("UTF-8", "BIG5");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
      plain.fill(true);  // without Big5 the bytes are passed on unread
      return;
    }
    for (int b = 0; b < 256; ++b) {
      const char one[1] = {static_cast<char>(b)};
      single[b] = read(cd, one, 1);
      // A byte from 0x81 on that does not read alone takes the next one with it.
      lead[b] = b >= 0x81 && single[b].size == 1 && single[b].bytes[0] == '?';
      plain[b] = single[b].size == 1 && single[b].bytes[0] == one[0];
      if (!lead[b]) continue;
      for (int t = 0; t < 256; ++t) {
        const char two[2] = {static_cast<char>(b), static_cast<char>(t)};
        pairs[(b - 0x80) * 256 + t] = read(cd, two, 2);
      }
    }
    iconv_close(cd);
  }

  // The one character `size` bytes make, or "?" if they are not one.
  static Glyph read(iconv_t cd, const char* in, std::size_t size) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in);
    std::size_t left = size;
    Glyph g;
    char* dst = g.bytes.data();
    std::size_t room = g.bytes.size();
    if (iconv(cd, &src, &left, &dst, &room) == static_cast<std::size_t>(-1) || left != 0 ||
        dst == g.bytes.data())
      return Glyph{};
    g.size = static_cast<std::uint8_t>(dst - g.bytes.data());
    return g;
  }
};

const Big5Table& table() {
  static const Big5Table t;
  return t;
}

}  // namespace

std::string fromBig5(std::string_view bytes) {
  const Big5Table& t = table();
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  const std::size_t n = bytes.size();
  for (std::size_t i = 0; i < n;) {
    // Codes and ASCII text, the bulk of what arrives, are copied as they are.
    std::size_t run = i;
    while (run < n && t.plain[static_cast<unsigned char>(bytes[run])]) ++run;
    out.append(bytes.substr(i, run - i));
    i = run;
    if (i == n) break;
    const auto b = static_cast<unsigned char>(bytes[i]);
    const Glyph* g = &t.single[b];
    if (t.lead[b] && i + 1 < n) {
      g = &t.pairs[(b - 0x80) * 256 + static_cast<unsigned char>(bytes[i + 1])];
      i += 2;
    } else {
      i += 1;
    }
    out.append(g->bytes.data(), g->size);
  }
  return out;
}

}  // namespace net
