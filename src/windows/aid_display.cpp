#include "windows/aid_display.h"

#include <cmath>

#include "panels/fix/fix_panel.h"
#include "setup/angles.h"
#include "setup/context.h"
#include "setup/setup_window.h"

namespace kestrom {

namespace {
constexpr Extended kStep = 0.4L;            // degrees per sweep tick
constexpr Extended kLimitWindow = 2.0L;     // reversal this close to a scan limit
constexpr Extended kSetpointWindow = 1.5L;  // set-point turn ends this close
}  // namespace

Taiddisplay::Taiddisplay(Context& ctx, Tfix& fix)
    : SimulatedWindow(ctx, WindowIndex::AidDisplay, "Fix AID Display", 172, 222),
      Timer1(ctx.scheduler(), timerOrder(1), 100, false, [this] { Timer1Timer(); }),
      Timer2(ctx.scheduler(), timerOrder(2), 500, true, [this] { Timer2Timer(); }),
      fix_(fix) {}

void Taiddisplay::FormShow() {
  Centre = {89, 80};
}

void Taiddisplay::FormClose() {
  ctx_.links().setupWindow().FixAIDDisplay1.Checked = false;
}

void Taiddisplay::bringAzimuthIntoRange() {
  SimulationState& s = ctx_.state();
  setFixAzimuth(s, s.FixAzimuth);
}

Extended Taiddisplay::antennaDirection() const {
  return fixAntennaDirection(ctx_.state());
}

AidLines Taiddisplay::lines() const {
  return aidLines(Centre, static_cast<double>(ctx_.state().FixAzimuth + 180));
}

std::optional<Taiddisplay::SectorLimits> Taiddisplay::sectorLimits() const {
  const SimulationState& s = ctx_.state();
  if (s.FixAutosearchDisplay != 1) return std::nullopt;
  auto left = scanLimitDegrees(s.FixScanLimitLeft);
  auto right = scanLimitDegrees(s.FixScanLimitRight);
  if (!left || !right) return std::nullopt;
  return SectorLimits{*left, *right};
}

std::optional<ScanArc> Taiddisplay::sectorArc() const {
  const std::optional<SectorLimits> limits = sectorLimits();
  if (!limits) return std::nullopt;
  return scanArc(Centre, limits->left, limits->right);
}

// Ends a set-point turn when the antenna points at the set point. Returns true
// when it stopped the antenna.
bool Taiddisplay::stopAtSetpoint() {
  Tfix& fix = fix_;
  if (fix.FixAutoTurn != 1) return false;
  Extended d = directionDifference(Setpoint, ctx_.state().FixAzimuth + 180);
  if (std::fabs(d) >= kSetpointWindow) return false;
  Timer1.stop();
  fix.FixSlewCommand = Slew::Stopped;
  fix.FixAutoTurn = 0;
  return true;
}

// Autosearch: at the right limit the antenna turns left, at the left limit right,
// each time stepping one degree back into the sector. Limits are compared as
// directions, so any sector is scanned, also one across north or below 180.
void Taiddisplay::reverseAtScanLimits() {
  const SimulationState& s = ctx_.state();
  Tfix& fix = fix_;
  Extended theta = s.FixAzimuth + 180;
  auto near = [&](const std::string& limitText) {
    auto limit = scanLimitDegrees(limitText);
    return limit && std::fabs(directionDifference(theta, *limit)) < kLimitWindow;
  };
  bool wantLeft = near(s.FixScanLimitRight);
  bool wantRight = !wantLeft && near(s.FixScanLimitLeft);
  SimulationState& st = ctx_.state();
  if (wantLeft && fix.FixSlewCommand != Slew::Left) {
    fix.FixSlewCommand = Slew::Left;
    setFixAzimuth(st, st.FixAzimuth - 1);
  } else if (wantRight && fix.FixSlewCommand == Slew::Left) {
    fix.FixSlewCommand = Slew::Right;
    setFixAzimuth(st, st.FixAzimuth + 1);
  }
}

void Taiddisplay::Timer1Timer() {
  // Only a Mk 4 fix station has this antenna; in the other scenarios the sweep
  // never turns the azimuth.
  if (ctx_.state().CounterStationKind != CounterKind::Mk4Fix) {
    Timer1.stop();
    return;
  }
  bringAzimuthIntoRange();
  if (stopAtSetpoint()) return;
  SimulationState& s = ctx_.state();
  if (s.FixAidScanMode == Scan::BetweenLimits) reverseAtScanLimits();
  if (s.FixAidScanMode == Scan::Continuous) Timer1.start();
  setFixAzimuth(s, s.FixAzimuth + (fix_.FixSlewCommand != Slew::Left ? kStep : -kStep));
}

void Taiddisplay::Timer2Timer() {
  bringAzimuthIntoRange();
}

}  // namespace kestrom
