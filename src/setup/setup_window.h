#pragma once

#include <vector>

#include "app/window_model.h"
#include "platform/scheduler.h"

namespace kestrom {

// The setup window: the main window with the menu bar, the scenario settings,
// the reset of the shared record and the alarms.
class Tmenumain : public WindowModel {
 public:
  explicit Tmenumain(Simulator& sim);

  // The panels' tracking timers, stopped while the scenario is edited and started
  // again by "Exit Setup". Each panel registers its tracking timer when created.
  void registerTrackingTimer(Timer& timer) { trackingTimers_.push_back(&timer); }

 private:
  std::vector<Timer*> trackingTimers_;
};

}  // namespace kestrom
