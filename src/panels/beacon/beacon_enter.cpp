#include "panels/beacon/beacon_enter.h"

#include "panels/beacon/beacon_panel.h"
#include "panels/common/enter_steps.h"

namespace kestrom {

namespace {

using S = SimulationState;
using enum Cell;
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
      {{6, 73}, {zero, storeFrequencyPair(kOwn), memberStep<Tbeacon, &Tbeacon::startPairRamp>}},
      {{43}, {zero, storeFrequencyPair(kRemote)}},
      {{7}, {storeAddress(kOwn, kRemote, address)}},
      {{44}, {storeAddress(kRemote, kOwn, address)}},
      {{74}, {zero, storeSelectiveAddress(kOwn, address)}},
      {{8},
       {checkFrequency(), storeCell(R2, kOwn.mk3FreqOffset),
        memberStep<Tbeacon, &Tbeacon::startAdjustRamp>, toggle}},
      {{45}, {storeFrequencyAdjust(kRemote), toggle}},

      // The remote Mobile's location.
      {{47}, {checkNumber(L3, "antenna bearing"), storeCell(L3, &S::AntennaBearingText)}},
      {{48},
       {storeScanLimits(&S::MobileScanLimitLeft, &S::MobileScanLimitRight), leaveThirdField,
        toggle}},
      {{49}, {storeSetpoint("bearing set point", keepSetpoint, true), askBeforeLosingLock(), zero}},

      // CLOCK, OPR MODE, EXTRA MODES.
      {{16}, {storeClock(kOwn), toggle}},
      {{50}, {storeClock(kRemote), toggle}},
      {{17}, {storeOperatingMode(kOwn), zero}},
      {{52}, {storeOperatingMode(kRemote), zero}},
      {{19}, {storeGainPower(kOwn), zero}},
      {{54}, {storeGainPower(kRemote), zero}},
      {{20}, {storeRemoteModify(kOwn), zero}},
      {{55}, {storeRemoteModify(kRemote), zero}},

      // COMM SET-UP.
      {{23}, {storeConnection(kOwn.host()), cycle4}},
      {{57}, {storeConnection(kRemote.host()), cycle4}},
      {{24}, {storeConnection(kOwn.per()), cycle4}},
      {{58}, {storeConnection(kRemote.per()), cycle4}},
      {{25}, {storeTelegrams(kOwn), toggle}},
      {{59}, {storeTelegrams(kRemote), toggle}},
      {{26}, {storeAlarmSimulation(kOwn), toggle}},
      {{60}, {storeAlarmSimulation(kRemote), toggle}},
      {{27}, {zero, storeControlByte(kOwn)}},
      {{61}, {zero, storeControlByte(kRemote)}},

      // VOLUME, WAKE-UP, the remote Mobile's unit.
      {{28}, {zero, storeVolume(kOwn)}},
      {{62}, {zero, storeVolume(kRemote)}},
      {{35}, {zero, storeWakeUp(kOwn)}},
      {{69}, {zero, storeWakeUp(kRemote)}},
      {{71}, {zero, storeUnitRole(kRemote)}},
  };
}

}  // namespace kestrom
