// A TCP endpoint as the network race uses it: listen and accept, or
// connect; send a string as one write; read what has arrived with its byte
// count; close. Events come on the game's one thread.
#pragma once

#include <string>

namespace net {

enum class SocketState { Closed, Listening, Connecting, Connected };

class SocketEvents {
 public:
  virtual ~SocketEvents() = default;
  virtual void connectionRequest(int requestId) = 0;
  virtual void connected() = 0;
  virtual void dataArrival(int bytesTotal) = 0;
};

class Socket {
 public:
  virtual ~Socket() = default;
  void setEvents(SocketEvents* events) { events_ = events; }

  int LocalPort = 0;
  std::string RemoteHost;
  int RemotePort = 0;

  virtual void listen() = 0;
  // Takes the connection of a request in place of any current one.
  virtual void accept(int requestId) = 0;
  virtual void connect() = 0;
  // One write; without a connection the text is dropped.
  virtual void sendData(const std::string& bytes) = 0;
  // Everything that has arrived and not been read yet.
  virtual std::string getData() = 0;
  virtual void close() = 0;
  virtual SocketState state() const = 0;
  // This machine's own address, as a player would type it on the other one.
  virtual std::string localIP() const = 0;

 protected:
  SocketEvents* events_ = nullptr;
};

}  // namespace net
