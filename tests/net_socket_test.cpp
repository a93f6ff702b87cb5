// The network race's socket on real TCP, on 127.0.0.1 only: on its own, and
// under the race screen as the game hosts it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "frontend/game.h"
#include "net/net_state.h"
#include "net/protocol.h"
#include "net/race_screen.h"
#include "platform/net/qt_socket.h"
#include "tests/support/peer_floods.h"
#include "ui/virtual/session.h"

namespace {

// Runs the event loop until `done`, for `ms` at the most.
bool until(const std::function<bool()>& done, int ms) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  return done();
}

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

TEST_F(SocketTest, APeerThatReadsNothingIsNotSentMoreThanABoundedBacklog) {
  join();
  guest.setEvents(nullptr);  // the guest never reads
  const std::string line(64 * 1024, 'b');
  for (int i = 0; i < 1024; ++i) {  // 64 MiB, more than the system holds for the guest
    host.sendData(line);
    QCoreApplication::processEvents();
    ASSERT_LE(host.unsent(), platform::QtSocket::kMostUnsent + static_cast<qint64>(line.size()));
  }
  EXPECT_GT(host.unsent(), 0) << "the guest's side is full";
  EXPECT_EQ(host.state(), net::SocketState::Connected);
}

// ---- the race screen hosting on the race's port --------------------------------------------

// The race's own socket, noting every read it hands over.
class TappedSocket : public platform::QtSocket {
 public:
  explicit TappedSocket(std::vector<std::string>& reads) : reads_(reads) {}
  std::string getData() override {
    std::string got = QtSocket::getData();
    if (!got.empty()) reads_.push_back(got);
    return got;
  }

 private:
  std::vector<std::string>& reads_;
};

class RaceOverTcpTest : public ::testing::Test {
 protected:
  RaceOverTcpTest() : game(frontend::addWindows) {
    game.program().module<net::NetState>().makeSocket = [this] {
      return std::make_unique<TappedSocket>(reads);
    };
    game.start("Form1");
    game.program().show(race(), ui::ShowMode::Modal);
  }
  net::RaceScreen& race() { return static_cast<net::RaceScreen&>(game.program().window("Form5")); }
  // Hosts through the dialog, as a player does, and lets the guest in.
  void host() {
    game.click("Com1", 3);
    game.click("Command1");
    guest.RemoteHost = "127.0.0.1";
    guest.RemotePort = net::kPort;
    guest.connect();
    ASSERT_TRUE(
        until([&] { return race().isConnected() && guest.state() == net::SocketState::Connected; },
              5000));
  }
  // The guest writes `bytes` at once; the race reads them all.
  void flood(const std::string& bytes) {
    guest.sendData(bytes);
    ASSERT_TRUE(until([&] { return joined().size() >= bytes.size(); }, 60000));
  }
  std::string joined() const {
    std::string all;
    for (const std::string& r : reads) all += r;
    return all;
  }
  std::size_t longestRead() const {
    std::size_t most = 0;
    for (const std::string& r : reads) most = std::max(most, r.size());
    return most;
  }

  std::vector<std::string> reads;
  ui::VirtualSession game;
  platform::QtSocket guest;
};

TEST_F(RaceOverTcpTest, FourMebibytesWrittenAtOnceActOnceEachInOrder) {
  ASSERT_NO_FATAL_FAILURE(host());
  race().player(net::kPeer).speed = 100;
  const float left = race().el("car2", 0).Left;
  const std::string bytes = test::missileFlood(4 << 20) + "b";
  game.waves.clear();
  ASSERT_NO_FATAL_FAILURE(flood(bytes));
  EXPECT_TRUE(joined() == bytes) << "every byte read once, in order";
  EXPECT_GT(reads.size(), 1u) << "over several turns of the event loop";
  EXPECT_LE(longestRead(), static_cast<std::size_t>(platform::QtSocket::kReadChunk));
  EXPECT_EQ(game.waves.size(), std::size_t{(4 << 20) / test::kFloodBlock});
  EXPECT_EQ(race().player(net::kPeer).speed, 150) << "the last message too";
  EXPECT_EQ(race().el("car2", 0).Left, left);
}

// Junk at the rate the guest can write it: each read acts once a message,
// and neither the socket nor the screen holds more than a read of it.
TEST_F(RaceOverTcpTest, JunkActsOnceAMessageAndIsHeldARead) {
  ASSERT_NO_FATAL_FAILURE(host());
  const std::string bytes = test::junk(8 << 20, 5238);
  game.waves.clear();
  std::size_t mostHeld = 0;
  guest.sendData(bytes);
  ASSERT_TRUE(until(
      [&] {
        mostHeld = std::max(mostHeld, race().unreadBytes());
        return joined().size() >= bytes.size();
      },
      60000));
  EXPECT_TRUE(joined() == bytes) << "every byte read once, in order";
  EXPECT_LE(longestRead(), static_cast<std::size_t>(platform::QtSocket::kReadChunk));
  EXPECT_EQ(mostHeld, 0u);
  std::size_t missiles = 0;
  for (const std::string& r : reads) {
    const std::string read = net::fromWire(r);
    missiles += static_cast<std::size_t>(std::count(read.begin(), read.end(), 'f'));
  }
  EXPECT_EQ(game.waves.size(), missiles) << "one missile for each missile message read";
  EXPECT_TRUE(race().loaded());
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
