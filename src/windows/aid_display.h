#pragma once

// src/windows: the auxiliary windows as models: the Fix AID display, the antenna
// bearing window, the distance adjuster, the config view, the Mk 3 unit, the
// about box and the prescreen.

#include <optional>

#include "core/controls.h"
#include "core/extended.h"
#include "core/scheduler.h"
#include "core/window_model.h"
#include "setup/context.h"
#include "windows/aid_geometry.h"

namespace kestrom {

class Tfix;

// Dial of the Fix antenna, its beam and the autosearch sector. Its sweep timer is
// what turns the Fix antenna: it moves FixAzimuth in the direction of the Fix
// panel's FixSlewCommand, reverses at the autosearch limits and ends a set-point
// turn. The picture is drawn from the current state on every paint.
class Taiddisplay : public SimulatedWindow {
 public:
  // The Fix panel gives the direction its sweep turns the antenna.
  Taiddisplay(Context& ctx, Tfix& fix);

  // In-lock lamp (hint "Inlock Status LED"), switched by the panels' tracking.
  StatusLight ApdStatusLight1{false, clLime, clSilver};

  Timer Timer1;  // sweep, 100 ms, started and stopped by the Fix panel
  Timer Timer2;  // idle redraw, 500 ms

  // Dial centre, set each time the window is shown.
  Point Centre{89, 80};

  void FormShow() override;
  void FormClose() override;
  void BitBtn1Click() { Close(); }  // "Close"
  void Timer1Timer();
  void Timer2Timer();

  // Starts the idle redraw, as the View menu does before showing the window.
  void startIdleRedraw() { Timer2.start(); }

  // 1 shows the two in-lock lines, 0 takes them away; they stay until changed.
  void drawinlocklines(int flag) { InLockLinesShown = flag != 0; }
  bool InLockLinesShown = false;

  // A turn to an entered azimuth set point begins: the sweep stops the antenna
  // once its direction (FixAzimuth + 180) is within 1.5 degrees of `setpoint`,
  // while the Fix panel's FixAutoTurn is 1.
  void beginSetpointTurn(Extended setpoint) { Setpoint = setpoint; }
  Extended Setpoint = 0;

  // What the dial shows now: the antenna lines for FixAzimuth + 180 and, during
  // autosearch with readable limits, the sector mark between those limits.
  Extended antennaDirection() const;
  AidLines lines() const;
  std::optional<ScanArc> sectorArc() const;
  struct SectorLimits {
    int left = 0, right = 0;  // whole degrees
  };
  std::optional<SectorLimits> sectorLimits() const;

 private:
  void bringAzimuthIntoRange();
  bool stopAtSetpoint();
  void reverseAtScanLimits();
  Tfix& fix_;
};

}  // namespace kestrom
