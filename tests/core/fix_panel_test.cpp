// The Fix panel's F/A SELECT branch, walked by its keys.

#include <gtest/gtest.h>

#include <string>

#include "panels/fix/fix_panel.h"
#include "testing/fakes.h"
#include "testing/press_keys.h"

namespace kestrom {
namespace {

using enum Cell;

class FixPanel : public ::testing::Test {
 protected:
  testing::Rig rig;
  Tfix& panel = rig.sim.fixPanel();
  SimulationState& s = rig.state();
  void keys(const std::string& k) { testing::pressKeys(panel, k); }
  const std::string& text(Cell c) { return panel.cell(c).Caption; }
};

TEST_F(FixPanel, FaSelectBranchWalksAndReturnsByDel) {
  keys("M21");
  ASSERT_EQ(panel.MenuState, 5);
  EXPECT_EQ(text(L1), "   (F/A  SELECT)");
  EXPECT_EQ(text(R1), "FIX");
  keys("1");
  EXPECT_EQ(panel.MenuState, 6);
  EXPECT_EQ(text(L2), "         MOB   FIX");
  EXPECT_EQ(text(L3), s.CounterFreqPairText);
  EXPECT_EQ(text(R4), "9300");
  keys("D");
  EXPECT_EQ(panel.MenuState, 5);
  keys("2");
  EXPECT_EQ(panel.MenuState, 7);
  EXPECT_EQ(panel.EditField, 1);
  EXPECT_EQ(text(L2), "RECVD FR MOB:");
  keys("D3");
  EXPECT_EQ(panel.MenuState, 8);
  EXPECT_EQ(text(L2), "MOB FREQ :");
  EXPECT_EQ(text(L3), "FIX FREQ :");
  keys("DD");
  EXPECT_EQ(panel.MenuState, 4);
  EXPECT_EQ(text(L1), "     (MODIFY FIX)");
  keys("D");
  EXPECT_EQ(panel.MenuState, 0);
  keys("0777");  // keys 0 and 7 never change the screen
  EXPECT_EQ(panel.MenuState, 0);
}

TEST_F(FixPanel, AddressCodeStoresItsMk3AddressAndStatus) {
  keys("M212");
  keys("7E");
  EXPECT_EQ(s.CounterAddrSent, "7");
  EXPECT_EQ(s.MobileAddrReceived, "7");
  EXPECT_EQ(s.CounterMk3Addr, "7    7    ");
  EXPECT_EQ(text(R4), "7    7    ");
  EXPECT_EQ(s.FixStatusLine.substr(14, 2), "07");
  keys("19E");
  EXPECT_EQ(s.CounterMk3Addr, "3    3    ");
  EXPECT_EQ(s.FixStatusLine.substr(14, 2), "19");
  EXPECT_EQ(s.FixStatusLine.size(), 25u);
}

TEST_F(FixPanel, FrequencyPairRampsTheFixFrequency) {
  keys("M211");
  keys("1E");  // pair 0: the Fix sends on 9230
  EXPECT_EQ(s.CounterFreqPairText, "      0: 9200 - 9230");
  EXPECT_EQ(s.FixStatusLine[10], '0');
  rig.advance(300);
  EXPECT_EQ(text(R4), "9290");
  rig.advance(6 * 300);
  EXPECT_EQ(text(R4), "9230");
  EXPECT_EQ(s.CounterFreq, "9230");
  EXPECT_FALSE(panel.Ramp.Timer5.Enabled());
}

TEST_F(FixPanel, FrequencyAdjustChecksTheFrequencyBeforeStoring) {
  keys("M213");
  ASSERT_EQ(panel.MenuState, 8);
  keys("1");  // field 0: the offset switches
  EXPECT_EQ(text(R2), "+ 30 MHZ");
  panel.cell(R3).Caption = "12";
  keys("E");
  ASSERT_EQ(rig.dialogs.shown.size(), 1u);
  EXPECT_EQ(s.CounterMk3FreqOffset, "- 30 MHZ");  // nothing stored
  panel.cell(R3).Caption = "9302";
  keys("E");
  EXPECT_EQ(s.CounterMk3FreqOffset, "+ 30 MHZ");
  EXPECT_EQ(panel.FixFreqTarget, "9302");
  EXPECT_EQ(panel.EditField, 1);
  rig.advance(600);
  EXPECT_EQ(s.CounterFreq, "9302");
  EXPECT_FALSE(panel.Ramp.Timer5.Enabled());
}

}  // namespace
}  // namespace kestrom
