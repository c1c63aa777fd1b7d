#include "panels/fix/fix_enter.h"

#include "panels/fix/fix_panel.h"
#include "setup/angles.h"

namespace kestrom {

namespace {

using S = SimulationState;
using enum Cell;
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
      {{6, 73}, {zero, storeFrequencyPair(kOwn), memberStep<Tfix, &Tfix::startPairRamp>}},
      {{43}, {zero, storeFrequencyPair(kRemote)}},
      {{7}, {storeAddress(kOwn, kRemote, address)}},
      {{44}, {storeAddress(kRemote, kOwn, address)}},
      {{74}, {zero, storeSelectiveAddress(kOwn, address)}},
      {{8},
       {checkFrequency(), storeCell(R2, kOwn.mk3FreqOffset),
        memberStep<Tfix, &Tfix::startAdjustRamp>, toggle}},
      {{45}, {storeFrequencyAdjust(kRemote), toggle}},

      // FIX LOCATION: reference, scan limits, set point.
      {{10}, {memberStep<Tfix, &Tfix::aimedWithTelescope>, zero}},
      {{14, 78}, {zero, storeReferenceAzimuth()}},
      {{11}, {zero, captureScanLimit(&S::FixScanLimitLeft, fixAntenna), goToScreen(15)}},
      {{15}, {zero, captureScanLimit(&S::FixScanLimitRight, fixAntenna)}},
      {{75}, {captureScanLimit(&S::FixScanLimitLeft, fixAntenna)}},
      {{76}, {captureScanLimit(&S::FixScanLimitRight, fixAntenna)}},
      {{12}, {storeScanLimits(&S::FixScanLimitLeft, &S::FixScanLimitRight), toggle}},
      {{48}, {storeScanLimits(&S::MobileScanLimitLeft, &S::MobileScanLimitRight), toggle}},
      {{13}, {storeSetpoint("azimuth set point", turnToSetpoint), zero}},
      {{49}, {storeSetpoint("bearing set point", keepSetpoint), askBeforeLosingLock(), zero}},
      {{47},
       {checkNumber(L3, "antenna bearing"), storeCell(L3, &S::AntennaBearingText),
        inform("For simulation purpose this value is not used")}},

      // CLOCK, OPR MODE, EXTRA MODES.
      {{16, 79}, {storeClock(kOwn), toggle}},
      {{50}, {storeClock(kRemote), toggle}},
      {{17, 80}, {storeOperatingMode(kOwn), memberStep<Tfix, &Tfix::operatingModeEntered>}},
      {{52}, {storeOperatingMode(kRemote), zero}},
      {{19}, {storeGainPower(kOwn), zero}},
      {{54}, {storeGainPower(kRemote), zero}},
      {{20}, {storeRemoteModify(kOwn), zero}},
      {{55}, {storeRemoteModify(kRemote), zero}},
      {{21}, {storeAzimuthFilter(), toggle}},

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

      // VOLUME, WAKE-UP, CONFIG.
      {{28}, {zero, storeVolume(kOwn)}},
      {{62}, {zero, storeVolume(kRemote)}},
      {{35}, {zero, storeWakeUp(kOwn)}},
      {{69}, {zero, storeWakeUp(kRemote)}},
      {{72}, {zero, storeUnitRole(kOwn), memberStep<Tfix, &Tfix::mk3GainIsManual>}},
      {{71}, {zero, storeUnitRole(kRemote)}},
  };
}

}  // namespace kestrom
