#pragma once

#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/seams.h"
#include "simulator/simulator.h"

namespace kestrom::testing {

// Seeded random numbers; values queued with script() are returned first. While
// `highest` is set every whole number drawn is the largest it may be (and every
// fraction 0.75), so that a reading
// shows which range was drawn from.
class FakeRandom : public RandomSource {
 public:
  bool highest = false;
  explicit FakeRandom(unsigned seed = 1) : engine_(seed) {}
  void script(std::vector<int> values) { ints_.insert(ints_.end(), values.begin(), values.end()); }
  void scriptReal(std::vector<double> values) {
    reals_.insert(reals_.end(), values.begin(), values.end());
  }
  int random(int n) override {
    if (!ints_.empty()) {
      int v = ints_.front();
      ints_.pop_front();
      return v;
    }
    if (highest) return n - 1;
    return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(engine_);
  }
  double randomReal() override {
    if (!reals_.empty()) {
      double v = reals_.front();
      reals_.pop_front();
      return v;
    }
    if (highest) return 0.75;
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
  }

 private:
  std::mt19937 engine_;
  std::deque<int> ints_;
  std::deque<double> reals_;
};

// Random numbers at one end of their range: n-1 (or just below 1), or 0.
class EndRandom : public RandomSource {
 public:
  bool top = true;
  int random(int n) override { return top && n > 0 ? n - 1 : 0; }
  double randomReal() override { return top ? 0.999 : 0.0; }
};

class FixedClock : public WallClock {
 public:
  std::string time = "12:34:56";
  std::string timeOfDay() override { return time; }
};

class RecordingDialogs : public MessageBoxes {
 public:
  struct Shown {
    std::string kind;
    std::string text;
  };
  std::vector<Shown> shown;
  Answer answer = Answer::Ok;
  void information(const std::string& text) override { shown.push_back({"information", text}); }
  Answer warningOkCancel(const std::string& text) override {
    shown.push_back({"warning", text});
    return answer;
  }
  void error(const std::string& text) override { shown.push_back({"error", text}); }
  // Each save dialog is recorded by its caption and answered with `savePath`.
  std::string savePath;
  std::vector<std::string> saveCaptions;
  std::string saveFileName(const std::string& caption, const std::string&) override {
    saveCaptions.push_back(caption);
    return savePath;
  }
};

class RecordingTone : public TonePlayer {
 public:
  std::vector<std::vector<Beep>> played;
  void play(const std::vector<Beep>& beeps) override { played.push_back(beeps); }
};

class RecordingHelp : public HelpViewer {
 public:
  std::vector<std::string> opened;
  void openContents(const std::string& helpFile) override { opened.push_back(helpFile); }
};

// A serial port that records what is written. Ports listed in `missing` fail to open.
class RecordingSerial : public SerialPort {
 public:
  std::vector<int> missing;
  std::vector<std::string> writes;
  // While set, every write is refused as a port whose driver reports an error.
  bool refuseWrites = false;
  // Sees each accepted write as it happens.
  std::function<void(const std::string&)> onWrite;
  SerialSettings settings;
  int port = 0;
  bool open_ = false;
  bool open(int portNumber, const SerialSettings& s) override {
    for (int m : missing)
      if (m == portNumber) return false;
    port = portNumber;
    settings = s;
    open_ = true;
    return true;
  }
  void close() override { open_ = false; }
  bool isOpen() const override { return open_; }
  bool apply(const SerialSettings& s) override {
    settings = s;
    return true;
  }
  bool write(const std::string& bytes) override {
    if (!open_ || refuseWrites) return false;
    writes.push_back(bytes);
    if (onWrite) onWrite(bytes);
    return true;
  }
  // Makes the open port fail as a pulled USB adapter would.
  void fail() {
    if (onFailure) onFailure();
  }
  // The device goes away: the port closes itself and reports the failure once.
  void vanish() {
    if (!open_) return;
    open_ = false;
    fail();
  }
};

// A network that records what each channel is sent. A start gives `refuse` when
// it is set.
class RecordingNetwork : public TelegramNetwork {
 public:
  std::string refuse;
  int tcpPort = 0;  // 0 while stopped
  std::string udpHost;
  int udpPort = 0;
  std::vector<std::string> sent;
  // While set, every start is refused as a real network refuses it, naming what it
  // was asked for: each TCP port is in use, each UDP host unknown.
  bool portsInUse = false;
  bool hostsUnknown = false;
  std::string startTcpServer(int port) override {
    if (portsInUse) {
      return "The TCP server cannot listen on port " + std::to_string(port) +
             ": the address is already in use.";
    }
    if (refuse.empty()) tcpPort = port;
    return refuse;
  }
  void stopTcpServer() override { tcpPort = 0; }
  std::string startUdp(const std::string& host, int port) override {
    if (hostsUnknown) return "Unknown host " + host + ".";
    if (!refuse.empty()) return refuse;
    udpHost = host;
    udpPort = port;
    return {};
  }
  void stopUdp() override { udpPort = 0; }
  // Sees each telegram as it is sent.
  std::function<void(const std::string&)> onSend;
  void send(const std::string& bytes) override {
    sent.push_back(bytes);
    if (onSend) onSend(bytes);
  }
  // A running channel fails by itself.
  void fail(NetworkChannel channel, const std::string& reason) {
    if (channel == NetworkChannel::TcpServer) tcpPort = 0;
    if (channel == NetworkChannel::Udp) udpPort = 0;
    if (onFailure) onFailure(channel, reason);
  }
  // A channel fails by itself with a reason naming what it was started with: the
  // TCP server's port, or the UDP host whose name a late lookup did not find.
  void failNamingItself(NetworkChannel channel) {
    if (channel == NetworkChannel::TcpServer) {
      fail(channel, "The TCP server on port " + std::to_string(tcpPort) + " stopped.");
    } else {
      fail(channel, "Unknown host " + udpHost + ".");
    }
  }
};

// The simulator on fakes with a random source of the test's choosing and no
// network, as a machine without one runs it.
template <typename Random = FakeRandom>
struct OfflineRig {
  Random random;
  FixedClock clock;
  RecordingDialogs dialogs;
  RecordingTone tone;
  RecordingHelp help;
  RecordingSerial serial;
  Simulator sim{Services{random, clock, dialogs, tone, help, serial}};
};

// The simulator on fakes, as every core test uses it.
struct Rig {
  FakeRandom random;
  FixedClock clock;
  RecordingDialogs dialogs;
  RecordingTone tone;
  RecordingHelp help;
  RecordingSerial serial;
  RecordingNetwork network;
  Simulator sim{Services{random, clock, dialogs, tone, help, serial, &network}};
  SimulationState& state() { return sim.state(); }
  void advance(std::int64_t ms) { sim.scheduler().advance(ms); }
};

}  // namespace kestrom::testing
