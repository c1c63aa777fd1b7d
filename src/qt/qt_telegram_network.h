#pragma once

#include <QHostAddress>
#include <QObject>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/seams.h"
#include "qt/host_lookup.h"
#include "qt/thread_mailbox.h"

class QTcpServer;
class QTcpSocket;
class QUdpSocket;

namespace kestrom {

class PacedThread;

// The telegrams over TCP and UDP. A TCP server on the port asked for takes any
// number of clients; each gets every telegram from the moment it connects. A client
// that stops reading is dropped once kMaxBacklog bytes wait for it, so that it
// never holds up the others. UDP sends each telegram as one datagram to a host
// (a broadcast address reaches its network). A host given by name is looked up
// in the background: the channel starts at once and stops with "Unknown host"
// when the name is not found.
//
// Like the serial port, the sockets live on a thread of their own that writes each
// telegram at the instant of its slot (paced_thread.h).
class QtTelegramNetwork : public TelegramNetwork {
 public:
  static constexpr qint64 kMaxBacklog = 4096;

  QtTelegramNetwork();
  ~QtTelegramNetwork() override;

  std::string startTcpServer(int port) override;
  void stopTcpServer() override;
  std::string startUdp(const std::string& host, int port) override;
  void stopUdp() override;
  void send(const std::string& bytes) override;

  // The instant a telegram sent now is to go out (see QtSerialPort).
  void setSlotClock(std::function<std::int64_t()> slotInstantNs) {
    slotInstantNs_ = std::move(slotInstantNs);
  }
  // Clients connected now.
  int clientCount();
  // Whether the UDP host's name is still being looked up.
  bool udpLookingUp() const;

 private:
  PacedThread& line();
  // Opens the UDP socket towards an address; empty, or why it could not.
  std::string openUdp(const QHostAddress& address, int port);
  // On the line's thread.
  void accept();
  void sendOnLine(const std::string& bytes);
  void failOnLine(NetworkChannel channel, unsigned session, const QString& reason);
  void closeTcpOnLine();

  void reportFailure(NetworkChannel channel, unsigned session, const std::string& reason);

  std::shared_ptr<PacedThread> line_;  // made at the first start
  // On the line's thread.
  QTcpServer* server_ = nullptr;
  std::vector<QTcpSocket*> clients_;
  QUdpSocket* udp_ = nullptr;
  QHostAddress udpHost_;
  quint16 udpPort_ = 0;
  HostLookup lookup_;  // of the UDP host's name, on this object's thread
  // Each start of a channel begins a session; a failure reported late for an
  // earlier one is not the present one's.
  std::atomic<unsigned> tcpSession_{0};
  std::atomic<unsigned> udpSession_{0};
  std::atomic<bool> tcpOn_{false};
  std::atomic<bool> udpOn_{false};
  ThreadMailbox home_;
  std::function<std::int64_t()> slotInstantNs_;
};

}  // namespace kestrom
