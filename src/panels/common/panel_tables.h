#pragma once

#include <functional>
#include <vector>

#include "panels/common/blink.h"
#include "panels/common/enter_steps.h"
#include "panels/common/key_in.h"
#include "panels/common/screen.h"

namespace kestrom {

class StationPanel;

// A step of a panel written as a function, for the rows that are not plain data.
using PanelAction = std::function<void(StationPanel&)>;

// A member function of a panel class as a PanelAction.
template <class P, void (P::*M)()>
void memberAction(StationPanel& panel) {
  (static_cast<P&>(panel).*M)();
}

// Where a key leads: nowhere, to a screen (and its drawing variant), or to an
// action that decides for itself (a lamp test, a setting that picks the page).
struct Move {
  int screen = -1;
  int variant = 0;
  PanelAction action = nullptr;

  Move() = default;
  Move(int screenNumber, int drawVariant = 0) : screen(screenNumber), variant(drawVariant) {}
  Move(PanelAction a) : action(std::move(a)) {}
  Move(void (*a)(StationPanel&)) : action(a) {}
  bool none() const { return screen < 0 && !action; }
};

// The digit keys of a menu screen: keys[d] is where digit d leads.
struct MenuRow {
  int screen;
  std::vector<Move> keys;
};

// NEXT first moves EditField on these screens: +1, back to 0 after the last field.
struct FieldCycleRow {
  std::vector<int> screens;
  int fieldCount;
};

// NEXT then pages from `screen`.
struct PageRow {
  int screen;
  Move next;
};

// Where DEL goes back to: either what MENU does, or the screen above the one to
// return to and the digit key that leads from there, which the panel replays so
// that the returned-to screen is drawn afresh by its own rules. A screen that no
// digit key leads to (a page reached by NEXT) is returned to directly.
struct DelRule {
  enum class Kind { AsMenu, Replay, Screen } kind = Kind::Replay;
  int parent = 0;
  char key = '0';

  static DelRule asMenu() { return {Kind::AsMenu, 0, '0'}; }
  static DelRule replay(int parentScreen, char digit) {
    return {Kind::Replay, parentScreen, digit};
  }
  static DelRule toScreen(int screen) { return {Kind::Screen, screen, '0'}; }
};

struct DelRow {
  std::vector<int> screens;
  DelRule rule;
};

// What ENTER stores and does on these screens: its steps in order, until one
// finds a value it cannot read.
struct EnterRow {
  std::vector<int> screens;
  std::vector<EnterStep> steps;
};

// Everything that makes one panel's menu tree, as data.
struct PanelTables {
  std::vector<Screen> screens;
  std::vector<KeyInBinding> keyIn;
  KeyInStyle keyInStyle;
  std::vector<MenuRow> menus;
  std::vector<FieldCycleRow> fieldCycles;
  std::vector<PageRow> pages;
  std::vector<DelRow> del;
  std::vector<EnterRow> enter;
  std::vector<BlinkRow> blink;
  // NEXT sets all eight cells black before it moves anything.
  bool nextBlackensCells = false;

  const Screen* findScreen(int number, int variant = 0) const;
  const KeyInRoutine* findKeyIn(int menuState) const;
  Move findMenuKey(int menuState, char digit) const;
  const FieldCycleRow* findFieldCycle(int menuState) const;
  Move findPage(int menuState) const;
  const DelRule* findDel(int menuState) const;
  const EnterRow* findEnter(int menuState) const;

  // A panel with no screens of its own.
  static const PanelTables& none();
};

}  // namespace kestrom
