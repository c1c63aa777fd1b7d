#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/controls.h"
#include "core/scheduler.h"
#include "core/seams.h"
#include "setup/network_output.h"

namespace kestrom {

class Context;

// The setup window's right-hand half: serial port, line settings, telegram type
// and rate, the two output switches, the telegram timer and, beside the serial
// port, the network output. The timer runs while the serial output or a network
// channel is on; each tick builds one telegram for all of them.
//
// The lists show a selection (ItemIndex) that the Mobile panel may change; the
// port and the telegram type use what the operator last chose in the lists
// themselves, kept apart from ItemIndex.
class SerialOutput {
 public:
  // `rangeToStation` is the setup window's "Range to station" edit, whose digits
  // give every telegram its distance.
  SerialOutput(Context& ctx, int timerOrder, const Edit& rangeToStation);
  ~SerialOutput();
  SerialOutput(const SerialOutput&) = delete;
  SerialOutput& operator=(const SerialOutput&) = delete;

  static constexpr const char* kNotAvailable = "This Com port is not Available.";

  // " Communications Setup "
  ComboBox coms;      // "COM PORT 1" .. "COM PORT 12"
  ComboBox baudrate;  // "1200 Baud" .. "9600 Baud"
  ComboBox databits;  // "7 Data Bits", "8 Data Bits"
  ComboBox parity;    // "No Parity", "Even Parity", "Odd Parity"
  ComboBox stopbits;  // "1 Stop Bit", "2 Stop Bits"
  // " Per. Output Telegrams "
  ComboBox updaterate;     // 1, 2 or 4 telegrams per second
  ComboBox telegrams;      // the six telegram types
  Label TransmittingText;  // under "Transmitting :"
  // " Peripheral Output "
  CheckBox comport;    // "Serial Output On"
  CheckBox CheckBox1;  // "Output Controled by Sim."

  Timer Timer4;  // telegram sender
  // " Network Output "
  NetworkOutput Network;

  // Operator input. A list change carries the index chosen; a box click carries the
  // box's new state. Input to a disabled control, or an index outside the list,
  // is ignored.
  void comsChange(int index);
  void baudrateChange(int index);
  void databitsChange(int index);
  void parityChange(int index);
  void stopbitsChange(int index);
  void updaterateChange(int index);
  void telegramsChange(int index);
  void comportClick(bool checked);
  void CheckBox1Click(bool checked);

  void Timer4Timer();

  // The Mobile panel's ENTER on its own PER. CONNECTION page: while "Output
  // Controled by Sim." is ticked, the baud rate, data bits, parity and stop bits
  // lists show the settings the page showed ("9600", "BITS : 8 - 0",
  // "STOP : 1    "). A text that is not one of the page's options leaves its list
  // as it is. Only the lists' selections change, not the port.
  void followMobilePerConnection(const std::string& sendBaud, const std::string& bits,
                                 const std::string& stop);
  // The Mobile panel's ENTER on its PER. TELEGRAMS page: the telegram list shows
  // the out telegram the page showed ("BCD(.001)        " selects "BCD(0.001)").
  // Only the list's selection changes, not the telegram type sent.
  void followMobileOutTelegram(const std::string& outTelegram);

  // What the port uses: "COM PORT n" and its line settings.
  int portNumber() const { return portNumber_; }
  const SerialSettings& lineSettings() const { return settings_; }
  // True while telegrams go out: the port is open and the telegram timer runs.
  bool Sending() const;

  // A port that fails while output runs is switched off inside the failing event,
  // which may be a timer tick, so its message is not shown there: it waits here
  // until the view shows it. onMessagePending is called each time one is left.
  std::optional<std::string> takePendingMessage();
  bool hasPendingMessage() const { return pending_.has_value(); }
  std::function<void()> onMessagePending;

 private:
  SerialPort& port() const;
  bool outputRunning() const { return serialOn_; }
  // Runs the telegram timer while any output is on (a running timer keeps its phase).
  void updateTimer();
  // Opens the port and starts the timer; false (port closed, timer stopped) on failure.
  bool startOutput();
  void stopOutput();
  // The switch-off steps of each box, run when the box is cleared by any means.
  void comportOff();
  void CheckBox1Off();
  // Clears both boxes with their switch-off steps: port closed, timer stopped,
  // lists unlocked.
  void switchOff();
  // An open that failed inside an operator event: switch off and say so.
  void openFailed();
  // The open port failed by itself (device gone, write refused).
  void portFailed();
  // Hands changed line settings to the port; an open port that refuses them fails.
  void applySettings();
  void writeMobilePerBits();

  Context& ctx_;
  const Edit& rangeToStation_;
  int portNumber_ = 1;
  SerialSettings settings_;
  std::optional<std::string> pending_;
  bool serialOn_ = false;  // a box switched the serial output on and the port opened
};

}  // namespace kestrom
