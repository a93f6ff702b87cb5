// The network race's socket on Qt Network: a listening server that hands
// its pending connections over by request number, or an outgoing
// connection. Small writes leave at once (no Nagle delay), each on its own,
// up to a number a millisecond: a handler that answers thousands of
// messages sends the rest together when it returns, with one system call
// rather than thousands.
//
// However much a peer writes at once, what arrives is handed over a bounded
// read at a time, one read a turn of the event loop, with the timers' ticks
// between: as if TCP had delivered the same bytes in smaller segments.
#pragma once

#include <QObject>
#include <QPointer>
#include <chrono>
#include <map>

#include "net/socket.h"

class QTcpServer;
class QTcpSocket;

namespace platform {

class QtSocket : public QObject, public net::Socket {
 public:
  QtSocket();
  ~QtSocket() override;

  void listen() override;
  void accept(int requestId) override;
  void connect() override;
  void sendData(const std::string& bytes) override;
  std::string getData() override;
  void close() override;
  net::SocketState state() const override;
  std::string localIP() const override;

  // The most one read hands over, in bytes: small enough that the race
  // handles it well within one tick, even when every byte fires a missile.
  static constexpr qint64 kReadChunk = 16 * 1024;
  // A peer that reads nothing cannot make this side keep what it sends
  // without end: while more than this many bytes wait to leave, a send is
  // dropped.
  static constexpr qint64 kMostUnsent = 1 << 20;
  qint64 unsent() const;

 private:
  void adopt(QTcpSocket* socket);
  void dropConnection();

  QTcpServer* server_ = nullptr;
  QPointer<QTcpSocket> socket_;
  std::map<int, QPointer<QTcpSocket>> pending_;
  int nextRequest_ = 1;
  bool connecting_ = false;
  static constexpr int kFlushesAWindow = 64;
  static constexpr std::chrono::milliseconds kFlushWindow{1};
  std::chrono::steady_clock::time_point flushWindow_{};
  int flushesLeft_ = 0;
  bool flushPending_ = false;
};

}  // namespace platform
