// The Mk 4 fix scenario from both ends, on virtual time: the Fix searches in
// AUTOSEARCH, finds the Mobile, both stations lock together and stay locked, and
// the Fix then works the Mobile's pages.

#include <gtest/gtest.h>

#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "setup/angles.h"
#include "setup/setup_window.h"
#include "support/lock_wait.h"
#include "testing/fakes.h"
#include "testing/press_keys.h"
#include "windows/aid_display.h"

namespace kestrom {
namespace {

TEST(FixScenario, TheFixFindsTheMobileAndBothLockTogether) {
  testing::Rig rig;
  SimulationState& s = rig.state();
  Tfix& fix = rig.sim.fixPanel();
  Tmobile& mobile = rig.sim.mobilePanel();
  s.AntennaDirection = 100;  // the Mobile's antenna stands still, pointing at 100
  s.FixAzimuth = 20;         // the Fix antenna at 200, outside the sector below
  fix.Show();
  mobile.Show();
  rig.advance(200);
  testing::pressKeys(mobile, "M1");  // the Mobile on OPERATE

  testing::pressKeys(fix, "M223");  // KEY-IN LIMITS
  ASSERT_EQ(fix.MenuState, 12);
  testing::pressKeys(fix, "250E310E");  // ENTER moves on to the right limit
  EXPECT_EQ(s.FixScanLimitLeft, "250");
  EXPECT_EQ(s.FixScanLimitRight, "310");
  testing::pressKeys(fix, "M24");  // OPR MODE
  ASSERT_EQ(fix.MenuState, 17);
  testing::pressKeys(fix, "1E");  // AUTOSEARCH
  ASSERT_EQ(s.CounterOperatingMode, text::AutoSearch);
  EXPECT_TRUE(rig.sim.aidDisplay().sectorArc().has_value());
  testing::pressKeys(fix, "M1");  // the Fix on OPERATE

  auto bothLocked = [&] { return testing::bothLockedLime(fix, mobile); };
  const auto waited = testing::waitForLock(rig, fix, mobile);
  ASSERT_TRUE(bothLocked()) << "no lock after " << waited << " ms";
  EXPECT_NEAR(static_cast<double>(fixAntennaDirection(s)), 280, 0.5);

  for (int t = 0; t < 60000; t += 100) {
    rig.advance(100);
    ASSERT_TRUE(bothLocked()) << "lost at " << t << " ms";
    ASSERT_EQ(rig.sim.aidDisplay().ApdStatusLight1.shown(), clLime);
  }
  EXPECT_EQ(s.InLock, 1);
  EXPECT_TRUE(mobile.Tracking.lockedForTelegrams());
  EXPECT_EQ(fix.cell(Cell::L1).Caption.substr(0, 12), "DIST:       ");

  testing::pressKeys(fix, "M5");
  EXPECT_EQ(fix.MenuState, 37);
  EXPECT_EQ(fix.cell(Cell::L1).Caption, "     (REMOTE MOB)");
  testing::pressKeys(fix, "1");
  EXPECT_EQ(fix.MenuState, 38);

  // A reset draws the page on show anew from the reset record: it does not go
  // on showing the lock, the bar and the old mode while the lamp is dark.
  testing::pressKeys(mobile, "M1");
  rig.advance(1000);
  ASSERT_EQ(mobile.MenuState, 1);
  ASSERT_NE(mobile.cell(Cell::L1).Caption, "") << "the lock on show";
  rig.sim.setupWindow().ResetParameters1Click();
  EXPECT_FALSE(mobile.ApdStatusLight1.Lit);
  EXPECT_EQ(mobile.MenuState, 1);
  EXPECT_EQ(mobile.cell(Cell::L1).Caption.find("126."), std::string::npos)
      << mobile.cell(Cell::L1).Caption;
  EXPECT_EQ(mobile.cell(Cell::L3).Caption.find('\x7F'), std::string::npos) << "no signal bar";
  EXPECT_EQ(mobile.cell(Cell::L4).Caption, s.MobileStatusLine);
}

}  // namespace
}  // namespace kestrom
