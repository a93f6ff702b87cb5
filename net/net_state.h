// Where the network race's sockets come from: Qt Network on the desktop, an
// in-memory network on the virtual clock, none until a driver says.
#pragma once

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
  explicit NetState(ui::Program&) {}

  // Makes the sockets of the race screen.
  std::function<std::unique_ptr<Socket>()> makeSocket = [] { return std::make_unique<NoSocket>(); };
};

}  // namespace net
