#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrom {

struct SimulationState;

// One entry of an option list: a digit key pressed while the list's code is `code`
// shows `text` and stores `next`, so the code always names the entry the next
// press shows.
struct OptionEntry {
  std::int32_t code;
  std::string text;
  std::int32_t next;
};

using OptionList = std::vector<OptionEntry>;

// The entry for a code, or nullptr when the code is outside the list.
const OptionEntry* findOption(const OptionList& list, std::int32_t code);

// The lists every panel steps with the same texts.
const OptionList& frequencyPairOptions();  // the code is the pair now shown
const OptionList& operatingModeOptions();
const OptionList& gainOptions();   // MANUAL / AUTOMATIC
const OptionList& powerOptions();  // REDUCED / NORMAL
const OptionList& rangeOptions();  // SHORT / LONG
const OptionList& remoteModifyOptions();
const OptionList& baudOptions();
const OptionList& bitsOptions();
const OptionList& stopBitsOptions();
const OptionList& inTelegramOptions();
const OptionList& alarmSoundOptions();
const OptionList& simulationOutputOptions();  // codes 0 and 2
const OptionList& unitRoleOptions();
// The roles the Mobile offers for the counter station: the list above with the
// counter station's own role in place of "AS FIX", so that the cycle always comes
// back to a role that links.
const OptionList& counterUnitRoleOptions(const SimulationState& s);

// Output telegram texts of the basic operating panels (Fix and Beacon).
const OptionList& basicPanelOutTelegramOptions();

}  // namespace kestrom
