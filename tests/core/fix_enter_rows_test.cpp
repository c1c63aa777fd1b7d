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

}  // namespace
}  // namespace kestrom
