#pragma once

#include <atomic>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace kestrom::soak {

// The telegrams the soak sends: the serial output's ASCII layout, numbered, so
// that every stream tells where it is and what it lacks.
constexpr std::size_t kTelegramBytes = 16;
std::string telegram(std::uint32_t number);
// The number of a telegram, or -1 when the bytes are no telegram of the soak.
std::int64_t telegramNumber(const char* bytes);

// What the program's side and the clients' side share. The program's side sets
// `tcpPort` to 0 and bumps `serverEpoch` before it stops or moves the server, so
// that a client told goodbye can tell a stop from a drop.
struct Shared {
  std::atomic<int> tcpPort{0};
  std::atomic<unsigned> serverEpoch{0};
  std::atomic<bool> quiet{false};  // no new clients from now on
  std::atomic<bool> stop{false};
  int udpListenPort = 0;  // the clients' side listens here
  int serialFd = -1;      // the far end of the serial line
};

// A client that read until it left, and what it got.
struct ReaderRecord {
  std::string received;
  bool serverStayed = false;  // the server neither stopped nor moved meanwhile
  bool droppedByServer = false;
  bool leftAtEnd = false;  // still connected when the soak ended
};

struct StormFigures {
  std::vector<ReaderRecord> readers;
  std::string serial;  // every byte the serial line carried
  std::uint64_t connects = 0;
  std::uint64_t resets = 0;
  std::uint64_t garbageBytes = 0;
  std::uint64_t udpDatagrams = 0;
  std::vector<std::string> badDatagrams;
  std::string udpError;  // why the UDP listener could not listen, if it could not
  int mostOpen = 0;      // of the clients' own sockets at once
};

// Clients of every behaviour, in random order and overlap, on one thread of their
// own with plain POSIX sockets on loopback: readers that join and leave, clients
// that never read, reset, half-close or send garbage, and bursts of hundreds
// that connect and reset at once. It also drains the serial line and a UDP
// listener. Runs until `shared.stop`, then reads what is still on its way.
class ClientStorm {
 public:
  ClientStorm(Shared& shared, unsigned seed) : shared_(shared), random_(seed) {}
  StormFigures run();

 private:
  enum class Kind { Reader, Stalled, Resetter, HalfCloser, Garbage };
  struct Client {
    int fd = -1;
    Kind kind = Kind::Reader;
    unsigned epoch = 0;
    std::int64_t leaveAtMs = 0;
    std::string received;
  };

  void keepPopulation(std::int64_t nowMs);
  void connectOne(Kind kind, std::int64_t nowMs);
  void burst();
  void serve(std::int64_t nowMs);
  void leave(Client& c, bool droppedByServer, bool atEnd);
  void drainSerial();
  void drainUdp(int udpFd);
  int chance(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  Shared& shared_;
  std::mt19937 random_;
  std::vector<Client> clients_;
  StormFigures figures_;
};

}  // namespace kestrom::soak
