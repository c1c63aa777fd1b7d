#include "panels/fix/fix_tracking.h"

#include "core/number_format.h"
#include "panels/fix/fix_live_pages.h"
#include "panels/fix/fix_panel.h"
#include "panels/fix/fix_screen_ids.h"
#include "setup/angles.h"
#include "setup/context.h"
#include "setup/distance_draw.h"
#include "setup/link_evaluation.h"
#include "setup/setup_window.h"

namespace kestrom {

using namespace fix_screen;

FixTracking::FixTracking(Context& ctx, Tfix& panel, int timer1Order, int timer3Order)
    : Timer1(ctx.scheduler(), timer1Order, 1000, true),
      Timer3(ctx.scheduler(), timer3Order, 1000, true),
      ctx_(ctx),
      panel_(panel) {
  Timer1.setHandler([this] { Timer1Timer(); });
  Timer3.setHandler([this] { Timer3Timer(); });
}

bool FixTracking::inScenario() const {
  return ctx_.state().CounterStationKind == CounterKind::Mk4Fix;
}

bool FixTracking::onOperatePage() const {
  const int s = panel_.MenuState;
  return s == kOperate || s == kOperateLine2 || s == kMobileOperate || s == kMobileOperateLine2;
}

// The bearing of the Mobile's antenna and this second's distance.
void FixTracking::measure() {
  SimulationState& s = ctx_.state();
  s.AntennaBearing = bearingOf(s.AntennaDirection);
  FixDistance =
      drawDistance(s, ctx_.links().setupWindow().RangeDigits(), ctx_.services().random).value_or(0);
}

LinkState FixTracking::alignment(Extended d) const {
  if (d >= -0.5 && d < 0.5) return LinkState::OnTarget;
  if (d >= -2 && d < 2) return LinkState::InBeam;
  return LinkState::OutOfBeam;
}

void FixTracking::light(bool lit) {
  panel_.ApdStatusLight1.Lit = lit;
  panel_.Panel1Visible = lit;
  ctx_.links().lamp(WindowIndex::AidDisplay).Lit = lit;
}

void FixTracking::colour(Color c) {
  panel_.ApdStatusLight1.LitColor = c;
  ctx_.links().lamp(WindowIndex::AidDisplay).LitColor = c;
}

// In AUTOSEARCH the sweep scans between the limits, or turns on and on when the
// two limits are equal and `continuousWhenLimitsEqual`.
void FixTracking::autosearch(bool continuousWhenLimitsEqual) {
  SimulationState& s = ctx_.state();
  if (s.CounterOperatingMode != text::AutoSearch) return;
  std::optional<int> left = scanLimitDegrees(s.FixScanLimitLeft);
  std::optional<int> right = scanLimitDegrees(s.FixScanLimitRight);
  const bool equal = left && right && *left == *right;
  s.FixAidScanMode = continuousWhenLimitsEqual && equal ? Scan::Continuous : Scan::BetweenLimits;
  ctx_.links().runAidSweep(true);
}

// The readings of this cycle: the reciprocal azimuth with the level's jitter
// (OPERATE page 4 of the remote Mobile jitters the other way round) and, on
// target at level Expert, up to 1 m more distance.
LiveReadings FixTracking::readings(bool onTarget) {
  SimulationState& s = ctx_.state();
  RandomSource& random = ctx_.services().random;
  const int level = ctx_.links().setupWindow().Level();
  const Extended reciprocal = reciprocalAzimuth(s.FixAzimuth);
  const Extended azimuth =
      reciprocal + static_cast<Extended>(random.random(level == 1 ? 3 : 20)) / 100;
  const Extended pageFour =
      reciprocal + static_cast<Extended>(random.random(level == 1 ? 10 : 3)) / 100;
  const Extended expert =
      onTarget && level == 3 ? static_cast<Extended>(random.randomReal()) : Extended{0};
  Extended heading = 180 - s.AntennaBearing + azimuth;
  if (heading >= 360) heading -= 360;

  LiveReadings r{random, s.ServoText};
  r.distance = fixed2(FixDistance + expert);
  r.azimuth = fixed2(azimuth);
  r.pageFourAzimuth = fixed2(pageFour);
  r.bearing = fixed2(s.AntennaBearing);
  r.heading = fixed2(heading);
  return r;
}

void FixTracking::write(LinkState state, const std::vector<LivePageRow>& pages, LiveReadings& r) {
  LivePageEffects effects = writeLivePage(panel_, pages, state, r);
  if (effects.lamps) colour(*effects.lamps);
  if (effects.setsInLock) ctx_.state().InLock = 1;
}

void FixTracking::notLinked() {
  FixInBeam = 0;
  ctx_.state().InLock = 0;
  light(false);
  LiveReadings r{ctx_.services().random, ctx_.state().ServoText};
  write(LinkState::NotLinked, fixSupervisionPages(), r);
}

void FixTracking::onTarget(const std::vector<LivePageRow>& pages) {
  ctx_.state().FixAidScanMode = Scan::Idle;
  ctx_.links().runAidSweep(false);
  colour(clLime);
  LiveReadings r = readings(true);
  write(LinkState::OnTarget, pages, r);
}

void FixTracking::offTarget(LinkState state, const std::vector<LivePageRow>& pages) {
  LiveReadings r = readings(false);
  write(state, pages, r);
  if (onOperatePage()) ctx_.state().InLock = 0;
}

void FixTracking::Timer3Timer() {
  if (!inScenario()) return;
  SimulationState& s = ctx_.state();
  measure();
  if (applyAutomaticGain(s, FixDistance)) {
    showStatusLine2(panel_, kOperateLine2, kFixSide);
    showStatusLine2(panel_, kMobileOperateLine2, kMobileSide);
  }
  // RIGHT SCANLIMIT follows the Fix antenna, the remote BEARING SETPOINT the Mobile's.
  if (panel_.MenuState == kRightScanLimit)
    panel_.cell(Cell::R3).Caption = generalFormat(fixAntennaDirection(s));
  if (panel_.MenuState == kMobileBearingSetpoint)
    panel_.cell(Cell::R3).Caption = generalFormat(s.AntennaBearing);
  ctx_.links().showAntennaBearing(s.AntennaBearing);

  const LinkConditions c = evaluateLink(s, ctx_.links().setupWindow().Level(), FixDistance);
  storeLinkConditions(s, c);
  linked_ = c.linked();
  if (!linked_) {
    notLinked();
    return;
  }

  const LinkState state = alignment(directionDifference(s.FixAzimuth, s.AntennaBearing));
  const bool inBeam = state != LinkState::OutOfBeam;
  FixInBeam = inBeam ? 1 : 0;
  s.ServoText = panel_.servoText(inBeam ? "25" : "50");
  light(inBeam);
  if (state == LinkState::OnTarget) {
    panel_.AidRepaintDone = 0;
    onTarget(fixSupervisionPages());
    return;
  }
  panel_.AidRepaintDone = 1;
  autosearch(true);
  offTarget(state, fixSupervisionPages());
}

// Between supervisions the readings follow the antennas whether or not the link
// holds; the lock follows them only while the link holds, by this panel's last
// supervision and by the record. The supervision stops while the setup window is
// edited, and a reset or another counter station clears the record meanwhile; the
// refresh never locks on a verdict from before that. Without the link the refresh
// writes the readings of an antenna out of beam, so that no distance is shown.
void FixTracking::Timer1Timer() {
  SimulationState& s = ctx_.state();
  if (!inScenario()) return;
  measure();
  const bool linked = linked_ && storedLinkHolds(s);
  const LinkState state = alignment(directionDifference(s.FixAzimuth, s.AntennaBearing));
  if (linked && state == LinkState::OnTarget) {
    ctx_.links().runAidIdleRedraw(true);
    ctx_.links().drawAidInLockLines(true);
    onTarget(fixRefreshPages());
    return;
  }
  ctx_.links().drawAidInLockLines(false);
  autosearch(true);
  const bool inBeam = linked && FixInBeam;
  offTarget(inBeam ? LinkState::InBeam : LinkState::OutOfBeam, fixRefreshPages());
}

}  // namespace kestrom
