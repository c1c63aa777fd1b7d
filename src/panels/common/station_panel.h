#pragma once

// src/panels: the station panels. common/ holds the panel model every station
// shares: display cells, key handlers, typing and option routines
// (key_in_catalogue.h), screen shapes, ENTER store steps bound to a station side
// (station_side.h, enter_steps.h), live pages and the frequency ramp. A panel
// (mobile/, fix/) is its tables (PanelTables) on this model plus what is truly its own.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/controls.h"
#include "core/scheduler.h"
#include "core/window_model.h"
#include "panels/common/display_cell.h"
#include "panels/common/panel_tables.h"
#include "setup/context.h"

namespace kestrom {

struct SimulationState;
struct Services;

// Every key of a station panel's front plate.
// clang-format off
enum class PanelKey {
  D0, D1, D2, D3, D4, D5, D6, D7, D8, D9,
  Del, Next, Menu, Enter,
  Left, Right,  // antenna slew, act while held
  OnOff, Talk,
};
// clang-format on
// Legend of a key as the front plate prints it: "7", "DEL", "LEFT", "ON/OFF" ...
const char* keyLegend(PanelKey k);

// The model every station panel (Fix, Mobile, Beacon) shares: display cells,
// the menu position and typing state, the lock lamp and the blink timer. A panel's
// screens, key-in routines, menu keys, NEXT, DEL, ENTER and blink rows are data
// (PanelTables); the key handlers here run the steps common to all panels and look
// the current screen up in those tables.
class StationPanel : public SimulatedWindow {
 public:
  StationPanel(Context& ctx, WindowIndex index, std::string caption, int width, int height,
               int blinkIntervalMs, bool blinkRunning,
               const PanelTables& tables = PanelTables::none());

  std::array<DisplayCell, kCellCount> Cells;
  DisplayCell& cell(Cell c) { return Cells[static_cast<int>(c)]; }
  const DisplayCell& cell(Cell c) const { return Cells[static_cast<int>(c)]; }

  std::int32_t MenuState = 0;
  std::int32_t EditField = 0;
  // Characters typed (separators included) since the last ENTER. Only ENTER clears
  // it: digits typed and left by DEL or NEXT still count on the next screen or
  // field, and MENU is refused until ENTER.
  std::int32_t KeyCount = 0;

  // In-lock lamp (hint "Inlock Status LED") on its panel, hidden until lit.
  StatusLight ApdStatusLight1;
  bool Panel1Visible = false;

  Timer Timer4;  // blink of the field under edit

  // Input from the view: a click or mouse-down, and the mouse-up of the slew keys.
  void press(PanelKey key);
  void release(PanelKey key);
  // A short press with nothing held, as an assistive tool or a switch device gives
  // it. A digit or function key acts as on a click. A slew key goes down, the
  // antenna turns by one slew step and the key comes up again, so each tap turns
  // the antenna a little, the same on every machine however busy it is.
  void tap(PanelKey key);

  // Key events of the front plate.
  virtual void DigitKey(char digit);  // key-in step, then navigation step
  virtual void DelKey();
  virtual void NextKey();
  virtual void MenuKey();
  virtual void EnterKey();
  virtual void SlewKeyDown(bool right) { (void)right; }
  virtual void SlewKeyUp(bool right) { (void)right; }
  virtual void OnOffKey() { Close(); }
  virtual void TalkKey() {}

  // The blink tick.
  void Timer4Timer();

  // Writes all eight cells of screen `number` (drawn as `variant`; a cell the
  // screen does not name is emptied) and puts the panel on it.
  void enterScreen(int number, int variant = 0);
  // The screen on show drawn anew, as it is drawn when entered, from the record
  // as it is now.
  void redrawScreen() { enterScreen(MenuState, shownVariant_); }
  // Follows a menu key, a NEXT page or any other move.
  void performMove(const Move& move);
  void setAllCellsBlack();

  // Writes a text over a cell that does not belong to the screen (the setup
  // window's alarm). The screen's value stays readable under it: value() gives
  // what the cell showed before, for as long as the cell still shows the overlay,
  // so that ENTER and the slews never take the alarm's text for a setting.
  void overlay(Cell c, std::string text);
  // What a cell holds as a value of the screen.
  const std::string& value(Cell c) const;

  const PanelTables& tables() const { return tables_; }
  SimulationState& state();
  Services& services();

 protected:
  // The key-in step: the routine the tables give for MenuState.
  virtual void keyInStep(char digit);
  // The navigation step of a digit key: the menu row of MenuState.
  virtual void navigate(char digit);
  // One tick of the slew that a held slew key drives.
  virtual void SlewStep() {}
  // What ENTER stores and does on the current screen.
  virtual void enterStep();

 private:
  // The key's event, as press() hands it on after noting the screen for the log.
  void act(PanelKey key);
  // The panel's name and, on a screen ENTER stores from, what the screen holds.
  const char* logName() const;
  std::string enterText() const;

  const PanelTables& tables_;
  struct Overlay {
    std::string shown;   // the text written over the cell
    std::string before;  // the screen's text under it
  };
  std::array<std::optional<Overlay>, kCellCount> overlays_;
  int shownVariant_ = 0;  // of the screen on show
};

}  // namespace kestrom
