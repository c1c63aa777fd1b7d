#pragma once

#include <cstdint>

#include "core/extended.h"
#include "core/scheduler.h"
#include "panels/common/live_pages.h"

namespace kestrom {

class Context;
class Tfix;

// The Fix station's side of the link: every second the link supervision
// (Timer3) decides the link from the shared settings, lights the Fix's lamp and
// the AID display's, drives the autosearch sweep and fills the OPERATE pages; the
// alignment refresh (Timer1) follows the antenna between supervisions while the
// link holds. Both act only while the counter station is the Mk 4 fix station:
// in the other scenarios there is no Fix, and its hidden panel leaves the lock,
// the lamps and the azimuth alone.
class FixTracking {
 public:
  FixTracking(Context& ctx, Tfix& panel, int timer1Order, int timer3Order);

  Timer Timer1;  // alignment refresh, 1000 ms, always running
  Timer Timer3;  // link supervision, 1000 ms, stopped while the scenario is edited

  Extended FixDistance = 0;
  std::int32_t FixInBeam = 0;

  void Timer1Timer();
  void Timer3Timer();

 private:
  bool inScenario() const;
  void measure();
  LinkState alignment(Extended d) const;
  void notLinked();
  void offTarget(LinkState state, const std::vector<LivePageRow>& pages);
  void onTarget(const std::vector<LivePageRow>& pages);
  void autosearch(bool continuousWhenLimitsEqual);
  LiveReadings readings(bool onTarget);
  void write(LinkState state, const std::vector<LivePageRow>& pages, LiveReadings& r);
  void light(bool lit);
  void colour(Color c);
  bool onOperatePage() const;

  Context& ctx_;
  Tfix& panel_;
  bool linked_ = false;  // what the last supervision found
};

}  // namespace kestrom
