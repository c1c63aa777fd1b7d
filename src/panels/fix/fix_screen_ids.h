#pragma once

#include "panels/common/remote_mobile_screen_ids.h"

namespace kestrom::fix_screen {

// The remote Mobile tree (37-71), numbered as on the Beacon.
using enum remote_mobile_screen::RemoteMobileScreen;

// The screens of the Fix's own tree by their titles, each with its number on the
// equipment (MenuState).
enum FixScreen : int {
  kMainMenu = 0,

  // OPERATE.
  kOperate = 1,          // distance, azimuth, signal and the status line
  kOperateLine2 = 2,     // the same with status line 2; keys 8 and 9 set power and range
  kOperateSignalDb = 3,  // distance, azimuth and the signal in DB

  // MODIFY FIX.
  kModifyMenu = 4,
  kFaSelect = 5,
  kFreqPair = 6,
  kAddressCodes = 7,
  kFreqAdjustMk3 = 8,
  kLocationMenu = 9,
  kAimWithTelescope = 10,  // AIM ANTENNA (WITH TELESCOPE) AT REFERENCE OBJ
  kLeftScanLimit = 11,
  kKeyInLimits = 12,
  kAzimuthSetpoint = 13,
  kReferenceAzimuth = 14,  // KEY-IN REFERENCE AZM., after the telescope
  kRightScanLimit = 15,
  kTimeDate = 16,
  kOprMode = 17,
  kExtraModes = 18,
  kGainPower = 19,  // RF GAIN / PWR SET
  kRemoteModify = 20,
  kAzimuthFilter = 21,
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
  kConfigLeftScanLimit = 75,
  kConfigRightScanLimit = 76,
  kConfigUseTelescope = 77,  // USE TELESCOPE TO AIM ANTENNA AT REFERENCE OBJECT
  kConfigReferenceAzimuth = 78,
  kConfigTimeDate = 79,
  kConfigOprMode = 80,
  kEndOfConfiguration = 81,

  kMobileClosed = 82,  // the blank REMOTE MOB: key 5 while the lamp's colour is not lime
};

}  // namespace kestrom::fix_screen
