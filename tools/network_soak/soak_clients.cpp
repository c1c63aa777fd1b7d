#include "soak_clients.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace kestrom::soak {

namespace {

std::int64_t nowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void setNonBlocking(int fd) {
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
}

sockaddr_in loopback(int port) {
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(static_cast<std::uint16_t>(port));
  to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return to;
}

void closeWithReset(int fd) {
  const linger hard{1, 0};
  setsockopt(fd, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
  ::close(fd);
}

// Reads what is waiting; false once the far end has closed or reset.
bool readInto(int fd, std::string* into) {
  std::array<char, 65536> buf{};
  for (;;) {
    const ssize_t n = ::recv(fd, buf.data(), buf.size(), 0);
    if (n > 0) {
      if (into) into->append(buf.data(), static_cast<std::size_t>(n));
      continue;
    }
    if (n == 0) return false;
    return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
  }
}

// How many of each lasting kind are kept connected.
constexpr int kReaders = 8;
constexpr int kStalled = 3;
constexpr int kHalfClosers = 2;
constexpr int kGarbage = 2;
constexpr int kResetters = 12;
constexpr int kBurst = 200;

}  // namespace

std::string telegram(std::uint32_t number) {
  char text[kTelegramBytes + 1];
  std::snprintf(text, sizeof text, "%06u %05u 1\r\n", number % 1000000, (number * 7) % 100000);
  return std::string(text, kTelegramBytes);
}

std::int64_t telegramNumber(const char* bytes) {
  std::uint32_t number = 0;
  for (int i = 0; i < 6; ++i) {
    if (bytes[i] < '0' || bytes[i] > '9') return -1;
    number = number * 10 + static_cast<std::uint32_t>(bytes[i] - '0');
  }
  return telegram(number) == std::string(bytes, kTelegramBytes) ? number : -1;
}

void ClientStorm::connectOne(Kind kind, std::int64_t now) {
  const int port = shared_.tcpPort;
  if (port == 0 || shared_.quiet) return;
  Client c;
  c.kind = kind;
  c.epoch = shared_.serverEpoch;
  c.fd = ::socket(AF_INET, SOCK_STREAM, 0);
  if (c.fd < 0) return;
  if (kind == Kind::Stalled) {
    const int small = 4096;
    setsockopt(c.fd, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
  }
  const sockaddr_in to = loopback(port);
  if (::connect(c.fd, reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0) {
    ::close(c.fd);
    return;
  }
  ++figures_.connects;
  setNonBlocking(c.fd);
  if (kind == Kind::HalfCloser) ::shutdown(c.fd, SHUT_WR);
  const int lifeMs = kind == Kind::Resetter ? chance(300) : 500 + chance(4000);
  c.leaveAtMs = now + lifeMs;
  clients_.push_back(std::move(c));
}

void ClientStorm::keepPopulation(std::int64_t now) {
  const auto count = [&](Kind k) {
    return static_cast<int>(std::count_if(clients_.begin(), clients_.end(),
                                          [k](const Client& c) { return c.kind == k; }));
  };
  const std::array<std::pair<Kind, int>, 5> wanted = {{{Kind::Reader, kReaders},
                                                       {Kind::Stalled, kStalled},
                                                       {Kind::HalfCloser, kHalfClosers},
                                                       {Kind::Garbage, kGarbage},
                                                       {Kind::Resetter, kResetters}}};
  for (const auto& [kind, n] : wanted) {
    for (int have = count(kind); have < n; ++have) connectOne(kind, now);
  }
}

// Hundreds of clients that connect and reset at once, some before the server
// has even taken them.
void ClientStorm::burst() {
  const int port = shared_.tcpPort;
  if (port == 0 || shared_.quiet) return;
  std::vector<pollfd> fds;
  const sockaddr_in to = loopback(port);
  for (int i = 0; i < kBurst; ++i) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) break;
    setNonBlocking(fd);
    // A non-blocking connect is under way when it answers EINPROGRESS.
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&to), sizeof to) < 0 &&
        errno != EINPROGRESS) {
      ::close(fd);
      continue;
    }
    fds.push_back({fd, POLLOUT, 0});
  }
  figures_.mostOpen = std::max(figures_.mostOpen, static_cast<int>(fds.size() + clients_.size()));
  if (chance(2) == 0) ::poll(fds.data(), fds.size(), 100);  // half the bursts wait to be taken
  for (const pollfd& p : fds) {
    if (chance(4) == 0) {
      ::close(p.fd);  // an orderly goodbye now and then
    } else {
      closeWithReset(p.fd);
      ++figures_.resets;
    }
  }
  figures_.connects += fds.size();
}

void ClientStorm::leave(Client& c, bool droppedByServer, bool atEnd) {
  if (c.kind == Kind::Reader || c.kind == Kind::Garbage) {
    ReaderRecord r;
    r.received = std::move(c.received);
    r.serverStayed = c.epoch == shared_.serverEpoch;
    r.droppedByServer = droppedByServer;
    r.leftAtEnd = atEnd;
    figures_.readers.push_back(std::move(r));
  }
  if (c.kind == Kind::Resetter) {
    closeWithReset(c.fd);
    ++figures_.resets;
  } else {
    ::close(c.fd);
  }
  c.fd = -1;
}

void ClientStorm::serve(std::int64_t now) {
  std::vector<pollfd> fds;
  fds.reserve(clients_.size());
  for (const Client& c : clients_) {
    fds.push_back({c.fd, static_cast<short>(c.kind == Kind::Stalled ? 0 : POLLIN), 0});
  }
  ::poll(fds.data(), fds.size(), 5);
  for (std::size_t i = 0; i < clients_.size(); ++i) {
    Client& c = clients_[i];
    bool open = true;
    if (c.kind != Kind::Stalled && (fds[i].revents & (POLLIN | POLLHUP | POLLERR))) {
      open = readInto(c.fd, &c.received);
    }
    if (open && c.kind == Kind::Garbage) {
      std::array<char, 512> junk{};
      for (char& b : junk) b = static_cast<char>(chance(256));
      const ssize_t n = ::send(c.fd, junk.data(), junk.size(), MSG_NOSIGNAL);
      if (n > 0) figures_.garbageBytes += static_cast<std::uint64_t>(n);
    }
    if (!open) {
      leave(c, true, false);
    } else if (now >= c.leaveAtMs) {
      leave(c, false, false);
    }
  }
  std::erase_if(clients_, [](const Client& c) { return c.fd < 0; });
}

void ClientStorm::drainSerial() {
  std::array<char, 65536> buf{};
  ssize_t n;
  while ((n = ::read(shared_.serialFd, buf.data(), buf.size())) > 0) {
    figures_.serial.append(buf.data(), static_cast<std::size_t>(n));
  }
}

void ClientStorm::drainUdp(int udpFd) {
  std::array<char, 65536> buf{};
  ssize_t n;
  while ((n = ::recv(udpFd, buf.data(), buf.size(), 0)) >= 0) {
    ++figures_.udpDatagrams;
    if (n != static_cast<ssize_t>(kTelegramBytes) || telegramNumber(buf.data()) < 0) {
      figures_.badDatagrams.emplace_back(buf.data(), static_cast<std::size_t>(n));
    }
  }
}

StormFigures ClientStorm::run() {
  const int udpFd = ::socket(AF_INET, SOCK_DGRAM, 0);
  const sockaddr_in here = loopback(shared_.udpListenPort);
  if (udpFd < 0 || ::bind(udpFd, reinterpret_cast<const sockaddr*>(&here), sizeof here) < 0) {
    figures_.udpError = "the UDP listener cannot bind port " +
                        std::to_string(shared_.udpListenPort) + ": " + std::strerror(errno);
  }
  setNonBlocking(udpFd);

  std::int64_t nextBurst = nowMs() + 200;
  while (!shared_.stop) {
    const std::int64_t now = nowMs();
    keepPopulation(now);
    if (now >= nextBurst) {
      burst();
      nextBurst = now + 100 + chance(400);
    }
    figures_.mostOpen = std::max(figures_.mostOpen, static_cast<int>(clients_.size()));
    serve(now);
    drainSerial();
    drainUdp(udpFd);
  }
  // What is still on its way arrives within a moment; then everyone leaves.
  const std::int64_t until = nowMs() + 500;
  while (nowMs() < until) {
    std::vector<pollfd> fds;
    for (const Client& c : clients_) fds.push_back({c.fd, POLLIN, 0});
    ::poll(fds.data(), fds.size(), 20);
    for (Client& c : clients_) {
      if (c.kind != Kind::Stalled) readInto(c.fd, &c.received);
    }
    drainSerial();
    drainUdp(udpFd);
  }
  for (Client& c : clients_) leave(c, false, true);
  clients_.clear();
  ::close(udpFd);
  return std::move(figures_);
}

}  // namespace kestrom::soak
