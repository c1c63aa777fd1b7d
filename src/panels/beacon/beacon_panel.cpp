#include "panels/beacon/beacon_panel.h"

#include "panels/beacon/beacon_enter.h"
#include "panels/beacon/beacon_key_in.h"
#include "panels/beacon/beacon_navigation.h"
#include "panels/beacon/beacon_screen_ids.h"
#include "panels/beacon/beacon_screens.h"
#include "panels/common/blink.h"
#include "setup/context.h"
#include "setup/setup_window.h"

namespace kestrom {

using namespace beacon_screen;

const PanelTables& beaconPanelTables() {
  static const PanelTables tables = [] {
    PanelTables t;
    t.screens = beaconScreens();
    t.keyIn = beaconKeyIn();
    t.menus = beaconMenus();
    t.fieldCycles = beaconFieldCycles();
    t.pages = beaconPages();
    t.del = beaconDelRows();
    t.enter = beaconEnterRows();
    // The blink of the basic operating panels, on the screens the Beacon has.
    std::vector<int> numbers;
    for (const Screen& s : t.screens) numbers.push_back(s.number);
    t.blink = blinkRowsFor(basicPanelBlinkRows(), numbers);
    // NEXT sets all eight cells black before it moves anything.
    t.nextBlackensCells = true;
    return t;
  }();
  return tables;
}

Tbeacon::Tbeacon(Context& ctx)
    : StationPanel(ctx, WindowIndex::Beacon, "Kestrom Beacon Basic Operating Panel (BOP)", 338, 442,
                   750, true, beaconPanelTables()),
      Tracking(ctx, *this, timerOrder(3)),
      Ramp(ctx.scheduler(), *this, timerOrder(5),
           {{kFreqPair, kConfigFreqPair}, kFreqAdjustMk3, true, true}, kBeaconSide, kMobileSide) {
  enterScreen(kMainMenu);
  ctx.links().setupWindow().registerTrackingTimer(Tracking.Timer3);
  // The window as designed names the counter station's remote tree "FIX"; the
  // main menu drawn by MENU says "MOB".
  cell(Cell::R3).Caption = "FIX";
}

void Tbeacon::FormShow() {
  EditField = 0;
}

void Tbeacon::startPairRamp() {
  Ramp.startForPair();
}

void Tbeacon::startAdjustRamp() {
  Ramp.startForAdjust(value(Cell::R3));
}

void Tbeacon::navigate(char digit) {
  if (digit == '0' || digit == '7') return;
  StationPanel::navigate(digit);
}

}  // namespace kestrom
