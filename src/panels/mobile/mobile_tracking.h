#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/extended.h"
#include "core/scheduler.h"
#include "panels/common/live_pages.h"
#include "panels/mobile/mobile_dial.h"
#include "setup/simulation_state.h"

namespace kestrom {

class Context;
class StationPanel;

// The Mobile station's tracking: the antenna slew (held L/R keys, a bearing set
// point, the AUTOSEARCH scan between the scan limits) and the 500 ms link and
// measurement cycle that decides lock, drives the in-lock lamps of every window and
// fills the measurement pages.
class MobileTracking {
 public:
  // `timerOrder(n)` of the Mobile window orders Timer1 and Timer3.
  MobileTracking(Context& ctx, StationPanel& panel, int timer1Order, int timer3Order);

  Timer Timer1;  // slew step, 100 ms
  Timer Timer3;  // link and measurement cycle, 500 ms

  Slew SlewDirection = Slew::Stopped;
  Scan ScanState = Scan::Idle;
  std::int32_t AutoTurn = 0;  // a set point is being approached
  Extended Setpoint = 0;
  std::int32_t InBeam = 0;
  std::int32_t SlowSlew = 0;
  Extended MobileDistance = 0;
  std::int32_t FirstShow = 1;

  void Timer1Timer();
  void Timer3Timer();

  // L (right = false) and R keys held and released.
  void slewKeyDown(bool right);
  void slewKeyUp();
  // The panel was shown: the antenna is drawn afresh.
  void FormShow();

  // ENTER on the bearing set point page: turn the short way to `setpoint`.
  void startSetpointTurn(Extended setpoint);
  // ENTER of an operating mode. `onModePage` is the OPR MODE page of the Mobile's
  // own menu, where AUTOSEARCH also starts the antenna toward the left limit.
  void operatingModeEntered(bool autosearch, bool onModePage);

  // True while the Mobile's lamp is lit and lime: the lock the telegrams report.
  bool lockedForTelegrams() const;

  // The antenna dial as it stands now.
  MobileDialPicture dialPicture() const;

 private:
  void slewStep();
  void linkedCycle(Extended d);
  void notLinkedCycle();
  void writePage(LinkState state, LiveReadings& readings);
  LiveReadings lockedReadings();
  void setThreeLamps(bool lit);
  void setThreeLampColours(std::uint32_t colour);
  void showLampPanels(bool shown);
  void writeBearing();
  std::string servoText(const char* step) const;
  Slew directionToward(Extended target) const;

  Context& ctx_;
  StationPanel& panel_;
};

}  // namespace kestrom
