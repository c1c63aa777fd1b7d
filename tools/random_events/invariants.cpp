#include "random_events/invariants.h"

#include <cmath>
#include <cstdio>
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

// ---- Telegram values ----------------------------------------------------------

namespace {

// A telegram as a text for a message: the characters of an ASCII one, the bytes in
// hexadecimal of a BCD one. Quoted, so that two faults alike but for the bytes
// shrink as one.
std::string shown(const std::string& bytes, bool ascii) {
  std::string out;
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (ascii && b >= 32 && b < 127) {
      out += c;
    } else if (ascii && c == '\r') {
      out += "\\r";
    } else if (ascii && c == '\n') {
      out += "\\n";
    } else {
      if (!ascii && !out.empty()) out += ' ';
      if (ascii) out += "\\x";
      out += kHex[b >> 4];
      out += kHex[b & 0xF];
    }
  }
  return quoted(out);
}

std::string decimal(Extended v) {
  char text[64];
  std::snprintf(text, sizeof text, "%.6Lf", v);
  return text;
}

// The direction a telegram reports: the fix azimuth turned half a circle, 180
// added up to 180 and taken away above it, so that a fix at 180 is reported as 360.
Extended reciprocal(Extended fixAzimuth) {
  return fixAzimuth <= 180 ? fixAzimuth + 180 : fixAzimuth - 180;
}

// One value read back from a telegram, with the record's value it must hold.
struct Reading {
  const char* name;
  std::int64_t read;
  Extended recorded;  // in the unit of the record: metres, degrees
  int scale;          // units of the field per unit of the record
  int width;          // digits
};

// A field holds its value scaled and cut off to whole units of the field (never
// rounded up); zeros for a value below zero or not a number, nines for one too large.
bool holds(const Reading& r) {
  const Extended x = r.recorded * r.scale;  // in extended precision, as the telegrams take it
  std::int64_t most = 1;
  for (int i = 0; i < r.width; ++i) most *= 10;
  --most;
  if (!(x > 0)) return r.read == 0;
  if (x >= most) return r.read == most;
  return r.read <= x && x < r.read + 1;
}

Fault readingFault(const char* format, const std::string& telegram, const Reading& r) {
  if (holds(r)) return std::nullopt;
  return std::string(format) + ' ' + telegram + " carries " + r.name + ' ' +
         std::to_string(r.read) + " (1/" + std::to_string(r.scale) + ") where the record's " +
         decimal(r.recorded) + " gives another";
}

// The decimal digits text[from, from + n) as a whole number; nothing for a non-digit.
std::optional<std::int64_t> digitsAt(const std::string& text, std::size_t from, std::size_t n) {
  std::int64_t v = 0;
  for (std::size_t i = from; i < from + n; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    v = v * 10 + (text[i] - '0');
  }
  return v;
}

// Where an ASCII format keeps its fields: distance in decimetres (6 digits) first;
// then the bearing in tenths (4 digits) where it has one; then the azimuth; then the
// lock flag; then CR LF.
struct AsciiLayout {
  const char* name;
  std::size_t length;
  std::size_t bearingAt;  // 0: no bearing
  std::size_t azimuthAt;
  int azimuthScale;
  int azimuthWidth;
  std::size_t flagAt;
};
constexpr AsciiLayout kAsciiLayouts[] = {
    {"ASCII 16", 16, 0, 7, 100, 5, 13},
    {"ASCII 17", 17, 0, 7, 1000, 6, 14},
    {"ASCII 22", 22, 7, 12, 1000, 6, 19},
};

Fault asciiValueFault(const std::string& bytes, const TelegramRecord& r) {
  const AsciiLayout& l = kAsciiLayouts[r.type - 1];
  const std::string telegram = shown(bytes, true);
  const std::string what = std::string(l.name) + ' ' + telegram;
  if (bytes.size() != l.length) return what + " cannot be read: wrong length";
  const std::optional<std::int64_t> d = digitsAt(bytes, 0, 6);
  const std::optional<std::int64_t> a = digitsAt(bytes, l.azimuthAt, l.azimuthWidth);
  const std::optional<std::int64_t> b =
      l.bearingAt ? digitsAt(bytes, l.bearingAt, 4) : std::optional<std::int64_t>(0);
  const char flag = bytes[l.flagAt];
  if (!d || !a || !b || (flag != '0' && flag != '1')) return what + " cannot be read";
  if ((flag == '1') != r.locked) {
    return what + (r.locked ? " reports no lock while the Mobile's lamp shows lock"
                            : " reports lock while the Mobile's lamp shows none");
  }
  if (!r.locked) {
    if (*d != 0 || *a != 0 || *b != 0) return what + " carries values out of lock";
    return std::nullopt;
  }
  if (Fault f = readingFault(l.name, telegram, {"distance", *d, r.distance, 10, 6})) return f;
  if (Fault f =
          readingFault(l.name, telegram,
                       {"azimuth", *a, reciprocal(r.fixAzimuth), l.azimuthScale, l.azimuthWidth})) {
    return f;
  }
  if (!l.bearingAt) return std::nullopt;
  return readingFault(l.name, telegram, {"bearing", *b, r.antennaBearing, 10, 4});
}

int high(const std::string& bytes, std::size_t i) {
  return static_cast<unsigned char>(bytes[i]) >> 4;
}
int low(const std::string& bytes, std::size_t i) {
  return static_cast<unsigned char>(bytes[i]) & 0xF;
}
// The digits listed, each a byte's high (h) or low (l) half, as a whole number.
std::int64_t bcdNumber(const std::string& bytes, std::string_view halves) {
  std::int64_t v = 0;
  for (std::size_t k = 0; k + 1 < halves.size(); k += 2) {
    const auto i = static_cast<std::size_t>(halves[k + 1] - '0');
    v = v * 10 + (halves[k] == 'h' ? high(bytes, i) : low(bytes, i));
  }
  return v;
}

// The BCD formats byte by byte. BCD(0.01): a1a2 a3a4 0a5 d1d2 d3d4 0d5 FF, the
// azimuth in hundredths. BCD(0.001): a1a2 a3a4 a5a6 d1d2 d3d4 0d5 FF, in thousandths.
// BCD(ADB): a1a2 a3a4 X a5a6 d1d2 d3d4 0d5 b1b2 b3b4 FF, X being a5a6 for an AS MK3M
// Mobile and a5 0 otherwise. The distance is in whole metres, the bearing in tenths.
Fault bcdValueFault(const std::string& bytes, const TelegramRecord& r) {
  static constexpr const char* kNames[] = {"BCD(0.01)", "BCD(0.001)", "BCD(ADB)"};
  const int kind = r.type - telegram::Bcd001;
  const char* name = kNames[kind];
  const std::string telegram = shown(bytes, false);
  const std::string what = std::string(name) + ' ' + telegram;
  if (!r.locked) return what + " sent while the Mobile's lamp shows no lock";
  const std::size_t length = kind == 2 ? 10 : 7;
  if (bytes.size() != length) return what + " cannot be read: wrong length";
  if (static_cast<unsigned char>(bytes.back()) != 0xFF) return what + " does not end with FF";
  for (std::size_t i = 0; i + 1 < length; ++i) {
    if (high(bytes, i) > 9 || low(bytes, i) > 9) return what + " has a byte that is not BCD";
  }
  // The byte whose high digit is always 0: the last distance byte, and in BCD(0.01)
  // the last azimuth byte as well.
  const std::size_t distanceAt = kind == 2 ? 4 : 3;
  if (high(bytes, distanceAt + 2) != 0) return what + ": the last distance byte's high digit";
  if (kind == 0 && high(bytes, 2) != 0) return what + ": the third byte's high digit is not 0";
  if (kind == 2) {
    const bool repeated = bytes[2] == bytes[3];
    const bool highOnly = high(bytes, 2) == high(bytes, 3) && low(bytes, 2) == 0;
    if (r.mk3Mobile ? !repeated : !highOnly) {
      return what + (r.mk3Mobile ? ": an AS MK3M Mobile repeats the last azimuth byte"
                                 : ": the third byte is the azimuth's fifth digit and 0");
    }
  }
  std::int64_t azimuth = 0;
  int scale = 1000;
  int width = 6;
  if (kind == 0) {
    azimuth = bcdNumber(bytes, "h0l0h1l1l2");
    scale = 100;
    width = 5;
  } else if (kind == 1) {
    azimuth = bcdNumber(bytes, "h0l0h1l1h2l2");
  } else {
    azimuth = bcdNumber(bytes, "h0l0h1l1h3l3");
  }
  const std::int64_t distance =
      kind == 2 ? bcdNumber(bytes, "h4l4h5l5l6") : bcdNumber(bytes, "h3l3h4l4l5");
  if (Fault f = readingFault(name, telegram,
                             {"azimuth", azimuth, reciprocal(r.fixAzimuth), scale, width})) {
    return f;
  }
  if (Fault f = readingFault(name, telegram, {"distance", distance, r.distance, 1, 5})) return f;
  if (kind == 2) {
    const std::int64_t bearing = bcdNumber(bytes, "h7l7h8l8");
    return readingFault(name, telegram, {"bearing", bearing, r.antennaBearing, 10, 4});
  }
  return std::nullopt;
}

}  // namespace

Fault telegramValueFault(const std::string& bytes, const TelegramRecord& r) {
  if (r.type >= telegram::Ascii16 && r.type <= telegram::Ascii22) {
    return asciiValueFault(bytes, r);
  }
  if (r.type >= telegram::Bcd001 && r.type <= telegram::BcdAdb) return bcdValueFault(bytes, r);
  return "telegram written for type " + std::to_string(r.type);
}

Fault telegramValuesFault(Session& s) {
  for (const Session::Written& t : s.seen().telegrams) {
    if (Fault f = telegramValueFault(t.bytes, t.record)) {
      return (t.network ? "network telegram: " : "serial telegram: ") + *f;
    }
  }
  return std::nullopt;
}

// ---- Telegram rate ----------------------------------------------------------------

Fault telegramCountFault(int count, std::int64_t elapsedMs, int perSecond, bool everySlotSends) {
  if (perSecond <= 0) return std::string("the rate list shows no rate");
  // Intervals in thousandths: elapsed ms times telegrams per second.
  const std::int64_t thousandths = elapsedMs * perSecond;
  const std::int64_t whole = thousandths / 1000;
  const std::int64_t begun = (thousandths + 999) / 1000;
  const std::string what = std::to_string(count) + " telegrams in " + std::to_string(elapsedMs) +
                           " ms at " + std::to_string(perSecond) + " a second";
  if (count > begun) return what + ", more than " + std::to_string(begun);
  if (everySlotSends && count < whole) return what + ", fewer than " + std::to_string(whole);
  return std::nullopt;
}

Fault telegramRateFault(Session& s) {
  const std::int64_t now = s.sim().scheduler().now();
  for (const bool network : {false, true}) {
    const char* where = network ? "network: " : "serial port: ";
    // Cut short at a tick before now: no more than the intervals begun by now.
    if (const std::optional<Session::RateWindow>& cut = s.cutWindow(network)) {
      if (Fault f = telegramCountFault(cut->count, now - cut->start, cut->perSecond, false)) {
        return where + *f;
      }
    }
    const Session::RateWindow& w = s.rateWindow(network);
    if (!w.on) continue;
    if (Fault f = telegramCountFault(w.count, now - w.start, w.perSecond, w.everySlotSends)) {
      return where + *f;
    }
  }
  return std::nullopt;
}

// ---- Line settings ----------------------------------------------------------------

std::optional<int> leadingNumber(std::string_view text) {
  int v = 0;
  std::size_t i = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && i < 9; ++i) {
    v = v * 10 + (text[i] - '0');
  }
  if (i == 0) return std::nullopt;
  return v;
}

namespace {

// "COM PORT n" gives n.
std::optional<int> trailingNumber(std::string_view text) {
  std::size_t i = text.size();
  while (i > 0 && text[i - 1] >= '0' && text[i - 1] <= '9') --i;
  return leadingNumber(text.substr(i));
}

std::optional<Parity> parityOf(std::string_view item) {
  if (item.starts_with("No ")) return Parity::None;
  if (item.starts_with("Even ")) return Parity::Even;
  if (item.starts_with("Odd ")) return Parity::Odd;
  return std::nullopt;
}

}  // namespace

Fault lineSettingsFault(Session& s) {
  const testing::RecordingSerial& port = s.rig().serial;
  if (!port.isOpen()) return std::nullopt;
  const SerialOutput& out = s.sim().setupWindow().Serial;
  const ComboBox* lists[] = {&out.coms, &out.baudrate, &out.databits, &out.parity, &out.stopbits};
  const char* names[] = {"port", "baud rate", "data bits", "parity", "stop bits"};
  std::string_view items[Session::kLineLists];
  for (int i = 0; i < Session::kLineLists; ++i) {
    const int chosen = s.operatorChoices()[i];
    if (chosen < 0 || chosen >= static_cast<int>(lists[i]->Items.size())) {
      return std::string("the ") + names[i] + " list lost the operator's choice";
    }
    items[i] = lists[i]->Items[chosen];
  }
  const std::optional<int> number = trailingNumber(items[0]);
  const std::optional<int> baud = leadingNumber(items[1]);
  const std::optional<int> bits = leadingNumber(items[2]);
  const std::optional<Parity> parity = parityOf(items[3]);
  const std::optional<int> stop = leadingNumber(items[4]);
  if (!number || !baud || !bits || !parity || !stop) {
    return "a line list offers an item that names no setting";
  }
  const std::pair<bool, int> compared[] = {
      {port.port == *number, 0},
      {port.settings.baudRate == *baud, 1},
      {port.settings.dataBits == *bits, 2},
      {port.settings.parity == *parity, 3},
      {port.settings.stopBits == *stop, 4},
  };
  for (const auto& [same, i] : compared) {
    if (!same) {
      return std::string("the open port's ") + names[i] + " is not the operator's " +
             quoted(items[i]);
    }
  }
  return std::nullopt;
}

// ---- Network messages ---------------------------------------------------------------

namespace {

// The number a port text is, as a message writes it: digits without leading
// zeros; empty when the text is no port number.
std::string portNumberText(const std::string& typed) {
  if (typed.empty() || typed.size() > 5) return {};
  for (const char c : typed) {
    if (c < '0' || c > '9') return {};
  }
  const std::size_t first = typed.find_first_not_of('0');
  return first == std::string::npos ? std::string() : typed.substr(first);
}

// `number` stands in `text` as a number of its own, not as a part of a longer one.
bool namesNumber(const std::string& text, const std::string& number) {
  if (number.empty()) return false;
  for (std::size_t at = text.find(number); at != std::string::npos;
       at = text.find(number, at + 1)) {
    const std::size_t end = at + number.size();
    const bool digitBefore = at > 0 && text[at - 1] >= '0' && text[at - 1] <= '9';
    const bool digitAfter = end < text.size() && text[end] >= '0' && text[end] <= '9';
    if (!digitBefore && !digitAfter) return true;
  }
  return false;
}

std::string withoutBlanks(const std::string& s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

Fault networkMessageFault(const std::string& message, NetworkChannel channel,
                          const std::string& typedPort, const std::string& typedHost) {
  const std::string port = portNumberText(typedPort);
  if (channel == NetworkChannel::TcpServer) {
    if (namesNumber(message, port)) return std::nullopt;
    return "TCP server message " + quoted(message) + " does not name the port typed, " +
           quoted(typedPort);
  }
  const std::string host = withoutBlanks(typedHost);
  if ((!host.empty() && message.find(host) != std::string::npos) || namesNumber(message, port)) {
    return std::nullopt;
  }
  return "UDP message " + quoted(message) + " names neither the host typed, " + quoted(typedHost) +
         ", nor the port, " + quoted(typedPort);
}

Fault networkMessagesFault(Session& s) {
  for (const Session::NetworkMessage& m : s.seen().networkMessages) {
    if (Fault f = networkMessageFault(m.text, m.channel, m.typedPort, m.typedHost)) return f;
  }
  return std::nullopt;
}

// ---- Locked controls ----------------------------------------------------------------

Fault lockedControlFault(const SerialOutput& out) {
  const NetworkOutput& n = out.Network;
  const bool bySim = out.CheckBox1.Checked;
  struct Rule {
    const char* control;
    bool enabled;
    bool shouldBe;
  };
  const Rule rules[] = {
      {"the TCP port edit", n.tcpPort.Enabled, !n.tcpServer.Checked},
      {"the UDP host edit", n.udpHost.Enabled, !n.udp.Checked},
      {"the UDP port edit", n.udpPort.Enabled, !n.udp.Checked},
      {"\"Output Controled by Sim.\"", out.CheckBox1.Enabled, !out.comport.Checked},
      {"\"Serial Output On\"", out.comport.Enabled, !bySim},
      {"the baud rate list", out.baudrate.Enabled, !bySim},
      {"the data bits list", out.databits.Enabled, !bySim},
      {"the parity list", out.parity.Enabled, !bySim},
      {"the stop bits list", out.stopbits.Enabled, !bySim},
      {"the telegram list", out.telegrams.Enabled, !bySim},
      {"the port list", out.coms.Enabled, true},
      {"the rate list", out.updaterate.Enabled, true},
      {"the TCP server box", n.tcpServer.Enabled, true},
      {"the UDP box", n.udp.Enabled, true},
  };
  for (const Rule& r : rules) {
    if (r.enabled == r.shouldBe) continue;
    auto state = [](bool ticked) { return ticked ? "ticked" : "clear"; };
    return std::string(r.control) + (r.enabled ? " is enabled" : " is disabled") +
           " while \"Serial Output On\" is " + state(out.comport.Checked) + ", by sim. " +
           state(bySim) + ", TCP server " + state(n.tcpServer.Checked) + ", UDP " +
           state(n.udp.Checked);
  }
  return std::nullopt;
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
  if (Fault f = messageFault(s)) return f;
  if (Fault f = telegramValuesFault(s)) return f;
  if (Fault f = telegramRateFault(s)) return f;
  if (Fault f = lineSettingsFault(s)) return f;
  if (Fault f = networkMessagesFault(s)) return f;
  return lockedControlFault(s.sim().setupWindow().Serial);
}

}  // namespace kestrom::random_events
