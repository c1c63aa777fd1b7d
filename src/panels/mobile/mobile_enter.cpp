#include "panels/mobile/mobile_enter.h"

#include "panels/mobile/mobile_panel.h"
#include "panels/mobile/mobile_screen_ids.h"

namespace kestrom {

namespace {

using S = SimulationState;
using enum Cell;
using namespace mobile_screen;
constexpr const StationSide& kOwn = kMobileSide;
constexpr const StationSide& kRemote = kCounterSide;

Extended mobileAntenna(const SimulationState& s) {
  return s.AntennaBearing;
}
void turnToSetpoint(StationPanel& panel, Extended setpoint) {
  static_cast<Tmobile&>(panel).Tracking.startSetpointTurn(setpoint);
}
void keepSetpoint(StationPanel& panel, Extended setpoint) {
  static_cast<Tmobile&>(panel).Tracking.Setpoint = setpoint;
}

}  // namespace

std::vector<EnterRow> mobileEnterRows() {
  const EnterStep zero = fieldAfter(FieldAfter::Zero);
  const EnterStep toggle = fieldAfter(FieldAfter::Toggle);
  const EnterStep cycle4 = fieldAfter(FieldAfter::Cycle4);
  return {
      // F/A SELECT: frequency pair, address codes, Mk 3 frequency.
      {{kFreqPair, kConfigFreqPair},
       {storeFrequencyPair(kOwn), memberStep<Tmobile, &Tmobile::startPairRamp>}},
      {{kCounterFreqPair}, {storeFrequencyPair(kRemote)}},
      {{kAddressCodes}, {storeAddress(kOwn, kRemote, AddressForm::BlankBeforeOneChar)}},
      {{kCounterAddressCodes}, {storeAddress(kRemote, kOwn, AddressForm::BlankBelowTen)}},
      {{kFreqAdjustMk3},
       {checkFrequency(), storeCell(R2, kOwn.mk3FreqOffset),
        memberStep<Tmobile, &Tmobile::startAdjustRamp>, toggle}},
      {{kCounterFreqAdjustMk3}, {storeFrequencyAdjust(kRemote), toggle}},

      // LOCATION.
      {{kAntennaBearing},
       {inform("For simulation purpose we will not allow you to change this value"), zero,
        showCell(R4, "")}},
      {{kLeftScanLimit},
       {captureScanLimit(&S::MobileScanLimitLeft, mobileAntenna), goToScreen(kRightScanLimit),
        captureScanLimit(&S::MobileScanLimitRight, mobileAntenna)}},
      {{kRightScanLimit}, {captureScanLimit(&S::MobileScanLimitRight, mobileAntenna)}},
      {{kScanning}, {storeScanLimits(&S::MobileScanLimitLeft, &S::MobileScanLimitRight), toggle}},
      {{kCounterKeyInLimits},
       {storeScanLimits(&S::FixScanLimitLeft, &S::FixScanLimitRight), toggle}},
      {{kBearingSetpoint}, {storeSetpoint("bearing set point", turnToSetpoint), zero}},
      {{kCounterAzimuthSetpoint},
       {storeSetpoint("azimuth set point", keepSetpoint), askBeforeLosingLock(), zero}},
      {{kCounterReferenceAzimuth}, {storeReferenceAzimuth(), zero}},

      // CLOCK, OPR MODE, EXTRA MODES.
      {{kTimeDate, kConfigTimeDate}, {storeClock(kOwn), zero}},
      {{kCounterTimeDate}, {storeClock(kRemote), zero}},
      {{kOprMode, kConfigOprMode},
       {storeOperatingMode(kOwn), zero, memberStep<Tmobile, &Tmobile::operatingModeEntered>}},
      {{kCounterOprMode}, {storeOperatingMode(kRemote)}},
      {{kGainPower},
       {storeGainPower(kOwn), memberStep<Tmobile, &Tmobile::mk3FixFollowsTransmitter>,
        fieldAfter(FieldAfter::Cycle3)}},
      {{kCounterGainPower}, {storeGainPower(kRemote), fieldAfter(FieldAfter::One)}},
      {{kRemoteModify}, {storeRemoteModify(kOwn), zero}},
      {{kCounterRemoteModify}, {storeRemoteModify(kRemote), zero}},
      {{kCounterAzimuthFilter}, {storeAzimuthFilter(), toggle}},

      // COMM SET-UP.
      {{kHostConnection}, {storeConnection(kOwn.host()), cycle4}},
      {{kCounterHostConnection}, {storeConnection(kRemote.host()), cycle4}},
      {{kPerConnection},
       {storeConnection(kOwn.per()), cycle4, memberStep<Tmobile, &Tmobile::perConnectionEntered>}},
      {{kCounterPerConnection}, {storeConnection(kRemote.per()), cycle4}},
      {{kTelegramType},
       {storeTelegrams(kOwn), toggle, memberStep<Tmobile, &Tmobile::perTelegramsEntered>}},
      {{kCounterTelegramType}, {storeTelegrams(kRemote), toggle}},
      {{kAlarmSound}, {storeAlarmSimulation(kOwn), toggle}},
      {{kCounterAlarmSound}, {storeAlarmSimulation(kRemote), toggle}},
      {{kControlByte}, {storeControlByte(kOwn), zero}},
      {{kCounterControlByte}, {storeControlByte(kRemote), zero}},

      // VOLUME, WAKE-UP, CONFIG.
      {{kVolume}, {storeVolume(kOwn), zero}},
      {{kCounterVolume}, {storeVolume(kRemote), zero}},
      {{kWakeUp}, {storeWakeUp(kOwn), zero}},
      {{kCounterWakeUp}, {storeWakeUp(kRemote), zero}},
      {{kSwitchOff, kCounterSwitchOff}, {zero, closePanel()}},
      {{kCounterUnitConfigured}, {storeUnitRole(kRemote), zero}},
      {{kUnitConfigured},
       {storeUnitRole(kOwn), memberStep<Tmobile, &Tmobile::mk3MobileGainIsManual>, zero}},
      {{kSelectiveAddress}, {storeSelectiveAddress(kOwn, AddressForm::ZeroBelowTen), zero}},
      {{kConfigAntennaBearing}, {memberCheck<Tmobile, &Tmobile::configuredBearingEntered>, zero}},
      {{kEnterStation}, {memberCheck<Tmobile, &Tmobile::stationCodeEntered>}},
  };
}

}  // namespace kestrom
