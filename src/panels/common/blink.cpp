#include "panels/common/blink.h"

#include <algorithm>

namespace kestrom {

const BlinkRow* findBlinkRow(const std::vector<BlinkRow>& rows, int menuState, int editField) {
  for (const BlinkRow& row : rows) {
    if (row.field != kAnyField && row.field != editField) continue;
    if (std::find(row.screens.begin(), row.screens.end(), menuState) != row.screens.end())
      return &row;
  }
  return nullptr;
}

void blinkTick(std::array<DisplayCell, kCellCount>& cells, const std::vector<BlinkRow>& rows,
               int menuState, int editField) {
  const BlinkRow* row = findBlinkRow(rows, menuState, editField);
  if (!row) return;
  auto at = [&](Cell c) -> DisplayCell& { return cells[static_cast<int>(c)]; };
  for (Cell c : row->steady) at(c).FontColor = clBlack;
  DisplayCell& b = at(row->blinking);
  switch (row->mode) {
    case BlinkMode::AlwaysWhite:
      b.FontColor = clWhite;
      break;
    case BlinkMode::WhiteOnce:
      if (b.FontColor == clBlack) b.FontColor = clWhite;
      break;
    case BlinkMode::Toggle:
      b.FontColor = b.FontColor == clBlack ? clWhite : clBlack;
      break;
  }
}

using enum Cell;

// The basic operating panels (Fix and Beacon): the edited field blinks, the
// field before it is held black.
std::vector<BlinkRow> basicPanelBlinkRows() {
  return {
      {{7, 44}, kAnyField, {}, R3},    {{8, 21, 45}, 0, {R3}, R2},
      {{8, 21, 45}, 1, {R2}, R3},      {{12, 25, 48}, 0, {R4}, R3},
      {{12, 25, 48}, 1, {R3}, R4},     {{14, 47, 78}, kAnyField, {}, L3},
      {{16, 50, 79}, 0, {R4}, R2},     {{16, 50, 79}, 1, {R2}, R4},
      {{19, 54}, 0, {R4}, L2},         {{19, 54}, 1, {L2}, R3},
      {{19, 54}, 2, {R3}, R4},         {{20, 55}, kAnyField, {}, R2},
      {{23, 24, 57, 58}, 0, {R4}, R2}, {{23, 24, 57, 58}, 1, {R2}, R3},
      {{23, 24, 57, 58}, 2, {R3}, L4}, {{23, 24, 57, 58}, 3, {L4}, R4},
      {{26, 60}, 0, {R4}, R1},         {{26, 60}, 1, {R1}, R4},
      {{35, 69}, kAnyField, {}, L3},   {{74}, kAnyField, {}, R3},
  };
}

std::vector<BlinkRow> blinkRowsFor(std::vector<BlinkRow> rows, const std::vector<int>& screens) {
  auto absent = [&](int n) {
    return std::find(screens.begin(), screens.end(), n) == screens.end();
  };
  for (BlinkRow& row : rows) std::erase_if(row.screens, absent);
  std::erase_if(rows, [](const BlinkRow& row) { return row.screens.empty(); });
  return rows;
}

}  // namespace kestrom
