#pragma once

#include <string>

#include "setup/simulation_state.h"

namespace kestrom {

// One station of the link as the panels see it: the settings of that side of the
// shared record, by member pointer, and the status lines its OPERATE pages show.
// A screen shape, a store step or a quick key is written once and bound to a side;
// the record keeps the system's own names (MobileFreq, CounterFreq, ...).
struct StationSide {
  using Text = std::string SimulationState::*;

  Text freqPairText, freq, mk3FreqOffset;
  Text addrReceived, addrSent, mk3Addr;
  Text operatingMode, gainMode, xmitRange, xmitPower, remoteModify;
  Text hostSendBaud, hostRecvBaud, hostBits, hostStop;
  Text perSendBaud, perRecvBaud, perBits, perStop;
  Text outTelegram, inTelegram, alarmSound, simulationOutput;
  Text controlByte, audioVolume, clockTime, clockDate, clockDay, unitRole;
  Text statusLine, statusLine2;
  // The counter station as the Mobile sees it: the Mk 4 beacon's status lines
  // while it is the counter station (the only beacon with a panel of its own),
  // the Fix's otherwise.
  bool linesFollowCounterKind = false;

  // The status lines of this side as they stand in the record now.
  std::string& line(SimulationState& s) const {
    if (linesFollowCounterKind)
      return s.CounterStationKind == CounterKind::Mk4Beacon ? s.BeaconStatusLine : s.FixStatusLine;
    return s.*statusLine;
  }
  std::string& line2(SimulationState& s) const {
    if (linesFollowCounterKind)
      return s.CounterStationKind == CounterKind::Mk4Beacon ? s.BeaconStatusLine2
                                                            : s.FixStatusLine2;
    return s.*statusLine2;
  }

  // The settings of one serial connection of this side.
  struct Connection {
    Text send, recv, bits, stop;
  };
  Connection host() const { return {hostSendBaud, hostRecvBaud, hostBits, hostStop}; }
  Connection per() const { return {perSendBaud, perRecvBaud, perBits, perStop}; }
};

// The Mobile station.
inline constexpr StationSide kMobileSide = {
    .freqPairText = &SimulationState::MobileFreqPairText,
    .freq = &SimulationState::MobileFreq,
    .mk3FreqOffset = &SimulationState::MobileMk3FreqOffset,
    .addrReceived = &SimulationState::MobileAddrReceived,
    .addrSent = &SimulationState::MobileAddrSent,
    .mk3Addr = &SimulationState::MobileMk3Addr,
    .operatingMode = &SimulationState::MobileOperatingMode,
    .gainMode = &SimulationState::MobileGainMode,
    .xmitRange = &SimulationState::MobileXmitRange,
    .xmitPower = &SimulationState::MobileXmitPower,
    .remoteModify = &SimulationState::MobileRemoteModify,
    .hostSendBaud = &SimulationState::MobileHostSendBaud,
    .hostRecvBaud = &SimulationState::MobileHostRecvBaud,
    .hostBits = &SimulationState::MobileHostBits,
    .hostStop = &SimulationState::MobileHostStop,
    .perSendBaud = &SimulationState::MobilePerSendBaud,
    .perRecvBaud = &SimulationState::MobilePerRecvBaud,
    .perBits = &SimulationState::MobilePerBits,
    .perStop = &SimulationState::MobilePerStop,
    .outTelegram = &SimulationState::MobileOutTelegram,
    .inTelegram = &SimulationState::MobileInTelegram,
    .alarmSound = &SimulationState::MobileAlarmSound,
    .simulationOutput = &SimulationState::MobileSimulationOutput,
    .controlByte = &SimulationState::MobileControlByte,
    .audioVolume = &SimulationState::MobileAudioVolume,
    .clockTime = &SimulationState::MobileClockTime,
    .clockDate = &SimulationState::MobileClockDate,
    .clockDay = &SimulationState::MobileClockDay,
    .unitRole = &SimulationState::MobileUnitRole,
    .statusLine = &SimulationState::MobileStatusLine,
    .statusLine2 = &SimulationState::MobileStatusLine2,
};

// The counter station as a Fix: the Counter settings with the Fix's status lines.
inline constexpr StationSide kFixSide = {
    .freqPairText = &SimulationState::CounterFreqPairText,
    .freq = &SimulationState::CounterFreq,
    .mk3FreqOffset = &SimulationState::CounterMk3FreqOffset,
    .addrReceived = &SimulationState::CounterAddrReceived,
    .addrSent = &SimulationState::CounterAddrSent,
    .mk3Addr = &SimulationState::CounterMk3Addr,
    .operatingMode = &SimulationState::CounterOperatingMode,
    .gainMode = &SimulationState::CounterGainMode,
    .xmitRange = &SimulationState::CounterXmitRange,
    .xmitPower = &SimulationState::CounterXmitPower,
    .remoteModify = &SimulationState::CounterRemoteModify,
    .hostSendBaud = &SimulationState::CounterHostSendBaud,
    .hostRecvBaud = &SimulationState::CounterHostRecvBaud,
    .hostBits = &SimulationState::CounterHostBits,
    .hostStop = &SimulationState::CounterHostStop,
    .perSendBaud = &SimulationState::CounterPerSendBaud,
    .perRecvBaud = &SimulationState::CounterPerRecvBaud,
    .perBits = &SimulationState::CounterPerBits,
    .perStop = &SimulationState::CounterPerStop,
    .outTelegram = &SimulationState::CounterOutTelegram,
    .inTelegram = &SimulationState::CounterInTelegram,
    .alarmSound = &SimulationState::CounterAlarmSound,
    .simulationOutput = &SimulationState::CounterSimulationOutput,
    .controlByte = &SimulationState::CounterControlByte,
    .audioVolume = &SimulationState::CounterAudioVolume,
    .clockTime = &SimulationState::CounterClockTime,
    .clockDate = &SimulationState::CounterClockDate,
    .clockDay = &SimulationState::CounterClockDay,
    .unitRole = &SimulationState::CounterUnitRole,
    .statusLine = &SimulationState::FixStatusLine,
    .statusLine2 = &SimulationState::FixStatusLine2,
};

// The counter station as a Beacon: the Counter settings with the Beacon's lines.
inline constexpr StationSide kBeaconSide = [] {
  StationSide side = kFixSide;
  side.statusLine = &SimulationState::BeaconStatusLine;
  side.statusLine2 = &SimulationState::BeaconStatusLine2;
  return side;
}();

// The counter station, whichever it is, as the Mobile's remote pages see it.
inline constexpr StationSide kCounterSide = [] {
  StationSide side = kFixSide;
  side.linesFollowCounterKind = true;
  return side;
}();

}  // namespace kestrom
