#include "panels/mobile/mobile_panel.h"

#include "panels/common/enter_steps.h"
#include "panels/mobile/mobile_enter.h"
#include "panels/mobile/mobile_key_in.h"
#include "panels/mobile/mobile_navigation.h"
#include "panels/mobile/mobile_screen_ids.h"
#include "panels/mobile/mobile_screens.h"
#include "panels/mobile/station_profiles.h"
#include "setup/context.h"
#include "setup/setup_window.h"

namespace kestrom {

using namespace mobile_screen;

const PanelTables& mobilePanelTables() {
  static const PanelTables tables = [] {
    PanelTables t;
    t.screens = mobileScreens();
    t.keyIn = mobileKeyIn();
    // A press blackens only the field it acts on, even a refused one.
    t.keyInStyle = {StepColours::FieldOnly, true};
    t.menus = mobileMenus();
    t.fieldCycles = mobileFieldCycles();
    t.pages = mobilePages();
    t.del = mobileDelRows();
    t.enter = mobileEnterRows();
    t.blink = mobileBlinkRows();
    // A page left by NEXT takes no white field along to the next one.
    t.nextBlackensCells = true;
    return t;
  }();
  return tables;
}

Tmobile::Tmobile(Context& ctx)
    : StationPanel(ctx, WindowIndex::Mobile, "Kestrom Mobile Extended Operating Panel (EOP)", 630,
                   438, 500, true, mobilePanelTables()),
      Tracking(ctx, *this, timerOrder(1), timerOrder(3)),
      Ramp(ctx.scheduler(), *this, timerOrder(5), {{kFreqPair, kConfigFreqPair}, kFreqAdjustMk3},
           kMobileSide, kCounterSide) {
  enterScreen(kMainMenu);
  ctx.links().setupWindow().registerTrackingTimer(Tracking.Timer3);
}

void Tmobile::FormShow() {
  EditField = 0;
  Tracking.FormShow();
}

void Tmobile::OnOffKey() {
  state().InLock = 0;
  Close();
}

void Tmobile::startPairRamp() {
  Ramp.startForPair();
}

void Tmobile::startAdjustRamp() {
  Ramp.startForAdjust(value(Cell::R3));
}

void Tmobile::operatingModeEntered() {
  Tracking.operatingModeEntered(state().MobileOperatingMode == text::AutoSearch,
                                MenuState == kOprMode);
}

void Tmobile::mk3FixFollowsTransmitter() {
  SimulationState& s = state();
  if (s.CounterStationKind != CounterKind::Mk3Fix) return;
  s.CounterXmitRange = s.MobileXmitRange;
  s.CounterXmitPower = s.MobileXmitPower;
}

void Tmobile::mk3MobileGainIsManual() {
  if (state().MobileUnitRole == text::AsMk3M) state().MobileGainMode = text::Manual;
}

void Tmobile::perConnectionEntered() {
  SimulationState& s = state();
  // With "Output Controled by Sim." ticked the setup window's lists follow.
  ctx_.links().setupWindow().Serial.followMobilePerConnection(s.MobilePerSendBaud, s.MobilePerBits,
                                                              s.MobilePerStop);
}

void Tmobile::perTelegramsEntered() {
  ctx_.links().setupWindow().Serial.followMobileOutTelegram(state().MobileOutTelegram);
}

bool Tmobile::configuredBearingEntered() {
  // The configuration run's antenna bearing: kept as the mobile's bearing text.
  const std::string& typed = value(Cell::L4);
  std::size_t first = typed.find_first_not_of(' ');
  Extended bearing = 0;
  if (first != std::string::npos &&
      !entry::decimalNumber(*this, typed, "antenna bearing", bearing)) {
    return false;
  }
  state().AntennaBearingText = first == std::string::npos
                                   ? std::string("           0.0")
                                   : std::string(11, ' ') + typed.substr(first);
  return true;
}

bool Tmobile::stationCodeEntered() {
  long code = 0;
  const std::string typed = value(Cell::R2);
  if (!entry::wholeNumber(*this, typed, "station code", code, 0, 999)) return false;
  EditField = 0;
  state().MobileStationCode = typed;
  MenuState = kMainMenu;
  DigitKey('2');
  if (const char* gain = stationGainMode(static_cast<int>(code))) state().MobileGainMode = gain;
  applyStationProfile(state(), static_cast<int>(code));
  return true;
}

}  // namespace kestrom
