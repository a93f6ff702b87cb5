#include "net/sim_network.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace net {

class SimSocket : public Socket {
 public:
  SimSocket(SimNetwork& net, int instance) : net_(net), me_(instance) { net_.sockets_[me_] = this; }
  ~SimSocket() override {
    if (net_.sockets_[me_] == this) net_.sockets_[me_] = nullptr;
  }

  void listen() override { state_ = SocketState::Listening; }

  void accept(int requestId) override {
    if (requestId != pendingRequest_) return;
    state_ = SocketState::Connected;
    peer_ = 1 - me_;
    if (SimSocket* other = net_.sockets_[peer_]; other != nullptr && other->connecting_) {
      other->connecting_ = false;
      net_.post({net_.clock_ + net_.latency_, peer_, SimNetwork::Kind::Connected, {}});
    }
  }

  void connect() override {
    state_ = SocketState::Connecting;
    connecting_ = true;
    SimSocket* other = net_.sockets_[1 - me_];
    // Without a listener the connection never comes.
    if (other == nullptr || other->state_ != SocketState::Listening) return;
    net_.post(
        {net_.clock_ + net_.latency_, 1 - me_, SimNetwork::Kind::Request, {}, net_.nextRequest_++});
  }

  void sendData(const std::string& bytes) override {
    if (state_ != SocketState::Connected) return;
    SimSocket* other = net_.sockets_[peer_];
    if (other == nullptr || other->state_ != SocketState::Connected) return;
    net_.post({net_.clock_ + net_.latency_, peer_, SimNetwork::Kind::Data, bytes});
  }

  std::string getData() override { return std::exchange(inbox_, std::string()); }

  void close() override {
    state_ = SocketState::Closed;
    connecting_ = false;
  }

  SocketState state() const override { return state_; }
  std::string localIP() const override { return me_ == 0 ? "10.52.38.1" : "10.52.38.2"; }

  void request(int id) {
    pendingRequest_ = id;
    if (events_ != nullptr) events_->connectionRequest(id);
  }
  void connected() {
    if (state_ != SocketState::Connecting) return;
    state_ = SocketState::Connected;
    peer_ = 1 - me_;
    if (events_ != nullptr) events_->connected();
  }
  void arrive(const std::string& bytes) {
    inbox_ += bytes;
    if (events_ != nullptr) events_->dataArrival(static_cast<int>(inbox_.size()));
  }

 private:
  SimNetwork& net_;
  int me_;
  int peer_ = -1;
  SocketState state_ = SocketState::Closed;
  bool connecting_ = false;
  int pendingRequest_ = 0;
  std::string inbox_;
};

std::unique_ptr<Socket> SimNetwork::socketFor(int instance) {
  return std::make_unique<SimSocket>(*this, instance);
}

std::int64_t SimNetwork::nextDelivery() const {
  std::int64_t best = -1;
  for (const Delivery& d : queue_)
    if (best < 0 || d.at < best) best = d.at;
  return best;
}

void SimNetwork::deliver(std::int64_t now, int instance) {
  std::string data;
  std::vector<Delivery> events;
  for (auto it = queue_.begin(); it != queue_.end();) {
    if (it->at <= now && it->to == instance) {
      if (it->kind == Kind::Data)
        data += it->bytes;
      else
        events.push_back(*it);
      it = queue_.erase(it);
    } else {
      ++it;
    }
  }
  SimSocket* s = sockets_[instance];
  if (s == nullptr) return;
  for (const Delivery& d : events) {
    if (d.kind == Kind::Request) s->request(d.request);
    if (d.kind == Kind::Connected) s->connected();
  }
  // Everything that reaches a socket at one millisecond is one arrival.
  if (!data.empty() && s->state() == SocketState::Connected) s->arrive(data);
}

}  // namespace net
