#include "panels/fix/fix_navigation.h"

#include "panels/common/quick_keys.h"
#include "panels/common/remote_mobile_navigation.h"
#include "panels/common/station_panel.h"
#include "panels/fix/fix_screen_ids.h"

namespace kestrom {

using namespace fix_screen;

void fixRemoteAccess(StationPanel& panel) {
  if (panel.ApdStatusLight1.LitColor == clLime)
    panel.enterScreen(kMobileMenu);
  else
    panel.enterScreen(kMobileClosed);
}

// keys[d] is where digit d leads; keys 0 and 7 never change the screen. COMM
// SET-UP's keys 4 and 5 open ALARM SOUND and CONTROL BYTE, which it does not list.
std::vector<MenuRow> fixMenus() {
  const Move none;
  return {
      {kMainMenu,
       {none, kOperate, kModifyMenu, kMonitoring, kWakeUp, fixRemoteAccess, kUnitConfigured}},
      {kOperateLine2,
       {none, none, none, none, none, none, none, none, powerKey<kFixSide>, rangeKey<kFixSide>}},
      {kModifyMenu, {none, kFaSelect, kLocationMenu, kTimeDate, kOprMode, kCommSetup, kVolume}},
      {kFaSelect, {none, kFreqPair, kAddressCodes, kFreqAdjustMk3}},
      {kLocationMenu, {none, kAimWithTelescope, kLeftScanLimit, kKeyInLimits, kAzimuthSetpoint}},
      {kExtraModes, {none, kGainPower, kRemoteModify, kAzimuthFilter}},
      {kCommSetup,
       {none, kHostConnection, kPerConnection, kTelegramType, kAlarmSound, kControlByte}},
      {kMonitoring, {none, kSupplies, kMixer, kPerformance, kTemperatures, kGunnSupplies}},
      {kMobileMenu,
       {none, kMobileOperate, kMobileModifyMenu, kMobileMonitoring, kMobileWakeUp, none,
        kMobileUnitConfigured}},
      {kMobileOperateLine2,
       {none, none, none, none, none, none, none, none, powerKey<kMobileSide>,
        rangeKey<kMobileSide>}},
      {kMobileModifyMenu,
       {none, kMobileFaSelect, kMobileLocationMenu, kMobileTimeDate, kMobileOprMode,
        kMobileCommSetup, kMobileVolume}},
      {kMobileFaSelect, {none, kMobileFreqPair, kMobileAddressCodes, kMobileFreqAdjustMk3}},
      {kMobileLocationMenu,
       {none, kMobileAntennaBearing, none, kMobileScanning, kMobileBearingSetpoint}},
      {kMobileExtraModes, {none, kMobileGainPower, kMobileRemoteModify}},
      {kMobileCommSetup,
       {none, kMobileHostConnection, kMobilePerConnection, kMobileTelegramType, kMobileAlarmSound,
        kMobileControlByte}},
      {kMobileMonitoring,
       {none, kMobileSupplies, kMobileMixer, kMobilePerformance, kMobileTemperatures,
        kMobileGunnSupplies}},
  };
}

// NEXT moves the field on the Fix's own multi-field pages; on the remote Mobile's
// pages only ENTER moves it.
std::vector<FieldCycleRow> fixFieldCycles() {
  return {
      {{kFreqAdjustMk3, kGainPower}, 3},
      {{kLocationMenu, kReferenceAzimuth, kTimeDate, kPerConnection, kTelegramType}, 2},
      {{kCommSetup, kHostConnection}, 4},
  };
}

// NEXT pages through these chains of screens.
std::vector<PageRow> fixPages() {
  // clang-format off
  std::vector<PageRow> rows = {
      {kOperate, kOperateLine2}, {kOperateLine2, kOperateSignalDb},
      {kOperateSignalDb, {kOperate, kDrawnAgain}},
      {kOprMode, kExtraModes},
      {kSupplies, kMixer}, {kMixer, kPerformance}, {kPerformance, kTemperatures},
      {kTemperatures, kGunnSupplies}, {kGunnSupplies, kMonitoring},
      {kWakeUp, kSwitchOff},
      {kUnitConfigured, kConfigFreqPair}, {kConfigFreqPair, kSelectiveAddress},
      {kSelectiveAddress, kConfigLeftScanLimit}, {kConfigLeftScanLimit, kConfigRightScanLimit},
      {kConfigRightScanLimit, kConfigUseTelescope}, {kConfigUseTelescope, kConfigReferenceAzimuth},
      {kConfigReferenceAzimuth, kConfigTimeDate}, {kConfigTimeDate, kConfigOprMode},
      {kConfigOprMode, kEndOfConfiguration},
  };
  // clang-format on
  std::vector<PageRow> remote = remoteMobilePageRows();
  rows.insert(rows.end(), remote.begin(), remote.end());
  return rows;
}

// DEL replays the key that leads to the parent screen; the remote screens return
// through key 5 of the main menu, so that the lamp decides again, by the rows the
// Beacon shares. DEL on the main menu, on the blank remote screen and on screens
// without a row does nothing more.
std::vector<DelRow> fixDelRows() {
  std::vector<DelRow> rows = {
      {{kOperate, kOperateLine2, kOperateSignalDb, kModifyMenu, kMonitoring, kWakeUp,
        kUnitConfigured, kConfigFreqPair, kSelectiveAddress, kConfigLeftScanLimit,
        kConfigRightScanLimit, kConfigUseTelescope, kConfigReferenceAzimuth, kConfigTimeDate,
        kConfigOprMode, kEndOfConfiguration},
       DelRule::asMenu()},
      {{kFaSelect, kLocationMenu, kTimeDate, kOprMode, kCommSetup, kVolume},
       DelRule::replay(kMainMenu, '2')},
      {{kFreqPair, kAddressCodes, kFreqAdjustMk3}, DelRule::replay(kModifyMenu, '1')},
      {{kAimWithTelescope, kLeftScanLimit, kKeyInLimits, kAzimuthSetpoint, kReferenceAzimuth,
        kRightScanLimit},
       DelRule::replay(kModifyMenu, '2')},
      {{kExtraModes}, DelRule::replay(kModifyMenu, '4')},
      {{kGainPower, kRemoteModify, kAzimuthFilter}, DelRule::toScreen(kExtraModes)},
      {{kHostConnection, kPerConnection, kTelegramType, kAlarmSound, kControlByte},
       DelRule::replay(kModifyMenu, '5')},
      {{kSupplies, kMixer, kPerformance, kTemperatures, kGunnSupplies},
       DelRule::replay(kMainMenu, '3')},
      {{kSwitchOff}, DelRule::replay(kMainMenu, '4')},
  };
  std::vector<DelRow> remote = remoteMobileDelRows(kMainMenu);
  rows.insert(rows.end(), remote.begin(), remote.end());
  return rows;
}

}  // namespace kestrom
