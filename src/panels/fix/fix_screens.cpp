#include "panels/fix/fix_screens.h"

#include <string>
#include <utility>

#include "panels/common/screen_shapes.h"
#include "setup/angles.h"

namespace kestrom {
namespace {

using S = SimulationState;
using namespace shape;
constexpr const StationSide& kOwn = kFixSide;
constexpr const StationSide& kRemote = kMobileSide;

// The azimuth OPERATE page 1 shows before the first reading: the direction of
// the Fix antenna, the Fix's azimuth plus 180 on the circle.
std::string antennaDirection(StationPanel& panel) {
  return fixed2(fixAntennaDirection(panelState(panel)));
}

// The reciprocal of the Fix's azimuth, offered as the reference azimuth: ENTER
// without typing keeps the Fix's azimuth as it is.
std::string reciprocalFixed2(StationPanel& panel) {
  return fixed2(reciprocalAzimuth(panelState(panel).FixAzimuth));
}
std::string reciprocalFixed3(StationPanel& panel) {
  return fixed3(reciprocalAzimuth(panelState(panel).FixAzimuth));
}

const char* const kRemoteTitle = "     (REMOTE MOB)";

// The Fix's own tree: OPERATE, MODIFY, MONITOR and WAKE-UP.
void ownTree(std::vector<Screen>& v) {
  v.push_back(page(0, {"     (MAIN MENU FIX)", {}}, {"OPERATE", "WAKE-UP"}, {"MODIFY", "MOBILE"},
                   {"MONITOR", "CONFIG"}));

  // OPERATE pages.
  v.push_back(page(1, {"DIST:", "MTR"}, {CellText::join("AZM:        ", antennaDirection), "DEG"},
                   {"SGNL:", "-45"}, {&S::FixStatusLine, {}}));
  v.push_back(variant(
      page(1, {"DIST:   ", "MTR"}, {"AZM:    ", "DEG"}, {"SGNL:  ", {}}, {&S::FixStatusLine, {}}),
      kDrawnAgain));
  v.push_back(
      page(2, {"DIST:   ", "MTR"}, {"AZM:    ", "DEG"}, {"SGNL:  ", {}}, {&S::FixStatusLine2, {}}));
  v.push_back(page(3, {{}, "MTR   9"}, {{}, "DEG   9"}, {}, {&S::FixStatusLine, {}}));

  // MODIFY FIX: frequency and address.
  v.push_back(modifyMenu(4, "     (MODIFY FIX)", "FRQ / ADDR", "LOCATION"));
  v.push_back(faSelectMenu(5, "   (F/A  SELECT)", "FIX"));
  v.push_back(frequencyPair(6, "FIX", "         MOB   FIX", kOwn, "ACTUAL FREQ:", kOwn.freq));
  v.push_back(addressCodes(7, "FIX", "RECVD FR MOB:", "SENT TO  MOB:", kOwn));
  v.push_back(frequencyAdjust(8, "MOB FREQ :", "FIX FREQ :", kOwn));

  // FIX LOCATION. KEY-IN REFERENCE AZM. and RIGHT SCANLIMIT are the second steps
  // of the telescope and scan limit procedures, which ENTER leads to.
  v.push_back(locationMenu(9, "  (FIX LOCATION)", "ANT. REF", "SCANLIMITS REL", "SCANLIMITS NUM"));
  v.push_back(page(10, {"    AIM ANTENNA", {}}, {"  (WITH TELESCOPE)", {}},
                   {"AT REFERENCE OBJ", {}}, {{}, "OK ?   >  E"}));
  v.push_back(scanLimit(11, "LEFT SCANLIMIT", "USE  L/R  KEYS", "OK ?  > E"));
  v.push_back(keyInLimits(12));
  v.push_back(setpoint(13, "AZIMUTH SETPOINT", "AZM", "242.9"));
  v.push_back(firstField(page(14, {"           KEY-IN", {}}, {"    REFERENCE AZM.", {}},
                              {after(13, reciprocalFixed2), {}}, {{}, "OK ?  > E"})));
  v.push_back(scanLimit(15, "RIGHT SCANLIMIT", "USE  L/R  KEYS", "OK ?  > E"));

  // CLOCK, OPRMOD and its extra modes.
  v.push_back(timeDate(16));
  modePages(v, 17, "FIX", kOwn, "FIX : ", "    E12A1A1/98804", "FILTERING");
  v.push_back(azimuthFilter(21));

  // COMM SET-UP and VOLUME.
  commPages(v, 22, "FIX", kOwn, "   CONTROL BYTE:", "       CAUTION !");
  v.push_back(volume(28, "FIX", kOwn));

  // MONITOR.
  monitorPages(v, 29, "FIX", kBasicPanelMonitor, "5  >N");

  // WAKE-UP.
  v.push_back(wakeUp(35, "FIX", kOwn));
  v.push_back(switchOff(36, "   SWITCH OFF FIX"));
}

// CONFIG: the configuration run, paged by NEXT.
void configurationRun(std::vector<Screen>& v) {
  v.push_back(unitConfigured(72, "UNIT CONFIGURED", kOwn, "> D"));
  v.push_back(frequencyPair(73, "FIX", "           MOB   FIX", kOwn, "FIX FREQ:", kOwn.freq));
  v.push_back(selectiveAddress(74, "FIX", kOwn));
  v.push_back(scanLimit(75, "LEFT SCANLIMIT", "USE L/R KEYS", "OK ? > E"));
  v.push_back(scanLimit(76, "RIGHT SCANLIMIT", "USE L/R KEYS", "OK ? > E"));
  v.push_back(page(77, {"USE TELESCOPE TO", {}}, {"AIM ANTENNA AT", {}}, {"REFERENCE OBJECT", {}},
                   {"SKIP ? > N", "OK ? > E"}));
  v.push_back(firstField(page(78, {"         KEY-IN", {}}, {"    REFERENCE AZM.", {}},
                              {after(9, reciprocalFixed3), {}}, {"SKIP ? > N", "OK ? > E"})));
  v.push_back(timeDateRun(79));
  v.push_back(operatingMode(80, "FIX", kOwn, "> N"));
  v.push_back(endOfConfiguration(81, "     END OF FIX"));
}

// The Mobile's tree, operated remotely from the Fix.
void remoteTree(std::vector<Screen>& v) {
  v.push_back(remoteMenu(37, kRemoteTitle));
  v.push_back(page(82, {kRemoteTitle, {}}, {}, {}, {}));

  // OPERATE pages.
  v.push_back(operateAwaiting(38, kRemote));
  v.push_back(variant(page(38, {"DIST:   ", "MTR"}, {"AZM:    ", "DEG"}, {"SGNL:  ", "-45"},
                           {"STAT: M / 3 / 24 / HS / 9", {}}),
                      kDrawnAgain));
  v.push_back(
      page(39, {"DIST:  ", "MTR"}, {"AZM:   ", "DEG"}, {"SGNL:  ", {}}, {&S::FixStatusLine, {}}));
  v.push_back(operateBearing(40));
  v.push_back(operateDeviation(41));

  // MODIFY MOBILE.
  v.push_back(modifyMenu(51, "     (MODIFY MOBILE)", "FRQ / ADDR", "LOCATION"));
  v.push_back(faSelectMenu(42, "   (F/A  SELECT)", "MOB"));
  v.push_back(
      frequencyPair(43, "MOB", "          MOB   FIX", kRemote, "ACTUAL FREQ:", kRemote.freq));
  // Unlike the Fix's own ADDRESS CODE page, the Mobile's keeps the field it finds.
  Screen address = addressCodes(44, "MOB", "RECVD FR FIX:", "SENT TO  FIX:", kRemote);
  address.editFieldOnEntry = -1;
  v.push_back(address);
  v.push_back(frequencyAdjust(45, "FIX FREQ :", "MOB FREQ :", kRemote));
  v.push_back(
      locationMenu(46, "   (MOB LOCATION)", "SETBEARING", "SCANLIMITS REL", "SCANLIMITS NUM"));
  v.push_back(antennaBearing(47, &S::AntennaBearingText));
  v.push_back(page(48, {"   (SCANNING MOB)", {}}, {"BEARING 305.9", {}},
                   {"LIMIT L", &S::MobileScanLimitLeft}, {"LIMIT R", &S::MobileScanLimitRight}));
  v.push_back(setpoint(49, "BEARING SETPOINT", "BEARING", "242.9"));
  v.push_back(timeDate(50));
  modePages(v, 52, "MOB", kRemote, "MOB : ", "    E12A1A1/98803", {});
  commPages(v, 56, "MOB", kRemote, "   CONTROL BYTE:", "       CAUTION !");
  v.push_back(volume(62, "MOB", kRemote));

  // MONITOR.
  monitorPages(v, 63, "MOB", kBasicPanelMonitor, CellText::join("", &S::ServoText, "    >N"));

  // WAKE-UP and CONFIG.
  v.push_back(wakeUp(69, "MOB", kRemote));
  v.push_back(switchOff(70, "   SWITCH OFF MOB"));
  v.push_back(unitConfigured(71, "    UNIT CONFIGURED", kRemote, "> N"));
}

}  // namespace

std::vector<Screen> fixScreens() {
  std::vector<Screen> v;
  ownTree(v);
  configurationRun(v);
  remoteTree(v);
  return v;
}

}  // namespace kestrom
