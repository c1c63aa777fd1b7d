#pragma once

#include "panels/common/frequency_ramp.h"
#include "panels/common/station_panel.h"

namespace kestrom {

// The Beacon's basic operating panel: its tables (beaconPanelTables) on the common
// panel model, its link cycle and its frequency ramp. Its slew keys do nothing.
class Tbeacon : public StationPanel {
 public:
  explicit Tbeacon(Context& ctx);

  FrequencyRamp Ramp;  // Timer5 frequency ramp

  void FormShow() override;

 protected:
  // Keys 0 and 7 never change the Beacon's screen.
  void navigate(char digit) override;
};

// The Beacon panel's menu trees as data.
const PanelTables& beaconPanelTables();

}  // namespace kestrom
