#include "qt/tcp_listener.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QNetworkProxy>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTcpSocket>
#include <cerrno>

namespace kestrom {

TcpListener::TcpListener() {
  retry_.setSingleShot(true);
  retry_.setInterval(kRetryMs);
  QObject::connect(&retry_, &QTimer::timeout, [this] { resume(); });
}

TcpListener::~TcpListener() {
  delete notifier_;
  if (fd_ >= 0) ::close(fd_);
}

QString TcpListener::listen(quint16 port) {
  // Qt binds and listens (both address families, its own messages); the port is
  // then watched here, where a failed accept can be told from a finished one.
  QTcpServer server;
  server.setProxy(QNetworkProxy::NoProxy);  // clients connect to this machine itself
  if (!server.listen(QHostAddress::Any, port)) return server.errorString();
  fd_ = ::fcntl(static_cast<int>(server.socketDescriptor()), F_DUPFD_CLOEXEC, 0);
  if (fd_ < 0) return qt_error_string(errno);
  port_ = server.serverPort();
  server.close();
  notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read);
  QObject::connect(notifier_, &QSocketNotifier::activated, [this] { acceptWaiting(); });
  return {};
}

void TcpListener::resume() {
  retry_.stop();
  if (notifier_) notifier_->setEnabled(true);
}

void TcpListener::acceptWaiting() {
  for (;;) {
    const int fd = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd >= 0) {
      auto* socket = new QTcpSocket;
      if (!socket->setSocketDescriptor(fd)) {
        ::close(fd);
        delete socket;
        continue;
      }
      if (onConnection) onConnection(socket);
      continue;
    }
    const int error = errno;
    // Taken all; or one that went before it was taken.
    if (error == EAGAIN || error == EWOULDBLOCK) return;
    if (error == EINTR || error == ECONNABORTED) continue;
    notifier_->setEnabled(false);
    retry_.start();
    if (onPause) onPause(qt_error_string(error));
    return;
  }
}

}  // namespace kestrom
