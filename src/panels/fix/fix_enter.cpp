#include "panels/fix/fix_enter.h"

#include "panels/common/remote_mobile_enter.h"
#include "panels/fix/fix_panel.h"
#include "panels/fix/fix_screen_ids.h"
#include "setup/angles.h"

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
  std::vector<EnterRow> rows = {
      // F/A SELECT: frequency pair, address codes, Mk 3 frequency.
      {{kFreqPair, kConfigFreqPair},
       {zero, storeFrequencyPair(kOwn), memberStep<Tfix, &Tfix::startPairRamp>}},
      {{kAddressCodes}, {storeAddress(kOwn, kRemote, address)}},
      {{kSelectiveAddress}, {zero, storeSelectiveAddress(kOwn, address)}},
      {{kFreqAdjustMk3},
       {checkFrequency(), storeCell(R2, kOwn.mk3FreqOffset),
        memberStep<Tfix, &Tfix::startAdjustRamp>, toggle}},

      // FIX LOCATION: reference, scan limits, set point.
      {{kAimWithTelescope}, {memberStep<Tfix, &Tfix::aimedWithTelescope>, zero}},
      {{kReferenceAzimuth, kConfigReferenceAzimuth}, {zero, storeReferenceAzimuth()}},
      {{kLeftScanLimit},
       {zero, captureScanLimit(&S::FixScanLimitLeft, fixAntenna), goToScreen(kRightScanLimit)}},
      {{kRightScanLimit}, {zero, captureScanLimit(&S::FixScanLimitRight, fixAntenna)}},
      {{kConfigLeftScanLimit}, {captureScanLimit(&S::FixScanLimitLeft, fixAntenna)}},
      {{kConfigRightScanLimit}, {captureScanLimit(&S::FixScanLimitRight, fixAntenna)}},
      {{kKeyInLimits}, {storeScanLimits(&S::FixScanLimitLeft, &S::FixScanLimitRight), toggle}},
      {{kAzimuthSetpoint}, {storeSetpoint("azimuth set point", turnToSetpoint), zero}},

      // CLOCK, OPR MODE, EXTRA MODES.
      {{kTimeDate, kConfigTimeDate}, {storeClock(kOwn), toggle}},
      {{kOprMode, kConfigOprMode},
       {storeOperatingMode(kOwn), memberStep<Tfix, &Tfix::operatingModeEntered>}},
      {{kGainPower}, {storeGainPower(kOwn), zero}},
      {{kRemoteModify}, {storeRemoteModify(kOwn), zero}},
      {{kAzimuthFilter}, {storeAzimuthFilter(), toggle}},

      // COMM SET-UP.
      {{kHostConnection}, {storeConnection(kOwn.host()), cycle4}},
      {{kPerConnection}, {storeConnection(kOwn.per()), cycle4}},
      {{kTelegramType}, {storeTelegrams(kOwn), toggle}},
      {{kAlarmSound}, {storeAlarmSimulation(kOwn), toggle}},
      {{kControlByte}, {zero, storeControlByte(kOwn)}},

      // VOLUME, WAKE-UP, CONFIG.
      {{kVolume}, {zero, storeVolume(kOwn)}},
      {{kWakeUp}, {zero, storeWakeUp(kOwn)}},
      {{kUnitConfigured}, {zero, storeUnitRole(kOwn), memberStep<Tfix, &Tfix::mk3GainIsManual>}},

      // The remote Mobile's location, which the Fix stores in its own way.
      {{kMobileAntennaBearing},
       {checkNumber(L3, "antenna bearing"), storeCell(L3, &S::AntennaBearingText),
        inform("For simulation purpose this value is not used")}},
      {{kMobileScanning},
       {storeScanLimits(&S::MobileScanLimitLeft, &S::MobileScanLimitRight), toggle}},
      {{kMobileBearingSetpoint},
       {storeSetpoint("bearing set point", keepSetpoint), askBeforeLosingLock(), zero}},
  };
  // The other pages of the remote Mobile, stored as the Beacon stores them.
  std::vector<EnterRow> remote = remoteMobileEnterRows(kOwn);
  rows.insert(rows.end(), remote.begin(), remote.end());
  return rows;
}

}  // namespace kestrom
