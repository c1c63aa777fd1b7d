#pragma once

#include "panels/common/station_panel.h"

namespace kestrom {

// The Mobile station's extended operating panel.
class Tmobile : public StationPanel {
 public:
  explicit Tmobile(Simulator& sim);
};

// The Mobile panel's menu tree as data.
const PanelTables& mobilePanelTables();

}  // namespace kestrom
