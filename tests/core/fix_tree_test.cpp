// The Fix panel's menu tree walked by its keys: every screen's texts and fields,
// the menus, NEXT, DEL, MENU and the quick keys of OPERATE page 2.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "panels/fix/fix_panel.h"
#include "support/counter_trees.h"
#include "support/tree_test.h"

namespace kestrom {
namespace {

using enum Cell;
using S = SimulationState;
using testing::CellTexts;
using testing::kFourBars;
using testing::Walk;

constexpr const char* kTime = testing::kTreeTime;
// With FixAzimuth 359.992 the reciprocal is 179.992; the antenna points at 179.992.
constexpr Extended kAzimuth = 359.992L;

// The pages of its own tree the Fix draws in its own way.
// clang-format off
const std::vector<Walk> kOwnTree = {
    {0, "", {"     (MAIN MENU FIX)", "", "OPERATE", "WAKE-UP", "MODIFY", "MOBILE", "MONITOR", "CONFIG"}},
    {1, "1", {"DIST:", "MTR", "AZM:        179.99", "DEG", "SGNL:", "-45", "<FixStatusLine>", ""}},
    {2, "1N", {"DIST:   ", "MTR", "AZM:    ", "DEG", "SGNL:  ", "", "<FixStatusLine2>", ""}},
    {3, "1NN", {"", "MTR   9", "", "DEG   9", "", "", "<FixStatusLine>", ""}},
    {1, "1NNN", {"DIST:   ", "MTR", "AZM:    ", "DEG", "SGNL:  ", "", "<FixStatusLine>", ""}},
    {2, "1NNNN", {"DIST:   ", "MTR", "AZM:    ", "DEG", "SGNL:  ", "", "<FixStatusLine2>", ""}},
    {4, "2", {"     (MODIFY FIX)", "", "FRQ / ADDR", "OPRMOD", "LOCATION", "COMM", "CLOCK", "VOLUME"}},
    {5, "21", {"   (F/A  SELECT)", "FIX", "FREQUENCY PAIR", "", "ADDRESS CODES", "", "FREQ ADJUST MK3", ""}},
    {6, "211", {"FREQ:   (MHZ)", "FIX", "         MOB   FIX", "", "<CounterFreqPairText>", ">T", "ACTUAL FREQ:", "<CounterFreq>"}},
    {7, "212", {"ADDRESS CODE", "FIX", "RECVD FR MOB:", "<CounterAddrReceived>", "SENT TO  MOB:", "<CounterAddrSent>", "MK3-ADDR:", "<CounterMk3Addr>"}},
    {8, "213", {"FREQ ADJUST MK3", "", "MOB FREQ :", "<CounterMk3FreqOffset>", "FIX FREQ :", "<CounterFreq>", kFourBars, ""}},
    {9, "22", {"  (FIX LOCATION)", "", "ANT. REF", "SETP", "SCANLIMITS REL", "", "SCANLIMITS NUM", ""}},
    {10, "221", {"    AIM ANTENNA", "", "  (WITH TELESCOPE)", "", "AT REFERENCE OBJ", "", "", "OK ?   >  E"}},
    {11, "222", {"AIM ANTENNA AT", "", "LEFT SCANLIMIT", "", "USE  L/R  KEYS", "", "", "OK ?  > E"}},
    {12, "223", {"ACT AZM:", "248", "(KEY-IN LIMITS)", "", "LIMIT L", "<FixScanLimitLeft>", "LIMIT R", "<FixScanLimitRight>"}},
    {13, "224", {"AZIMUTH SETPOINT", "", "", "", "AZM", "242.9", "SETPOINT", ""}},
    {17, "24", {"OPR MODE:", "FIX", "<CounterOperatingMode>", "", "", "(TOGGLE)", "", "MORE > N"}},
    {18, "24N", {"(EXTRA MODES)", "FIX", "RF GAIN / POWER", "", "REMOTE MODIFY", "", "FILTERING", ""}},
    {20, "24N2", {"REMOTE MODIFY", "", "FIX : ", "<CounterRemoteModify>", "SOFTWARE VERSION", "", "    E12A1A1/98804", ""}},
    {21, "24N3", {"AZM FILTER", "", "ALPHA ", "<AzmFilterAlpha>", "BETA", "<AzmFilterBeta>", "", ""}},
    {22, "25", {"   (COMM SET-UP)", "FIX", "HOST CONNECTION", "", "PER. CONNECTION", "", "PER. TELEGRAMS", ""}},
    {27, "255", {"   CONTROL BYTE:", "", "<CounterControlByte>", "", "       CAUTION !", "", "NORMAL VALUE:", "0    "}},
    {28, "26", {"", "FIX", "AUDIO", "", "VOLUME :", "<CounterAudioVolume>", "", ""}},
    {29, "3", {"(MONITORING)", "FIX", "SUPPLIES", "TEMP", "X-TAL CUR.", "GUNN", "PERFORMANCE", ""}},
    {29, "31NNNNN", {"(MONITORING)", "FIX", "SUPPLIES", "TEMP", "X-TAL CUR.", "GUNN", "PERFORMANCE", ""}},
    {30, "31", {"   SUPPLIES ", "FIX", " 6 V :", "6.0  -5.9", "12 V :", "11.9 -12.0", "BAT  :", "24.2 V    > N"}},
    {31, "32", {"MIXER X-TAL FIX", "", "SUM :", "-68   74   ", "DIF :", "-81   67   ", "", "> N"}},
    {31, "31N", {"MIXER X-TAL FIX", "", "SUM :", "-68   74   ", "DIF :", "-81   67   ", "", "> N"}},
    {32, "33", {"PERFORMANCE", "FIX", "AGC :", "54    ", "TUNING :", "-2    ", "SERVO:", "5  >N"}},
    {32, "32N", {"PERFORMANCE", "FIX", "AGC :", "54    ", "TUNING :", "-2    ", "SERVO:", "5  >N"}},
    {33, "34", {"TEMPERATURES", "FIX", "(CENTIGRADE)  AT", "", "PIN. MOD.", "27   ", "DIST.PCB.", "30 >N"}},
    {33, "33N", {"TEMPERATURES", "FIX", "(CENTIGRADE)  AT", "", "PIN. MOD.", "27   ", "DIST.PCB.", "30 >N"}},
    {35, "4", {"WAKE-UP", "FIX", "TIME", "DAY", "<CounterClockDay>", "/24", kTime, "02/24 >N"}},
    {36, "4N", {"   SWITCH OFF FIX", "", "   BY PRESSING", "", "   ENTER KEY", "", "", ""}},
    // The configuration run, paged by NEXT.
    {72, "6", {"UNIT CONFIGURED", "", "<CounterUnitRole>", "", "TOGGLE TO CHANGE", "", "", "> D"}},
    {73, "6N", {"FREQ:   (MHZ)", "FIX", "           MOB   FIX", "", "<CounterFreqPairText>", ">T", "FIX FREQ:", "<CounterFreq>"}},
    {74, "6NN", {"", "FIX", "SELECTIVE", "", "ADDRESS CODE", "<CounterAddrSent>", "", "> N"}},
    {75, "6NNN", {"AIM ANTENNA AT", "", "LEFT SCANLIMIT", "", "USE L/R KEYS", "", "", "OK ? > E"}},
    {76, "6NNNN", {"AIM ANTENNA AT", "", "RIGHT SCANLIMIT", "", "USE L/R KEYS", "", "", "OK ? > E"}},
    {77, "6NNNNN", {"USE TELESCOPE TO", "", "AIM ANTENNA AT", "", "REFERENCE OBJECT", "", "SKIP ? > N", "OK ? > E"}},
    {78, "6NNNNNN", {"         KEY-IN", "", "    REFERENCE AZM.", "", "         179.992", "", "SKIP ? > N", "OK ? > E"}},
    {79, "6NNNNNNN", {"TIME", "HH:MM:SS   ", "", std::string(kTime) + "    ", "DATE", "YY/MM/DD   ", "", "98/12/28 > N"}},
    {80, "6NNNNNNNN", {"OPR MODE:", "FIX", "<CounterOperatingMode>", "", "", "(TOGGLE)", "", "> N"}},
    {81, "6NNNNNNNNN", {"     END OF FIX", "", "", "", "    CONFIGURATION", "", "", "> M"}},
    {81, "6NNNNNNNNNN", {"     END OF FIX", "", "", "", "    CONFIGURATION", "", "", "> M"}},
};

// The second steps of the telescope and scan limit procedures, which ENTER on
// screens 10 and 11 draws.
const std::vector<Walk> kDrawnByEnter = {
    {14, nullptr, {"           KEY-IN", "", "    REFERENCE AZM.", "", "             179.99", "", "", "OK ?  > E"}},
    {15, nullptr, {"AIM ANTENNA AT", "", "RIGHT SCANLIMIT", "", "USE  L/R  KEYS", "", "", "OK ?  > E"}},
};

// The remote Mobile tree's pages the Fix draws in its own way, with the lamp's
// colour lime.
const std::vector<Walk> kRemoteTree = {
    {38, "51", {"DIST:                *", "MTR", "AZM:                 *", "DEG", "SGNL: ", "-80", "<MobileStatusLine>", ""}},
    {39, "51N", {"DIST:  ", "MTR", "AZM:   ", "DEG", "SGNL:  ", "", "<FixStatusLine>", ""}},
    {40, "51NN", {"DIST:   ", "MTR", "AZM:    ", "DEG", "BEARING", "", "HEADING", ""}},
    {38, "51NNNN", {"DIST:   ", "MTR", "AZM:    ", "DEG", "SGNL:  ", "-45", "STAT: M / 3 / 24 / HS / 9", ""}},
    {39, "51NNNNN", {"DIST:  ", "MTR", "AZM:   ", "DEG", "SGNL:  ", "", "<FixStatusLine>", ""}},
    {51, "52", {"     (MODIFY MOBILE)", "", "FRQ / ADDR", "OPRMOD", "LOCATION", "COMM", "CLOCK", "VOLUME"}},
    {42, "521", {"   (F/A  SELECT)", "MOB", "FREQUENCY PAIR", "", "ADDRESS CODES", "", "FREQ ADJUST MK3", ""}},
    {43, "5211", {"FREQ:   (MHZ)", "MOB", "          MOB   FIX", "", "<MobileFreqPairText>", ">T", "ACTUAL FREQ:", "<MobileFreq>"}},
    {44, "5212", {"ADDRESS CODE", "MOB", "RECVD FR FIX:", "<MobileAddrReceived>", "SENT TO  FIX:", "<MobileAddrSent>", "MK3-ADDR:", "<MobileMk3Addr>"}},
    {45, "5213", {"FREQ ADJUST MK3", "", "FIX FREQ :", "<MobileMk3FreqOffset>", "MOB FREQ :", "<MobileFreq>", kFourBars, ""}},
    {46, "522", {"   (MOB LOCATION)", "", "SETBEARING", "SETP", "SCANLIMITS REL", "", "SCANLIMITS NUM", ""}},
    {48, "5223", {"   (SCANNING MOB)", "", "BEARING 305.9", "", "LIMIT L", "<MobileScanLimitLeft>", "LIMIT R", "<MobileScanLimitRight>"}},
    {49, "5224", {"BEARING SETPOINT", "", "", "", "BEARING", "242.9", "SETPOINT", ""}},
    {55, "524N2", {"REMOTE MODIFY", "", "MOB : ", "<MobileRemoteModify>", "SOFTWARE VERSION", "", "    E12A1A1/98803", ""}},
    {61, "5255", {"   CONTROL BYTE:", "", "<MobileControlByte>", "", "       CAUTION !", "", "NORMAL VALUE:", "0    "}},
    {66, "533", {"PERFORMANCE", "MOB", "AGC :", "54    ", "TUNING :", "-2    ", "SERVO:", "<ServoText>    >N"}},
    {66, "532N", {"PERFORMANCE", "MOB", "AGC :", "54    ", "TUNING :", "-2    ", "SERVO:", "<ServoText>    >N"}},
    {71, "56", {"    UNIT CONFIGURED", "", "<MobileUnitRole>", "", "TOGGLE TO CHANGE", "", "", "> N"}},
};
// clang-format on

const CellTexts kRemoteClosed = {"     (REMOTE MOB)", "", "", "", "", "", "", ""};

class FixTree : public testing::PanelTreeTest<Tfix, &Simulator::fixPanel> {
 protected:
  void SetUp() override {
    PanelTreeTest::SetUp();
    s.FixAzimuth = kAzimuth;
  }
  void lime() { panel.ApdStatusLight1.LitColor = clLime; }
};

TEST_F(FixTree, EveryOwnScreenShowsItsTextsAndFields) {
  walk(kOwnTree);
  walk(testing::counterOwnScreens());
}

TEST_F(FixTree, EveryRemoteScreenShowsItsTextsAndFields) {
  lime();
  walk(kRemoteTree);
  walk(testing::remoteMobileScreens());
}

TEST_F(FixTree, TheWalksCoverEveryScreen) {
  std::set<int> walked;
  for (const auto* rows : {&kOwnTree, &kDrawnByEnter, &kRemoteTree, &testing::counterOwnScreens(),
                           &testing::remoteMobileScreens()})
    for (const Walk& w : *rows) walked.insert(w.screen);
  walked.insert(82);
  for (int n = 0; n <= 82; ++n) EXPECT_EQ(walked.count(n), 1u) << "screen " << n;
}

TEST_F(FixTree, ProcedureStepsOfferTheReciprocalAzimuth) {
  for (const Walk& w : kDrawnByEnter) {
    SCOPED_TRACE(w.screen);
    testing::markFields(s);
    panel.EditField = 1;
    panel.enterScreen(w.screen);
    EXPECT_EQ(cells(), w.cells);
    EXPECT_EQ(panel.EditField, w.screen == 14 ? 0 : 1);
  }
  // At 180 or below the reciprocal is the azimuth plus 180.
  s.FixAzimuth = 100.5L;
  panel.enterScreen(14);
  EXPECT_EQ(panel.cell(L3).Caption, std::string(13, ' ') + "280.50");
  go("6NNNNNN");
  EXPECT_EQ(panel.cell(L3).Caption, std::string(9, ' ') + "280.500");
  go("1");
  EXPECT_EQ(panel.cell(L2).Caption, "AZM:        280.50");
  s.FixAzimuth = 180;
  go("6NNNNNN");
  EXPECT_EQ(panel.cell(L3).Caption, std::string(9, ' ') + "360.000");
}

TEST_F(FixTree, KeyFiveFollowsTheLampsLitColour) {
  // The lamp's colour starts red: the blank remote screen, which only MENU leaves.
  keys("5");
  EXPECT_EQ(panel.MenuState, 82);
  EXPECT_EQ(cells(), kRemoteClosed);
  keys("D123456N");
  EXPECT_EQ(panel.MenuState, 82);
  EXPECT_EQ(cells(), kRemoteClosed);
  keys("M");
  EXPECT_EQ(panel.MenuState, 0);
  EXPECT_EQ(panel.cell(L1).Caption, "     (MAIN MENU FIX)");

  // Lime opens the remote tree whether or not the lamp is lit at the moment.
  struct Case {
    Color colour;
    bool lit;
    int screen;
  };
  for (const Case& c : {Case{clLime, false, 37}, Case{clLime, true, 37}, Case{clBlue, true, 82},
                        Case{clBlack, false, 82}}) {
    SCOPED_TRACE(::testing::Message() << "colour " << c.colour << " lit " << c.lit);
    panel.ApdStatusLight1.LitColor = c.colour;
    panel.ApdStatusLight1.Lit = c.lit;
    go("5");
    EXPECT_EQ(panel.MenuState, c.screen);
  }
}

// A screen reached by its keys, and the screen DEL returns to, drawn afresh.
TEST_F(FixTree, DelReturnsToTheParentScreen) {
  lime();
  const std::vector<Parent> rows = {
      {"", 0},        {"1", 0},          {"1N", 0},     {"1NN", 0},    {"1NNN", 0},  {"2", 0},
      {"21", 4},      {"211", 5},        {"212", 5},    {"213", 5},    {"22", 4},    {"221", 9},
      {"222", 9},     {"223", 9},        {"224", 9},    {"23", 4},     {"24", 4},    {"24N", 17},
      {"24N1", 18},   {"24N2", 18},      {"24N3", 18},  {"25", 4},     {"251", 22},  {"252", 22},
      {"253", 22},    {"254", 22},       {"255", 22},   {"26", 4},     {"3", 0},     {"31", 29},
      {"31N", 29},    {"35", 29},        {"4", 0},      {"4N", 35},    {"6", 0},     {"6N", 0},
      {"6NNNNNN", 0}, {"6NNNNNNNNN", 0}, {"5", 0},      {"51", 37},    {"51N", 37},  {"51NN", 37},
      {"51NNN", 37},  {"51NNNN", 37},    {"52", 37},    {"521", 51},   {"5211", 42}, {"5212", 42},
      {"5213", 42},   {"522", 51},       {"5221", 46},  {"5223", 46},  {"5224", 46}, {"523", 51},
      {"524", 51},    {"524N", 52},      {"524N1", 53}, {"524N2", 53}, {"525", 51},  {"5251", 56},
      {"5255", 56},   {"526", 51},       {"53", 37},    {"531", 63},   {"535N", 37}, {"534N", 63},
      {"54", 37},     {"54N", 69},       {"56", 37},
  };
  expectDelReturnsToParent(rows);
  // The procedure steps that ENTER draws return to FIX LOCATION too.
  for (int step : {14, 15}) {
    go("22");
    panel.enterScreen(step);
    keys("D");
    EXPECT_EQ(panel.MenuState, 9);
    EXPECT_EQ(panel.cell(L1).Caption, "  (FIX LOCATION)");
  }
}

TEST_F(FixTree, DelOnARemotePageAsksTheLampAgain) {
  lime();
  go("52");
  panel.ApdStatusLight1.LitColor = clRed;
  keys("D");
  EXPECT_EQ(panel.MenuState, 82);
  EXPECT_EQ(cells(), kRemoteClosed);
  keys("D");  // nothing above the blank remote screen
  EXPECT_EQ(panel.MenuState, 82);
  // Below MODIFY MOBILE the way back keeps to the remote tree.
  lime();
  go("521");
  panel.ApdStatusLight1.LitColor = clRed;
  keys("D");
  EXPECT_EQ(panel.MenuState, 51);
  keys("D");
  EXPECT_EQ(panel.MenuState, 82);
}

// Each menu with the digits it lists; any other digit leaves the menu as it is.
TEST_F(FixTree, DigitsAMenuDoesNotListDoNothing) {
  lime();
  const std::vector<Menu> menus = {
      {"", "123456"},  {"2", "123456"}, {"21", "123"},      {"22", "1234"},   {"24N", "123"},
      {"25", "12345"}, {"3", "12345"},  {"5", "12346"},     {"52", "123456"}, {"521", "123"},
      {"522", "134"},  {"524N", "12"},  {"525", "12345"},   {"53", "12345"},  {"1NN", ""},
      {"51NN", ""},    {"4N", ""},      {"6NNNNNNNNN", ""},
  };
  expectUnlistedDigitsDoNothing(menus);
}

TEST_F(FixTree, NextStepsTheFieldOnlyOnTheFixsOwnPages) {
  lime();
  const std::vector<Fields> rows = {
      {"213", {0, 1, 2, 0}},   {"24N1", {0, 1, 2, 0}},   {"22", {0, 1, 0}},
      {"23", {0, 1, 0}},       {"252", {0, 1, 0}},       {"253", {0, 1, 0}},
      {"25", {0, 1, 2, 3, 0}}, {"251", {0, 1, 2, 3, 0}}, {"212", {1, 1}},
      {"5212", {0, 0}},        {"5213", {0, 0}},         {"524N1", {0, 0}},
      {"5251", {0, 0}},        {"5252", {0, 0}},         {"5253", {0, 0}},
  };
  expectNextSteps(rows);
  // KEY-IN REFERENCE AZM. steps its two fields too.
  go("22");
  panel.enterScreen(14);
  keys("N");
  EXPECT_EQ(panel.EditField, 1);
  keys("N");
  EXPECT_EQ(panel.EditField, 0);
  EXPECT_EQ(panel.MenuState, 14);
}

TEST_F(FixTree, OnlyTheFixsAddressPageSetsTheField) {
  go("212");
  EXPECT_EQ(panel.EditField, 1);
  // The Mobile's ADDRESS CODE page keeps the field it is reached with.
  lime();
  go("521");
  keys("2");
  EXPECT_EQ(panel.MenuState, 44);
  EXPECT_EQ(panel.EditField, 0);
  keys("D");
  panel.EditField = 1;
  keys("2");
  EXPECT_EQ(panel.MenuState, 44);
  EXPECT_EQ(panel.EditField, 1);
}

TEST_F(FixTree, CommSetUpAndItsWayBack) {
  keys("25");
  EXPECT_EQ(panel.MenuState, 22);
  keys("1");
  EXPECT_EQ(panel.MenuState, 23);
  keys("D");
  EXPECT_EQ(panel.MenuState, 22);
  keys("1DDD");
  EXPECT_EQ(panel.MenuState, 0);
  EXPECT_EQ(panel.cell(L1).Caption, "     (MAIN MENU FIX)");
  // Keys 4 and 5 open the pages the menu does not list.
  go("254");
  EXPECT_EQ(panel.MenuState, 26);
  go("255");
  EXPECT_EQ(panel.MenuState, 27);
  // MOBILE's TIME / DATE has a key; the remote OPERATE page 3 has none.
  lime();
  go("523");
  EXPECT_EQ(panel.MenuState, 50);
  go("51NN3");
  EXPECT_EQ(panel.MenuState, 40);
}

TEST_F(FixTree, ConfigurationRunEndsOnItsLastPage) {
  go("6NNNNNNNNN");
  ASSERT_EQ(panel.MenuState, 81);
  keys("NNN");
  EXPECT_EQ(panel.MenuState, 81);
  keys("M");
  EXPECT_EQ(panel.MenuState, 0);
  EXPECT_EQ(panel.cell(L1).Caption, "     (MAIN MENU FIX)");
}

TEST_F(FixTree, MenuWaitsForEnterAfterTyping) {
  go("212");
  keys("7");
  EXPECT_EQ(panel.cell(R3).Caption, "7");
  keys("M");
  EXPECT_EQ(panel.MenuState, 7);
  EXPECT_EQ(panel.EditField, 1);
  EXPECT_EQ(panel.cell(R3).Caption, "7");
  keys("EM");
  EXPECT_EQ(panel.MenuState, 0);
  EXPECT_EQ(panel.EditField, 0);
  EXPECT_EQ(cells(), kOwnTree.front().cells);
}

// Keys 8 and 9 of OPERATE page 2 switch the transmitter of the page's station,
// only in MANUAL gain.
TEST_F(FixTree, QuickKeysSwitchTheTransmitterInManualGain) {
  struct Side {
    const char* path;
    std::string SimulationState::*gain;
    std::string SimulationState::*power;
    std::string SimulationState::*range;
    std::string SimulationState::*line2;
    std::string SimulationState::*otherLine2;
  };
  lime();
  for (const Side& side : {Side{"1N", &S::CounterGainMode, &S::CounterXmitPower,
                                &S::CounterXmitRange, &S::FixStatusLine2, &S::MobileStatusLine2},
                           Side{"51N", &S::MobileGainMode, &S::MobileXmitPower, &S::MobileXmitRange,
                                &S::MobileStatusLine2, &S::FixStatusLine2}}) {
    SCOPED_TRACE(side.path);
    go(side.path);
    const std::string shown = panel.cell(L4).Caption;
    keys("8989");  // AUTOMATIC at the start: nothing changes
    EXPECT_EQ(s.*side.power, text::Normal);
    EXPECT_EQ(s.*side.range, text::Long);
    EXPECT_EQ(panel.cell(L4).Caption, shown);

    s.*side.gain = text::Manual;
    keys("8");
    EXPECT_EQ(s.*side.power, text::Reduced);
    EXPECT_EQ(s.*side.line2, "   -2  8>R    9>L");
    EXPECT_EQ(panel.cell(L4).Caption, s.*side.line2);
    keys("9");
    EXPECT_EQ(s.*side.range, text::Short);
    EXPECT_EQ(s.*side.line2, "   -2  8>R    9>S");
    keys("89");
    EXPECT_EQ(s.*side.power, text::Normal);
    EXPECT_EQ(s.*side.range, text::Long);
    EXPECT_EQ(s.*side.line2, "   -2  8>N    9>L");
    EXPECT_EQ(s.*side.otherLine2, "   -2  8>N    9>L");
    EXPECT_EQ(panel.MenuState, side.path[0] == '1' ? 2 : 39);
  }
  // On the other OPERATE pages the keys do nothing.
  s.CounterGainMode = text::Manual;
  go("1NN");
  keys("89");
  EXPECT_EQ(s.CounterXmitPower, text::Normal);
  EXPECT_EQ(s.CounterXmitRange, text::Long);
}

}  // namespace
}  // namespace kestrom
