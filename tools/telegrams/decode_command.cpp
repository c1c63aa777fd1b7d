#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <iostream>
#include <vector>

#include "core/precise_clock.h"
#include "telegrams/commands.h"
#include "telegrams/posix_io.h"
#include "telegrams/report.h"

namespace kestrom::tool {

namespace {

// Bytes still waiting for an end byte after this long without more are reported:
// the simulator writes each telegram whole, and at least once a second.
constexpr std::int64_t kQuietNs = 2'000'000'000;
constexpr int kPollMs = 200;
// A stream is read in pieces of any size; a datagram must be taken whole in one
// read, or the rest of it is lost, and it holds up to 65,535 bytes.
constexpr std::size_t kStreamRead = 4096;
constexpr std::size_t kLargestDatagram = 65'535;

std::int64_t wallNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

Opened openSource(const Endpoint& e, const LineSettings& line) {
  switch (e.kind) {
    case Endpoint::Standard:
      return Fd(dup(STDIN_FILENO));
    case Endpoint::Path:
      return openForReading(e.path, line);
    case Endpoint::Tcp:
      return connectTcp(e.host, e.port);
    case Endpoint::Udp:
      return bindUdp(e.host, e.port);
  }
  return std::string("no source");
}

std::string sourceName(const Endpoint& e) {
  switch (e.kind) {
    case Endpoint::Standard:
      return "standard input";
    case Endpoint::Path:
      return e.path;
    default:
      return (e.kind == Endpoint::Tcp ? "tcp:" : "udp:") + e.host + ":" + std::to_string(e.port);
  }
}

void print(const Report& report, const std::vector<DecoderEvent>& events) {
  for (const DecoderEvent& e : events) std::cout << report.line(e);
  std::cout.flush();
}

}  // namespace

int runDecode(const DecodeOptions& options) {
  Opened opened = openSource(options.source, options.line);
  if (auto* error = std::get_if<std::string>(&opened)) {
    std::cerr << "kestrom-telegrams: " << *error << "\n";
    return 1;
  }
  const Fd fd = std::move(std::get<Fd>(opened));
  catchStopSignals();
  TelegramDecoder decoder(options.format);
  const Report report(options.json, precise::nowNs(), wallNs());
  std::int64_t lastBytesNs = precise::nowNs();
  std::vector<char> buffer(options.source.kind == Endpoint::Udp ? kLargestDatagram : kStreamRead);
  int status = 0;
  while (!stopAsked()) {
    pollfd p{fd.get(), POLLIN, 0};
    const int ready = poll(&p, 1, kPollMs);
    const std::int64_t now = precise::nowNs();
    if (ready < 0 && errno != EINTR) break;
    if (ready <= 0) {
      if (decoder.pending() > 0 && now - lastBytesNs >= kQuietNs) print(report, decoder.flush(now));
      continue;
    }
    const ssize_t n = options.source.kind == Endpoint::Udp
                          ? recv(fd.get(), buffer.data(), buffer.size(), 0)
                          : read(fd.get(), buffer.data(), buffer.size());
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    if (n < 0 && errno == EIO && options.source.kind == Endpoint::Path) {
      std::cerr << "kestrom-telegrams: " << sourceName(options.source) << " hung up\n";
      break;
    }
    if (n < 0) {
      std::cerr << "kestrom-telegrams: cannot read " << sourceName(options.source) << ": "
                << lastError() << "\n";
      status = 1;
      break;
    }
    if (n == 0 && options.source.kind == Endpoint::Udp) continue;  // an empty datagram
    if (n == 0) {
      if (options.source.kind == Endpoint::Tcp) {
        std::cerr << "kestrom-telegrams: " << sourceName(options.source) << " closed\n";
      }
      break;
    }
    lastBytesNs = now;
    print(report, decoder.feed(std::string_view(buffer.data(), static_cast<std::size_t>(n)), now));
  }
  print(report, decoder.flush(precise::nowNs()));
  return status;
}

}  // namespace kestrom::tool
