#include "random_events/invariants.h"

#include <cmath>
#include <string_view>

#include "panels/beacon/beacon_panel.h"
#include "panels/common/option_lists.h"
#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_key_in.h"
#include "panels/mobile/mobile_panel.h"
#include "random_events/session.h"
#include "setup/serial_output.h"
#include "setup/setup_window.h"
#include "setup/simulation_state.h"
#include "setup/string_to_float.h"
#include "setup/telegrams.h"
#include "windows/aid_display.h"

namespace kestrom::random_events {

namespace {

using Fault = std::optional<std::string>;

std::string quoted(std::string_view s) {
  return '"' + std::string(s) + '"';
}

// A status line against its pattern: a literal character must stay, '#' is a
// digit, '@' a capital letter, '*' a digit or a blank, '{' a power letter (N
// normal, R reduced), '}' a range letter (L long, S short).
Fault lineFault(const char* name, const std::string& line, std::string_view pattern) {
  const std::string what = std::string(name) + ' ' + quoted(line);
  if (line.size() != pattern.size()) {
    return what + " is " + std::to_string(line.size()) + " characters long, not " +
           std::to_string(pattern.size());
  }
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = line[i];
    const bool digit = c >= '0' && c <= '9';
    bool ok = c == pattern[i];
    switch (pattern[i]) {
      case '#':
        ok = digit;
        break;
      case '@':
        ok = c >= 'A' && c <= 'Z';
        break;
      case '*':
        ok = digit || c == ' ';
        break;
      case '{':
        ok = c == 'N' || c == 'R';
        break;
      case '}':
        ok = c == 'L' || c == 'S';
        break;
      default:
        break;
    }
    if (!ok) return what + " has " + quoted(std::string(1, c)) + " at " + std::to_string(i + 1);
  }
  return std::nullopt;
}

// Station letter, frequency pair, address and mode code; then the second line.
constexpr std::string_view kLine1 = "STAT: @ / # / ** / @@ / 9";
constexpr std::string_view kLine2 = "   -2  8>{    9>}";

Fault numberFault(const char* name, const std::string& text) {
  if (StringToFloat(text)) return std::nullopt;
  return std::string(name) + " " + quoted(text) + " is no longer a number";
}

bool inCircle(Extended a) {
  return std::isfinite(static_cast<double>(a)) && a >= 0 && a < 360;
}

}  // namespace

Fault statusLineFault(const SimulationState& s) {
  const std::pair<const char*, const std::string*> firsts[] = {
      {"MobileStatusLine", &s.MobileStatusLine},
      {"FixStatusLine", &s.FixStatusLine},
      {"BeaconStatusLine", &s.BeaconStatusLine}};
  for (const auto& [name, line] : firsts) {
    if (Fault f = lineFault(name, *line, kLine1)) return f;
  }
  const std::pair<const char*, const std::string*> seconds[] = {
      {"MobileStatusLine2", &s.MobileStatusLine2},
      {"FixStatusLine2", &s.FixStatusLine2},
      {"BeaconStatusLine2", &s.BeaconStatusLine2}};
  for (const auto& [name, line] : seconds) {
    if (Fault f = lineFault(name, *line, kLine2)) return f;
  }
  return std::nullopt;
}

Fault optionCodeFault(const SimulationState& s) {
  const std::pair<const char*, std::pair<std::int32_t, const OptionList*>> codes[] = {
      {"FrequencyPairNo", {s.FrequencyPairNo, &frequencyPairOptions()}},
      {"OperatingModeCycle", {s.OperatingModeCycle, &operatingModeOptions()}},
      {"RangeToggle", {s.RangeToggle, &rangeOptions()}},
      {"PowerToggle", {s.PowerToggle, &powerOptions()}},
      {"GainToggle", {s.GainToggle, &gainOptions()}},
      {"RemoteModifyToggle", {s.RemoteModifyToggle, &remoteModifyOptions()}},
      {"HostSendBaudCycle", {s.HostSendBaudCycle, &baudOptions()}},
      {"HostRecvBaudCycle", {s.HostRecvBaudCycle, &baudOptions()}},
      {"HostBitsCycle", {s.HostBitsCycle, &bitsOptions()}},
      {"HostStopCycle", {s.HostStopCycle, &stopBitsOptions()}},
      {"PerSendBaudCycle", {s.PerSendBaudCycle, &baudOptions()}},
      {"PerRecvBaudCycle", {s.PerRecvBaudCycle, &baudOptions()}},
      {"PerBitsCycle", {s.PerBitsCycle, &bitsOptions()}},
      {"PerStopCycle", {s.PerStopCycle, &stopBitsOptions()}},
      {"InTelegramCycle", {s.InTelegramCycle, &inTelegramOptions()}},
      {"AlarmSoundCycle", {s.AlarmSoundCycle, &alarmSoundOptions()}},
      {"SimulationOutputCycle", {s.SimulationOutputCycle, &simulationOutputOptions()}},
      {"UnitRoleCycle", {s.UnitRoleCycle, &unitRoleOptions()}},
  };
  for (const auto& [name, code] : codes) {
    if (!findOption(*code.second, code.first)) {
      return std::string(name) + " = " + std::to_string(code.first) + " is outside its list";
    }
  }
  // The Mobile and the basic panels step the out telegram through lists of their own.
  if (!findOption(mobileOutTelegramOptions(), s.OutTelegramCycle) &&
      !findOption(basicPanelOutTelegramOptions(), s.OutTelegramCycle)) {
    return "OutTelegramCycle = " + std::to_string(s.OutTelegramCycle) + " is outside its lists";
  }
  if (s.OutputTelegramType < 1 || s.OutputTelegramType > telegram::kTypeCount) {
    return "OutputTelegramType = " + std::to_string(s.OutputTelegramType);
  }
  return std::nullopt;
}

Fault angleFault(const SimulationState& s) {
  if (!inCircle(s.AntennaBearing)) {
    return "AntennaBearing = " + std::to_string(static_cast<double>(s.AntennaBearing));
  }
  if (!inCircle(s.FixAzimuth)) {
    return "FixAzimuth = " + std::to_string(static_cast<double>(s.FixAzimuth));
  }
  if (!std::isfinite(static_cast<double>(s.Distance)) || s.Distance < 0) {
    return "Distance = " + std::to_string(static_cast<double>(s.Distance));
  }
  return std::nullopt;
}

Fault lockFault(const SimulationState& s) {
  if (s.InLock == 0) return std::nullopt;
  if (s.InLock != 1) return "InLock = " + std::to_string(s.InLock);
  if (s.FrequencyMatch && s.AddressMatch && s.StationTypeMatch && s.StandbyMatch &&
      s.RangeModeMatch) {
    return std::nullopt;
  }
  return "InLock while a link condition fails (frequency " + std::to_string(s.FrequencyMatch) +
         ", address " + std::to_string(s.AddressMatch) + ", type " +
         std::to_string(s.StationTypeMatch) + ", standby " + std::to_string(s.StandbyMatch) +
         ", range/mode " + std::to_string(s.RangeModeMatch) + ")";
}

Fault storedNumberFault(const SimulationState& s) {
  const std::pair<const char*, const std::string*> numbers[] = {
      {"MobileFreq", &s.MobileFreq},
      {"CounterFreq", &s.CounterFreq},
      {"MobileAddrSent", &s.MobileAddrSent},
      {"CounterAddrSent", &s.CounterAddrSent},
      {"MobileAddrReceived", &s.MobileAddrReceived},
      {"CounterAddrReceived", &s.CounterAddrReceived},
      {"MobileScanLimitLeft", &s.MobileScanLimitLeft},
      {"MobileScanLimitRight", &s.MobileScanLimitRight},
      {"FixScanLimitLeft", &s.FixScanLimitLeft},
      {"FixScanLimitRight", &s.FixScanLimitRight},
      {"ReferenceAzimuth", &s.ReferenceAzimuth},
      {"AntennaBearingText", &s.AntennaBearingText},
      {"ServoText", &s.ServoText},
  };
  for (const auto& [name, text] : numbers) {
    if (Fault f = numberFault(name, *text)) return f;
  }
  return std::nullopt;
}

Fault displayFault(Session& s) {
  for (int i = 0; i < Session::kPanelCount; ++i) {
    const StationPanel& p = s.panel(i);
    for (int c = 0; c < kCellCount; ++c) {
      const std::string& text = p.Cells[c].Caption;
      if (text.size() > kCellChars) {
        return p.Caption() + " cell " + cellName(static_cast<Cell>(c)) + " " + quoted(text) +
               " is longer than its line";
      }
    }
  }
  return std::nullopt;
}

Fault timerFault(Session& s) {
  Tmenumain& w = s.sim().setupWindow();
  const SerialOutput& out = w.Serial;
  const bool boxTicked = out.comport.Checked || out.CheckBox1.Checked;
  const bool sending = out.Timer4.Enabled() && s.rig().serial.isOpen();
  if (boxTicked != sending) {
    return std::string("output box ") + (boxTicked ? "ticked" : "clear") + " while the sender " +
           (out.Timer4.Enabled() ? "runs" : "is stopped") + " and the port is " +
           (s.rig().serial.isOpen() ? "open" : "closed");
  }
  // The network channels run the same timer.
  if (out.Timer4.Enabled() != (boxTicked || out.Network.running())) {
    return out.Timer4.Enabled() ? "telegram timer runs with no output on"
                                : "telegram timer stopped while an output is on";
  }
  if ((s.rig().network.tcpPort != 0) != out.Network.tcpServer.Checked ||
      (s.rig().network.udpPort != 0) != out.Network.udp.Checked) {
    return "a network box does not show whether its channel runs";
  }
  if (w.Height == Tmenumain::kSetupHeight) {
    if (s.sim().mobilePanel().Tracking.Timer3.Enabled() ||
        s.sim().fixPanel().Tracking.Timer3.Enabled() ||
        s.sim().beaconPanel().Tracking.Timer3.Enabled()) {
      return "a link cycle runs while the scenario is edited";
    }
  }
  // The alarm timers are not checked against the level list: a reset puts the
  // list back to level 1 but, as the system has always done, leaves the timers of
  // the level chosen before running until another level is chosen.
  return std::nullopt;
}

Fault messageFault(Session& s) {
  const Session::Seen& seen = s.seen();
  if (!seen.telegramFaults.empty()) return seen.telegramFaults.front();
  if (seen.timeEvent && seen.messageBoxes > 0) return "a timer tick opened a message box";
  if (seen.portMessages > 1) return std::to_string(seen.portMessages) + " port messages at once";
  const bool stoppedByItself =
      seen.timeEvent && seen.sendingBefore && !s.sim().setupWindow().Serial.Sending();
  if (stoppedByItself && seen.portMessages != 1) return "output stopped without a message";
  return std::nullopt;
}

bool linkUp(Session& s) {
  const SimulationState& st = s.state();
  return s.sim().mobilePanel().Tracking.lockedForTelegrams() && st.FrequencyMatch &&
         st.AddressMatch && st.StationTypeMatch && st.StandbyMatch && st.RangeModeMatch;
}

namespace {

// ASCII telegrams: 'd' a digit, 's' the lock status digit.
constexpr std::string_view kAsciiPatterns[] = {"dddddd ddddd s\r\n", "dddddd dddddd s\r\n",
                                               "dddddd dddd dddddd s\r\n"};
// BCD(0.01) and BCD(0.001) are both seven bytes long: the finer azimuth takes the
// byte the coarser one spends on its last digit.
constexpr std::size_t kBcdLengths[] = {7, 7, 10};

Fault asciiFault(const std::string& bytes, std::string_view pattern, bool linkUp) {
  if (bytes.size() != pattern.size())
    return "telegram of " + std::to_string(bytes.size()) + " bytes";
  bool allZero = true;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = bytes[i];
    const bool digit = c >= '0' && c <= '9';
    if (pattern[i] == 'd' && !digit) return "telegram " + quoted(bytes) + " has a non-digit";
    if (pattern[i] == 'd' && c != '0') allZero = false;
    if (pattern[i] == 's' && c != '0' && c != '1') return "telegram " + quoted(bytes) + " status";
    if (pattern[i] != 'd' && pattern[i] != 's' && c != pattern[i]) {
      return "telegram " + quoted(bytes) + " breaks its format";
    }
  }
  const bool locked = bytes[pattern.find('s')] == '1';
  if (locked && !linkUp) return "telegram reports lock while the link is down";
  if (!locked && !allZero) return "telegram out of lock carries values";
  return std::nullopt;
}

Fault bcdFault(const std::string& bytes, std::size_t length, bool linkUp) {
  if (!linkUp) return "BCD telegram while the link is down";
  if (bytes.size() != length) return "BCD telegram of " + std::to_string(bytes.size()) + " bytes";
  if (bytes.back() != '\xFF') return "BCD telegram does not end with FF";
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if ((b >> 4) > 9 || (b & 0xF) > 9)
      return "BCD telegram byte " + std::to_string(i) + " is not BCD";
  }
  return std::nullopt;
}

}  // namespace

Fault telegramFault(const std::string& bytes, int type, bool outputOn, bool linkUp) {
  if (!outputOn) return "telegram written while output is off";
  if (type >= telegram::Ascii16 && type <= telegram::Ascii22) {
    return asciiFault(bytes, kAsciiPatterns[type - 1], linkUp);
  }
  if (type >= telegram::Bcd001 && type <= telegram::BcdAdb) {
    return bcdFault(bytes, kBcdLengths[type - telegram::Bcd001], linkUp);
  }
  return "telegram of type " + std::to_string(type);
}

Fault checkInvariants(Session& s) {
  const SimulationState& st = s.state();
  if (Fault f = statusLineFault(st)) return f;
  if (Fault f = optionCodeFault(st)) return f;
  if (Fault f = angleFault(st)) return f;
  if (Fault f = lockFault(st)) return f;
  if (Fault f = storedNumberFault(st)) return f;
  if (Fault f = displayFault(s)) return f;
  if (Fault f = timerFault(s)) return f;
  return messageFault(s);
}

}  // namespace kestrom::random_events
