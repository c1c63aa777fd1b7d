#include "panels/fix/fix_navigation.h"

namespace kestrom {

// keys[d] is where digit d leads; keys 0 and 7 never change the screen.
std::vector<MenuRow> fixMenus() {
  const Move none;
  return {
      {0, {none, none, 4}},
      {4, {none, 5}},
      {5, {none, 6, 7, 8}},
  };
}

std::vector<FieldCycleRow> fixFieldCycles() {
  return {{{8}, 3}};
}

// NEXT pages through these chains of screens.
std::vector<PageRow> fixPages() {
  return {};
}

// DEL replays the key that leads to the parent screen. DEL on screens without a
// row (the main menu among them) does nothing more.
std::vector<DelRow> fixDelRows() {
  return {
      {{4}, DelRule::asMenu()},
      {{5}, DelRule::replay(0, '2')},
      {{6, 7, 8}, DelRule::replay(4, '1')},
  };
}

}  // namespace kestrom
