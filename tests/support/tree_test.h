#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "setup/simulation_state.h"
#include "simulator/simulator.h"
#include "support/tree_walk.h"
#include "testing/fakes.h"
#include "testing/press_keys.h"

namespace kestrom::testing {

// The time of day the clock shows while a panel's tree is walked.
inline constexpr const char* kTreeTime = "07:08:09";

// A panel of the simulator on the fakes, walked through its menu tree by its keys.
template <class Panel, Panel& (Simulator::*kPanel)()>
class PanelTreeTest : public ::testing::Test {
 protected:
  // A path from the main menu and what is expected of the screen it reaches.
  struct Menu {
    const char* path;
    std::string listed;  // the digits the screen answers
  };
  struct Fields {
    const char* path;
    std::vector<int> fields;  // EditField on the page and after each NEXT
  };
  struct Parent {
    const char* path;
    int screen;  // the screen DEL returns to
  };

  Rig rig;
  Panel& panel = (rig.sim.*kPanel)();
  SimulationState& s = rig.state();

  void SetUp() override { rig.clock.time = kTreeTime; }
  // MENU, then the keys.
  void go(const std::string& keys) {
    pressKeys(panel, "M");
    ASSERT_EQ(panel.MenuState, 0) << "MENU refused before " << keys;
    ASSERT_EQ(panel.EditField, 0);
    pressKeys(panel, keys);
  }
  void keys(const std::string& k) { pressKeys(panel, k); }
  CellTexts cells() { return cellTexts(panel); }
  const std::string& text(Cell c) { return panel.cell(c).Caption; }

  // Every screen with its fields marked shows the texts of its row.
  void walk(const std::vector<Walk>& rows) {
    for (const Walk& w : rows) {
      SCOPED_TRACE(::testing::Message() << "screen " << w.screen << " by \"" << w.keys << "\"");
      markFields(s);
      go(w.keys);
      EXPECT_EQ(panel.MenuState, w.screen);
      EXPECT_EQ(cells(), w.cells);
    }
  }
  // Any digit a screen does not list leaves the screen as it is.
  void expectUnlistedDigitsDoNothing(const std::vector<Menu>& menus) {
    for (const Menu& m : menus) {
      for (char d = '0'; d <= '9'; ++d) {
        if (m.listed.find(d) != std::string::npos) continue;
        SCOPED_TRACE(::testing::Message() << "screen \"" << m.path << "\" key " << d);
        go(m.path);
        int screen = panel.MenuState;
        CellTexts before = cells();
        keys(std::string(1, d));
        EXPECT_EQ(panel.MenuState, screen);
        EXPECT_EQ(cells(), before);
      }
    }
  }
  // NEXT steps the field a page edits and stays on the page.
  void expectNextSteps(const std::vector<Fields>& rows) {
    for (const Fields& r : rows) {
      SCOPED_TRACE(r.path);
      go(r.path);
      int screen = panel.MenuState;
      EXPECT_EQ(panel.EditField, r.fields[0]);
      for (std::size_t i = 1; i < r.fields.size(); ++i) {
        keys("N");
        EXPECT_EQ(panel.EditField, r.fields[i]);
        EXPECT_EQ(panel.MenuState, screen);
      }
    }
  }
  // DEL returns to the parent screen, drawn afresh and as its keys draw it.
  void expectDelReturnsToParent(const std::vector<Parent>& rows) {
    for (const Parent& r : rows) {
      SCOPED_TRACE(::testing::Message() << "DEL after \"" << r.path << "\"");
      go(r.path);
      for (DisplayCell& c : panel.Cells) c.FontColor = clWhite;
      keys("D");
      EXPECT_EQ(panel.MenuState, r.screen);
      for (const DisplayCell& c : panel.Cells) EXPECT_EQ(c.FontColor, clBlack);
      CellTexts drawn = cells();
      panel.enterScreen(r.screen);
      EXPECT_EQ(drawn, cells());
    }
  }
};

}  // namespace kestrom::testing
