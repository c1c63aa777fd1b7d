#pragma once

namespace kestrom {

class Simulator;
class StationPanel;
class MobileTracking;
class FrequencySlew;

// What ENTER stores and starts on each screen of the Mobile panel. Runs after the
// common ENTER steps (blink timer, cells black, KeyCount 0). Cells that must be read
// as numbers are checked first: a bad one gets a message naming the value and
// nothing of that ENTER is stored.
void mobileEnter(Simulator& sim, StationPanel& panel, MobileTracking& tracking,
                 FrequencySlew& slew);

// The two-letter status code of an operating mode text ("        AUTOSEARCH" -> "AS").
const char* modeCode(const char* modeText);

}  // namespace kestrom
