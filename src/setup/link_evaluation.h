#pragma once

#include "core/extended.h"
#include "setup/simulation_state.h"

namespace kestrom {

// The five lock conditions of the link between the Mobile and its counter station.
struct LinkConditions {
  int FrequencyMatch = 0;
  int AddressMatch = 0;
  int StationTypeMatch = 0;
  int StandbyMatch = 0;
  int RangeModeMatch = 0;
  // What the config view's "Frequencies " box shows: the plain 30 MHz spacing test,
  // and the Expert level's offset test where that level applies it.
  bool FrequencyBox = false;

  bool linked() const {
    return FrequencyMatch && AddressMatch && StationTypeMatch && StandbyMatch && RangeModeMatch;
  }
};

// One verdict on the link for every panel's cycle. `level` is the simulation level
// 1..3, `distance` the distance in metres. RangeModeMatch keeps the state's old value
// when neither gain mode decides it. Settings that cannot be read fail their
// condition quietly.
LinkConditions evaluateLink(const SimulationState& state, int level, Extended distance);

// Stores the conditions in the shared record.
void storeLinkConditions(SimulationState& state, const LinkConditions& c);
// Whether the conditions in the record, as the last supervision of either
// station stored them, all hold (a reset clears them).
bool storedLinkHolds(const SimulationState& state);

// With both stations in AUTOMATIC gain mode, sets both transmit ranges (LONG from
// 200 m) and powers (NORMAL from 900 m) and their status-line letters (the
// counter station's in the Mk 4 beacon's line while it is the counter station). Returns whether it
// changed anything.
bool applyAutomaticGain(SimulationState& state, Extended distance);

}  // namespace kestrom
