#include "panels/fix/fix_navigation.h"

#include "panels/common/quick_keys.h"
#include "panels/common/station_panel.h"

namespace kestrom {

void fixRemoteAccess(StationPanel& panel) {
  panel.enterScreen(panel.ApdStatusLight1.LitColor == clLime ? 37 : 82);
}

// keys[d] is where digit d leads; keys 0 and 7 never change the screen. COMM
// SET-UP's keys 4 and 5 open ALARM SOUND and CONTROL BYTE, which it does not list.
std::vector<MenuRow> fixMenus() {
  const Move none;
  return {
      {0, {none, 1, 4, 29, 35, fixRemoteAccess, 72}},
      {2, {none, none, none, none, none, none, none, none, powerKey<kFixSide>, rangeKey<kFixSide>}},
      {4, {none, 5, 9, 16, 17, 22, 28}},
      {5, {none, 6, 7, 8}},
      {9, {none, 10, 11, 12, 13}},
      {18, {none, 19, 20, 21}},
      {22, {none, 23, 24, 25, 26, 27}},
      {29, {none, 30, 31, 32, 33, 34}},
      {37, {none, 38, 51, 63, 69, none, 71}},
      {39,
       {none, none, none, none, none, none, none, none, powerKey<kMobileSide>,
        rangeKey<kMobileSide>}},
      {51, {none, 42, 46, 50, 52, 56, 62}},
      {42, {none, 43, 44, 45}},
      {46, {none, 47, none, 48, 49}},
      {53, {none, 54, 55}},
      {56, {none, 57, 58, 59, 60, 61}},
      {63, {none, 64, 65, 66, 67, 68}},
  };
}

// NEXT moves the field on the Fix's own multi-field pages; on the remote Mobile's
// pages only ENTER moves it.
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
      {38, 39}, {39, 40}, {40, 41}, {41, {38, kDrawnAgain}},
      {52, 53},
      {64, 65}, {65, 66}, {66, 67}, {67, 68}, {68, 63},
      {69, 70},
      {72, 73}, {73, 74}, {74, 75}, {75, 76}, {76, 77}, {77, 78}, {78, 79}, {79, 80}, {80, 81},
  };
  // clang-format on
}

// DEL replays the key that leads to the parent screen; the remote screens return
// through key 5 of the main menu, so that the lamp decides again. DEL on the main
// menu, on the blank remote screen and on screens without a row does nothing more.
std::vector<DelRow> fixDelRows() {
  return {
      {{1, 2, 3, 4, 29, 35, 37, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81}, DelRule::asMenu()},
      {{5, 9, 16, 17, 22, 28}, DelRule::replay(0, '2')},
      {{6, 7, 8}, DelRule::replay(4, '1')},
      {{10, 11, 12, 13, 14, 15}, DelRule::replay(4, '2')},
      {{18}, DelRule::replay(4, '4')},
      {{19, 20, 21}, DelRule::toScreen(18)},
      {{23, 24, 25, 26, 27}, DelRule::replay(4, '5')},
      {{30, 31, 32, 33, 34}, DelRule::replay(0, '3')},
      {{36}, DelRule::replay(0, '4')},
      {{38, 39, 40, 41, 51, 63, 69, 71}, DelRule::replay(0, '5')},
      {{42, 46, 50, 52, 56, 62}, DelRule::replay(37, '2')},
      {{43, 44, 45}, DelRule::replay(51, '1')},
      {{47, 48, 49}, DelRule::replay(51, '2')},
      {{53}, DelRule::replay(51, '4')},
      {{54, 55}, DelRule::toScreen(53)},
      {{57, 58, 59, 60, 61}, DelRule::replay(51, '5')},
      {{64, 65, 66, 67, 68}, DelRule::replay(37, '3')},
      {{70}, DelRule::replay(37, '4')},
  };
}

}  // namespace kestrom
