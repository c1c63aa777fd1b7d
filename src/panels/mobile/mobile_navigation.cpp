#include "panels/mobile/mobile_navigation.h"

#include <string>

#include "panels/common/quick_keys.h"
#include "panels/common/station_panel.h"
#include "panels/mobile/mobile_screens.h"
#include "setup/status_lines.h"

namespace kestrom {

void remoteAccess(StationPanel& panel) {
  const SimulationState& s = panelState(panel);
  Color lamp = panel.ApdStatusLight1.LitColor;
  CounterKind kind = s.CounterStationKind;
  bool mk4Fix = kind == CounterKind::Mk4Fix && s.MobileUnitRole != text::AsMk3M;
  bool mk4Beacon = kind == CounterKind::Mk4Beacon;
  if (lamp == clLime && (mk4Fix || mk4Beacon)) panel.enterScreen(36);
  if (lamp == clRed || isMk3(kind)) panel.enterScreen(80);
}

namespace {

// Key 1 of MODIFY MOBILE: the station page with the shuttle tanker software.
void modifyFirstPage(StationPanel& panel) {
  panel.enterScreen(panelState(panel).ShuttleTankerSoftware ? 85 : 6);
}

// OPERATE page keys 8 (transmit power) and 9 (transmit range) of the Mobile's
// own page 2 and the remote page 38; a Mk 3 counter station follows the Mobile's
// range.
void mobileRangeKey(StationPanel& panel) {
  if (!quickRangeKey(panel, kMobileSide)) return;
  SimulationState& s = panelState(panel);
  if (!isMk3(s.CounterStationKind)) return;
  s.CounterXmitRange = s.MobileXmitRange;
  setStatusChars(kCounterSide.line2(s), statuspos::RangeLetter,
                 s.MobileXmitRange == text::Long ? "L" : "S");
}

}  // namespace

// keys[d] is where digit d leads; a digit a menu does not list does nothing.
std::vector<MenuRow> mobileMenus() {
  const Move none;
  return {
      {0, {none, 1, 5, 28, 34, remoteAccess, 72}},
      {5, {none, modifyFirstPage, 10, 16, 17, 21, 27}},
      {6, {none, 7, 8, 9}},
      {10, {none, 11, 12, 14, 15}},
      {18, {none, 19, 20}},
      {21, {none, 22, 23, 24, 25, 26}},
      {28, {none, 29, 30, 31, 32, 33}},
      {2, {none, none, none, none, none, none, none, none, powerKey<kMobileSide>, mobileRangeKey}},
      {36, {none, 37, 40, 63, 69, none, 71}},
      {38,
       {none, none, none, none, none, none, none, none, powerKey<kCounterSide>,
        rangeKey<kCounterSide>}},
      {40, {none, 41, 45, 50, 51, 56, 62}},
      {41, {none, 42, 43, 44}},
      {45, {none, 46, 47, 48, 49}},
      {52, {none, 53, 54, 55}},
      {56, {none, 57, 58, 59, 60, 61}},
      {63, {none, 64, 65, 66, 67, 68}},
  };
}

// NEXT moves the field on the Mobile's own multi-field pages; on the counter
// station's twins only ENTER moves it.
std::vector<FieldCycleRow> mobileFieldCycles() {
  return {{{8, 19}, 3}, {{9, 14, 16, 24, 25}, 2}, {{22, 23}, 4}};
}

// NEXT pages through these chains of screens.
std::vector<PageRow> mobilePages() {
  // clang-format off
  return {
      {1, 2}, {2, 3}, {3, 4}, {4, {1, kDrawnAgain}},
      {17, 18},
      {29, 30}, {30, 31}, {31, 32}, {32, 33}, {33, 28},
      {34, 35},
      {37, 38}, {38, 39}, {39, {37, kDrawnAgain}},
      {51, 52},
      {64, 65}, {65, 66}, {66, 67}, {67, 68}, {68, 63},
      {69, 70},
      {72, 73}, {73, 74}, {74, 75}, {75, 76}, {76, 77}, {77, 78},
      {85, 6},
  };
  // clang-format on
}

// DEL goes to the parent screen by replaying the key that leads there. DEL on the
// main menu, on the blank remote screen and on screens without a row does nothing
// more.
std::vector<DelRow> mobileDelRows() {
  return {
      {{1, 2, 3, 4, 5, 28, 34, 36, 72, 73, 74, 75, 76, 77, 78}, DelRule::asMenu()},
      {{6, 10, 16, 17, 21, 27, 85}, DelRule::replay(0, '2')},
      {{7, 8, 9}, DelRule::replay(5, '1')},
      {{11, 12, 13, 14, 15}, DelRule::replay(5, '2')},
      {{18}, DelRule::replay(5, '4')},
      {{19, 20}, DelRule::toScreen(18)},
      {{22, 23, 24, 25, 26}, DelRule::replay(5, '5')},
      {{29, 30, 31, 32, 33}, DelRule::replay(0, '3')},
      {{35}, DelRule::replay(0, '4')},
      {{37, 38, 39, 40, 63, 69, 71}, DelRule::replay(0, '5')},
      {{41, 45, 50, 51, 56, 62}, DelRule::replay(36, '2')},
      {{42, 43, 44}, DelRule::replay(40, '1')},
      {{46, 47, 48, 49}, DelRule::replay(40, '2')},
      {{52}, DelRule::replay(40, '4')},
      {{53, 54, 55}, DelRule::toScreen(52)},
      {{57, 58, 59, 60, 61}, DelRule::replay(40, '5')},
      {{64, 65, 66, 67, 68}, DelRule::replay(36, '3')},
      {{70}, DelRule::replay(36, '4')},
  };
}

}  // namespace kestrom
