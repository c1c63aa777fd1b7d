// The Mk 4 beacon scenario from both ends, on virtual time: the Mobile searches in
// AUTOSEARCH, finds the beacon, both panels lock together and stay locked, and the
// Beacon then opens the Mobile's pages.

#include <gtest/gtest.h>

#include "panels/beacon/beacon_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "setup/setup_window.h"
#include "support/fakes.h"
#include "support/lock_wait.h"
#include "support/press_keys.h"

namespace kestrom {
namespace {

TEST(BeaconScenario, TheMobileFindsTheBeaconAndBothLockTogether) {
  testing::Rig rig;
  SimulationState& s = rig.state();
  rig.sim.setupWindow().RadioButton3Click();
  Tbeacon& beacon = rig.sim.beaconPanel();
  Tmobile& mobile = rig.sim.mobilePanel();
  s.FixAzimuth = 140.2L;  // where the beacon stands
  s.AntennaDirection = 90;
  s.MobileScanLimitLeft = "80";
  s.MobileScanLimitRight = "160";
  beacon.Show();
  mobile.Show();
  rig.advance(200);
  testing::pressKeys(beacon, "M1");  // the Beacon on OPERATE
  ASSERT_EQ(beacon.MenuState, 1);

  testing::pressKeys(mobile, "M24");  // OPR MODE
  ASSERT_EQ(mobile.MenuState, 17);
  testing::pressKeys(mobile, "1E");  // AUTOSEARCH
  ASSERT_EQ(s.MobileOperatingMode, text::AutoSearch);
  testing::pressKeys(mobile, "M1");

  auto bothLocked = [&] { return testing::bothLockedLime(beacon, mobile); };
  const auto waited = testing::waitForLock(rig, beacon, mobile);
  ASSERT_TRUE(bothLocked()) << "no lock after " << waited << " ms";
  EXPECT_EQ(beacon.cell(Cell::L2).Caption, "AZM:                 *");

  // Neither the hidden Fix's cycle nor any other clears the lock.
  for (int t = 0; t < 60000; t += 100) {
    rig.advance(100);
    ASSERT_EQ(s.InLock, 1) << "lost at " << t << " ms";
    ASSERT_TRUE(bothLocked()) << "lamps out at " << t << " ms";
  }
  EXPECT_TRUE(mobile.Tracking.lockedForTelegrams());

  // The Mobile's remote pages show the beacon's own status lines.
  testing::pressKeys(mobile, "M51");
  ASSERT_EQ(mobile.MenuState, 37);
  EXPECT_EQ(mobile.cell(Cell::L4).Caption, s.BeaconStatusLine);

  testing::pressKeys(beacon, "M5");
  EXPECT_EQ(beacon.MenuState, 37);
  testing::pressKeys(beacon, "1");
  EXPECT_EQ(beacon.MenuState, 38);
}

}  // namespace
}  // namespace kestrom
