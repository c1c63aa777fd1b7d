// Where ENTER leaves the edited field on each page of the Fix's trees.

#include <gtest/gtest.h>

#include "panels/fix/fix_panel.h"
#include "support/tree_test.h"

namespace kestrom {
namespace {

class FixEnterRows : public testing::PanelTreeTest<Tfix, &Simulator::fixPanel> {
 protected:
  void SetUp() override {
    PanelTreeTest::SetUp();
    panel.ApdStatusLight1.LitColor = clLime;  // the remote tree open
  }
};

// A page ENTER takes back to its first field (whatever field it was on), one that
// toggles between two, and one that walks four.
enum class After { First, Toggle, NextOfFour };

TEST_F(FixEnterRows, EachPageLeavesTheFieldItShould) {
  struct Row {
    int screen;
    const char* keys;
    After after;
  };
  using enum After;
  // clang-format off
  const Row rows[] = {
      {6, "211", First}, {43, "5211", First}, {74, "6NN", First}, {8, "213", Toggle},
      {45, "5213", Toggle}, {10, "221", First}, {14, "221E", First}, {78, "6NNNNNN", First},
      {11, "222", First}, {15, "222E", First}, {12, "223", Toggle}, {48, "5223", Toggle}, {13, "224", First},
      {49, "5224", First}, {16, "23", Toggle}, {79, "6NNNNNNN", Toggle}, {50, "523", Toggle},
      {52, "524", First}, {19, "24N1", First}, {54, "524N1", First}, {20, "24N2", First},
      {55, "524N2", First}, {21, "24N3", Toggle}, {23, "251", NextOfFour},
      {57, "5251", NextOfFour}, {24, "252", NextOfFour}, {58, "5252", NextOfFour},
      {25, "253", Toggle}, {59, "5253", Toggle}, {26, "254", Toggle}, {60, "5254", Toggle},
      {27, "255", First}, {61, "5255", First}, {28, "26", First}, {62, "526", First},
      {35, "4", First}, {69, "54", First}, {72, "6", First}, {71, "56", First},
  };
  // clang-format on
  for (const Row& r : rows) {
    for (int from : {0, 1}) {
      SCOPED_TRACE(::testing::Message() << "screen " << r.screen << " from field " << from);
      go(r.keys);
      ASSERT_EQ(panel.MenuState, r.screen);
      panel.EditField = from;
      keys("E");
      rig.dialogs.shown.clear();
      const int expected = r.after == First ? 0 : r.after == Toggle ? 1 - from : from + 1;
      EXPECT_EQ(panel.EditField, expected);
    }
  }
}

// The pages of the Fix's own tree store into the Fix's fields, their twins in the
// remote Mobile's tree into the Mobile's, and neither touches the other station.
TEST_F(FixEnterRows, EachPageStoresIntoItsOwnStation) {
  using S = SimulationState;
  using Field = std::string S::*;
  struct Row {
    std::vector<int> own;
    int remote;
    std::vector<std::pair<Cell, const char*>> cells;
    std::vector<std::pair<Field, Field>> fields;  // the Fix's and the Mobile's
  };
  using enum Cell;
  // clang-format off
  const Row rows[] = {
      {{16, 79}, 50, {{R2, "01:02:03"}, {R4, "99/01/02"}},
       {{&S::CounterClockTime, &S::MobileClockTime}, {&S::CounterClockDate, &S::MobileClockDate}}},
      {{20}, 55, {{R2, "remote"}}, {{&S::CounterRemoteModify, &S::MobileRemoteModify}}},
      {{23}, 57, {{R2, "a"}, {R3, "b"}, {L4, "c"}, {R4, "d"}},
       {{&S::CounterHostSendBaud, &S::MobileHostSendBaud}, {&S::CounterHostRecvBaud, &S::MobileHostRecvBaud},
        {&S::CounterHostBits, &S::MobileHostBits}, {&S::CounterHostStop, &S::MobileHostStop}}},
      {{24}, 58, {{R2, "a"}, {R3, "b"}, {L4, "c"}, {R4, "d"}},
       {{&S::CounterPerSendBaud, &S::MobilePerSendBaud}, {&S::CounterPerRecvBaud, &S::MobilePerRecvBaud},
        {&S::CounterPerBits, &S::MobilePerBits}, {&S::CounterPerStop, &S::MobilePerStop}}},
      {{25}, 59, {{R3, "out"}, {R4, "in"}},
       {{&S::CounterOutTelegram, &S::MobileOutTelegram}, {&S::CounterInTelegram, &S::MobileInTelegram}}},
      {{26}, 60, {{R1, "sound"}, {R4, "simulation"}},
       {{&S::CounterAlarmSound, &S::MobileAlarmSound},
        {&S::CounterSimulationOutput, &S::MobileSimulationOutput}}},
      {{27}, 61, {{L2, "byte"}}, {{&S::CounterControlByte, &S::MobileControlByte}}},
      {{28}, 62, {{R3, "volume"}}, {{&S::CounterAudioVolume, &S::MobileAudioVolume}}},
      {{35}, 69, {{L3, "day"}}, {{&S::CounterClockDay, &S::MobileClockDay}}},
      {{72}, 71, {{L2, "role"}}, {{&S::CounterUnitRole, &S::MobileUnitRole}}},
      {{12}, 48, {{R3, "10"}, {R4, "20"}},
       {{&S::FixScanLimitLeft, &S::MobileScanLimitLeft}, {&S::FixScanLimitRight, &S::MobileScanLimitRight}}},
      {{17, 80}, 52, {{L2, text::HandSearch}},
       {{&S::CounterOperatingMode, &S::MobileOperatingMode}}},
      {{6, 73}, 43, {{L3, "      1: 9300 - 9270"}},
       {{&S::CounterFreqPairText, &S::MobileFreqPairText}}},
  };
  // clang-format on
  for (const Row& r : rows) {
    std::vector<int> screens = r.own;
    screens.push_back(r.remote);
    for (int screen : screens) {
      SCOPED_TRACE(::testing::Message() << "screen " << screen);
      const bool remote = screen == r.remote;
      for (const auto& [fix, mobile] : r.fields) {
        s.*fix = "fix before";
        s.*mobile = "mobile before";
      }
      panel.MenuState = screen;
      for (const auto& [cell, text] : r.cells) panel.cell(cell).Caption = text;
      keys("E");
      for (std::size_t i = 0; i < r.fields.size(); ++i) {
        const auto& [fix, mobile] = r.fields[i];
        EXPECT_EQ(s.*(remote ? mobile : fix), r.cells[i].second);
        EXPECT_EQ(s.*(remote ? fix : mobile), remote ? "fix before" : "mobile before");
      }
    }
  }
}

}  // namespace
}  // namespace kestrom
