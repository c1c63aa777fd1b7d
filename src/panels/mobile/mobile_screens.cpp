#include "panels/mobile/mobile_screens.h"

#include <utility>

#include <string>

#include "panels/common/station_panel.h"

namespace kestrom {
namespace {

using S = SimulationState;
using Field = std::string SimulationState::*;

// A literal or a field after a run of blanks, or before one.
CellText after(int blanks, CellText middle) {
  return CellText::join(std::string(static_cast<std::size_t>(blanks), ' '), std::move(middle));
}

// The first item of MODIFY MOBILE: the station page of the shuttle tanker
// software, otherwise the frequency and address pages.
std::string modifyFirstItem(StationPanel& panel) {
  return panelState(panel).ShuttleTankerSoftware ? "STATION" : "FRQ / ADDR";
}

std::string timeThenBlanks(StationPanel& panel) {
  return timeOfDay(panel) + "    ";
}

const CellText kBearing = fixed2Of<&SimulationState::AntennaBearing>;
const char* const kFourBars = "SIGNL : \x7f\x7f\x7f\x7f";

Screen page(int number, ScreenLine l1, ScreenLine l2, ScreenLine l3, ScreenLine l4) {
  return {number, 0, {l1, l2, l3, l4}};
}

// A screen whose digits act on its first field only: it starts there, whatever
// field the screen before it left the digit keys on.
Screen firstField(Screen s) {
  s.editFieldOnEntry = 0;
  return s;
}

Screen modifyMenu(int number, const char* title, CellText firstItem) {
  return page(number, {title, {}}, {std::move(firstItem), "OPRMOD"}, {"LOCATION", "COMM"},
              {"CLOCK", "VOLUME"});
}

Screen faSelectMenu(int number, const char* station) {
  return page(number, {"  (F/A  SELECT)", station}, {"FREQUENCY PAIR", {}}, {"ADDRESS CODES", {}},
              {"FREQ ADJUST MK3", {}});
}

Screen addressCodes(int number, const char* station, const char* received, const char* sent,
                    Field receivedField, Field sentField, Field mk3Field) {
  Screen s = page(number, {"ADDRESS CODE", station}, {received, receivedField}, {sent, sentField},
                  {"MK3-ADDR:", mk3Field});
  s.editFieldOnEntry = 1;
  return s;
}

Screen frequencyAdjust(int number, Field offset, Field frequency) {
  return page(number, {"FREQ ADJUST MK3", {}}, {"FIX FREQ :", offset}, {"MOB FREQ :", frequency},
              {kFourBars, {}});
}

Screen timeDate(int number) {
  return page(number, {"TIME", "HH:MM:SS"}, {{}, timeOfDay}, {"DATE", "YY/MM/DD"},
              {{}, "98/12/28"});
}

Screen operatingMode(int number, const char* station, Field mode, const char* prompt) {
  return page(number, {"OPR MODE:", station}, {mode, {}}, {{}, "(TOGGLE)"}, {{}, prompt});
}

Screen gainPower(int number, Field gain, Field power, Field range) {
  return page(number, {"RF GAIN / PWR SET :", {}}, {gain, {}}, {"GAIN", power},
              {"XMIT PWR", range});
}

Screen remoteModify(int number, const char* station, Field value, const char* version) {
  return page(number, {"REMOTE MODIFY", {}}, {station, value}, {"SOFTWARE VERSION", {}},
              {version, {}});
}

Screen commMenu(int number, const char* station) {
  return page(number, {"   (COMM SET-UP)", station}, {"HOST CONNECTION", {}},
              {"PER. CONNECTION", {}}, {"PER. TELEGRAMS", {}});
}

Screen connection(int number, const char* title, Field send, Field recv, Field bits, Field stop) {
  return page(number, {title, {}}, {"SEND BR :", send}, {"RECV BR :", recv}, {bits, stop});
}

Screen telegrams(int number, Field out, Field in) {
  return page(number, {"TELEGRAM TYPE", {}}, {"PER. CONNECTION", {}}, {"OUT : ", out},
              {"IN  :", in});
}

Screen alarmSimulation(int number, Field alarm, Field simulation) {
  return page(number, {"ALARM SOUND :", alarm}, {}, {"AZIMUTH / DISTANCE", {}},
              {"SIMULATION :", simulation});
}

Screen controlByte(int number, Field value) {
  return firstField(page(number, {"CONTROL BYTE:", {}}, {value, {}}, {"      CAUTION !", {}},
                         {"NORMAL VALUE:", "0    "}));
}

Screen volume(int number, const char* station, Field value) {
  return firstField(page(number, {{}, station}, {"AUDIO", {}}, {"VOLUME :", value}, {}));
}

Screen monitorMenu(int number, const char* station) {
  return page(number, {"(MONITORING)", station}, {"SUPPLIES", "TEMP"}, {"X-TAL CUR.", "GUNN"},
              {"PERFORMANCE", {}});
}

Screen mixer(int number, const char* title) {
  return page(number, {title, {}}, {"SUM :", "-68     74       "}, {"DIF :", "-81     67       "},
              {{}, "> N"});
}

Screen temperatures(int number, const char* station) {
  return page(number, {"TEMPERATURES", station}, {"(CENTIGRADE)  AT", {}}, {"PIN. MOD.", "27     "},
              {"DIST.PCB.", "30 >N"});
}

Screen gunnSupplies(int number) {
  return page(number, {"5V / GUNN SUPPLIES", {}}, {"5V", "5.1       "}, {"GUNN", "10.5       "},
              {{}, "> D"});
}

Screen wakeUp(int number, Field day) {
  return firstField(
      page(number, {"WAKE-UP", "MOB"}, {"TIME", "DAY"}, {day, "/24"}, {timeOfDay, "02/24 >N"}));
}

Screen switchOff(int number, const char* title) {
  return page(number, {title, {}}, {"   BY PRESSING", {}}, {"   ENTER KEY", {}}, {});
}

Screen unitConfigured(int number, const char* title, Field role, const char* prompt) {
  return firstField(page(number, {title, {}}, {role, {}}, {"TOGGLE TO CHANGE", {}}, {{}, prompt}));
}

// The Mobile's own tree: OPERATE, MODIFY, MONITOR, WAKE-UP and the configuration run.
void ownTree(std::vector<Screen>& v) {
  v.push_back(page(0, {"     (MAIN MENU MOB)", {}}, {"OPERATE", "WAKE-UP"}, {"MODIFY", "FIX"},
                   {"MONITOR", "CONFIG"}));

  // OPERATE pages.
  v.push_back(page(1, {"DIST:                *", "MTR"}, {"AZM:                 *", "DEG"},
                   {"SGNL: ", "-80"}, {&S::MobileStatusLine, {}}));
  Screen again = page(1, {{}, "MTR"}, {{}, "DEG"}, {}, {&S::MobileStatusLine, {}});
  again.variant = kDrawnAgain;
  v.push_back(again);
  v.push_back(page(2, {"DIST:   ", "MTR"}, {"AZM:     ", "DEG"}, {"SGNL:  ", "-45"},
                   {&S::MobileStatusLine2, {}}));
  v.push_back(page(3, {"DIST:   ", "MTR"}, {"AZM:    ", "DEG"}, {"BEARING", {}}, {"HEADING", {}}));
  v.push_back(
      page(4, {{}, "MTR   9"}, {{}, "DEG   9"}, {"STDEV :", "0.043 M"}, {"TIME :", "22:36:48"}));

  // MODIFY MOBILE.
  v.push_back(modifyMenu(5, "   (MODIFY MOBILE)", modifyFirstItem));
  v.push_back(faSelectMenu(6, "MOB"));
  v.push_back(page(7, {"FREQ:   (MHZ)", "MOB"}, {"          MOB   FIX", {}},
                   {&S::MobileFreqPairText, ">T"}, {"ACTUAL FREQ:", &S::MobileFreq}));
  v.push_back(addressCodes(8, "MOB", "RECVD FR FIX:", "SENT TO  FIX:", &S::MobileAddrReceived,
                           &S::MobileAddrSent, &S::MobileMk3Addr));
  v.push_back(frequencyAdjust(9, &S::MobileMk3FreqOffset, &S::MobileFreq));
  v.push_back(page(10, {"   (MOB LOCATION)", {}}, {"SETBEARING", "SETP"}, {"SCANLIMITS REL", {}},
                   {"SCANLIMITS NUM", {}}));
  v.push_back(firstField(
      page(11, {"MODIFY MOBILE", {}}, {"ANTENNA BEARING", {}}, {after(16, kBearing), {}}, {})));
  v.push_back(page(12, {"AIM ANTENNA AT", {}}, {"LEFT SCANLIMIT", {}}, {"USE  L/R  KEYS", {}},
                   {{}, "OK ?  > E"}));
  v.push_back(page(13, {"AIM ANTENNA AT", {}}, {"RIGHT SCANLIMIT", {}}, {"USE  L/R  KEYS", {}},
                   {{}, "OK ?  > E"}));
  v.push_back(page(14, {"   (SCANNING MOB)", {}}, {CellText::join("BEARING ", kBearing), {}},
                   {"LIMIT L", &S::MobileScanLimitLeft}, {"LIMIT R", &S::MobileScanLimitRight}));
  v.push_back(
      firstField(page(15, {"BEARING SETPOINT", {}}, {}, {"BEARING", "242.9"}, {"SETPOINT", {}})));
  v.push_back(timeDate(16));
  v.push_back(operatingMode(17, "MOB", &S::MobileOperatingMode, "MORE > N"));
  v.push_back(
      page(18, {"(EXTRA MODES)", "MOB"}, {"RF GAIN / POWER", {}}, {"REMOTE MODIFY", {}}, {}));
  v.push_back(gainPower(19, &S::MobileGainMode, &S::MobileXmitPower, &S::MobileXmitRange));
  v.push_back(remoteModify(20, "MOB : ", &S::MobileRemoteModify, "    E12A1A1/98803"));
  v.push_back(commMenu(21, "MOB"));
  v.push_back(connection(22, "HOST CONNECTION", &S::MobileHostSendBaud, &S::MobileHostRecvBaud,
                         &S::MobileHostBits, &S::MobileHostStop));
  v.push_back(connection(23, "PER. CONNECTION", &S::MobilePerSendBaud, &S::MobilePerRecvBaud,
                         &S::MobilePerBits, &S::MobilePerStop));
  v.push_back(telegrams(24, &S::MobileOutTelegram, &S::MobileInTelegram));
  v.push_back(alarmSimulation(25, &S::MobileAlarmSound, &S::MobileSimulationOutput));
  v.push_back(controlByte(26, &S::MobileControlByte));
  v.push_back(volume(27, "MOB", &S::MobileAudioVolume));

  // MONITOR.
  v.push_back(monitorMenu(28, "MOB"));
  v.push_back(page(29, {"   SUPPLIES ", "MOB"}, {" 6 V :", " 6.0       -5.9"},
                   {"12 V :", "11.9    -12.0"}, {"BAT  :", "24.2 V    > N"}));
  v.push_back(mixer(30, "MIXER X-TAL MOB"));
  Screen performance =
      page(31, {"PERFORMANCE", "MOB"}, {"AGC :", "54       "}, {"TUNING :", "-2       "},
           {"SERVO:", CellText::join("", &S::ServoText, "     >N")});
  performance.startsBlink = true;
  v.push_back(performance);
  v.push_back(temperatures(32, "MOB"));
  v.push_back(gunnSupplies(33));

  // WAKE-UP.
  v.push_back(wakeUp(34, &S::MobileClockDay));
  v.push_back(switchOff(35, "   SWITCH OFF MOB"));

  // CONFIG: the configuration run, paged by NEXT.
  v.push_back(unitConfigured(72, "    UNIT CONFIGURED", &S::MobileUnitRole, "> N"));
  v.push_back(page(73, {"FREQ:   (MHZ)", "MOB"}, {"           MOB   FIX", {}},
                   {&S::MobileFreqPairText, ">T"}, {"MOB FREQ:", &S::MobileFreq}));
  v.push_back(firstField(
      page(74, {{}, "MOB"}, {"SELECTIVE", {}}, {"ADDRESS CODE", &S::MobileAddrSent}, {{}, "> N"})));
  v.push_back(firstField(page(75, {"ENTER ANTENNA", {}}, {"BEARING", "(AIMED  "},
                              {"AT BOW = ", "0.0)  "}, {"          180.0", "> N"})));
  v.push_back(page(76, {"TIME", "HH:MM:SS   "}, {{}, timeThenBlanks}, {"DATE", "YY/MM/DD   "},
                   {{}, "98/12/28 > N"}));
  v.push_back(operatingMode(77, "MOB", &S::MobileOperatingMode, "> N"));
  v.push_back(page(78, {"     END OF MOB", {}}, {}, {"    CONFIGURATION", {}}, {{}, "> M"}));

  // The station page of the shuttle tanker software.
  v.push_back(
      firstField(page(85, {"  ENTER STATION", "MOB"}, {"STATION CODE :", &S::MobileStationCode},
                      {"FREQ :", &S::MobileMk3FreqText}, {"ADDR :", &S::MobileStationAddrText})));
}

// The counter station's tree, operated remotely from the Mobile.
void remoteTree(std::vector<Screen>& v) {
  v.push_back(page(36, {"     (REMOTE FIX)", {}}, {"OPERATE", "WAKE-UP"}, {"MODIFY", {}},
                   {"MONITOR", "CONFIG"}));
  v.push_back(page(80, {"     (REMOTE FIX)", {}}, {}, {}, {}));

  // OPERATE pages.
  v.push_back(
      page(37, {"DIST: ", "MTR"}, {"AZM:  ", "DEG"}, {"SGNL: ", {}}, {&S::FixStatusLine, {}}));
  Screen again =
      page(37, {"DIST:  ", "MTR"}, {"AZM:   ", "DEG"}, {"SGNL:  ", {}}, {&S::FixStatusLine, {}});
  again.variant = kDrawnAgain;
  v.push_back(again);
  v.push_back(
      page(38, {"DIST: ", "MTR"}, {"AZM:  ", "DEG"}, {"SGNL: ", {}}, {&S::FixStatusLine2, {}}));
  v.push_back(
      page(39, {{}, "MTR   9"}, {"  ", "DEG   9"}, {"-85 DB   ", {}}, {&S::FixStatusLine, {}}));

  // MODIFY FIX.
  v.push_back(modifyMenu(40, "   (MODIFY FIX)", "FRQ / ADDR"));
  v.push_back(faSelectMenu(41, "FIX"));
  v.push_back(page(42, {"FREQ:   (MHZ)", "FIX"}, {"         MOB   FIX", {}},
                   {&S::CounterFreqPairText, ">T"}, {"ACTUAL FREQ:", &S::CounterFreq}));
  v.push_back(addressCodes(43, "FIX", "RECVD FR MOB:", "SENT TO  MOB:", &S::CounterAddrReceived,
                           &S::CounterAddrSent, &S::CounterMk3Addr));
  v.push_back(frequencyAdjust(44, &S::CounterMk3FreqOffset, &S::CounterFreq));
  v.push_back(page(45, {"  (FIX LOCATION)", {}}, {"REF - NUM", "SETP"}, {"REFERENCE REL", {}},
                   {"SCANLIMITS", {}}));
  v.push_back(firstField(page(46, {"         KEY-IN", {}}, {"REFERENCE AZM :", {}},
                              {&S::ReferenceAzimuth, "DEG"}, {{}, "OK ?   > E   D"})));
  v.push_back(page(47, {"ACCEPT MOBILE", {}}, {"POSTION AS FIX", {}}, {"REF. OBJECT", {}},
                   {{}, "OK ?   >E"}));
  v.push_back(page(48, {"ACT AZM:", "248"}, {"(KEY-IN LIMITS)", {}},
                   {"LIMIT L", &S::FixScanLimitLeft}, {"LIMIT R", &S::FixScanLimitRight}));
  v.push_back(
      firstField(page(49, {"AZIMUTH SETPOINT", {}}, {}, {"AZM", "242.9"}, {"SETPOINT", {}})));
  v.push_back(timeDate(50));
  v.push_back(operatingMode(51, "FIX", &S::CounterOperatingMode, "MORE > N"));
  v.push_back(page(52, {"(EXTRA MODES)", "FIX"}, {"RF GAIN / POWER", {}}, {"REMOTE MODIFY", {}},
                   {"FILTERING", {}}));
  v.push_back(gainPower(53, &S::CounterGainMode, &S::CounterXmitPower, &S::CounterXmitRange));
  v.push_back(remoteModify(54, "FIX : ", &S::CounterRemoteModify, "    E12A1A1/98804"));
  v.push_back(page(55, {"AZM FILTER", {}}, {"ALPHA ", &S::AzmFilterAlpha},
                   {"BETA", &S::AzmFilterBeta}, {}));
  v.push_back(commMenu(56, "FIX"));
  v.push_back(connection(57, "HOST CONNECTION", &S::CounterHostSendBaud, &S::CounterHostRecvBaud,
                         &S::CounterHostBits, &S::CounterHostStop));
  v.push_back(connection(58, "PER. CONNECTION", &S::CounterPerSendBaud, &S::CounterPerRecvBaud,
                         &S::CounterPerBits, &S::CounterPerStop));
  v.push_back(telegrams(59, &S::CounterOutTelegram, &S::CounterInTelegram));
  v.push_back(alarmSimulation(60, &S::CounterAlarmSound, &S::CounterSimulationOutput));
  v.push_back(controlByte(61, &S::CounterControlByte));
  v.push_back(volume(62, "FIX", &S::CounterAudioVolume));

  // MONITOR.
  v.push_back(monitorMenu(63, "FIX"));
  v.push_back(page(64, {"   SUPPLIES ", "FIX"}, {" 6 V :", "6.0       -5.9"},
                   {"12 V :", "11.9     -12.0"}, {"BAT  :", "24.2 V    > N"}));
  v.push_back(mixer(65, "MIXER X-TAL FIX"));
  v.push_back(page(66, {"PERFORMANCE", "FIX"}, {"AGC :", "54       "}, {"TUNING :", "-2       "},
                   {"SERVO:", "5     >N"}));
  v.push_back(temperatures(67, "FIX"));
  v.push_back(gunnSupplies(68));

  // WAKE-UP and CONFIG.
  v.push_back(wakeUp(69, &S::CounterClockDay));
  v.push_back(switchOff(70, "   SWITCH OFF FIX"));
  v.push_back(unitConfigured(71, "UNIT CONFIGURED", &S::CounterUnitRole, "> D"));
}

}  // namespace

std::vector<Screen> mobileScreens() {
  std::vector<Screen> v;
  ownTree(v);
  remoteTree(v);
  return v;
}

}  // namespace kestrom
