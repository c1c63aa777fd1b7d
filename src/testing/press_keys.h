#pragma once

#include <string>

#include "panels/common/station_panel.h"

namespace kestrom::testing {

// Presses the keys of a panel in turn: digits, D (DEL), N (NEXT), M (MENU), E (ENTER).
inline void pressKeys(StationPanel& panel, const std::string& keys) {
  for (char k : keys) {
    switch (k) {
      case 'D':
        panel.press(PanelKey::Del);
        break;
      case 'N':
        panel.press(PanelKey::Next);
        break;
      case 'M':
        panel.press(PanelKey::Menu);
        break;
      case 'E':
        panel.press(PanelKey::Enter);
        break;
      default:
        panel.press(static_cast<PanelKey>(k - '0'));
        break;
    }
  }
}

}  // namespace kestrom::testing
