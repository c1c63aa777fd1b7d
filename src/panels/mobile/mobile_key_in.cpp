#include "panels/mobile/mobile_key_in.h"

#include <string>

#include "panels/common/key_in_catalogue.h"
#include "panels/mobile/mobile_screen_ids.h"

namespace kestrom {

using enum Cell;
using namespace mobile_screen;

const OptionList& mobileOutTelegramOptions() {
  static const OptionList list = {{0, "BCD(.001)        ", 1}, {1, "BCD(.01)         ", 2},
                                  {2, "BCD(ADB)         ", 3}, {3, "ASCII 16         ", 4},
                                  {4, "ASCII 17         ", 5}, {5, "ASCII 22         ", 0}};
  return list;
}

const std::vector<KeyInBinding>& mobileKeyIn() {
  using namespace keyin;
  static const std::vector<KeyInBinding> table = {
      // Option lists.
      {{kFreqPair, kCounterFreqPair, kConfigFreqPair}, SetFreqPair()},
      {{kOprMode, kCounterOprMode, kConfigOprMode}, CycleOprMode()},
      {{kGainPower, kCounterGainPower}, ToggleGainPower()},
      {{kRemoteModify, kCounterRemoteModify}, ToggleRemoteModify()},
      {{kHostConnection, kCounterHostConnection}, CycleHostLink()},
      {{kPerConnection, kCounterPerConnection}, CyclePerLink()},
      {{kTelegramType, kCounterTelegramType}, CycleTelegrams(mobileOutTelegramOptions())},
      {{kAlarmSound, kCounterAlarmSound}, ToggleAlarmSimulation()},
      {{kCounterUnitConfigured}, CycleCounterUnitRole()},
      {{kUnitConfigured}, CycleUnitRole()},
      // Typed fields.
      {{kAddressCodes, kCounterAddressCodes}, KeyInAddressCode()},
      {{kFreqAdjustMk3, kCounterFreqAdjustMk3}, KeyInMk3Offset()},
      {{kAntennaBearing, kBearingSetpoint, kCounterAzimuthSetpoint}, KeyInSetpoint()},
      {{kScanning, kCounterKeyInLimits}, KeyInScanLimits()},
      {{kTimeDate, kCounterTimeDate, kConfigTimeDate}, KeyInTimeDate()},
      {{kControlByte, kCounterControlByte}, KeyInControlByte()},
      // The Mobile stores a volume digit at once.
      {{kVolume}, KeyInVolume(&SimulationState::MobileAudioVolume)},
      {{kCounterVolume}, KeyInVolume(&SimulationState::CounterAudioVolume)},
      {{kWakeUp, kCounterWakeUp}, KeyInWakeUp()},
      {{kCounterReferenceAzimuth}, KeyInRefAzimuth(7, '.')},
      {{kCounterAzimuthFilter}, KeyInFilter()},
      {{kSelectiveAddress}, KeyInSelectiveAddress()},
      {{kConfigAntennaBearing}, KeyInBearing(L4, 10)},
      {{kEnterStation}, KeyInStationCode()},
  };
  return table;
}

// The field under edit blinks; the other fields of its screen are held black. On
// the wake-up, selective address and antenna bearing pages the field is white at
// every tick; the station code turns white once and stays so.
std::vector<BlinkRow> mobileBlinkRows() {
  // The pages of two fields in 2R and 3R, and in 3R and 4R.
  const std::vector<int> fieldsR2R3 = {kFreqAdjustMk3, kCounterFreqAdjustMk3,
                                       kCounterAzimuthFilter};
  const std::vector<int> fieldsR3R4 = {kScanning, kTelegramType, kCounterKeyInLimits};
  const std::vector<int> timeDate = {kTimeDate, kCounterTimeDate, kConfigTimeDate};
  const std::vector<int> gainPower = {kGainPower, kCounterGainPower};
  const std::vector<int> connections = {kHostConnection, kPerConnection, kCounterHostConnection,
                                        kCounterPerConnection};
  const std::vector<int> alarm = {kAlarmSound, kCounterAlarmSound};
  return {
      {{kAddressCodes, kCounterAddressCodes}, kAnyField, {}, R3},
      {fieldsR2R3, 0, {R3}, R2},
      {fieldsR2R3, 1, {R2}, R3},
      {{kAntennaBearing}, kAnyField, {}, L3},
      {fieldsR3R4, 0, {R4}, R3},
      {fieldsR3R4, 1, {R3}, R4},
      {timeDate, 0, {R4}, R2},
      {timeDate, 1, {R2}, R4},
      {gainPower, 0, {R3, R4}, L2},
      {gainPower, 1, {L2, R4}, R3},
      {gainPower, 2, {L2, R3}, R4},
      {{kRemoteModify, kCounterRemoteModify}, kAnyField, {}, R2},
      {connections, 0, {R3, L4, R4}, R2},
      {connections, 1, {R2, L4, R4}, R3},
      {connections, 2, {R2, R3, R4}, L4},
      {connections, 3, {R2, R3, L4}, R4},
      {alarm, 0, {R4}, R1},
      {alarm, 1, {R1}, R4},
      {{kWakeUp, kCounterWakeUp}, kAnyField, {}, L3, BlinkMode::AlwaysWhite},
      {{kSelectiveAddress}, kAnyField, {}, R3, BlinkMode::AlwaysWhite},
      {{kConfigAntennaBearing}, kAnyField, {}, L4, BlinkMode::AlwaysWhite},
      {{kEnterStation}, kAnyField, {}, R2, BlinkMode::WhiteOnce},
  };
}

}  // namespace kestrom
