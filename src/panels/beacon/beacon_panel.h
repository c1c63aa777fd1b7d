#pragma once

#include "panels/beacon/beacon_tracking.h"
#include "panels/common/frequency_ramp.h"
#include "panels/common/station_panel.h"

namespace kestrom {

// The Beacon's basic operating panel: its tables (beaconPanelTables) on the common
// panel model, its link cycle and its frequency ramp. Its slew keys do nothing.
class Tbeacon : public StationPanel {
 public:
  explicit Tbeacon(Context& ctx);

  BeaconTracking Tracking;  // Timer3 link cycle
  FrequencyRamp Ramp;       // Timer5 frequency ramp
  // The hidden indicator: the alignment error, blue in the beam, else silver.
  Label Label16{"", clSilver, false};

  void FormShow() override;

  // ENTER steps.
  void startPairRamp();    // FREQ: to the pair's Beacon frequency
  void startAdjustRamp();  // FREQ ADJUST MK3: to the keyed frequency

 protected:
  // Keys 0 and 7 never change the Beacon's screen.
  void navigate(char digit) override;
};

// The Beacon panel's menu trees as data.
const PanelTables& beaconPanelTables();

}  // namespace kestrom
