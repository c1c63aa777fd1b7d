#include "panels/beacon/beacon_key_in.h"

#include "panels/common/key_in_catalogue.h"

namespace kestrom {
namespace {

// The closed remote tree takes two digits in 2R, which lead nowhere.
KeyInRoutine KeyInRemoteClosed() {
  return {"KeyInRemoteClosed", {{0, TypedEntry{Cell::R2, "", 2}}}};
}

}  // namespace

const std::vector<KeyInBinding>& beaconKeyIn() {
  using namespace keyin;
  static const std::vector<KeyInBinding> table = {
      {{6, 43, 73}, SetFreqPair()},
      {{17, 52}, CycleOprMode()},
      {{19, 54}, ToggleGainPower()},
      {{20, 55}, ToggleRemoteModify()},
      {{23, 57}, CycleHostLink()},
      {{24, 58}, CyclePerLink()},
      {{25, 59}, CycleTelegrams(basicPanelOutTelegramOptions())},
      {{26, 60}, ToggleAlarmSimulation()},
      {{71}, CycleUnitRole()},
      {{7, 44}, KeyInAddressCode()},
      {{8, 45}, KeyInMk3Offset()},
      {{16, 50}, KeyInTimeDate()},
      {{27, 61}, KeyInControlByte()},
      {{28, 62}, KeyInVolume()},
      {{35, 69}, KeyInWakeUp()},
      {{47}, KeyInBearing(Cell::L3, 11)},
      {{48}, KeyInScanLimits()},
      {{49}, KeyInSetpoint()},
      {{74}, KeyInSelectiveAddress()},
      {{85}, KeyInRemoteClosed()},
  };
  return table;
}

}  // namespace kestrom
