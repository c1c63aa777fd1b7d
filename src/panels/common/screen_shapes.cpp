#include "panels/common/screen_shapes.h"

#include <utility>

namespace kestrom::shape {

namespace {
const char* const kFourBars = "SIGNL : \x7f\x7f\x7f\x7f";
}  // namespace

CellText after(int blanks, CellText middle) {
  return CellText::join(std::string(static_cast<std::size_t>(blanks), ' '), std::move(middle));
}

Screen page(int number, ScreenLine l1, ScreenLine l2, ScreenLine l3, ScreenLine l4) {
  return {number, 0, {std::move(l1), std::move(l2), std::move(l3), std::move(l4)}};
}

Screen firstField(Screen s) {
  s.editFieldOnEntry = 0;
  return s;
}

Screen variant(Screen s, int drawVariant) {
  s.variant = drawVariant;
  return s;
}

Screen remoteMenu(int number, const char* title) {
  return page(number, {title, {}}, {"OPERATE", "WAKE-UP"}, {"MODIFY", {}}, {"MONITOR", "CONFIG"});
}

Screen modifyMenu(int number, const char* title, CellText firstItem, CellText locationItem) {
  return page(number, {title, {}}, {std::move(firstItem), "OPRMOD"},
              {std::move(locationItem), "COMM"}, {"CLOCK", "VOLUME"});
}

Screen faSelectMenu(int number, const char* title, const char* word) {
  return page(number, {title, word}, {"FREQUENCY PAIR", {}}, {"ADDRESS CODES", {}},
              {"FREQ ADJUST MK3", {}});
}

Screen frequencyPair(int number, const char* word, const char* header, const StationSide& side,
                     const char* freqLabel, CellText freq) {
  return page(number, {"FREQ:   (MHZ)", word}, {header, {}}, {side.freqPairText, ">T"},
              {freqLabel, std::move(freq)});
}

Screen addressCodes(int number, const char* word, const char* received, const char* sent,
                    const StationSide& side) {
  Screen s = page(number, {"ADDRESS CODE", word}, {received, side.addrReceived},
                  {sent, side.addrSent}, {"MK3-ADDR:", side.mk3Addr});
  s.editFieldOnEntry = 1;
  return s;
}

Screen frequencyAdjust(int number, const char* offsetLabel, const char* freqLabel,
                       const StationSide& side) {
  return page(number, {"FREQ ADJUST MK3", {}}, {offsetLabel, side.mk3FreqOffset},
              {freqLabel, side.freq}, {kFourBars, {}});
}

Screen locationMenu(int number, const char* title, const char* refItem, const char* relItem,
                    const char* numItem) {
  return page(number, {title, {}}, {refItem, "SETP"}, {relItem, {}}, {numItem, {}});
}

Screen scanLimit(int number, const char* limit, const char* useKeys, const char* prompt) {
  return page(number, {"AIM ANTENNA AT", {}}, {limit, {}}, {useKeys, {}}, {{}, prompt});
}

Screen keyInLimits(int number) {
  return page(number, {"ACT AZM:", "248"}, {"(KEY-IN LIMITS)", {}},
              {"LIMIT L", &SimulationState::FixScanLimitLeft},
              {"LIMIT R", &SimulationState::FixScanLimitRight});
}

Screen setpoint(int number, const char* title, const char* label, CellText reading) {
  return firstField(page(number, {title, {}}, {}, {label, std::move(reading)}, {"SETPOINT", {}}));
}

Screen antennaBearing(int number, CellText bearing) {
  return firstField(
      page(number, {"MODIFY MOBILE", {}}, {"ANTENNA BEARING", {}}, {std::move(bearing), {}}, {}));
}

Screen azimuthFilter(int number) {
  return page(number, {"AZM FILTER", {}}, {"ALPHA ", &SimulationState::AzmFilterAlpha},
              {"BETA", &SimulationState::AzmFilterBeta}, {});
}

Screen timeDate(int number) {
  return page(number, {"TIME", "HH:MM:SS"}, {{}, timeOfDay}, {"DATE", "YY/MM/DD"},
              {{}, "98/12/28"});
}

Screen timeDateRun(int number) {
  TextFn timeThenBlanks = [](StationPanel& panel) { return timeOfDay(panel) + "    "; };
  return page(number, {"TIME", "HH:MM:SS   "}, {{}, timeThenBlanks}, {"DATE", "YY/MM/DD   "},
              {{}, "98/12/28 > N"});
}

Screen operatingMode(int number, const char* word, const StationSide& side, const char* prompt) {
  return page(number, {"OPR MODE:", word}, {side.operatingMode, {}}, {{}, "(TOGGLE)"},
              {{}, prompt});
}

Screen extraModes(int number, const char* word, CellText lastItem) {
  return page(number, {"(EXTRA MODES)", word}, {"RF GAIN / POWER", {}}, {"REMOTE MODIFY", {}},
              {std::move(lastItem), {}});
}

Screen gainPower(int number, const StationSide& side) {
  return page(number, {"RF GAIN / PWR SET :", {}}, {side.gainMode, {}}, {"GAIN", side.xmitPower},
              {"XMIT PWR", side.xmitRange});
}

Screen remoteModify(int number, const char* label, const StationSide& side, const char* version) {
  return page(number, {"REMOTE MODIFY", {}}, {label, side.remoteModify}, {"SOFTWARE VERSION", {}},
              {version, {}});
}

Screen commMenu(int number, const char* word) {
  return page(number, {"   (COMM SET-UP)", word}, {"HOST CONNECTION", {}}, {"PER. CONNECTION", {}},
              {"PER. TELEGRAMS", {}});
}

Screen connection(int number, const char* title, const StationSide::Connection& c) {
  return page(number, {title, {}}, {"SEND BR :", c.send}, {"RECV BR :", c.recv}, {c.bits, c.stop});
}

Screen telegrams(int number, const StationSide& side) {
  return page(number, {"TELEGRAM TYPE", {}}, {"PER. CONNECTION", {}}, {"OUT : ", side.outTelegram},
              {"IN  :", side.inTelegram});
}

Screen alarmSimulation(int number, const StationSide& side) {
  return page(number, {"ALARM SOUND :", side.alarmSound}, {}, {"AZIMUTH / DISTANCE", {}},
              {"SIMULATION :", side.simulationOutput});
}

Screen controlByte(int number, const char* title, const char* caution, const StationSide& side) {
  return firstField(
      page(number, {title, {}}, {side.controlByte, {}}, {caution, {}}, {"NORMAL VALUE:", "0    "}));
}

Screen volume(int number, const char* word, const StationSide& side) {
  return firstField(page(number, {{}, word}, {"AUDIO", {}}, {"VOLUME :", side.audioVolume}, {}));
}

Screen wakeUp(int number, const char* word, const StationSide& side) {
  return firstField(page(number, {"WAKE-UP", word}, {"TIME", "DAY"}, {side.clockDay, "/24"},
                         {timeOfDay, "02/24 >N"}));
}

Screen switchOff(int number, const char* title) {
  return page(number, {title, {}}, {"   BY PRESSING", {}}, {"   ENTER KEY", {}}, {});
}

Screen unitConfigured(int number, const char* title, const StationSide& side, const char* prompt) {
  return firstField(
      page(number, {title, {}}, {side.unitRole, {}}, {"TOGGLE TO CHANGE", {}}, {{}, prompt}));
}

Screen selectiveAddress(int number, const char* word, const StationSide& side) {
  return firstField(
      page(number, {{}, word}, {"SELECTIVE", {}}, {"ADDRESS CODE", side.addrSent}, {{}, "> N"}));
}

Screen endOfConfiguration(int number, const char* title) {
  return page(number, {title, {}}, {}, {"    CONFIGURATION", {}}, {{}, "> M"});
}

Screen operateAwaiting(int number, const StationSide& side) {
  return page(number, {"DIST:                *", "MTR"}, {"AZM:                 *", "DEG"},
              {"SGNL: ", "-80"}, {side.statusLine, {}});
}

Screen operateBearing(int number) {
  return page(number, {"DIST:   ", "MTR"}, {"AZM:    ", "DEG"}, {"BEARING", {}}, {"HEADING", {}});
}

Screen operateDeviation(int number) {
  return page(number, {{}, "MTR   9"}, {{}, "DEG   9"}, {"STDEV :", "0.043 M"},
              {"TIME :", "22:36:48"});
}

const MonitorTexts kBasicPanelMonitor = {"6.0  -5.9",   "11.9 -12.0", "-68   74   ",
                                         "-81   67   ", "54    ",     "-2    ",
                                         "27   ",       "5.1   ",     "10.5   "};

Screen monitorMenu(int number, const char* word) {
  return page(number, {"(MONITORING)", word}, {"SUPPLIES", "TEMP"}, {"X-TAL CUR.", "GUNN"},
              {"PERFORMANCE", {}});
}

Screen supplies(int number, const char* word, const MonitorTexts& t) {
  return page(number, {"   SUPPLIES ", word}, {" 6 V :", t.sixVolts}, {"12 V :", t.twelveVolts},
              {"BAT  :", "24.2 V    > N"});
}

Screen mixer(int number, const char* title, const MonitorTexts& t) {
  return page(number, {title, {}}, {"SUM :", t.sum}, {"DIF :", t.dif}, {{}, "> N"});
}

Screen performance(int number, const char* word, const MonitorTexts& t, CellText servo) {
  return page(number, {"PERFORMANCE", word}, {"AGC :", t.agc}, {"TUNING :", t.tuning},
              {"SERVO:", std::move(servo)});
}

Screen temperatures(int number, const char* word, const MonitorTexts& t) {
  return page(number, {"TEMPERATURES", word}, {"(CENTIGRADE)  AT", {}}, {"PIN. MOD.", t.pinMod},
              {"DIST.PCB.", "30 >N"});
}

Screen gunnSupplies(int number, const MonitorTexts& t) {
  return page(number, {"5V / GUNN SUPPLIES", {}}, {"5V", t.fiveVolts}, {"GUNN", t.gunn},
              {{}, "> D"});
}

void modePages(std::vector<Screen>& v, int first, const char* word, const StationSide& side,
               const char* remoteLabel, const char* version, CellText lastExtraItem) {
  v.push_back(operatingMode(first, word, side, "MORE > N"));
  v.push_back(extraModes(first + 1, word, std::move(lastExtraItem)));
  v.push_back(gainPower(first + 2, side));
  v.push_back(remoteModify(first + 3, remoteLabel, side, version));
}

void commPages(std::vector<Screen>& v, int first, const char* word, const StationSide& side,
               const char* controlTitle, const char* caution) {
  v.push_back(commMenu(first, word));
  v.push_back(connection(first + 1, "HOST CONNECTION", side.host()));
  v.push_back(connection(first + 2, "PER. CONNECTION", side.per()));
  v.push_back(telegrams(first + 3, side));
  v.push_back(alarmSimulation(first + 4, side));
  v.push_back(controlByte(first + 5, controlTitle, caution, side));
}

void monitorPages(std::vector<Screen>& v, int first, const char* word, const MonitorTexts& t,
                  CellText servo) {
  const std::string mixerTitle = std::string("MIXER X-TAL ") + word;
  v.push_back(monitorMenu(first, word));
  v.push_back(supplies(first + 1, word, t));
  v.push_back(mixer(first + 2, mixerTitle.c_str(), t));
  v.push_back(performance(first + 3, word, t, std::move(servo)));
  v.push_back(temperatures(first + 4, word, t));
  v.push_back(gunnSupplies(first + 5, t));
}

}  // namespace kestrom::shape
