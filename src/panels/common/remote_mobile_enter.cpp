#include "panels/common/remote_mobile_enter.h"

#include "panels/common/remote_mobile_screen_ids.h"

namespace kestrom {

using namespace remote_mobile_screen;

std::vector<EnterRow> remoteMobileEnterRows(const StationSide& counter) {
  const StationSide& mobile = kMobileSide;
  const EnterStep zero = fieldAfter(FieldAfter::Zero);
  const EnterStep toggle = fieldAfter(FieldAfter::Toggle);
  const EnterStep cycle4 = fieldAfter(FieldAfter::Cycle4);
  const AddressForm address = AddressForm::ZeroBeforeOneChar;
  return {
      // F/A SELECT: frequency pair, address codes, Mk 3 frequency.
      {{kMobileFreqPair}, {zero, storeFrequencyPair(mobile)}},
      {{kMobileAddressCodes}, {storeAddress(mobile, counter, address)}},
      {{kMobileFreqAdjustMk3}, {storeFrequencyAdjust(mobile), toggle}},

      // CLOCK, OPR MODE, EXTRA MODES.
      {{kMobileTimeDate}, {storeClock(mobile), toggle}},
      {{kMobileOprMode}, {storeOperatingMode(mobile), zero}},
      {{kMobileGainPower}, {storeGainPower(mobile), zero}},
      {{kMobileRemoteModify}, {storeRemoteModify(mobile), zero}},

      // COMM SET-UP.
      {{kMobileHostConnection}, {storeConnection(mobile.host()), cycle4}},
      {{kMobilePerConnection}, {storeConnection(mobile.per()), cycle4}},
      {{kMobileTelegramType}, {storeTelegrams(mobile), toggle}},
      {{kMobileAlarmSound}, {storeAlarmSimulation(mobile), toggle}},
      {{kMobileControlByte}, {zero, storeControlByte(mobile)}},

      // VOLUME, WAKE-UP, the Mobile's unit.
      {{kMobileVolume}, {zero, storeVolume(mobile)}},
      {{kMobileWakeUp}, {zero, storeWakeUp(mobile)}},
      {{kMobileUnitConfigured}, {zero, storeUnitRole(mobile)}},
  };
}

}  // namespace kestrom
