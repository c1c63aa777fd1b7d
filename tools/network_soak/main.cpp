// kestrom-network-soak: the program's real telegram network and serial port under
// every kind of client at once, then checks that nothing was lost, garbled or
// left behind. It prints its figures and exits non-zero on the first broken
// invariant.
//
//   kestrom-network-soak [--seconds N] [--seed N]
//
// Only loopback addresses are used.
#include <dirent.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QTcpServer>
#include <QTimer>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "qt/paced_thread.h"
#include "qt/qt_serial_port.h"
#include "qt/qt_telegram_network.h"
#include "soak_clients.h"
#include "support/handles.h"
#include "support/loopback.h"
#include "support/pty.h"

using namespace kestrom;
using namespace kestrom::soak;

namespace {

// The open handles, each as what it refers to.
std::multiset<std::string> openHandles() {
  std::multiset<std::string> open;
  if (DIR* dir = opendir("/proc/self/fd")) {
    const int own = dirfd(dir);
    while (const dirent* entry = readdir(dir)) {
      if (entry->d_name[0] == '.' || std::atoi(entry->d_name) == own) continue;
      char target[512] = {};
      const std::string link = std::string("/proc/self/fd/") + entry->d_name;
      const ssize_t n = readlink(link.c_str(), target, sizeof target - 1);
      std::string what(target, n > 0 ? static_cast<std::size_t>(n) : 0);
      // Sockets and pipes by kind: their numbers are new each time.
      if (what.rfind("socket:", 0) == 0) what = "socket";
      if (what.rfind("pipe:", 0) == 0) what = "pipe";
      open.insert(what);
    }
    closedir(dir);
  }
  return open;
}

std::string listed(const std::multiset<std::string>& handles) {
  std::string text;
  for (const std::string& h : handles) text += (text.empty() ? "" : ", ") + h;
  return text;
}

long residentKiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == "VmRSS:") {
      status >> value;
      return value;
    }
    status.ignore(1 << 12, '\n');
  }
  return 0;
}

void wait(int ms) {
  QTimer done;
  done.setSingleShot(true);
  done.start(ms);
  while (done.isActive()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
}

int failures = 0;
void fail(const std::string& what) {
  std::printf("FAIL: %s\n", what.c_str());
  ++failures;
}

// Every telegram in order from the first on: the serial line carries them all.
void checkSerial(const std::string& serial, std::uint32_t sent) {
  if (serial.size() != std::size_t(sent) * kTelegramBytes) {
    fail("the serial line carried " + std::to_string(serial.size()) + " bytes of " +
         std::to_string(std::size_t(sent) * kTelegramBytes));
  }
  for (std::size_t at = 0; at + kTelegramBytes <= serial.size(); at += kTelegramBytes) {
    if (telegramNumber(serial.data() + at) != static_cast<std::int64_t>(at / kTelegramBytes)) {
      return fail("the serial stream is broken at byte " + std::to_string(at));
    }
  }
}

// A client's stream is the serial stream from a telegram on, without a gap; one
// that the server neither moved nor stopped under ends with the last telegram.
void checkReader(const ReaderRecord& r, std::uint32_t sent, std::size_t index) {
  const std::string who = "client " + std::to_string(index);
  if (r.droppedByServer && r.serverStayed) fail(who + " was dropped while it read");
  if (r.received.size() % kTelegramBytes != 0) {
    return fail(who + " got " + std::to_string(r.received.size()) + " bytes, no whole telegrams");
  }
  std::int64_t last = -1;
  for (std::size_t at = 0; at < r.received.size(); at += kTelegramBytes) {
    const std::int64_t n = telegramNumber(r.received.data() + at);
    if (n < 0 || (last >= 0 && n != last + 1)) {
      return fail(who + " has a garbled or missing telegram at byte " + std::to_string(at));
    }
    last = n;
  }
  if (r.leftAtEnd && r.serverStayed && last + 1 != static_cast<std::int64_t>(sent)) {
    fail(who + " ended at telegram " + std::to_string(last) + " of " + std::to_string(sent));
  }
}

// With every file handle in use, clients wait in the port's queue: the telegram
// thread must not spin, and takes them once handles are free.
void handlesRunOut(QtTelegramNetwork& network, quint16 port, std::vector<std::string>& notices) {
  const int before = network.clientCount();
  std::vector<std::unique_ptr<testing::Client>> waiting;
  waiting.reserve(30);
  for (int i = 0; i < 30; ++i) waiting.push_back(std::make_unique<testing::Client>(port, 0, false));
  double used = 0;
  {
    testing::HandlesUsedUp full;
    for (auto& c : waiting) c->connect();
    const double cpu0 = testing::lineThreadSeconds();
    wait(1500);
    used = testing::lineThreadSeconds() - cpu0;
  }
  std::printf("handles used up: telegram thread %.1f %% of a core for 1.5 s, %zu notice(s)\n",
              used / 1.5 * 100, notices.size());
  if (used > 0.15) fail("the telegram thread spun while no handle was free");
  for (int i = 0; i < 300 && network.clientCount() < before + 30; ++i) wait(10);
  if (network.clientCount() < before + 30) fail("the waiting clients were not taken");
  if (notices.size() != 1) fail("the pause was said " + std::to_string(notices.size()) + " times");
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  int seconds = 20;
  unsigned seed = 1;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--seconds") == 0) seconds = std::atoi(argv[i + 1]);
    if (std::strcmp(argv[i], "--seed") == 0) seed = static_cast<unsigned>(std::atoi(argv[i + 1]));
  }
  rlimit files{};
  getrlimit(RLIMIT_NOFILE, &files);
  files.rlim_cur = files.rlim_max;  // the bursts hold hundreds of handles at once
  setrlimit(RLIMIT_NOFILE, &files);

  testing::PseudoTerminal pty;
  qputenv("KESTROM_COM1", pty.path());
  QtSerialPort serial;
  QtTelegramNetwork network;
  std::vector<std::string> notices;
  std::vector<std::string> stops;
  network.onNotice = [&](NetworkChannel, const std::string& t) { notices.push_back(t); };
  network.onFailure = [&](NetworkChannel, const std::string& t) { stops.push_back(t); };
  Shared shared;
  shared.serialFd = pty.masterFd();
  shared.udpListenPort = testing::freePort();
  const std::array<quint16, 2> ports = {testing::freePort(), testing::freePort()};

  // The line thread and Qt's own helpers (a thread for the proxy settings, made
  // at the first UDP socket) exist from the first start on.
  if (!serial.open(1, SerialSettings{}) || !network.startTcpServer(ports[0]).empty() ||
      !network.startUdp("127.0.0.1", shared.udpListenPort).empty()) {
    std::printf("cannot start the serial port or the network\n");
    return 2;
  }
  network.stopTcpServer();
  network.stopUdp();
  wait(200);
  const std::multiset<std::string> handlesAtStart = openHandles();
  const long rssAtStart = residentKiB();

  std::mt19937 random(seed);
  std::uint32_t sent = 0;
  int portIndex = 0;
  const auto startTcp = [&] {
    if (!network.startTcpServer(ports[portIndex]).empty())
      return fail("the TCP server did not start");
    shared.tcpPort = ports[portIndex];
  };
  const auto stopTcp = [&] {
    shared.tcpPort = 0;
    ++shared.serverEpoch;
    network.stopTcpServer();
  };
  const std::array<std::string, 3> udpHosts = {"127.0.0.1", "127.0.0.1", "127.255.255.255"};
  startTcp();
  network.startUdp("127.0.0.1", shared.udpListenPort);

  StormFigures figures;
  std::thread storm([&] { figures = ClientStorm(shared, seed).run(); });

  // A telegram every 2 ms to both; now and then the server moves, stops or the
  // UDP output changes its target.
  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  QObject::connect(&tick, &QTimer::timeout, [&] {
    const std::string t = telegram(sent++);
    serial.write(t);
    network.send(t);
  });
  tick.start(2);
  QTimer change;
  int mostClients = 0;
  QObject::connect(&change, &QTimer::timeout, [&] {
    mostClients = std::max(mostClients, network.clientCount());
    switch (random() % 4) {
      case 0:  // the port changed
        stopTcp();
        portIndex ^= 1;
        startTcp();
        break;
      case 1:  // the box cleared and ticked again
        stopTcp();
        wait(50);
        startTcp();
        break;
      default: {  // to a listener, to a port nobody listens on, to the loopback broadcast
        const std::size_t to = random() % udpHosts.size();
        network.stopUdp();
        const int udpPort = to == 1 ? testing::freePort() : shared.udpListenPort;
        network.startUdp(udpHosts[to], udpPort);
      }
    }
  });
  change.start(700);
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  QTimer sample;
  QObject::connect(&sample, &QTimer::timeout,
                   [&] { mostClients = std::max(mostClients, network.clientCount()); });
  sample.start(100);
  while (std::chrono::steady_clock::now() < until) wait(100);
  change.stop();
  sample.stop();
  // The clients that came last are taken and get telegrams before the end.
  shared.quiet = true;
  wait(300);
  tick.stop();
  wait(300);  // the last telegrams reach the line and the clients
  shared.stop = true;
  storm.join();  // once the clients have read what was on its way

  // Idle: the server on, nothing sent, the clients gone.
  const double cpuIdle0 = testing::lineThreadSeconds();
  wait(2000);
  const double idle = (testing::lineThreadSeconds() - cpuIdle0) / 2.0 * 100;
  if (testing::kHandlesCanRunOut) {
    handlesRunOut(network, ports[portIndex], notices);
  } else {
    std::printf(
        "handles used up: not tried under the sanitizers, which need handles of their own\n");
  }
  network.stopTcpServer();
  network.stopUdp();
  wait(300);
  const std::multiset<std::string> handlesAtEnd = openHandles();
  const long rssAtEnd = residentKiB();

  checkSerial(figures.serial, sent);
  std::size_t verified = 0;
  for (std::size_t i = 0; i < figures.readers.size(); ++i) {
    checkReader(figures.readers[i], sent, i);
    verified += !figures.readers[i].received.empty();
  }
  if (!figures.udpError.empty()) fail(figures.udpError);
  for (const std::string& d : figures.badDatagrams)
    fail("a datagram of " + std::to_string(d.size()) + " bytes is no telegram");
  if (idle > 1.0) fail("the telegram thread used " + std::to_string(idle) + " % of a core idle");
  if (handlesAtEnd != handlesAtStart) {
    fail("open handles at start: " + listed(handlesAtStart) +
         "; at the end: " + listed(handlesAtEnd));
  }
  // The address sanitizer keeps freed memory aside for a while (ctest gives it
  // 16 MiB for that) and its own records beside.
  const long allowedMiB = testing::kSanitized ? 128 : 64;
  if (rssAtEnd > rssAtStart + allowedMiB * 1024) {
    fail("resident memory grew by more than " + std::to_string(allowedMiB) + " MiB");
  }
  for (const std::string& s : stops) std::printf("channel stopped: %s\n", s.c_str());

  std::printf("soak of %d s, seed %u: %u telegrams, serial %zu bytes\n", seconds, seed, sent,
              figures.serial.size());
  std::printf(
      "clients: %llu connects, %llu resets, %zu readers checked (%zu with data), "
      "%d held by the server at most, %d client sockets open at most\n",
      static_cast<unsigned long long>(figures.connects),
      static_cast<unsigned long long>(figures.resets), figures.readers.size(), verified,
      mostClients, figures.mostOpen);
  std::printf("garbage sent %llu bytes; UDP datagrams received %llu\n",
              static_cast<unsigned long long>(figures.garbageBytes),
              static_cast<unsigned long long>(figures.udpDatagrams));
  std::printf("resident memory %ld KiB at start, %ld KiB at the end; open handles %zu / %zu\n",
              rssAtStart, rssAtEnd, handlesAtStart.size(), handlesAtEnd.size());
  std::printf("telegram thread while idle: %.2f %% of a core\n", idle);
  std::printf("%s\n", failures == 0 ? "soak: every invariant held" : "soak: FAILED");
  return failures == 0 ? 0 : 1;
}
