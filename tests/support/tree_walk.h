#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "panels/common/station_panel.h"
#include "setup/simulation_state.h"

namespace kestrom::testing {

// A panel's eight cells in the order 1L 1R 2L 2R 3L 3R 4L 4R.
using CellTexts = std::array<std::string, 8>;

inline CellTexts cellTexts(const StationPanel& panel) {
  CellTexts out;
  int i = 0;
  for (Cell c : {Cell::L1, Cell::R1, Cell::L2, Cell::R2, Cell::L3, Cell::R3, Cell::L4, Cell::R4})
    out[static_cast<std::size_t>(i++)] = panel.cell(c).Caption;
  return out;
}

// A screen, the keys that reach it from the main menu, and its cells.
struct Walk {
  int screen;
  const char* keys;
  CellTexts cells;
};

// The signal bar of the FREQ ADJUST MK3 pages: four characters 127.
inline const std::string kFourBars = "SIGNL : \x7f\x7f\x7f\x7f";

// The fields a screen shows, each with its own name in angle brackets.
inline const std::vector<std::pair<std::string SimulationState::*, const char*>>& markedFields() {
  using S = SimulationState;
#define MARK(f) \
  { &S::f, "<" #f ">" }
  static const std::vector<std::pair<std::string S::*, const char*>> marked = {
      MARK(MobileStatusLine),
      MARK(MobileStatusLine2),
      MARK(FixStatusLine),
      MARK(FixStatusLine2),
      MARK(BeaconStatusLine),
      MARK(BeaconStatusLine2),
      MARK(MobileFreqPairText),
      MARK(CounterFreqPairText),
      MARK(MobileFreq),
      MARK(CounterFreq),
      MARK(MobileAddrReceived),
      MARK(CounterAddrReceived),
      MARK(MobileAddrSent),
      MARK(CounterAddrSent),
      MARK(MobileMk3Addr),
      MARK(CounterMk3Addr),
      MARK(MobileMk3FreqOffset),
      MARK(CounterMk3FreqOffset),
      MARK(MobileScanLimitLeft),
      MARK(MobileScanLimitRight),
      MARK(FixScanLimitLeft),
      MARK(FixScanLimitRight),
      MARK(MobileOperatingMode),
      MARK(CounterOperatingMode),
      MARK(MobileGainMode),
      MARK(CounterGainMode),
      MARK(MobileXmitPower),
      MARK(CounterXmitPower),
      MARK(MobileXmitRange),
      MARK(CounterXmitRange),
      MARK(MobileRemoteModify),
      MARK(CounterRemoteModify),
      MARK(MobileHostSendBaud),
      MARK(CounterHostSendBaud),
      MARK(MobileHostRecvBaud),
      MARK(CounterHostRecvBaud),
      MARK(MobileHostBits),
      MARK(CounterHostBits),
      MARK(MobileHostStop),
      MARK(CounterHostStop),
      MARK(MobilePerSendBaud),
      MARK(CounterPerSendBaud),
      MARK(MobilePerRecvBaud),
      MARK(CounterPerRecvBaud),
      MARK(MobilePerBits),
      MARK(CounterPerBits),
      MARK(MobilePerStop),
      MARK(CounterPerStop),
      MARK(MobileOutTelegram),
      MARK(CounterOutTelegram),
      MARK(MobileInTelegram),
      MARK(CounterInTelegram),
      MARK(MobileAlarmSound),
      MARK(CounterAlarmSound),
      MARK(MobileSimulationOutput),
      MARK(CounterSimulationOutput),
      MARK(MobileControlByte),
      MARK(CounterControlByte),
      MARK(MobileAudioVolume),
      MARK(CounterAudioVolume),
      MARK(MobileClockDay),
      MARK(CounterClockDay),
      MARK(MobileUnitRole),
      MARK(CounterUnitRole),
      MARK(MobileStationCode),
      MARK(MobileMk3FreqText),
      MARK(MobileStationAddrText),
      MARK(ServoText),
      MARK(ReferenceAzimuth),
      MARK(AzmFilterAlpha),
      MARK(AzmFilterBeta),
      MARK(AntennaBearingText),
  };
#undef MARK
  return marked;
}

// Sets every field a screen shows to its own name in angle brackets, so that a
// cell showing the wrong field is caught.
inline void markFields(SimulationState& s) {
  for (const auto& [field, text] : markedFields()) s.*field = text;
}

}  // namespace kestrom::testing
