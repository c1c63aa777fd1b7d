#pragma once

#include <cstdint>

#include "panels/common/station_panel.h"

namespace kestrom {

// The Fix station's basic operating panel.
class Tfix : public StationPanel {
 public:
  explicit Tfix(Simulator& sim);

  // Direction in which the Fix AID display's sweep turns the antenna:
  // 0 left, 1 right, 3 stopped.
  std::int32_t FixSlewCommand = 3;
  // Set while the antenna turns to an entered azimuth set point; the sweep ends
  // the turn there and clears it.
  std::int32_t FixAutoTurn = 0;
  // The azimuth set point last entered on the Fix panel.
  double FixSetpoint = 0;
};

}  // namespace kestrom
