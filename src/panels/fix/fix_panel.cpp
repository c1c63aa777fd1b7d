#include "panels/fix/fix_panel.h"

#include "panels/common/enter_steps.h"
#include "panels/fix/fix_enter.h"
#include "panels/fix/fix_key_in.h"
#include "panels/fix/fix_navigation.h"
#include "panels/fix/fix_screen_ids.h"
#include "panels/fix/fix_screens.h"
#include "setup/angles.h"
#include "setup/context.h"
#include "setup/setup_window.h"

namespace kestrom {

using namespace fix_screen;

const PanelTables& fixPanelTables() {
  static const PanelTables tables = [] {
    PanelTables t;
    t.screens = fixScreens();
    t.keyIn = fixKeyIn();
    t.menus = fixMenus();
    t.fieldCycles = fixFieldCycles();
    t.pages = fixPages();
    t.del = fixDelRows();
    t.enter = fixEnterRows();
    t.blink = basicPanelBlinkRows();
    return t;
  }();
  return tables;
}

Tfix::Tfix(Context& ctx)
    : StationPanel(ctx, WindowIndex::Fix, "Kestrom Fix Basic Operating Panel (BOP)", 338, 442, 750,
                   false, fixPanelTables()),
      Tracking(ctx, *this, timerOrder(1), timerOrder(3)),
      Ramp(ctx.scheduler(), *this, timerOrder(5), {{kFreqPair, kConfigFreqPair}, kFreqAdjustMk3},
           kFixSide, kMobileSide) {
  enterScreen(kMainMenu);
  ctx.links().setupWindow().registerTrackingTimer(Tracking.Timer3);
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
  // Scanning with equal limits the Fix antenna turns on.
  if (state().FixAidScanMode == Scan::Continuous) return;
  ctx_.links().runAidSweep(false);
  FixSlewCommand = Slew::Stopped;
}

void Tfix::SlewStep() {
  ctx_.links().stepAidSweep();
}

void Tfix::startPairRamp() {
  Ramp.startForPair();
}

void Tfix::startAdjustRamp() {
  FixFreqTarget = value(Cell::R3);
  Ramp.startForAdjust(FixFreqTarget);
}

std::string Tfix::servoText(const char* step) const {
  if (FixSlewCommand == Slew::Right) return step;
  if (FixSlewCommand == Slew::Left) return std::string("-") + step;
  return "0";
}

void Tfix::aimedWithTelescope() {
  SimulationState& s = state();
  s.AntennaBearing = bearingOf(s.AntennaDirection);
  enterScreen(kReferenceAzimuth);
}

void Tfix::turnToSetpoint(Extended setpoint) {
  while (setpoint >= 360) setpoint -= 360;
  FixSetpoint = setpoint;
  FixSlewCommand = shorterTurn(fixAntennaDirection(state()), setpoint);
  FixAutoTurn = 1;
  ctx_.links().beginAidSetpointTurn(setpoint);
  ctx_.links().runAidSweep(true);
}

void Tfix::operatingModeEntered() {
  SimulationState& s = state();
  Links& links = ctx_.links();
  const bool autosearch = s.CounterOperatingMode == text::AutoSearch;
  s.FixAutosearchDisplay = autosearch ? 1 : 0;
  s.FixAidScanMode = autosearch ? Scan::BetweenLimits : Scan::Idle;
  links.runAidIdleRedraw(!autosearch);
  if (!autosearch) {
    links.runAidSweep(false);
    return;
  }
  if (MenuState != kOprMode) return;
  std::optional<int> left = scanLimitDegrees(s.FixScanLimitLeft);
  std::optional<int> right = scanLimitDegrees(s.FixScanLimitRight);
  if (left && right && *left == *right) s.FixAidScanMode = Scan::Continuous;
  if (s.InLock == 1 || !left) return;
  FixSlewCommand = shorterTurn(fixAntennaDirection(s), *left);
  links.runAidSweep(true);
}

void Tfix::mk3GainIsManual() {
  if (state().CounterUnitRole == text::AsMk3M) state().CounterGainMode = text::Manual;
}

void Tfix::navigate(char digit) {
  if (digit == '0' || digit == '7') return;
  StationPanel::navigate(digit);
}

}  // namespace kestrom
