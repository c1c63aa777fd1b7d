#pragma once

#include <optional>
#include <string>

#include "core/extended.h"
#include "setup/simulation_state.h"

namespace kestrom {

// Directions, bearings and azimuths in degrees on the circle, as every antenna,
// dial and telegram takes them.

// Direction a - b brought into -180 <= d < 180 (the alignment error of the
// antenna is directionDifference(FixAzimuth, AntennaBearing)).
Extended directionDifference(Extended a, Extended b);

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

// The reciprocal azimuth the telegrams and the OPERATE pages report (180 gives 360,
// 0 gives 180).
Extended reciprocalAzimuth(Extended fixAzimuth);

// Which way an antenna at `from` turns to reach `to` the shorter way (left at
// equal values).
Slew shorterTurn(Extended from, Extended to);

// A scan limit text read as whole degrees, rounded to the nearest degree
// ("245.50" -> 246). Surrounding spaces are allowed; anything else that is not a
// plain decimal number (empty, letters, a comma) gives no value.
std::optional<int> scanLimitDegrees(const std::string& text);

}  // namespace kestrom
