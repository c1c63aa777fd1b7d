#pragma once

#include "panels/common/remote_mobile_screen_ids.h"

namespace kestrom::beacon_screen {

// The remote Mobile tree (37-71), numbered as on the Fix.
using enum remote_mobile_screen::RemoteMobileScreen;

// The screens of the Beacon's own tree by their titles, each with its number on
// the equipment (MenuState).
enum BeaconScreen : int {
  kMainMenu = 0,

  // OPERATE.
  kOperate = 1,         // distance, azimuth, signal and the status line
  kOperateLine2 = 2,    // the same with status line 2; keys 8 and 9 set power and range
  kOperateBearing = 3,  // distance, azimuth, BEARING and HEADING

  // MODIFY BEACON.
  kModifyMenu = 4,
  kFaSelect = 5,
  kFreqPair = 6,
  kAddressCodes = 7,
  kFreqAdjustMk3 = 8,
  kTimeDate = 16,
  kOprMode = 17,
  kExtraModes = 18,
  kGainPower = 19,  // RF GAIN / PWR SET
  kRemoteModify = 20,
  kCommSetup = 22,
  kHostConnection = 23,
  kPerConnection = 24,
  kTelegramType = 25,
  kAlarmSound = 26,
  kControlByte = 27,
  kVolume = 28,

  // MONITORING.
  kMonitoring = 29,
  kSupplies = 30,
  kMixer = 31,
  kPerformance = 32,
  kTemperatures = 33,
  kGunnSupplies = 34,

  // WAKE-UP.
  kWakeUp = 35,
  kSwitchOff = 36,

  // CONFIG: the configuration run, paged by NEXT.
  kUnitConfigured = 72,
  kConfigFreqPair = 73,
  kSelectiveAddress = 74,
  kConfigTimeDate = 75,
  kEndOfConfiguration = 76,

  kMobileClosed = 85,  // the closed REMOTE MOB: key 5 without lock
};

}  // namespace kestrom::beacon_screen
