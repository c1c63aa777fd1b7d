#pragma once

// Plain loopback sockets that a test drives by hand, beside the program's Qt ones.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QByteArray>
#include <QTcpServer>

namespace kestrom::testing {

// A port nobody listens on now.
inline quint16 freePort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  return probe.serverPort();
}

// A TCP client socket the test reads (or does not read) by hand. The socket is
// made at once; connect() may come later.
class Client {
 public:
  explicit Client(quint16 port, int receiveBuffer = 0, bool connectNow = true) : port_(port) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    if (receiveBuffer > 0)
      setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
    if (connectNow) connect();
  }
  ~Client() { close(); }
  Client(const Client&) = delete;
  Client& operator=(const Client&) = delete;

  bool connect() {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port_);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0;
    fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) | O_NONBLOCK);
    return connected_;
  }
  bool connected() const { return connected_; }
  // What has arrived so far; false once the server has closed the connection.
  bool read() {
    char buf[65536];
    for (;;) {
      const ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
      if (n > 0) {
        received.append(buf, static_cast<int>(n));
        continue;
      }
      return n < 0;  // 0: closed by the server
    }
  }
  // Closes with a reset rather than an orderly goodbye.
  void reset() {
    const linger hard{1, 0};
    setsockopt(fd_, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    close();
  }
  void close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  QByteArray received;

 private:
  quint16 port_;
  int fd_ = -1;
  bool connected_ = false;
};

}  // namespace kestrom::testing
