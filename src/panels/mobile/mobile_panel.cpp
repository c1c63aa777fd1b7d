#include "panels/mobile/mobile_panel.h"

#include "app/simulator.h"
#include "panels/mobile/mobile_enter.h"
#include "setup/setup_window.h"

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
                   438, 500, true, mobilePanelTables()),
      Tracking(sim, *this, timerOrder(1), timerOrder(3)),
      Slew(sim, *this, timerOrder(5)) {
  enterScreen(0);
  sim.setup().registerTrackingTimer(Tracking.Timer3);
}

void Tmobile::FormShow() {
  EditField = 0;
  Tracking.FormShow();
}

void Tmobile::FormClose() {
  // The Fix AID display draws itself from the current state: nothing to redraw.
}

void Tmobile::OnOffKey() {
  state().InLock = 0;
  Close();
}

void Tmobile::enterStep() { mobileEnter(sim_, *this, Tracking, Slew); }

}  // namespace kestrom
