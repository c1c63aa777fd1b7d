// The real kestrom-telegrams binary, sending into a pseudo-terminal and over UDP,
// decoded on the other side; and its exit statuses.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "setup/telegrams.h"
#include "telegrams/formats.h"
#include "telegrams/telegram_decoder.h"
#include "telegrams/track.h"

extern char** environ;

namespace kestrom::tool {
namespace {

std::int64_t nowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// The binary running with the arguments; standard error goes to a pipe.
class Program {
 public:
  // Standard output goes to the file `out`.
  explicit Program(const std::vector<std::string>& args, const std::string& out = "/dev/null") {
    std::vector<char*> argv{const_cast<char*>(KESTROM_TELEGRAMS_BINARY)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int err[2];
    EXPECT_EQ(pipe(err), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addclose(&actions, err[0]);
    EXPECT_EQ(posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(err[1]);
    stderr_ = err[0];
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      wait();
    }
    close(stderr_);
  }

  // The exit status (or 128 + the signal), and what it wrote on standard error.
  int wait() {
    std::array<char, 512> buffer{};
    for (ssize_t n; (n = read(stderr_, buffer.data(), buffer.size())) > 0;)
      errors_.append(buffer.data(), n);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  const std::string& errors() const { return errors_; }
  pid_t pid() const { return pid_; }

 private:
  pid_t pid_ = -1;
  int stderr_ = -1;
  std::string errors_;
};

int exitStatus(const std::vector<std::string>& args, std::string* errors = nullptr) {
  Program p(args);
  const int status = p.wait();
  if (errors) *errors = p.errors();
  return status;
}

// Reads from fd into the decoder until `count` telegrams came or five seconds
// passed; with datagrams, each read is one datagram.
std::vector<DecodedTelegram> receive(int fd, TelegramDecoder& decoder, std::size_t count,
                                     std::string* unplaced) {
  std::vector<DecodedTelegram> out;
  const std::int64_t until = nowNs() + 5'000'000'000;
  std::array<char, 512> buffer{};
  while (out.size() < count && nowNs() < until) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    const ssize_t n = read(fd, buffer.data(), buffer.size());
    if (n <= 0) break;
    for (DecoderEvent& e : decoder.feed(std::string_view(buffer.data(), n), nowNs())) {
      if (auto* t = std::get_if<DecodedTelegram>(&e)) {
        out.push_back(std::move(*t));
      } else {
        *unplaced += std::get<UnplacedBytes>(e).bytes;
      }
    }
  }
  return out;
}

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::size_t countOf(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// The bytes of every line of decode --json output, one after another.
std::string bytesOfJsonLines(const std::string& lines) {
  constexpr std::string_view kField = "\"bytes\":\"";
  std::string out;
  for (std::size_t at = lines.find(kField); at != std::string::npos; at = lines.find(kField, at)) {
    at += kField.size();
    for (; at + 1 < lines.size() && lines[at] != '"'; at += lines[at + 2] == ' ' ? 3 : 2) {
      out += static_cast<char>(std::stoi(lines.substr(at, 2), nullptr, 16));
    }
  }
  return out;
}

// Whether a UDP socket of this machine is bound to the port (IPv4).
bool udpPortBound(int port) {
  std::ifstream table("/proc/net/udp");
  std::array<char, 8> local{};
  std::snprintf(local.data(), local.size(), ":%04X ", port);
  for (std::string row; std::getline(table, row);) {
    // The local address is the second field, after "sl:".
    const std::size_t at = row.find(local.data());
    if (at != std::string::npos && at == row.find(':', row.find(':') + 1)) return true;
  }
  return false;
}

// A UDP socket bound to a free loopback port, and the port; -1 when none.
int boundLoopbackUdp(int* port) {
  const int fd = socket(AF_INET, SOCK_DGRAM, 0);
  if (fd < 0) return -1;
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof a;
  if (bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
      getsockname(fd, reinterpret_cast<sockaddr*>(&a), &size) != 0) {
    close(fd);
    return -1;
  }
  *port = ntohs(a.sin_port);
  return fd;
}

// What the n-th telegram of the track carries in the format's own units.
void expectOnTrack(const DecodedTelegram& t, Format f, const Track& track, long long n) {
  const bool ascii = f == Format::Ascii16 || f == Format::Ascii17 || f == Format::Ascii22;
  const bool hundredths = f == Format::Ascii16 || f == Format::Bcd001;
  EXPECT_EQ(t.format, f);
  EXPECT_TRUE(t.inLock);
  EXPECT_EQ(t.distance.units, track.distance.at(n) / (ascii ? 100 : 1000)) << name(f) << " " << n;
  EXPECT_EQ(t.azimuth.units, track.azimuth.at(n) / (hundredths ? 10 : 1)) << name(f) << " " << n;
  if (f == Format::Ascii22 || f == Format::BcdAdb) {
    ASSERT_TRUE(t.bearing);
    EXPECT_EQ(t.bearing->units, track.bearing->at(n) / 100) << name(f) << " " << n;
  } else {
    EXPECT_FALSE(t.bearing);
  }
}

constexpr const char* kTrack = "126.34..131@1.7:359.5..0@0.125:12.5..13@0.3";
constexpr std::size_t kCount = 5;

TEST(RoundTrip, EveryFormatThroughAPseudoTerminalAtFourASecond) {
  const Track track = std::get<Track>(parseTrack(kTrack));
  for (Format f : kFormats) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const std::string slave = ptsname(master);
    // Held open here too, so the pair stays up after the sender closes its end.
    const int held = open(slave.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(held, 0);
    Program send({"send", "--format", std::string(name(f)), "--rate", "4", "--count",
                  std::to_string(kCount), "--track", kTrack, "--baud", "4800", slave});
    // Auto-detected, but for BCD(0.001): the track starts at 359.500, whose third
    // byte 00 passes for BCD(0.01) until a later telegram shows otherwise.
    TelegramDecoder decoder(f == Format::Bcd0001 ? std::optional(f) : std::nullopt);
    std::string unplaced;
    const auto got = receive(master, decoder, kCount, &unplaced);
    EXPECT_EQ(send.wait(), 0) << send.errors();
    ASSERT_EQ(got.size(), kCount) << name(f) << ": " << send.errors();
    for (std::size_t n = 0; n < got.size(); ++n)
      expectOnTrack(got[n], f, track, static_cast<long long>(n));
    EXPECT_EQ(unplaced, "") << name(f);
    // Four a second: the telegrams span (count - 1) quarter seconds.
    const double spanMs = static_cast<double>(got.back().arrivalNs - got.front().arrivalNs) / 1e6;
    EXPECT_NEAR(spanMs, (kCount - 1) * 250.0, 120.0) << name(f);
    close(held);
    close(master);
  }
}

TEST(RoundTrip, UdpDatagramsToTheLoopback) {
  int bound = 0;
  const int fd = boundLoopbackUdp(&bound);
  ASSERT_GE(fd, 0);
  const std::string port = std::to_string(bound);
  for (Format f : {Format::Ascii22, Format::BcdAdb}) {
    Program send({"send", "-f", std::string(name(f)), "-r", "4", "-n", "3", "-t", kTrack,
                  "udp:127.0.0.1:" + port});
    TelegramDecoder decoder(f);
    std::string unplaced;
    const auto got = receive(fd, decoder, 3, &unplaced);
    EXPECT_EQ(send.wait(), 0) << send.errors();
    ASSERT_EQ(got.size(), 3u) << name(f);
    for (std::size_t n = 0; n < got.size(); ++n) {
      expectOnTrack(got[n], f, std::get<Track>(parseTrack(kTrack)), static_cast<long long>(n));
    }
    EXPECT_EQ(unplaced, "");
  }
  close(fd);
}

// A datagram holds up to 64 KiB, past any read of a stream: every byte of a long
// one reaches the decoder, telegrams to the last included.
TEST(RoundTrip, DecodeTakesLongUdpDatagramsWhole) {
  // A port that was free a moment ago, for the decoder.
  int port = 0;
  const int probe = boundLoopbackUdp(&port);
  ASSERT_GE(probe, 0);
  close(probe);
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  to.sin_port = htons(static_cast<std::uint16_t>(port));
  const int sender = socket(AF_INET, SOCK_DGRAM, 0);
  ASSERT_GE(sender, 0);

  std::string datagram = "?!";
  std::size_t telegrams = 0;
  for (int i = 0; datagram.size() < 9'000; ++i) {
    telegram::Input in;
    in.type = i % 2 == 0 ? telegram::Ascii22 : telegram::BcdAdb;
    in.inLock = true;
    in.distance = 100 + i;
    in.fixAzimuth = 65.125L;
    in.antennaBearing = 12.5L;
    datagram += telegram::build(in);
    ++telegrams;
    if (i % 50 == 7) datagram += "noise";
  }
  ASSERT_LT(datagram.size(), 65'000u);

  const std::string out = testing::TempDir() + "udp_decode_" + std::to_string(getpid()) + ".json";
  Program decode({"decode", "--json", "udp:127.0.0.1:" + std::to_string(port)}, out);
  const std::int64_t bindBy = nowNs() + 5'000'000'000;
  while (!udpPortBound(port) && nowNs() < bindBy) usleep(10'000);
  ASSERT_TRUE(udpPortBound(port)) << "the decoder did not bind port " << port;
  ASSERT_EQ(sendto(sender, datagram.data(), datagram.size(), 0, reinterpret_cast<sockaddr*>(&to),
                   sizeof to),
            static_cast<ssize_t>(datagram.size()));
  const std::int64_t until = nowNs() + 5'000'000'000;
  while (countOf(fileText(out), "\"format\":") < telegrams && nowNs() < until) usleep(20'000);
  kill(decode.pid(), SIGTERM);
  EXPECT_EQ(decode.wait(), 0) << decode.errors();
  const std::string lines = fileText(out);
  EXPECT_EQ(countOf(lines, "\"format\":"), telegrams);
  // Every byte placed or reported, once.
  const std::string decoded = bytesOfJsonLines(lines);
  EXPECT_EQ(decoded.size(), datagram.size());
  EXPECT_TRUE(decoded == datagram);
  close(sender);
  std::remove(out.c_str());
}

TEST(RoundTrip, ExitStatusesAndMessages) {
  std::string errors;
  EXPECT_EQ(exitStatus({"--help"}), 0);
  EXPECT_EQ(exitStatus({"--version"}), 0);
  EXPECT_EQ(exitStatus({"decode", "--help"}), 0);
  EXPECT_EQ(exitStatus({"send", "--rate", "5", "-"}, &errors), 2);
  EXPECT_NE(errors.find("--rate"), std::string::npos);
  EXPECT_EQ(exitStatus({}, &errors), 2);
  EXPECT_EQ(exitStatus({"decode", "/nonexistent/tty"}, &errors), 1);
  EXPECT_NE(errors.find("cannot open /nonexistent/tty"), std::string::npos);
  EXPECT_EQ(exitStatus({"send", "/dev/null"}, &errors), 1);
  EXPECT_NE(errors.find("not a serial device"), std::string::npos);
  EXPECT_EQ(exitStatus({"decode", "/"}, &errors), 1);
  EXPECT_EQ(exitStatus({"send", "udp:no.such.host.invalid:5000"}, &errors), 1);
  EXPECT_EQ(exitStatus({"decode", "/dev/null"}), 0);  // an empty input ends cleanly
  EXPECT_EQ(exitStatus({"send", "-n", "1", "-a", "1.0005", "-"}, &errors), 2);
  EXPECT_NE(errors.find("\"1.0005\" has more than three decimals"), std::string::npos) << errors;
}

TEST(RoundTrip, SigtermEndsAnEndlessSendCleanly) {
  Program send({"send", "-f", "ascii16", "udp:127.0.0.1:9"});
  usleep(300'000);
  kill(send.pid(), SIGTERM);
  EXPECT_EQ(send.wait(), 0) << send.errors();
}

}  // namespace
}  // namespace kestrom::tool
