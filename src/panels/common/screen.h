#pragma once

#include <string>

#include "core/number_format.h"
#include "panels/common/display_cell.h"
#include "setup/simulation_state.h"

namespace kestrom {

class StationPanel;

// A text computed when a screen is drawn (the time of day, a number of the shared
// record formatted for the display, ...).
using TextFn = std::string (*)(StationPanel&);

// What a screen writes into one display cell: a literal, the current text of a
// field of the shared record, or a computed text, with an optional literal before
// and after it. The default is the empty text.
struct CellText {
  std::string before;
  std::string SimulationState::*field = nullptr;
  TextFn fn = nullptr;
  std::string after;

  CellText() = default;
  CellText(const char* literal) : before(literal) {}
  CellText(std::string SimulationState::*f) : field(f) {}
  CellText(TextFn f) : fn(f) {}
  // `before`, then the field's or function's text, then `after`.
  static CellText join(std::string before, CellText middle, const std::string& after = "");

  std::string render(StationPanel& panel) const;
};

struct ScreenLine {
  CellText left;
  CellText right;
};

// One screen of a panel's menu tree. A few screen numbers are drawn in more than
// one way depending on how they are reached; `variant` tells those rows apart.
struct Screen {
  int number = 0;
  int variant = 0;
  ScreenLine lines[4];
  // Field the digit keys act on once the screen is on show; -1 keeps the field.
  int editFieldOnEntry = -1;
  // Entering the screen switches the blink timer on.
  bool startsBlink = false;
};

// The drawing variant of an OPERATE page 1 reached again by NEXT from the last
// page of its chain.
inline constexpr int kDrawnAgain = 1;

// The shared record a panel works on.
SimulationState& panelState(StationPanel& panel);

// Texts for CellText functions.
std::string timeOfDay(StationPanel& panel);

// A number field of the shared record, fixed with 2 decimals.
template <Extended SimulationState::*F>
std::string fixed2Of(StationPanel& panel) {
  return fixed2(panelState(panel).*F);
}

}  // namespace kestrom
