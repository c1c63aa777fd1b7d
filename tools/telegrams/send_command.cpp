#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <iostream>
#include <vector>

#include "core/precise_clock.h"
#include "setup/telegrams.h"
#include "telegrams/commands.h"
#include "telegrams/posix_io.h"
#include "telegrams/telegram_input.h"

namespace kestrom::tool {

namespace {

// Between telegrams the sender looks after its clients in spells of at most this
// long, and leaves the last stretch before a slot to the precise wait.
constexpr std::int64_t kSpellNs = 50'000'000;
constexpr std::int64_t kPreciseNs = 2'000'000;

void say(const std::string& text) {
  std::cerr << "kestrom-telegrams: " << text << "\n";
}

// Where the telegrams go: one descriptor, or a listening socket and its clients.
class Sink {
 public:
  static std::variant<Sink, std::string> open(const SendOptions& options);

  // Hands the telegram to the target; false when the target failed for good.
  bool write(const std::string& telegram);
  // Takes new clients and notices the ones gone, for up to waitNs.
  void serve(std::int64_t waitNs);

 private:
  bool writeAll(int fd, const std::string& bytes);

  Endpoint::Kind kind_ = Endpoint::Standard;
  Fd fd_;
  UdpTarget udp_;
  std::vector<Fd> clients_;
  bool dropping_ = false;  // the last telegram found the device's buffer full
};

std::variant<Sink, std::string> Sink::open(const SendOptions& options) {
  Sink s;
  const Endpoint& e = options.target;
  s.kind_ = e.kind;
  if (e.kind == Endpoint::Standard) {
    s.fd_ = Fd(dup(STDOUT_FILENO));
    return s;
  }
  if (e.kind == Endpoint::Udp) {
    auto t = udpTarget(e.host, e.port);
    if (auto* error = std::get_if<std::string>(&t)) return *error;
    s.udp_ = std::move(std::get<UdpTarget>(t));
    return s;
  }
  Opened opened =
      e.kind == Endpoint::Tcp ? listenTcp(e.host, e.port) : openSerial(e.path, options.line);
  if (auto* error = std::get_if<std::string>(&opened)) return *error;
  s.fd_ = std::move(std::get<Fd>(opened));
  if (e.kind == Endpoint::Tcp) {
    say("listening on " + (e.host.empty() ? std::string("every address") : e.host) + ", port " +
        std::to_string(e.port));
  }
  return s;
}

bool Sink::writeAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN && done == 0) {
      if (!dropping_) say("the device takes no more bytes; telegrams are dropped until it does");
      dropping_ = true;
      return true;
    }
    if (n < 0 && errno == EAGAIN) {
      pollfd p{fd, POLLOUT, 0};
      poll(&p, 1, 100);  // the rest of a telegram, never half of it
      continue;
    }
    if (n < 0) return false;
    done += static_cast<std::size_t>(n);
  }
  dropping_ = false;
  return true;
}

bool Sink::write(const std::string& telegram) {
  switch (kind_) {
    case Endpoint::Udp: {
      const ssize_t n = sendto(udp_.fd.get(), telegram.data(), telegram.size(), 0,
                               reinterpret_cast<const sockaddr*>(&udp_.to), udp_.toSize);
      // Nobody listening (an ICMP refusal) is not the sender's failure.
      if (n < 0 && errno != ECONNREFUSED && errno != EAGAIN) {
        say("cannot send the UDP datagram: " + lastError());
        return false;
      }
      return true;
    }
    case Endpoint::Tcp:
      for (auto it = clients_.begin(); it != clients_.end();) {
        const ssize_t n =
            send(it->get(), telegram.data(), telegram.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && errno != EAGAIN) {
          say("client " + peerName(it->get()) + " gone");
          it = clients_.erase(it);
        } else {
          ++it;
        }
      }
      return true;
    default:
      if (!writeAll(fd_.get(), telegram)) {
        say("cannot write: " + lastError());
        return false;
      }
      return true;
  }
}

void Sink::serve(std::int64_t waitNs) {
  const int waitMs = static_cast<int>(std::max<std::int64_t>(0, waitNs / 1'000'000));
  if (kind_ != Endpoint::Tcp) {
    poll(nullptr, 0, waitMs);
    return;
  }
  std::vector<pollfd> fds{{fd_.get(), POLLIN, 0}};
  for (const Fd& c : clients_) fds.push_back({c.get(), POLLIN, 0});
  if (poll(fds.data(), fds.size(), waitMs) <= 0) return;
  // What a client sends is read and dropped; an end of file means it went.
  for (std::size_t i = fds.size() - 1; i >= 1; --i) {
    if (fds[i].revents == 0) continue;
    char sink[256];
    const ssize_t n = recv(fds[i].fd, sink, sizeof sink, MSG_DONTWAIT);
    if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
      say("client " + peerName(fds[i].fd) + " gone");
      clients_.erase(clients_.begin() + static_cast<std::ptrdiff_t>(i - 1));
    }
  }
  if (fds[0].revents & POLLIN) {
    for (;;) {
      Fd client(accept4(fd_.get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
      if (client.get() < 0) break;
      say("client " + peerName(client.get()) + " connected");
      clients_.push_back(std::move(client));
    }
  }
}

Reading readingAt(const SendOptions& o, long long n) {
  Reading r;
  r.format = o.format;
  r.inLock = o.inLock;
  r.mk3 = o.mk3;
  r.distance = o.track.distance.at(n);
  r.azimuth = o.track.azimuth.at(n);
  r.bearing = o.track.bearing ? o.track.bearing->at(n) : 0;
  return r;
}

}  // namespace

int runSend(const SendOptions& options) {
  auto opened = Sink::open(options);
  if (auto* error = std::get_if<std::string>(&opened)) {
    say(*error);
    return 1;
  }
  Sink& sink = std::get<Sink>(opened);
  catchStopSignals();
  precise::tightenTimerSlack();
  if (!options.inLock && options.format >= telegram::Bcd001) {
    say("out of lock the BCD formats send nothing, as the simulator does");
  }

  // Slot k is at start + k * period. A slot found already passed is sent at once;
  // the ones before it that were missed are dropped, so a stall never bursts.
  const std::int64_t period = 1'000'000'000 / options.rate;
  const std::int64_t start = precise::nowNs();
  long long slot = 0;
  long long sent = 0;
  while (!stopAsked() && (!options.count || sent < *options.count)) {
    const std::int64_t due = start + slot * period;
    for (std::int64_t now = precise::nowNs(); due - now > kPreciseNs && !stopAsked();
         now = precise::nowNs()) {
      sink.serve(std::min(kSpellNs, due - now - kPreciseNs));
    }
    if (stopAsked()) break;
    precise::waitUntilNs(due);
    const std::string telegram = telegram::build(telegramInput(readingAt(options, sent)));
    if (!telegram.empty() && !sink.write(telegram)) return 1;
    ++sent;
    const long long passed = (precise::nowNs() - start) / period;
    slot = std::max(slot + 1, passed + 1);
  }
  return 0;
}

}  // namespace kestrom::tool
