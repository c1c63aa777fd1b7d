#include "panels/fix/fix_screens.h"

#include "panels/fix/fix_menus.h"

namespace kestrom {
namespace {

using enum Cell;

std::vector<Screen> screens() {
  return {
      {0,
       0,
       {{"     (MAIN MENU FIX)", {}},
        {"OPERATE", "WAKE-UP"},
        {"MODIFY", "MOBILE"},
        {"MONITOR", "CONFIG"}}},
  };
}

// DEL on screens without a row (the main menu among them) does nothing more.
std::vector<DelRow> delRows() {
  return {};
}

// The edited field blinks; the field before it is held black.
std::vector<BlinkRow> blinkRows() {
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

}  // namespace

const PanelTables& fixPanelTables() {
  static const PanelTables tables = [] {
    PanelTables t;
    t.screens = screens();
    t.keyIn = FixMenus();
    t.del = delRows();
    t.blink = blinkRows();
    return t;
  }();
  return tables;
}

}  // namespace kestrom
