#include "windows/aid_display.h"

#include <cmath>

#include "app/simulator.h"
#include "panels/fix/fix_panel.h"
#include "setup/setup_window.h"

namespace kestrom {

namespace {
constexpr double kStep = 0.4;            // degrees per sweep tick
constexpr double kLimitWindow = 2.0;     // reversal this close to a scan limit
constexpr double kSetpointWindow = 1.5;  // set-point turn ends this close
}  // namespace

Taiddisplay::Taiddisplay(Simulator& sim)
    : WindowModel(sim, WindowIndex::AidDisplay, "Fix AID Display", 172, 222),
      Timer1(sim.scheduler(), timerOrder(1), 100, false, [this] { Timer1Timer(); }),
      Timer2(sim.scheduler(), timerOrder(2), 500, true, [this] { Timer2Timer(); }) {}

void Taiddisplay::FormShow() {
  Centre = {89, 80};
}

void Taiddisplay::FormClose() {
  sim_.setup().FixAIDDisplay1.Checked = false;
  repaintMobilePanel();
}

void Taiddisplay::bringAzimuthIntoRange() {
  double& az = sim_.state().FixAzimuth;
  if (!std::isfinite(az)) {
    az = 0;
    return;
  }
  while (az > 360) az -= 360;
  while (az < 0) az += 360;
}

double Taiddisplay::antennaDirection() const {
  double theta = std::fmod(sim_.state().FixAzimuth + 180.0, 360.0);
  return theta < 0 ? theta + 360.0 : theta;
}

AidLines Taiddisplay::lines() const {
  return aidLines(Centre, sim_.state().FixAzimuth + 180.0);
}

std::optional<ScanArc> Taiddisplay::sectorArc() const {
  const SimulationState& s = sim_.state();
  if (s.FixAutosearchDisplay != 1) return std::nullopt;
  auto left = scanLimitDegrees(s.FixScanLimitLeft);
  auto right = scanLimitDegrees(s.FixScanLimitRight);
  if (!left || !right) return std::nullopt;
  return scanArc(Centre, *left, *right);
}

// Ends a set-point turn when the antenna points at the set point. Returns true
// when it stopped the antenna.
bool Taiddisplay::stopAtSetpoint() {
  Tfix& fix = sim_.fix();
  if (fix.FixAutoTurn != 1) return false;
  double d = directionDifference(Setpoint, sim_.state().FixAzimuth + 180.0);
  if (std::fabs(d) >= kSetpointWindow) return false;
  Timer1.stop();
  fix.FixSlewCommand = 3;
  fix.FixAutoTurn = 0;
  return true;
}

// Autosearch: at the right limit the antenna turns left, at the left limit right,
// each time stepping one degree back into the sector. Limits are compared as
// directions, so any sector is scanned, also one across north or below 180.
void Taiddisplay::reverseAtScanLimits() {
  const SimulationState& s = sim_.state();
  Tfix& fix = sim_.fix();
  double theta = s.FixAzimuth + 180.0;
  auto near = [&](const std::string& limitText) {
    auto limit = scanLimitDegrees(limitText);
    return limit && std::fabs(directionDifference(theta, *limit)) < kLimitWindow;
  };
  bool wantLeft = near(s.FixScanLimitRight);
  bool wantRight = !wantLeft && near(s.FixScanLimitLeft);
  double& az = sim_.state().FixAzimuth;
  if (wantLeft && fix.FixSlewCommand != 0) {
    fix.FixSlewCommand = 0;
    az -= 1;
  } else if (wantRight && fix.FixSlewCommand == 0) {
    fix.FixSlewCommand = 1;
    az += 1;
  }
}

void Taiddisplay::Timer1Timer() {
  bringAzimuthIntoRange();
  if (stopAtSetpoint()) return;
  SimulationState& s = sim_.state();
  if (s.FixAidScanMode == 1) reverseAtScanLimits();
  if (s.FixAidScanMode == 2) Timer1.start();
  s.FixAzimuth += sim_.fix().FixSlewCommand != 0 ? kStep : -kStep;
}

void Taiddisplay::Timer2Timer() {
  bringAzimuthIntoRange();
}

}  // namespace kestrom
