#include "panels/common/blink.h"

#include <algorithm>

namespace kestrom {

void blinkTick(std::array<DisplayCell, kCellCount>& cells, const std::vector<BlinkRow>& rows,
               int menuState, int editField) {
  auto at = [&](Cell c) -> DisplayCell& { return cells[static_cast<int>(c)]; };
  for (const BlinkRow& row : rows) {
    if (row.field != kAnyField && row.field != editField) continue;
    if (std::find(row.screens.begin(), row.screens.end(), menuState) == row.screens.end()) {
      continue;
    }
    for (Cell c : row.steady) at(c).FontColor = clBlack;
    DisplayCell& b = at(row.blinking);
    switch (row.mode) {
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
    return;
  }
}

}  // namespace kestrom
