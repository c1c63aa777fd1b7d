#include "panels/fix/fix_panel.h"

#include "panels/common/enter_steps.h"
#include "panels/fix/fix_enter.h"
#include "panels/fix/fix_menus.h"
#include "panels/fix/fix_navigation.h"
#include "panels/fix/fix_screens.h"
#include "setup/context.h"
#include "setup/link_evaluation.h"

namespace kestrom {

const PanelTables& fixPanelTables() {
  static const PanelTables tables = [] {
    PanelTables t;
    t.screens = fixScreens();
    t.keyIn = FixMenus();
    t.menus = fixMenus();
    t.fieldCycles = fixFieldCycles();
    t.pages = fixPages();
    t.del = fixDelRows();
    t.enter = fixEnterRows();
    t.blink = fixBlinkRows();
    return t;
  }();
  return tables;
}

Tfix::Tfix(Context& ctx)
    : StationPanel(ctx, WindowIndex::Fix, "Kestrom Fix Basic Operating Panel (BOP)", 338, 442, 750,
                   false, fixPanelTables()),
      Ramp(ctx.scheduler(), *this, timerOrder(5), {{6, 73}, 8}, kFixSide, kMobileSide) {
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

namespace {

// The Fix frequency of pair n: 9230, 9270, 9200, 9300.
int pairFixFrequency(int n) {
  static const int freqs[] = {9230, 9270, 9200, 9300};
  return freqs[n];
}

}  // namespace

void Tfix::startPairRamp() {
  int n = entry::pairDigit(state().CounterFreqPairText);
  if (n >= 0) Ramp.startPairRamp(pairFixFrequency(n));
}

void Tfix::startAdjustRamp() {
  FixFreqTarget = value(Cell::R3);
  long target = 0;
  if (readWholeNumber(FixFreqTarget, target)) Ramp.startAdjustRamp(static_cast<int>(target));
}

void Tfix::navigate(char digit) {
  if (digit == '0' || digit == '7') return;
  StationPanel::navigate(digit);
}

}  // namespace kestrom
