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

}  // namespace kestrom
