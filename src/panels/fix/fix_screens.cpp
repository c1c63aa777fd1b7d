#include "panels/fix/fix_screens.h"

#include "panels/common/screen_shapes.h"
#include "panels/fix/fix_menus.h"
#include "panels/fix/fix_panel.h"

namespace kestrom {
namespace {

using enum Cell;

using namespace shape;
constexpr const StationSide& kOwn = kFixSide;
constexpr const StationSide& kRemote = kMobileSide;

// The Fix's own tree.
std::vector<Screen> screens() {
  return {
      page(0, {"     (MAIN MENU FIX)", {}}, {"OPERATE", "WAKE-UP"}, {"MODIFY", "MOBILE"},
           {"MONITOR", "CONFIG"}),
      // MODIFY FIX and its F/A SELECT branch.
      modifyMenu(4, "     (MODIFY FIX)", "FRQ / ADDR", "LOCATION"),
      faSelectMenu(5, "   (F/A  SELECT)", "FIX"),
      frequencyPair(6, "FIX", "         MOB   FIX", kOwn, "ACTUAL FREQ:", kOwn.freq),
      addressCodes(7, "FIX", "RECVD FR MOB:", "SENT TO  MOB:", kOwn),
      frequencyAdjust(8, "MOB FREQ :", "FIX FREQ :", kOwn),
  };
}

// keys[d] is where digit d leads; keys 0 and 7 never change the screen.
std::vector<MenuRow> menuRows() {
  const Move none;
  return {
      {0, {none, none, 4}},
      {4, {none, 5}},
      {5, {none, 6, 7, 8}},
  };
}

std::vector<FieldCycleRow> fieldCycles() {
  return {{{8}, 3}};
}

// DEL replays the key that leads to the parent screen. DEL on screens without a
// row (the main menu among them) does nothing more.
std::vector<DelRow> delRows() {
  return {
      {{4}, DelRule::asMenu()},
      {{5}, DelRule::replay(0, '2')},
      {{6, 7, 8}, DelRule::replay(4, '1')},
  };
}

std::vector<EnterRow> enterRows() {
  return {
      {{6},
       {fieldAfter(FieldAfter::Zero), storeFrequencyPair(kOwn),
        memberStep<Tfix, &Tfix::startPairRamp>}},
      {{7}, {storeAddress(kOwn, kRemote, AddressForm::ZeroBeforeOneChar)}},
      {{8},
       {checkFrequency(), storeCell(Cell::R2, kOwn.mk3FreqOffset),
        memberStep<Tfix, &Tfix::startAdjustRamp>, fieldAfter(FieldAfter::Toggle)}},
  };
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
    t.menus = menuRows();
    t.fieldCycles = fieldCycles();
    t.del = delRows();
    t.enter = enterRows();
    t.blink = blinkRows();
    return t;
  }();
  return tables;
}

}  // namespace kestrom
