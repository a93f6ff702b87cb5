// The network race's messages: what a run of each broadcast sends, how the
// other side reads it, and text on the wire.
#include <gtest/gtest.h>

#include "net/protocol.h"

namespace {

using Msgs = std::vector<std::string>;

TEST(SpeedBroadcast, SendsTheCodeOfEveryBandItMatches) {
  EXPECT_EQ(net::speedBroadcast(0), (Msgs{"k"}));
  EXPECT_EQ(net::speedBroadcast(10), (Msgs{"k"}));
  EXPECT_EQ(net::speedBroadcast(50), (Msgs{"l", "l"}));
  EXPECT_EQ(net::speedBroadcast(74), (Msgs{"l", "l"}));
  EXPECT_EQ(net::speedBroadcast(75), (Msgs{})) << "bands are strict";
  EXPECT_EQ(net::speedBroadcast(350), (Msgs{"g", "g"}));
  EXPECT_EQ(net::speedBroadcast(400), (Msgs{"h"})) << "400 is sent once";
  EXPECT_EQ(net::speedBroadcast(450), (Msgs{"0", "0"}));
  EXPECT_EQ(net::speedBroadcast(500), (Msgs{"=", "="}));
  EXPECT_EQ(net::speedBroadcast(550), (Msgs{"3", "3"}));
  EXPECT_EQ(net::speedBroadcast(560), (Msgs{})) << "turbo speed falls in no band";
}

TEST(PositionBroadcast, SendsTwiceForTheLaneItIsIn) {
  EXPECT_EQ(net::positionBroadcast(2700), (Msgs{"s", "s"}));
  EXPECT_EQ(net::positionBroadcast(120), (Msgs{"z", "z"}));
  EXPECT_EQ(net::positionBroadcast(1050), (Msgs{})) << "between the lanes";
  EXPECT_EQ(net::positionBroadcast(2150), (Msgs{"u", "u"}));
  EXPECT_EQ(net::positionBroadcast(2200), (Msgs{})) << "2200 is outside both neighbours";
}

TEST(Codes, ReadBackAsSpeedsAndPlaces) {
  EXPECT_EQ(net::speedOfCode(net::Code{'k'}), 0);
  EXPECT_EQ(net::speedOfCode(net::Code{'g'}), 350);
  EXPECT_EQ(net::speedOfCode(net::Code{'h'}), 400);
  EXPECT_EQ(net::speedOfCode(net::Code{'0'}), 450);
  EXPECT_EQ(net::speedOfCode(net::Code{'='}), 500);
  EXPECT_EQ(net::speedOfCode(net::Code{'3'}), 550);
  EXPECT_FALSE(net::speedOfCode(net::Code{'b'}));
  EXPECT_EQ(net::leftOfCode(net::Code{'s'}), 2600) << "the right lane is placed at 2600, not 2800";
  EXPECT_EQ(net::leftOfCode(net::Code{'z'}), 50);
  EXPECT_FALSE(net::leftOfCode(net::Code{'a'}));
  for (int speed = 0; speed <= 550; speed += 50)
    for (const auto& m : net::speedBroadcast(speed))
      EXPECT_EQ(net::speedOfCode(net::Code{m[0]}), speed);
}

TEST(Arrivals, EveryMessageInAMergedReadCounts) {
  EXPECT_EQ(net::splitArrival("bb"), (Msgs{"b", "b"}));
  EXPECT_EQ(net::splitArrival("ll=8"), (Msgs{"l", "l", "=", "8"}));
  EXPECT_EQ(net::splitArrival("b52P : Mei"), (Msgs{"b", "52P : Mei"}))
      << "a chat payload runs to the end of the arrival";
  EXPECT_EQ(net::splitArrival(""), (Msgs{}));
  EXPECT_EQ(net::splitArrival("2"), (Msgs{"2"}));
}

TEST(Wire, ChineseTravelsAsBig5AndBack) {
  const std::string name = "1P : 小明";
  const std::string wire = net::toWire(name);
  EXPECT_EQ(wire.size(), 9u) << "ASCII stays, each Chinese character takes two bytes";
  EXPECT_EQ(net::fromWire(wire), name);
}

TEST(Wire, WhatBig5LacksBecomesAQuestionMark) {
  EXPECT_EQ(net::toWire("a🏁b"), "a?b");
  EXPECT_EQ(net::fromWire(std::string("a\xff\xfe"
                                      "b",
                                      4)),
            "a?b");
  EXPECT_EQ(net::fromWire(std::string("\xa4", 1)), "?") << "half a character at the end";
  std::string noise;
  for (int i = 0; i < 5000; ++i) noise += static_cast<char>((i * 37 + 11) & 0xFF);
  EXPECT_FALSE(net::fromWire(noise).empty());
}

}  // namespace
