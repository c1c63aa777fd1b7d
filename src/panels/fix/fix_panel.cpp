#include "panels/fix/fix_panel.h"

#include "setup/context.h"
#include "panels/fix/fix_screens.h"

namespace kestrom {

Tfix::Tfix(Context& ctx)
    : StationPanel(ctx, WindowIndex::Fix, "Kestrom Fix Basic Operating Panel (BOP)", 338, 442, 750,
                   false, fixPanelTables()) {
  enterScreen(0);
}

void Tfix::FormShow() {
  EditField = 0;
  AidRepaintDone = 1;
}

void Tfix::FormClose() {
  ctx_.links().runAidIdleRedraw(true);
}

void Tfix::SlewKeyDown(bool right) {
  ctx_.links().runAidIdleRedraw(false);
  ctx_.links().runAidSweep(true);
  FixSlewCommand = right ? Slew::Right : Slew::Left;
}

void Tfix::SlewKeyUp(bool right) {
  (void)right;
  // With equal scan limits the Mobile's antenna turns on: so does the sweep.
  if (ctx_.links().mobileScansContinuously()) return;
  ctx_.links().runAidSweep(false);
  FixSlewCommand = Slew::Stopped;
}

void Tfix::SlewStep() {
  ctx_.links().stepAidSweep();
}

void Tfix::navigate(char digit) {
  if (digit == '0' || digit == '7') return;
  StationPanel::navigate(digit);
}

}  // namespace kestrom
