// What ENTER stores on the Beacon panel's own and remote Mobile screens.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "panels/beacon/beacon_panel.h"
#include "panels/common/enter_steps.h"
#include "panels/mobile/mobile_panel.h"
#include "setup/setup_window.h"
#include "testing/fakes.h"

namespace kestrom {
namespace {

using enum Cell;

class BeaconEnter : public ::testing::Test {
 protected:
  testing::Rig rig;
  Tbeacon& panel = rig.sim.beaconPanel();
  SimulationState& s = rig.state();
  void SetUp() override { rig.sim.setupWindow().RadioButton3Click(); }
  // Puts the panel on a screen with these cells, as the trainee left them.
  void on(int screen, std::initializer_list<std::pair<Cell, const char*>> cells = {}) {
    panel.MenuState = screen;
    for (auto [c, t] : cells) panel.cell(c).Caption = t;
  }
  void enter() { panel.press(PanelKey::Enter); }
  std::size_t messages() const { return rig.dialogs.shown.size(); }
};

TEST_F(BeaconEnter, AddressCodesGiveTheSameMk3AddressOnBothStations) {
  for (auto [code, mk3] :
       {std::pair{"24", "8    8    "}, std::pair{"15", "F    F    "}, std::pair{"16", "0    0    "},
        std::pair{"30", "E    E    "}, std::pair{"31", "F    F    "}}) {
    on(7, {{R3, code}});
    enter();
    EXPECT_EQ(s.CounterMk3Addr, mk3) << code;
    EXPECT_EQ(panel.cell(R4).Caption, mk3);
    EXPECT_EQ(s.CounterAddrSent, code);
    EXPECT_EQ(s.MobileAddrReceived, code);
    on(44, {{R3, code}});
    enter();
    EXPECT_EQ(s.MobileMk3Addr, s.CounterMk3Addr) << code;
    EXPECT_EQ(s.MobileAddrSent, code);
    EXPECT_EQ(s.CounterAddrReceived, code);
  }
  on(7, {{R3, "5"}});
  enter();
  EXPECT_EQ(s.BeaconStatusLine, "STAT: B / 3 / 05 / HS / 9");
  EXPECT_EQ(s.FixStatusLine, "STAT: F / 3 / 24 / HS / 9");  // the Fix is not in this scenario
  on(74, {{R3, "62"}});
  panel.EditField = 1;
  enter();
  EXPECT_EQ(s.CounterAddrSent, "62");
  EXPECT_EQ(s.CounterAddrReceived, "62");
  EXPECT_EQ(s.BeaconStatusLine, "STAT: B / 3 / 62 / HS / 9");
  EXPECT_EQ(panel.EditField, 0);
}

TEST_F(BeaconEnter, ANumberThatIsNoNumberStoresNothing) {
  on(7, {{R3, "2x"}});
  enter();
  EXPECT_EQ(messages(), 1u);
  EXPECT_EQ(s.CounterAddrSent, "24");
  EXPECT_EQ(s.BeaconStatusLine, "STAT: B / 3 / 24 / HS / 9");
  on(8, {{R2, "- 30 MHZ"}, {R3, "9999"}});
  enter();
  EXPECT_EQ(messages(), 2u);
  EXPECT_EQ(s.CounterFreq, "9300");
  EXPECT_FALSE(panel.Ramp.Timer5.Enabled());
}

TEST_F(BeaconEnter, ModesAndGainGoIntoTheBeaconsOwnLines) {
  on(17, {{L2, text::AutoSearch}});
  panel.EditField = 1;
  enter();
  EXPECT_EQ(s.CounterOperatingMode, text::AutoSearch);
  EXPECT_EQ(s.BeaconStatusLine, "STAT: B / 3 / 24 / AS / 9");
  EXPECT_EQ(panel.EditField, 0);

  on(19, {{L2, text::Manual}, {R3, text::Reduced}, {R4, text::Short}});
  enter();
  EXPECT_EQ(s.CounterGainMode, text::Manual);
  EXPECT_EQ(s.BeaconStatusLine2, "   -2  8>R    9>S");
  EXPECT_EQ(s.FixStatusLine2, "   -2  8>N    9>L");
  EXPECT_EQ(s.PowerToggle, 1);
  EXPECT_EQ(s.RangeToggle, 1);

  on(52, {{L2, text::StandBy}});
  enter();
  EXPECT_EQ(s.MobileOperatingMode, text::StandBy);
  EXPECT_EQ(s.MobileStatusLine.substr(19, 2), "SB");
  EXPECT_EQ(s.BeaconStatusLine, "STAT: B / 3 / 24 / AS / 9");

  on(71, {{L2, text::AsMob}});
  s.UnitRoleCycle = 1;
  enter();
  EXPECT_EQ(s.MobileUnitRole, text::AsMob);
  EXPECT_EQ(s.MobileStatusLine[6], 'M');
  EXPECT_EQ(s.BeaconStatusLine[6], 'B');
}

TEST_F(BeaconEnter, BearingSetpointKeepsAnEmptyEntryAndAsksFirst) {
  s.FixAzimuth = 100;
  s.ReciprocalAzimuth = 5;
  rig.dialogs.answer = MessageBoxes::Answer::Cancel;
  on(49, {{R4, ""}});
  panel.EditField = 1;
  enter();
  EXPECT_EQ(s.ReferenceEntry, "");
  EXPECT_EQ(panel.cell(R4).Caption, "0");
  EXPECT_EQ(s.ReciprocalAzimuth, 5);  // Cancel
  EXPECT_EQ(panel.EditField, 0);
  rig.dialogs.answer = MessageBoxes::Answer::Ok;
  on(49, {{R4, "42.5"}});
  enter();
  EXPECT_EQ(s.ReferenceEntry, "42.5");
  EXPECT_EQ(s.ReciprocalAzimuth, 280);  // OK
  ASSERT_EQ(messages(), 2u);
  EXPECT_EQ(rig.dialogs.shown.back().kind, "warning");
  EXPECT_EQ(rig.dialogs.shown.back().text, "If you enter this you will lose lock");
}

TEST_F(BeaconEnter, RemoteScanLimitsLeaveTheThirdFieldAndAntennaTextIsKeptQuietly) {
  on(48, {{R3, "10"}, {R4, "200"}});
  panel.EditField = 2;
  enter();
  EXPECT_EQ(s.MobileScanLimitLeft, "10");
  EXPECT_EQ(s.MobileScanLimitRight, "200");
  EXPECT_EQ(panel.EditField, 1);
  on(47, {{L3, "123"}});
  enter();
  EXPECT_EQ(s.AntennaBearingText, "123");
  EXPECT_EQ(messages(), 0u);
}

TEST_F(BeaconEnter, ScreensWithNothingToStoreOnlyEndTheTyping) {
  const SimulationState before = s;
  for (int screen : {0, 1, 36, 72, 75, 76, 85}) {
    on(screen, {{R3, "12"}, {L2, "X"}});
    enter();
    EXPECT_EQ(panel.KeyCount, 0);
  }
  EXPECT_EQ(s.CounterFreq, before.CounterFreq);
  EXPECT_EQ(s.BeaconStatusLine, before.BeaconStatusLine);
  EXPECT_EQ(s.CounterAddrSent, before.CounterAddrSent);
}

TEST_F(BeaconEnter, PairRampsTenAtATimeAndEndsOnTheBeaconFrequency) {
  on(6, {{L3, "      0: 9200 - 9230"}, {R4, "9300"}});
  enter();
  EXPECT_EQ(s.CounterFreqPairText, "      0: 9200 - 9230");
  EXPECT_EQ(s.BeaconStatusLine[10], '0');
  std::vector<std::string> shown;
  while (panel.Ramp.Timer5.Enabled()) {
    rig.advance(300);
    shown.push_back(panel.cell(R4).Caption);
    EXPECT_EQ(s.CounterFreq, "9230");  // from the first tick on, for the link to see
  }
  EXPECT_EQ(shown,
            (std::vector<std::string>{"9290", "9280", "9270", "9260", "9250", "9240", "9230"}));

  // Already on the pair's frequency: it stays there.
  on(6, {{L3, "      3: 9270 - 9300"}, {R4, "9300"}});
  enter();
  rig.advance(300);
  EXPECT_EQ(panel.cell(R4).Caption, "9300");
  EXPECT_FALSE(panel.Ramp.Timer5.Enabled());
  EXPECT_EQ(s.CounterFreq, "9300");
}

// The Beacon is on the keyed frequency from ENTER on; the bars then say whether it
// lies 30 MHz from the Mobile's, whatever the antenna does.
TEST_F(BeaconEnter, FreqAdjustTakesTheFrequencyAtEnter) {
  s.MobileFreq = "9270";
  for (auto [keyed, bars] : {std::pair{"9300", 13}, std::pair{"9240", 13}, std::pair{"9290", 2}}) {
    SCOPED_TRACE(keyed);
    s.CounterFreq = "9297";
    panel.EditField = 0;
    on(8, {{R2, "+ 30 MHZ"}, {R3, keyed}});
    enter();
    EXPECT_EQ(s.CounterFreq, keyed);
    EXPECT_EQ(s.CounterMk3FreqOffset, "+ 30 MHZ");
    EXPECT_EQ(panel.EditField, 1);
    rig.advance(300);
    EXPECT_FALSE(panel.Ramp.Timer5.Enabled());
    EXPECT_EQ(panel.cell(R3).Caption, keyed);
    EXPECT_EQ(panel.cell(L4).Caption, "SIGNL : " + std::string(bars, '\x7f'));
  }
}

// Every text of the record a Beacon ENTER row could store into, with its name: both
// stations' settings and lines, and the texts of the remote Mobile's pages.
std::vector<std::pair<std::string SimulationState::*, std::string>> recordTexts() {
  using S = SimulationState;
  // clang-format off
#define SIDE_TEXT(f) std::pair{&StationSide::f, #f}
  static const std::pair<StationSide::Text StationSide::*, const char*> perSide[] = {
      SIDE_TEXT(freqPairText), SIDE_TEXT(freq), SIDE_TEXT(mk3FreqOffset), SIDE_TEXT(addrReceived),
      SIDE_TEXT(addrSent), SIDE_TEXT(mk3Addr), SIDE_TEXT(operatingMode), SIDE_TEXT(gainMode),
      SIDE_TEXT(xmitRange), SIDE_TEXT(xmitPower), SIDE_TEXT(remoteModify), SIDE_TEXT(hostSendBaud),
      SIDE_TEXT(hostRecvBaud), SIDE_TEXT(hostBits), SIDE_TEXT(hostStop), SIDE_TEXT(perSendBaud),
      SIDE_TEXT(perRecvBaud), SIDE_TEXT(perBits), SIDE_TEXT(perStop), SIDE_TEXT(outTelegram),
      SIDE_TEXT(inTelegram), SIDE_TEXT(alarmSound), SIDE_TEXT(simulationOutput),
      SIDE_TEXT(controlByte), SIDE_TEXT(audioVolume), SIDE_TEXT(clockTime), SIDE_TEXT(clockDate),
      SIDE_TEXT(clockDay), SIDE_TEXT(unitRole), SIDE_TEXT(statusLine), SIDE_TEXT(statusLine2)};
#undef SIDE_TEXT
  // clang-format on
  std::vector<std::pair<std::string S::*, std::string>> out = {
      {&S::FixStatusLine, "FixStatusLine"},
      {&S::FixStatusLine2, "FixStatusLine2"},
      {&S::AntennaBearingText, "AntennaBearingText"},
      {&S::ReferenceEntry, "ReferenceEntry"},
      {&S::MobileScanLimitLeft, "MobileScanLimitLeft"},
      {&S::MobileScanLimitRight, "MobileScanLimitRight"},
      {&S::FixScanLimitLeft, "FixScanLimitLeft"},
      {&S::FixScanLimitRight, "FixScanLimitRight"}};
  for (auto [member, name] : perSide) {
    out.emplace_back(kMobileSide.*member, std::string("Mobile ") + name);
    out.emplace_back(kBeaconSide.*member, std::string("Beacon ") + name);
  }
  return out;
}

using S = SimulationState;

// One screen's ENTER: what the trainee left in the cells, the texts it stores (all
// others stay as they were) and EditField after it, from 0, 1 and 2.
struct EnterCase {
  int screen;
  std::vector<std::pair<Cell, std::string>> typed;
  std::vector<std::pair<std::string S::*, std::string>> stored;
  std::array<int, 3> fieldAfter;
};

constexpr std::array<int, 3> kKept{0, 1, 2}, kZero{0, 0, 0}, kToggle{1, 0, 0}, kCycle{1, 2, 3};

const std::vector<EnterCase>& enterCases() {
  const std::string pair = "      1: 9240 - 9210";
  const std::vector<std::pair<Cell, std::string>> gain = {
      {L2, text::Manual}, {R3, text::Reduced}, {R4, text::Short}};
  const std::vector<std::pair<Cell, std::string>> line = {
      {R2, "1200"}, {R3, "2400"}, {L4, "BITS : 7 - E"}, {R4, "STOP : 2    "}};
  const std::string bits = "BITS : 7 - E", stop = "STOP : 2    ";
  // clang-format off
  static const std::vector<EnterCase> cases = {
      {6, {{L3, pair}}, {{&S::CounterFreqPairText, pair}, {&S::BeaconStatusLine, "STAT: B / 1 / 24 / HS / 9"}}, kZero},
      {73, {{L3, pair}}, {{&S::CounterFreqPairText, pair}, {&S::BeaconStatusLine, "STAT: B / 1 / 24 / HS / 9"}}, kZero},
      {43, {{L3, pair}}, {{&S::MobileFreqPairText, pair}, {&S::MobileStatusLine, "STAT: M / 1 / 24 / HS / 9"}}, kZero},
      {7, {{R3, "31"}}, {{&S::CounterAddrSent, "31"}, {&S::MobileAddrReceived, "31"}, {&S::CounterMk3Addr, "F    F    "},
                         {&S::BeaconStatusLine, "STAT: B / 3 / 31 / HS / 9"}}, kKept},
      {44, {{R3, "31"}}, {{&S::MobileAddrSent, "31"}, {&S::CounterAddrReceived, "31"}, {&S::MobileMk3Addr, "F    F    "},
                          {&S::MobileStatusLine, "STAT: M / 3 / 31 / HS / 9"}}, kKept},
      {74, {{R3, "5"}}, {{&S::CounterAddrSent, "5"}, {&S::CounterAddrReceived, "5"},
                         {&S::BeaconStatusLine, "STAT: B / 3 / 05 / HS / 9"}}, kZero},
      {8, {{R2, text::MinusOffset}, {R3, "9240"}}, {{&S::CounterMk3FreqOffset, text::MinusOffset}, {&S::CounterFreq, "9240"}}, kToggle},
      {45, {{R2, text::MinusOffset}, {R3, "9240"}}, {{&S::MobileMk3FreqOffset, text::MinusOffset}, {&S::MobileFreq, "9240"}}, kToggle},
      {47, {{L3, "123"}, {L4, "x"}}, {{&S::AntennaBearingText, "123"}}, kKept},
      {48, {{R3, "10"}, {R4, "200"}}, {{&S::MobileScanLimitLeft, "10"}, {&S::MobileScanLimitRight, "200"}}, {1, 0, 1}},
      {49, {{R4, "42.5"}}, {{&S::ReferenceEntry, "42.5"}}, kZero},
      {16, {{R2, "01:02:03"}, {R4, "98/12/28"}}, {{&S::CounterClockTime, "01:02:03"}, {&S::CounterClockDate, "98/12/28"}}, kToggle},
      {50, {{R2, "01:02:03"}, {R4, "98/12/28"}}, {{&S::MobileClockTime, "01:02:03"}, {&S::MobileClockDate, "98/12/28"}}, kToggle},
      {17, {{L2, text::AutoSearch}}, {{&S::CounterOperatingMode, text::AutoSearch}, {&S::BeaconStatusLine, "STAT: B / 3 / 24 / AS / 9"}}, kZero},
      {52, {{L2, text::AutoSearch}}, {{&S::MobileOperatingMode, text::AutoSearch}, {&S::MobileStatusLine, "STAT: M / 3 / 24 / AS / 9"}}, kZero},
      {19, gain, {{&S::CounterGainMode, text::Manual}, {&S::CounterXmitPower, text::Reduced}, {&S::CounterXmitRange, text::Short},
                  {&S::BeaconStatusLine2, "   -2  8>R    9>S"}}, kZero},
      {54, gain, {{&S::MobileGainMode, text::Manual}, {&S::MobileXmitPower, text::Reduced}, {&S::MobileXmitRange, text::Short},
                  {&S::MobileStatusLine2, "   -2  8>R    9>S"}}, kZero},
      {20, {{R2, "DISABLED"}}, {{&S::CounterRemoteModify, "DISABLED"}}, kZero},
      {55, {{R2, "DISABLED"}}, {{&S::MobileRemoteModify, "DISABLED"}}, kZero},
      {23, line, {{&S::CounterHostSendBaud, "1200"}, {&S::CounterHostRecvBaud, "2400"}, {&S::CounterHostBits, bits}, {&S::CounterHostStop, stop}}, kCycle},
      {57, line, {{&S::MobileHostSendBaud, "1200"}, {&S::MobileHostRecvBaud, "2400"}, {&S::MobileHostBits, bits}, {&S::MobileHostStop, stop}}, kCycle},
      {24, line, {{&S::CounterPerSendBaud, "1200"}, {&S::CounterPerRecvBaud, "2400"}, {&S::CounterPerBits, bits}, {&S::CounterPerStop, stop}}, kCycle},
      {58, line, {{&S::MobilePerSendBaud, "1200"}, {&S::MobilePerRecvBaud, "2400"}, {&S::MobilePerBits, bits}, {&S::MobilePerStop, stop}}, kCycle},
      {25, {{R3, "ASCII"}, {R4, "BCD"}}, {{&S::CounterOutTelegram, "ASCII"}, {&S::CounterInTelegram, "BCD"}}, kToggle},
      {59, {{R3, "ASCII"}, {R4, "BCD"}}, {{&S::MobileOutTelegram, "ASCII"}, {&S::MobileInTelegram, "BCD"}}, kToggle},
      {26, {{R1, "OFF"}, {R4, "ON"}}, {{&S::CounterAlarmSound, "OFF"}, {&S::CounterSimulationOutput, "ON"}}, kToggle},
      {60, {{R1, "OFF"}, {R4, "ON"}}, {{&S::MobileAlarmSound, "OFF"}, {&S::MobileSimulationOutput, "ON"}}, kToggle},
      {27, {{L2, "  7"}}, {{&S::CounterControlByte, "  7"}}, kZero},
      {61, {{L2, "  7"}}, {{&S::MobileControlByte, "  7"}}, kZero},
      {28, {{R3, "3    "}}, {{&S::CounterAudioVolume, "3    "}}, kZero},
      {62, {{R3, "3    "}}, {{&S::MobileAudioVolume, "3    "}}, kZero},
      {35, {{L3, "12:00:00"}}, {{&S::CounterClockDay, "12:00:00"}}, kZero},
      {69, {{L3, "12:00:00"}}, {{&S::MobileClockDay, "12:00:00"}}, kZero},
      {71, {{L2, text::AsFix}}, {{&S::MobileUnitRole, text::AsFix}, {&S::MobileStatusLine, "STAT: F / 3 / 24 / HS / 9"}}, kZero},
  };
  // clang-format on
  return cases;
}

// Each row stores into its own station's texts only and leaves the field where it
// should, from whichever field it was pressed in.
TEST(BeaconEnterRows, EachScreenStoresItsFieldsOnItsOwnSideOnly) {
  const auto texts = recordTexts();
  for (const EnterCase& c : enterCases()) {
    SCOPED_TRACE(c.screen);
    testing::Rig rig;
    rig.sim.setupWindow().RadioButton3Click();
    Tbeacon& panel = rig.sim.beaconPanel();
    SimulationState& s = rig.state();
    const SimulationState before = s;
    for (int from : {0, 1, 2}) {
      panel.MenuState = c.screen;
      for (const auto& [cell, typed] : c.typed) panel.cell(cell).Caption = typed;
      panel.EditField = from;
      panel.press(PanelKey::Enter);
      EXPECT_EQ(panel.EditField, c.fieldAfter[static_cast<std::size_t>(from)]) << "from " << from;
    }
    for (const auto& [field, name] : texts) {
      std::string expected = before.*field;
      for (const auto& [into, value] : c.stored)
        if (into == field) expected = value;
      EXPECT_EQ(s.*field, expected) << name;
    }
    EXPECT_TRUE(rig.dialogs.shown.size() == (c.screen == 49 ? 3u : 0u));
  }
}

}  // namespace
}  // namespace kestrom
