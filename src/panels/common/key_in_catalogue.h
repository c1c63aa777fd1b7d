#pragma once

#include <string>

#include "panels/common/key_in.h"

namespace kestrom {

// Every typing and option routine of the station panels, once, under the system's
// names. A panel binds its screen numbers to them (KeyInBinding); the colours a
// press sets follow the panel's key-in style unless the routine says otherwise.
namespace keyin {

// Option lists.
KeyInRoutine SetFreqPair();         // 3L, any field; leaves blink and colours alone
KeyInRoutine CycleOprMode();        // 2L, any field; leaves blink and colours alone
KeyInRoutine ToggleGainPower();     // 0: gain 2L, 1: power 3R, 2: range 4R
KeyInRoutine ToggleRemoteModify();  // 2R, any field; leaves colours alone
KeyInRoutine CycleHostLink();       // 0: 2R, 1: 3R, 2: 4L, 3: 4R
KeyInRoutine CyclePerLink();        // the same on the peripheral connection
KeyInRoutine CycleTelegrams(const OptionList& out);  // 0: out 3R, 1: in 4R
KeyInRoutine ToggleAlarmSimulation();                // 0: alarm sound 1R, 1: simulation 4R
KeyInRoutine CycleUnitRole();                        // 0: 2L
KeyInRoutine CycleCounterUnitRole();                 // 0: 2L, the counter station's roles

// Typed fields.
KeyInRoutine KeyInAddressCode();       // 3R, any field, 2 digits
KeyInRoutine KeyInSelectiveAddress();  // 3R, field 0, 2 digits
KeyInRoutine KeyInMk3Offset();         // 0: 2R "+ 30 MHZ" / "- 30 MHZ"; 1: 3R the frequency
KeyInRoutine KeyInSetpoint();          // 4R: three digits, a point, one digit
KeyInRoutine KeyInScanLimits();        // 0: 3R, 1: 4R, 3 digits each
KeyInRoutine KeyInTimeDate();          // 0: 2R "HH:MM:SS", 1: 4R "YY/MM/DD"
KeyInRoutine KeyInWakeUp();            // 3L "HH:MM:SS"
KeyInRoutine KeyInControlByte();       // 2L, 15 blanks and 3 digits
// 3R, one digit and four blanks; `storesIn`, when given, takes it at once.
KeyInRoutine KeyInVolume(std::string SimulationState::*storesIn = nullptr);
KeyInRoutine KeyInFilter();  // 0: 2R two digits " %", 1: 3R one digit " %"
// An antenna bearing in 3L or 4L after `blanks` blanks: three digits, a point, one.
KeyInRoutine KeyInBearing(Cell cell, int blanks);
// A reference azimuth in 3L after `blanks` blanks: three digits, the separator,
// three digits.
KeyInRoutine KeyInRefAzimuth(int blanks, char separator);
KeyInRoutine KeyInStationCode();  // 2R, 3 digits

}  // namespace keyin
}  // namespace kestrom
