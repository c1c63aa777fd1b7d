#include "panels/common/option_lists.h"

#include "setup/simulation_state.h"

namespace kestrom {

const OptionEntry* findOption(const OptionList& list, std::int32_t code) {
  for (const OptionEntry& e : list) {
    if (e.code == code) return &e;
  }
  return nullptr;
}

const OptionList& frequencyPairOptions() {
  static const OptionList list = {{0, "      1: 9300 - 9270", 1},
                                  {1, "      2: 9230 - 9200", 2},
                                  {2, "      3: 9270 - 9300", 3},
                                  {3, "      0: 9200 - 9230", 0}};
  return list;
}

const OptionList& operatingModeOptions() {
  static const OptionList list = {{0, "        HANDSEARCH", 1},
                                  {1, "        AUTOSEARCH", 2},
                                  {2, "        STAND BY", 3},
                                  {3, "        CLOSED LOOP", 4},
                                  {4, "        OPEN LOOP", 0}};
  return list;
}

const OptionList& gainOptions() {
  static const OptionList list = {{0, "           MANUAL", 1}, {1, "           AUTOMATIC", 0}};
  return list;
}

const OptionList& powerOptions() {
  static const OptionList list = {{0, "        REDUCED", 1}, {1, "        NORMAL", 0}};
  return list;
}

const OptionList& rangeOptions() {
  static const OptionList list = {{0, "        SHORT", 1}, {1, "        LONG", 0}};
  return list;
}

const OptionList& remoteModifyOptions() {
  static const OptionList list = {{0, "DISABLED", 1}, {1, "ENABLED", 0}};
  return list;
}

const OptionList& baudOptions() {
  static const OptionList list = {{0, "1200", 1}, {1, "2400", 2}, {2, "4800", 3}, {3, "9600", 0}};
  return list;
}

const OptionList& bitsOptions() {
  static const OptionList list = {{0, "BITS : 8 - N", 1}, {1, "BITS : 8 - E", 2},
                                  {2, "BITS : 8 - 0", 3}, {3, "BITS : 7 - N", 4},
                                  {4, "BITS : 7 - E", 5}, {5, "BITS : 7 - O", 0}};
  return list;
}

const OptionList& stopBitsOptions() {
  static const OptionList list = {{0, "STOP : 2    ", 1}, {1, "STOP : 1    ", 0}};
  return list;
}

const OptionList& inTelegramOptions() {
  static const OptionList list = {{0, "SKR80  ", 1}, {1, "NMEA   ", 2}, {2, "NONE   ", 0}};
  return list;
}

const OptionList& alarmSoundOptions() {
  static const OptionList list = {{0, "ON", 1}, {1, "OFF", 0}};
  return list;
}

const OptionList& simulationOutputOptions() {
  static const OptionList list = {{0, "ON", 2}, {2, "OFF", 0}};
  return list;
}

const OptionList& unitRoleOptions() {
  static const OptionList list = {
      {0, "       AS  MK3M", 1}, {1, "       AS  MOB", 2}, {2, "       AS  FIX", 0}};
  return list;
}

const OptionList& counterUnitRoleOptions(const SimulationState& s) {
  static const auto withOwnRole = [](const char* role) {
    OptionList list = unitRoleOptions();
    list[2].text = role;
    return list;
  };
  static const OptionList mk3Fix = withOwnRole(text::AsMk3F);
  static const OptionList mk4Beacon = withOwnRole(text::AsBeacon);
  static const OptionList mk3Beacon = withOwnRole(text::AsBcn3);
  switch (s.CounterStationKind) {
    case CounterKind::Mk3Fix:
      return mk3Fix;
    case CounterKind::Mk4Beacon:
      return mk4Beacon;
    case CounterKind::Mk3Beacon:
      return mk3Beacon;
    default:
      return unitRoleOptions();
  }
}

const OptionList& basicPanelOutTelegramOptions() {
  static const OptionList list = {{0, "KA-BCD(.001)  ", 1},    {1, "KA-BCD(.01)   ", 2},
                                  {2, "KA-BCD(ADB)   ", 3},    {3, "ASCII 16         ", 4},
                                  {4, "ASCII 17         ", 5}, {5, "ASCII 22         ", 0}};
  return list;
}

}  // namespace kestrom
