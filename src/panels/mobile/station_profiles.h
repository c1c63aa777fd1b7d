#pragma once

#include "setup/simulation_state.h"

namespace kestrom {

// The shuttle tanker software's station codes: ENTER on the station page loads the
// whole radio profile of the station with that code. Returns false for codes that
// have no profile (nothing is changed then, but for the gain mode rule).
bool applyStationProfile(SimulationState& state, int code);

// Gain mode that a station code implies: AUTOMATIC or MANUAL, or nullptr when the
// code leaves the gain mode as it is.
const char* stationGainMode(int code);

}  // namespace kestrom
