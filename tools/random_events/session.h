#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "random_events/invariants.h"
#include "testing/fakes.h"

namespace kestrom {
class StationPanel;
}

namespace kestrom::random_events {

struct Event;

// The whole simulator on the test seams, as the tester drives it: the seams of
// the core tests, seeded, plus what the tester saw happen during the last event
// (telegrams written, messages shown).
class Session {
 public:
  // `loose` also lets events reach controls a trainee cannot reach (disabled,
  // hidden) and entry points with out-of-range indexes and junk texts.
  Session(unsigned seed, bool loose);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Simulator& sim() { return rig_.sim; }
  SimulationState& state() { return rig_.state(); }
  testing::Rig& rig() { return rig_; }
  bool loose() const { return loose_; }

  // The three station panels in a fixed order: Mobile, Fix, Beacon.
  StationPanel& panel(int i);
  static constexpr int kPanelCount = 3;

  // Runs one event as its view would, then what the views do after every event
  // (a message left by a failing port is shown). Returns the first invariant the
  // event broke.
  std::optional<std::string> run(const Event& e);

  // A telegram as the serial port or the network was handed it, with the record
  // it was built from.
  struct Written {
    std::string bytes;
    TelegramRecord record;
    bool network = false;
  };
  // A message the network output showed for a channel that could not start or
  // stopped by itself, with what the operator had typed for that channel.
  struct NetworkMessage {
    NetworkChannel channel = NetworkChannel::TcpServer;
    std::string text;
    std::string typedPort;
    std::string typedHost;  // the UDP host; empty for the TCP server
  };

  // What the last event did, for the invariants.
  struct Seen {
    bool timeEvent = false;      // the event only let time pass
    bool sendingBefore = false;  // telegrams went out before the event
    int messageBoxes = 0;        // message boxes shown during the event
    int portMessages = 0;        // "not available" messages, either way
    std::vector<std::string> telegramFaults;
    std::vector<Written> telegrams;
    std::vector<NetworkMessage> networkMessages;
  };
  const Seen& seen() const { return seen_; }

  // The telegrams one output (serial port or network) wrote since it last came on,
  // or since its rate or what a slot sends last changed.
  struct RateWindow {
    bool on = false;
    int perSecond = 0;            // the rate the list shows; 0 when it shows none
    bool everySlotSends = false;  // an ASCII type and a range that is a number
    std::int64_t start = 0;       // simulated ms
    int count = 0;
  };
  const RateWindow& rateWindow(bool network) const { return windows_[network ? 1 : 0]; }
  // A window that ended inside the last event, cut short while time passed (the
  // output failed on a tick, say): only its upper bound holds.
  const std::optional<RateWindow>& cutWindow(bool network) const { return cut_[network ? 1 : 0]; }

  // The port, baud rate, data bits, parity and stop bits lists, by the index the
  // operator last picked in each: what the port must use, whatever the lists show
  // since (the Mobile panel may move them).
  static constexpr int kLineLists = 5;
  void operatorChose(int list, int index) { chosen_[list] = index; }
  const std::array<int, kLineLists>& operatorChoices() const { return chosen_; }

 private:
  void checkTelegram(const std::string& bytes, bool network);
  void showPendingMessages();
  void noteNetworkMessages(const Event& e);
  std::array<RateWindow, 2> currentRates();
  void followRates();

  testing::Rig rig_;
  bool loose_;
  Seen seen_;
  std::array<RateWindow, 2> windows_;
  std::array<std::optional<RateWindow>, 2> cut_;
  std::array<int, kLineLists> chosen_{};
  // The network boxes and edits as the event found them.
  bool tcpBefore_ = false;
  bool udpBefore_ = false;
  std::string tcpPortBefore_, udpPortBefore_, udpHostBefore_;
  std::vector<std::string> pendingNetwork_;
};

}  // namespace kestrom::random_events
