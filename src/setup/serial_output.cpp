#include "setup/serial_output.h"

#include <string_view>

#include "core/trim.h"
#include "setup/context.h"
#include "setup/distance_draw.h"
#include "setup/telegrams.h"

namespace kestrom {

namespace {

constexpr int kBaudRates[] = {1200, 2400, 4800, 9600};
constexpr const char* kBaudTexts[] = {"1200", "2400", "4800", "9600"};
constexpr int kUpdateIntervals[] = {1000, 500, 250};
constexpr char kParityLetters[] = {'N', 'E', 'O'};
constexpr Parity kParities[] = {Parity::None, Parity::Even, Parity::Odd};

bool validIndex(const ComboBox& box, int index) {
  return index >= 0 && index < static_cast<int>(box.Items.size());
}

// Where a Mobile PER. CONNECTION bits text puts the data bits and parity lists.
struct BitsChoice {
  const char* text;
  int databits;
  int parity;
};
// The panels' own cycle shows odd parity with 8 bits as "8 - 0" (digit zero); the
// setup window writes "8 - O". Both mean the same choice.
constexpr BitsChoice kBitsChoices[] = {
    {"BITS : 8 - N", 1, 0}, {"BITS : 8 - E", 1, 1}, {"BITS : 8 - 0", 1, 2}, {"BITS : 8 - O", 1, 2},
    {"BITS : 7 - N", 0, 0}, {"BITS : 7 - E", 0, 1}, {"BITS : 7 - O", 0, 2}, {"BITS : 7 - 0", 0, 2},
};

// Mobile out telegram texts (trailing blanks aside) and the telegram list item.
struct OutTelegramChoice {
  const char* text;
  int item;
};
constexpr OutTelegramChoice kOutTelegramChoices[] = {
    {"BCD(.001)", 4},   {"BCD(.01)", 3}, {"BCD(ADB)", 5}, {"KA-BCD(.001)", 4}, {"KA-BCD(.01)", 3},
    {"KA-BCD(ADB)", 5}, {"ASCII 16", 0}, {"ASCII 17", 1}, {"ASCII 22", 2},
};

}  // namespace

SerialOutput::SerialOutput(Context& ctx, int timerOrder, const Edit& rangeToStation)
    : Timer4(ctx.scheduler(), timerOrder, 250, false, [this] { Timer4Timer(); }),
      Network(ctx, [this] { updateTimer(); }),
      ctx_(ctx),
      rangeToStation_(rangeToStation) {
  for (int n = 1; n <= 12; ++n) coms.Items.push_back("COM PORT " + std::to_string(n));
  coms.ItemIndex = 0;
  baudrate.Items = {"1200 Baud", "2400 Baud", "4800 Baud", "9600 Baud"};
  baudrate.ItemIndex = 3;
  databits.Items = {"7 Data Bits", "8 Data Bits"};
  databits.ItemIndex = 1;
  parity.Items = {"No Parity", "Even Parity", "Odd Parity"};
  parity.ItemIndex = 0;
  stopbits.Items = {"1 Stop Bit", "2 Stop Bits"};
  stopbits.ItemIndex = 0;
  updaterate.Items = {"1 Telegram per Sec.", "2 Telegrams per Sec.", "4 Telegrams per Sec."};
  updaterate.ItemIndex = 2;
  for (int type = 1; type <= telegram::kTypeCount; ++type) {
    telegrams.Items.push_back(telegram::listText(type));
  }
  telegrams.ItemIndex = telegram::Bcd001 - 1;
  TransmittingText.Caption = telegram::transmittingText(telegram::Bcd001);
  port().onFailure = [this] { portFailed(); };
}

SerialOutput::~SerialOutput() {
  port().onFailure = nullptr;
  port().close();
}

SerialPort& SerialOutput::port() const {
  return ctx_.services().serial;
}

bool SerialOutput::Sending() const {
  return serialOn_ && port().isOpen() && Timer4.Enabled();
}

void SerialOutput::updateTimer() {
  Timer4.setEnabled(serialOn_ || Network.running());
}

std::optional<std::string> SerialOutput::takePendingMessage() {
  std::optional<std::string> message;
  message.swap(pending_);
  return message;
}

// ---- Lists -------------------------------------------------------------------

void SerialOutput::comsChange(int index) {
  if (!coms.Enabled || !validIndex(coms, index)) return;
  coms.ItemIndex = index;
  if (portNumber_ == index + 1) return;
  portNumber_ = index + 1;
  if (!port().isOpen()) return;  // used at the next open
  port().close();
  if (!port().open(portNumber_, settings_)) openFailed();
}

void SerialOutput::baudrateChange(int index) {
  if (!baudrate.Enabled || !validIndex(baudrate, index)) return;
  baudrate.ItemIndex = index;
  settings_.baudRate = kBaudRates[index];
  ctx_.state().MobilePerSendBaud = kBaudTexts[index];
  applySettings();
}

void SerialOutput::databitsChange(int index) {
  if (!databits.Enabled || !validIndex(databits, index)) return;
  databits.ItemIndex = index;
  settings_.dataBits = index == 0 ? 7 : 8;
  writeMobilePerBits();
  applySettings();
}

void SerialOutput::parityChange(int index) {
  if (!parity.Enabled || !validIndex(parity, index)) return;
  parity.ItemIndex = index;
  settings_.parity = kParities[index];
  writeMobilePerBits();
  applySettings();
}

void SerialOutput::stopbitsChange(int index) {
  if (!stopbits.Enabled || !validIndex(stopbits, index)) return;
  stopbits.ItemIndex = index;
  settings_.stopBits = index + 1;
  ctx_.state().MobilePerStop = index == 0 ? "STOP : 1    " : "STOP : 2    ";
  applySettings();
}

void SerialOutput::updaterateChange(int index) {
  if (!updaterate.Enabled || !validIndex(updaterate, index)) return;
  updaterate.ItemIndex = index;
  Timer4.setInterval(kUpdateIntervals[index]);  // counts from now, running or not
}

void SerialOutput::telegramsChange(int index) {
  if (!telegrams.Enabled || !validIndex(telegrams, index)) return;
  telegrams.ItemIndex = index;
  ctx_.state().OutputTelegramType = index + 1;
  TransmittingText.Caption = telegram::transmittingText(index + 1);
}

// The text reads both lists as they show now.
void SerialOutput::writeMobilePerBits() {
  const char bits = databits.ItemIndex == 0 ? '7' : '8';
  const char letter = validIndex(parity, parity.ItemIndex) ? kParityLetters[parity.ItemIndex] : 'N';
  ctx_.state().MobilePerBits = std::string("BITS : ") + bits + " - " + letter;
}

void SerialOutput::applySettings() {
  if (port().isOpen() && !port().apply(settings_)) openFailed();
}

// ---- Output switches -----------------------------------------------------------

void SerialOutput::comportClick(bool checked) {
  if (!comport.Enabled || checked == comport.Checked) return;
  comport.Checked = checked;
  if (!checked) {
    comportOff();
    return;
  }
  CheckBox1.Enabled = false;
  if (!startOutput()) openFailed();
}

void SerialOutput::comportOff() {
  CheckBox1.Enabled = true;
  stopOutput();
}

void SerialOutput::CheckBox1Click(bool checked) {
  if (!CheckBox1.Enabled || checked == CheckBox1.Checked) return;
  CheckBox1.Checked = checked;
  if (!checked) {
    CheckBox1Off();
    return;
  }
  comport.Enabled = false;
  baudrate.Enabled = databits.Enabled = parity.Enabled = stopbits.Enabled = telegrams.Enabled =
      false;
  if (!startOutput()) openFailed();
}

void SerialOutput::CheckBox1Off() {
  comport.Enabled = true;
  stopOutput();
  baudrate.Enabled = databits.Enabled = parity.Enabled = stopbits.Enabled = telegrams.Enabled =
      true;
}

bool SerialOutput::startOutput() {
  serialOn_ = port().open(portNumber_, settings_);
  if (!serialOn_) port().close();
  updateTimer();
  ctx_.services().log().output("Serial", serialOn_);
  return serialOn_;
}

void SerialOutput::stopOutput() {
  port().close();
  serialOn_ = false;
  updateTimer();
  ctx_.services().log().output("Serial", false);
}

// Whichever box switched the output on is cleared with its switch-off steps, so
// no box stays ticked while nothing is sent and ticking it again retries.
void SerialOutput::switchOff() {
  stopOutput();
  if (comport.Checked) {
    comport.Checked = false;
    comportOff();
  }
  if (CheckBox1.Checked) {
    CheckBox1.Checked = false;
    CheckBox1Off();
  }
}

void SerialOutput::openFailed() {
  switchOff();
  ctx_.services().dialogs.error(kNotAvailable);
}

void SerialOutput::portFailed() {
  if (!outputRunning() && !port().isOpen()) return;  // already switched off
  switchOff();
  pending_ = kNotAvailable;
  if (onMessagePending) onMessagePending();
}

// ---- Telegram timer ------------------------------------------------------------

void SerialOutput::Timer4Timer() {
  SimulationState& st = ctx_.state();
  const std::optional<Extended> distance =
      drawDistance(st, rangeToStation_.Text, ctx_.services().random);
  if (!distance) return;  // no distance to send: skip this slot quietly
  st.Distance = *distance;

  telegram::Input in;
  in.type = st.OutputTelegramType;
  in.inLock = st.MobileLampLime;
  in.distance = st.Distance;
  in.fixAzimuth = st.FixAzimuth;
  in.antennaBearing = st.AntennaBearing;
  in.mobileUnitRole = st.MobileUnitRole;
  const std::string bytes = telegram::build(in);
  if (serialOn_) {
    // The serial output is on only while the port is open: a port found closed
    // has failed.
    const bool failed = !port().isOpen() || (!bytes.empty() && !port().write(bytes));
    if (failed) portFailed();
  }
  Network.send(bytes);
}

// ---- The Mobile panel's ENTER ----------------------------------------------------

void SerialOutput::followMobilePerConnection(const std::string& sendBaud, const std::string& bits,
                                             const std::string& stop) {
  if (!CheckBox1.Checked) return;
  for (int i = 0; i < 4; ++i) {
    if (trimSpaces(sendBaud) == kBaudTexts[i]) baudrate.ItemIndex = i;
  }
  for (const BitsChoice& c : kBitsChoices) {
    if (bits == c.text) {
      databits.ItemIndex = c.databits;
      parity.ItemIndex = c.parity;
    }
  }
  if (trimSpaces(stop) == "STOP : 1") stopbits.ItemIndex = 0;
  if (trimSpaces(stop) == "STOP : 2") stopbits.ItemIndex = 1;
}

void SerialOutput::followMobileOutTelegram(const std::string& outTelegram) {
  for (const OutTelegramChoice& c : kOutTelegramChoices) {
    if (trimSpaces(outTelegram) == c.text) telegrams.ItemIndex = c.item;
  }
}

}  // namespace kestrom
