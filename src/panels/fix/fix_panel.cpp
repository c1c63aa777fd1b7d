#include "panels/fix/fix_panel.h"

#include "simulator/simulator.h"
#include "panels/fix/fix_screens.h"
#include "panels/mobile/mobile_panel.h"
#include "windows/aid_display.h"

namespace kestrom {

Tfix::Tfix(Simulator& sim)
    : StationPanel(sim, WindowIndex::Fix, "Kestrom Fix Basic Operating Panel (BOP)", 338, 442, 750,
                   false, fixPanelTables()) {
  enterScreen(0);
}

void Tfix::FormShow() {
  EditField = 0;
  AidRepaintDone = 1;
}

void Tfix::FormClose() {
  sim_.aidDisplay().Timer2.start();
}

void Tfix::SlewKeyDown(bool right) {
  Taiddisplay& aid = sim_.aidDisplay();
  aid.Timer2.stop();
  aid.Timer1.start();
  FixSlewCommand = right ? Slew::Right : Slew::Left;
}

void Tfix::SlewKeyUp(bool right) {
  (void)right;
  // With equal scan limits the Mobile's antenna turns on: so does the sweep.
  if (sim_.mobilePanel().Tracking.ScanState == Scan::Continuous) return;
  sim_.aidDisplay().Timer1.stop();
  FixSlewCommand = Slew::Stopped;
}

void Tfix::SlewStep() {
  sim_.aidDisplay().Timer1Timer();
}

void Tfix::navigate(char digit) {
  if (digit == '0' || digit == '7') return;
  StationPanel::navigate(digit);
}

}  // namespace kestrom
