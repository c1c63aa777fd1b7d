#include "setup/simulation_state.h"

namespace kestrom {

void SimulationState::resetFlagsAndCycles() {
  CounterStationKind = CounterKind::Mk4Fix;
  OutputTelegramType = 4;
  FrequencyMatch = 1;
  StationTypeMatch = 1;
  StandbyMatch = 1;
  InLock = 0;
  FixAutosearchDisplay = 0;
  MobileScanDrawPhase = 0;
  FrequencyPairNo = 3;
  OperatingModeCycle = 1;
  RangeToggle = 1;
  PowerToggle = 1;
  GainToggle = 1;
  RemoteModifyToggle = 1;
  HostSendBaudCycle = 2;
  HostRecvBaudCycle = 2;
  HostBitsCycle = 0;
  HostStopCycle = 1;
  PerBitsCycle = 1;
  PerStopCycle = 0;
  OutTelegramCycle = 1;
  InTelegramCycle = 2;
  AlarmSoundCycle = 0;
  SimulationOutputCycle = 2;
  UnitRoleCycle = 2;
}

void SimulationState::resetTexts(const std::string& timeOfDay) {
  MobileAddrReceived = CounterAddrReceived = "24";
  MobileAddrSent = CounterAddrSent = "24";
  MobileMk3Addr = CounterMk3Addr = "9    9    ";
  MobileMk3FreqOffset = text::PlusOffset;
  CounterMk3FreqOffset = text::MinusOffset;
  MobileFreq = "9270";
  CounterFreq = "9300";
  MobileFreqPairText = CounterFreqPairText = "      3: 9270 - 9300";
  MobileOperatingMode = CounterOperatingMode = text::HandSearch;
  MobileGainMode = CounterGainMode = text::Automatic;
  MobileXmitRange = CounterXmitRange = text::Long;
  MobileXmitPower = CounterXmitPower = text::Normal;
  MobileRemoteModify = CounterRemoteModify = "ENABLED";
  MobileHostSendBaud = CounterHostSendBaud = "4800";
  MobileHostRecvBaud = CounterHostRecvBaud = "4800";
  MobileHostBits = CounterHostBits = "BITS : 8 - N";
  MobileHostStop = CounterHostStop = "STOP : 1    ";
  MobilePerSendBaud = CounterPerSendBaud = "9600";
  MobilePerRecvBaud = CounterPerRecvBaud = "9600";
  MobilePerBits = CounterPerBits = "BITS : 8 - N";
  MobilePerStop = CounterPerStop = "STOP : 1    ";
  MobileOutTelegram = CounterOutTelegram = "BCD(.01)         ";
  MobileInTelegram = CounterInTelegram = "NONE   ";
  MobileSimulationOutput = CounterSimulationOutput = "OFF";
  MobileAlarmSound = CounterAlarmSound = "ON";
  MobileAudioVolume = CounterAudioVolume = "9    ";
  MobileClockTime = CounterClockTime = timeOfDay;
  MobileClockDate = CounterClockDate = "99/01/02";
  MobileClockDay = CounterClockDay = "00:00:00";
  MobileControlByte = CounterControlByte = "               0";
  MobileUnitRole = text::AsMob;
  CounterUnitRole = text::AsFix;

  AntennaBearingText = "           0.0";
  ReferenceAzimuth = "0.0";
  AzmFilterAlpha = "30 %";
  AzmFilterBeta = "5 %";
  MobileScanLimitLeft = MobileScanLimitRight = "0";
  FixScanLimitLeft = FixScanLimitRight = "0";
  ServoText = "0";
  MobileStationCode = "1";
  MobileMk3FreqText = MobileFreq + "    (MK3)";
  MobileStationAddrText = "1  1     ( 1)";
  MobileStatusLine = "STAT: M / 3 / 24 / HS / 9";
  MobileStatusLine2 = "   -2  8>N    9>L";
  FixStatusLine = "STAT: F / 3 / 24 / HS / 9";
  FixStatusLine2 = "   -2  8>N    9>L";
  BeaconStatusLine = "STAT: B / 3 / 24 / HS / 9";
  BeaconStatusLine2 = "   -2  8>N    9>L";
}

}  // namespace kestrom
