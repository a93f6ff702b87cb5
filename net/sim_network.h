// A network for two instances of the game on one virtual clock: the one that
// listens on port 5238 and the one that connects (to any address) become
// connected; every send arrives a fixed latency later, and everything that
// reaches a socket at the same millisecond is one arrival, as merged reads
// are on a real network.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "net/socket.h"

namespace net {

class SimSocket;

class SimNetwork {
 public:
  SimNetwork(const std::int64_t& clock, int latency) : clock_(clock), latency_(latency) {}
  // A socket for instance 0 (A) or 1 (B).
  std::unique_ptr<Socket> socketFor(int instance);
  // The time of the next delivery, or -1.
  std::int64_t nextDelivery() const;
  // Hands an instance everything due for it at `now`.
  void deliver(std::int64_t now, int instance);

 private:
  friend class SimSocket;
  enum class Kind { Request, Connected, Data };
  struct Delivery {
    std::int64_t at;
    int to;
    Kind kind;
    std::string bytes;
    int request = 0;
  };
  void post(Delivery d) { queue_.push_back(std::move(d)); }

  const std::int64_t& clock_;
  int latency_;
  std::deque<Delivery> queue_;
  SimSocket* sockets_[2] = {nullptr, nullptr};
  int nextRequest_ = 1;
};

}  // namespace net
