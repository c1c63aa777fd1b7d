#pragma once

#include <cstdint>

#include <string>

#include "panels/common/frequency_ramp.h"
#include "panels/common/station_panel.h"
#include "panels/fix/fix_tracking.h"

namespace kestrom {

// The Fix station's basic operating panel.
class Tfix : public StationPanel {
 public:
  explicit Tfix(Context& ctx);

  // Direction in which the Fix AID display's sweep turns the antenna.
  Slew FixSlewCommand = Slew::Stopped;
  // Set while the antenna turns to an entered azimuth set point; the sweep ends
  // the turn there and clears it.
  std::int32_t FixAutoTurn = 0;
  // The azimuth set point last entered on the Fix panel.
  Extended FixSetpoint = 0;
  // 0 after a lock; 1 once the AID display has been repainted after losing it.
  std::int32_t AidRepaintDone = 0;
  // The frequency the ramp of FREQ ADJUST MK3 moves the Fix's frequency to.
  std::string FixFreqTarget;

  FixTracking Tracking;  // Timer1 alignment refresh, Timer3 link supervision
  FrequencyRamp Ramp;    // Timer5 frequency ramp

  void FormShow() override;
  // Closing the panel leaves the AID display to its idle redraw.
  void FormClose() override;
  // The slew keys turn the Fix antenna through the AID display's sweep while held.
  void SlewKeyDown(bool right) override;
  void SlewKeyUp(bool right) override;

  // The SERVO reading for a turn step: "25" right, "-25" left, "0" stopped.
  std::string servoText(const char* step) const;

  // ENTER steps of the Fix's own pages.
  void startPairRamp();         // FREQ: to the pair's Fix frequency
  void startAdjustRamp();       // FREQ ADJUST MK3: to the keyed frequency
  void aimedWithTelescope();    // AIM ANTENNA WITH TELESCOPE: key in the reference
  void operatingModeEntered();  // OPR MODE: the autosearch sector and sweep
  void mk3GainIsManual();       // UNIT CONFIGURED: a Mk 3 mobile role has manual gain
  // AZIMUTH SETPOINT: the antenna turns the shorter way to the set point.
  void turnToSetpoint(Extended setpoint);

 protected:
  // Keys 0 and 7 never change the Fix's screen.
  void navigate(char digit) override;
  // The AID display's sweep tick turns the Fix antenna.
  void SlewStep() override;
};

// The Fix panel's menu tree as data.
const PanelTables& fixPanelTables();

}  // namespace kestrom
