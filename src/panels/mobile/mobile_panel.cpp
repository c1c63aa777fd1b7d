#include "panels/mobile/mobile_panel.h"

#include "app/simulator.h"
#include "panels/mobile/mobile_enter.h"
#include "panels/mobile/mobile_key_in.h"
#include "panels/mobile/mobile_navigation.h"
#include "panels/mobile/mobile_screens.h"
#include "setup/setup_window.h"

namespace kestrom {

const PanelTables& mobilePanelTables() {
  static const PanelTables tables = [] {
    PanelTables t;
    t.screens = mobileScreens();
    t.keyIn = mobileKeyIn();
    t.menus = mobileMenus();
    t.fieldCycles = mobileFieldCycles();
    t.pages = mobilePages();
    t.del = mobileDelRows();
    t.blink = mobileBlinkRows();
    // A page left by NEXT takes no white field along to the next one.
    t.nextBlackensCells = true;
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

void Tmobile::enterStep() {
  mobileEnter(sim_, *this, Tracking, Slew);
}

}  // namespace kestrom
