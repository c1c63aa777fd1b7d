#pragma once

namespace kestrom::remote_mobile_screen {

// The Mobile's tree as the panels of both counter stations, the Fix's and the
// Beacon's, number it (MenuState): REMOTE MOB, opened by key 5 of their main
// menus, and its pages, by their titles.
enum RemoteMobileScreen : int {
  kMobileMenu = 37,

  // OPERATE.
  kMobileOperate = 38,           // distance, azimuth, signal and the status line
  kMobileOperateLine2 = 39,      // page 2: keys 8 and 9 set the Mobile's power and range
  kMobileOperateBearing = 40,    // distance, azimuth, BEARING and HEADING
  kMobileOperateDeviation = 41,  // STDEV and TIME

  // MODIFY MOB.
  kMobileFaSelect = 42,
  kMobileFreqPair = 43,
  kMobileAddressCodes = 44,
  kMobileFreqAdjustMk3 = 45,
  kMobileLocationMenu = 46,
  kMobileAntennaBearing = 47,
  kMobileScanning = 48,  // SCANNING MOB: the scan limits keyed in
  kMobileBearingSetpoint = 49,
  kMobileTimeDate = 50,
  kMobileModifyMenu = 51,
  kMobileOprMode = 52,
  kMobileExtraModes = 53,
  kMobileGainPower = 54,  // RF GAIN / PWR SET
  kMobileRemoteModify = 55,
  kMobileCommSetup = 56,
  kMobileHostConnection = 57,
  kMobilePerConnection = 58,
  kMobileTelegramType = 59,
  kMobileAlarmSound = 60,
  kMobileControlByte = 61,
  kMobileVolume = 62,

  // MONITORING.
  kMobileMonitoring = 63,
  kMobileSupplies = 64,
  kMobileMixer = 65,
  kMobilePerformance = 66,
  kMobileTemperatures = 67,
  kMobileGunnSupplies = 68,

  // WAKE-UP and CONFIG.
  kMobileWakeUp = 69,
  kMobileSwitchOff = 70,
  kMobileUnitConfigured = 71,
};

}  // namespace kestrom::remote_mobile_screen
