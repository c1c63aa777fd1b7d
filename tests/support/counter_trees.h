#pragma once

#include <vector>

#include "support/tree_test.h"
#include "support/tree_walk.h"

namespace kestrom::testing {

// The screens the two counter stations' panels, the Fix's and the Beacon's, draw
// alike, to walk with the screens each draws in its own way.

// Pages of their own trees that show the counter station's fields.
inline const std::vector<Walk>& counterOwnScreens() {
  // clang-format off
  static const std::vector<Walk> rows = {
      {16, "23", {"TIME", "HH:MM:SS", "", kTreeTime, "DATE", "YY/MM/DD", "", "98/12/28"}},
      {19, "24N1", {"RF GAIN / PWR SET :", "", "<CounterGainMode>", "", "GAIN", "<CounterXmitPower>", "XMIT PWR", "<CounterXmitRange>"}},
      {23, "251", {"HOST CONNECTION", "", "SEND BR :", "<CounterHostSendBaud>", "RECV BR :", "<CounterHostRecvBaud>", "<CounterHostBits>", "<CounterHostStop>"}},
      {24, "252", {"PER. CONNECTION", "", "SEND BR :", "<CounterPerSendBaud>", "RECV BR :", "<CounterPerRecvBaud>", "<CounterPerBits>", "<CounterPerStop>"}},
      {25, "253", {"TELEGRAM TYPE", "", "PER. CONNECTION", "", "OUT : ", "<CounterOutTelegram>", "IN  :", "<CounterInTelegram>"}},
      {26, "254", {"ALARM SOUND :", "<CounterAlarmSound>", "", "", "AZIMUTH / DISTANCE", "", "SIMULATION :", "<CounterSimulationOutput>"}},
      {34, "35", {"5V / GUNN SUPPLIES", "", "5V", "5.1   ", "GUNN", "10.5   ", "", "> D"}},
      {34, "34N", {"5V / GUNN SUPPLIES", "", "5V", "5.1   ", "GUNN", "10.5   ", "", "> D"}},
  };
  // clang-format on
  return rows;
}

// Pages of the remote Mobile tree, which key 5 opens.
inline const std::vector<Walk>& remoteMobileScreens() {
  // clang-format off
  static const std::vector<Walk> rows = {
      {37, "5", {"     (REMOTE MOB)", "", "OPERATE", "WAKE-UP", "MODIFY", "", "MONITOR", "CONFIG"}},
      {41, "51NNN", {"", "MTR   9", "", "DEG   9", "STDEV :", "0.043 M", "TIME :", "22:36:48"}},
      {47, "5221", {"MODIFY MOBILE", "", "ANTENNA BEARING", "", "<AntennaBearingText>", "", "", ""}},
      {50, "523", {"TIME", "HH:MM:SS", "", kTreeTime, "DATE", "YY/MM/DD", "", "98/12/28"}},
      {52, "524", {"OPR MODE:", "MOB", "<MobileOperatingMode>", "", "", "(TOGGLE)", "", "MORE > N"}},
      {53, "524N", {"(EXTRA MODES)", "MOB", "RF GAIN / POWER", "", "REMOTE MODIFY", "", "", ""}},
      {54, "524N1", {"RF GAIN / PWR SET :", "", "<MobileGainMode>", "", "GAIN", "<MobileXmitPower>", "XMIT PWR", "<MobileXmitRange>"}},
      {56, "525", {"   (COMM SET-UP)", "MOB", "HOST CONNECTION", "", "PER. CONNECTION", "", "PER. TELEGRAMS", ""}},
      {57, "5251", {"HOST CONNECTION", "", "SEND BR :", "<MobileHostSendBaud>", "RECV BR :", "<MobileHostRecvBaud>", "<MobileHostBits>", "<MobileHostStop>"}},
      {58, "5252", {"PER. CONNECTION", "", "SEND BR :", "<MobilePerSendBaud>", "RECV BR :", "<MobilePerRecvBaud>", "<MobilePerBits>", "<MobilePerStop>"}},
      {59, "5253", {"TELEGRAM TYPE", "", "PER. CONNECTION", "", "OUT : ", "<MobileOutTelegram>", "IN  :", "<MobileInTelegram>"}},
      {60, "5254", {"ALARM SOUND :", "<MobileAlarmSound>", "", "", "AZIMUTH / DISTANCE", "", "SIMULATION :", "<MobileSimulationOutput>"}},
      {62, "526", {"", "MOB", "AUDIO", "", "VOLUME :", "<MobileAudioVolume>", "", ""}},
      {63, "53", {"(MONITORING)", "MOB", "SUPPLIES", "TEMP", "X-TAL CUR.", "GUNN", "PERFORMANCE", ""}},
      {63, "535N", {"(MONITORING)", "MOB", "SUPPLIES", "TEMP", "X-TAL CUR.", "GUNN", "PERFORMANCE", ""}},
      {64, "531", {"   SUPPLIES ", "MOB", " 6 V :", "6.0  -5.9", "12 V :", "11.9 -12.0", "BAT  :", "24.2 V    > N"}},
      {65, "532", {"MIXER X-TAL MOB", "", "SUM :", "-68   74   ", "DIF :", "-81   67   ", "", "> N"}},
      {65, "531N", {"MIXER X-TAL MOB", "", "SUM :", "-68   74   ", "DIF :", "-81   67   ", "", "> N"}},
      {67, "534", {"TEMPERATURES", "MOB", "(CENTIGRADE)  AT", "", "PIN. MOD.", "27   ", "DIST.PCB.", "30 >N"}},
      {67, "533N", {"TEMPERATURES", "MOB", "(CENTIGRADE)  AT", "", "PIN. MOD.", "27   ", "DIST.PCB.", "30 >N"}},
      {68, "535", {"5V / GUNN SUPPLIES", "", "5V", "5.1   ", "GUNN", "10.5   ", "", "> D"}},
      {68, "534N", {"5V / GUNN SUPPLIES", "", "5V", "5.1   ", "GUNN", "10.5   ", "", "> D"}},
      {69, "54", {"WAKE-UP", "MOB", "TIME", "DAY", "<MobileClockDay>", "/24", kTreeTime, "02/24 >N"}},
      {70, "54N", {"   SWITCH OFF MOB", "", "   BY PRESSING", "", "   ENTER KEY", "", "", ""}},
  };
  // clang-format on
  return rows;
}

}  // namespace kestrom::testing
