#include "panels/beacon/beacon_enter.h"

#include "panels/beacon/beacon_panel.h"
#include "panels/beacon/beacon_screen_ids.h"
#include "panels/common/enter_steps.h"

namespace kestrom {

namespace {

using S = SimulationState;
using enum Cell;
using namespace beacon_screen;
constexpr const StationSide& kOwn = kBeaconSide;
constexpr const StationSide& kRemote = kMobileSide;

// The Beacon turns nothing to a set point: the entry is only kept.
void keepSetpoint(StationPanel&, Extended) {}

// SCANLIMITS leaves its third field before it toggles.
bool leaveThirdField(StationPanel& panel) {
  if (panel.EditField == 2) panel.EditField = 0;
  return true;
}

}  // namespace

std::vector<EnterRow> beaconEnterRows() {
  const EnterStep zero = fieldAfter(FieldAfter::Zero);
  const EnterStep toggle = fieldAfter(FieldAfter::Toggle);
  const EnterStep cycle4 = fieldAfter(FieldAfter::Cycle4);
  const AddressForm address = AddressForm::ZeroBeforeOneChar;
  return {
      // F/A SELECT: frequency pair, address codes, Mk 3 frequency.
      {{kFreqPair, kConfigFreqPair},
       {zero, storeFrequencyPair(kOwn), memberStep<Tbeacon, &Tbeacon::startPairRamp>}},
      {{kMobileFreqPair}, {zero, storeFrequencyPair(kRemote)}},
      {{kAddressCodes}, {storeAddress(kOwn, kRemote, address)}},
      {{kMobileAddressCodes}, {storeAddress(kRemote, kOwn, address)}},
      {{kSelectiveAddress}, {zero, storeSelectiveAddress(kOwn, address)}},
      {{kFreqAdjustMk3},
       {checkFrequency(), storeCell(R2, kOwn.mk3FreqOffset),
        memberStep<Tbeacon, &Tbeacon::startAdjustRamp>, toggle}},
      {{kMobileFreqAdjustMk3}, {storeFrequencyAdjust(kRemote), toggle}},

      // The remote Mobile's location.
      {{kMobileAntennaBearing},
       {checkNumber(L3, "antenna bearing"), storeCell(L3, &S::AntennaBearingText)}},
      {{kMobileScanning},
       {storeScanLimits(&S::MobileScanLimitLeft, &S::MobileScanLimitRight), leaveThirdField,
        toggle}},
      {{kMobileBearingSetpoint},
       {storeSetpoint("bearing set point", keepSetpoint, true), askBeforeLosingLock(), zero}},

      // CLOCK, OPR MODE, EXTRA MODES.
      {{kTimeDate}, {storeClock(kOwn), toggle}},
      {{kMobileTimeDate}, {storeClock(kRemote), toggle}},
      {{kOprMode}, {storeOperatingMode(kOwn), zero}},
      {{kMobileOprMode}, {storeOperatingMode(kRemote), zero}},
      {{kGainPower}, {storeGainPower(kOwn), zero}},
      {{kMobileGainPower}, {storeGainPower(kRemote), zero}},
      {{kRemoteModify}, {storeRemoteModify(kOwn), zero}},
      {{kMobileRemoteModify}, {storeRemoteModify(kRemote), zero}},

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

      // VOLUME, WAKE-UP, the remote Mobile's unit.
      {{kVolume}, {zero, storeVolume(kOwn)}},
      {{kMobileVolume}, {zero, storeVolume(kRemote)}},
      {{kWakeUp}, {zero, storeWakeUp(kOwn)}},
      {{kMobileWakeUp}, {zero, storeWakeUp(kRemote)}},
      {{kMobileUnitConfigured}, {zero, storeUnitRole(kRemote)}},
  };
}

}  // namespace kestrom
