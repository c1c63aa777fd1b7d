#include "qt/qt_telegram_network.h"

#include <QHostInfo>
#include <QNetworkDatagram>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>
#include <algorithm>

#include "core/precise_clock.h"
#include "qt/paced_thread.h"

namespace kestrom {

QtTelegramNetwork::QtTelegramNetwork() = default;

QtTelegramNetwork::~QtTelegramNetwork() {
  onFailure = nullptr;
  if (!line_) return;
  line_->drop(this);
  line_->runNow([this] {
    closeTcpOnLine();
    delete udp_;
    udp_ = nullptr;
  });
}

PacedThread& QtTelegramNetwork::line() {
  if (!line_) line_ = PacedThread::shared();
  return *line_;
}

// ---- TCP -------------------------------------------------------------------------

std::string QtTelegramNetwork::startTcpServer(int port) {
  stopTcpServer();
  QString refused;
  const unsigned session = ++tcpSession_;
  line().runNow([&] {
    server_ = new QTcpServer;
    if (!server_->listen(QHostAddress::Any, static_cast<quint16>(port))) {
      refused = QStringLiteral("The TCP server cannot listen on port %1: %2.")
                    .arg(port)
                    .arg(server_->errorString());
      delete server_;
      server_ = nullptr;
      return;
    }
    QObject::connect(server_, &QTcpServer::newConnection, server_, [this] { accept(); });
    QObject::connect(
        server_, &QTcpServer::acceptError, server_, [this, session](QAbstractSocket::SocketError) {
          failOnLine(NetworkChannel::TcpServer, session,
                     QStringLiteral("The TCP server stopped: %1.").arg(server_->errorString()));
        });
  });
  tcpOn_ = refused.isEmpty();
  return refused.toStdString();
}

void QtTelegramNetwork::accept() {
  while (QTcpSocket* client = server_->nextPendingConnection()) {
    client->setParent(nullptr);
    client->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    QObject::connect(client, &QTcpSocket::disconnected, client, [this, client] {
      std::erase(clients_, client);
      client->deleteLater();
    });
    // Nothing is read from a client; what it sends is dropped.
    QObject::connect(client, &QTcpSocket::readyRead, client, [client] { client->readAll(); });
    clients_.push_back(client);
  }
}

void QtTelegramNetwork::closeTcpOnLine() {
  for (QTcpSocket* client : clients_) {
    client->disconnect();
    client->abort();
    delete client;
  }
  clients_.clear();
  delete server_;
  server_ = nullptr;
}

void QtTelegramNetwork::stopTcpServer() {
  tcpOn_ = false;
  if (line_) line_->runNow([this] { closeTcpOnLine(); });
}

int QtTelegramNetwork::clientCount() {
  int n = 0;
  if (line_) line_->runNow([&] { n = static_cast<int>(clients_.size()); });
  return n;
}

// ---- UDP -------------------------------------------------------------------------

namespace {

// Whether a text can be a host name at all: labels of letters, digits, hyphens
// and underscores, 63 characters at most, joined by dots. Anything else is refused at
// once rather than sent to the resolver.
bool canBeHostName(const std::string& name) {
  if (name.empty() || name.size() > 253) return false;
  std::size_t label = 0;
  for (const char c : name) {
    if (c == '.') {
      if (label == 0) return false;
      label = 0;
      continue;
    }
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '-' || c == '_';
    if (!ok || ++label > 63) return false;
  }
  return true;
}

// An IPv4 address where the name has one: loggers listen there most often.
QHostAddress preferredAddress(const QList<QHostAddress>& found) {
  const auto v4 = std::find_if(found.begin(), found.end(), [](const QHostAddress& a) {
    return a.protocol() == QAbstractSocket::IPv4Protocol;
  });
  return v4 != found.end() ? *v4 : found.front();
}

std::string unknownHost(const std::string& host) {
  return "Unknown host " + host + ".";
}

}  // namespace

std::string QtTelegramNetwork::startUdp(const std::string& host, int port) {
  stopUdp();
  const unsigned session = ++udpSession_;
  QHostAddress address;
  if (address.setAddress(QString::fromStdString(host))) {
    std::string refused = openUdp(address, port);
    udpOn_ = refused.empty();
    return refused;
  }
  if (!canBeHostName(host)) return unknownHost(host);
  // A name is looked up without holding up the window: a slow resolver would
  // freeze it for seconds. The channel counts as running meanwhile, sending
  // nothing; a name that is not found stops it with a message.
  udpOn_ = true;
  lookup_.start(QString::fromStdString(host), [this, host, port, session](const QHostInfo& info) {
    if (session != udpSession_ || !udpOn_) return;
    if (info.error() != QHostInfo::NoError || info.addresses().isEmpty()) {
      reportFailure(NetworkChannel::Udp, session, unknownHost(host));
      return;
    }
    const std::string refused = openUdp(preferredAddress(info.addresses()), port);
    if (!refused.empty()) reportFailure(NetworkChannel::Udp, session, refused);
  });
  return {};
}

std::string QtTelegramNetwork::openUdp(const QHostAddress& address, int port) {
  QString refused;
  line().runNow([&] {
    udp_ = new QUdpSocket;
    udpHost_ = address;
    udpPort_ = static_cast<quint16>(port);
    if (!udp_->bind(address.protocol() == QAbstractSocket::IPv6Protocol ? QHostAddress::AnyIPv6
                                                                        : QHostAddress::AnyIPv4,
                    0)) {
      refused = QStringLiteral("UDP output cannot start: %1.").arg(udp_->errorString());
      delete udp_;
      udp_ = nullptr;
      return;
    }
    QObject::connect(udp_, &QUdpSocket::readyRead, udp_, [this] {
      while (udp_->hasPendingDatagrams()) udp_->receiveDatagram();
    });
  });
  return refused.toStdString();
}

bool QtTelegramNetwork::udpLookingUp() const {
  return lookup_.running();
}

void QtTelegramNetwork::stopUdp() {
  udpOn_ = false;
  lookup_.cancel();
  if (line_) {
    line_->runNow([this] {
      delete udp_;
      udp_ = nullptr;
    });
  }
}

// ---- Telegrams ---------------------------------------------------------------------

void QtTelegramNetwork::send(const std::string& bytes) {
  if (!tcpOn_ && !udpOn_) return;
  const std::int64_t due = slotInstantNs_ ? slotInstantNs_() : precise::nowNs();
  line().runAt(due, this, [this, bytes] { sendOnLine(bytes); });
}

void QtTelegramNetwork::sendOnLine(const std::string& bytes) {
  const auto size = static_cast<qint64>(bytes.size());
  for (auto it = clients_.begin(); it != clients_.end();) {
    QTcpSocket* client = *it;
    if (client->bytesToWrite() > kMaxBacklog) {
      // Stopped reading: dropped rather than buffered without end.
      client->disconnect();
      client->abort();
      client->deleteLater();
      it = clients_.erase(it);
      continue;
    }
    client->write(bytes.data(), size);
    client->flush();
    ++it;
  }
  if (udp_) {
    const qint64 n = udp_->writeDatagram(bytes.data(), size, udpHost_, udpPort_);
    // No listener at the far end is no failure: a logger may start later.
    if (n != size && udp_->error() != QAbstractSocket::ConnectionRefusedError) {
      failOnLine(NetworkChannel::Udp, udpSession_,
                 QStringLiteral("UDP output stopped: %1.").arg(udp_->errorString()));
    }
  }
}

void QtTelegramNetwork::failOnLine(NetworkChannel channel, unsigned session,
                                   const QString& reason) {
  if (channel == NetworkChannel::TcpServer) {
    closeTcpOnLine();
  } else {
    delete udp_;
    udp_ = nullptr;
  }
  home_.post([this, channel, session, text = reason.toStdString()] {
    reportFailure(channel, session, text);
  });
}

void QtTelegramNetwork::reportFailure(NetworkChannel channel, unsigned session,
                                      const std::string& reason) {
  std::atomic<bool>& on = channel == NetworkChannel::TcpServer ? tcpOn_ : udpOn_;
  const unsigned current = channel == NetworkChannel::TcpServer ? tcpSession_ : udpSession_;
  if (session != current || !on) return;  // stopped or started anew since
  on = false;
  if (onFailure) onFailure(channel, reason);
}

}  // namespace kestrom
