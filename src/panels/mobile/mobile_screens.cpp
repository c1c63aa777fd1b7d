#include "panels/mobile/mobile_screens.h"

#include <string>
#include <utility>

#include "panels/common/screen_shapes.h"
#include "panels/common/station_panel.h"

namespace kestrom {
namespace {

using S = SimulationState;
using namespace shape;
constexpr const StationSide& kOwn = kMobileSide;
constexpr const StationSide& kRemote = kCounterSide;

// The first item of MODIFY MOBILE: the station page of the shuttle tanker
// software, otherwise the frequency and address pages.
std::string modifyFirstItem(StationPanel& panel) {
  return panelState(panel).ShuttleTankerSoftware ? "STATION" : "FRQ / ADDR";
}

// The counter station's status lines: the Fix's, or a beacon's.
std::string counterLine(StationPanel& panel) {
  return kCounterSide.line(panelState(panel));
}
std::string counterLine2(StationPanel& panel) {
  return kCounterSide.line2(panelState(panel));
}

const CellText kBearing = fixed2Of<&SimulationState::AntennaBearing>;

constexpr MonitorTexts kOwnMonitor = {" 6.0       -5.9",   "11.9    -12.0", "-68     74       ",
                                      "-81     67       ", "54       ",     "-2       ",
                                      "27     ",           "5.1       ",    "10.5       "};
constexpr MonitorTexts kRemoteMonitor = {"6.0       -5.9",    "11.9     -12.0", "-68     74       ",
                                         "-81     67       ", "54       ",      "-2       ",
                                         "27     ",           "5.1       ",     "10.5       "};

// The Mobile's own tree: OPERATE, MODIFY, MONITOR, WAKE-UP and the configuration run.
void ownTree(std::vector<Screen>& v) {
  v.push_back(page(0, {"     (MAIN MENU MOB)", {}}, {"OPERATE", "WAKE-UP"}, {"MODIFY", "FIX"},
                   {"MONITOR", "CONFIG"}));

  // OPERATE pages.
  v.push_back(operateAwaiting(1, kOwn));
  v.push_back(
      variant(page(1, {{}, "MTR"}, {{}, "DEG"}, {}, {&S::MobileStatusLine, {}}), kDrawnAgain));
  v.push_back(page(2, {"DIST:   ", "MTR"}, {"AZM:     ", "DEG"}, {"SGNL:  ", "-45"},
                   {&S::MobileStatusLine2, {}}));
  v.push_back(operateBearing(3));
  v.push_back(operateDeviation(4));

  // MODIFY MOBILE.
  v.push_back(modifyMenu(5, "   (MODIFY MOBILE)", modifyFirstItem, "LOCATION"));
  v.push_back(faSelectMenu(6, "  (F/A  SELECT)", "MOB"));
  v.push_back(frequencyPair(7, "MOB", "          MOB   FIX", kOwn, "ACTUAL FREQ:", kOwn.freq));
  v.push_back(addressCodes(8, "MOB", "RECVD FR FIX:", "SENT TO  FIX:", kOwn));
  v.push_back(frequencyAdjust(9, "FIX FREQ :", "MOB FREQ :", kOwn));
  v.push_back(
      locationMenu(10, "   (MOB LOCATION)", "SETBEARING", "SCANLIMITS REL", "SCANLIMITS NUM"));
  v.push_back(antennaBearing(11, after(16, kBearing)));
  v.push_back(scanLimit(12, "LEFT SCANLIMIT", "USE  L/R  KEYS", "OK ?  > E"));
  v.push_back(scanLimit(13, "RIGHT SCANLIMIT", "USE  L/R  KEYS", "OK ?  > E"));
  v.push_back(page(14, {"   (SCANNING MOB)", {}}, {CellText::join("BEARING ", kBearing), {}},
                   {"LIMIT L", &S::MobileScanLimitLeft}, {"LIMIT R", &S::MobileScanLimitRight}));
  v.push_back(setpoint(15, "BEARING SETPOINT", "BEARING", "242.9"));
  v.push_back(timeDate(16));
  modePages(v, 17, "MOB", kOwn, "MOB : ", "    E12A1A1/98803", {});
  commPages(v, 21, "MOB", kOwn, "CONTROL BYTE:", "      CAUTION !");
  v.push_back(volume(27, "MOB", kOwn));

  // MONITOR.
  monitorPages(v, 28, "MOB", kOwnMonitor, CellText::join("", &S::ServoText, "     >N"));
  // Opening PERFORMANCE switches the blink timer on.
  for (Screen& screen : v)
    if (screen.number == 31) screen.startsBlink = true;

  // WAKE-UP.
  v.push_back(wakeUp(34, "MOB", kOwn));
  v.push_back(switchOff(35, "   SWITCH OFF MOB"));

  // CONFIG: the configuration run, paged by NEXT.
  v.push_back(unitConfigured(72, "    UNIT CONFIGURED", kOwn, "> N"));
  v.push_back(frequencyPair(73, "MOB", "           MOB   FIX", kOwn, "MOB FREQ:", kOwn.freq));
  v.push_back(selectiveAddress(74, "MOB", kOwn));
  v.push_back(firstField(page(75, {"ENTER ANTENNA", {}}, {"BEARING", "(AIMED  "},
                              {"AT BOW = ", "0.0)  "}, {"          180.0", "> N"})));
  v.push_back(timeDateRun(76));
  v.push_back(operatingMode(77, "MOB", kOwn, "> N"));
  v.push_back(endOfConfiguration(78, "     END OF MOB"));

  // The station page of the shuttle tanker software.
  v.push_back(
      firstField(page(85, {"  ENTER STATION", "MOB"}, {"STATION CODE :", &S::MobileStationCode},
                      {"FREQ :", &S::MobileMk3FreqText}, {"ADDR :", &S::MobileStationAddrText})));
}

// The counter station's tree, operated remotely from the Mobile.
void remoteTree(std::vector<Screen>& v) {
  v.push_back(remoteMenu(36, "     (REMOTE FIX)"));
  v.push_back(page(80, {"     (REMOTE FIX)", {}}, {}, {}, {}));

  // OPERATE pages.
  v.push_back(page(37, {"DIST: ", "MTR"}, {"AZM:  ", "DEG"}, {"SGNL: ", {}}, {counterLine, {}}));
  v.push_back(
      variant(page(37, {"DIST:  ", "MTR"}, {"AZM:   ", "DEG"}, {"SGNL:  ", {}}, {counterLine, {}}),
              kDrawnAgain));
  v.push_back(page(38, {"DIST: ", "MTR"}, {"AZM:  ", "DEG"}, {"SGNL: ", {}}, {counterLine2, {}}));
  v.push_back(page(39, {{}, "MTR   9"}, {"  ", "DEG   9"}, {"-85 DB   ", {}}, {counterLine, {}}));

  // MODIFY FIX.
  v.push_back(modifyMenu(40, "   (MODIFY FIX)", "FRQ / ADDR", "LOCATION"));
  v.push_back(faSelectMenu(41, "  (F/A  SELECT)", "FIX"));
  v.push_back(
      frequencyPair(42, "FIX", "         MOB   FIX", kRemote, "ACTUAL FREQ:", kRemote.freq));
  v.push_back(addressCodes(43, "FIX", "RECVD FR MOB:", "SENT TO  MOB:", kRemote));
  v.push_back(frequencyAdjust(44, "FIX FREQ :", "MOB FREQ :", kRemote));
  v.push_back(locationMenu(45, "  (FIX LOCATION)", "REF - NUM", "REFERENCE REL", "SCANLIMITS"));
  v.push_back(firstField(page(46, {"         KEY-IN", {}}, {"REFERENCE AZM :", {}},
                              {&S::ReferenceAzimuth, "DEG"}, {{}, "OK ?   > E   D"})));
  v.push_back(page(47, {"ACCEPT MOBILE", {}}, {"POSTION AS FIX", {}}, {"REF. OBJECT", {}},
                   {{}, "OK ?   >E"}));
  v.push_back(keyInLimits(48));
  v.push_back(setpoint(49, "AZIMUTH SETPOINT", "AZM", "242.9"));
  v.push_back(timeDate(50));
  modePages(v, 51, "FIX", kRemote, "FIX : ", "    E12A1A1/98804", "FILTERING");
  v.push_back(azimuthFilter(55));
  commPages(v, 56, "FIX", kRemote, "CONTROL BYTE:", "      CAUTION !");
  v.push_back(volume(62, "FIX", kRemote));

  // MONITOR.
  monitorPages(v, 63, "FIX", kRemoteMonitor, "5     >N");

  // WAKE-UP and CONFIG.
  v.push_back(wakeUp(69, "MOB", kRemote));
  v.push_back(switchOff(70, "   SWITCH OFF FIX"));
  v.push_back(unitConfigured(71, "UNIT CONFIGURED", kRemote, "> D"));
}

}  // namespace

std::vector<Screen> mobileScreens() {
  std::vector<Screen> v;
  ownTree(v);
  remoteTree(v);
  return v;
}

}  // namespace kestrom
