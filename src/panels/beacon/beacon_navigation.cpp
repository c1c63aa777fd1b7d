#include "panels/beacon/beacon_navigation.h"

#include "panels/beacon/beacon_screen_ids.h"
#include "panels/common/quick_keys.h"
#include "panels/common/remote_mobile_navigation.h"
#include "panels/common/station_panel.h"

namespace kestrom {

using namespace beacon_screen;

void beaconRemoteAccess(StationPanel& panel) {
  if (panelState(panel).InLock == 1)
    panel.enterScreen(kMobileMenu);
  else
    panel.enterScreen(kMobileClosed);
}

// keys[d] is where digit d leads; keys 0 and 7 never change the screen, and 8 and
// 9 act only on the OPERATE pages 2.
std::vector<MenuRow> beaconMenus() {
  const Move n;  // no move
  return {
      {kMainMenu,
       {n, kOperate, kModifyMenu, kMonitoring, kWakeUp, beaconRemoteAccess, kUnitConfigured}},
      {kOperateLine2, {n, n, n, n, n, n, n, n, powerKey<kBeaconSide>, rangeKey<kBeaconSide>}},
      {kModifyMenu, {n, kFaSelect, n, kTimeDate, kOprMode, kCommSetup, kVolume}},
      {kFaSelect, {n, kFreqPair, kAddressCodes, kFreqAdjustMk3}},
      {kExtraModes, {n, kGainPower, kRemoteModify}},
      {kCommSetup, {n, kHostConnection, kPerConnection, kTelegramType, kAlarmSound, kControlByte}},
      {kMonitoring, {n, kSupplies, kMixer, kPerformance, kTemperatures, kGunnSupplies}},
      {kMobileMenu,
       {n, kMobileOperate, kMobileModifyMenu, kMobileMonitoring, kMobileWakeUp, n,
        kMobileUnitConfigured}},
      {kMobileOperateLine2, {n, n, n, n, n, n, n, n, powerKey<kMobileSide>, rangeKey<kMobileSide>}},
      {kMobileModifyMenu,
       {n, kMobileFaSelect, kMobileLocationMenu, kMobileTimeDate, kMobileOprMode, kMobileCommSetup,
        kMobileVolume}},
      {kMobileFaSelect, {n, kMobileFreqPair, kMobileAddressCodes, kMobileFreqAdjustMk3}},
      {kMobileLocationMenu, {n, kMobileAntennaBearing, kMobileScanning, kMobileBearingSetpoint}},
      {kMobileExtraModes, {n, kMobileGainPower, kMobileRemoteModify}},
      {kMobileCommSetup,
       {n, kMobileHostConnection, kMobilePerConnection, kMobileTelegramType, kMobileAlarmSound,
        kMobileControlByte}},
      {kMobileMonitoring,
       {n, kMobileSupplies, kMobileMixer, kMobilePerformance, kMobileTemperatures,
        kMobileGunnSupplies}},
  };
}

// NEXT moves the field on the Beacon's own multi-field pages; COMM SET-UP thereby
// chooses the field its next page starts on. On the Mobile's pages only ENTER
// moves it.
std::vector<FieldCycleRow> beaconFieldCycles() {
  return {
      {{kFreqAdjustMk3, kGainPower}, 3},
      {{kTimeDate, kPerConnection, kTelegramType}, 2},
      {{kCommSetup, kHostConnection}, 4},
  };
}

// NEXT pages through these chains of screens.
std::vector<PageRow> beaconPages() {
  // clang-format off
  std::vector<PageRow> rows = {
      {kOperate, kOperateLine2}, {kOperateLine2, kOperateBearing},
      {kOperateBearing, {kOperate, kDrawnAgain}},
      {kOprMode, kExtraModes},
      {kSupplies, kMixer}, {kMixer, kPerformance}, {kPerformance, kTemperatures},
      {kTemperatures, kGunnSupplies}, {kGunnSupplies, kMonitoring},
      {kWakeUp, kSwitchOff},
      {kUnitConfigured, kConfigFreqPair}, {kConfigFreqPair, kSelectiveAddress},
      {kSelectiveAddress, kConfigTimeDate}, {kConfigTimeDate, kEndOfConfiguration},
  };
  // clang-format on
  std::vector<PageRow> remote = remoteMobilePageRows();
  rows.insert(rows.end(), remote.begin(), remote.end());
  return rows;
}

// DEL replays the key that leads to the parent screen; the remote screens return
// through key 5 of the main menu, so that the lock decides again, by the rows the
// Fix shares. DEL on the main menu and on the closed remote screen does nothing
// more.
std::vector<DelRow> beaconDelRows() {
  std::vector<DelRow> rows = {
      {{kOperate, kOperateLine2, kOperateBearing, kModifyMenu, kMonitoring, kWakeUp,
        kUnitConfigured, kConfigFreqPair, kSelectiveAddress, kConfigTimeDate, kEndOfConfiguration},
       DelRule::asMenu()},
      {{kFaSelect, kTimeDate, kOprMode, kCommSetup, kVolume}, DelRule::replay(kMainMenu, '2')},
      {{kFreqPair, kAddressCodes, kFreqAdjustMk3}, DelRule::replay(kModifyMenu, '1')},
      {{kExtraModes}, DelRule::replay(kModifyMenu, '4')},
      {{kGainPower, kRemoteModify}, DelRule::toScreen(kExtraModes)},
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
