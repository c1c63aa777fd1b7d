#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/controls.h"
#include "core/scheduler.h"
#include "core/window_model.h"
#include "setup/context.h"
#include "setup/serial_output.h"
#include "setup/simulation_state.h"

namespace kestrom {

// The setup window: the main window with the menu bar, the scenario settings,
// the reset of the shared record and the alarms. Its right-hand half is the
// serial output (SerialOutput).
class Tmenumain : public SimulatedWindow {
 public:
  explicit Tmenumain(Context& ctx);

  // Counter station radio buttons: 4 Mk 4 fix, 2 Mk 3 fix, 3 Mk 4 beacon, 1 Mk 3 beacon.
  CheckBox RadioButton1, RadioButton2, RadioButton3, RadioButton4;
  ComboBox ComboBox3;  // Mk 3 "Addr."
  Edit MaskEdit2;      // Mk 3 "Freq."
  ComboBox ComboBox5;  // Mk 3 "Mob."
  CheckBox CheckBox2;  // "Shuttle Tanker Software"
  Edit MaskEdit1;      // "Range to station", five digits
  ComboBox ComboBox1;  // "Sector"
  ComboBox ComboBox2;  // "Level"

  MenuItem Exit1, Setup1, SimulationParameters1, ResetParameters1, Alarms1, AzimuthFrozenAlarm1,
      LowBatteryAlarm1, AcceptAlarm1, ABU1, Fix1, Mobile1, Beacon1, AlignmentFixStation1, View1,
      Azimuthwindow1, DistanceAdjust1, FixAIDDisplay1, ConfigView1, Status1, History1, Help1,
      About1, Manual1;

  Timer Timer2;  // alarm
  Timer Timer3;  // arms the alarm while in lock
  Timer Timer5;  // closes the prescreen once

  SerialOutput Serial;  // right-hand half

  // Window size in the two modes. The height counts the menu bar and the frame,
  // so kMenuHeight shows the menu bar alone.
  static constexpr int kMenuWidth = 200;
  static constexpr int kTelegramWidth = 400;
  static constexpr int kMenuHeight = 45;
  static constexpr int kSetupHeight = 487;

  // Simulation level 1..3 as the level list shows it.
  int Level() const;
  // The five range digits, as the panels read them (Serial reads MaskEdit1 itself).
  const std::string& RangeDigits() const { return MaskEdit1.Text; }

  // The panels' tracking timers, stopped while the scenario is edited and started
  // again by "Exit Setup". Each panel registers its tracking timer when created.
  void registerTrackingTimer(Timer& timer) { trackingTimers_.push_back(&timer); }

  // Called when the window closes, which ends the program.
  std::function<void()> onQuit;

  // Reset of the shared record and the window's reset state; runs at creation.
  void FormCreate();
  void FormShow() override;
  void FormClose() override;
  // The window became the active one: back to the bare menu bar.
  void FormActivate();

  // Counter station choice.
  void RadioButton4Click();  // Kestrom Mk 4 Fix Station
  void RadioButton2Click();  // Kestrom Mk 3 Fix Station
  void RadioButton3Click();  // Kestrom Mk 4 Beacon
  void RadioButton1Click();  // Kestrom Mk 3 Beacon

  // Mk 3 settings, shuttle tanker software.
  void ComboBox3Change(int index);
  // Mk 3 "Freq.": typing keeps digits only, at most four, and stores nothing yet;
  // returns false and keeps the old text otherwise, or while the edit is disabled.
  bool MaskEdit2Change(const std::string& text);
  // The entry ends: four digits naming a frequency from 9200 to 9399 become
  // CounterFreq. Anything else is refused with a message; CounterFreq keeps its
  // value and the edit shows it again.
  void MaskEdit2Exit();
  void ComboBox5Change(int index);
  void CheckBox2Click(bool checked);

  // Range to the station: digits only, at most five, while typing; when editing
  // ends a shorter entry is padded with zeros on the left. Returns false (and keeps
  // the old text) for anything but digits.
  bool MaskEdit1Change(const std::string& text);
  void MaskEdit1Exit();

  void ComboBox1Change(int index);  // sector
  void ComboBox2Change(int index);  // level

  void BitBtn1Click();  // "Exit Setup"
  void BitBtn2Click();  // "Setup Telegrams"

  // Menu commands.
  void Exit1Click();
  void SimulationParameters1Click();
  void ResetParameters1Click();
  void AzimuthFrozenAlarm1Click();
  void LowBatteryAlarm1Click();
  void AcceptAlarm1Click();
  void Fix1Click();
  void Mobile1Click();
  void Beacon1Click();
  void AlignmentFixStation1Click();
  void Azimuthwindow1Click();
  void DistanceAdjust1Click();
  void FixAIDDisplay1Click();
  void ConfigView1Click();
  void History1Click();
  void About1Click();
  void Manual1Click();

  void Timer2Timer();
  void Timer3Timer();
  void Timer5Timer();

  // The menu bar as data: one row per menu or item, in menu order.
  struct MenuEntry {
    MenuItem Tmenumain::*item;
    const char* name;            // component name
    const char* caption;         // with the & of its access key
    const char* shortcut;        // "Ctrl+E", or "" for none
    const char* hint;            // status tip, or ""
    int depth;                   // 0 the menu bar, 1 a menu's item, 2 a submenu's item
    bool checkable;              // shows a check mark
    void (Tmenumain::*click)();  // nullptr: opens its items, or does nothing
  };
  static const std::vector<MenuEntry>& menuTable();

 private:
  WindowModel& window(WindowIndex index) { return ctx_.links().window(index); }
  void drawSectorAzimuthAtReset();
  void resetAfterStart();
  void applyCounterStation(CounterKind kind);
  void chooseCounterStation(CheckBox& button, CounterKind kind);
  void setTrackingTimers(bool on);
  CounterKind checkedCounterStation() const;

  std::vector<Timer*> trackingTimers_;
};

}  // namespace kestrom
