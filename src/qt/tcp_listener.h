#pragma once

#include <QString>
#include <QTimer>
#include <functional>

class QSocketNotifier;
class QTcpSocket;

namespace kestrom {

// A TCP port listened on at every address, handing each new connection over as a
// QTcpSocket of the thread it was made on.
//
// When a connection cannot be taken (the program is out of file handles, the
// system out of memory) the listener stops watching the port, so that it does not
// try again and again, and tries again after kRetryMs, or at once when told that
// a handle came free. The connections meanwhile wait in the port's queue.
class TcpListener {
 public:
  static constexpr int kRetryMs = 500;

  TcpListener();
  ~TcpListener();
  TcpListener(const TcpListener&) = delete;
  TcpListener& operator=(const TcpListener&) = delete;

  // Empty, or why the port cannot be listened on.
  QString listen(quint16 port);
  quint16 port() const { return port_; }
  // Tries to take waiting connections now, if it had paused.
  void resume();

  // Each new connection; the callee owns it.
  std::function<void(QTcpSocket*)> onConnection;
  // Taking a connection failed, with the system's reason; it will be tried again.
  std::function<void(const QString& reason)> onPause;

 private:
  void acceptWaiting();

  int fd_ = -1;
  quint16 port_ = 0;
  QSocketNotifier* notifier_ = nullptr;
  QTimer retry_;
};

}  // namespace kestrom
