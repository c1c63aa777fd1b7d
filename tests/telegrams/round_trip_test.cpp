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
#include <cstdlib>
#include <string>
#include <vector>

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
  explicit Program(const std::vector<std::string>& args) {
    std::vector<char*> argv{const_cast<char*>(KESTROM_TELEGRAMS_BINARY)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int err[2];
    EXPECT_EQ(pipe(err), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
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
  const int fd = socket(AF_INET, SOCK_DGRAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
  socklen_t size = sizeof a;
  ASSERT_EQ(getsockname(fd, reinterpret_cast<sockaddr*>(&a), &size), 0);
  const std::string port = std::to_string(ntohs(a.sin_port));
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
}

TEST(RoundTrip, SigtermEndsAnEndlessSendCleanly) {
  Program send({"send", "-f", "ascii16", "udp:127.0.0.1:9"});
  usleep(300'000);
  kill(send.pid(), SIGTERM);
  EXPECT_EQ(send.wait(), 0) << send.errors();
}

}  // namespace
}  // namespace kestrom::tool
