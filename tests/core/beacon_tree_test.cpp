// The Beacon panel's menu trees walked by its keys: every screen's texts and
// fields, the menus, NEXT with its fields, DEL, MENU, key 5 and the lock, the
// quick keys of OPERATE page 2 and which routine the digit keys run on each page.

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "panels/beacon/beacon_panel.h"
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

// The pages of its own tree the Beacon draws in its own way.
// clang-format off
const std::vector<Walk> kOwnTree = {
    {0, "", {" (MAIN MENU BEACON)", "", "OPERATE", "WAKE-UP", "MODIFY", "MOB", "MONITOR", "CONFIG"}},
    {1, "1", {"DIST:                *", "MTR", "AZM:                 *", "DEG", "SGNL: ", "-80", "<BeaconStatusLine>", ""}},
    {2, "1N", {"DIST:   ", "MTR", "AZM:     ", "DEG", "SGNL:  ", "-45", "<BeaconStatusLine2>", ""}},
    {3, "1NN", {"DIST:   ", "MTR", "AZM:    ", "DEG", "BEARING", "", "HEADING", "136.4"}},
    {1, "1NNN", {"DIST:   ", "MTR", "AZM:    ", "DEG", "SGNL: ", "-45", "<BeaconStatusLine>", ""}},
    {2, "1NNNN", {"DIST:   ", "MTR", "AZM:     ", "DEG", "SGNL:  ", "-45", "<BeaconStatusLine2>", ""}},
    {4, "2", {"   (MODIFY BEACON)", "", "FRQ / ADDR", "OPRMOD", "", "COMM", "CLOCK", "VOLUME"}},
    {5, "21", {"  (F/A  SELECT)", "BCN", "FREQUENCY PAIR", "", "ADDRESS CODES", "", "FREQ ADJUST MK3", ""}},
    {6, "211", {"FREQ:   (MHZ)", "BEACON", "        MOB   BEACON", "", "<CounterFreqPairText>", ">T", "BCN FREQ:", "<CounterFreq>"}},
    {7, "212", {"ADDRESS CODE", "BCN", "RECVD FR MOB:", "<CounterAddrReceived>", "SENT TO  MOB:", "<CounterAddrSent>", "MK3-ADDR:", "<CounterMk3Addr>"}},
    {8, "213", {"FREQ ADJUST MK3", "", "MOB FREQ :", "<CounterMk3FreqOffset>", "BCN FREQ :", "<CounterFreq>", kFourBars, ""}},
    {17, "24", {"OPR MODE:", "BCN", "<CounterOperatingMode>", "", "", "(TOGGLE)", "", "MORE > N"}},
    {18, "24N", {"(EXTRA MODES)", "BCN", "RF GAIN / POWER", "", "REMOTE MODIFY", "", "", ""}},
    {20, "24N2", {"REMOTE MODIFY", "", "BCN : ", "<CounterRemoteModify>", "SOFTWARE VERSION", "", "    E12A1A1/98803", ""}},
    {22, "25", {"   (COMM SET-UP)", "BCN", "HOST CONNECTION", "", "PER. CONNECTION", "", "PER. TELEGRAMS", ""}},
    {27, "255", {"CONTROL BYTE:", "", "<CounterControlByte>", "", "      CAUTION !", "", "NORMAL VALUE:", "0    "}},
    {28, "26", {"", "BCN", "AUDIO", "", "VOLUME :", "<CounterAudioVolume>", "", ""}},
    {29, "3", {"(MONITORING)", "BCN", "SUPPLIES", "TEMP", "X-TAL CUR.", "GUNN", "PERFORMANCE", ""}},
    {29, "31NNNNN", {"(MONITORING)", "BCN", "SUPPLIES", "TEMP", "X-TAL CUR.", "GUNN", "PERFORMANCE", ""}},
    {30, "31", {"   SUPPLIES ", "BEACON", " 6 V :", "6.0  -5.9", "12 V :", "11.9 -12.0", "BAT  :", "24.2 V    > N"}},
    {31, "32", {"MIXER X-TAL BCN", "", "SUM :", "-68   74   ", "DIF :", "-81   67   ", "", "> N"}},
    {31, "31N", {"MIXER X-TAL BCN", "", "SUM :", "-68   74   ", "DIF :", "-81   67   ", "", "> N"}},
    {32, "33", {"PERFORMANCE", "BCN", "AGC :", "54    ", "TUNING :", "-2    ", "SERVO:", "5  >N"}},
    {32, "32N", {"PERFORMANCE", "BCN", "AGC :", "54    ", "TUNING :", "-2    ", "SERVO:", "5  >N"}},
    {33, "34", {"TEMPERATURES", "BCN", "(CENTIGRADE)  AT", "", "PIN. MOD.", "27   ", "DIST.PCB.", "30 >N"}},
    {33, "33N", {"TEMPERATURES", "BCN", "(CENTIGRADE)  AT", "", "PIN. MOD.", "27   ", "DIST.PCB.", "30 >N"}},
    {35, "4", {"WAKE-UP", "BCN", "TIME", "DAY", "<CounterClockDay>", "/24", kTime, "02/24 >N"}},
    {36, "4N", {"   SWITCH OFF BCN", "", "   BY PRESSING", "", "   ENTER KEY", "", "", ""}},
    {85, "5", {"     (REMOTE MOB)", "", "", "", "", "", "", ""}},
    // The configuration run, paged by NEXT: the Beacon's own frequency and address.
    {72, "6", {"    UNIT CONFIGURED", "", "       AS  BEACON", "", "CANNOT", "", "BE CHANGED", "> N"}},
    {73, "6N", {"FREQ:   (MHZ)", "BCN", "           MOB   BCN", "", "<CounterFreqPairText>", ">T", "BCN FREQ:", "<CounterFreq>"}},
    {74, "6NN", {"", "BCN", "SELECTIVE", "", "ADDRESS CODE", "<CounterAddrSent>", "", "> N"}},
    {75, "6NNN", {"TIME", "HH:MM:SS   ", "", std::string(kTime) + "    ", "DATE", "YY/MM/DD   ", "", "98/12/28 > N"}},
    {76, "6NNNN", {"     END OF BCN", "", "", "", "    CONFIGURATION", "", "", "> M"}},
    {76, "6NNNNN", {"     END OF BCN", "", "", "", "    CONFIGURATION", "", "", "> M"}},
};

// The remote Mobile tree's pages the Beacon draws in its own way, in lock.
const std::vector<Walk> kRemoteTree = {
    {38, "51", {"DIST:  ", "MTR", "AZM:   ", "DEG", "SGNL:  ", "-85", "<MobileStatusLine>", ""}},
    {39, "51N", {"DIST:  ", "MTR", "AZM:   ", "DEG", "SGNL:  ", "-45", "<MobileStatusLine2>", ""}},
    {40, "51NN", {"DIST : ", "MTR   9", "AZM  ", "DEG", "BEARING", "", "HEADING", ""}},
    {38, "51NNNN", {"DIST:   ", "MTR", "AZM:   ", "DEG", "SGNL:  ", "-45", "<MobileStatusLine>", ""}},
    {39, "51NNNNN", {"DIST:  ", "MTR", "AZM:   ", "DEG", "SGNL:  ", "-45", "<MobileStatusLine2>", ""}},
    {51, "52", {"   (MODIFY MOB)", "", "FRQ / ADDR", "OPRMOD", "LOCATION", "COMM", "CLOCK", "VOLUME"}},
    {42, "521", {"  (F/A  SELECT)", "MOB", "FREQUENCY PAIR", "", "ADDRESS CODES", "", "FREQ ADJUST MK3", ""}},
    {43, "5211", {"FREQ:   (MHZ)", "MOB", "         MOB   BEACON", "", "<MobileFreqPairText>", ">T", "ACTUAL FREQ:", "<MobileFreq>"}},
    {44, "5212", {"ADDRESS CODE", "MOB", "RECVD FR BCN:", "<MobileAddrReceived>", "SENT TO  BCN:", "<MobileAddrSent>", "MK3-ADDR:", "<MobileMk3Addr>"}},
    {45, "5213", {"FREQ ADJUST MK3", "", "BCN FREQ :", "<MobileMk3FreqOffset>", "MOB FREQ :", "<MobileFreq>", kFourBars, ""}},
    {46, "522", {"  (MOB LOCATION)", "", "SET BEARING", "", "SCANLIMITS", "", "SETPOINT", ""}},
    {48, "5222", {"  (SCANNING MOB)", "", "BEARING", "<AntennaBearingText>", "LIMIT L", "<MobileScanLimitLeft>", "LIMIT R", "<MobileScanLimitRight>"}},
    {49, "5223", {"BEARING SETPOINT", "", "", "", "BEARING", "<AntennaBearingText>", "SETPOINT", ""}},
    {55, "524N2", {"REMOTE MODIFY", "", "MOB : ", "<MobileRemoteModify>", "SOFTWARE VERSION", "", "    E12A1A1/98804", ""}},
    {61, "5255", {"CONTROL BYTE:", "", "<MobileControlByte>", "", "      CAUTION !", "", "NORMAL VALUE:", "0    "}},
    {66, "533", {"PERFORMANCE", "MOB", "AGC :", "54    ", "TUNING :", "-2    ", "SERVO:", "5  >N"}},
    {66, "532N", {"PERFORMANCE", "MOB", "AGC :", "54    ", "TUNING :", "-2    ", "SERVO:", "5  >N"}},
    {71, "56", {"UNIT CONFIGURED", "", "<MobileUnitRole>", "", "TOGGLE TO CHANGE", "", "", "> D"}},
};
// clang-format on

const CellTexts kRemoteClosed = {"     (REMOTE MOB)", "", "", "", "", "", "", ""};

class BeaconTree : public testing::PanelTreeTest<Tbeacon, &Simulator::beaconPanel> {
 protected:
  void inLock(bool locked) { s.InLock = locked ? 1 : 0; }
};

TEST_F(BeaconTree, EveryOwnScreenShowsItsTextsAndFields) {
  walk(kOwnTree);
  walk(testing::counterOwnScreens());
}

TEST_F(BeaconTree, EveryRemoteScreenShowsItsTextsAndFields) {
  inLock(true);
  walk(kRemoteTree);
  walk(testing::remoteMobileScreens());
}

TEST_F(BeaconTree, TheWalksCoverEveryScreen) {
  std::set<int> walked;
  for (const auto* rows :
       {&kOwnTree, &kRemoteTree, &testing::counterOwnScreens(), &testing::remoteMobileScreens()})
    for (const Walk& w : *rows) walked.insert(w.screen);
  std::set<int> expected = {85};
  for (int n = 0; n <= 76; ++n)
    if (n < 9 || n > 15) expected.insert(n);
  for (int n : {21}) expected.erase(n);
  EXPECT_EQ(walked, expected);
  // Every screen walked is a screen of the tables, and no other exists.
  std::set<int> tables;
  for (const Screen& screen : beaconPanelTables().screens) tables.insert(screen.number);
  EXPECT_EQ(tables, expected);
}

TEST_F(BeaconTree, TheWindowAsDesignedNamesTheRemoteTreeFix) {
  CellTexts designed = kOwnTree.front().cells;
  designed[5] = "FIX";
  EXPECT_EQ(cells(), designed);
  EXPECT_EQ(panel.MenuState, 0);
  keys("M");
  EXPECT_EQ(text(R3), "MOB");
}

TEST_F(BeaconTree, KeyFiveOpensTheRemoteTreeOnlyInLock) {
  // Without lock: the closed remote screen takes two digits in 2R and leads
  // nowhere; MENU waits for ENTER.
  keys("5");
  EXPECT_EQ(panel.MenuState, 85);
  keys("123");
  EXPECT_EQ(text(R2), "12");
  keys("DNM");
  EXPECT_EQ(panel.MenuState, 85);
  EXPECT_EQ(text(R2), "12");
  keys("EM");
  EXPECT_EQ(panel.MenuState, 0);
  EXPECT_EQ(text(L1), " (MAIN MENU BEACON)");

  // In lock key 5 opens the remote tree, which stays usable when the lock is lost.
  inLock(true);
  go("52");
  inLock(false);
  keys("1");
  EXPECT_EQ(panel.MenuState, 42);
  keys("D");
  EXPECT_EQ(panel.MenuState, 51);
  // Going back above MODIFY MOB asks the lock again.
  keys("D");
  EXPECT_EQ(panel.MenuState, 85);
  EXPECT_EQ(cells(), kRemoteClosed);
  inLock(true);
  go("53");
  keys("D");
  EXPECT_EQ(panel.MenuState, 37);
}

// A screen reached by its keys, and the screen DEL returns to, drawn afresh.
TEST_F(BeaconTree, DelReturnsToTheParentScreen) {
  inLock(true);
  const std::vector<Parent> rows = {
      {"1", 0},      {"1N", 0},     {"1NN", 0},   {"2", 0},     {"21", 4},    {"211", 5},
      {"212", 5},    {"213", 5},    {"23", 4},    {"24", 4},    {"24N", 17},  {"24N1", 18},
      {"24N2", 18},  {"25", 4},     {"251", 22},  {"252", 22},  {"253", 22},  {"254", 22},
      {"255", 22},   {"26", 4},     {"3", 0},     {"31", 29},   {"33N", 29},  {"35", 29},
      {"4", 0},      {"4N", 35},    {"6", 0},     {"6N", 0},    {"6NN", 0},   {"6NNN", 0},
      {"6NNNN", 0},  {"5", 0},      {"51", 37},   {"51N", 37},  {"51NN", 37}, {"51NNN", 37},
      {"52", 37},    {"521", 51},   {"5211", 42}, {"5212", 42}, {"5213", 42}, {"522", 51},
      {"5221", 46},  {"5222", 46},  {"5223", 46}, {"523", 51},  {"524", 51},  {"524N", 52},
      {"524N1", 53}, {"524N2", 53}, {"525", 51},  {"5251", 56}, {"5255", 56}, {"526", 51},
      {"53", 37},    {"531", 63},   {"534N", 63}, {"535N", 37}, {"54", 37},   {"54N", 69},
      {"56", 37},
  };
  expectDelReturnsToParent(rows);
  // Nothing lies above the main menu and the closed remote screen.
  inLock(false);
  for (const char* path : {"", "5"}) {
    go(path);
    CellTexts before = cells();
    keys("D");
    EXPECT_EQ(cells(), before);
  }
}

// Each menu with the digits it lists; any other digit leaves the screen as it is.
TEST_F(BeaconTree, DigitsAScreenDoesNotListDoNothing) {
  inLock(true);
  const std::vector<Menu> menus = {
      {"", "123456"}, {"2", "13456"},   {"21", "123"},    {"24N", "12"},  {"25", "12345"},
      {"3", "12345"}, {"5", "12346"},   {"52", "123456"}, {"521", "123"}, {"522", "123"},
      {"524N", "12"}, {"525", "12345"}, {"53", "12345"},  {"1NN", ""},    {"51NN", ""},
      {"4N", ""},     {"6", ""},        {"6NNNN", ""},    {"31", ""},     {"54N", ""},
  };
  expectUnlistedDigitsDoNothing(menus);
}

TEST_F(BeaconTree, UnitConfiguredAsBeaconCannotBeChanged) {
  go("6");
  const CellTexts shown = cells();
  const std::int32_t role = s.UnitRoleCycle;
  keys("0123456789E");
  EXPECT_EQ(panel.MenuState, 72);
  EXPECT_EQ(cells(), shown);
  EXPECT_EQ(s.UnitRoleCycle, role);
  // NEXT runs through to the end of the configuration, which MENU leaves.
  keys("NNNNN");
  EXPECT_EQ(panel.MenuState, 76);
  keys("M");
  EXPECT_EQ(panel.MenuState, 0);
  EXPECT_EQ(text(L1), " (MAIN MENU BEACON)");
}

TEST_F(BeaconTree, NextStepsTheFieldOnlyOnTheBeaconsOwnPages) {
  inLock(true);
  const std::vector<Fields> rows = {
      {"213", {0, 1, 2, 0}}, {"24N1", {0, 1, 2, 0}},  {"23", {0, 1, 0}},        {"252", {0, 1, 0}},
      {"253", {0, 1, 0}},    {"25", {0, 1, 2, 3, 0}}, {"251", {0, 1, 2, 3, 0}}, {"5213", {0, 0}},
      {"524N1", {0, 0}},     {"5251", {0, 0}},        {"5252", {0, 0}},         {"5253", {0, 0}},
      {"523", {0, 0}},       {"525", {0, 0}},
  };
  expectNextSteps(rows);
}

TEST_F(BeaconTree, CommSetUpChoosesTheFieldItsNextPageStartsOn) {
  // NEXT, NEXT, then HOST CONNECTION: the bits field blinks, the receive rate
  // before it is held black.
  go("25NN1");
  EXPECT_EQ(panel.MenuState, 23);
  EXPECT_EQ(panel.EditField, 2);
  panel.Timer4Timer();
  EXPECT_EQ(panel.cell(L4).FontColor, clWhite);
  EXPECT_EQ(panel.cell(R3).FontColor, clBlack);
  EXPECT_EQ(panel.cell(R2).FontColor, clBlack);
  // The bits field steps its list.
  s.HostBitsCycle = 1;
  keys("0");
  EXPECT_EQ(text(L4), "BITS : 8 - E");
  EXPECT_EQ(panel.cell(L4).FontColor, clBlack);
  // CONTROL BYTE has one field and starts on it whatever COMM SET-UP chose.
  go("25NNN5");
  EXPECT_EQ(panel.MenuState, 27);
  EXPECT_EQ(panel.EditField, 0);
  keys("12");
  EXPECT_EQ(text(L2), std::string(15, ' ') + "12");
}

TEST_F(BeaconTree, FreqAdjustKeysTheOffsetAndTheFrequency) {
  s.CounterMk3FreqOffset = text::PlusOffset;
  s.CounterFreq = "9300";
  go("213");
  keys("5");
  EXPECT_EQ(text(R2), text::MinusOffset);
  keys("5");
  EXPECT_EQ(text(R2), text::PlusOffset);
  // Field 1: the first digit replaces the frequency; a 9, then 2 or 3, then two.
  keys("N8");
  EXPECT_EQ(text(R3), "9300");
  keys("91");
  EXPECT_EQ(text(R3), "9");
  keys("2");
  EXPECT_EQ(text(R3), "92");
  keys("3045");
  EXPECT_EQ(text(R3), "9230");
  // Field 2: the digits do nothing and nothing blinks.
  keys("N");
  const CellTexts shown = cells();
  keys("1234");
  EXPECT_EQ(cells(), shown);
  for (int tick = 0; tick < 3; ++tick) {
    panel.Timer4Timer();
    for (const DisplayCell& c : panel.Cells) EXPECT_EQ(c.FontColor, clBlack);
  }
}

TEST_F(BeaconTree, MenuWaitsForEnterAfterTyping) {
  go("212");
  keys("7");
  EXPECT_EQ(text(R3), "7");
  keys("M");
  EXPECT_EQ(panel.MenuState, 7);
  keys("E");
  // WAKE-UP returns to the main menu by DEL, which waits for ENTER too.
  go("4");
  keys("12D");
  EXPECT_EQ(panel.MenuState, 35);
  EXPECT_EQ(text(L3), "12");
  keys("ED");
  EXPECT_EQ(panel.MenuState, 0);
  // Digits left on TIME / DATE hold the menu after DEL has left the page too.
  go("23");
  keys("12");
  keys("DM");
  EXPECT_EQ(panel.MenuState, 4);  // MODIFY BEACON
  keys("EM");
  EXPECT_EQ(panel.MenuState, 0);
}

// Which routine the digit keys run on each page: the cell a key sequence writes.
TEST_F(BeaconTree, EveryPageTypesIntoItsOwnCells) {
  struct Row {
    const char* path;  // from the main menu, NEXT included
    const char* digits;
    Cell cell;
    std::string shown;
  };
  inLock(true);
  s.FrequencyPairNo = 1;
  s.OperatingModeCycle = 1;
  s.GainToggle = 0;
  s.PowerToggle = 0;
  s.RangeToggle = 1;
  s.RemoteModifyToggle = 1;
  s.HostSendBaudCycle = 3;
  s.OutTelegramCycle = 0;
  s.InTelegramCycle = 1;
  s.AlarmSoundCycle = 1;
  s.SimulationOutputCycle = 0;
  s.UnitRoleCycle = 0;
  const std::vector<Row> rows = {
      {"211", "4", L3, "      2: 9230 - 9200"},
      {"6N", "4", L3, "      3: 9270 - 9300"},
      {"5211", "4", L3, "      0: 9200 - 9230"},
      {"212", "24", R3, "24"},
      {"5212", "315", R3, "31"},
      {"23", "123045", R2, "12:30:45"},
      {"23N", "981228", R4, "98/12/28"},
      {"523", "0930", R2, "09:30"},
      {"24", "0", L2, "        AUTOSEARCH"},
      {"524", "0", L2, "        STAND BY"},
      {"24N1", "1", L2, "           MANUAL"},
      {"24N1N", "1", R3, "        REDUCED"},
      {"24N1NN", "1", R4, "        LONG"},
      {"24N2", "1", R2, "ENABLED"},
      {"524N2", "1", R2, "DISABLED"},
      {"251", "1", R2, "9600"},
      {"5251", "1", R2, "1200"},
      {"253", "1", R3, "KA-BCD(.001)  "},
      {"253N", "1", R4, "NMEA   "},
      {"254", "1", R1, "OFF"},
      {"25N4", "1", R4, "ON"},
      {"26", "78", R3, "7    "},
      {"526", "3", R3, "3    "},
      {"4", "1234567", L3, "12:34:56"},
      {"54", "08", L3, "08"},
      {"5221", "12345", L3, std::string(11, ' ') + "123.4"},
      {"5222", "1234", R3, "123"},
      {"5223", "3456", R4, "345.6"},
      {"56", "1", L2, "       AS  MK3M"},
      {"6NN", "123", R3, "12"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(::testing::Message() << "\"" << r.path << "\" digits " << r.digits);
    go(r.path);
    keys(r.digits);
    EXPECT_EQ(text(r.cell), r.shown);
    panel.KeyCount = 0;  // leaves the page as an ENTER elsewhere would, storing nothing
    panel.enterScreen(0);
  }
  // The scan limits' second field.
  go("5222N");
  EXPECT_EQ(panel.EditField, 0);  // the Mobile's pages move the field by ENTER only
  panel.EditField = 1;
  keys("2");
  EXPECT_EQ(text(R4), "2");
}

// Keys 8 and 9 of OPERATE page 2 switch the transmitter of the page's station,
// only in MANUAL gain.
TEST_F(BeaconTree, QuickKeysSwitchTheTransmitterInManualGain) {
  struct Side {
    const char* path;
    std::string SimulationState::*gain;
    std::string SimulationState::*power;
    std::string SimulationState::*range;
    std::string SimulationState::*line2;
    std::string SimulationState::*otherLine2;
  };
  inLock(true);
  for (const Side& side : {Side{"1N", &S::CounterGainMode, &S::CounterXmitPower,
                                &S::CounterXmitRange, &S::BeaconStatusLine2, &S::MobileStatusLine2},
                           Side{"51N", &S::MobileGainMode, &S::MobileXmitPower, &S::MobileXmitRange,
                                &S::MobileStatusLine2, &S::BeaconStatusLine2}}) {
    SCOPED_TRACE(side.path);
    go(side.path);
    const std::string shown = text(L4);
    keys("8989");  // AUTOMATIC at the start: nothing changes
    EXPECT_EQ(s.*side.power, text::Normal);
    EXPECT_EQ(s.*side.range, text::Long);
    EXPECT_EQ(text(L4), shown);

    s.*side.gain = text::Manual;
    keys("9");
    EXPECT_EQ(s.*side.range, text::Short);
    EXPECT_EQ(s.*side.line2, "   -2  8>N    9>S");
    EXPECT_EQ(text(L4), s.*side.line2);
    keys("8");
    EXPECT_EQ(s.*side.power, text::Reduced);
    EXPECT_EQ(s.*side.line2, "   -2  8>R    9>S");
    keys("89");
    EXPECT_EQ(s.*side.line2, "   -2  8>N    9>L");
    EXPECT_EQ(s.*side.otherLine2, "   -2  8>N    9>L");
    EXPECT_EQ(panel.MenuState, side.path[0] == '1' ? 2 : 39);
    s.*side.gain = text::Automatic;
  }
  // On the other OPERATE pages the keys do nothing.
  s.CounterGainMode = text::Manual;
  for (const char* path : {"1", "1NN"}) {
    go(path);
    keys("89");
    EXPECT_EQ(s.CounterXmitPower, text::Normal);
    EXPECT_EQ(s.CounterXmitRange, text::Long);
  }
}

// Whatever the trainee presses, in lock or not, the panel stays on a screen of
// its tables with a field its pages know.
TEST_F(BeaconTree, NoKeySequenceLeavesTheTree) {
  std::set<int> screens;
  for (const Screen& screen : beaconPanelTables().screens) screens.insert(screen.number);
  const std::string keySet = "0123456789DNME";
  std::mt19937 gen(11);
  std::uniform_int_distribution<std::size_t> pick(0, keySet.size() - 1);
  std::set<int> visited;
  for (int press = 0; press < 20000; ++press) {
    if (press % 97 == 0) inLock(press % 2 == 0);
    keys(std::string(1, keySet[pick(gen)]));
    ASSERT_EQ(screens.count(panel.MenuState), 1u) << "after press " << press;
    ASSERT_GE(panel.EditField, 0);
    ASSERT_LE(panel.EditField, 3);
    visited.insert(panel.MenuState);
  }
  // The walk went deep into both trees.
  EXPECT_GT(visited.size(), 50u) << visited.size();
}

}  // namespace
}  // namespace kestrom
