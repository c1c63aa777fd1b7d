#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "panels/mobile/mobile_panel.h"
#include "support/tree_test.h"

namespace kestrom {
namespace {

using enum Cell;
using S = SimulationState;

constexpr const char* kTime = testing::kTreeTime;
const std::string kBearing = "123.46";  // AntennaBearing 123.456, fixed with 2 decimals
using testing::kFourBars;
using testing::Walk;

// clang-format off
const std::vector<Walk> kOwnTree = {
    {0, "", {"     (MAIN MENU MOB)", "", "OPERATE", "WAKE-UP", "MODIFY", "FIX", "MONITOR", "CONFIG"}},
    {1, "1", {"DIST:                *", "MTR", "AZM:                 *", "DEG", "SGNL: ", "-80", "<MobileStatusLine>", ""}},
    {1, "1NNNN", {"", "MTR", "", "DEG", "", "", "<MobileStatusLine>", ""}},
    {2, "1N", {"DIST:   ", "MTR", "AZM:     ", "DEG", "SGNL:  ", "-45", "<MobileStatusLine2>", ""}},
    {3, "1NN", {"DIST:   ", "MTR", "AZM:    ", "DEG", "BEARING", "", "HEADING", ""}},
    {4, "1NNN", {"", "MTR   9", "", "DEG   9", "STDEV :", "0.043 M", "TIME :", "22:36:48"}},
    {5, "2", {"   (MODIFY MOBILE)", "", "FRQ / ADDR", "OPRMOD", "LOCATION", "COMM", "CLOCK", "VOLUME"}},
    {6, "21", {"  (F/A  SELECT)", "MOB", "FREQUENCY PAIR", "", "ADDRESS CODES", "", "FREQ ADJUST MK3", ""}},
    {7, "211", {"FREQ:   (MHZ)", "MOB", "          MOB   FIX", "", "<MobileFreqPairText>", ">T", "ACTUAL FREQ:", "<MobileFreq>"}},
    {8, "212", {"ADDRESS CODE", "MOB", "RECVD FR FIX:", "<MobileAddrReceived>", "SENT TO  FIX:", "<MobileAddrSent>", "MK3-ADDR:", "<MobileMk3Addr>"}},
    {9, "213", {"FREQ ADJUST MK3", "", "FIX FREQ :", "<MobileMk3FreqOffset>", "MOB FREQ :", "<MobileFreq>", kFourBars, ""}},
    {10, "22", {"   (MOB LOCATION)", "", "SETBEARING", "SETP", "SCANLIMITS REL", "", "SCANLIMITS NUM", ""}},
    {11, "221", {"MODIFY MOBILE", "", "ANTENNA BEARING", "", std::string(16, ' ') + kBearing, "", "", ""}},
    {12, "222", {"AIM ANTENNA AT", "", "LEFT SCANLIMIT", "", "USE  L/R  KEYS", "", "", "OK ?  > E"}},
    {13, "222E", {"AIM ANTENNA AT", "", "RIGHT SCANLIMIT", "", "USE  L/R  KEYS", "", "", "OK ?  > E"}},
    {14, "223", {"   (SCANNING MOB)", "", "BEARING " + kBearing, "", "LIMIT L", "<MobileScanLimitLeft>", "LIMIT R", "<MobileScanLimitRight>"}},
    {15, "224", {"BEARING SETPOINT", "", "", "", "BEARING", "242.9", "SETPOINT", ""}},
    {16, "23", {"TIME", "HH:MM:SS", "", kTime, "DATE", "YY/MM/DD", "", "98/12/28"}},
    {17, "24", {"OPR MODE:", "MOB", "<MobileOperatingMode>", "", "", "(TOGGLE)", "", "MORE > N"}},
    {18, "24N", {"(EXTRA MODES)", "MOB", "RF GAIN / POWER", "", "REMOTE MODIFY", "", "", ""}},
    {19, "24N1", {"RF GAIN / PWR SET :", "", "<MobileGainMode>", "", "GAIN", "<MobileXmitPower>", "XMIT PWR", "<MobileXmitRange>"}},
    {20, "24N2", {"REMOTE MODIFY", "", "MOB : ", "<MobileRemoteModify>", "SOFTWARE VERSION", "", "    E12A1A1/98803", ""}},
    {21, "25", {"   (COMM SET-UP)", "MOB", "HOST CONNECTION", "", "PER. CONNECTION", "", "PER. TELEGRAMS", ""}},
    {22, "251", {"HOST CONNECTION", "", "SEND BR :", "<MobileHostSendBaud>", "RECV BR :", "<MobileHostRecvBaud>", "<MobileHostBits>", "<MobileHostStop>"}},
    {23, "252", {"PER. CONNECTION", "", "SEND BR :", "<MobilePerSendBaud>", "RECV BR :", "<MobilePerRecvBaud>", "<MobilePerBits>", "<MobilePerStop>"}},
    {24, "253", {"TELEGRAM TYPE", "", "PER. CONNECTION", "", "OUT : ", "<MobileOutTelegram>", "IN  :", "<MobileInTelegram>"}},
    {25, "254", {"ALARM SOUND :", "<MobileAlarmSound>", "", "", "AZIMUTH / DISTANCE", "", "SIMULATION :", "<MobileSimulationOutput>"}},
    {26, "255", {"CONTROL BYTE:", "", "<MobileControlByte>", "", "      CAUTION !", "", "NORMAL VALUE:", "0    "}},
    {27, "26", {"", "MOB", "AUDIO", "", "VOLUME :", "<MobileAudioVolume>", "", ""}},
    {28, "3", {"(MONITORING)", "MOB", "SUPPLIES", "TEMP", "X-TAL CUR.", "GUNN", "PERFORMANCE", ""}},
    {28, "31NNNNN", {"(MONITORING)", "MOB", "SUPPLIES", "TEMP", "X-TAL CUR.", "GUNN", "PERFORMANCE", ""}},
    {29, "31", {"   SUPPLIES ", "MOB", " 6 V :", " 6.0       -5.9", "12 V :", "11.9    -12.0", "BAT  :", "24.2 V    > N"}},
    {30, "32", {"MIXER X-TAL MOB", "", "SUM :", "-68     74       ", "DIF :", "-81     67       ", "", "> N"}},
    {30, "31N", {"MIXER X-TAL MOB", "", "SUM :", "-68     74       ", "DIF :", "-81     67       ", "", "> N"}},
    {31, "33", {"PERFORMANCE", "MOB", "AGC :", "54       ", "TUNING :", "-2       ", "SERVO:", "<ServoText>     >N"}},
    {31, "32N", {"PERFORMANCE", "MOB", "AGC :", "54       ", "TUNING :", "-2       ", "SERVO:", "<ServoText>     >N"}},
    {32, "34", {"TEMPERATURES", "MOB", "(CENTIGRADE)  AT", "", "PIN. MOD.", "27     ", "DIST.PCB.", "30 >N"}},
    {33, "35", {"5V / GUNN SUPPLIES", "", "5V", "5.1       ", "GUNN", "10.5       ", "", "> D"}},
    {33, "31NNNN", {"5V / GUNN SUPPLIES", "", "5V", "5.1       ", "GUNN", "10.5       ", "", "> D"}},
    {34, "4", {"WAKE-UP", "MOB", "TIME", "DAY", "<MobileClockDay>", "/24", kTime, "02/24 >N"}},
    {35, "4N", {"   SWITCH OFF MOB", "", "   BY PRESSING", "", "   ENTER KEY", "", "", ""}},
    {72, "6", {"    UNIT CONFIGURED", "", "<MobileUnitRole>", "", "TOGGLE TO CHANGE", "", "", "> N"}},
    // The configuration run shows the actual frequency, as FREQUENCY PAIR does.
    {73, "6N", {"FREQ:   (MHZ)", "MOB", "           MOB   FIX", "", "<MobileFreqPairText>", ">T", "MOB FREQ:", "<MobileFreq>"}},
    {74, "6NN", {"", "MOB", "SELECTIVE", "", "ADDRESS CODE", "<MobileAddrSent>", "", "> N"}},
    {75, "6NNN", {"ENTER ANTENNA", "", "BEARING", "(AIMED  ", "AT BOW = ", "0.0)  ", "          180.0", "> N"}},
    {76, "6NNNN", {"TIME", "HH:MM:SS   ", "", std::string(kTime) + "    ", "DATE", "YY/MM/DD   ", "", "98/12/28 > N"}},
    {77, "6NNNNN", {"OPR MODE:", "MOB", "<MobileOperatingMode>", "", "", "(TOGGLE)", "", "> N"}},
    {78, "6NNNNNN", {"     END OF MOB", "", "", "", "    CONFIGURATION", "", "", "> M"}},
};
// clang-format on

// The remote Fix tree, with the Mobile's lamp green and a Mk 4 Fix.
// clang-format off
const std::vector<Walk> kRemoteTree = {
    {36, "5", {"     (REMOTE FIX)", "", "OPERATE", "WAKE-UP", "MODIFY", "", "MONITOR", "CONFIG"}},
    {37, "51", {"DIST: ", "MTR", "AZM:  ", "DEG", "SGNL: ", "", "<FixStatusLine>", ""}},
    {37, "51NNN", {"DIST:  ", "MTR", "AZM:   ", "DEG", "SGNL:  ", "", "<FixStatusLine>", ""}},
    {38, "51N", {"DIST: ", "MTR", "AZM:  ", "DEG", "SGNL: ", "", "<FixStatusLine2>", ""}},
    {39, "51NN", {"", "MTR   9", "  ", "DEG   9", "-85 DB   ", "", "<FixStatusLine>", ""}},
    {38, "51NNNN", {"DIST: ", "MTR", "AZM:  ", "DEG", "SGNL: ", "", "<FixStatusLine2>", ""}},
    {40, "52", {"   (MODIFY FIX)", "", "FRQ / ADDR", "OPRMOD", "LOCATION", "COMM", "CLOCK", "VOLUME"}},
    {41, "521", {"  (F/A  SELECT)", "FIX", "FREQUENCY PAIR", "", "ADDRESS CODES", "", "FREQ ADJUST MK3", ""}},
    {42, "5211", {"FREQ:   (MHZ)", "FIX", "         MOB   FIX", "", "<CounterFreqPairText>", ">T", "ACTUAL FREQ:", "<CounterFreq>"}},
    {43, "5212", {"ADDRESS CODE", "FIX", "RECVD FR MOB:", "<CounterAddrReceived>", "SENT TO  MOB:", "<CounterAddrSent>", "MK3-ADDR:", "<CounterMk3Addr>"}},
    {44, "5213", {"FREQ ADJUST MK3", "", "FIX FREQ :", "<CounterMk3FreqOffset>", "MOB FREQ :", "<CounterFreq>", kFourBars, ""}},
    {45, "522", {"  (FIX LOCATION)", "", "REF - NUM", "SETP", "REFERENCE REL", "", "SCANLIMITS", ""}},
    {46, "5221", {"         KEY-IN", "", "REFERENCE AZM :", "", "<ReferenceAzimuth>", "DEG", "", "OK ?   > E   D"}},
    {47, "5222", {"ACCEPT MOBILE", "", "POSTION AS FIX", "", "REF. OBJECT", "", "", "OK ?   >E"}},
    {48, "5223", {"ACT AZM:", "248", "(KEY-IN LIMITS)", "", "LIMIT L", "<FixScanLimitLeft>", "LIMIT R", "<FixScanLimitRight>"}},
    {49, "5224", {"AZIMUTH SETPOINT", "", "", "", "AZM", "242.9", "SETPOINT", ""}},
    {50, "523", {"TIME", "HH:MM:SS", "", kTime, "DATE", "YY/MM/DD", "", "98/12/28"}},
    {51, "524", {"OPR MODE:", "FIX", "<CounterOperatingMode>", "", "", "(TOGGLE)", "", "MORE > N"}},
    {52, "524N", {"(EXTRA MODES)", "FIX", "RF GAIN / POWER", "", "REMOTE MODIFY", "", "FILTERING", ""}},
    {53, "524N1", {"RF GAIN / PWR SET :", "", "<CounterGainMode>", "", "GAIN", "<CounterXmitPower>", "XMIT PWR", "<CounterXmitRange>"}},
    {54, "524N2", {"REMOTE MODIFY", "", "FIX : ", "<CounterRemoteModify>", "SOFTWARE VERSION", "", "    E12A1A1/98804", ""}},
    {55, "524N3", {"AZM FILTER", "", "ALPHA ", "<AzmFilterAlpha>", "BETA", "<AzmFilterBeta>", "", ""}},
    {56, "525", {"   (COMM SET-UP)", "FIX", "HOST CONNECTION", "", "PER. CONNECTION", "", "PER. TELEGRAMS", ""}},
    {57, "5251", {"HOST CONNECTION", "", "SEND BR :", "<CounterHostSendBaud>", "RECV BR :", "<CounterHostRecvBaud>", "<CounterHostBits>", "<CounterHostStop>"}},
    {58, "5252", {"PER. CONNECTION", "", "SEND BR :", "<CounterPerSendBaud>", "RECV BR :", "<CounterPerRecvBaud>", "<CounterPerBits>", "<CounterPerStop>"}},
    {59, "5253", {"TELEGRAM TYPE", "", "PER. CONNECTION", "", "OUT : ", "<CounterOutTelegram>", "IN  :", "<CounterInTelegram>"}},
    {60, "5254", {"ALARM SOUND :", "<CounterAlarmSound>", "", "", "AZIMUTH / DISTANCE", "", "SIMULATION :", "<CounterSimulationOutput>"}},
    {61, "5255", {"CONTROL BYTE:", "", "<CounterControlByte>", "", "      CAUTION !", "", "NORMAL VALUE:", "0    "}},
    {62, "526", {"", "FIX", "AUDIO", "", "VOLUME :", "<CounterAudioVolume>", "", ""}},
    {63, "53", {"(MONITORING)", "FIX", "SUPPLIES", "TEMP", "X-TAL CUR.", "GUNN", "PERFORMANCE", ""}},
    {63, "535N", {"(MONITORING)", "FIX", "SUPPLIES", "TEMP", "X-TAL CUR.", "GUNN", "PERFORMANCE", ""}},
    {64, "531", {"   SUPPLIES ", "FIX", " 6 V :", "6.0       -5.9", "12 V :", "11.9     -12.0", "BAT  :", "24.2 V    > N"}},
    {65, "532", {"MIXER X-TAL FIX", "", "SUM :", "-68     74       ", "DIF :", "-81     67       ", "", "> N"}},
    {65, "531N", {"MIXER X-TAL FIX", "", "SUM :", "-68     74       ", "DIF :", "-81     67       ", "", "> N"}},
    {66, "533", {"PERFORMANCE", "FIX", "AGC :", "54       ", "TUNING :", "-2       ", "SERVO:", "5     >N"}},
    {67, "534", {"TEMPERATURES", "FIX", "(CENTIGRADE)  AT", "", "PIN. MOD.", "27     ", "DIST.PCB.", "30 >N"}},
    {67, "533N", {"TEMPERATURES", "FIX", "(CENTIGRADE)  AT", "", "PIN. MOD.", "27     ", "DIST.PCB.", "30 >N"}},
    {68, "535", {"5V / GUNN SUPPLIES", "", "5V", "5.1       ", "GUNN", "10.5       ", "", "> D"}},
    {69, "54", {"WAKE-UP", "MOB", "TIME", "DAY", "<CounterClockDay>", "/24", kTime, "02/24 >N"}},
    {70, "54N", {"   SWITCH OFF FIX", "", "   BY PRESSING", "", "   ENTER KEY", "", "", ""}},
    {71, "56", {"UNIT CONFIGURED", "", "<CounterUnitRole>", "", "TOGGLE TO CHANGE", "", "", "> D"}},
};
// clang-format on

class MobileTree : public testing::PanelTreeTest<Tmobile, &Simulator::mobilePanel> {
 protected:
  void SetUp() override {
    PanelTreeTest::SetUp();
    s.AntennaBearing = 123.456;
    s.CounterStationKind = CounterKind::Mk4Fix;
  }
  void mark() { testing::markFields(s); }
  void green() { panel.ApdStatusLight1.LitColor = clLime; }
};

TEST_F(MobileTree, EveryOwnScreenShowsItsTextsAndFields) {
  walk(kOwnTree);
}

TEST_F(MobileTree, EveryRemoteScreenShowsItsTextsAndFields) {
  green();
  walk(kRemoteTree);
}

TEST_F(MobileTree, ShuttleSoftwareTurnsTheFrequencyPagesIntoTheStationPage) {
  s.ShuttleTankerSoftware = 1;
  mark();
  go("2");
  EXPECT_EQ(panel.cell(L2).Caption, "STATION");
  keys("1");
  EXPECT_EQ(panel.MenuState, 85);
  EXPECT_EQ(cells(), (std::array<std::string, 8>{
                         "  ENTER STATION", "MOB", "STATION CODE :", "<MobileStationCode>",
                         "FREQ :", "<MobileMk3FreqText>", "ADDR :", "<MobileStationAddrText>"}));
  keys("N");  // the frequency pages stay reachable by NEXT
  EXPECT_EQ(panel.MenuState, 6);
  keys("1D");  // and DEL from them leads back to the station page
  EXPECT_EQ(panel.MenuState, 85);
  keys("D");
  EXPECT_EQ(panel.MenuState, 5);

  // The remote MODIFY page is not the Mobile's: its key 1 keeps to F/A SELECT.
  green();
  go("52");
  EXPECT_EQ(panel.cell(L2).Caption, "FRQ / ADDR");
  keys("1");
  EXPECT_EQ(panel.MenuState, 41);
}

// Each menu with the digits it lists; any other digit leaves the menu as it is.
TEST_F(MobileTree, DigitsAMenuDoesNotListDoNothing) {
  green();
  const std::vector<Menu> menus = {
      {"", "123456"},  {"2", "123456"}, {"21", "123"},    {"22", "1234"},   {"24N", "12"},
      {"25", "12345"}, {"3", "12345"},  {"5", "12346"},   {"52", "123456"}, {"521", "123"},
      {"522", "1234"}, {"524N", "123"}, {"525", "12345"}, {"53", "12345"},
  };
  expectUnlistedDigitsDoNothing(menus);
}

TEST_F(MobileTree, RemoteAccessFollowsTheLampAndTheCounterStation) {
  // The lamp's colour starts red: the blank remote screen.
  keys("5");
  EXPECT_EQ(panel.MenuState, 80);
  EXPECT_EQ(cells(), (std::array<std::string, 8>{"     (REMOTE FIX)", "", "", "", "", "", "", ""}));

  struct Case {
    Color lamp;
    int kind;
    const char* role;
    int screen;  // 0: the main menu stays as it is
  };
  const std::vector<Case> cases = {
      {clLime, 0, text::AsMob, 36}, {clLime, 0, text::AsMk3M, 0}, {clLime, 2, text::AsMk3M, 36},
      {clLime, 1, text::AsMob, 80}, {clLime, 3, text::AsMob, 80}, {clRed, 0, text::AsMob, 80},
      {clRed, 2, text::AsMob, 80},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "kind " << c.kind << " role \"" << c.role << "\"");
    panel.ApdStatusLight1.LitColor = c.lamp;
    s.CounterStationKind = static_cast<CounterKind>(c.kind);
    s.MobileUnitRole = c.role;
    go("");
    auto mainMenu = cells();
    keys("5");
    EXPECT_EQ(panel.MenuState, c.screen);
    if (c.screen == 0) {
      EXPECT_EQ(cells(), mainMenu);
    }
  }
}

TEST_F(MobileTree, DelOnARemoteScreenAsksForRemoteAccessAgain) {
  green();
  go("51");
  auto operate = cells();
  // Remote access is lost: a Mk 3 mobile role with the lamp still green.
  s.MobileUnitRole = text::AsMk3M;
  keys("D");
  EXPECT_EQ(panel.MenuState, 0);
  EXPECT_EQ(cells(), operate);
  // With the lamp red, DEL on a remote page shows the blank remote screen.
  s.MobileUnitRole = text::AsMob;
  go("52");
  panel.ApdStatusLight1.LitColor = clRed;
  keys("D");
  EXPECT_EQ(panel.MenuState, 80);
  keys("D");  // nothing above the blank remote screen
  EXPECT_EQ(panel.MenuState, 80);
}

// A screen reached by its keys, and the screen DEL returns to, drawn afresh.
TEST_F(MobileTree, DelReturnsToTheParentScreen) {
  green();
  const std::vector<Parent> rows = {
      {"1", 0},     {"1NNN", 0},    {"2", 0},     {"21", 5},     {"211", 6},    {"213", 6},
      {"22", 5},    {"221", 10},    {"222E", 10}, {"224", 10},   {"23", 5},     {"24", 5},
      {"24N", 17},  {"24N1", 18},   {"24N2", 18}, {"25", 5},     {"251", 21},   {"255", 21},
      {"26", 5},    {"3", 0},       {"31", 28},   {"31N", 28},   {"4", 0},      {"4N", 34},
      {"6", 0},     {"6NNNNNN", 0}, {"5", 0},     {"51", 36},    {"51NN", 36},  {"52", 36},
      {"521", 40},  {"5211", 41},   {"5213", 41}, {"522", 40},   {"5221", 45},  {"5224", 45},
      {"523", 40},  {"524", 40},    {"524N", 51}, {"524N1", 52}, {"524N3", 52}, {"525", 40},
      {"5251", 56}, {"5255", 56},   {"526", 40},  {"53", 36},    {"532", 63},   {"535", 63},
      {"54", 36},   {"54N", 69},    {"56", 36},   {"", 0},
  };
  expectDelReturnsToParent(rows);
}

TEST_F(MobileTree, NextStepsTheFieldOnlyOnTheMobilesOwnPages) {
  green();
  const std::vector<Fields> rows = {
      {"212", {1, 2, 0, 1}}, {"24N1", {0, 1, 2, 0}},   {"213", {0, 1, 0}},
      {"223", {0, 1, 0}},    {"23", {0, 1, 0}},        {"253", {0, 1, 0}},
      {"254", {0, 1, 0}},    {"251", {0, 1, 2, 3, 0}}, {"252", {0, 1, 2, 3, 0}},
      {"5212", {1, 1}},      {"5213", {0, 0}},         {"524N1", {0, 0}},
      {"5251", {0, 0}},      {"5254", {0, 0}},         {"524N3", {0, 0}},
  };
  expectNextSteps(rows);
}

TEST_F(MobileTree, RemoteOperatePagesCycleWithTheirStatusLines) {
  green();
  s.FixStatusLine = "STAT: F / 3 / 24 / HS / 9";
  s.FixStatusLine2 = "   -2  8>N    9>L";
  go("51");
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(panel.MenuState, 37);
    EXPECT_EQ(panel.cell(L4).Caption, s.FixStatusLine);
    keys("N");
    EXPECT_EQ(panel.MenuState, 38);
    EXPECT_EQ(panel.cell(L4).Caption, s.FixStatusLine2);
    keys("N");
    EXPECT_EQ(panel.MenuState, 39);
    EXPECT_EQ(panel.cell(L4).Caption, s.FixStatusLine);
    keys("N");
    EXPECT_EQ(panel.cell(L1).Caption, "DIST:  ");
  }
}

TEST_F(MobileTree, MonitorPerformancePageSwitchesTheBlinkOn) {
  go("3");
  panel.Timer4.stop();
  keys("3");
  EXPECT_EQ(panel.MenuState, 31);
  EXPECT_TRUE(panel.Timer4.Enabled());
}

}  // namespace
}  // namespace kestrom
