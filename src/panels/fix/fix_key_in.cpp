#include "panels/fix/fix_key_in.h"

#include "panels/common/key_in_catalogue.h"
#include "panels/fix/fix_screen_ids.h"

namespace kestrom {

using namespace fix_screen;

const std::vector<KeyInBinding>& fixKeyIn() {
  using namespace keyin;
  static const std::vector<KeyInBinding> table = {
      {{kFreqPair, kMobileFreqPair, kConfigFreqPair}, SetFreqPair()},
      {{kOprMode, kMobileOprMode, kConfigOprMode}, CycleOprMode()},
      {{kGainPower, kMobileGainPower}, ToggleGainPower()},
      {{kRemoteModify, kMobileRemoteModify}, ToggleRemoteModify()},
      {{kHostConnection, kMobileHostConnection}, CycleHostLink()},
      {{kPerConnection, kMobilePerConnection}, CyclePerLink()},
      {{kTelegramType, kMobileTelegramType}, CycleTelegrams(basicPanelOutTelegramOptions())},
      {{kAlarmSound, kMobileAlarmSound}, ToggleAlarmSimulation()},
      {{kMobileUnitConfigured, kUnitConfigured}, CycleUnitRole()},
      {{kAddressCodes, kMobileAddressCodes}, KeyInAddressCode()},
      {{kFreqAdjustMk3, kMobileFreqAdjustMk3}, KeyInMk3Offset()},
      {{kMobileAntennaBearing}, KeyInBearing(Cell::L3, 11)},
      {{kKeyInLimits, kMobileScanning}, KeyInScanLimits()},
      {{kAzimuthSetpoint, kMobileBearingSetpoint}, KeyInSetpoint()},
      {{kTimeDate, kMobileTimeDate, kConfigTimeDate}, KeyInTimeDate()},
      {{kWakeUp, kMobileWakeUp}, KeyInWakeUp()},
      {{kControlByte, kMobileControlByte}, KeyInControlByte()},
      {{kVolume, kMobileVolume}, KeyInVolume()},
      {{kReferenceAzimuth}, KeyInRefAzimuth(13, ',')},
      {{kConfigReferenceAzimuth}, KeyInRefAzimuth(10, '.')},
      {{kAzimuthFilter}, KeyInFilter()},
      {{kSelectiveAddress}, KeyInSelectiveAddress()},
  };
  return table;
}

}  // namespace kestrom
