#include "panels/common/remote_mobile_navigation.h"

#include "panels/common/remote_mobile_screen_ids.h"

namespace kestrom {

using namespace remote_mobile_screen;

std::vector<PageRow> remoteMobilePageRows() {
  // clang-format off
  return {
      {kMobileOperate, kMobileOperateLine2}, {kMobileOperateLine2, kMobileOperateBearing},
      {kMobileOperateBearing, kMobileOperateDeviation},
      {kMobileOperateDeviation, {kMobileOperate, kDrawnAgain}},
      {kMobileOprMode, kMobileExtraModes},
      {kMobileSupplies, kMobileMixer}, {kMobileMixer, kMobilePerformance},
      {kMobilePerformance, kMobileTemperatures}, {kMobileTemperatures, kMobileGunnSupplies},
      {kMobileGunnSupplies, kMobileMonitoring},
      {kMobileWakeUp, kMobileSwitchOff},
  };
  // clang-format on
}

std::vector<DelRow> remoteMobileDelRows(int mainMenu) {
  return {
      {{kMobileMenu}, DelRule::asMenu()},
      {{kMobileOperate, kMobileOperateLine2, kMobileOperateBearing, kMobileOperateDeviation,
        kMobileModifyMenu, kMobileMonitoring, kMobileWakeUp, kMobileUnitConfigured},
       DelRule::replay(mainMenu, '5')},
      {{kMobileFaSelect, kMobileLocationMenu, kMobileTimeDate, kMobileOprMode, kMobileCommSetup,
        kMobileVolume},
       DelRule::replay(kMobileMenu, '2')},
      {{kMobileFreqPair, kMobileAddressCodes, kMobileFreqAdjustMk3},
       DelRule::replay(kMobileModifyMenu, '1')},
      {{kMobileAntennaBearing, kMobileScanning, kMobileBearingSetpoint},
       DelRule::replay(kMobileModifyMenu, '2')},
      {{kMobileExtraModes}, DelRule::replay(kMobileModifyMenu, '4')},
      {{kMobileGainPower, kMobileRemoteModify}, DelRule::toScreen(kMobileExtraModes)},
      {{kMobileHostConnection, kMobilePerConnection, kMobileTelegramType, kMobileAlarmSound,
        kMobileControlByte},
       DelRule::replay(kMobileModifyMenu, '5')},
      {{kMobileSupplies, kMobileMixer, kMobilePerformance, kMobileTemperatures,
        kMobileGunnSupplies},
       DelRule::replay(kMobileMenu, '3')},
      {{kMobileSwitchOff}, DelRule::replay(kMobileMenu, '4')},
  };
}

}  // namespace kestrom
