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

class QTcpSocket;
class QUdpSocket;

namespace kestrom {

class PacedThread;
class TcpListener;

// The telegrams over TCP and UDP. A TCP server on the port asked for takes any
// number of clients; each gets every telegram from the moment it connects. A client
// that stops reading is dropped once kMaxBacklog bytes wait for it, so that it
// never holds up the others; a client that resets, however often and however
// many, leaves the others' telegrams as they were. When the program runs out of
// file handles the server stops taking clients for a while (and says so once)
// rather than trying again and again. UDP sends each telegram as one datagram to a host
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
  // Opens the UDP socket towards an address (`host` as the operator gave it);
  // empty, or why it could not.
  std::string openUdp(const QHostAddress& address, const std::string& host, int port);
  // On the line's thread.
  void accept(QTcpSocket* client);
  void acceptPaused(unsigned session, const QString& why);
  void dropClient(QTcpSocket* client);
  void sendOnLine(const std::string& bytes);
  void failOnLine(NetworkChannel channel, unsigned session, const QString& reason);
  void closeTcpOnLine();

  void reportFailure(NetworkChannel channel, unsigned session, const std::string& reason);

  std::shared_ptr<PacedThread> line_;  // made at the first start
  // On the line's thread.
  std::unique_ptr<TcpListener> listener_;
  bool acceptPauseSaid_ = false;
  std::vector<QTcpSocket*> clients_;  // a client gone meanwhile is null until swept
  QUdpSocket* udp_ = nullptr;
  QHostAddress udpHost_;
  QString udpTarget_;  // "HOST port N", for the messages
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
