#include "panels/mobile/mobile_navigation.h"

#include <string>

#include "panels/common/quick_keys.h"
#include "panels/common/station_panel.h"
#include "panels/mobile/mobile_screen_ids.h"
#include "panels/mobile/mobile_screens.h"
#include "setup/status_lines.h"

namespace kestrom {

using namespace mobile_screen;

void remoteAccess(StationPanel& panel) {
  const SimulationState& s = panelState(panel);
  Color lamp = panel.ApdStatusLight1.LitColor;
  CounterKind kind = s.CounterStationKind;
  bool mk4Fix = kind == CounterKind::Mk4Fix && s.MobileUnitRole != text::AsMk3M;
  bool mk4Beacon = kind == CounterKind::Mk4Beacon;
  if (lamp == clLime && (mk4Fix || mk4Beacon)) panel.enterScreen(kCounterMenu);
  if (lamp == clRed || isMk3(kind)) panel.enterScreen(kCounterClosed);
}

namespace {

// Key 1 of MODIFY MOBILE: the station page with the shuttle tanker software.
void modifyFirstPage(StationPanel& panel) {
  panel.enterScreen(panelState(panel).ShuttleTankerSoftware ? kEnterStation : kFaSelect);
}

// OPERATE page keys 8 (transmit power) and 9 (transmit range) of the Mobile's
// own page 2 and the remote page 38; a Mk 3 counter station follows the Mobile's
// range.
void mobileRangeKey(StationPanel& panel) {
  if (!quickRangeKey(panel, kMobileSide)) return;
  SimulationState& s = panelState(panel);
  if (!isMk3(s.CounterStationKind)) return;
  s.CounterXmitRange = s.MobileXmitRange;
  setStatusChars(kCounterSide.line2(s), statuspos::RangeLetter,
                 s.MobileXmitRange == text::Long ? "L" : "S");
}

}  // namespace

// keys[d] is where digit d leads; a digit a menu does not list does nothing.
std::vector<MenuRow> mobileMenus() {
  const Move none;
  return {
      {kMainMenu,
       {none, kOperate, kModifyMenu, kMonitoring, kWakeUp, remoteAccess, kUnitConfigured}},
      {kModifyMenu,
       {none, modifyFirstPage, kLocationMenu, kTimeDate, kOprMode, kCommSetup, kVolume}},
      {kFaSelect, {none, kFreqPair, kAddressCodes, kFreqAdjustMk3}},
      {kLocationMenu, {none, kAntennaBearing, kLeftScanLimit, kScanning, kBearingSetpoint}},
      {kExtraModes, {none, kGainPower, kRemoteModify}},
      {kCommSetup,
       {none, kHostConnection, kPerConnection, kTelegramType, kAlarmSound, kControlByte}},
      {kMonitoring, {none, kSupplies, kMixer, kPerformance, kTemperatures, kGunnSupplies}},
      {kOperateLine2,
       {none, none, none, none, none, none, none, none, powerKey<kMobileSide>, mobileRangeKey}},
      {kCounterMenu,
       {none, kCounterOperate, kCounterModifyMenu, kCounterMonitoring, kCounterWakeUp, none,
        kCounterUnitConfigured}},
      {kCounterOperateLine2,
       {none, none, none, none, none, none, none, none, powerKey<kCounterSide>,
        rangeKey<kCounterSide>}},
      {kCounterModifyMenu,
       {none, kCounterFaSelect, kCounterLocationMenu, kCounterTimeDate, kCounterOprMode,
        kCounterCommSetup, kCounterVolume}},
      {kCounterFaSelect, {none, kCounterFreqPair, kCounterAddressCodes, kCounterFreqAdjustMk3}},
      {kCounterLocationMenu,
       {none, kCounterReferenceAzimuth, kCounterAcceptMobile, kCounterKeyInLimits,
        kCounterAzimuthSetpoint}},
      {kCounterExtraModes, {none, kCounterGainPower, kCounterRemoteModify, kCounterAzimuthFilter}},
      {kCounterCommSetup,
       {none, kCounterHostConnection, kCounterPerConnection, kCounterTelegramType,
        kCounterAlarmSound, kCounterControlByte}},
      {kCounterMonitoring,
       {none, kCounterSupplies, kCounterMixer, kCounterPerformance, kCounterTemperatures,
        kCounterGunnSupplies}},
  };
}

// NEXT moves the field on the Mobile's own multi-field pages; on the counter
// station's twins only ENTER moves it.
std::vector<FieldCycleRow> mobileFieldCycles() {
  return {
      {{kAddressCodes, kGainPower}, 3},
      {{kFreqAdjustMk3, kScanning, kTimeDate, kTelegramType, kAlarmSound}, 2},
      {{kHostConnection, kPerConnection}, 4},
  };
}

// NEXT pages through these chains of screens.
std::vector<PageRow> mobilePages() {
  // clang-format off
  return {
      {kOperate, kOperateLine2}, {kOperateLine2, kOperateBearing},
      {kOperateBearing, kOperateDeviation}, {kOperateDeviation, {kOperate, kDrawnAgain}},
      {kOprMode, kExtraModes},
      {kSupplies, kMixer}, {kMixer, kPerformance}, {kPerformance, kTemperatures},
      {kTemperatures, kGunnSupplies}, {kGunnSupplies, kMonitoring},
      {kWakeUp, kSwitchOff},
      {kCounterOperate, kCounterOperateLine2}, {kCounterOperateLine2, kCounterOperateSignalDb},
      {kCounterOperateSignalDb, {kCounterOperate, kDrawnAgain}},
      {kCounterOprMode, kCounterExtraModes},
      {kCounterSupplies, kCounterMixer}, {kCounterMixer, kCounterPerformance},
      {kCounterPerformance, kCounterTemperatures}, {kCounterTemperatures, kCounterGunnSupplies},
      {kCounterGunnSupplies, kCounterMonitoring},
      {kCounterWakeUp, kCounterSwitchOff},
      {kUnitConfigured, kConfigFreqPair}, {kConfigFreqPair, kSelectiveAddress},
      {kSelectiveAddress, kConfigAntennaBearing}, {kConfigAntennaBearing, kConfigTimeDate},
      {kConfigTimeDate, kConfigOprMode}, {kConfigOprMode, kEndOfConfiguration},
      {kEnterStation, kFaSelect},
  };
  // clang-format on
}

// DEL goes to the parent screen by replaying the key that leads there. DEL on the
// main menu, on the blank remote screen and on screens without a row does nothing
// more.
std::vector<DelRow> mobileDelRows() {
  return {
      {{kOperate, kOperateLine2, kOperateBearing, kOperateDeviation, kModifyMenu, kMonitoring,
        kWakeUp, kCounterMenu, kUnitConfigured, kConfigFreqPair, kSelectiveAddress,
        kConfigAntennaBearing, kConfigTimeDate, kConfigOprMode, kEndOfConfiguration},
       DelRule::asMenu()},
      {{kFaSelect, kLocationMenu, kTimeDate, kOprMode, kCommSetup, kVolume, kEnterStation},
       DelRule::replay(kMainMenu, '2')},
      {{kFreqPair, kAddressCodes, kFreqAdjustMk3}, DelRule::replay(kModifyMenu, '1')},
      {{kAntennaBearing, kLeftScanLimit, kRightScanLimit, kScanning, kBearingSetpoint},
       DelRule::replay(kModifyMenu, '2')},
      {{kExtraModes}, DelRule::replay(kModifyMenu, '4')},
      {{kGainPower, kRemoteModify}, DelRule::toScreen(kExtraModes)},
      {{kHostConnection, kPerConnection, kTelegramType, kAlarmSound, kControlByte},
       DelRule::replay(kModifyMenu, '5')},
      {{kSupplies, kMixer, kPerformance, kTemperatures, kGunnSupplies},
       DelRule::replay(kMainMenu, '3')},
      {{kSwitchOff}, DelRule::replay(kMainMenu, '4')},
      {{kCounterOperate, kCounterOperateLine2, kCounterOperateSignalDb, kCounterModifyMenu,
        kCounterMonitoring, kCounterWakeUp, kCounterUnitConfigured},
       DelRule::replay(kMainMenu, '5')},
      {{kCounterFaSelect, kCounterLocationMenu, kCounterTimeDate, kCounterOprMode,
        kCounterCommSetup, kCounterVolume},
       DelRule::replay(kCounterMenu, '2')},
      {{kCounterFreqPair, kCounterAddressCodes, kCounterFreqAdjustMk3},
       DelRule::replay(kCounterModifyMenu, '1')},
      {{kCounterReferenceAzimuth, kCounterAcceptMobile, kCounterKeyInLimits,
        kCounterAzimuthSetpoint},
       DelRule::replay(kCounterModifyMenu, '2')},
      {{kCounterExtraModes}, DelRule::replay(kCounterModifyMenu, '4')},
      {{kCounterGainPower, kCounterRemoteModify, kCounterAzimuthFilter},
       DelRule::toScreen(kCounterExtraModes)},
      {{kCounterHostConnection, kCounterPerConnection, kCounterTelegramType, kCounterAlarmSound,
        kCounterControlByte},
       DelRule::replay(kCounterModifyMenu, '5')},
      {{kCounterSupplies, kCounterMixer, kCounterPerformance, kCounterTemperatures,
        kCounterGunnSupplies},
       DelRule::replay(kCounterMenu, '3')},
      {{kCounterSwitchOff}, DelRule::replay(kCounterMenu, '4')},
  };
}

}  // namespace kestrom
