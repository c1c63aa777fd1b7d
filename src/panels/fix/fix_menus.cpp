#include "panels/fix/fix_menus.h"

namespace kestrom {
namespace {

using S = SimulationState;
using enum Cell;

std::string spaces(int n) {
  return std::string(n, ' ');
}

}  // namespace

const std::vector<KeyInBinding>& FixMenus() {
  const std::vector<Separator> kTimeSeparators = {{2, ':'}, {5, ':'}};
  const std::vector<Separator> kDateSeparators = {{2, '/'}, {5, '/'}};
  static const std::vector<KeyInBinding> table = {
      {{6, 43, 73},
       {"SetFreqPair",
        {{kAnyField, OptionStep{L3, &frequencyPairOptions(), &S::FrequencyPairNo}}},
        false,
        StepColours::Untouched}},
      {{17, 52, 80},
       {"CycleOprMode",
        {{kAnyField, OptionStep{L2, &operatingModeOptions(), &S::OperatingModeCycle}}},
        false,
        StepColours::Untouched}},
      {{19, 54},
       {"ToggleGainPower",
        {{0, OptionStep{L2, &gainOptions(), &S::GainToggle}},
         {1, OptionStep{R3, &powerOptions(), &S::PowerToggle}},
         {2, OptionStep{R4, &rangeOptions(), &S::RangeToggle}}}}},
      {{20, 55},
       {"ToggleRemoteModify",
        {{kAnyField, OptionStep{R2, &remoteModifyOptions(), &S::RemoteModifyToggle}}},
        true,
        StepColours::Untouched}},
      {{23, 57},
       {"CycleHostLink",
        {{0, OptionStep{R2, &baudOptions(), &S::HostSendBaudCycle}},
         {1, OptionStep{R3, &baudOptions(), &S::HostRecvBaudCycle}},
         {2, OptionStep{L4, &bitsOptions(), &S::HostBitsCycle}},
         {3, OptionStep{R4, &stopBitsOptions(), &S::HostStopCycle}}}}},
      {{24, 58},
       {"CyclePerLink",
        {{0, OptionStep{R2, &baudOptions(), &S::PerSendBaudCycle}},
         {1, OptionStep{R3, &baudOptions(), &S::PerRecvBaudCycle}},
         {2, OptionStep{L4, &bitsOptions(), &S::PerBitsCycle}},
         {3, OptionStep{R4, &stopBitsOptions(), &S::PerStopCycle}}}}},
      {{25, 59},
       {"CycleTelegrams",
        {{0, OptionStep{R3, &basicPanelOutTelegramOptions(), &S::OutTelegramCycle}},
         {1, OptionStep{R4, &inTelegramOptions(), &S::InTelegramCycle}}}}},
      {{26, 60},
       {"ToggleAlarmSimulation",
        {{0, OptionStep{R1, &alarmSoundOptions(), &S::AlarmSoundCycle}},
         {1, OptionStep{R4, &simulationOutputOptions(), &S::SimulationOutputCycle}}}}},
      {{71, 72}, {"CycleUnitRole", {{0, OptionStep{L2, &unitRoleOptions(), &S::UnitRoleCycle}}}}},
      {{7, 44}, {"KeyInAddressCode", {{kAnyField, TypedEntry{R3, "", 2}}}}},
      // Field 1 is the frequency in 3R: four digits, the first a 9, the second a 2 or 3.
      {{8, 45},
       {"KeyInMk3Offset",
        {{0, TextToggle{R2, text::PlusOffset, text::MinusOffset}},
         {1, TypedEntry{R3, "", 4, {}, "", {"9", "23"}}}}}},
      {{47}, {"KeyInBearing", {{0, TypedEntry{L3, spaces(11), 4, {{3, '.'}}}}}}},
      {{12, 48}, {"KeyInScanLimits", {{0, TypedEntry{R3, "", 3}}, {1, TypedEntry{R4, "", 3}}}}},
      {{13, 49}, {"KeyInSetpoint", {{0, TypedEntry{R4, "", 4, {{3, '.'}}}}}}},
      {{16, 50, 79},
       {"KeyInTimeDate",
        {{0, TypedEntry{R2, "", 8, kTimeSeparators}},
         {1, TypedEntry{R4, "", 8, kDateSeparators}}}}},
      {{35, 69}, {"KeyInWakeUp", {{0, TypedEntry{L3, "", 8, kTimeSeparators}}}}},
      {{27, 61}, {"KeyInControlByte", {{0, TypedEntry{L2, spaces(15), 3}}}}},
      // One digit, shown with four spaces behind it; further digits wait for ENTER.
      {{28, 62}, {"KeyInVolume", {{0, TypedEntry{R3, "", 1, {}, spaces(4)}}}}},
      {{14}, {"KeyInRefAzimuth", {{0, TypedEntry{L3, spaces(13), 7, {{3, ','}}}}}}},
      {{78}, {"KeyInRefAzimuthMk3", {{0, TypedEntry{L3, spaces(10), 7, {{3, '.'}}}}}}},
      {{21},
       {"KeyInFilter",
        {{0, TypedEntry{R2, "", 2, {}, " %"}}, {1, TypedEntry{R3, "", 1, {}, " %"}}}}},
      {{74}, {"KeyInSelectiveAddress", {{0, TypedEntry{R3, "", 2}}}}},
  };
  return table;
}

}  // namespace kestrom
