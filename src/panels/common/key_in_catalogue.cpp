#include "panels/common/key_in_catalogue.h"

#include <utility>

namespace kestrom::keyin {

namespace {

using S = SimulationState;
using enum Cell;

std::string blanks(int n) {
  return std::string(static_cast<std::size_t>(n), ' ');
}

const std::vector<Separator> kTime = {{2, ':'}, {5, ':'}};
const std::vector<Separator> kDate = {{2, '/'}, {5, '/'}};
const std::vector<Separator> kPoint = {{3, '.'}};

KeyInRoutine routine(const char* name, std::vector<FieldAction> fields) {
  return {name, std::move(fields)};
}

// Option lists that leave the colours as they are; `stopsBlink` as given.
KeyInRoutine untouched(const char* name, FieldAction field, bool stopsBlink) {
  return {name, {std::move(field)}, stopsBlink, StepColours::Untouched};
}

}  // namespace

KeyInRoutine SetFreqPair() {
  return untouched("SetFreqPair",
                   {kAnyField, OptionStep{L3, &frequencyPairOptions(), &S::FrequencyPairNo}},
                   false);
}

KeyInRoutine CycleOprMode() {
  return untouched("CycleOprMode",
                   {kAnyField, OptionStep{L2, &operatingModeOptions(), &S::OperatingModeCycle}},
                   false);
}

KeyInRoutine ToggleGainPower() {
  return routine("ToggleGainPower", {{0, OptionStep{L2, &gainOptions(), &S::GainToggle}},
                                     {1, OptionStep{R3, &powerOptions(), &S::PowerToggle}},
                                     {2, OptionStep{R4, &rangeOptions(), &S::RangeToggle}}});
}

KeyInRoutine ToggleRemoteModify() {
  return untouched("ToggleRemoteModify",
                   {kAnyField, OptionStep{R2, &remoteModifyOptions(), &S::RemoteModifyToggle}},
                   true);
}

KeyInRoutine CycleHostLink() {
  return routine("CycleHostLink", {{0, OptionStep{R2, &baudOptions(), &S::HostSendBaudCycle}},
                                   {1, OptionStep{R3, &baudOptions(), &S::HostRecvBaudCycle}},
                                   {2, OptionStep{L4, &bitsOptions(), &S::HostBitsCycle}},
                                   {3, OptionStep{R4, &stopBitsOptions(), &S::HostStopCycle}}});
}

KeyInRoutine CyclePerLink() {
  return routine("CyclePerLink", {{0, OptionStep{R2, &baudOptions(), &S::PerSendBaudCycle}},
                                  {1, OptionStep{R3, &baudOptions(), &S::PerRecvBaudCycle}},
                                  {2, OptionStep{L4, &bitsOptions(), &S::PerBitsCycle}},
                                  {3, OptionStep{R4, &stopBitsOptions(), &S::PerStopCycle}}});
}

KeyInRoutine CycleTelegrams(const OptionList& out) {
  return routine("CycleTelegrams",
                 {{0, OptionStep{R3, &out, &S::OutTelegramCycle}},
                  {1, OptionStep{R4, &inTelegramOptions(), &S::InTelegramCycle}}});
}

KeyInRoutine ToggleAlarmSimulation() {
  return routine("ToggleAlarmSimulation",
                 {{0, OptionStep{R1, &alarmSoundOptions(), &S::AlarmSoundCycle}},
                  {1, OptionStep{R4, &simulationOutputOptions(), &S::SimulationOutputCycle}}});
}

KeyInRoutine CycleUnitRole() {
  return routine("CycleUnitRole", {{0, OptionStep{L2, &unitRoleOptions(), &S::UnitRoleCycle}}});
}

KeyInRoutine CycleCounterUnitRole() {
  return routine("CycleCounterUnitRole",
                 {{0, OptionStep{L2, nullptr, &S::UnitRoleCycle, &counterUnitRoleOptions}}});
}

KeyInRoutine KeyInAddressCode() {
  return routine("KeyInAddressCode", {{kAnyField, TypedEntry{R3, "", 2}}});
}

KeyInRoutine KeyInSelectiveAddress() {
  return routine("KeyInSelectiveAddress", {{0, TypedEntry{R3, "", 2}}});
}

// Field 1 is the frequency: four digits, the first a 9, the second a 2 or 3.
KeyInRoutine KeyInMk3Offset() {
  return routine("KeyInMk3Offset", {{0, TextToggle{R2, text::PlusOffset, text::MinusOffset}},
                                    {1, TypedEntry{R3, "", 4, {}, "", {"9", "23"}}}});
}

KeyInRoutine KeyInSetpoint() {
  return routine("KeyInSetpoint", {{0, TypedEntry{R4, "", 4, kPoint}}});
}

KeyInRoutine KeyInScanLimits() {
  return routine("KeyInScanLimits", {{0, TypedEntry{R3, "", 3}}, {1, TypedEntry{R4, "", 3}}});
}

KeyInRoutine KeyInTimeDate() {
  return routine("KeyInTimeDate",
                 {{0, TypedEntry{R2, "", 8, kTime}}, {1, TypedEntry{R4, "", 8, kDate}}});
}

KeyInRoutine KeyInWakeUp() {
  return routine("KeyInWakeUp", {{0, TypedEntry{L3, "", 8, kTime}}});
}

KeyInRoutine KeyInControlByte() {
  return routine("KeyInControlByte", {{0, TypedEntry{L2, blanks(15), 3}}});
}

KeyInRoutine KeyInVolume(std::string SimulationState::*storesIn) {
  return routine("KeyInVolume", {{0, TypedEntry{R3, "", 1, {}, blanks(4), {}, storesIn}}});
}

KeyInRoutine KeyInFilter() {
  return routine("KeyInFilter",
                 {{0, TypedEntry{R2, "", 2, {}, " %"}}, {1, TypedEntry{R3, "", 1, {}, " %"}}});
}

KeyInRoutine KeyInBearing(Cell cell, int blankCount) {
  return routine("KeyInBearing", {{0, TypedEntry{cell, blanks(blankCount), 4, kPoint}}});
}

KeyInRoutine KeyInRefAzimuth(int blankCount, char separator) {
  return routine("KeyInRefAzimuth", {{0, TypedEntry{L3, blanks(blankCount), 7, {{3, separator}}}}});
}

KeyInRoutine KeyInStationCode() {
  return routine("KeyInStationCode", {{0, TypedEntry{R2, "", 3}}});
}

}  // namespace kestrom::keyin
