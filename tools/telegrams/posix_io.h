#pragma once

#include <sys/socket.h>

#include <string>
#include <variant>

#include "telegrams/command_line.h"

namespace kestrom::tool {

// A file descriptor that closes itself.
class Fd {
 public:
  Fd() = default;
  explicit Fd(int fd) : fd_(fd) {}
  Fd(Fd&& other) noexcept : fd_(other.release()) {}
  Fd& operator=(Fd&& other) noexcept;
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd();
  int get() const { return fd_; }
  int release();

 private:
  int fd_ = -1;
};

// Each returns the open descriptor or a message that names what failed and why.
using Opened = std::variant<Fd, std::string>;

// A terminal device in raw mode with the line settings, non-blocking.
Opened openSerial(const std::string& path, const LineSettings& line);
// A serial device when the path is a terminal, otherwise a file to read.
Opened openForReading(const std::string& path, const LineSettings& line);
Opened connectTcp(const std::string& host, int port);
Opened listenTcp(const std::string& host, int port);
// A UDP socket bound to the port, for receiving.
Opened bindUdp(const std::string& host, int port);

// A UDP socket for sending to one address (broadcast allowed).
struct UdpTarget {
  Fd fd;
  sockaddr_storage to{};
  socklen_t toSize = 0;
};
std::variant<UdpTarget, std::string> udpTarget(const std::string& host, int port);

// "host:port" of a connected peer, for messages.
std::string peerName(int fd);

// The reason of the last failed call, for messages.
std::string lastError();

}  // namespace kestrom::tool
