#include "panels/beacon/beacon_tracking.h"

#include "core/number_format.h"
#include "core/seams.h"
#include "panels/beacon/beacon_live_pages.h"
#include "panels/beacon/beacon_panel.h"
#include "panels/beacon/beacon_screen_ids.h"
#include "setup/angles.h"
#include "setup/context.h"
#include "setup/distance_draw.h"
#include "setup/link_evaluation.h"
#include "setup/setup_window.h"

namespace kestrom {

using namespace beacon_screen;

namespace {

LinkState alignment(Extended d) {
  if (d >= -0.5 && d < 0.5) return LinkState::OnTarget;
  if (d >= -1 && d < 1) return LinkState::InBeam;
  return LinkState::OutOfBeam;
}

}  // namespace

BeaconTracking::BeaconTracking(Context& ctx, Tbeacon& panel, int timer3Order)
    : Timer3(ctx.scheduler(), timer3Order, 500, true), ctx_(ctx), panel_(panel) {
  Timer3.setHandler([this] { Timer3Timer(); });
}

bool BeaconTracking::inScenario() const {
  return ctx_.state().CounterStationKind == CounterKind::Mk4Beacon;
}

// The pages whose readings the cycle writes while the link holds.
bool BeaconTracking::onLivePage() const {
  const int s = panel_.MenuState;
  return s == kOperate || s == kOperateLine2 || s == kOperateBearing ||
         (s >= kMobileOperate && s <= kMobileOperateDeviation);
}

// The bearing of the Mobile's antenna and this cycle's distance.
void BeaconTracking::measure() {
  SimulationState& s = ctx_.state();
  s.AntennaBearing = bearingOf(s.AntennaDirection);
  BeaconDistance =
      drawDistance(s, ctx_.links().setupWindow().RangeDigits(), ctx_.services().random).value_or(0);
}

// Lamp, lamp panel and hidden indicator by the beam.
void BeaconTracking::showBeam(bool inBeam) {
  BeaconInBeam = inBeam ? 1 : 0;
  panel_.Panel1Visible = inBeam;
  panel_.Label16.FontColor = inBeam ? clBlue : clSilver;
  panel_.ApdStatusLight1.Lit = inBeam;
  if (inBeam) panel_.ApdStatusLight1.LitColor = clRed;
}

void BeaconTracking::notLinked() {
  showBeam(false);
  ctx_.state().InLock = 0;
  Links& links = ctx_.links();
  links.lamp(WindowIndex::Fix).Lit = false;
  links.showLampPanel(WindowIndex::Fix, false);
  links.lamp(WindowIndex::AidDisplay).Lit = false;
  LiveReadings r{ctx_.services().random, ctx_.state().ServoText};
  writeLivePage(panel_, beaconLinkPages(), LinkState::NotLinked, r);
}

void BeaconTracking::linked(LinkState state) {
  SimulationState& s = ctx_.state();
  RandomSource& random = ctx_.services().random;
  showBeam(state != LinkState::OutOfBeam);
  const bool onTarget = state == LinkState::OnTarget;
  if (onTarget) panel_.ApdStatusLight1.LitColor = clLime;
  if (onTarget && onLivePage()) BeaconDistance += static_cast<Extended>(random.random(20)) / 100;

  LiveReadings r{random, s.ServoText};
  r.beacon = true;
  r.distance = fixed2(BeaconDistance);
  r.bearing = fixed2(s.AntennaBearing);
  if (!onTarget && panel_.MenuState == kMobileOperateBearing)
    r.azimuth =
        fixed2(reciprocalAzimuth(s.FixAzimuth) + static_cast<Extended>(random.random(20)) / 100);
  const LivePageEffects effects = writeLivePage(panel_, beaconLinkPages(), state, r);
  if (effects.lamps) ctx_.links().lamp(WindowIndex::AidDisplay).LitColor = *effects.lamps;
  if (effects.lamps == clRed) panel_.ApdStatusLight1.LitColor = clRed;
  if (effects.setsInLock) s.InLock = 1;
}

void BeaconTracking::Timer3Timer() {
  if (!inScenario()) return;
  SimulationState& s = ctx_.state();
  measure();
  if (applyAutomaticGain(s, BeaconDistance)) {
    showStatusLine2(panel_, kOperateLine2, kBeaconSide);
    showStatusLine2(panel_, kMobileOperateLine2, kMobileSide);
  }
  if (panel_.MenuState == kMobileBearingSetpoint)
    panel_.cell(Cell::R3).Caption = generalFormat(s.AntennaBearing);
  panel_.Label16.Caption = generalFormat(s.FixAzimuth - s.AntennaBearing);
  ctx_.links().showAntennaBearing(s.AntennaBearing);

  const LinkConditions c = evaluateLink(s, ctx_.links().setupWindow().Level(), BeaconDistance);
  storeLinkConditions(s, c);
  if (!c.linked()) {
    notLinked();
    return;
  }
  linked(alignment(directionDifference(s.FixAzimuth, s.AntennaBearing)));
}

}  // namespace kestrom
