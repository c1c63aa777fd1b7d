#include "panels/common/enter_steps.h"

#include <optional>

#include "core/number_format.h"

#include "core/seams.h"
#include "panels/common/station_panel.h"
#include "setup/angles.h"
#include "setup/status_lines.h"
#include "setup/string_to_float.h"
#include "setup/whole_numbers.h"

namespace kestrom {

namespace {

SimulationState& state(StationPanel& panel) {
  return panel.state();
}
const std::string& value(StationPanel& panel, Cell c) {
  return panel.value(c);
}

std::string addressStatus(const std::string& typed, long code, AddressForm form) {
  switch (form) {
    case AddressForm::BlankBeforeOneChar:
      return typed.size() == 1 ? " " + typed : typed;
    case AddressForm::BlankBelowTen:
      return code < 10 ? " " + std::to_string(code) : typed;
    case AddressForm::ZeroBelowTen:
      return code < 10 ? "0" + std::to_string(code) : std::to_string(code);
    case AddressForm::ZeroBeforeOneChar:
      return typed.size() == 1 ? "0" + typed : typed;
  }
  return typed;
}

}  // namespace

// ---- Checks ----------------------------------------------------------------------

namespace entry {

bool wholeNumber(StationPanel& panel, const std::string& text, const char* what, long& out, long lo,
                 long hi) {
  if (readWholeNumber(text, out) && out >= lo && out <= hi) return true;
  panel.services().dialogs.error(std::string("The ") + what + " \"" + text +
                                 "\" is not valid: enter a whole number from " +
                                 std::to_string(lo) + " to " + std::to_string(hi) + ".");
  return false;
}

bool decimalNumber(StationPanel& panel, const std::string& text, const char* what, Extended& out) {
  if (std::optional<double> v = StringToFloat(text)) {
    out = *v;
    return true;
  }
  panel.services().dialogs.error(std::string("The ") + what + " \"" + text +
                                 "\" is not a number: key in the value and press ENTER again.");
  return false;
}

bool scanLimit(StationPanel& panel, const std::string& text, const char* what) {
  std::optional<int> degrees = scanLimitDegrees(text);
  if (degrees && *degrees >= 0 && *degrees <= 360) return true;
  panel.services().dialogs.error(std::string("The ") + what + " \"" + text +
                                 "\" is not valid: enter degrees from 0 to 360.");
  return false;
}

bool addressCode(StationPanel& panel, long& code) {
  return wholeNumber(panel, value(panel, Cell::R3), "address code", code, 0, 99);
}

bool frequency(StationPanel& panel, long& mhz) {
  return wholeNumber(panel, value(panel, Cell::R3), "frequency", mhz, 9200, 9399);
}

std::string mk3Address(long code) {
  static const char* hex = "0123456789ABCDEF";
  std::string d(1, hex[code % 16]);
  return d + "    " + d + "    ";
}

int pairDigit(const std::string& pairText) {
  std::size_t colon = pairText.find(':');
  if (colon == std::string::npos || colon == 0) return -1;
  char d = pairText[colon - 1];
  return d >= '0' && d <= '3' ? d - '0' : -1;
}

const char* modeCode(const std::string& t) {
  if (t == text::OpenLoop) return "OL";
  if (t == text::HandSearch) return "HS";
  if (t == text::AutoSearch) return "AS";
  if (t == text::StandBy) return "SB";
  if (t == text::ClosedLoop) return "CL";
  return nullptr;
}

}  // namespace entry

// ---- Steps -----------------------------------------------------------------------

EnterStep fieldAfter(FieldAfter where) {
  return [where](StationPanel& p) {
    std::int32_t& f = p.EditField;
    switch (where) {
      case FieldAfter::Zero:
        f = 0;
        break;
      case FieldAfter::One:
        f = 1;
        break;
      case FieldAfter::Toggle:
        f = f == 0 ? 1 : 0;
        break;
      case FieldAfter::Cycle3:
        f = (f + 1) % 3;
        break;
      case FieldAfter::Cycle4:
        f = (f + 1) % 4;
        break;
    }
    return true;
  };
}

EnterStep storeFrequencyPair(const StationSide& side) {
  return [&side](StationPanel& p) {
    SimulationState& s = state(p);
    s.*side.freqPairText = value(p, Cell::L3);
    int n = entry::pairDigit(s.*side.freqPairText);
    if (n >= 0) setStatusChars(side.line(s), statuspos::FrequencyPair, std::to_string(n));
    return true;
  };
}

EnterStep storeAddress(const StationSide& own, const StationSide& other, AddressForm form) {
  return [&own, &other, form](StationPanel& p) {
    long code = 0;
    if (!entry::addressCode(p, code)) return false;
    SimulationState& s = state(p);
    const std::string typed = value(p, Cell::R3);
    s.*own.addrSent = s.*other.addrReceived = typed;
    s.*own.mk3Addr = entry::mk3Address(code);
    setStatusChars(own.line(s), statuspos::Address, addressStatus(typed, code, form));
    p.cell(Cell::R4).Caption = s.*own.mk3Addr;
    return true;
  };
}

EnterStep storeSelectiveAddress(const StationSide& side, AddressForm form) {
  return [&side, form](StationPanel& p) {
    long code = 0;
    if (!entry::addressCode(p, code)) return false;
    SimulationState& s = state(p);
    const std::string typed = value(p, Cell::R3);
    s.*side.addrReceived = s.*side.addrSent = typed;
    setStatusChars(side.line(s), statuspos::Address, addressStatus(typed, code, form));
    return true;
  };
}

EnterStep storeFrequencyAdjust(const StationSide& side) {
  return [&side](StationPanel& p) {
    long mhz = 0;
    if (!entry::frequency(p, mhz)) return false;
    state(p).*side.mk3FreqOffset = value(p, Cell::R2);
    state(p).*side.freq = value(p, Cell::R3);
    return true;
  };
}

EnterStep storeClock(const StationSide& side) {
  return [&side](StationPanel& p) {
    state(p).*side.clockTime = value(p, Cell::R2);
    state(p).*side.clockDate = value(p, Cell::R4);
    return true;
  };
}

EnterStep storeOperatingMode(const StationSide& side) {
  return [&side](StationPanel& p) {
    SimulationState& s = state(p);
    s.*side.operatingMode = value(p, Cell::L2);
    if (const char* code = entry::modeCode(s.*side.operatingMode))
      setStatusChars(side.line(s), statuspos::ModeCode, code);
    return true;
  };
}

EnterStep storeGainPower(const StationSide& side) {
  return [&side](StationPanel& p) {
    SimulationState& s = state(p);
    s.*side.gainMode = value(p, Cell::L2);
    s.*side.xmitRange = value(p, Cell::R4);
    s.*side.xmitPower = value(p, Cell::R3);
    s.RangeToggle = s.*side.xmitRange == text::Long ? 0 : 1;
    s.PowerToggle = s.*side.xmitPower == text::Normal ? 0 : 1;
    std::string& line = side.line2(s);
    setStatusChars(line, statuspos::PowerLetter, s.PowerToggle == 0 ? "N" : "R");
    setStatusChars(line, statuspos::RangeLetter, s.RangeToggle == 0 ? "L" : "S");
    return true;
  };
}

EnterStep storeRemoteModify(const StationSide& side) {
  return storeCell(Cell::R2, side.remoteModify);
}

EnterStep storeConnection(const StationSide::Connection& c) {
  return [c](StationPanel& p) {
    SimulationState& s = state(p);
    s.*c.send = value(p, Cell::R2);
    s.*c.recv = value(p, Cell::R3);
    s.*c.bits = value(p, Cell::L4);
    s.*c.stop = value(p, Cell::R4);
    return true;
  };
}

EnterStep storeTelegrams(const StationSide& side) {
  return [&side](StationPanel& p) {
    state(p).*side.outTelegram = value(p, Cell::R3);
    state(p).*side.inTelegram = value(p, Cell::R4);
    return true;
  };
}

EnterStep storeAlarmSimulation(const StationSide& side) {
  return [&side](StationPanel& p) {
    state(p).*side.alarmSound = value(p, Cell::R1);
    state(p).*side.simulationOutput = value(p, Cell::R4);
    return true;
  };
}

EnterStep storeControlByte(const StationSide& side) {
  return storeCell(Cell::L2, side.controlByte);
}

EnterStep storeVolume(const StationSide& side) {
  return storeCell(Cell::R3, side.audioVolume);
}

EnterStep storeWakeUp(const StationSide& side) {
  return storeCell(Cell::L3, side.clockDay);
}

EnterStep storeUnitRole(const StationSide& side) {
  return [&side](StationPanel& p) {
    SimulationState& s = state(p);
    const std::string& role = s.*side.unitRole = value(p, Cell::L2);
    // A beacon stays a "B" in its status line whatever role it is given.
    std::string& line = side.line(s);
    if (&line == &s.BeaconStatusLine) return true;
    const bool fix = role == text::AsFix || role == text::AsMk3F;
    setStatusChars(line, statuspos::StationLetter, fix ? "F" : "M");
    return true;
  };
}

EnterStep storeScanLimits(StationSide::Text left, StationSide::Text right) {
  return [left, right](StationPanel& p) {
    if (!entry::scanLimit(p, value(p, Cell::R3), "left scan limit") ||
        !entry::scanLimit(p, value(p, Cell::R4), "right scan limit"))
      return false;
    state(p).*left = value(p, Cell::R3);
    state(p).*right = value(p, Cell::R4);
    return true;
  };
}

EnterStep storeAzimuthFilter() {
  return [](StationPanel& p) {
    state(p).AzmFilterAlpha = value(p, Cell::R2);
    state(p).AzmFilterBeta = value(p, Cell::R3);
    return true;
  };
}

EnterStep storeCell(Cell cell, StationSide::Text into) {
  return [cell, into](StationPanel& p) {
    state(p).*into = value(p, cell);
    return true;
  };
}

EnterStep storeReferenceAzimuth() {
  return [](StationPanel& p) {
    Extended reference = 0;
    if (!entry::decimalNumber(p, value(p, Cell::L3), "reference azimuth", reference)) return false;
    state(p).ReferenceAzimuth = value(p, Cell::L3);
    // Any reference the page takes (up to 999.999) gives an azimuth on the circle.
    setFixAzimuth(state(p), reference - 180);
    return true;
  };
}

EnterStep storeSetpoint(const char* what, void (*use)(StationPanel&, Extended),
                        bool emptyStaysEmpty) {
  return [what, use, emptyStaysEmpty](StationPanel& p) {
    std::string entry = value(p, Cell::R4);
    const bool empty = entry.empty();
    if (empty) {
      entry = "0";
      p.cell(Cell::R4).Caption = entry;
    }
    Extended setpoint = 0;
    if (!entry::decimalNumber(p, entry, what, setpoint)) return false;
    state(p).ReferenceEntry = empty && emptyStaysEmpty ? "" : entry;
    use(p, setpoint);
    return true;
  };
}

EnterStep askBeforeLosingLock() {
  return [](StationPanel& p) {
    if (p.services().dialogs.warningOkCancel("If you enter this you will lose lock") ==
        MessageBoxes::Answer::Ok) {
      state(p).ReciprocalAzimuth = state(p).FixAzimuth + 180;
    }
    return true;
  };
}

EnterStep captureScanLimit(StationSide::Text into, Extended (*direction)(const SimulationState&)) {
  return [into, direction](StationPanel& p) {
    state(p).*into = fixed2(direction(state(p)));
    return true;
  };
}

EnterStep checkFrequency() {
  return [](StationPanel& p) {
    long mhz = 0;
    return entry::frequency(p, mhz);
  };
}

EnterStep checkNumber(Cell cell, const char* what) {
  return [cell, what](StationPanel& p) {
    Extended number = 0;
    return entry::decimalNumber(p, value(p, cell), what, number);
  };
}

EnterStep showCell(Cell cell, std::string text) {
  return [cell, text = std::move(text)](StationPanel& p) {
    p.cell(cell).Caption = text;
    return true;
  };
}

EnterStep goToScreen(int screen) {
  return [screen](StationPanel& p) {
    p.enterScreen(screen);
    return true;
  };
}

EnterStep closePanel() {
  return [](StationPanel& p) {
    p.Close();
    return true;
  };
}

EnterStep inform(std::string text) {
  return [text = std::move(text)](StationPanel& p) {
    p.services().dialogs.information(text);
    return true;
  };
}

}  // namespace kestrom
