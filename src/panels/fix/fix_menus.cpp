#include "panels/fix/fix_menus.h"

#include "panels/common/key_in_catalogue.h"

namespace kestrom {

const std::vector<KeyInBinding>& FixMenus() {
  using namespace keyin;
  static const std::vector<KeyInBinding> table = {
      {{6, 43, 73}, SetFreqPair()},
      {{17, 52, 80}, CycleOprMode()},
      {{19, 54}, ToggleGainPower()},
      {{20, 55}, ToggleRemoteModify()},
      {{23, 57}, CycleHostLink()},
      {{24, 58}, CyclePerLink()},
      {{25, 59}, CycleTelegrams(basicPanelOutTelegramOptions())},
      {{26, 60}, ToggleAlarmSimulation()},
      {{71, 72}, CycleUnitRole()},
      {{7, 44}, KeyInAddressCode()},
      {{8, 45}, KeyInMk3Offset()},
      {{47}, KeyInBearing(Cell::L3, 11)},
      {{12, 48}, KeyInScanLimits()},
      {{13, 49}, KeyInSetpoint()},
      {{16, 50, 79}, KeyInTimeDate()},
      {{35, 69}, KeyInWakeUp()},
      {{27, 61}, KeyInControlByte()},
      {{28, 62}, KeyInVolume()},
      {{14}, KeyInRefAzimuth(13, ',')},
      {{78}, KeyInRefAzimuth(10, '.')},
      {{21}, KeyInFilter()},
      {{74}, KeyInSelectiveAddress()},
  };
  return table;
}

using enum Cell;

// The edited field blinks; the field before it is held black.
std::vector<BlinkRow> fixBlinkRows() {
  return {
      {{7, 44}, kAnyField, {}, R3},    {{8, 21, 45}, 0, {R3}, R2},
      {{8, 21, 45}, 1, {R2}, R3},      {{12, 25, 48}, 0, {R4}, R3},
      {{12, 25, 48}, 1, {R3}, R4},     {{14, 47, 78}, kAnyField, {}, L3},
      {{16, 50, 79}, 0, {R4}, R2},     {{16, 50, 79}, 1, {R2}, R4},
      {{19, 54}, 0, {R4}, L2},         {{19, 54}, 1, {L2}, R3},
      {{19, 54}, 2, {R3}, R4},         {{20, 55}, kAnyField, {}, R2},
      {{23, 24, 57, 58}, 0, {R4}, R2}, {{23, 24, 57, 58}, 1, {R2}, R3},
      {{23, 24, 57, 58}, 2, {R3}, L4}, {{23, 24, 57, 58}, 3, {L4}, R4},
      {{26, 60}, 0, {R4}, R1},         {{26, 60}, 1, {R1}, R4},
      {{35, 69}, kAnyField, {}, L3},   {{74}, kAnyField, {}, R3},
  };
}

}  // namespace kestrom
