#include "panels/mobile/mobile_panel.h"

namespace kestrom {

const PanelTables& mobilePanelTables() {
  static const PanelTables tables = [] {
    PanelTables t;
    t.screens = {
        {0,
         0,
         {{"     (MAIN MENU MOB)", {}},
          {"OPERATE", "WAKE-UP"},
          {"MODIFY", "FIX"},
          {"MONITOR", "CONFIG"}}},
    };
    return t;
  }();
  return tables;
}

Tmobile::Tmobile(Simulator& sim)
    : StationPanel(sim, WindowIndex::Mobile, "Kestrom Mobile Extended Operating Panel (EOP)", 630,
                   438, 500, true, mobilePanelTables()) {
  enterScreen(0);
}

}  // namespace kestrom
