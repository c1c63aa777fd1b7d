#pragma once

#include <optional>
#include <string>
#include <vector>

#include "support/fakes.h"

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

  // What the last event did, for the invariants.
  struct Seen {
    bool timeEvent = false;      // the event only let time pass
    bool sendingBefore = false;  // telegrams went out before the event
    int messageBoxes = 0;        // message boxes shown during the event
    int portMessages = 0;        // "not available" messages, either way
    std::vector<std::string> telegramFaults;
  };
  const Seen& seen() const { return seen_; }

 private:
  void checkTelegram(const std::string& bytes, bool network);
  void showPendingMessage();

  testing::Rig rig_;
  bool loose_;
  Seen seen_;
};

}  // namespace kestrom::random_events
