#include "panels/beacon/beacon_enter.h"

#include "panels/beacon/beacon_panel.h"
#include "panels/beacon/beacon_screen_ids.h"
#include "panels/common/enter_steps.h"
#include "panels/common/remote_mobile_enter.h"

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
  std::vector<EnterRow> rows = {
      // F/A SELECT: frequency pair, address codes, Mk 3 frequency.
      {{kFreqPair, kConfigFreqPair},
       {zero, storeFrequencyPair(kOwn), memberStep<Tbeacon, &Tbeacon::startPairRamp>}},
      {{kAddressCodes}, {storeAddress(kOwn, kRemote, address)}},
      {{kSelectiveAddress}, {zero, storeSelectiveAddress(kOwn, address)}},
      {{kFreqAdjustMk3},
       {checkFrequency(), storeCell(R2, kOwn.mk3FreqOffset),
        memberStep<Tbeacon, &Tbeacon::startAdjustRamp>, toggle}},

      // CLOCK, OPR MODE, EXTRA MODES.
      {{kTimeDate}, {storeClock(kOwn), toggle}},
      {{kOprMode}, {storeOperatingMode(kOwn), zero}},
      {{kGainPower}, {storeGainPower(kOwn), zero}},
      {{kRemoteModify}, {storeRemoteModify(kOwn), zero}},

      // COMM SET-UP.
      {{kHostConnection}, {storeConnection(kOwn.host()), cycle4}},
      {{kPerConnection}, {storeConnection(kOwn.per()), cycle4}},
      {{kTelegramType}, {storeTelegrams(kOwn), toggle}},
      {{kAlarmSound}, {storeAlarmSimulation(kOwn), toggle}},
      {{kControlByte}, {zero, storeControlByte(kOwn)}},

      // VOLUME, WAKE-UP.
      {{kVolume}, {zero, storeVolume(kOwn)}},
      {{kWakeUp}, {zero, storeWakeUp(kOwn)}},

      // The remote Mobile's location, which the Beacon stores in its own way.
      {{kMobileAntennaBearing},
       {checkNumber(L3, "antenna bearing"), storeCell(L3, &S::AntennaBearingText)}},
      {{kMobileScanning},
       {storeScanLimits(&S::MobileScanLimitLeft, &S::MobileScanLimitRight), leaveThirdField,
        toggle}},
      {{kMobileBearingSetpoint},
       {storeSetpoint("bearing set point", keepSetpoint, true), askBeforeLosingLock(), zero}},
  };
  // The other pages of the remote Mobile, stored as the Fix stores them.
  std::vector<EnterRow> remote = remoteMobileEnterRows(kOwn);
  rows.insert(rows.end(), remote.begin(), remote.end());
  return rows;
}

}  // namespace kestrom
