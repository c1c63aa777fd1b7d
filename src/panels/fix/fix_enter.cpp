#include "panels/fix/fix_enter.h"

#include "panels/fix/fix_panel.h"
#include "panels/fix/fix_screen_ids.h"
#include "setup/link_evaluation.h"

namespace kestrom {

namespace {

using S = SimulationState;
using enum Cell;
using namespace fix_screen;
constexpr const StationSide& kOwn = kFixSide;
constexpr const StationSide& kRemote = kMobileSide;

// Limits aimed with the slew keys are the Fix antenna's direction at that moment.
Extended fixAntenna(const SimulationState& s) {
  return fixAntennaDirection(s);
}
void turnToSetpoint(StationPanel& panel, Extended setpoint) {
  static_cast<Tfix&>(panel).turnToSetpoint(setpoint);
}
void keepSetpoint(StationPanel& panel, Extended setpoint) {
  static_cast<Tfix&>(panel).FixSetpoint = setpoint;
}

}  // namespace

std::vector<EnterRow> fixEnterRows() {
  const EnterStep zero = fieldAfter(FieldAfter::Zero);
  const EnterStep toggle = fieldAfter(FieldAfter::Toggle);
  const EnterStep cycle4 = fieldAfter(FieldAfter::Cycle4);
  const AddressForm address = AddressForm::ZeroBeforeOneChar;
  return {
      // F/A SELECT: frequency pair, address codes, Mk 3 frequency.
      {{kFreqPair, kConfigFreqPair},
       {zero, storeFrequencyPair(kOwn), memberStep<Tfix, &Tfix::startPairRamp>}},
      {{kMobileFreqPair}, {zero, storeFrequencyPair(kRemote)}},
      {{kAddressCodes}, {storeAddress(kOwn, kRemote, address)}},
      {{kMobileAddressCodes}, {storeAddress(kRemote, kOwn, address)}},
      {{kSelectiveAddress}, {zero, storeSelectiveAddress(kOwn, address)}},
      {{kFreqAdjustMk3},
       {checkFrequency(), storeCell(R2, kOwn.mk3FreqOffset),
        memberStep<Tfix, &Tfix::startAdjustRamp>, toggle}},
      {{kMobileFreqAdjustMk3}, {storeFrequencyAdjust(kRemote), toggle}},

      // FIX LOCATION: reference, scan limits, set point.
      {{kAimWithTelescope}, {memberStep<Tfix, &Tfix::aimedWithTelescope>, zero}},
      {{kReferenceAzimuth, kConfigReferenceAzimuth}, {zero, storeReferenceAzimuth()}},
      {{kLeftScanLimit},
       {zero, captureScanLimit(&S::FixScanLimitLeft, fixAntenna), goToScreen(kRightScanLimit)}},
      {{kRightScanLimit}, {zero, captureScanLimit(&S::FixScanLimitRight, fixAntenna)}},
      {{kConfigLeftScanLimit}, {captureScanLimit(&S::FixScanLimitLeft, fixAntenna)}},
      {{kConfigRightScanLimit}, {captureScanLimit(&S::FixScanLimitRight, fixAntenna)}},
      {{kKeyInLimits}, {storeScanLimits(&S::FixScanLimitLeft, &S::FixScanLimitRight), toggle}},
      {{kMobileScanning},
       {storeScanLimits(&S::MobileScanLimitLeft, &S::MobileScanLimitRight), toggle}},
      {{kAzimuthSetpoint}, {storeSetpoint("azimuth set point", turnToSetpoint), zero}},
      {{kMobileBearingSetpoint},
       {storeSetpoint("bearing set point", keepSetpoint), askBeforeLosingLock(), zero}},
      {{kMobileAntennaBearing},
       {checkNumber(L3, "antenna bearing"), storeCell(L3, &S::AntennaBearingText),
        inform("For simulation purpose this value is not used")}},

      // CLOCK, OPR MODE, EXTRA MODES.
      {{kTimeDate, kConfigTimeDate}, {storeClock(kOwn), toggle}},
      {{kMobileTimeDate}, {storeClock(kRemote), toggle}},
      {{kOprMode, kConfigOprMode},
       {storeOperatingMode(kOwn), memberStep<Tfix, &Tfix::operatingModeEntered>}},
      {{kMobileOprMode}, {storeOperatingMode(kRemote), zero}},
      {{kGainPower}, {storeGainPower(kOwn), zero}},
      {{kMobileGainPower}, {storeGainPower(kRemote), zero}},
      {{kRemoteModify}, {storeRemoteModify(kOwn), zero}},
      {{kMobileRemoteModify}, {storeRemoteModify(kRemote), zero}},
      {{kAzimuthFilter}, {storeAzimuthFilter(), toggle}},

      // COMM SET-UP.
      {{kHostConnection}, {storeConnection(kOwn.host()), cycle4}},
      {{kMobileHostConnection}, {storeConnection(kRemote.host()), cycle4}},
      {{kPerConnection}, {storeConnection(kOwn.per()), cycle4}},
      {{kMobilePerConnection}, {storeConnection(kRemote.per()), cycle4}},
      {{kTelegramType}, {storeTelegrams(kOwn), toggle}},
      {{kMobileTelegramType}, {storeTelegrams(kRemote), toggle}},
      {{kAlarmSound}, {storeAlarmSimulation(kOwn), toggle}},
      {{kMobileAlarmSound}, {storeAlarmSimulation(kRemote), toggle}},
      {{kControlByte}, {zero, storeControlByte(kOwn)}},
      {{kMobileControlByte}, {zero, storeControlByte(kRemote)}},

      // VOLUME, WAKE-UP, CONFIG.
      {{kVolume}, {zero, storeVolume(kOwn)}},
      {{kMobileVolume}, {zero, storeVolume(kRemote)}},
      {{kWakeUp}, {zero, storeWakeUp(kOwn)}},
      {{kMobileWakeUp}, {zero, storeWakeUp(kRemote)}},
      {{kUnitConfigured}, {zero, storeUnitRole(kOwn), memberStep<Tfix, &Tfix::mk3GainIsManual>}},
      {{kMobileUnitConfigured}, {zero, storeUnitRole(kRemote)}},
  };
}

}  // namespace kestrom
