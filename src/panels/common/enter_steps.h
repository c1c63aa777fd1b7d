#pragma once

#include <functional>
#include <string>

#include "core/extended.h"
#include "panels/common/display_cell.h"
#include "panels/common/station_side.h"

namespace kestrom {

class StationPanel;

// One step of a screen's ENTER. A step that reads a number from a cell checks it
// before it stores anything; on a text that is not a valid number it shows a
// message naming the value and returns false, and the rest of the row is skipped,
// so a key never stores half of what it meant to store.
using EnterStep = std::function<bool(StationPanel&)>;

// A panel's member function as a step: `void` members always go on, `bool` members
// decide like any step.
template <class P, void (P::*M)()>
bool memberStep(StationPanel& panel) {
  (static_cast<P&>(panel).*M)();
  return true;
}
template <class P, bool (P::*M)()>
bool memberCheck(StationPanel& panel) {
  return (static_cast<P&>(panel).*M)();
}

// Checks shared by every panel's ENTER: true with the value, or a clear message
// through the panel's message boxes and false.
namespace entry {
bool wholeNumber(StationPanel& panel, const std::string& text, const char* what, long& out, long lo,
                 long hi);
// A set point or reference, read with the setup window's text conversion.
bool decimalNumber(StationPanel& panel, const std::string& text, const char* what, Extended& out);
// A scan limit as the antenna reads it: whole degrees 0..360, decimals rounded.
bool scanLimit(StationPanel& panel, const std::string& text, const char* what);
// The address code in 3R, a whole number 0..99.
bool addressCode(StationPanel& panel, long& code);
// The frequency in 3R, a whole number 9200..9399.
bool frequency(StationPanel& panel, long& mhz);

// "d    d    ": the Mk 3 address of an address code, the code modulo 16 as a
// hexadecimal digit.
std::string mk3Address(long code);
// The pair number of a frequency pair text such as "      3: 9270 - 9300", or -1.
int pairDigit(const std::string& pairText);
// The two-letter status code of an operating mode text ("        AUTOSEARCH" -> "AS").
const char* modeCode(const std::string& modeText);
}  // namespace entry

// Where ENTER leaves EditField.
enum class FieldAfter { Zero, One, Toggle, Cycle3, Cycle4 };
EnterStep fieldAfter(FieldAfter where);

// How an address code goes into the status line's two characters.
enum class AddressForm {
  BlankBeforeOneChar,  // "5" -> " 5", "05" -> "05"
  BlankBelowTen,       // 5 -> " 5", whatever was typed
  ZeroBelowTen,        // 5 -> "05", whatever was typed
  ZeroBeforeOneChar,   // "7" -> "07", "19" -> "19"
};

// Store steps. Each takes the cells of the screen shape that shows the setting and
// stores them into the settings of a station side.

// 3L: the frequency pair text, and its pair digit into the status line.
EnterStep storeFrequencyPair(const StationSide& side);
// 3R: the code this side sends and the other receives, this side's Mk 3 address
// (also shown in 4R) and the status line's address characters.
EnterStep storeAddress(const StationSide& own, const StationSide& other, AddressForm form);
// 3R: the code this side sends and receives, and the status line's address.
EnterStep storeSelectiveAddress(const StationSide& side, AddressForm form);
// 2R the Mk 3 offset, 3R the frequency (checked).
EnterStep storeFrequencyAdjust(const StationSide& side);
// 2R the time, 4R the date.
EnterStep storeClock(const StationSide& side);
// 2L the operating mode, and its code into the status line.
EnterStep storeOperatingMode(const StationSide& side);
// 2L the gain mode, 3R the power, 4R the range; the power and range cycle
// positions and the status line 2 letters follow the texts.
EnterStep storeGainPower(const StationSide& side);
// 2R.
EnterStep storeRemoteModify(const StationSide& side);
// 2R send baud, 3R receive baud, 4L bits, 4R stop bits.
EnterStep storeConnection(const StationSide::Connection& connection);
// 3R out, 4R in.
EnterStep storeTelegrams(const StationSide& side);
// 1R alarm sound, 4R simulation output.
EnterStep storeAlarmSimulation(const StationSide& side);
EnterStep storeControlByte(const StationSide& side);  // 2L
EnterStep storeVolume(const StationSide& side);       // 3R
EnterStep storeWakeUp(const StationSide& side);       // 3L
// 2L the unit role, and the status letter ("F" for a Fix role, else "M").
EnterStep storeUnitRole(const StationSide& side);
// 3R, 4R: typed scan limits (checked).
EnterStep storeScanLimits(StationSide::Text left, StationSide::Text right);
// 2R alpha, 3R beta.
EnterStep storeAzimuthFilter();
// A text into a setting.
EnterStep storeCell(Cell cell, StationSide::Text into);
// 3L: the reference azimuth; the fix azimuth becomes it less 180, on the circle.
EnterStep storeReferenceAzimuth();
// 4R: the set point entry (an empty one is shown and read as "0") into
// ReferenceEntry; its value, checked, goes to `use`. With `emptyStaysEmpty` an
// empty entry is stored empty, as the Beacon keeps it.
EnterStep storeSetpoint(const char* what, void (*use)(StationPanel&, Extended),
                        bool emptyStaysEmpty = false);
// "If you enter this you will lose lock": on OK the reciprocal azimuth is taken.
EnterStep askBeforeLosingLock();
// The scan limit `into` becomes the antenna direction `direction` reads now, with
// two decimals.
EnterStep captureScanLimit(StationSide::Text into, Extended (*direction)(const SimulationState&));
// Checks the frequency in 3R, 9200..9399, before the steps that follow.
EnterStep checkFrequency();
// Checks that a cell holds a number before the steps that follow.
EnterStep checkNumber(Cell cell, const char* what);
// Writes a text into a cell.
EnterStep showCell(Cell cell, std::string text);
// Puts the panel on another screen.
EnterStep goToScreen(int screen);
// An information box.
EnterStep inform(std::string text);
// Closes the panel window.
EnterStep closePanel();

}  // namespace kestrom
