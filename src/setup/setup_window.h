#pragma once

#include <string>
#include <vector>

#include "app/controls.h"
#include "app/window_model.h"
#include "platform/scheduler.h"
#include "setup/serial_output.h"

namespace kestrom {

// The setup window: the main window with the menu bar, the scenario settings,
// the reset of the shared record and the alarms. Its right-hand half is the
// serial output (SerialOutput).
class Tmenumain : public WindowModel {
 public:
  explicit Tmenumain(Simulator& sim);

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

  // Simulation level 1..3 as the level list shows it.
  int Level() const;
  // The five range digits, as the telegram sender and the panels read them.
  const std::string& RangeDigits() const { return MaskEdit1.Text; }

  // The panels' tracking timers, stopped while the scenario is edited and started
  // again by "Exit Setup". Each panel registers its tracking timer when created.
  void registerTrackingTimer(Timer& timer) { trackingTimers_.push_back(&timer); }

 private:
  std::vector<Timer*> trackingTimers_;
};

}  // namespace kestrom
