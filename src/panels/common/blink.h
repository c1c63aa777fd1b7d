#pragma once

#include <array>
#include <vector>

#include "panels/common/display_cell.h"
#include "panels/common/key_in.h"

namespace kestrom {

// How a blink tick treats the blinking cell.
enum class BlinkMode {
  Toggle,       // black becomes white, any other colour black
  AlwaysWhite,  // set black, then toggled: white at every tick
  WhiteOnce,    // black becomes white, and it stays white
};

// The field under edit on some screens is marked by blinking its cell. The steady
// cells (the other fields of the screen) are set black at every tick.
struct BlinkRow {
  std::vector<int> screens;
  int field;  // EditField, or kAnyField
  std::vector<Cell> steady;
  Cell blinking;
  BlinkMode mode = BlinkMode::Toggle;
};

// The row for a screen and field: the first that names both; none when the field
// under edit does not blink there.
const BlinkRow* findBlinkRow(const std::vector<BlinkRow>& rows, int menuState, int editField);

// One tick of the blink timer: the first row for the screen and field acts;
// screens and fields without a row are left alone.
void blinkTick(std::array<DisplayCell, kCellCount>& cells, const std::vector<BlinkRow>& rows,
               int menuState, int editField);

// The blink table of the basic operating panels (Fix and Beacon), by screen.
std::vector<BlinkRow> basicPanelBlinkRows();

// The rows cut down to the screens a panel has.
std::vector<BlinkRow> blinkRowsFor(std::vector<BlinkRow> rows, const std::vector<int>& screens);

}  // namespace kestrom
