#include "panels/beacon/beacon_screens.h"

#include "panels/common/screen_shapes.h"

namespace kestrom {
namespace {

using S = SimulationState;
using namespace shape;
constexpr const StationSide& kOwn = kBeaconSide;
constexpr const StationSide& kRemote = kMobileSide;

const char* const kRemoteTitle = "     (REMOTE MOB)";

// OPERATE pages of the Beacon; the link cycle fills in the readings.
void operatePages(std::vector<Screen>& v) {
  v.push_back(operateAwaiting(1, kOwn));
  v.push_back(variant(
      page(1, {"DIST:   ", "MTR"}, {"AZM:    ", "DEG"}, {"SGNL: ", "-45"}, {kOwn.statusLine, {}}),
      kDrawnAgain));
  v.push_back(page(2, {"DIST:   ", "MTR"}, {"AZM:     ", "DEG"}, {"SGNL:  ", "-45"},
                   {kOwn.statusLine2, {}}));
  v.push_back(
      page(3, {"DIST:   ", "MTR"}, {"AZM:    ", "DEG"}, {"BEARING", {}}, {"HEADING", "136.4"}));
}

// MODIFY BEACON: frequency and address, clock, modes, communication, volume.
void modifyPages(std::vector<Screen>& v) {
  v.push_back(modifyMenu(4, "   (MODIFY BEACON)", "FRQ / ADDR", {}));
  v.push_back(faSelectMenu(5, "  (F/A  SELECT)", "BCN"));
  v.push_back(frequencyPair(6, "BEACON", "        MOB   BEACON", kOwn, "BCN FREQ:", kOwn.freq));
  // The address pages keep the field they are reached with.
  Screen address = addressCodes(7, "BCN", "RECVD FR MOB:", "SENT TO  MOB:", kOwn);
  address.editFieldOnEntry = -1;
  v.push_back(address);
  // ENTER stores what this page shows into the Beacon, so it shows the Beacon's own
  // offset and frequency, labelled as the Fix labels its own.
  v.push_back(frequencyAdjust(8, "MOB FREQ :", "BCN FREQ :", kOwn));
  v.push_back(timeDate(16));
  modePages(v, 17, "BCN", kOwn, "BCN : ", "    E12A1A1/98803", {});
  commPages(v, 22, "BCN", kOwn, "CONTROL BYTE:", "      CAUTION !");
  v.push_back(volume(28, "BCN", kOwn));
}

// MONITOR, whose supplies page names the BEACON in full.
void monitorPagesOfTheBeacon(std::vector<Screen>& v) {
  const MonitorTexts& t = kBasicPanelMonitor;
  v.push_back(monitorMenu(29, "BCN"));
  v.push_back(supplies(30, "BEACON", t));
  v.push_back(mixer(31, "MIXER X-TAL BCN", t));
  v.push_back(performance(32, "BCN", t, "5  >N"));
  v.push_back(temperatures(33, "BCN", t));
  v.push_back(gunnSupplies(34, t));
}

// The Beacon's own tree: main menu, OPERATE, MODIFY, MONITOR and WAKE-UP.
void ownTree(std::vector<Screen>& v) {
  v.push_back(page(0, {" (MAIN MENU BEACON)", {}}, {"OPERATE", "WAKE-UP"}, {"MODIFY", "MOB"},
                   {"MONITOR", "CONFIG"}));
  operatePages(v);
  modifyPages(v);
  monitorPagesOfTheBeacon(v);
  v.push_back(wakeUp(35, "BCN", kOwn));
  v.push_back(switchOff(36, "   SWITCH OFF BCN"));
  // Key 5 without lock: the remote tree stays closed.
  v.push_back(page(85, {kRemoteTitle, {}}, {}, {}, {}));
}

// CONFIG: the configuration run, paged by NEXT. The unit role of a beacon is
// fixed; the frequency and address pages show the Beacon's own settings, which
// their ENTER stores.
void configurationRun(std::vector<Screen>& v) {
  v.push_back(page(72, {"    UNIT CONFIGURED", {}}, {"       AS  BEACON", {}}, {"CANNOT", {}},
                   {"BE CHANGED", "> N"}));
  // The Beacon's own pair and frequency, as on screen 6.
  v.push_back(frequencyPair(73, "BCN", "           MOB   BCN", kOwn, "BCN FREQ:", kOwn.freq));
  v.push_back(selectiveAddress(74, "BCN", kOwn));
  v.push_back(timeDateRun(75));
  v.push_back(endOfConfiguration(76, "     END OF BCN"));
}

// The remote Mobile's OPERATE pages.
void remoteOperatePages(std::vector<Screen>& v) {
  v.push_back(page(38, {"DIST:  ", "MTR"}, {"AZM:   ", "DEG"}, {"SGNL:  ", "-85"},
                   {kRemote.statusLine, {}}));
  v.push_back(variant(page(38, {"DIST:   ", "MTR"}, {"AZM:   ", "DEG"}, {"SGNL:  ", "-45"},
                           {kRemote.statusLine, {}}),
                      kDrawnAgain));
  v.push_back(page(39, {"DIST:  ", "MTR"}, {"AZM:   ", "DEG"}, {"SGNL:  ", "-45"},
                   {kRemote.statusLine2, {}}));
  v.push_back(page(40, {"DIST : ", "MTR   9"}, {"AZM  ", "DEG"}, {"BEARING", {}}, {"HEADING", {}}));
  v.push_back(operateDeviation(41));
}

// MODIFY MOB, with the Mobile's LOCATION branch.
void remoteModifyPages(std::vector<Screen>& v) {
  v.push_back(modifyMenu(51, "   (MODIFY MOB)", "FRQ / ADDR", "LOCATION"));
  v.push_back(faSelectMenu(42, "  (F/A  SELECT)", "MOB"));
  v.push_back(
      frequencyPair(43, "MOB", "         MOB   BEACON", kRemote, "ACTUAL FREQ:", kRemote.freq));
  Screen address = addressCodes(44, "MOB", "RECVD FR BCN:", "SENT TO  BCN:", kRemote);
  address.editFieldOnEntry = -1;
  v.push_back(address);
  v.push_back(frequencyAdjust(45, "BCN FREQ :", "MOB FREQ :", kRemote));
  v.push_back(page(46, {"  (MOB LOCATION)", {}}, {"SET BEARING", {}}, {"SCANLIMITS", {}},
                   {"SETPOINT", {}}));
  v.push_back(antennaBearing(47, &S::AntennaBearingText));
  v.push_back(page(48, {"  (SCANNING MOB)", {}}, {"BEARING", &S::AntennaBearingText},
                   {"LIMIT L", &S::MobileScanLimitLeft}, {"LIMIT R", &S::MobileScanLimitRight}));
  v.push_back(setpoint(49, "BEARING SETPOINT", "BEARING", &S::AntennaBearingText));
  v.push_back(timeDate(50));
  modePages(v, 52, "MOB", kRemote, "MOB : ", "    E12A1A1/98804", {});
  commPages(v, 56, "MOB", kRemote, "CONTROL BYTE:", "      CAUTION !");
  v.push_back(volume(62, "MOB", kRemote));
}

// The Mobile's tree, operated from the Beacon while the stations are in lock.
void remoteTree(std::vector<Screen>& v) {
  v.push_back(remoteMenu(37, kRemoteTitle));
  remoteOperatePages(v);
  remoteModifyPages(v);
  monitorPages(v, 63, "MOB", kBasicPanelMonitor, "5  >N");
  v.push_back(wakeUp(69, "MOB", kRemote));
  v.push_back(switchOff(70, "   SWITCH OFF MOB"));
  v.push_back(unitConfigured(71, "UNIT CONFIGURED", kRemote, "> D"));
}

}  // namespace

std::vector<Screen> beaconScreens() {
  std::vector<Screen> v;
  ownTree(v);
  configurationRun(v);
  remoteTree(v);
  return v;
}

}  // namespace kestrom
