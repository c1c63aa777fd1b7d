#include "telegrams/posix_io.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <memory>

namespace kestrom::tool {

namespace {

speed_t speed(int baud) {
  switch (baud) {
    case 1200:
      return B1200;
    case 2400:
      return B2400;
    case 4800:
      return B4800;
    case 19200:
      return B19200;
    case 38400:
      return B38400;
    case 57600:
      return B57600;
    case 115200:
      return B115200;
    default:
      return B9600;
  }
}

tcflag_t characterSize(int bits) {
  switch (bits) {
    case 5:
      return CS5;
    case 6:
      return CS6;
    case 7:
      return CS7;
    default:
      return CS8;
  }
}

std::string where(const std::string& host, int port) {
  return (host.empty() ? std::string("*") : host) + ":" + std::to_string(port);
}

struct AddrInfoFree {
  void operator()(addrinfo* a) const { freeaddrinfo(a); }
};
using AddrInfo = std::unique_ptr<addrinfo, AddrInfoFree>;

std::variant<AddrInfo, std::string> resolve(const std::string& host, int port, int type,
                                            bool passive) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = type;
  hints.ai_flags = passive ? AI_PASSIVE : 0;
  addrinfo* found = nullptr;
  const std::string service = std::to_string(port);
  const int rc =
      getaddrinfo(host.empty() ? nullptr : host.c_str(), service.c_str(), &hints, &found);
  if (rc != 0) return where(host, port) + ": " + gai_strerror(rc);
  return AddrInfo(found);
}

// A socket of the first address that `use` (bind or connect) accepts.
template <typename Use>
Opened firstSocket(const std::string& host, int port, int type, bool passive, const char* verb,
                   Use use) {
  auto resolved = resolve(host, port, type, passive);
  if (auto* error = std::get_if<std::string>(&resolved)) return *error;
  std::string failure = "no address";
  for (addrinfo* a = std::get<AddrInfo>(resolved).get(); a; a = a->ai_next) {
    Fd fd(socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol));
    if (fd.get() < 0) {
      failure = lastError();
      continue;
    }
    if (use(fd.get(), a) == 0) return fd;
    failure = lastError();
  }
  return std::string("cannot ") + verb + " " + where(host, port) + ": " + failure;
}

}  // namespace

Fd& Fd::operator=(Fd&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) close(fd_);
    fd_ = other.release();
  }
  return *this;
}

Fd::~Fd() {
  if (fd_ >= 0) close(fd_);
}

int Fd::release() {
  const int fd = fd_;
  fd_ = -1;
  return fd;
}

std::string lastError() {
  return std::strerror(errno);
}

Opened openSerial(const std::string& path, const LineSettings& line) {
  Fd fd(open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) return "cannot open " + path + ": " + lastError();
  termios t{};
  if (tcgetattr(fd.get(), &t) != 0) return path + " is not a serial device: " + lastError();
  cfmakeraw(&t);
  t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
  t.c_cflag |= characterSize(line.dataBits) | CLOCAL | CREAD;
  if (line.parity != 'n') t.c_cflag |= PARENB;
  if (line.parity == 'o') t.c_cflag |= PARODD;
  if (line.stopBits == 2) t.c_cflag |= CSTOPB;
  t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  cfsetispeed(&t, speed(line.baud));
  cfsetospeed(&t, speed(line.baud));
  if (tcsetattr(fd.get(), TCSANOW, &t) != 0) {
    return "cannot set the line settings of " + path + ": " + lastError();
  }
  return fd;
}

Opened openForReading(const std::string& path, const LineSettings& line) {
  Fd fd(open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) return "cannot open " + path + ": " + lastError();
  struct stat s {};
  if (fstat(fd.get(), &s) == 0 && S_ISDIR(s.st_mode)) return path + " is a directory";
  if (isatty(fd.get())) return openSerial(path, line);
  return fd;
}

Opened connectTcp(const std::string& host, int port) {
  return firstSocket(host, port, SOCK_STREAM, false, "connect to", [](int fd, const addrinfo* a) {
    return connect(fd, a->ai_addr, a->ai_addrlen);
  });
}

Opened listenTcp(const std::string& host, int port) {
  return firstSocket(host, port, SOCK_STREAM, true, "listen on", [](int fd, const addrinfo* a) {
    const int yes = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    if (bind(fd, a->ai_addr, a->ai_addrlen) != 0) return -1;
    if (listen(fd, 8) != 0) return -1;
    return fcntl(fd, F_SETFL, O_NONBLOCK);
  });
}

Opened bindUdp(const std::string& host, int port) {
  return firstSocket(host, port, SOCK_DGRAM, true, "listen on UDP",
                     [](int fd, const addrinfo* a) { return bind(fd, a->ai_addr, a->ai_addrlen); });
}

std::variant<UdpTarget, std::string> udpTarget(const std::string& host, int port) {
  auto resolved = resolve(host, port, SOCK_DGRAM, false);
  if (auto* error = std::get_if<std::string>(&resolved)) return *error;
  const addrinfo* a = std::get<AddrInfo>(resolved).get();
  UdpTarget t;
  t.fd = Fd(socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol));
  if (t.fd.get() < 0) return "cannot make a UDP socket: " + lastError();
  const int yes = 1;
  setsockopt(t.fd.get(), SOL_SOCKET, SO_BROADCAST, &yes, sizeof yes);
  std::memcpy(&t.to, a->ai_addr, a->ai_addrlen);
  t.toSize = a->ai_addrlen;
  return t;
}

std::string peerName(int fd) {
  sockaddr_storage a{};
  socklen_t size = sizeof a;
  if (getpeername(fd, reinterpret_cast<sockaddr*>(&a), &size) != 0) return "?";
  std::array<char, NI_MAXHOST> host{};
  std::array<char, NI_MAXSERV> port{};
  if (getnameinfo(reinterpret_cast<sockaddr*>(&a), size, host.data(), host.size(), port.data(),
                  port.size(), NI_NUMERICHOST | NI_NUMERICSERV) != 0) {
    return "?";
  }
  return std::string(host.data()) + ":" + port.data();
}

}  // namespace kestrom::tool
