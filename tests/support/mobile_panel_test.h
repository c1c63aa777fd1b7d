#pragma once

#include <gtest/gtest.h>

#include <string>

#include "panels/mobile/mobile_panel.h"
#include "testing/fakes.h"
#include "testing/press_keys.h"

namespace kestrom::testing {

// The Mobile panel on the fakes, driven by its keys.
class MobilePanelTest : public ::testing::Test {
 protected:
  Rig rig;
  Tmobile& panel = rig.sim.mobilePanel();
  SimulationState& s = rig.state();

  // MENU, then the keys, with remote access open.
  void go(const std::string& keys) {
    panel.ApdStatusLight1.LitColor = clLime;
    pressKeys(panel, "M");
    ASSERT_EQ(panel.MenuState, 0) << "MENU refused before " << keys;
    pressKeys(panel, keys);
  }
  void keys(const std::string& k) { pressKeys(panel, k); }
  const std::string& text(Cell c) { return panel.cell(c).Caption; }
  Color colour(Cell c) { return panel.cell(c).FontColor; }
  std::size_t messages() const { return rig.dialogs.shown.size(); }
  const std::string& lastMessage() const { return rig.dialogs.shown.back().text; }
};

}  // namespace kestrom::testing
