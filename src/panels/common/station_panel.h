#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/controls.h"
#include "app/window_model.h"
#include "platform/scheduler.h"

namespace kestrom {

// The eight display cells of a station panel: four lines, a left and a right cell
// each. Label6..Label9 are the left cells of lines 1..4, Label10..Label13 the right.
enum class Cell : int { L1 = 0, L2, L3, L4, R1, R2, R3, R4 };
inline constexpr int kCellCount = 8;
// "1L" ... "4R"
const char* cellName(Cell c);

struct DisplayCell {
  std::string Caption;
  Color FontColor = clBlack;
};

// Every key of a station panel's front plate.
enum class PanelKey {
  D0, D1, D2, D3, D4, D5, D6, D7, D8, D9,
  Del, Next, Menu, Enter,
  Left, Right,  // antenna slew, act while held
  OnOff, Talk,
};
// Legend of a key as the front plate prints it: "7", "DEL", "LEFT", "ON/OFF" ...
const char* keyLegend(PanelKey k);

// The model every station panel (Fix, Mobile, Beacon) shares: display cells,
// the menu position and typing state, the lock lamp and the blink timer.
class StationPanel : public WindowModel {
 public:
  StationPanel(Simulator& sim, WindowIndex index, std::string caption, int width, int height,
               int blinkIntervalMs, bool blinkRunning);

  std::array<DisplayCell, kCellCount> Cells;
  DisplayCell& cell(Cell c) { return Cells[static_cast<int>(c)]; }
  const DisplayCell& cell(Cell c) const { return Cells[static_cast<int>(c)]; }

  std::int32_t MenuState = 0;
  std::int32_t EditField = 0;
  std::int32_t KeyCount = 0;

  // In-lock lamp (hint "Inlock Status LED") on its panel, hidden until lit.
  StatusLight ApdStatusLight1;
  bool Panel1Visible = false;

  Timer Timer4;  // blink of the field under edit

  // Input from the view: a click or mouse-down, and the mouse-up of the slew keys.
  void press(PanelKey key);
  void release(PanelKey key);

  // Key events of the front plate.
  virtual void DigitKey(char digit) { (void)digit; }
  virtual void DelKey() {}
  virtual void NextKey() {}
  virtual void MenuKey() {}
  virtual void EnterKey() {}
  virtual void SlewKeyDown(bool right) { (void)right; }
  virtual void SlewKeyUp(bool right) { (void)right; }
  virtual void OnOffKey() { Close(); }
  virtual void TalkKey() {}
};

}  // namespace kestrom
