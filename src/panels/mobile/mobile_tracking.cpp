#include "panels/mobile/mobile_tracking.h"

#include <cmath>

#include "core/number_format.h"
#include "panels/common/station_panel.h"
#include "panels/mobile/mobile_live_pages.h"
#include "panels/mobile/mobile_screen_ids.h"
#include "setup/angles.h"
#include "setup/context.h"
#include "setup/distance_draw.h"
#include "setup/link_evaluation.h"
#include "setup/link_failures.h"
#include "setup/setup_window.h"
#include "setup/status_lines.h"
#include "setup/whole_numbers.h"

namespace kestrom {

using namespace mobile_screen;

MobileTracking::MobileTracking(Context& ctx, StationPanel& panel, int timer1Order, int timer3Order)
    : Timer1(ctx.scheduler(), timer1Order, 100, false),
      Timer3(ctx.scheduler(), timer3Order, 500, true),
      ctx_(ctx),
      panel_(panel) {
  Timer1.setHandler([this] { Timer1Timer(); });
  Timer3.setHandler([this] { Timer3Timer(); });
}

bool MobileTracking::lockedForTelegrams() const {
  return panel_.ApdStatusLight1.Lit && panel_.ApdStatusLight1.LitColor == clLime;
}

MobileDialPicture MobileTracking::dialPicture() const {
  const SimulationState& s = ctx_.state();
  std::optional<int> l;
  std::optional<int> r;
  if (s.MobileScanDrawPhase == 1) {
    l = scanLimitDegrees(s.MobileScanLimitLeft);
    r = scanLimitDegrees(s.MobileScanLimitRight);
  }
  return mobileDialPicture(s.AntennaDirection, InBeam != 0, l, r);
}

void MobileTracking::slewKeyDown(bool right) {
  Timer1.start();
  SlewDirection = right ? Slew::Right : Slew::Left;
}

void MobileTracking::slewKeyUp() {
  if (ScanState == Scan::Continuous) return;
  Timer1.stop();
  SlewDirection = Slew::Stopped;
}

void MobileTracking::FormShow() {
  FirstShow = 0;
  Timer1.start();
}

Slew MobileTracking::directionToward(Extended target) const {
  return shorterTurn(ctx_.state().AntennaBearing, target);
}

void MobileTracking::startSetpointTurn(Extended setpoint) {
  while (setpoint >= 360) setpoint -= 360;
  Setpoint = setpoint;
  SlewDirection = directionToward(setpoint);
  Timer1.start();
  AutoTurn = 1;
}

void MobileTracking::operatingModeEntered(bool autosearch, bool onModePage) {
  SimulationState& s = ctx_.state();
  if (!autosearch) {
    ScanState = Scan::Idle;
    s.MobileScanDrawPhase = 0;
    Timer1.stop();
    SlewDirection = Slew::Stopped;
    return;
  }
  ScanState = Scan::BetweenLimits;
  s.MobileScanDrawPhase = 1;
  if (!onModePage) return;
  std::optional<int> left = scanLimitDegrees(s.MobileScanLimitLeft);
  std::optional<int> right = scanLimitDegrees(s.MobileScanLimitRight);
  if (left && right && *left == *right) ScanState = Scan::Continuous;
  if (s.InLock == 1 || !left) return;
  SlewDirection = directionToward(*left);
  Timer1.start();
}

void MobileTracking::Timer1Timer() {
  slewStep();
}

void MobileTracking::slewStep() {
  SimulationState& s = ctx_.state();
  s.AntennaBearing = bearingOf(s.AntennaDirection);
  if (AutoTurn && std::fabs(directionDifference(Setpoint, s.AntennaBearing)) < 1.5) {
    Timer1.stop();
    SlewDirection = Slew::Stopped;
    AutoTurn = 0;
  }
  if (ScanState == Scan::BetweenLimits) {
    // Reverse at a limit the antenna is moving toward, never at one it leaves.
    std::optional<int> left = scanLimitDegrees(s.MobileScanLimitLeft);
    std::optional<int> right = scanLimitDegrees(s.MobileScanLimitRight);
    bool atRight = right && std::fabs(directionDifference(s.AntennaBearing, *right)) <= 2;
    bool atLeft = left && std::fabs(directionDifference(s.AntennaBearing, *left)) <= 2;
    if (SlewDirection == Slew::Right && atRight) {
      SlewDirection = Slew::Left;
      s.AntennaDirection -= 1;
    } else if (SlewDirection == Slew::Left && atLeft) {
      SlewDirection = Slew::Right;
      s.AntennaDirection += 1;
    }
  }
  if (ScanState == Scan::Continuous) Timer1.start();
  if (s.MobileScanDrawPhase == 0) s.MobileScanDrawPhase = 3;
  if (SlewDirection != Slew::Stopped) {
    Extended step = SlowSlew ? 0.2L : 0.4L;
    s.AntennaDirection += SlewDirection == Slew::Left ? -step : step;
  }
  s.AntennaBearing = bearingOf(s.AntennaDirection);
  if (FirstShow == 0) {
    FirstShow = 1;
    // The first tick after showing only draws the antenna; a turn in progress goes on.
    if (SlewDirection == Slew::Stopped && ScanState == Scan::Idle && !AutoTurn) Timer1.stop();
  }
}

void MobileTracking::writeBearing() {
  SimulationState& s = ctx_.state();
  std::string fixed = fixed2(s.AntennaBearing);
  if (panel_.MenuState == kAntennaBearing)
    panel_.cell(Cell::L3).Caption = std::string(16, ' ') + fixed;
  if (panel_.MenuState == kScanning) panel_.cell(Cell::L2).Caption = "BEARING " + fixed;
}

std::string MobileTracking::servoText(const char* step) const {
  if (SlewDirection == Slew::Right) return step;
  if (SlewDirection == Slew::Left) return std::string("-") + step;
  return "0";
}

// The Mobile's cycle drives its own lamp, the Fix panel's and the AID display's.
void MobileTracking::setThreeLamps(bool lit) {
  panel_.ApdStatusLight1.Lit = lit;
  ctx_.state().MobileLampLime = lit && panel_.ApdStatusLight1.LitColor == clLime;
  ctx_.links().lamp(WindowIndex::Fix).Lit = lit;
  ctx_.links().lamp(WindowIndex::AidDisplay).Lit = lit;
}

void MobileTracking::setThreeLampColours(std::uint32_t colour) {
  panel_.ApdStatusLight1.LitColor = colour;
  ctx_.state().MobileLampLime = panel_.ApdStatusLight1.Lit && colour == clLime;
  ctx_.links().lamp(WindowIndex::Fix).LitColor = colour;
  ctx_.links().lamp(WindowIndex::AidDisplay).LitColor = colour;
}

void MobileTracking::showLampPanels(bool shown) {
  panel_.Panel1Visible = shown;
  ctx_.links().showLampPanel(WindowIndex::Fix, shown);
}

void MobileTracking::Timer3Timer() {
  SimulationState& s = ctx_.state();
  s.AntennaBearing = bearingOf(s.AntennaDirection);
  // A range that cannot be read counts as no distance; the range rule then decides.
  MobileDistance =
      drawDistance(s, ctx_.links().setupWindow().RangeDigits(), ctx_.services().random).value_or(0);
  writeBearing();

  if (applyAutomaticGain(s, MobileDistance)) {
    showStatusLine2(panel_, kOperateLine2, kMobileSide);
    showStatusLine2(panel_, kCounterOperateLine2, kCounterSide);
  }

  std::string general = generalFormat(s.AntennaBearing);
  int screen = panel_.MenuState;
  if (screen == kBearingSetpoint || screen == kCounterAzimuthSetpoint || screen == kOperateBearing)
    panel_.cell(Cell::R3).Caption = general;
  ctx_.links().showAntennaBearing(s.AntennaBearing);

  LinkConditions c = evaluateLink(s, ctx_.links().setupWindow().Level(), MobileDistance);
  storeLinkConditions(s, c);
  ctx_.links().tickConfigView(c);

  if (c.linked()) {
    linkedCycle(directionDifference(s.FixAzimuth, s.AntennaBearing));
  } else {
    notLinkedCycle();
  }
  ctx_.services().log().link(InBeam != 0, lockedForTelegrams(),
                             failedLinkConditions(c, lockedForTelegrams()));
}

void MobileTracking::linkedCycle(Extended d) {
  SimulationState& s = ctx_.state();
  if (d >= -2 && d < 2) {
    SlowSlew = 1;
    s.ServoText = servoText("25");
    InBeam = 1;
    showLampPanels(true);
    setThreeLamps(true);
    setThreeLampColours(clRed);
  } else {
    SlowSlew = 0;
    s.ServoText = servoText("50");
    InBeam = 0;
    s.InLock = 0;
    setThreeLamps(false);
    showLampPanels(false);
    if (s.MobileOperatingMode == text::AutoSearch && ScanState == Scan::Idle) {
      ScanState = Scan::BetweenLimits;
      if (SlewDirection == Slew::Stopped)
        SlewDirection = Slew::Right;  // a stopped antenna scans to the right
      Timer1.start();
    }
  }

  if (d >= -0.5 && d < 0.5) {
    ScanState = Scan::Idle;
    Timer1.stop();
    setThreeLampColours(clLime);
    LiveReadings readings = lockedReadings();
    writePage(LinkState::OnTarget, readings);
    return;
  }

  panel_.ApdStatusLight1.Lit = InBeam != 0;
  panel_.ApdStatusLight1.LitColor = clRed;
  s.InLock = 0;
  LiveReadings readings{ctx_.services().random, s.ServoText};
  writePage(InBeam ? LinkState::InBeam : LinkState::OutOfBeam, readings);
}

void MobileTracking::notLinkedCycle() {
  SimulationState& s = ctx_.state();
  SlowSlew = 0;
  InBeam = 0;
  s.InLock = 0;
  setThreeLamps(false);
  showLampPanels(false);
  LiveReadings readings{ctx_.services().random, s.ServoText};
  writePage(LinkState::NotLinked, readings);
}

void MobileTracking::writePage(LinkState state, LiveReadings& readings) {
  LivePageEffects effects = writeLivePage(panel_, mobileLivePages(), state, readings);
  if (effects.lamps) setThreeLampColours(*effects.lamps);
  if (effects.setsInLock) ctx_.state().InLock = 1;
}

// The readings of a locked cycle. The azimuth jitters by the level (Expert up to
// 0.19, Beginner up to 0.02 degrees) and at Expert the distance by up to 1 m.
LiveReadings MobileTracking::lockedReadings() {
  SimulationState& s = ctx_.state();
  RandomSource& random = ctx_.services().random;
  int level = ctx_.links().setupWindow().Level();
  Extended azimuth = reciprocalAzimuth(s.FixAzimuth);
  if (level == 3) azimuth += static_cast<Extended>(random.random(20)) / 100;
  if (level == 1) azimuth += static_cast<Extended>(random.random(3)) / 100;
  Extended expertAddition = level == 3 ? static_cast<Extended>(random.randomReal()) : 0;
  long range = 0;
  readWholeNumber(ctx_.links().setupWindow().RangeDigits(), range);
  Extended heading = 180 - s.AntennaBearing + azimuth;
  if (heading >= 360) heading -= 360;

  LiveReadings r{random, s.ServoText};
  r.distance = fixed2(MobileDistance + expertAddition);
  r.azimuth = fixed2(azimuth);
  r.range = fixed2(static_cast<Extended>(range) + expertAddition);
  r.bearing = fixed2(s.AntennaBearing);
  r.heading = fixed2(heading);
  r.beacon = isBeacon(s.CounterStationKind);
  return r;
}

}  // namespace kestrom
