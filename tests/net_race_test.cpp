// The network race screen on the virtual clock, with a socket that records
// what is sent and hands over what a test makes arrive. The handshake, the
// countdown and whole races between two players are the recorded net_*
// games; floods over real TCP are in net_socket_test.
#include <gtest/gtest.h>

#include <algorithm>

#include "frontend/game.h"
#include "net/net_state.h"
#include "net/protocol.h"
#include "net/race_screen.h"
#include "tests/support/peer_floods.h"
#include "ui/keys.h"
#include "ui/virtual/session.h"

namespace {

class FakeSocket : public net::Socket {
 public:
  void listen() override { state_ = net::SocketState::Listening; }
  void accept(int) override { state_ = net::SocketState::Connected; }
  void connect() override { state_ = net::SocketState::Connected; }
  // Like a real socket, it drops what is sent without a connection.
  void sendData(const std::string& bytes) override {
    if (state_ == net::SocketState::Connected) sent->push_back(net::fromWire(bytes));
  }
  std::string getData() override { return std::exchange(*inbox, std::string()); }
  void close() override { state_ = net::SocketState::Closed; }
  net::SocketState state() const override { return state_; }
  std::string localIP() const override { return "192.0.2.7"; }

  std::vector<std::string>* sent = nullptr;
  std::string* inbox = nullptr;

 private:
  net::SocketState state_ = net::SocketState::Closed;
};

class NetRaceTest : public ::testing::Test {
 protected:
  NetRaceTest() : game(frontend::addWindows) {
    game.program().module<net::NetState>().makeSocket = [this] {
      auto s = std::make_unique<FakeSocket>();
      s->sent = &sent;
      s->inbox = &inbox;
      return s;
    };
    game.start("Form1");
    game.program().show(race(), ui::ShowMode::Modal);
  }
  net::Player& me() { return race().player(net::kMe); }
  net::Player& peer() { return race().player(net::kPeer); }
  net::RaceScreen& race() { return static_cast<net::RaceScreen&>(game.program().window("Form5")); }
  ui::Element& el(const char* name, int index = -1) { return race().el(name, index); }
  // Something arrives from the other side, as one read.
  void arrive(const std::string& text) {
    inbox += net::toWire(text);
    race().dataArrival(static_cast<int>(inbox.size()));
  }
  // Hosts or joins through the dialog, then connects.
  void connect(bool host, const std::string& name = "Mei") {
    game.click("Com1", 3);
    ui::Window& dialog = game.program().window("Form4");
    ASSERT_EQ(game.program().front(), &dialog);
    if (!host) game.click("Option2");
    game.program().text(dialog, dialog.el("Text1"), name);
    game.click("Command1");
    if (host)
      race().connectionRequest(1);
    else
      race().connected();
  }
  int count(const std::string& m) {
    return static_cast<int>(std::count(sent.begin(), sent.end(), m));
  }
  // Runs the handshake and the countdown: the race is on, not yet ticked.
  void startRace() {
    connect(true);
    arrive("22P : Rin");
    game.advance(7000);
  }

  std::vector<std::string> sent;
  std::string inbox;
  ui::VirtualSession game;
};

TEST_F(NetRaceTest, TheHostWaitsAndTheGuestConnects) {
  game.click("Com1", 3);
  ui::Window& dialog = game.program().window("Form4");
  EXPECT_EQ(dialog.el("Text2").Text, "192.0.2.7");
  EXPECT_FALSE(el("Com1", 3).Visible);
  EXPECT_FALSE(el("Com1", 0).enabled());
  game.program().text(dialog, dialog.el("Text1"), "Mei");
  game.click("Command1");
  EXPECT_EQ(el("Label2", 0).Caption, "等待加入中");
  EXPECT_EQ(el("Label1", 1).Caption, "1P : Mei");
  EXPECT_EQ(race().socket().LocalPort, 5238);
  EXPECT_EQ(game.program().front(), &race());
  race().connectionRequest(4);
  EXPECT_EQ(el("Label2", 0).Caption, "已連線");
  EXPECT_TRUE(el("Com1", 0).enabled());
}

TEST_F(NetRaceTest, TheGuestSendsItsNameAndTheHostReplies) {
  connect(false, "Rin");
  EXPECT_EQ(el("car1", 0).Left, 2640) << "the guest's car starts on the right";
  EXPECT_EQ(race().socket().RemoteHost, "0.0.0.0");
  EXPECT_EQ(sent, std::vector<std::string>{"22P : Rin"});
  arrive("21P : Mei");
  EXPECT_EQ(el("Label1", 1).Caption, "1P : Mei");
  EXPECT_EQ(sent.size(), 1u) << "the guest does not reply";
  EXPECT_TRUE(el("Timer2").enabled());
}

// The dashboard tags the name that is this player's own, on either side,
// from the moment they host or join.
TEST_F(NetRaceTest, TheDashboardMarksTheGuestsOwnName) {
  EXPECT_EQ(race().backdrop(), "net-bg") << "nobody has hosted or joined yet";
  connect(false, "Rin");
  EXPECT_EQ(race().backdrop(), "net-bg-guest");
  arrive("21P : Mei");
  EXPECT_EQ(race().backdrop(), "net-bg-guest") << "the host's name arrives beside it";
}

TEST_F(NetRaceTest, TheDashboardMarksTheHostsOwnNameWhileItWaits) {
  game.click("Com1", 3);
  ui::Window& dialog = game.program().window("Form4");
  EXPECT_EQ(race().backdrop(), "net-bg") << "the dialog is still open";
  game.program().text(dialog, dialog.el("Text1"), "Mei");
  game.click("Command1");
  EXPECT_EQ(race().backdrop(), "net-bg-host");
}

TEST_F(NetRaceTest, EveryMessageOfAMergedReadCounts) {
  startRace();
  peer().speed = 100;
  arrive("bb");
  EXPECT_EQ(peer().speed, 200);
}

TEST_F(NetRaceTest, TurboMessagesCountTheOtherPlayersCharges) {
  startRace();
  peer().turbo = 0;
  peer().speed = 300;
  arrive("a");
  EXPECT_EQ(peer().speed, 300);
  peer().turbo = 200;
  arrive("a");
  EXPECT_EQ(peer().speed, 560);
  EXPECT_EQ(peer().turbo, 199);
}

TEST_F(NetRaceTest, BroadcastsSendTheLadderCodes) {
  startRace();
  sent.clear();
  me().speed = 400;
  el("car1", 0).Left = 2700;
  el("Timer1").setEnabled(false);  // keep the speed where it is
  game.advance(30);
  EXPECT_GE(count("h"), 1);
  EXPECT_GE(count("s"), 2);
}

TEST_F(NetRaceTest, ResultsArriveOnceAndOnlyOnce) {
  startRace();
  arrive("w");
  EXPECT_EQ(el("Label1", 5).Caption, "You loss!");
  EXPECT_TRUE(el("Label1", 5).Visible);
  EXPECT_FALSE(el("Timer1").enabled());
  EXPECT_EQ(me().distance, -10000);
  EXPECT_EQ(count(">"), 8) << "the claim is answered while the race ran";
  arrive(">");
  EXPECT_EQ(el("Label1", 5).Caption, "You loss!") << "a later claim changes nothing";
}

TEST_F(NetRaceTest, AheadReportsAreEchoedOnlyWhenBothAgree) {
  startRace();
  el("Timer1").setEnabled(false);
  el("car2", 0).Top = 1000;  // the other car ahead: this one is behind
  sent.clear();
  arrive("8");
  EXPECT_EQ(el("car2", 0).Top, 1000);
  EXPECT_EQ(count("8"), 0);
  arrive("9");
  EXPECT_EQ(el("car2", 0).Top, 2040) << "both behind: set level";
  EXPECT_EQ(count("9"), 1);
}

TEST_F(NetRaceTest, TheTickOverheatsAboveTurboSpeedOnly) {
  startRace();
  el("car2", 0).Top = 20000;
  me().speed = 560;
  game.advance(25);
  EXPECT_EQ(me().speed, 550);
  EXPECT_EQ(el("Label8").Caption, "極速 !!");
  me().speed = 610;
  sent.clear();
  game.advance(25);
  EXPECT_EQ(me().speed, 0);
  EXPECT_EQ(el("Label8").Caption, "OverHeat !!");
  EXPECT_GE(count("k"), 1);
  me().speed = 405;
  game.advance(25);
  EXPECT_EQ(me().speed, 400) << "405 snaps to 400";
}

// Leaving says goodbye, and the other side's goodbye in the middle of a
// race closes the screen.
TEST_F(NetRaceTest, LeavingTellsTheOtherSideAndFourMidRaceClosesTheScreen) {
  connect(true);
  sent.clear();
  game.click("Com1", 4);
  EXPECT_EQ(sent, std::vector<std::string>{"4"});
  EXPECT_FALSE(race().loaded());
  game.program().show(race(), ui::ShowMode::Modal);
  startRace();
  game.advance(500);
  ASSERT_TRUE(el("Timer1").enabled()) << "racing";
  arrive("4");
  EXPECT_FALSE(race().loaded()) << "the other side left";
}

TEST_F(NetRaceTest, AHugeChatLineIsShownCutToTheLabel) {
  startRace();
  arrive("5" + std::string(2'000'000, 'x'));
  EXPECT_EQ(el("Label1", 0).Caption, std::string(160, 'x'));
  arrive("5小明說了很長的話" + std::string(500, '!'));
  EXPECT_EQ(el("Label1", 0).Caption.rfind("小明說了很長的話", 0), 0u);
}

// What arrives for a closed screen waits for it, but a peer cannot fill the
// memory that way.
TEST_F(NetRaceTest, AClosedScreenKeepsABoundedPartOfWhatArrives) {
  connect(true);
  game.program().unload(race());
  ASSERT_FALSE(race().loaded());
  for (int i = 0; i < 64; ++i) {
    inbox = test::junk(1 << 20, 5238 + i);
    race().dataArrival(static_cast<int>(inbox.size()));
    ASSERT_LE(race().unreadBytes(), net::RaceScreen::kMostUnread);
  }
  EXPECT_EQ(race().unreadBytes(), net::RaceScreen::kMostUnread);
  game.program().show(race(), ui::ShowMode::Modal);
  race().dataArrival(0);
  EXPECT_EQ(race().unreadBytes(), 0u) << "handed to the screen once it opens";
}

TEST_F(NetRaceTest, AnyBytesFromThePeerAreHarmless) {
  startRace();
  std::string noise;
  for (int i = 0; i < 20000; ++i) noise += static_cast<char>((i * 131 + 7) & 0xFF);
  inbox = noise;
  race().dataArrival(static_cast<int>(noise.size()));
  game.advance(200);
  SUCCEED();
}

}  // namespace
