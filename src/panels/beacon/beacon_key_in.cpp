#include "panels/beacon/beacon_key_in.h"

#include "panels/beacon/beacon_screen_ids.h"
#include "panels/common/key_in_catalogue.h"

namespace kestrom {

using namespace beacon_screen;

namespace {

// The closed remote tree takes two digits in 2R, which lead nowhere.
KeyInRoutine KeyInRemoteClosed() {
  return {"KeyInRemoteClosed", {{0, TypedEntry{Cell::R2, "", 2}}}};
}

}  // namespace

const std::vector<KeyInBinding>& beaconKeyIn() {
  using namespace keyin;
  static const std::vector<KeyInBinding> table = {
      {{kFreqPair, kMobileFreqPair, kConfigFreqPair}, SetFreqPair()},
      {{kOprMode, kMobileOprMode}, CycleOprMode()},
      {{kGainPower, kMobileGainPower}, ToggleGainPower()},
      {{kRemoteModify, kMobileRemoteModify}, ToggleRemoteModify()},
      {{kHostConnection, kMobileHostConnection}, CycleHostLink()},
      {{kPerConnection, kMobilePerConnection}, CyclePerLink()},
      {{kTelegramType, kMobileTelegramType}, CycleTelegrams(basicPanelOutTelegramOptions())},
      {{kAlarmSound, kMobileAlarmSound}, ToggleAlarmSimulation()},
      {{kMobileUnitConfigured}, CycleUnitRole()},
      {{kAddressCodes, kMobileAddressCodes}, KeyInAddressCode()},
      {{kFreqAdjustMk3, kMobileFreqAdjustMk3}, KeyInMk3Offset()},
      {{kTimeDate, kMobileTimeDate}, KeyInTimeDate()},
      {{kControlByte, kMobileControlByte}, KeyInControlByte()},
      {{kVolume, kMobileVolume}, KeyInVolume()},
      {{kWakeUp, kMobileWakeUp}, KeyInWakeUp()},
      {{kMobileAntennaBearing}, KeyInBearing(Cell::L3, 11)},
      {{kMobileScanning}, KeyInScanLimits()},
      {{kMobileBearingSetpoint}, KeyInSetpoint()},
      {{kSelectiveAddress}, KeyInSelectiveAddress()},
      {{kMobileClosed}, KeyInRemoteClosed()},
  };
  return table;
}

}  // namespace kestrom
