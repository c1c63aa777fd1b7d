#include "panels/mobile/mobile_enter.h"

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "app/number_format.h"
#include "app/simulator.h"
#include "panels/common/station_panel.h"
#include "panels/mobile/frequency_slew.h"
#include "panels/mobile/mobile_tracking.h"
#include "panels/mobile/station_profiles.h"
#include "setup/link_evaluation.h"
#include "setup/setup_window.h"
#include "setup/status_lines.h"
#include "setup/string_to_float.h"

namespace kestrom {

namespace {

struct Enter {
  Simulator& sim;
  StationPanel& panel;
  MobileTracking& tracking;
  FrequencySlew& slew;

  SimulationState& s() { return sim.state(); }
  // What a cell holds as the screen's value (under an alarm text, what the screen
  // showed before the alarm), and the cell to write.
  const std::string& value(Cell c) const { return panel.value(c); }
  std::string& cell(Cell c) { return panel.cell(c).Caption; }
  // The set point keyed in 4R; an empty entry is shown and read as "0".
  std::string setpointEntry() {
    std::string entry = value(Cell::R4);
    if (entry.empty()) {
      entry = "0";
      cell(Cell::R4) = entry;
    }
    return entry;
  }
  void toggleField() { panel.EditField = panel.EditField == 0 ? 1 : 0; }
  void cycleFields(int count) { panel.EditField = (panel.EditField + 1) % count; }

  // A whole number in `text`, or a message naming `what` and false.
  bool wholeNumber(const std::string& text, const char* what, long& out, long lo, long hi) {
    if (readWholeNumber(text, out) && out >= lo && out <= hi) return true;
    sim.services().dialogs.error(std::string("The ") + what + " \"" + text +
                                 "\" is not valid: enter a whole number from " +
                                 std::to_string(lo) + " to " + std::to_string(hi) + ".");
    return false;
  }
  // A set point or reference read with the setup window's text conversion.
  bool decimalNumber(const std::string& text, const char* what, Extended& out) {
    if (std::optional<double> v = StringToFloat(text)) {
      out = *v;
      return true;
    }
    sim.services().dialogs.error(std::string("The ") + what + " \"" + text +
                                 "\" is not a number: key in the value and press ENTER again.");
    return false;
  }
  // A scan limit as the antenna reads it: whole degrees, decimals rounded.
  bool scanLimit(const std::string& text, const char* what) {
    std::optional<int> degrees = scanLimitDegrees(text);
    if (degrees && *degrees >= 0 && *degrees <= 360) return true;
    sim.services().dialogs.error(std::string("The ") + what + " \"" + text +
                                 "\" is not valid: enter degrees from 0 to 360.");
    return false;
  }
};

std::string mk3Address(long code) {
  static const char* hex = "0123456789ABCDEF";
  std::string d(1, hex[code % 16]);
  return d + "    " + d + "    ";
}

// The digit of a frequency pair text such as "      3: 9270 - 9300", or -1.
int pairDigit(const std::string& pairText) {
  std::size_t colon = pairText.find(':');
  if (colon == std::string::npos || colon == 0) return -1;
  char d = pairText[colon - 1];
  return d >= '0' && d <= '3' ? d - '0' : -1;
}

// The mobile frequency of pair n: 9200, 9300, 9230, 9270.
int pairMobileFrequency(int n) {
  static const int freqs[] = {9200, 9300, 9230, 9270};
  return freqs[n];
}

const char* letter(bool first, const char* a, const char* b) {
  return first ? a : b;
}

void storeGainPower(Enter& e, std::string& gain, std::string& range, std::string& power,
                    std::string& statusLine2) {
  SimulationState& s = e.s();
  gain = e.value(Cell::L2);
  range = e.value(Cell::R4);
  power = e.value(Cell::R3);
  s.RangeToggle = range == text::Long ? 0 : 1;
  s.PowerToggle = power == text::Normal ? 0 : 1;
  setStatusChars(statusLine2, statuspos::PowerLetter, letter(s.PowerToggle == 0, "N", "R"));
  setStatusChars(statusLine2, statuspos::RangeLetter, letter(s.RangeToggle == 0, "L", "S"));
}

void storeLink(Enter& e, std::string& send, std::string& recv, std::string& bits,
               std::string& stop) {
  send = e.value(Cell::R2);
  recv = e.value(Cell::R3);
  bits = e.value(Cell::L4);
  stop = e.value(Cell::R4);
  e.cycleFields(4);
}

using Action = std::function<void(Enter&)>;

const std::map<int, Action>& actions() {
  static const std::map<int, Action> table = [] {
    std::map<int, Action> t;
    auto pairPage = [](Enter& e) {
      int n = pairDigit(e.value(Cell::L3));
      e.s().MobileFreqPairText = e.value(Cell::L3);
      if (n < 0) return;
      setStatusChars(e.s().MobileStatusLine, statuspos::FrequencyPair, std::to_string(n));
      e.slew.startPairSlew(pairMobileFrequency(n));
    };
    t[7] = pairPage;
    t[73] = pairPage;
    t[42] = [](Enter& e) {
      e.s().CounterFreqPairText = e.value(Cell::L3);
      int n = pairDigit(e.value(Cell::L3));
      if (n >= 0) setStatusChars(e.s().FixStatusLine, statuspos::FrequencyPair, std::to_string(n));
    };
    t[8] = [](Enter& e) {
      long code = 0;
      std::string typed = e.value(Cell::R3);
      if (!e.wholeNumber(typed, "address code", code, 0, 99)) return;
      SimulationState& s = e.s();
      s.MobileAddrSent = s.CounterAddrReceived = typed;
      s.MobileMk3Addr = mk3Address(code);
      setStatusChars(s.MobileStatusLine, statuspos::Address,
                     typed.size() == 1 ? " " + typed : typed);
      e.cell(Cell::R4) = s.MobileMk3Addr;
    };
    t[43] = [](Enter& e) {
      long code = 0;
      std::string typed = e.value(Cell::R3);
      if (!e.wholeNumber(typed, "address code", code, 0, 99)) return;
      SimulationState& s = e.s();
      s.CounterAddrSent = s.MobileAddrReceived = typed;
      s.CounterMk3Addr = mk3Address(code);
      setStatusChars(s.FixStatusLine, statuspos::Address,
                     code < 10 ? " " + std::to_string(code) : typed);
      e.cell(Cell::R4) = s.CounterMk3Addr;
    };
    t[9] = [](Enter& e) {
      long target = 0;
      if (!e.wholeNumber(e.value(Cell::R3), "frequency", target, 9200, 9399)) return;
      e.s().MobileMk3FreqOffset = e.value(Cell::R2);
      e.slew.startAdjustSlew(static_cast<int>(target));
      e.toggleField();
    };
    t[44] = [](Enter& e) {
      long freq = 0;
      if (!e.wholeNumber(e.value(Cell::R3), "frequency", freq, 9200, 9399)) return;
      e.s().CounterMk3FreqOffset = e.value(Cell::R2);
      e.s().CounterFreq = e.value(Cell::R3);
      e.toggleField();
    };
    t[11] = [](Enter& e) {
      e.sim.services().dialogs.information(
          "For simulation purpose we will not allow you to change this value");
      e.panel.EditField = 0;
      e.cell(Cell::R4) = "";
    };
    t[12] = [](Enter& e) {
      e.s().MobileScanLimitLeft = fixed2(e.s().AntennaBearing);
      e.panel.enterScreen(13);
      e.s().MobileScanLimitRight = e.s().MobileScanLimitLeft;
    };
    t[13] = [](Enter& e) { e.s().MobileScanLimitRight = fixed2(e.s().AntennaBearing); };
    // Limits aimed with the antenna (the Mobile's LIMIT L / LIMIT R pages, the Fix's
    // own) carry two decimals; typed ones are whole degrees.
    auto limits = [](std::string SimulationState::*left, std::string SimulationState::*right) {
      return [left, right](Enter& e) {
        if (!e.scanLimit(e.value(Cell::R3), "left scan limit") ||
            !e.scanLimit(e.value(Cell::R4), "right scan limit"))
          return;
        e.s().*left = e.value(Cell::R3);
        e.s().*right = e.value(Cell::R4);
        e.toggleField();
      };
    };
    t[14] = limits(&SimulationState::MobileScanLimitLeft, &SimulationState::MobileScanLimitRight);
    t[48] = limits(&SimulationState::FixScanLimitLeft, &SimulationState::FixScanLimitRight);
    t[15] = [](Enter& e) {
      const std::string entry = e.setpointEntry();
      Extended setpoint = 0;
      if (!e.decimalNumber(entry, "bearing set point", setpoint)) return;
      e.s().ReferenceEntry = entry;
      e.tracking.startSetpointTurn(setpoint);
      e.panel.EditField = 0;
    };
    t[49] = [](Enter& e) {
      const std::string entry = e.setpointEntry();
      Extended setpoint = 0;
      if (!e.decimalNumber(entry, "azimuth set point", setpoint)) return;
      e.s().ReferenceEntry = entry;
      e.tracking.Setpoint = setpoint;
      if (e.sim.services().dialogs.warningOkCancel("If you enter this you will lose lock") ==
          MessageBoxes::Answer::Ok) {
        e.s().ReciprocalAzimuth = e.s().FixAzimuth + 180;
      }
      e.panel.EditField = 0;
    };
    auto clock = [](Enter& e, std::string& time, std::string& date) {
      time = e.value(Cell::R2);
      date = e.value(Cell::R4);
      e.panel.EditField = 0;
    };
    t[16] = [clock](Enter& e) { clock(e, e.s().MobileClockTime, e.s().MobileClockDate); };
    t[76] = t[16];
    t[50] = [clock](Enter& e) { clock(e, e.s().CounterClockTime, e.s().CounterClockDate); };
    auto mobileMode = [](Enter& e) {
      SimulationState& s = e.s();
      s.MobileOperatingMode = e.value(Cell::L2);
      e.panel.EditField = 0;
      if (const char* code = modeCode(s.MobileOperatingMode.c_str()))
        setStatusChars(s.MobileStatusLine, statuspos::ModeCode, code);
      e.tracking.operatingModeEntered(s.MobileOperatingMode == text::AutoSearch,
                                      e.panel.MenuState == 17);
    };
    t[17] = mobileMode;
    t[77] = mobileMode;
    t[51] = [](Enter& e) {
      SimulationState& s = e.s();
      s.CounterOperatingMode = e.value(Cell::L2);
      if (const char* code = modeCode(s.CounterOperatingMode.c_str()))
        setStatusChars(s.FixStatusLine, statuspos::ModeCode, code);
    };
    t[19] = [](Enter& e) {
      SimulationState& s = e.s();
      storeGainPower(e, s.MobileGainMode, s.MobileXmitRange, s.MobileXmitPower,
                     s.MobileStatusLine2);
      if (s.CounterStationKind == CounterKind::Mk3Fix) {
        s.CounterXmitRange = s.MobileXmitRange;
        s.CounterXmitPower = s.MobileXmitPower;
      }
      e.cycleFields(3);
    };
    t[53] = [](Enter& e) {
      SimulationState& s = e.s();
      storeGainPower(e, s.CounterGainMode, s.CounterXmitRange, s.CounterXmitPower,
                     s.FixStatusLine2);
      e.panel.EditField = 1;
    };
    t[20] = [](Enter& e) {
      e.s().MobileRemoteModify = e.value(Cell::R2);
      e.panel.EditField = 0;
    };
    t[54] = [](Enter& e) {
      e.s().CounterRemoteModify = e.value(Cell::R2);
      e.panel.EditField = 0;
    };
    t[22] = [](Enter& e) {
      SimulationState& s = e.s();
      storeLink(e, s.MobileHostSendBaud, s.MobileHostRecvBaud, s.MobileHostBits, s.MobileHostStop);
    };
    t[57] = [](Enter& e) {
      SimulationState& s = e.s();
      storeLink(e, s.CounterHostSendBaud, s.CounterHostRecvBaud, s.CounterHostBits,
                s.CounterHostStop);
    };
    t[23] = [](Enter& e) {
      SimulationState& s = e.s();
      storeLink(e, s.MobilePerSendBaud, s.MobilePerRecvBaud, s.MobilePerBits, s.MobilePerStop);
      // With "Output Controled by Sim." ticked the setup window's lists follow.
      e.sim.setup().Serial.followMobilePerConnection(s.MobilePerSendBaud, s.MobilePerBits,
                                                     s.MobilePerStop);
    };
    t[58] = [](Enter& e) {
      SimulationState& s = e.s();
      storeLink(e, s.CounterPerSendBaud, s.CounterPerRecvBaud, s.CounterPerBits, s.CounterPerStop);
    };
    t[24] = [](Enter& e) {
      e.s().MobileOutTelegram = e.value(Cell::R3);
      e.s().MobileInTelegram = e.value(Cell::R4);
      e.toggleField();
      e.sim.setup().Serial.followMobileOutTelegram(e.s().MobileOutTelegram);
    };
    t[59] = [](Enter& e) {
      e.s().CounterOutTelegram = e.value(Cell::R3);
      e.s().CounterInTelegram = e.value(Cell::R4);
      e.toggleField();
    };
    t[25] = [](Enter& e) {
      e.s().MobileAlarmSound = e.value(Cell::R1);
      e.s().MobileSimulationOutput = e.value(Cell::R4);
      e.toggleField();
    };
    t[60] = [](Enter& e) {
      e.s().CounterAlarmSound = e.value(Cell::R1);
      e.s().CounterSimulationOutput = e.value(Cell::R4);
      e.toggleField();
    };
    t[26] = [](Enter& e) {
      e.s().MobileControlByte = e.value(Cell::L2);
      e.panel.EditField = 0;
    };
    t[61] = [](Enter& e) {
      e.s().CounterControlByte = e.value(Cell::L2);
      e.panel.EditField = 0;
    };
    t[27] = [](Enter& e) {
      e.s().MobileAudioVolume = e.value(Cell::R3);
      e.panel.EditField = 0;
    };
    t[62] = [](Enter& e) {
      e.s().CounterAudioVolume = e.value(Cell::R3);
      e.panel.EditField = 0;
    };
    t[34] = [](Enter& e) {
      e.s().MobileClockDay = e.value(Cell::L3);
      e.panel.EditField = 0;
    };
    t[69] = [](Enter& e) {
      e.s().CounterClockDay = e.value(Cell::L3);
      e.panel.EditField = 0;
    };
    auto switchOff = [](Enter& e) {
      e.panel.EditField = 0;
      e.panel.Close();
    };
    t[35] = switchOff;
    t[70] = switchOff;
    t[46] = [](Enter& e) {
      Extended reference = 0;
      if (!e.decimalNumber(e.value(Cell::L3), "reference azimuth", reference)) return;
      e.s().ReferenceAzimuth = e.value(Cell::L3);
      // Any reference the page takes (up to 999.999) gives an azimuth on the circle.
      setFixAzimuth(e.s(), reference - 180);
      e.panel.EditField = 0;
    };
    t[55] = [](Enter& e) {
      e.s().AzmFilterAlpha = e.value(Cell::R2);
      e.s().AzmFilterBeta = e.value(Cell::R3);
      e.toggleField();
    };
    t[71] = [](Enter& e) {
      SimulationState& s = e.s();
      s.CounterUnitRole = e.value(Cell::L2);
      setStatusChars(s.FixStatusLine, statuspos::StationLetter,
                     letter(s.CounterUnitRole == text::AsFix, "F", "M"));
      e.panel.EditField = 0;
    };
    t[72] = [](Enter& e) {
      SimulationState& s = e.s();
      s.MobileUnitRole = e.value(Cell::L2);
      if (s.MobileUnitRole == text::AsMk3M) s.MobileGainMode = text::Manual;
      setStatusChars(s.MobileStatusLine, statuspos::StationLetter,
                     letter(s.MobileUnitRole == text::AsFix, "F", "M"));
      e.panel.EditField = 0;
    };
    t[74] = [](Enter& e) {
      long code = 0;
      std::string typed = e.value(Cell::R3);
      if (!e.wholeNumber(typed, "address code", code, 0, 99)) return;
      e.panel.EditField = 0;
      e.s().MobileAddrReceived = e.s().MobileAddrSent = typed;
      std::string two = code < 10 ? "0" + std::to_string(code) : std::to_string(code);
      setStatusChars(e.s().MobileStatusLine, statuspos::Address, two);
    };
    t[75] = [](Enter& e) {
      // The configuration run's antenna bearing: kept as the mobile's bearing text.
      std::string typed = e.value(Cell::L4);
      std::size_t first = typed.find_first_not_of(' ');
      e.s().AntennaBearingText = first == std::string::npos
                                     ? std::string("           0.0")
                                     : std::string(11, ' ') + typed.substr(first);
      e.panel.EditField = 0;
    };
    t[85] = [](Enter& e) {
      long code = 0;
      std::string typed = e.value(Cell::R2);
      if (!e.wholeNumber(typed, "station code", code, 0, 999)) return;
      e.panel.EditField = 0;
      e.s().MobileStationCode = typed;
      e.panel.MenuState = 0;
      e.panel.DigitKey('2');
      if (const char* gain = stationGainMode(static_cast<int>(code))) e.s().MobileGainMode = gain;
      applyStationProfile(e.s(), static_cast<int>(code));
    };
    return t;
  }();
  return table;
}

}  // namespace

const char* modeCode(const char* modeText) {
  std::string t = modeText;
  if (t == text::OpenLoop) return "OL";
  if (t == text::HandSearch) return "HS";
  if (t == text::AutoSearch) return "AS";
  if (t == text::StandBy) return "SB";
  if (t == text::ClosedLoop) return "CL";
  return nullptr;
}

void mobileEnter(Simulator& sim, StationPanel& panel, MobileTracking& tracking,
                 FrequencySlew& slew) {
  auto it = actions().find(panel.MenuState);
  if (it == actions().end()) return;
  Enter e{sim, panel, tracking, slew};
  it->second(e);
}

}  // namespace kestrom
