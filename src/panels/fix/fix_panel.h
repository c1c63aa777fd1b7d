#pragma once

#include "panels/common/station_panel.h"

namespace kestrom {

// The Fix station's basic operating panel.
class Tfix : public StationPanel {
 public:
  explicit Tfix(Simulator& sim);
};

}  // namespace kestrom
