#pragma once

#include <cstdint>

#include "core/extended.h"
#include "core/scheduler.h"
#include "panels/common/live_pages.h"

namespace kestrom {

class Context;
class Tbeacon;

// The Beacon's side of the link: every half second the link cycle (Timer3)
// decides the link from the shared settings, lights the Beacon's lamp, keeps the
// lock state and fills the OPERATE pages of both trees. It acts only while the
// counter station is the Mk 4 beacon: in the other scenarios there is no beacon,
// and its hidden panel leaves the lock, the flags and the other lamps alone.
class BeaconTracking {
 public:
  BeaconTracking(Context& ctx, Tbeacon& panel, int timer3Order);

  Timer Timer3;  // link cycle, 500 ms, stopped while the scenario is edited

  Extended BeaconDistance = 0;
  std::int32_t BeaconInBeam = 0;

  void Timer3Timer();

 private:
  bool inScenario() const;
  void measure();
  void showBeam(bool inBeam);
  void notLinked();
  void linked(LinkState state);
  bool onLivePage() const;

  Context& ctx_;
  Tbeacon& panel_;
};

}  // namespace kestrom
