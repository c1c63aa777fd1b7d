#include "panels/mobile/mobile_key_in.h"

#include <string>

namespace kestrom {
namespace {

using S = SimulationState;
using enum Cell;

std::string spaces(int n) {
  return std::string(static_cast<std::size_t>(n), ' ');
}

// An option list whose presses stop the blink and turn the stepped field black.
KeyInRoutine options(const char* name, std::vector<FieldAction> fields) {
  return {name, std::move(fields), true, StepColours::FieldOnly};
}

// A typed field: every press stops the blink and turns the field black, even a
// press the field refuses.
KeyInRoutine typed(const char* name, std::vector<FieldAction> fields) {
  return {name, std::move(fields), true, StepColours::FieldOnly, true};
}

}  // namespace

const OptionList& mobileOutTelegramOptions() {
  static const OptionList list = {{0, "BCD(.001)        ", 1}, {1, "BCD(.01)         ", 2},
                                  {2, "BCD(ADB)         ", 3}, {3, "ASCII 16         ", 4},
                                  {4, "ASCII 17         ", 5}, {5, "ASCII 22         ", 0}};
  return list;
}

const std::vector<KeyInBinding>& mobileKeyIn() {
  const std::vector<Separator> kTime = {{2, ':'}, {5, ':'}};
  const std::vector<Separator> kDate = {{2, '/'}, {5, '/'}};
  const std::vector<Separator> kPoint = {{3, '.'}};
  static const std::vector<KeyInBinding> table = {
      // Option lists. The frequency pair and operating mode pages leave the blink and
      // the colours alone.
      {{7, 42, 73},
       {"StepFrequencyPair",
        {{kAnyField, OptionStep{L3, &frequencyPairOptions(), &S::FrequencyPairNo}}},
        false,
        StepColours::Untouched}},
      {{17, 51, 77},
       {"StepOperatingMode",
        {{kAnyField, OptionStep{L2, &operatingModeOptions(), &S::OperatingModeCycle}}},
        false,
        StepColours::Untouched}},
      {{19, 53},
       options("StepGainPower", {{0, OptionStep{L2, &gainOptions(), &S::GainToggle}},
                                 {1, OptionStep{R3, &powerOptions(), &S::PowerToggle}},
                                 {2, OptionStep{R4, &rangeOptions(), &S::RangeToggle}}})},
      {{20, 54},
       {"StepRemoteModify",
        {{kAnyField, OptionStep{R2, &remoteModifyOptions(), &S::RemoteModifyToggle}}},
        true,
        StepColours::Untouched}},
      {{22, 57},
       options("StepHostLink", {{0, OptionStep{R2, &baudOptions(), &S::HostSendBaudCycle}},
                                {1, OptionStep{R3, &baudOptions(), &S::HostRecvBaudCycle}},
                                {2, OptionStep{L4, &bitsOptions(), &S::HostBitsCycle}},
                                {3, OptionStep{R4, &stopBitsOptions(), &S::HostStopCycle}}})},
      {{23, 58},
       options("StepPerLink", {{0, OptionStep{R2, &baudOptions(), &S::PerSendBaudCycle}},
                               {1, OptionStep{R3, &baudOptions(), &S::PerRecvBaudCycle}},
                               {2, OptionStep{L4, &bitsOptions(), &S::PerBitsCycle}},
                               {3, OptionStep{R4, &stopBitsOptions(), &S::PerStopCycle}}})},
      {{24, 59},
       options("StepTelegrams",
               {{0, OptionStep{R3, &mobileOutTelegramOptions(), &S::OutTelegramCycle}},
                {1, OptionStep{R4, &inTelegramOptions(), &S::InTelegramCycle}}})},
      {{25, 60},
       options("StepAlarmSimulation",
               {{0, OptionStep{R1, &alarmSoundOptions(), &S::AlarmSoundCycle}},
                {1, OptionStep{R4, &simulationOutputOptions(), &S::SimulationOutputCycle}}})},
      {{71, 72},
       options("StepUnitRole", {{0, OptionStep{L2, &unitRoleOptions(), &S::UnitRoleCycle}}})},

      // Typed fields.
      {{8, 43}, typed("KeyInAddressCode", {{kAnyField, TypedEntry{R3, "", 2}}})},
      // Field 1 is the frequency: four digits, the first a 9, the second a 2 or 3.
      {{9, 44},
       typed("KeyInFrequencyAdjust", {{0, TextToggle{R2, text::PlusOffset, text::MinusOffset}},
                                      {1, TypedEntry{R3, "", 4, {}, "", {"9", "23"}}}})},
      {{11, 15, 49}, typed("KeyInSetpoint", {{0, TypedEntry{R4, "", 4, kPoint}}})},
      {{14, 48},
       typed("KeyInScanLimits", {{0, TypedEntry{R3, "", 3}}, {1, TypedEntry{R4, "", 3}}})},
      {{16, 50, 76},
       typed("KeyInTimeDate",
             {{0, TypedEntry{R2, "", 8, kTime}}, {1, TypedEntry{R4, "", 8, kDate}}})},
      {{26, 61}, typed("KeyInControlByte", {{0, TypedEntry{L2, spaces(15), 3}}})},
      // One digit with four blanks behind it, stored at once.
      {{27},
       typed("KeyInVolume",
             {{0, TypedEntry{R3, "", 1, {}, spaces(4), {}, &S::MobileAudioVolume}}})},
      {{62},
       typed("KeyInVolume",
             {{0, TypedEntry{R3, "", 1, {}, spaces(4), {}, &S::CounterAudioVolume}}})},
      {{34, 69}, typed("KeyInWakeUp", {{0, TypedEntry{L3, "", 8, kTime}}})},
      {{46}, typed("KeyInReferenceAzimuth", {{0, TypedEntry{L3, spaces(7), 7, kPoint}}})},
      {{55},
       typed("KeyInFilter",
             {{0, TypedEntry{R2, "", 2, {}, " %"}}, {1, TypedEntry{R3, "", 1, {}, " %"}}})},
      {{74}, typed("KeyInSelectiveAddress", {{0, TypedEntry{R3, "", 2}}})},
      {{75}, typed("KeyInAntennaBearing", {{0, TypedEntry{L4, spaces(10), 4, kPoint}}})},
      {{85}, typed("KeyInStationCode", {{0, TypedEntry{R2, "", 3}}})},
  };
  return table;
}

// The field under edit blinks; the other fields of its screen are held black. On
// the wake-up, selective address and antenna bearing pages the field is white at
// every tick; the station code turns white once and stays so.
std::vector<BlinkRow> mobileBlinkRows() {
  return {
      {{8, 43}, kAnyField, {}, R3},
      {{9, 44, 55}, 0, {R3}, R2},
      {{9, 44, 55}, 1, {R2}, R3},
      {{11}, kAnyField, {}, L3},
      {{14, 24, 48}, 0, {R4}, R3},
      {{14, 24, 48}, 1, {R3}, R4},
      {{16, 50, 76}, 0, {R4}, R2},
      {{16, 50, 76}, 1, {R2}, R4},
      {{19, 53}, 0, {R3, R4}, L2},
      {{19, 53}, 1, {L2, R4}, R3},
      {{19, 53}, 2, {L2, R3}, R4},
      {{20, 54}, kAnyField, {}, R2},
      {{22, 23, 57, 58}, 0, {R3, L4, R4}, R2},
      {{22, 23, 57, 58}, 1, {R2, L4, R4}, R3},
      {{22, 23, 57, 58}, 2, {R2, R3, R4}, L4},
      {{22, 23, 57, 58}, 3, {R2, R3, L4}, R4},
      {{25, 60}, 0, {R4}, R1},
      {{25, 60}, 1, {R1}, R4},
      {{34, 69}, kAnyField, {}, L3, BlinkMode::AlwaysWhite},
      {{74}, kAnyField, {}, R3, BlinkMode::AlwaysWhite},
      {{75}, kAnyField, {}, L4, BlinkMode::AlwaysWhite},
      {{85}, kAnyField, {}, R2, BlinkMode::WhiteOnce},
  };
}

}  // namespace kestrom
