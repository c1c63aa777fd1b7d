// Faults the random-event tester found, each kept as the smallest case.
#include <gtest/gtest.h>

#include "panels/mobile/mobile_panel.h"
#include "testing/fakes.h"
#include "testing/press_keys.h"

namespace kestrom {
namespace {

// The digit handler is an entry point of its own: a character that no digit key
// gives must not end up in a stored number.
// Runs the keys of the Mobile's antenna bearing page with `stray` typed before ENTER.
std::string bearingStoredWith(const std::string& stray) {
  testing::Rig rig;
  Tmobile& m = rig.sim.mobilePanel();
  m.Show();
  m.press(PanelKey::D6);
  for (int i = 0; i < 3; ++i) m.press(PanelKey::Next);
  for (char c : stray) m.DigitKey(c);
  EXPECT_EQ(m.KeyCount, 0);
  m.press(PanelKey::Enter);
  return rig.state().AntennaBearingText;
}

TEST(StrayInput, ANonDigitCharacterTypesNothing) {
  EXPECT_EQ(bearingStoredWith(std::string("\xDD"
                                          "a .\0",
                                          5)),
            bearingStoredWith(""));
}

// Digits typed on one page and not entered are added to the next page's value, so
// the bearing page can hold "180.00.3": ENTER refuses it and keeps the bearing.
TEST(StrayInput, ABearingMadeOfTwoTypedValuesIsRefused) {
  testing::Rig rig;
  Tmobile& m = rig.sim.mobilePanel();
  m.Show();
  const std::string before = rig.state().AntennaBearingText;
  testing::pressKeys(m, "6NN44N03");
  ASSERT_EQ(m.value(Cell::L4), "          180.00.3");
  m.press(PanelKey::Enter);
  EXPECT_EQ(rig.state().AntennaBearingText, before);
  ASSERT_EQ(rig.dialogs.shown.size(), 1u);
  EXPECT_NE(rig.dialogs.shown.back().text.find("antenna bearing"), std::string::npos);
}

}  // namespace
}  // namespace kestrom
