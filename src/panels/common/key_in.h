#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "panels/common/display_cell.h"
#include "panels/common/option_lists.h"
#include "setup/simulation_state.h"

namespace kestrom {

class StationPanel;

// A routine entry that acts whatever field the digit keys are on.
inline constexpr int kAnyField = -1;

// A separator the typing adds by itself when `at` characters have been typed.
struct Separator {
  int at;
  char ch;
};

// Digits typed into a cell: the first digit after an ENTER (KeyCount 0) replaces the
// cell by `start`; separators fall in at their counts; at most `limit` characters
// are taken (the limit is tested before a separator is added); `suffix` follows the
// digit that completes the field. `allowed[i]`, when given and not empty, lists the
// digits accepted while KeyCount is i; other digits are ignored. When `storesIn` is
// given, the cell's text is stored in that field after every digit taken.
struct TypedEntry {
  Cell cell;
  std::string start;
  int limit;
  std::vector<Separator> separators = {};
  std::string suffix = {};
  std::vector<std::string> allowed = {};
  std::string SimulationState::*storesIn = nullptr;
};

// A digit key shows the entry of `list` for the present code in `cell` and stores
// the entry's next code. A code outside the list makes the key do nothing. When
// `listFor` is given it picks the list from the record at each press.
struct OptionStep {
  Cell cell;
  const OptionList* list;
  std::int32_t SimulationState::*code;
  const OptionList& (*listFor)(const SimulationState&) = nullptr;
};

// A digit key switches `cell` to `to` when it reads exactly `from`, else to `from`.
// KeyCount is not changed.
struct TextToggle {
  Cell cell;
  std::string from;
  std::string to;
};

struct FieldAction {
  int field;  // EditField it acts on, or kAnyField
  std::variant<TypedEntry, OptionStep, TextToggle> step;
};

// Which cells an option step turns black before it writes.
enum class StepColours {
  PanelStyle,        // as the panel's key-in style says
  FieldAndPrevious,  // its cell and the cell of the field before it (field 0: the last one)
  FieldOnly,
  Untouched,
};

// What the digit keys do on a screen: one action per field, listed in field order.
struct KeyInRoutine {
  const char* name;
  std::vector<FieldAction> fields;
  bool stopsBlink = true;  // a press stops the blink timer
  StepColours colours = StepColours::PanelStyle;
};

// How a panel's presses colour the display, for routines of the panel's style.
struct KeyInStyle {
  StepColours colours = StepColours::FieldAndPrevious;
  // A press turns the typed field's cell black even when the digit is refused
  // (field full, digit not allowed there).
  bool blackensRefused = false;
};

// Runs the routine for one digit key on the panel's EditField.
void runKeyIn(const KeyInRoutine& routine, StationPanel& panel, char digit);

// A routine and the screens (MenuState values) it serves.
struct KeyInBinding {
  std::vector<int> screens;
  KeyInRoutine routine;
};

}  // namespace kestrom
