#include "panels/beacon/beacon_navigation.h"

#include "panels/common/quick_keys.h"
#include "panels/common/station_panel.h"

namespace kestrom {

void beaconRemoteAccess(StationPanel& panel) {
  panel.enterScreen(panelState(panel).InLock == 1 ? 37 : 85);
}

// keys[d] is where digit d leads; keys 0 and 7 never change the screen, and 8 and
// 9 act only on the OPERATE pages 2.
std::vector<MenuRow> beaconMenus() {
  const Move n;  // no move
  return {
      {0, {n, 1, 4, 29, 35, beaconRemoteAccess, 72}},
      {2, {n, n, n, n, n, n, n, n, powerKey<kBeaconSide>, rangeKey<kBeaconSide>}},
      {4, {n, 5, n, 16, 17, 22, 28}},
      {5, {n, 6, 7, 8}},
      {18, {n, 19, 20}},
      {22, {n, 23, 24, 25, 26, 27}},
      {29, {n, 30, 31, 32, 33, 34}},
      {37, {n, 38, 51, 63, 69, n, 71}},
      {39, {n, n, n, n, n, n, n, n, powerKey<kMobileSide>, rangeKey<kMobileSide>}},
      {51, {n, 42, 46, 50, 52, 56, 62}},
      {42, {n, 43, 44, 45}},
      {46, {n, 47, 48, 49}},
      {53, {n, 54, 55}},
      {56, {n, 57, 58, 59, 60, 61}},
      {63, {n, 64, 65, 66, 67, 68}},
  };
}

// NEXT moves the field on the Beacon's own multi-field pages; COMM SET-UP thereby
// chooses the field its next page starts on. On the Mobile's pages only ENTER
// moves it.
std::vector<FieldCycleRow> beaconFieldCycles() {
  return {{{8, 19}, 3}, {{16, 24, 25}, 2}, {{22, 23}, 4}};
}

// NEXT pages through these chains of screens.
std::vector<PageRow> beaconPages() {
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
      {72, 73}, {73, 74}, {74, 75}, {75, 76},
  };
  // clang-format on
}

// DEL replays the key that leads to the parent screen; the remote screens return
// through key 5 of the main menu, so that the lock decides again. DEL on the main
// menu and on the closed remote screen does nothing more.
std::vector<DelRow> beaconDelRows() {
  return {
      {{1, 2, 3, 4, 29, 35, 37, 72, 73, 74, 75, 76}, DelRule::asMenu()},
      {{5, 16, 17, 22, 28}, DelRule::replay(0, '2')},
      {{6, 7, 8}, DelRule::replay(4, '1')},
      {{18}, DelRule::replay(4, '4')},
      {{19, 20}, DelRule::toScreen(18)},
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
