#pragma once

#include <cstdint>

#include <string>

#include "panels/common/frequency_ramp.h"
#include "panels/common/station_panel.h"

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

  FrequencyRamp Ramp;  // Timer5 frequency ramp

  void FormShow() override;
  // Closing the panel leaves the AID display to its idle redraw.
  void FormClose() override;
  // The slew keys turn the Fix antenna through the AID display's sweep while held.
  void SlewKeyDown(bool right) override;
  void SlewKeyUp(bool right) override;

  // ENTER steps of the Fix's own pages.
  void startPairRamp();    // FREQ: to the pair's Fix frequency
  void startAdjustRamp();  // FREQ ADJUST MK3: to the keyed frequency

 protected:
  // Keys 0 and 7 never change the Fix's screen.
  void navigate(char digit) override;
  // The AID display's sweep tick turns the Fix antenna.
  void SlewStep() override;
};

// The Fix panel's menu tree as data.
const PanelTables& fixPanelTables();

}  // namespace kestrom
