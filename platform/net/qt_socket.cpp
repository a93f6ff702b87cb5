#include "platform/net/qt_socket.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>

namespace platform {

namespace {
// Requests not taken are kept up to this many; a newer one pushes out the
// oldest, so a flood of connections can neither pile up nor shut out a
// player who joins after it.
constexpr std::size_t kMaxPending = 64;
}  // namespace

QtSocket::QtSocket() = default;

QtSocket::~QtSocket() { close(); }

void QtSocket::listen() {
  close();
  server_ = new QTcpServer(this);
  QObject::connect(server_, &QTcpServer::newConnection, this, [this] {
    while (server_ != nullptr && server_->hasPendingConnections()) {
      QTcpSocket* incoming = server_->nextPendingConnection();
      // A request nobody takes holds no more than one read of what it sends.
      incoming->setReadBufferSize(kReadChunk);
      if (pending_.size() >= kMaxPending) {
        auto oldest = pending_.begin();
        if (oldest->second) {
          oldest->second->disconnect(this);
          oldest->second->abort();
          oldest->second->deleteLater();
        }
        pending_.erase(oldest);
      }
      const int id = nextRequest_++;
      pending_[id] = incoming;
      // A request that goes away before it is taken is forgotten.
      QObject::connect(incoming, &QTcpSocket::disconnected, this, [this, id] {
        auto it = pending_.find(id);
        if (it == pending_.end()) return;
        if (it->second) it->second->deleteLater();
        pending_.erase(it);
      });
      if (events_ != nullptr) events_->connectionRequest(id);
    }
  });
  server_->listen(QHostAddress::Any, static_cast<quint16>(LocalPort));
}

void QtSocket::accept(int requestId) {
  auto it = pending_.find(requestId);
  if (it == pending_.end() || !it->second) return;
  QTcpSocket* s = it->second;
  pending_.erase(it);
  QObject::disconnect(s, &QTcpSocket::disconnected, this, nullptr);
  dropConnection();
  adopt(s);
}

void QtSocket::connect() {
  close();
  auto* s = new QTcpSocket(this);
  connecting_ = true;
  adopt(s);
  QObject::connect(s, &QTcpSocket::connected, this, [this] {
    connecting_ = false;
    if (socket_) socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    if (events_ != nullptr) events_->connected();
  });
  s->connectToHost(QString::fromStdString(RemoteHost), static_cast<quint16>(RemotePort));
}

void QtSocket::adopt(QTcpSocket* s) {
  socket_ = s;
  s->setParent(this);
  s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  // Qt reads no more from the system until this much has been taken; the
  // rest waits for a later turn of the event loop, and a peer that writes
  // faster than the race reads is held back by TCP itself.
  s->setReadBufferSize(kReadChunk);
  QObject::connect(s, &QTcpSocket::readyRead, this, [this, s] {
    if (socket_ != s) return;
    const auto waiting = s->bytesAvailable();
    if (waiting > 0 && events_ != nullptr)
      events_->dataArrival(static_cast<int>(std::min<qint64>(waiting, 1 << 30)));
  });
}

void QtSocket::sendData(const std::string& bytes) {
  if (!socket_ || socket_->state() != QAbstractSocket::ConnectedState) return;
  if (socket_->bytesToWrite() > kMostUnsent) return;
  socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
  const auto now = std::chrono::steady_clock::now();
  if (now - flushWindow_ > kFlushWindow) {
    flushWindow_ = now;
    flushesLeft_ = kFlushesAWindow;
  }
  if (flushesLeft_ > 0) {
    --flushesLeft_;
    socket_->flush();
    return;
  }
  // What is left leaves together once the running handler returns.
  if (flushPending_) return;
  flushPending_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        flushPending_ = false;
        if (socket_) socket_->flush();
      },
      Qt::QueuedConnection);
}

qint64 QtSocket::unsent() const { return socket_ ? socket_->bytesToWrite() : 0; }

std::string QtSocket::getData() {
  if (!socket_) return {};
  const QByteArray data = socket_->readAll();
  return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

void QtSocket::dropConnection() {
  if (socket_) {
    socket_->flush();  // a goodbye still waiting leaves first
    socket_->disconnect(this);
    socket_->abort();
    socket_->deleteLater();
  }
  socket_ = nullptr;
  connecting_ = false;
}

void QtSocket::close() {
  dropConnection();
  for (auto& [id, s] : pending_)
    if (s) {
      s->disconnect(this);
      s->abort();
      s->deleteLater();
    }
  pending_.clear();
  if (server_ != nullptr) {
    server_->close();
    server_->deleteLater();
    server_ = nullptr;
  }
}

net::SocketState QtSocket::state() const {
  if (socket_ && socket_->state() == QAbstractSocket::ConnectedState)
    return net::SocketState::Connected;
  if (socket_ && connecting_) return net::SocketState::Connecting;
  if (server_ != nullptr && server_->isListening()) return net::SocketState::Listening;
  return net::SocketState::Closed;
}

std::string QtSocket::localIP() const {
  for (const QHostAddress& a : QNetworkInterface::allAddresses())
    if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback())
      return a.toString().toStdString();
  return "127.0.0.1";
}

}  // namespace platform
