// What the network race shares between its screen and its messages: the
// program-wide race variables, and where sockets come from (Qt Network on
// the desktop, an in-memory network on the virtual clock).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "net/socket.h"
#include "ui/program.h"

namespace net {

// A socket with no network behind it: it never connects, and drops what is
// sent. What a program gets until a driver provides real sockets.
class NoSocket : public Socket {
 public:
  void listen() override { state_ = SocketState::Listening; }
  void accept(int) override {}
  void connect() override { state_ = SocketState::Connecting; }
  void sendData(const std::string&) override {}
  std::string getData() override { return {}; }
  void close() override { state_ = SocketState::Closed; }
  SocketState state() const override { return state_; }
  std::string localIP() const override { return "127.0.0.1"; }

 private:
  SocketState state_ = SocketState::Closed;
};

class NetState : public ui::Module {
 public:
  explicit NetState(ui::Program& program) {
    auto& g = program.globals();
    g.add("netRole", netRole);
    g.add("mySpeed", mySpeed);
    g.add("peerSpeed", peerSpeed);
    g.add("myTurbo", myTurbo);
    g.add("peerTurbo", peerTurbo);
    g.add("myDistance", myDistance);
    g.add("peerDistance", peerDistance);
    g.add("raceTicks", raceTicks);
    g.add("c1Speed", c1Speed);
    g.add("c2Speed", c2Speed);
    g.add("countdown", countdown);
  }

  std::int16_t netRole = 1;  // 1 hosts, 2 joins
  std::int16_t mySpeed = 0, peerSpeed = 0;
  std::int16_t myTurbo = 200, peerTurbo = 200;
  std::int16_t myDistance = 0, peerDistance = 0;
  std::int16_t raceTicks = 0;
  std::int16_t c1Speed = 0, c2Speed = 0;
  std::int16_t countdown = 6;

  // Makes the sockets of the race screen.
  std::function<std::unique_ptr<Socket>()> makeSocket = [] { return std::make_unique<NoSocket>(); };
};

}  // namespace net
