#pragma once

#include <vector>

#include "panels/common/screen.h"
#include "panels/common/station_side.h"

namespace kestrom {

// The kinds of screen that every station panel shows, for its own station and for
// the remote one. Each builder takes the screen number, the station word of the
// screen ("MOB", "FIX", "BCN"), the side whose settings it shows and the few texts
// in which the panels differ.
namespace shape {

using Text = StationSide::Text;

// A literal, a field or a computed text after a run of blanks.
CellText after(int blanks, CellText middle);

Screen page(int number, ScreenLine l1, ScreenLine l2, ScreenLine l3, ScreenLine l4);
// A screen whose digits act on its first field only: it starts there, whatever
// field the screen before it left the digit keys on.
Screen firstField(Screen s);
// A screen drawn in another way when reached by another key.
Screen variant(Screen s, int drawVariant);

// A station's remote menu, seen from the other station's panel.
Screen remoteMenu(int number, const char* title);
Screen modifyMenu(int number, const char* title, CellText firstItem, CellText locationItem);
Screen faSelectMenu(int number, const char* title, const char* word);
Screen frequencyPair(int number, const char* word, const char* header, const StationSide& side,
                     const char* freqLabel, CellText freq);
Screen addressCodes(int number, const char* word, const char* received, const char* sent,
                    const StationSide& side);
Screen frequencyAdjust(int number, const char* offsetLabel, const char* freqLabel,
                       const StationSide& side);
// A station's location menu: its first three items, with SETP on the right.
Screen locationMenu(int number, const char* title, const char* refItem, const char* relItem,
                    const char* numItem);
// Aiming the antenna at a scan limit with the slew keys: `limit` names the limit.
Screen scanLimit(int number, const char* limit, const char* useKeys, const char* prompt);
// The Fix antenna's scan limits, keyed in as numbers.
Screen keyInLimits(int number);
// A set point keyed in under the present reading, `label` naming it.
Screen setpoint(int number, const char* title, const char* label, CellText reading);
// The Mobile antenna's bearing keyed in on the third line, shown as `bearing`.
Screen antennaBearing(int number, CellText bearing);
Screen azimuthFilter(int number);
Screen timeDate(int number);
// TIME / DATE of the configuration run, with the prompt to go on.
Screen timeDateRun(int number);
Screen operatingMode(int number, const char* word, const StationSide& side, const char* prompt);
Screen extraModes(int number, const char* word, CellText lastItem);
Screen gainPower(int number, const StationSide& side);
Screen remoteModify(int number, const char* label, const StationSide& side, const char* version);
Screen commMenu(int number, const char* word);
Screen connection(int number, const char* title, const StationSide::Connection& c);
Screen telegrams(int number, const StationSide& side);
Screen alarmSimulation(int number, const StationSide& side);
Screen controlByte(int number, const char* title, const char* caution, const StationSide& side);
Screen volume(int number, const char* word, const StationSide& side);
Screen wakeUp(int number, const char* word, const StationSide& side);
Screen switchOff(int number, const char* title);
Screen unitConfigured(int number, const char* title, const StationSide& side, const char* prompt);
Screen selectiveAddress(int number, const char* word, const StationSide& side);
Screen endOfConfiguration(int number, const char* title);

// OPERATE pages that the panels draw alike for the Mobile station: the first page
// before any reading has come in, the bearing and heading page and the page of the
// standard deviation.
Screen operateAwaiting(int number, const StationSide& side);
Screen operateBearing(int number);
Screen operateDeviation(int number);

// The MONITORING pages: fixed readings whose spacing differs between the panels.
struct MonitorTexts {
  const char* sixVolts;     // " 6 V :" reading
  const char* twelveVolts;  // "12 V :" reading
  const char* sum;          // "SUM :" reading
  const char* dif;          // "DIF :" reading
  const char* agc;          // "AGC :" reading
  const char* tuning;       // "TUNING :" reading
  const char* pinMod;       // "PIN. MOD." reading
  const char* fiveVolts;    // "5V" reading
  const char* gunn;         // "GUNN" reading
};
// The readings as the basic operating panels (Fix and Beacon) space them.
extern const MonitorTexts kBasicPanelMonitor;
Screen monitorMenu(int number, const char* word);
Screen supplies(int number, const char* word, const MonitorTexts& t);
Screen mixer(int number, const char* title, const MonitorTexts& t);
Screen performance(int number, const char* word, const MonitorTexts& t, CellText servo);
Screen temperatures(int number, const char* word, const MonitorTexts& t);
Screen gunnSupplies(int number, const MonitorTexts& t);

// Runs of screens every station has, numbered on from `first`.

// OPR MODE, EXTRA MODES, RF GAIN / PWR SET and REMOTE MODIFY.
void modePages(std::vector<Screen>& v, int first, const char* word, const StationSide& side,
               const char* remoteLabel, const char* version, CellText lastExtraItem);
// COMM SET-UP, HOST CONNECTION, PER. CONNECTION, TELEGRAM TYPE, ALARM SOUND and
// CONTROL BYTE.
void commPages(std::vector<Screen>& v, int first, const char* word, const StationSide& side,
               const char* controlTitle, const char* caution);
// MONITORING, SUPPLIES, MIXER X-TAL, PERFORMANCE, TEMPERATURES and 5V / GUNN SUPPLIES.
void monitorPages(std::vector<Screen>& v, int first, const char* word, const MonitorTexts& t,
                  CellText servo);

}  // namespace shape
}  // namespace kestrom
