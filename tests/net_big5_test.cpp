// The table reading of Big5 reads every byte sequence as iconv read it, one
// bad character at a time becoming "?".
#include <gtest/gtest.h>
#include <iconv.h>

#include <random>
#include <string>

#include "net/big5.h"

namespace {

// The reading the game used before the table: iconv over the whole text,
// a bad character (one byte, or two from a lead byte) becoming "?".
std::string iconvReading(const std::string& in) {
  iconv_t cd = iconv_open("UTF-8", "BIG5");
  if (cd == reinterpret_cast<iconv_t>(-1)) return in;
  std::string out(in.size() * 4 + 4, '\0');
  char* src = const_cast<char*>(in.data());
  char* dst = out.data();
  std::size_t left = in.size(), room = out.size();
  while (iconv(cd, &src, &left, &dst, &room) == static_cast<std::size_t>(-1)) {
    const bool lead = static_cast<unsigned char>(*src) >= 0x81 && left >= 2;
    src += lead ? 2 : 1;
    left -= lead ? 2 : 1;
    *dst++ = '?';
    --room;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  out.resize(static_cast<std::size_t>(dst - out.data()));
  iconv_close(cd);
  return out;
}

TEST(Big5Reading, EveryOneAndTwoByteSequenceReadsAsIconvReadIt) {
  for (int a = 0; a < 256; ++a) {
    const std::string one(1, static_cast<char>(a));
    ASSERT_EQ(net::fromBig5(one), iconvReading(one)) << "byte " << a;
    for (int b = 0; b < 256; ++b) {
      const std::string two{static_cast<char>(a), static_cast<char>(b)};
      ASSERT_EQ(net::fromBig5(two), iconvReading(two)) << "bytes " << a << " " << b;
    }
  }
}

TEST(Big5Reading, NoiseAndTextReadAsIconvReadThem) {
  std::mt19937 random(14);
  std::uniform_int_distribution<int> byte(0, 255), length(0, 3000);
  for (int run = 0; run < 200; ++run) {
    std::string noise(static_cast<std::size_t>(length(random)), '\0');
    for (char& c : noise) c = static_cast<char>(byte(random));
    ASSERT_EQ(net::fromBig5(noise), iconvReading(noise)) << "run " << run;
  }
  // Chinese text between ASCII, longer than one step of the old reading.
  std::string text;
  for (int i = 0; i < 300; ++i) text += "1P : \xa4\x70\xa9\xfa\xb3\x74";
  EXPECT_EQ(net::fromBig5(text), iconvReading(text));
}

}  // namespace
