#include "panels/mobile/mobile_enter.h"

#include "panels/mobile/mobile_panel.h"

namespace kestrom {

namespace {

using S = SimulationState;
using enum Cell;
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
      {{7, 73}, {storeFrequencyPair(kOwn), memberStep<Tmobile, &Tmobile::startPairRamp>}},
      {{42}, {storeFrequencyPair(kRemote)}},
      {{8}, {storeAddress(kOwn, kRemote, AddressForm::BlankBeforeOneChar)}},
      {{43}, {storeAddress(kRemote, kOwn, AddressForm::BlankBelowTen)}},
      {{9},
       {checkFrequency(), storeCell(R2, kOwn.mk3FreqOffset),
        memberStep<Tmobile, &Tmobile::startAdjustRamp>, toggle}},
      {{44}, {storeFrequencyAdjust(kRemote), toggle}},

      // LOCATION.
      {{11},
       {inform("For simulation purpose we will not allow you to change this value"), zero,
        showCell(R4, "")}},
      {{12},
       {captureScanLimit(&S::MobileScanLimitLeft, mobileAntenna), goToScreen(13),
        captureScanLimit(&S::MobileScanLimitRight, mobileAntenna)}},
      {{13}, {captureScanLimit(&S::MobileScanLimitRight, mobileAntenna)}},
      {{14}, {storeScanLimits(&S::MobileScanLimitLeft, &S::MobileScanLimitRight), toggle}},
      {{48}, {storeScanLimits(&S::FixScanLimitLeft, &S::FixScanLimitRight), toggle}},
      {{15}, {storeSetpoint("bearing set point", turnToSetpoint), zero}},
      {{49}, {storeSetpoint("azimuth set point", keepSetpoint), askBeforeLosingLock(), zero}},
      {{46}, {storeReferenceAzimuth(), zero}},

      // CLOCK, OPR MODE, EXTRA MODES.
      {{16, 76}, {storeClock(kOwn), zero}},
      {{50}, {storeClock(kRemote), zero}},
      {{17, 77},
       {storeOperatingMode(kOwn), zero, memberStep<Tmobile, &Tmobile::operatingModeEntered>}},
      {{51}, {storeOperatingMode(kRemote)}},
      {{19},
       {storeGainPower(kOwn), memberStep<Tmobile, &Tmobile::mk3FixFollowsTransmitter>,
        fieldAfter(FieldAfter::Cycle3)}},
      {{53}, {storeGainPower(kRemote), fieldAfter(FieldAfter::One)}},
      {{20}, {storeRemoteModify(kOwn), zero}},
      {{54}, {storeRemoteModify(kRemote), zero}},
      {{55}, {storeAzimuthFilter(), toggle}},

      // COMM SET-UP.
      {{22}, {storeConnection(kOwn.host()), cycle4}},
      {{57}, {storeConnection(kRemote.host()), cycle4}},
      {{23},
       {storeConnection(kOwn.per()), cycle4, memberStep<Tmobile, &Tmobile::perConnectionEntered>}},
      {{58}, {storeConnection(kRemote.per()), cycle4}},
      {{24}, {storeTelegrams(kOwn), toggle, memberStep<Tmobile, &Tmobile::perTelegramsEntered>}},
      {{59}, {storeTelegrams(kRemote), toggle}},
      {{25}, {storeAlarmSimulation(kOwn), toggle}},
      {{60}, {storeAlarmSimulation(kRemote), toggle}},
      {{26}, {storeControlByte(kOwn), zero}},
      {{61}, {storeControlByte(kRemote), zero}},

      // VOLUME, WAKE-UP, CONFIG.
      {{27}, {storeVolume(kOwn), zero}},
      {{62}, {storeVolume(kRemote), zero}},
      {{34}, {storeWakeUp(kOwn), zero}},
      {{69}, {storeWakeUp(kRemote), zero}},
      {{35, 70}, {zero, closePanel()}},
      {{71}, {storeUnitRole(kRemote), zero}},
      {{72}, {storeUnitRole(kOwn), memberStep<Tmobile, &Tmobile::mk3MobileGainIsManual>, zero}},
      {{74}, {storeSelectiveAddress(kOwn, AddressForm::ZeroBelowTen), zero}},
      {{75}, {memberCheck<Tmobile, &Tmobile::configuredBearingEntered>, zero}},
      {{85}, {memberCheck<Tmobile, &Tmobile::stationCodeEntered>}},
  };
}

}  // namespace kestrom
