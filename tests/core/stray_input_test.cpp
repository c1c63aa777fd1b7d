// Faults the random-event tester found, each kept as the smallest case.
#include <gtest/gtest.h>

#include "panels/mobile/mobile_panel.h"
#include "support/fakes.h"
#include "support/press_keys.h"

namespace kestrom {
namespace {

// The digit handler is an entry point of its own: a character that no digit key
// gives must not end up in a stored number.
TEST(StrayInput, ANonDigitCharacterTypesNothing) {
  testing::Rig rig;
  Tmobile& m = rig.sim.mobilePanel();
  m.Show();
  m.press(PanelKey::D6);
  for (int i = 0; i < 3; ++i) m.press(PanelKey::Next);
  const SimulationState before = rig.state();
  for (char c : {'\xDD', 'a', ' ', '.', '\0'}) m.DigitKey(c);
  m.press(PanelKey::Enter);
  EXPECT_EQ(rig.state().AntennaBearingText, before.AntennaBearingText);
  EXPECT_EQ(m.KeyCount, 0);
}

}  // namespace
}  // namespace kestrom
