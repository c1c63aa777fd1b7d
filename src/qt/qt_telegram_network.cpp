#include "qt/qt_telegram_network.h"

#include <QHostInfo>
#include <QNetworkDatagram>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QUdpSocket>
#include <algorithm>
#include <optional>
#include <string_view>

#include "core/precise_clock.h"
#include "qt/paced_thread.h"
#include "qt/tcp_listener.h"

namespace kestrom {

QtTelegramNetwork::QtTelegramNetwork() = default;

QtTelegramNetwork::~QtTelegramNetwork() {
  onFailure = nullptr;
  onNotice = nullptr;
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
    auto listener = std::make_unique<TcpListener>();
    const QString why = listener->listen(static_cast<quint16>(port));
    if (!why.isEmpty()) {
      refused = QStringLiteral("The TCP server cannot listen on port %1: %2.").arg(port).arg(why);
      return;
    }
    listener->onConnection = [this](QTcpSocket* client) { accept(client); };
    listener->onPause = [this, session](const QString& why) { acceptPaused(session, why); };
    listener_ = std::move(listener);
    acceptPauseSaid_ = false;
  });
  tcpOn_ = refused.isEmpty();
  return refused.toStdString();
}

void QtTelegramNetwork::accept(QTcpSocket* client) {
  client->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  QObject::connect(client, &QTcpSocket::disconnected, client,
                   [this, client] { dropClient(client); });
  // Nothing is read from a client; what it sends is dropped.
  QObject::connect(client, &QTcpSocket::readyRead, client, [client] { client->readAll(); });
  std::erase(clients_, nullptr);
  clients_.push_back(client);
}

// The server stays on its port: the clients it has keep their telegrams, and new
// ones wait in the port's queue until the listener tries again.
void QtTelegramNetwork::acceptPaused(unsigned session, const QString& why) {
  if (acceptPauseSaid_) return;
  acceptPauseSaid_ = true;
  const std::string text = QStringLiteral(
                               "The TCP server on port %1 cannot take more clients for now (%2). "
                               "It takes them again as soon as it can; the clients it has keep "
                               "their telegrams.")
                               .arg(listener_->port())
                               .arg(why)
                               .toStdString();
  home_.post([this, session, text] {
    const unsigned current = tcpSession_;
    if (session == current && tcpOn_ && onNotice) onNotice(NetworkChannel::TcpServer, text);
  });
}

void QtTelegramNetwork::dropClient(QTcpSocket* client) {
  const auto it = std::find(clients_.begin(), clients_.end(), client);
  if (it == clients_.end()) return;
  // Left empty where it stands: this may run in the middle of the loop over the
  // clients, when a write finds its peer gone. The next telegram sweeps it out.
  *it = nullptr;
  client->disconnect();
  client->abort();
  client->deleteLater();
  // A handle came free: a listener that paused for want of one tries again.
  if (listener_) listener_->resume();
}

void QtTelegramNetwork::closeTcpOnLine() {
  for (QTcpSocket* client : clients_) {
    if (!client) continue;
    client->disconnect();
    client->abort();
    delete client;
  }
  clients_.clear();
  listener_.reset();
}

void QtTelegramNetwork::stopTcpServer() {
  tcpOn_ = false;
  if (line_) line_->runNow([this] { closeTcpOnLine(); });
}

int QtTelegramNetwork::clientCount() {
  int n = 0;
  if (line_) {
    line_->runNow([&] {
      n = static_cast<int>(std::count_if(clients_.begin(), clients_.end(),
                                         [](const QTcpSocket* c) { return c != nullptr; }));
    });
  }
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

// The address a text spells out: four decimal numbers 0 .. 255 joined by dots, or
// an IPv6 address. The short and octal forms that the C library also reads
// ("1.2.3" as 1.2.0.3, "010.0.0.1" as 8.0.0.1) are no address the operator meant.
std::optional<QHostAddress> literalAddress(const std::string& text) {
  if (text.find(':') != std::string::npos) {
    QHostAddress v6;
    if (v6.setAddress(QString::fromStdString(text)) &&
        v6.protocol() == QAbstractSocket::IPv6Protocol) {
      return v6;
    }
    return std::nullopt;
  }
  quint32 address = 0;
  int parts = 0;
  std::size_t from = 0;
  for (;;) {
    const std::size_t dot = std::min(text.find('.', from), text.size());
    const std::string_view part = std::string_view(text).substr(from, dot - from);
    const bool decimal =
        !part.empty() && part.size() <= 3 &&
        std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
        (part.size() == 1 || part.front() != '0');
    if (!decimal) return std::nullopt;
    const int value = std::stoi(std::string(part));
    if (value > 255 || ++parts > 4) return std::nullopt;
    address = (address << 8) | static_cast<quint32>(value);
    if (dot == text.size()) break;
    from = dot + 1;
  }
  if (parts != 4) return std::nullopt;
  return QHostAddress(address);
}

// Whether a text spells a number where an address or name should be: all digits
// and dots ("1.2.3", "4001"). No host name ends in a label of digits alone.
bool looksNumeric(const std::string& text) {
  std::string_view name = text;
  if (!name.empty() && name.back() == '.') name.remove_suffix(1);  // a rooted name
  const std::size_t lastDot = name.rfind('.');
  const std::string_view last = lastDot == std::string_view::npos ? name : name.substr(lastDot + 1);
  return !last.empty() &&
         std::all_of(last.begin(), last.end(), [](char c) { return c >= '0' && c <= '9'; });
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
  if (const std::optional<QHostAddress> address = literalAddress(host)) {
    std::string refused = openUdp(*address, host, port);
    udpOn_ = refused.empty();
    return refused;
  }
  if (!canBeHostName(host) || looksNumeric(host)) return unknownHost(host);
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
    const std::string refused = openUdp(preferredAddress(info.addresses()), host, port);
    if (!refused.empty()) reportFailure(NetworkChannel::Udp, session, refused);
  });
  return {};
}

std::string QtTelegramNetwork::openUdp(const QHostAddress& address, const std::string& host,
                                       int port) {
  QString refused;
  line().runNow([&] {
    udp_ = new QUdpSocket;
    // Straight to the host: telegrams never go through a proxy, and asking the
    // system for one starts helper threads of its own.
    udp_->setProxy(QNetworkProxy::NoProxy);
    udpHost_ = address;
    udpTarget_ = QStringLiteral("%1 port %2").arg(QString::fromStdString(host)).arg(port);
    udpPort_ = static_cast<quint16>(port);
    if (!udp_->bind(address.protocol() == QAbstractSocket::IPv6Protocol ? QHostAddress::AnyIPv6
                                                                        : QHostAddress::AnyIPv4,
                    0)) {
      refused =
          QStringLiteral("UDP output to %1 cannot start: %2.").arg(udpTarget_, udp_->errorString());
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
  std::erase(clients_, nullptr);
  // By index, and a client that goes meanwhile only leaves its place empty: a
  // write or flush to a peer that has reset reports it at once (dropClient).
  for (std::size_t i = 0; i < clients_.size(); ++i) {
    QTcpSocket* client = clients_[i];
    if (!client) continue;
    if (client->bytesToWrite() > kMaxBacklog) {
      // Stopped reading: dropped rather than buffered without end.
      dropClient(client);
      continue;
    }
    client->write(bytes.data(), size);
    if (clients_[i]) client->flush();
  }
  if (udp_) {
    const qint64 n = udp_->writeDatagram(bytes.data(), size, udpHost_, udpPort_);
    // No listener at the far end is no failure: a logger may start later.
    if (n != size && udp_->error() != QAbstractSocket::ConnectionRefusedError) {
      failOnLine(
          NetworkChannel::Udp, udpSession_,
          QStringLiteral("UDP output to %1 stopped: %2.").arg(udpTarget_, udp_->errorString()));
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
