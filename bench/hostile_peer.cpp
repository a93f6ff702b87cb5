#include "bench/hostile_peer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
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
#include "net/net_state.h"
#include "net/protocol.h"
#include "net/race_screen.h"
#include "platform/net/qt_socket.h"
#include "platform/qt/qt_driver.h"
#include "platform/sdl/sdl_media.h"
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

std::int64_t threadCpuNs() {
  timespec t{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// The game's own driver, noting when it runs a tick of the race screen's
// timers: the real timer, in the process that reads the socket.
class TickWatch : public platform::qt::QtDriver {
 public:
  using QtDriver::QtDriver;
  void eventStarted(const ui::Happening& h) override {
    if (h.kind == "tick" && h.window == race && clock.isValid()) {
      const std::int64_t now = clock.nsecsElapsed();
      // Timers due together run in one turn: one tick of the game's timer.
      if (at.empty() || now - at.back() > 1'000'000) at.push_back(now);
      if (h.source == "Timer1") ++raceTicks;
    }
    QtDriver::eventStarted(h);
  }
  void eventFinished(const ui::Happening& h) override {
    QtDriver::eventFinished(h);
    if (h.kind != "data" || h.window != race || arrivalStart < 0) return;
    longestArrival = std::max<std::int64_t>(longestArrival, clock.nsecsElapsed() - arrivalStart);
    longestArrivalCpu = std::max<std::int64_t>(longestArrivalCpu, threadCpuNs() - arrivalCpuStart);
    arrivalStart = -1;
    ++arrivals;
  }
  const ui::Window* race = nullptr;
  QElapsedTimer clock;
  std::vector<std::int64_t> at;  // nanoseconds since the flood began
  long raceTicks = 0;
  // The longest time one arrival took, from the race reading it off the
  // socket to the windows brought up to date after it.
  std::int64_t arrivalStart = -1, longestArrival = 0;
  // The same on this thread's CPU clock: the handling's own cost, without
  // the time the machine gave to other programs meanwhile.
  std::int64_t arrivalCpuStart = 0, longestArrivalCpu = 0;
  long arrivals = 0;
};

// The race's socket, noting when the race starts to read an arrival.
class TimedSocket : public platform::QtSocket {
 public:
  explicit TimedSocket(TickWatch& watch) : watch_(watch) {}
  std::string getData() override {
    if (watch_.clock.isValid()) {
      watch_.arrivalStart = watch_.clock.nsecsElapsed();
      watch_.arrivalCpuStart = threadCpuNs();
    }
    return QtSocket::getData();
  }

 private:
  TickWatch& watch_;
};

}  // namespace

void hostilePeerFigures(int junkSeconds) {
  if (!portFree()) {
    std::printf("(h) hostile peer: port %d is taken by another program\n", net::kPort);
    return;
  }
  TickWatch driver(1);
  // The game's sound: every missile of the flood asks for its wave.
  platform::SdlMedia media(QCoreApplication::applicationDirPath().toStdString());
  NoShell shell;
  ui::Program program(driver, media, shell, QCoreApplication::applicationDirPath().toStdString());
  driver.attach(program);
  frontend::addWindows(program);
  program.module<net::NetState>().makeSocket = [&driver] {
    return std::make_unique<TimedSocket>(driver);
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

  // The race screen's timers run while it is open (its standings every
  // 15 ms; its race tick every 25 ms once a race is on): any pause in handling
  // an arrival holds them back.
  driver.race = &race;
  driver.clock.start();

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
  driver.race = nullptr;
  if (!connected || go < 0) {
    std::printf(
        "(h) hostile peer: no race of ours took the call on 127.0.0.1:%d (is the port "
        "in use?)\n",
        net::kPort);
    return;
  }
  const TickFigures f = tickFigures(driver.at, 15.0);
  listGaps(driver.at, 37);
  std::printf(
      "(h) network race hosted on %d while a peer on 127.0.0.1 writes 4 MiB at once, then junk "
      "for %d s (%.1f MiB written), sound %s: longest gap between the race screen's ticks %.1f ms "
      "(%zu ticks in %.2f s, %ld of them the race tick); %ld arrivals, the longest handled in "
      "%.1f ms (%.1f ms of CPU at the most)\n",
      net::kPort, junkSeconds, static_cast<double>(written.load()) / (1 << 20),
      media.open() ? "on" : "off", f.longestGapMs, f.ticks, f.spanMs / 1e3, driver.raceTicks,
      driver.arrivals, static_cast<double>(driver.longestArrival) / 1e6,
      static_cast<double>(driver.longestArrivalCpu) / 1e6);
  std::fflush(stdout);
}

}  // namespace bench
