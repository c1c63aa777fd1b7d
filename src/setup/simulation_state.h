#pragma once

#include <cstdint>
#include <string>

#include "core/extended.h"

namespace kestrom {

// The counter station the setup window chose, with the values the system gives it.
enum class CounterKind : std::int32_t { Mk4Fix = 0, Mk3Fix = 1, Mk4Beacon = 2, Mk3Beacon = 3 };
constexpr bool isMk3(CounterKind k) {
  return k == CounterKind::Mk3Fix || k == CounterKind::Mk3Beacon;
}
constexpr bool isBeacon(CounterKind k) {
  return k == CounterKind::Mk4Beacon || k == CounterKind::Mk3Beacon;
}

// Which way an antenna turns.
enum class Slew : std::int32_t { Left = 0, Right = 1, Stopped = 3 };

// An antenna's autosearch: idle, scanning between its limits (reversing at each),
// or turning on and on because the two limits are equal.
enum class Scan : std::int32_t { Idle = 0, BetweenLimits = 1, Continuous = 2 };

// The one record that every window of the simulator reads and writes. Setting
// texts are kept byte for byte as the panels show them; stations are compared by
// whole texts. Angles are degrees, distances metres, flags 0 or 1.
struct SimulationState {
  // Scenario
  CounterKind CounterStationKind = CounterKind::Mk4Fix;
  std::int32_t ShuttleTankerSoftware = 0;  // not reset
  std::int32_t OutputTelegramType = 4;

  // Geometry and live values
  Extended Distance = 0;         // not reset
  std::string RangeText;         // not reset
  std::int32_t RangeJitter = 0;  // not reset
  Extended FixAzimuth = 0;
  Extended ReciprocalAzimuth = 0;  // not reset
  Extended AntennaDirection = 0;   // not reset
  Extended AntennaBearing = 0;     // not reset

  // Lock conditions
  std::int32_t FrequencyMatch = 1;
  std::int32_t AddressMatch = 0;  // not reset
  std::int32_t StationTypeMatch = 1;
  std::int32_t StandbyMatch = 1;
  std::int32_t RangeModeMatch = 0;  // not reset
  std::int32_t InLock = 0;
  // True while the Mobile's in-lock lamp is lit lime, on target: the lock the
  // telegrams report. The Mobile's cycle keeps it with the lamp, and a reset puts
  // both out.
  bool MobileLampLime = false;

  // Fix AID display links
  std::int32_t FixAutosearchDisplay = 0;
  Scan FixAidScanMode = Scan::Idle;  // the AID display's sweep; not reset
  std::int32_t MobileScanDrawPhase = 0;

  // Option cycle positions
  std::int32_t FrequencyPairNo = 3;
  std::int32_t OperatingModeCycle = 1;
  std::int32_t RangeToggle = 1;
  std::int32_t PowerToggle = 1;
  std::int32_t GainToggle = 1;
  std::int32_t RemoteModifyToggle = 1;
  std::int32_t HostSendBaudCycle = 2;
  std::int32_t HostRecvBaudCycle = 2;
  std::int32_t HostBitsCycle = 0;
  std::int32_t HostStopCycle = 1;
  std::int32_t PerSendBaudCycle = 0;  // not reset
  std::int32_t PerRecvBaudCycle = 0;  // not reset
  std::int32_t PerBitsCycle = 1;
  std::int32_t PerStopCycle = 0;
  std::int32_t OutTelegramCycle = 1;
  std::int32_t InTelegramCycle = 2;
  std::int32_t AlarmSoundCycle = 0;
  std::int32_t SimulationOutputCycle = 2;
  std::int32_t UnitRoleCycle = 2;

  // Station settings, mobile and counter station
  std::string MobileAddrReceived, CounterAddrReceived;
  std::string MobileAddrSent, CounterAddrSent;
  std::string MobileMk3Addr, CounterMk3Addr;
  std::string MobileMk3FreqOffset, CounterMk3FreqOffset;
  std::string MobileFreq, CounterFreq;
  std::string MobileFreqPairText, CounterFreqPairText;
  std::string MobileOperatingMode, CounterOperatingMode;
  std::string MobileGainMode, CounterGainMode;
  std::string MobileXmitRange, CounterXmitRange;
  std::string MobileXmitPower, CounterXmitPower;
  std::string MobileRemoteModify, CounterRemoteModify;
  std::string MobileHostSendBaud, CounterHostSendBaud;
  std::string MobileHostRecvBaud, CounterHostRecvBaud;
  std::string MobileHostBits, CounterHostBits;
  std::string MobileHostStop, CounterHostStop;
  std::string MobilePerSendBaud, CounterPerSendBaud;
  std::string MobilePerRecvBaud, CounterPerRecvBaud;
  std::string MobilePerBits, CounterPerBits;
  std::string MobilePerStop, CounterPerStop;
  std::string MobileOutTelegram, CounterOutTelegram;
  std::string MobileInTelegram, CounterInTelegram;
  std::string MobileSimulationOutput, CounterSimulationOutput;
  std::string MobileAlarmSound, CounterAlarmSound;
  std::string MobileAudioVolume, CounterAudioVolume;
  std::string MobileClockTime, CounterClockTime;
  std::string MobileClockDate, CounterClockDate;
  std::string MobileClockDay, CounterClockDay;
  std::string MobileControlByte, CounterControlByte;
  std::string MobileUnitRole, CounterUnitRole;

  // Further shared texts
  std::string AntennaBearingText;
  std::string ReferenceAzimuth;
  std::string ReferenceEntry;  // not reset
  std::string AzmFilterAlpha, AzmFilterBeta;
  std::string MobileScanLimitLeft, MobileScanLimitRight;
  std::string FixScanLimitLeft, FixScanLimitRight;
  std::string ServoText;
  std::string MobileStationCode;
  std::string MobileMk3FreqText;
  std::string MobileStationAddrText;
  std::string MobileStatusLine, MobileStatusLine2;
  std::string FixStatusLine, FixStatusLine2;
  std::string BeaconStatusLine, BeaconStatusLine2;

  // Reset, first half: flags, cycle positions and the telegram type.
  void resetFlagsAndCycles();
  // Reset, second half: every setting text. `timeOfDay` is the clock text at reset.
  void resetTexts(const std::string& timeOfDay);
};

// Texts the whole simulator compares against.
namespace text {
inline constexpr const char* HandSearch = "        HANDSEARCH";
inline constexpr const char* AutoSearch = "        AUTOSEARCH";
inline constexpr const char* StandBy = "        STAND BY";
inline constexpr const char* ClosedLoop = "        CLOSED LOOP";
inline constexpr const char* OpenLoop = "        OPEN LOOP";
inline constexpr const char* Manual = "           MANUAL";
inline constexpr const char* Automatic = "           AUTOMATIC";
inline constexpr const char* Long = "        LONG";
inline constexpr const char* Short = "        SHORT";
inline constexpr const char* Normal = "        NORMAL";
inline constexpr const char* Reduced = "        REDUCED";
inline constexpr const char* AsMk3M = "       AS  MK3M";
inline constexpr const char* AsMob = "       AS  MOB";
inline constexpr const char* AsFix = "       AS  FIX";
inline constexpr const char* AsMk3F = "       AS  MK3F";
inline constexpr const char* AsBeacon = "       AS  BEACON";
inline constexpr const char* AsBcn3 = "       AS  BCN3";
inline constexpr const char* PlusOffset = "+ 30 MHZ";
inline constexpr const char* MinusOffset = "- 30 MHZ";
}  // namespace text

}  // namespace kestrom
