// Faults the random-event tester found, each kept as the smallest case.
#include <gtest/gtest.h>

#include "panels/mobile/mobile_panel.h"
#include "support/fakes.h"
#include "support/press_keys.h"

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

}  // namespace
}  // namespace kestrom
