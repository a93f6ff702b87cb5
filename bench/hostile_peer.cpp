#include "bench/hostile_peer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "bench/bench_common.h"
#include "bench/tick_figures.h"
#include "frontend/game.h"
#include "media/media.h"
#include "net/net_state.h"
#include "net/protocol.h"
#include "net/race_screen.h"
#include "platform/net/qt_socket.h"
#include "platform/qt/qt_driver.h"
#include "ui/program.h"

namespace bench {
namespace {

bool sendAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The peer, on a thread of its own with plain blocking sockets so that its
// writing costs the host's event loop nothing. Counts what it wrote.
// `go` turns 1 once the host has taken the call, -1 when some other
// program answered on the port.
void flood(int junkSeconds, std::atomic<bool>& connected, std::atomic<int>& go,
           std::atomic<long long>& written, std::atomic<bool>& finished) {
  struct Finish {
    std::atomic<bool>& flag;
    ~Finish() { flag = true; }
  } finish{finished};
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  // A host that stops reading holds a write up for a second at the most.
  timeval patience{1, 0};
  if (fd >= 0) ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience);
  sockaddr_in host{};
  host.sin_family = AF_INET;
  host.sin_port = htons(static_cast<std::uint16_t>(net::kPort));
  host.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr*>(&host), sizeof host) != 0) {
    if (fd >= 0) ::close(fd);
    return;
  }
  connected = true;
  while (go == 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  if (go < 0) {
    ::close(fd);
    return;
  }
  // 4 MiB of speeds, lanes and keys, as a peer's race writes them, in one write.
  const std::string codes = "lmnzyxbcdbe";
  std::string burst;
  burst.reserve(4 << 20);
  while (burst.size() < (4u << 20)) burst += codes;
  burst.resize(4 << 20);
  if (sendAll(fd, burst)) written += static_cast<long long>(burst.size());
  std::mt19937 random(5238);
  std::string junk(64 << 10, '\0');
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(junkSeconds);
  while (std::chrono::steady_clock::now() < end) {
    // Any byte but the one that says the peer leaves, which would close the
    // race at once: the host keeps reading junk for the whole time.
    for (char& c : junk) {
      c = static_cast<char>(random());
      if (c == static_cast<char>(net::Code::Leave)) c = '#';
    }
    if (!sendAll(fd, junk)) break;
    written += static_cast<long long>(junk.size());
  }
  ::close(fd);
}

// False while another program listens on the race's port.
bool portFree() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return false;
  const int yes = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);  // as the game's server does
  sockaddr_in any{};
  any.sin_family = AF_INET;
  any.sin_port = htons(static_cast<std::uint16_t>(net::kPort));
  any.sin_addr.s_addr = htonl(INADDR_ANY);
  const bool free = ::bind(fd, reinterpret_cast<sockaddr*>(&any), sizeof any) == 0;
  ::close(fd);
  return free;
}

}  // namespace

void hostilePeerFigures(int junkSeconds) {
  if (!portFree()) {
    std::printf("(h) hostile peer: port %d is taken by another program\n", net::kPort);
    return;
  }
  platform::qt::QtDriver driver(1);
  media::SilentMedia media;
  NoShell shell;
  ui::Program program(driver, media, shell, QCoreApplication::applicationDirPath().toStdString());
  driver.attach(program);
  frontend::addWindows(program);
  program.module<net::NetState>().makeSocket = [] {
    return std::make_unique<platform::QtSocket>();
  };
  ui::Window& race = program.window("Form5");
  program.start(race);
  program.click(race, race.el("Com1", 3));  // connect again: the dialog
  ui::Window* dialog = program.front();
  if (dialog == nullptr || dialog == &race) {
    std::printf("(h) hostile peer: no connection dialog to host from\n");
    return;
  }
  program.click(*dialog, dialog->el("Command1"));  // host, on port 5238
  runFor(500);

  // A 25 ms tick beside the race's own: any pause in handling an arrival
  // holds it back just as it holds back the race's timers.
  QElapsedTimer clock;
  clock.start();
  std::vector<std::int64_t> at;
  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  QObject::connect(&tick, &QTimer::timeout, [&] { at.push_back(clock.nsecsElapsed()); });
  tick.start(25);

  std::atomic<bool> connected{false};
  std::atomic<long long> written{0};
  std::atomic<int> go{0};
  std::atomic<bool> finished{false};
  std::thread peer(flood, junkSeconds, std::ref(connected), std::ref(go), std::ref(written),
                   std::ref(finished));
  // The port may belong to another program running the game: flood only
  // this race.
  auto& host = static_cast<net::RaceScreen&>(race);
  QElapsedTimer wall;
  wall.start();
  while (!finished && !host.isConnected() && wall.elapsed() < 3000) runFor(20);
  go = host.isConnected() ? 1 : -1;
  wall.restart();
  while (!finished && wall.elapsed() < (junkSeconds + 60) * 1000LL) runFor(100);
  peer.join();
  runFor(500);  // what is still on its way in
  tick.stop();
  if (!connected || go < 0) {
    std::printf(
        "(h) hostile peer: no race of ours took the call on 127.0.0.1:%d (is the port "
        "in use?)\n",
        net::kPort);
    return;
  }
  const TickFigures f = tickFigures(at, 25.0);
  std::printf(
      "(h) network race hosted on %d while a peer on 127.0.0.1 writes 4 MiB at once, then junk "
      "for %d s (%.1f MiB written): longest gap between ticks %.1f ms; %s\n",
      net::kPort, junkSeconds, static_cast<double>(written.load()) / (1 << 20), f.longestGapMs,
      describe(f).c_str());
  std::fflush(stdout);
}

}  // namespace bench
