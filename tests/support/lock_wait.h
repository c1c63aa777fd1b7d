#pragma once

#include <cstdint>

#include "panels/common/station_panel.h"
#include "testing/fakes.h"

namespace kestrom::testing {

// Whether both stations' lamps are lit lime: the two are locked together.
inline bool bothLockedLime(const StationPanel& a, const StationPanel& b) {
  for (const StationPanel* p : {&a, &b})
    if (!p->ApdStatusLight1.Lit || p->ApdStatusLight1.LitColor != clLime) return false;
  return true;
}

// Runs virtual time in steps of 100 ms until the two stations lock together or
// `limitMs` has passed; returns the time waited.
inline std::int64_t waitForLock(Rig& rig, const StationPanel& a, const StationPanel& b,
                                std::int64_t limitMs = 300000) {
  std::int64_t waited = 0;
  while (!bothLockedLime(a, b) && waited < limitMs) {
    rig.advance(100);
    waited += 100;
  }
  return waited;
}

}  // namespace kestrom::testing
