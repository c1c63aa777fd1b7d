#include "panels/mobile/mobile_key_in.h"

#include <string>

#include "panels/common/key_in_catalogue.h"

namespace kestrom {

using enum Cell;

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
      {{7, 42, 73}, SetFreqPair()},
      {{17, 51, 77}, CycleOprMode()},
      {{19, 53}, ToggleGainPower()},
      {{20, 54}, ToggleRemoteModify()},
      {{22, 57}, CycleHostLink()},
      {{23, 58}, CyclePerLink()},
      {{24, 59}, CycleTelegrams(mobileOutTelegramOptions())},
      {{25, 60}, ToggleAlarmSimulation()},
      {{71}, CycleCounterUnitRole()},
      {{72}, CycleUnitRole()},
      // Typed fields.
      {{8, 43}, KeyInAddressCode()},
      {{9, 44}, KeyInMk3Offset()},
      {{11, 15, 49}, KeyInSetpoint()},
      {{14, 48}, KeyInScanLimits()},
      {{16, 50, 76}, KeyInTimeDate()},
      {{26, 61}, KeyInControlByte()},
      // The Mobile stores a volume digit at once.
      {{27}, KeyInVolume(&SimulationState::MobileAudioVolume)},
      {{62}, KeyInVolume(&SimulationState::CounterAudioVolume)},
      {{34, 69}, KeyInWakeUp()},
      {{46}, KeyInRefAzimuth(7, '.')},
      {{55}, KeyInFilter()},
      {{74}, KeyInSelectiveAddress()},
      {{75}, KeyInBearing(L4, 10)},
      {{85}, KeyInStationCode()},
  };
  return table;
}

// The field under edit blinks; the other fields of its screen are held black. On
// the wake-up, selective address and antenna bearing pages the field is white at
// every tick; the station code turns white once and stays so.
std::vector<BlinkRow> mobileBlinkRows() {
  return {
      {{8, 43}, kAnyField, {}, R3},
      {{9, 44, 55}, 0, {R3}, R2},
      {{9, 44, 55}, 1, {R2}, R3},
      {{11}, kAnyField, {}, L3},
      {{14, 24, 48}, 0, {R4}, R3},
      {{14, 24, 48}, 1, {R3}, R4},
      {{16, 50, 76}, 0, {R4}, R2},
      {{16, 50, 76}, 1, {R2}, R4},
      {{19, 53}, 0, {R3, R4}, L2},
      {{19, 53}, 1, {L2, R4}, R3},
      {{19, 53}, 2, {L2, R3}, R4},
      {{20, 54}, kAnyField, {}, R2},
      {{22, 23, 57, 58}, 0, {R3, L4, R4}, R2},
      {{22, 23, 57, 58}, 1, {R2, L4, R4}, R3},
      {{22, 23, 57, 58}, 2, {R2, R3, R4}, L4},
      {{22, 23, 57, 58}, 3, {R2, R3, L4}, R4},
      {{25, 60}, 0, {R4}, R1},
      {{25, 60}, 1, {R1}, R4},
      {{34, 69}, kAnyField, {}, L3, BlinkMode::AlwaysWhite},
      {{74}, kAnyField, {}, R3, BlinkMode::AlwaysWhite},
      {{75}, kAnyField, {}, L4, BlinkMode::AlwaysWhite},
      {{85}, kAnyField, {}, R2, BlinkMode::WhiteOnce},
  };
}

}  // namespace kestrom
