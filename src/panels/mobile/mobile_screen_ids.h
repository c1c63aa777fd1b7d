#pragma once

namespace kestrom::mobile_screen {

// The screens of the Mobile panel by their titles, each with its number on the
// equipment (MenuState): its own tree, and the counter station's tree that it
// operates remotely (the screens named kCounter...).
enum MobileScreen : int {
  kMainMenu = 0,

  // OPERATE.
  kOperate = 1,           // distance, azimuth, signal and the status line
  kOperateLine2 = 2,      // the same with status line 2; keys 8 and 9 set power and range
  kOperateBearing = 3,    // distance, azimuth, BEARING and HEADING
  kOperateDeviation = 4,  // STDEV and TIME

  // MODIFY MOBILE.
  kModifyMenu = 5,
  kFaSelect = 6,
  kFreqPair = 7,
  kAddressCodes = 8,
  kFreqAdjustMk3 = 9,
  kLocationMenu = 10,
  kAntennaBearing = 11,
  kLeftScanLimit = 12,
  kRightScanLimit = 13,
  kScanning = 14,  // SCANNING MOB: the scan limits keyed in
  kBearingSetpoint = 15,
  kTimeDate = 16,
  kOprMode = 17,
  kExtraModes = 18,
  kGainPower = 19,  // RF GAIN / PWR SET
  kRemoteModify = 20,
  kCommSetup = 21,
  kHostConnection = 22,
  kPerConnection = 23,
  kTelegramType = 24,
  kAlarmSound = 25,
  kControlByte = 26,
  kVolume = 27,

  // MONITORING.
  kMonitoring = 28,
  kSupplies = 29,
  kMixer = 30,
  kPerformance = 31,
  kTemperatures = 32,
  kGunnSupplies = 33,

  // WAKE-UP.
  kWakeUp = 34,
  kSwitchOff = 35,

  // The counter station's tree: REMOTE FIX and its pages.
  kCounterMenu = 36,
  kCounterOperate = 37,
  kCounterOperateLine2 = 38,
  kCounterOperateSignalDb = 39,  // distance, azimuth and the signal in DB
  kCounterModifyMenu = 40,
  kCounterFaSelect = 41,
  kCounterFreqPair = 42,
  kCounterAddressCodes = 43,
  kCounterFreqAdjustMk3 = 44,
  kCounterLocationMenu = 45,
  kCounterReferenceAzimuth = 46,  // KEY-IN REFERENCE AZM
  kCounterAcceptMobile = 47,      // ACCEPT MOBILE POSITION AS FIX REF. OBJECT
  kCounterKeyInLimits = 48,
  kCounterAzimuthSetpoint = 49,
  kCounterTimeDate = 50,
  kCounterOprMode = 51,
  kCounterExtraModes = 52,
  kCounterGainPower = 53,
  kCounterRemoteModify = 54,
  kCounterAzimuthFilter = 55,
  kCounterCommSetup = 56,
  kCounterHostConnection = 57,
  kCounterPerConnection = 58,
  kCounterTelegramType = 59,
  kCounterAlarmSound = 60,
  kCounterControlByte = 61,
  kCounterVolume = 62,
  kCounterMonitoring = 63,
  kCounterSupplies = 64,
  kCounterMixer = 65,
  kCounterPerformance = 66,
  kCounterTemperatures = 67,
  kCounterGunnSupplies = 68,
  kCounterWakeUp = 69,
  kCounterSwitchOff = 70,
  kCounterUnitConfigured = 71,

  // CONFIG: the configuration run, paged by NEXT.
  kUnitConfigured = 72,
  kConfigFreqPair = 73,
  kSelectiveAddress = 74,
  kConfigAntennaBearing = 75,
  kConfigTimeDate = 76,
  kConfigOprMode = 77,
  kEndOfConfiguration = 78,

  kCounterClosed = 80,  // the blank REMOTE FIX: key 5 on a red lamp or to a Mk 3
  kEnterStation = 85,   // the station page of the shuttle tanker software
};

}  // namespace kestrom::mobile_screen
