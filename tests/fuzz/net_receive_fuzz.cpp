// Feeds any bytes to the network race as if a peer had sent them: arrivals
// of any size and content, between ticks of the race. Built with clang's
// libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "frontend/game.h"
#include "net/net_state.h"
#include "net/race_screen.h"
#include "ui/virtual/session.h"

namespace {

// A connected socket whose arrivals come from the fuzzer.
class FuzzSocket : public net::Socket {
 public:
  void listen() override { state_ = net::SocketState::Listening; }
  void accept(int) override { state_ = net::SocketState::Connected; }
  void connect() override { state_ = net::SocketState::Connected; }
  void sendData(const std::string&) override {}
  std::string getData() override { return std::exchange(inbox, std::string()); }
  void close() override { state_ = net::SocketState::Closed; }
  net::SocketState state() const override { return state_; }
  std::string localIP() const override { return "127.0.0.1"; }
  std::string inbox;

 private:
  net::SocketState state_ = net::SocketState::Closed;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ui::VirtualSession game(frontend::addWindows);
  FuzzSocket* socket = nullptr;
  game.program().module<net::NetState>().makeSocket = [&socket] {
    auto s = std::make_unique<FuzzSocket>();
    socket = s.get();
    return s;
  };
  game.start("Form5");
  auto& race = static_cast<net::RaceScreen&>(game.front());
  race.socket().listen();
  race.connectionRequest(1);
  // The input is cut into arrivals at each 0xFF byte; ticks run between them.
  std::size_t start = 0;
  for (std::size_t i = 0; i <= size; ++i) {
    if (i < size && data[i] != 0xFF) continue;
    if (!race.loaded() || socket == nullptr) break;
    socket->inbox.assign(reinterpret_cast<const char*>(data + start), i - start);
    race.dataArrival(static_cast<int>(i - start));
    game.advance(25);
    start = i + 1;
  }
  return 0;
}
