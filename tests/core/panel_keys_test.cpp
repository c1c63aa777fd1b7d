#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "testing/fakes.h"
#include "testing/press_keys.h"
#include "windows/aid_display.h"

namespace kestrom {
namespace {

using enum Cell;
using S = SimulationState;

// What the ENTER step of the test tree saw.
struct EnterLog {
  int calls = 0;
  int keyCount = -1;
  bool allBlack = false;
};
EnterLog enterLog;

std::string servoStep(StationPanel&) {
  return "5";
}

void enterTimeDate(StationPanel& p) {
  ++enterLog.calls;
  enterLog.keyCount = p.KeyCount;
  enterLog.allBlack = true;
  for (const DisplayCell& c : p.Cells) enterLog.allBlack &= c.FontColor == clBlack;
  p.state().CounterClockTime = p.cell(R2).Caption;
  p.cell(R2).FontColor = clWhite;
  p.EditField = p.EditField == 0 ? 1 : 0;
}

void remoteOrBlank(StationPanel& p) {
  p.enterScreen(p.ApdStatusLight1.LitColor == clLime ? 5 : 6);
}

// A small tree with every kind of row:
//   0 main menu: 1 -> 1, 2 -> 5 or 6 by the lamp
//   1 sub menu:  1 -> 2 (time/date), 2 -> 3
//   2 time/date: two typed fields, NEXT steps the field, ENTER stores
//   3 -> NEXT -> 4 (drawn as variant 1) -> NEXT -> 3; both type into 3R
const PanelTables& testTables() {
  static const PanelTables tables = [] {
    PanelTables t;
    t.screens = {
        {0, 0, {{"MAIN", {}}, {"ONE", "FOUR"}, {"TWO", {}}, {}}},
        {1, 0, {{"SUB", "X"}, {"TIME", {}}, {"PAGES", {}}, {}}},
        {2, 0, {{"TIME", "HH:MM:SS"}, {{}, timeOfDay}, {"DATE", {}}, {{}, &S::CounterClockDate}}},
        {3,
         0,
         {{"PAGE 3", {}},
          {CellText::join("SERVO ", servoStep, " >N"), {}},
          {"LIMIT", &S::FixScanLimitLeft},
          {{}, CellText::join("", &S::ServoText, "    >N")}}},
        {4, 1, {{"PAGE 4", {}}, {}, {"LIMIT", &S::FixScanLimitRight}, {}}, 1, true},
        {5, 0, {{"REMOTE", {}}, {}, {}, {}}},
        {6, 0, {{"REMOTE", {}}, {}, {}, {}}},
    };
    t.keyIn = {
        {{2},
         {"TimeDate",
          {{0, TypedEntry{R2, "", 8, {{2, ':'}, {5, ':'}}}},
           {1, TypedEntry{R4, "", 8, {{2, '/'}, {5, '/'}}}}}}},
        {{3, 4}, {"Limit", {{kAnyField, TypedEntry{R3, "", 3}}}}},
    };
    t.menus = {
        {0, {{}, 1, remoteOrBlank}},
        {1, {{}, 2, 3}},
    };
    t.fieldCycles = {{{2}, 2}};
    t.pages = {{3, {4, 1}}, {4, 3}};
    t.del = {
        {{1, 5, 6}, DelRule::asMenu()},
        {{2, 3}, DelRule::replay(0, '1')},
        {{4}, DelRule::replay(1, '2')},
    };
    t.enter = {{{2}, {[](StationPanel& p) {
                  enterTimeDate(p);
                  return true;
                }}}};
    return t;
  }();
  return tables;
}

class TestPanel : public StationPanel {
 public:
  explicit TestPanel(Simulator& sim)
      : StationPanel(sim.context(), WindowIndex::Beacon, "test panel", 338, 442, 750, false,
                     testTables()) {
    enterScreen(0);
  }
};

class PanelKeys : public ::testing::Test {
 protected:
  void SetUp() override { enterLog = {}; }
  testing::Rig rig;
  TestPanel panel{rig.sim};

  void press(const std::string& keys) { testing::pressKeys(panel, keys); }

  const std::string& text(Cell c) { return panel.cell(c).Caption; }
  std::vector<std::string> texts() {
    std::vector<std::string> out;
    for (Cell c : {L1, R1, L2, R2, L3, R3, L4, R4}) out.push_back(text(c));
    return out;
  }
};

TEST_F(PanelKeys, EnteringAScreenWritesAllEightCells) {
  rig.clock.time = "07:08:09";
  rig.state().CounterClockDate = "98/12/28";
  rig.state().ServoText = "3";
  rig.state().FixScanLimitLeft = "120";
  press("11");
  EXPECT_EQ(panel.MenuState, 2);
  EXPECT_EQ(texts(), (std::vector<std::string>{"TIME", "HH:MM:SS", "", "07:08:09", "DATE", "", "",
                                               "98/12/28"}));
  panel.enterScreen(3);
  EXPECT_EQ(texts(), (std::vector<std::string>{"PAGE 3", "", "SERVO 5 >N", "", "LIMIT", "120", "",
                                               "3    >N"}));
  // A screen the tree does not draw is blank.
  panel.enterScreen(40);
  EXPECT_EQ(panel.MenuState, 40);
  EXPECT_EQ(texts(), std::vector<std::string>(8, ""));
}

TEST_F(PanelKeys, MenuKeysLeadToScreensOrToActions) {
  press("7");
  EXPECT_EQ(panel.MenuState, 0);
  press("2");
  EXPECT_EQ(panel.MenuState, 6);
  press("M");
  panel.ApdStatusLight1.LitColor = clLime;
  press("2");
  EXPECT_EQ(panel.MenuState, 5);
}

TEST_F(PanelKeys, DelReplaysTheKeyThatLeadsBack) {
  press("12");  // page 3
  rig.state().FixScanLimitRight = "200";
  press("N");
  EXPECT_EQ(panel.MenuState, 4);
  EXPECT_EQ(text(L1), "PAGE 4");
  panel.cell(L1).Caption = "stale";
  panel.cell(R3).FontColor = clWhite;
  press("D");  // back to 3 from 1 with key 2: drawn afresh
  EXPECT_EQ(panel.MenuState, 3);
  EXPECT_EQ(text(L1), "PAGE 3");
  for (const DisplayCell& c : panel.Cells) EXPECT_EQ(c.FontColor, clBlack);
  press("D");
  EXPECT_EQ(panel.MenuState, 1);
  EXPECT_EQ(text(L1), "SUB");
  press("D");  // as MENU does
  EXPECT_EQ(panel.MenuState, 0);
  EXPECT_EQ(text(L1), "MAIN");
  panel.cell(L2).FontColor = clWhite;
  press("D");  // nothing above the main menu
  EXPECT_EQ(panel.MenuState, 0);
  EXPECT_EQ(text(L1), "MAIN");
  EXPECT_EQ(panel.cell(L2).FontColor, clBlack);
}

TEST_F(PanelKeys, NextStepsTheFieldThenPages) {
  press("11");
  EXPECT_EQ(panel.EditField, 0);
  press("N");
  EXPECT_EQ(panel.EditField, 1);
  press("N");
  EXPECT_EQ(panel.EditField, 0);
  EXPECT_EQ(panel.MenuState, 2);

  panel.EditField = 0;
  press("D2");  // to screen 3 with the field unchanged
  press("N");
  EXPECT_EQ(panel.MenuState, 4);
  EXPECT_EQ(panel.EditField, 1);  // screen 4 puts its field on 1 and blinks
  EXPECT_TRUE(panel.Timer4.Enabled());
  press("N");
  EXPECT_EQ(panel.MenuState, 3);
  press("DDD");
  press("N");  // no page, no field on the main menu
  EXPECT_EQ(panel.MenuState, 0);
}

TEST_F(PanelKeys, TypedCharactersCountOnOtherScreensUntilEnter) {
  rig.state().FixScanLimitLeft = "10";
  rig.state().FixScanLimitRight = "20";
  press("12");
  press("34");
  EXPECT_EQ(text(R3), "34");
  press("N");  // page 4 is drawn from the record, the count goes on
  EXPECT_EQ(text(R3), "20");
  EXPECT_EQ(panel.KeyCount, 2);
  press("56");  // appended to the old text, and the third character is the last
  EXPECT_EQ(text(R3), "205");
  EXPECT_EQ(panel.KeyCount, 3);
  press("D");  // back to 3: the field is full before anything is typed
  press("7");
  EXPECT_EQ(text(R3), "10");
  press("D");  // up to the sub menu, where MENU still waits for ENTER
  press("M");
  EXPECT_EQ(panel.MenuState, 1);
  press("E");
  EXPECT_EQ(panel.KeyCount, 0);
  press("M");
  EXPECT_EQ(panel.MenuState, 0);

  // After ENTER the first digit replaces the text again.
  press("12");
  press("7");
  EXPECT_EQ(text(R3), "7");
}

TEST_F(PanelKeys, NextFieldGoesOnWithTheCountAndBothWaitForEnter) {
  rig.state().CounterClockDate = "98/12/28";
  press("11");
  press("1230");
  EXPECT_EQ(panel.KeyCount, 5);
  press("N");
  press("M");  // the time typed on field 0 still waits for ENTER
  EXPECT_EQ(panel.MenuState, 2);
  // The count stands at a separator of the date, so the date is not cleared.
  press("990");
  EXPECT_EQ(text(R2), "12:30");
  EXPECT_EQ(text(R4), "98/12/28/99");
  EXPECT_EQ(panel.KeyCount, 8);
  press("M");
  EXPECT_EQ(panel.MenuState, 2);
  press("E");
  press("M");
  EXPECT_EQ(panel.MenuState, 0);
}

TEST_F(PanelKeys, EnterRunsTheScreenStepBetweenTwoBlackenings) {
  press("11");
  press("0915");
  for (DisplayCell& c : panel.Cells) c.FontColor = clWhite;
  press("E");
  EXPECT_EQ(enterLog.calls, 1);
  EXPECT_EQ(enterLog.keyCount, 0);
  EXPECT_TRUE(enterLog.allBlack);
  EXPECT_EQ(rig.state().CounterClockTime, "09:15");
  EXPECT_EQ(panel.cell(R2).FontColor, clBlack);
  EXPECT_EQ(panel.EditField, 1);
  EXPECT_TRUE(panel.Timer4.Enabled());

  press("M2E");  // a screen without an ENTER step
  EXPECT_EQ(enterLog.calls, 1);
}

TEST_F(PanelKeys, OnOffClosesThePanelAndTalkDoesNothing) {
  panel.Show();
  press("1");
  panel.press(PanelKey::Talk);
  EXPECT_TRUE(panel.Visible());
  EXPECT_EQ(panel.MenuState, 1);
  panel.press(PanelKey::OnOff);
  EXPECT_FALSE(panel.Visible());
}

TEST(StationPanels, FixAndMobileStartOnTheirMainMenus) {
  testing::Rig rig;
  Tfix& fix = rig.sim.fixPanel();
  EXPECT_EQ(fix.Caption(), "Kestrom Fix Basic Operating Panel (BOP)");
  EXPECT_EQ(fix.Width, 338);
  EXPECT_EQ(fix.Height, 442);
  EXPECT_EQ(fix.MenuState, 0);
  const std::vector<std::pair<Cell, std::string>> fixTexts = {{L1, "     (MAIN MENU FIX)"},
                                                              {R1, ""},
                                                              {L2, "OPERATE"},
                                                              {R2, "WAKE-UP"},
                                                              {L3, "MODIFY"},
                                                              {R3, "MOBILE"},
                                                              {L4, "MONITOR"},
                                                              {R4, "CONFIG"}};
  for (const auto& [c, t] : fixTexts) EXPECT_EQ(fix.cell(c).Caption, t) << cellName(c);

  Tmobile& mobile = rig.sim.mobilePanel();
  EXPECT_EQ(mobile.Caption(), "Kestrom Mobile Extended Operating Panel (EOP)");
  EXPECT_EQ(mobile.Width, 630);
  EXPECT_EQ(mobile.Height, 438);
  EXPECT_EQ(mobile.MenuState, 0);
  const std::vector<std::pair<Cell, std::string>> mobileTexts = {{L1, "     (MAIN MENU MOB)"},
                                                                 {R1, ""},
                                                                 {L2, "OPERATE"},
                                                                 {R2, "WAKE-UP"},
                                                                 {L3, "MODIFY"},
                                                                 {R3, "FIX"},
                                                                 {L4, "MONITOR"},
                                                                 {R4, "CONFIG"}};
  for (const auto& [c, t] : mobileTexts) EXPECT_EQ(mobile.cell(c).Caption, t) << cellName(c);

  fix.EditField = 2;
  fix.AidRepaintDone = 0;
  fix.Show();
  EXPECT_EQ(fix.EditField, 0);
  EXPECT_EQ(fix.AidRepaintDone, 1);
}

// A tap (an assistive tool's press) of a slew key turns the antenna one slew step
// at once and leaves it still; a tap of any other key is its click.
TEST(StationPanels, ATappedSlewKeyTurnsTheAntennaOneStep) {
  testing::Rig rig;
  Tmobile& mobile = rig.sim.mobilePanel();
  S& s = rig.state();
  s.AntennaDirection = 100;
  mobile.Show();
  mobile.tap(PanelKey::Right);
  EXPECT_NEAR(s.AntennaDirection, 100.4, 1e-9);
  mobile.tap(PanelKey::Left);
  mobile.tap(PanelKey::Left);
  EXPECT_NEAR(s.AntennaDirection, 99.6, 1e-9);
  EXPECT_FALSE(mobile.Tracking.Timer1.Enabled());
  EXPECT_EQ(mobile.Tracking.SlewDirection, Slew::Stopped);
  rig.advance(1000);
  EXPECT_NEAR(s.AntennaDirection, 99.6, 1e-9);

  Tfix& fix = rig.sim.fixPanel();
  s.FixAzimuth = 100;
  fix.tap(PanelKey::Right);
  EXPECT_NEAR(s.FixAzimuth, 100.4, 1e-9);
  fix.tap(PanelKey::Left);
  EXPECT_NEAR(s.FixAzimuth, 100.0, 1e-9);
  EXPECT_EQ(fix.FixSlewCommand, Slew::Stopped);
  EXPECT_FALSE(rig.sim.aidDisplay().Timer1.Enabled());
  rig.advance(1000);
  EXPECT_NEAR(s.FixAzimuth, 100.0, 1e-9);

  mobile.tap(PanelKey::D5);
  EXPECT_EQ(mobile.MenuState, 36);
  mobile.tap(PanelKey::Menu);
  EXPECT_EQ(mobile.MenuState, 0);
}

}  // namespace
}  // namespace kestrom
