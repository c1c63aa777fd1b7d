// The Mk 4 beacon scenario from both ends, on virtual time: the Mobile searches in
// AUTOSEARCH, finds the beacon, both panels lock together and stay locked, and the
// Beacon then opens the Mobile's pages.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panels/beacon/beacon_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "setup/setup_window.h"
#include "support/lock_wait.h"
#include "testing/fakes.h"
#include "testing/press_keys.h"

namespace kestrom {
namespace {

// The Mk 4 beacon as counter station, both panels shown, the Mobile searching in
// AUTOSEARCH until both lock.
struct BeaconLock {
  testing::Rig rig;
  SimulationState& s = rig.state();
  Tbeacon& beacon = rig.sim.beaconPanel();
  Tmobile& mobile = rig.sim.mobilePanel();

  bool bothLocked() { return testing::bothLockedLime(beacon, mobile); }
  void search() {
    rig.sim.setupWindow().RadioButton3Click();
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
    const auto waited = testing::waitForLock(rig, beacon, mobile);
    ASSERT_TRUE(bothLocked()) << "no lock after " << waited << " ms";
  }
};

TEST(BeaconScenario, TheMobileFindsTheBeaconAndBothLockTogether) {
  BeaconLock lock;
  ASSERT_NO_FATAL_FAILURE(lock.search());
  auto& [rig, s, beacon, mobile] = lock;
  auto bothLocked = [&] { return lock.bothLocked(); };
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

// From the Mobile the beacon may be given a role that breaks the link; the cycle
// always comes back to the beacon's own role, and the beacon stays a "B".
TEST(BeaconScenario, TheMobileCanGiveTheBeaconItsRoleBack) {
  BeaconLock lock;
  ASSERT_NO_FATAL_FAILURE(lock.search());
  auto& [rig, s, beacon, mobile] = lock;
  testing::pressKeys(mobile, "M56");
  ASSERT_EQ(mobile.MenuState, 71);
  std::vector<std::string> shown;
  for (int i = 0; i < 4; ++i) {
    testing::pressKeys(mobile, "1");
    shown.push_back(mobile.cell(Cell::L2).Caption);
  }
  EXPECT_EQ(shown,
            (std::vector<std::string>{text::AsBeacon, text::AsMk3M, text::AsMob, text::AsBeacon}));
  testing::pressKeys(mobile, "11E");  // AS MOB
  EXPECT_EQ(s.CounterUnitRole, text::AsMob);
  EXPECT_EQ(s.BeaconStatusLine, "STAT: B / 3 / 24 / HS / 9");
  rig.advance(1000);
  EXPECT_EQ(s.StationTypeMatch, 0);
  EXPECT_EQ(s.InLock, 0);
  testing::pressKeys(mobile, "1E");
  EXPECT_EQ(s.CounterUnitRole, text::AsBeacon);
  testing::pressKeys(mobile, "M1");
  const auto waited = testing::waitForLock(rig, beacon, mobile);
  EXPECT_TRUE(lock.bothLocked()) << "no lock again after " << waited << " ms";
  EXPECT_EQ(s.BeaconStatusLine[6], 'B');
}

}  // namespace
}  // namespace kestrom
