#include "panels/fix/fix_navigation.h"

#include "panels/common/quick_keys.h"
#include "panels/common/station_panel.h"

namespace kestrom {

namespace {

// OPERATE page 2 keys 8 (transmit power) and 9 (transmit range) of the Fix's own
// transmitter.
void fixPowerKey(StationPanel& panel) {
  quickPowerKey(panel, kFixSide);
}
void fixRangeKey(StationPanel& panel) {
  quickRangeKey(panel, kFixSide);
}

}  // namespace

// keys[d] is where digit d leads; keys 0 and 7 never change the screen. COMM
// SET-UP's keys 4 and 5 open ALARM SOUND and CONTROL BYTE, which it does not list.
std::vector<MenuRow> fixMenus() {
  const Move none;
  return {
      {0, {none, 1, 4, 29, 35, none, 72}},
      {2, {none, none, none, none, none, none, none, none, fixPowerKey, fixRangeKey}},
      {4, {none, 5, 9, 16, 17, 22, 28}},
      {5, {none, 6, 7, 8}},
      {9, {none, 10, 11, 12, 13}},
      {18, {none, 19, 20, 21}},
      {22, {none, 23, 24, 25, 26, 27}},
      {29, {none, 30, 31, 32, 33, 34}},
  };
}

// NEXT moves the field on the Fix's multi-field pages.
std::vector<FieldCycleRow> fixFieldCycles() {
  return {{{8, 19}, 3}, {{9, 14, 16, 24, 25}, 2}, {{22, 23}, 4}};
}

// NEXT pages through these chains of screens.
std::vector<PageRow> fixPages() {
  // clang-format off
  return {
      {1, 2}, {2, 3}, {3, {1, kDrawnAgain}},
      {17, 18},
      {30, 31}, {31, 32}, {32, 33}, {33, 34}, {34, 29},
      {35, 36},
      {72, 73}, {73, 74}, {74, 75}, {75, 76}, {76, 77}, {77, 78}, {78, 79}, {79, 80}, {80, 81},
  };
  // clang-format on
}

// DEL replays the key that leads to the parent screen. DEL on the main menu and on
// screens without a row does nothing more.
std::vector<DelRow> fixDelRows() {
  return {
      {{1, 2, 3, 4, 29, 35, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81}, DelRule::asMenu()},
      {{5, 9, 16, 17, 22, 28}, DelRule::replay(0, '2')},
      {{6, 7, 8}, DelRule::replay(4, '1')},
      {{10, 11, 12, 13, 14, 15}, DelRule::replay(4, '2')},
      {{18}, DelRule::replay(4, '4')},
      {{19, 20, 21}, DelRule::toScreen(18)},
      {{23, 24, 25, 26, 27}, DelRule::replay(4, '5')},
      {{30, 31, 32, 33, 34}, DelRule::replay(0, '3')},
      {{36}, DelRule::replay(0, '4')},
  };
}

}  // namespace kestrom
