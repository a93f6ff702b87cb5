// The network race's socket on real TCP, on 127.0.0.1 only.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTcpSocket>
#include <QTest>
#include <memory>
#include <vector>

#include "net/protocol.h"
#include "platform/net/qt_socket.h"

namespace {

// Records the events of one socket.
struct Recorder : net::SocketEvents {
  std::vector<int> requests;
  int connects = 0;
  std::vector<int> arrivals;
  void connectionRequest(int id) override { requests.push_back(id); }
  void connected() override { ++connects; }
  void dataArrival(int bytes) override { arrivals.push_back(bytes); }
};

class SocketTest : public ::testing::Test {
 protected:
  // Each test has its own port, so tests may run side by side.
  void SetUp() override {
    static int next = 0;
    port = 52380 + (next++ % 100) +
           static_cast<int>(::testing::UnitTest::GetInstance()->random_seed() % 7) * 100;
    host.setEvents(&hostEvents);
    guest.setEvents(&guestEvents);
    host.LocalPort = port;
    host.listen();
  }
  // Connects the guest to the host the way the game does.
  void join() {
    guest.RemoteHost = "127.0.0.1";
    guest.RemotePort = port;
    const auto before = hostEvents.requests.size();
    guest.connect();
    QTRY_VERIFY_WITH_TIMEOUT(hostEvents.requests.size() > before, 5000);
    host.accept(hostEvents.requests.back());
    QTRY_VERIFY_WITH_TIMEOUT(guestEvents.connects == 1, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(host.state() == net::SocketState::Connected, 5000);
  }

  int port = 0;
  Recorder hostEvents, guestEvents;
  platform::QtSocket host, guest;
};

TEST_F(SocketTest, AGuestJoinsAndTheirNamesCross) {
  EXPECT_EQ(host.state(), net::SocketState::Listening);
  join();
  guest.sendData("2" + net::toWire("2P : 小明"));
  QTRY_VERIFY_WITH_TIMEOUT(!hostEvents.arrivals.empty(), 5000);
  EXPECT_EQ(hostEvents.arrivals.front(), 10);
  const std::string got = host.getData();
  EXPECT_EQ(net::fromWire(got.substr(1)), "2P : 小明");
  host.sendData("21P : Tarvos");
  QTRY_VERIFY_WITH_TIMEOUT(!guestEvents.arrivals.empty(), 5000);
  EXPECT_EQ(guest.getData(), "21P : Tarvos");
}

TEST_F(SocketTest, SendingWithoutAConnectionIsDropped) {
  guest.sendData("b");
  host.sendData("b");
  EXPECT_EQ(guest.getData(), "");
  EXPECT_EQ(guest.state(), net::SocketState::Closed);
}

TEST_F(SocketTest, ASecondRequestReplacesTheFirstConnection) {
  join();
  platform::QtSocket other;
  Recorder otherEvents;
  other.setEvents(&otherEvents);
  other.RemoteHost = "127.0.0.1";
  other.RemotePort = port;
  other.connect();
  QTRY_VERIFY_WITH_TIMEOUT(hostEvents.requests.size() == 2, 5000);
  host.accept(hostEvents.requests.back());
  QTRY_VERIFY_WITH_TIMEOUT(otherEvents.connects == 1, 5000);
  other.sendData("w");
  QTRY_VERIFY_WITH_TIMEOUT(!hostEvents.arrivals.empty(), 5000);
  EXPECT_EQ(host.getData(), "w");
  guest.sendData("b");  // the first guest's line is gone
  QTest::qWait(100);
  EXPECT_EQ(host.getData(), "");
}

TEST_F(SocketTest, AFloodOfConnectionsLeavesTheHostWorking) {
  // Waves of connections that never say anything, more than the host keeps.
  std::vector<std::unique_ptr<QTcpSocket>> flood;
  for (int wave = 1; wave <= 5; ++wave) {
    for (int i = 0; i < 40; ++i) {
      flood.push_back(std::make_unique<QTcpSocket>());
      flood.back()->connectToHost("127.0.0.1", static_cast<quint16>(port));
    }
    QTRY_VERIFY_WITH_TIMEOUT(hostEvents.requests.size() >= 40u * wave, 10000);
  }
  join();  // still there for the player who comes after the flood
  guest.sendData("k");
  QTRY_VERIFY_WITH_TIMEOUT(!hostEvents.arrivals.empty(), 5000);
  EXPECT_EQ(host.getData().back(), 'k');
}

TEST_F(SocketTest, APeerThatVanishesLeavesNothingToCrashOn) {
  join();
  guest.close();
  QTest::qWait(100);
  host.sendData("4");
  EXPECT_EQ(host.getData(), "");
  host.close();
  EXPECT_EQ(host.state(), net::SocketState::Closed);
}

TEST_F(SocketTest, AHugePayloadArrivesWhole) {
  join();
  const std::string chat = "5" + std::string(2 * 1024 * 1024, 'x');
  guest.sendData(chat);
  std::string got;
  QTRY_VERIFY_WITH_TIMEOUT((got += host.getData(), got.size() == chat.size()), 10000);
  EXPECT_EQ(got, chat);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
