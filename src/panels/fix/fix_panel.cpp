#include "panels/fix/fix_panel.h"

#include "panels/fix/fix_screens.h"

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

void Tfix::navigate(char digit) {
  if (digit == '0' || digit == '7') return;
  StationPanel::navigate(digit);
}

}  // namespace kestrom
