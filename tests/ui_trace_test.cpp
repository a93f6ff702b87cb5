// The trace of a replay: the public format that tools and bug reports read.
// Every line of the recorded games in golden/ pins it down byte for byte;
// here, what they do not show.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/toy_windows.h"
#include "ui/json.h"
#include "ui/keys.h"
#include "ui/virtual/session.h"

namespace {

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) out.push_back(l);
  return out;
}

bool has(const std::string& line, const std::string& part) {
  return line.find(part) != std::string::npos;
}

TEST(JsonNumbers, SinglePrecisionValuesReadBackExactly) {
  std::string s;
  ui::appendJsonFloat(s, 840.0f);
  EXPECT_EQ(s, "840");
  s.clear();
  ui::appendJsonFloat(s, 11.25f);
  EXPECT_EQ(s, "11.25");
  s.clear();
  ui::appendJsonFloat(s, 0.1f);
  EXPECT_EQ(s, "0.1");
  s.clear();
  ui::appendJsonFloat(s, -10000.0f);
  EXPECT_EQ(s, "-10000");
}

TEST(JsonStrings, ControlCharactersAreEscapedAndUnicodeKept) {
  std::string s;
  ui::appendJsonString(s, "故事\r\n\"x\"\\\x01");
  EXPECT_EQ(s, "\"故事\\r\\n\\\"x\\\"\\\\\\u0001\"");
}

class TraceTest : public ::testing::Test {
 protected:
  std::int64_t clock = 0;
  std::ostringstream out;
};

TEST_F(TraceTest, ChangesToOtherWindowsAreListedWithTheHandler) {
  ui::VirtualSession game(clock, toy::addAll, ".", &out);
  game.start("Hub");
  game.click("Open");
  out.str("");
  game.keyDown(ui::vk::kSpace);  // the dialog closes; the hub's continuation writes "back"
  auto l = lines(out.str());
  ASSERT_EQ(l.size(), 2u);
  EXPECT_TRUE(has(l[0], R"("event": "unload", "window": "Dialog")"));
  EXPECT_TRUE(has(l[1], R"("event": "keydown", "window": "Dialog", "source": "Area", "code": 32)"));
  EXPECT_TRUE(has(l[1], R"("changed": {"Hub": {"vars": {"clicks": 1}, "elements": {)"));
  EXPECT_TRUE(has(l[1], R"("Status": {"Caption": "back")"));
}

}  // namespace
