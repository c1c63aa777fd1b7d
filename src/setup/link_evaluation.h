#pragma once

#include <optional>
#include <string>

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

// Direction a - b brought into -180 <= d < 180 (the alignment error of the
// antenna is directionDifference(FixAzimuth, AntennaBearing)).
Extended directionDifference(Extended a, Extended b);

// A scan limit text read as whole degrees, rounded to the nearest degree
// ("245.50" -> 246). Surrounding spaces are allowed; anything else that is not a
// plain decimal number (empty, letters, a comma) gives no value.
std::optional<int> scanLimitDegrees(const std::string& text);

// A direction brought into 0 <= bearing < 360 (not a number gives 0).
Extended bearingOf(Extended direction);

// Every writer of FixAzimuth stores it in 0 <= azimuth < 360, so the panels, the
// dial and the telegrams never see an azimuth outside the circle.
inline void setFixAzimuth(SimulationState& state, Extended azimuth) {
  state.FixAzimuth = bearingOf(azimuth);
}

// The Fix antenna's direction: it points at the Mobile, the reverse of the
// azimuth that links the stations, FixAzimuth + 180 on the circle. Its scan
// limits, set point and turns are all taken in this one frame.
inline Extended fixAntennaDirection(const SimulationState& state) {
  return bearingOf(state.FixAzimuth + 180);
}

// Which way an antenna at `from` turns to reach `to` the shorter way (left at
// equal values).
Slew shorterTurn(Extended from, Extended to);

// The reciprocal azimuth the telegrams and the OPERATE pages report.
Extended reciprocalAzimuth(Extended fixAzimuth);

// Whole number read from a setting text such as "9270" or " 24"; false when the
// text is not a whole number.
bool readWholeNumber(const std::string& text, long& out);

}  // namespace kestrom
