#include "panels/common/station_panel.h"

namespace kestrom {

const char* cellName(Cell c) {
  static constexpr const char* names[kCellCount] = {"1L", "2L", "3L", "4L",
                                                    "1R", "2R", "3R", "4R"};
  return names[static_cast<int>(c)];
}

const char* keyLegend(PanelKey k) {
  switch (k) {
    case PanelKey::D0: return "0";
    case PanelKey::D1: return "1";
    case PanelKey::D2: return "2";
    case PanelKey::D3: return "3";
    case PanelKey::D4: return "4";
    case PanelKey::D5: return "5";
    case PanelKey::D6: return "6";
    case PanelKey::D7: return "7";
    case PanelKey::D8: return "8";
    case PanelKey::D9: return "9";
    case PanelKey::Del: return "DEL";
    case PanelKey::Next: return "NEXT";
    case PanelKey::Menu: return "MENU";
    case PanelKey::Enter: return "ENTER";
    case PanelKey::Left: return "LEFT";
    case PanelKey::Right: return "RIGHT";
    case PanelKey::OnOff: return "ON/OFF";
    case PanelKey::Talk: return "TALK";
  }
  return "";
}

StationPanel::StationPanel(Simulator& sim, WindowIndex index, std::string caption, int width,
                           int height, int blinkIntervalMs, bool blinkRunning)
    : WindowModel(sim, index, std::move(caption), width, height),
      Timer4(scheduler(), timerOrder(4), blinkIntervalMs, blinkRunning) {}

void StationPanel::press(PanelKey key) {
  switch (key) {
    case PanelKey::Del: DelKey(); break;
    case PanelKey::Next: NextKey(); break;
    case PanelKey::Menu: MenuKey(); break;
    case PanelKey::Enter: EnterKey(); break;
    case PanelKey::Left: SlewKeyDown(false); break;
    case PanelKey::Right: SlewKeyDown(true); break;
    case PanelKey::OnOff: OnOffKey(); break;
    case PanelKey::Talk: TalkKey(); break;
    default: DigitKey(static_cast<char>('0' + static_cast<int>(key))); break;
  }
}

void StationPanel::release(PanelKey key) {
  if (key == PanelKey::Left) SlewKeyUp(false);
  if (key == PanelKey::Right) SlewKeyUp(true);
}

}  // namespace kestrom
