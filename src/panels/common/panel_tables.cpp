#include "panels/common/panel_tables.h"

#include <algorithm>

namespace kestrom {
namespace {

bool lists(const std::vector<int>& screens, int n) {
  return std::find(screens.begin(), screens.end(), n) != screens.end();
}

}  // namespace

const Screen* PanelTables::findScreen(int number, int variant) const {
  for (const Screen& s : screens) {
    if (s.number == number && s.variant == variant) return &s;
  }
  return nullptr;
}

const KeyInRoutine* PanelTables::findKeyIn(int menuState) const {
  for (const KeyInBinding& b : keyIn) {
    if (lists(b.screens, menuState)) return &b.routine;
  }
  return nullptr;
}

Move PanelTables::findMenuKey(int menuState, char digit) const {
  int d = digit - '0';
  for (const MenuRow& m : menus) {
    if (m.screen != menuState) continue;
    if (d >= 0 && d < static_cast<int>(m.keys.size())) return m.keys[d];
    return {};
  }
  return {};
}

const FieldCycleRow* PanelTables::findFieldCycle(int menuState) const {
  for (const FieldCycleRow& f : fieldCycles) {
    if (lists(f.screens, menuState)) return &f;
  }
  return nullptr;
}

Move PanelTables::findPage(int menuState) const {
  for (const PageRow& p : pages) {
    if (p.screen == menuState) return p.next;
  }
  return {};
}

const DelRule* PanelTables::findDel(int menuState) const {
  for (const DelRow& r : del) {
    if (lists(r.screens, menuState)) return &r.rule;
  }
  return nullptr;
}

const EnterRow* PanelTables::findEnter(int menuState) const {
  for (const EnterRow& r : enter) {
    if (lists(r.screens, menuState)) return &r;
  }
  return nullptr;
}

const PanelTables& PanelTables::none() {
  static const PanelTables tables;
  return tables;
}

}  // namespace kestrom
