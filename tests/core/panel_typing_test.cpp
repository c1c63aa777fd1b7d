#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panels/fix/fix_panel.h"
#include "testing/fakes.h"

namespace kestrom {
namespace {

using enum Cell;

class FixTyping : public ::testing::Test {
 protected:
  testing::Rig rig;
  Tfix& fix = rig.sim.fixPanel();
  SimulationState& state = rig.state();

  // Puts the panel on a screen as its menu keys would, without drawing it.
  void onScreen(int screen, int field = 0) {
    fix.MenuState = screen;
    fix.EditField = field;
    fix.KeyCount = 0;
  }
  void type(const std::string& digits) {
    for (char d : digits) fix.DigitKey(d);
  }
  const std::string& text(Cell c) { return fix.cell(c).Caption; }
  void paintAll(Color colour) {
    for (DisplayCell& c : fix.Cells) c.FontColor = colour;
  }
};

TEST_F(FixTyping, TimeAndDateFallIntoPlaceAndStopAtEightCharacters) {
  onScreen(16);
  fix.cell(R2).Caption = "08:15:00";
  type("1230457");
  EXPECT_EQ(text(R2), "12:30:45");
  EXPECT_EQ(fix.KeyCount, 8);

  fix.EnterKey();
  fix.EditField = 1;
  type("990102");
  EXPECT_EQ(text(R4), "99/01/02");
  EXPECT_EQ(text(R2), "12:30:45");

  // A field the screen does not have takes nothing.
  fix.EnterKey();
  fix.EditField = 2;
  type("5");
  EXPECT_EQ(fix.KeyCount, 0);
  EXPECT_EQ(text(R2), "12:30:45");
  EXPECT_EQ(text(R4), "99/01/02");
}

TEST_F(FixTyping, StartTextsAndSeparatorsOfTheNumberFields) {
  onScreen(47);
  fix.cell(L3).Caption = "           0.0";
  type("12345");
  EXPECT_EQ(text(L3), std::string(11, ' ') + "123.4");
  EXPECT_EQ(fix.KeyCount, 5);

  onScreen(14);
  type("1234567");
  EXPECT_EQ(text(L3), std::string(13, ' ') + "123,456");

  onScreen(78);
  type("17999");
  EXPECT_EQ(text(L3), std::string(10, ' ') + "179.99");

  onScreen(27);
  type("1234");
  EXPECT_EQ(text(L2), std::string(15, ' ') + "123");

  onScreen(13);
  type("2429");
  EXPECT_EQ(text(R4), "242.9");

  onScreen(7, 3);  // the address code takes digits whatever the field
  fix.cell(R3).Caption = "24";
  type("715");
  EXPECT_EQ(text(R3), "71");
}

TEST_F(FixTyping, FilterGetsItsPercentSignOnlyWhenComplete) {
  onScreen(21, 0);
  type("4");
  EXPECT_EQ(text(R2), "4");
  type("5");
  EXPECT_EQ(text(R2), "45 %");
  type("6");
  EXPECT_EQ(text(R2), "45 %");

  fix.EnterKey();
  fix.EditField = 1;
  type("56");
  EXPECT_EQ(text(R3), "5 %");
}

TEST_F(FixTyping, VolumeTakesOneDigitAndRefusesMenuUntilEnter) {
  onScreen(28);
  fix.cell(R3).Caption = "9    ";
  type("37");
  EXPECT_EQ(text(R3), "3    ");
  EXPECT_EQ(fix.KeyCount, 1);

  fix.MenuKey();
  EXPECT_EQ(fix.MenuState, 28);
  fix.EnterKey();
  fix.MenuKey();
  EXPECT_EQ(fix.MenuState, 0);
  EXPECT_EQ(text(L1), "     (MAIN MENU FIX)");
}

TEST_F(FixTyping, TypingStopsTheBlinkAndShowsTheFieldBlack) {
  onScreen(12, 1);
  fix.Timer4.start();
  paintAll(clWhite);
  type("1");
  EXPECT_FALSE(fix.Timer4.Enabled());
  EXPECT_EQ(fix.cell(R4).FontColor, clBlack);
  EXPECT_EQ(fix.cell(R3).FontColor, clWhite);

  // A typing screen stops the blink even on a field it does not type into.
  onScreen(12, 2);
  fix.Timer4.start();
  type("1");
  EXPECT_FALSE(fix.Timer4.Enabled());
  EXPECT_EQ(fix.cell(R3).FontColor, clWhite);
}

TEST_F(FixTyping, Mk3OffsetSwitchesAndFrequencyTakesOnlyValidDigits) {
  onScreen(8, 0);
  fix.cell(R2).Caption = "+ 30 MHZ";
  type("5");
  EXPECT_EQ(text(R2), "- 30 MHZ");
  type("5");
  EXPECT_EQ(text(R2), "+ 30 MHZ");
  fix.cell(R2).Caption = "";
  type("1");
  EXPECT_EQ(text(R2), "+ 30 MHZ");
  EXPECT_EQ(fix.KeyCount, 0);

  onScreen(45, 1);
  fix.cell(R3).Caption = "9300";
  type("8");  // the first digit must be 9
  EXPECT_EQ(text(R3), "9300");
  type("9");
  type("4");  // the second must be 2 or 3
  type("3");
  type("71");
  EXPECT_EQ(text(R3), "9371");
}

TEST_F(FixTyping, OperatingModeCyclesFromTheSharedCode) {
  onScreen(17);
  state.OperatingModeCycle = 1;
  fix.Timer4.start();
  paintAll(clWhite);
  std::vector<std::string> shown;
  for (int i = 0; i < 4; ++i) {
    fix.DigitKey('0');
    shown.push_back(text(L2));
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"        AUTOSEARCH", "        STAND BY",
                                             "        CLOSED LOOP", "        OPEN LOOP"}));
  EXPECT_EQ(state.OperatingModeCycle, 0);
  fix.DigitKey('9');
  EXPECT_EQ(text(L2), "        HANDSEARCH");
  // The mode list neither stops the blink nor touches colours, nor counts keys.
  EXPECT_TRUE(fix.Timer4.Enabled());
  EXPECT_EQ(fix.cell(L2).FontColor, clWhite);
  EXPECT_EQ(fix.KeyCount, 0);
}

TEST_F(FixTyping, FrequencyPairCodeEqualsThePairShown) {
  onScreen(73);
  state.FrequencyPairNo = 3;
  fix.Timer4.start();
  type("1");
  EXPECT_EQ(text(L3), "      0: 9200 - 9230");
  EXPECT_EQ(state.FrequencyPairNo, 0);
  type("1");
  EXPECT_EQ(text(L3), "      1: 9300 - 9270");
  EXPECT_EQ(state.FrequencyPairNo, 1);
  EXPECT_TRUE(fix.Timer4.Enabled());
}

TEST_F(FixTyping, CodeOutsideItsListChangesNothing) {
  onScreen(26, 1);
  state.SimulationOutputCycle = 1;
  fix.cell(R4).Caption = "OFF";
  fix.Timer4.start();
  paintAll(clWhite);
  type("3");
  EXPECT_EQ(text(R4), "OFF");
  EXPECT_EQ(state.SimulationOutputCycle, 1);
  EXPECT_TRUE(fix.Timer4.Enabled());
  EXPECT_EQ(fix.cell(R4).FontColor, clWhite);

  state.SimulationOutputCycle = 0;
  type("3");
  EXPECT_EQ(text(R4), "ON");
  EXPECT_EQ(state.SimulationOutputCycle, 2);
  type("3");
  EXPECT_EQ(text(R4), "OFF");
  EXPECT_EQ(state.SimulationOutputCycle, 0);
}

TEST_F(FixTyping, OptionStepBlackensItsFieldAndTheFieldBefore) {
  onScreen(23, 0);
  state.HostSendBaudCycle = 2;
  fix.Timer4.start();
  paintAll(clWhite);
  type("1");
  EXPECT_EQ(text(R2), "4800");
  EXPECT_EQ(state.HostSendBaudCycle, 3);
  EXPECT_FALSE(fix.Timer4.Enabled());
  EXPECT_EQ(fix.cell(R2).FontColor, clBlack);
  EXPECT_EQ(fix.cell(R4).FontColor, clBlack);  // field 0 follows the last field
  EXPECT_EQ(fix.cell(R3).FontColor, clWhite);
  EXPECT_EQ(fix.cell(L4).FontColor, clWhite);

  paintAll(clWhite);
  fix.EditField = 2;
  state.HostBitsCycle = 2;
  type("1");
  EXPECT_EQ(text(L4), "BITS : 8 - 0");
  EXPECT_EQ(fix.cell(L4).FontColor, clBlack);
  EXPECT_EQ(fix.cell(R3).FontColor, clBlack);
  EXPECT_EQ(fix.cell(R2).FontColor, clWhite);

  // Remote modify stops the blink but keeps the colours.
  onScreen(55, 2);
  fix.Timer4.start();
  paintAll(clWhite);
  state.RemoteModifyToggle = 0;
  type("1");
  EXPECT_EQ(text(R2), "DISABLED");
  EXPECT_FALSE(fix.Timer4.Enabled());
  EXPECT_EQ(fix.cell(R2).FontColor, clWhite);
}

TEST_F(FixTyping, OutputTelegramTextsArePaddedForTheirCell) {
  onScreen(59, 0);
  state.OutTelegramCycle = 0;
  std::vector<std::string> shown;
  for (int i = 0; i < 6; ++i) {
    type("2");
    shown.push_back(text(R3));
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"KA-BCD(.001)  ", "KA-BCD(.01)   ", "KA-BCD(ADB)   ",
                                             "ASCII 16         ", "ASCII 17         ",
                                             "ASCII 22         "}));
  EXPECT_EQ(state.OutTelegramCycle, 0);
}

}  // namespace
}  // namespace kestrom
