#include "panels/mobile/mobile_tracking.h"

#include <gtest/gtest.h>

#include <memory>

#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "setup/angles.h"
#include "setup/setup_window.h"
#include "testing/fakes.h"
#include "windows/config_view.h"

namespace kestrom {
namespace {

using testing::Rig;

struct TrackingTest : ::testing::Test {
  Rig rig;
  Tmobile& panel = rig.sim.mobilePanel();

  MobileTracking& tracking() { return panel.Tracking; }
  SimulationState& s() { return rig.state(); }
  void level(int n) { rig.sim.setupWindow().ComboBox2.ItemIndex = n - 1; }
  void aim(double fixAzimuth, double antenna) {
    s().FixAzimuth = fixAzimuth;
    s().AntennaDirection = antenna;
  }
  void cycle() { tracking().Timer3Timer(); }
  std::string cell(Cell c) { return panel.cell(c).Caption; }
};

TEST_F(TrackingTest, OneDegreeShortIsInBeamButNotLocked) {
  level(2);
  panel.MenuState = 1;
  aim(100.0, 99.0);
  for (Slew dir : {Slew::Right, Slew::Left, Slew::Stopped}) {
    tracking().SlewDirection = dir;
    cycle();
    EXPECT_TRUE(panel.ApdStatusLight1.Lit);
    EXPECT_EQ(panel.ApdStatusLight1.LitColor, clRed);
    EXPECT_TRUE(panel.Panel1Visible);
    EXPECT_EQ(s().InLock, 0);
    EXPECT_EQ(cell(Cell::L1), "DIST:                *");
    EXPECT_EQ(cell(Cell::L2), "AZM:                 *");
  }
  tracking().SlewDirection = Slew::Right;
  cycle();
  EXPECT_EQ(s().ServoText, "25");
  tracking().SlewDirection = Slew::Left;
  cycle();
  EXPECT_EQ(s().ServoText, "-25");
  tracking().SlewDirection = Slew::Stopped;
  cycle();
  EXPECT_EQ(s().ServoText, "0");
  EXPECT_FALSE(tracking().lockedForTelegrams());
}

TEST_F(TrackingTest, FourTenthsShortLocksAndShowsTheLiveReadings) {
  level(2);
  panel.MenuState = 1;
  aim(65.125, 64.725);
  for (int i = 0; i < 20; ++i) {
    cycle();
    ASSERT_EQ(panel.ApdStatusLight1.LitColor, clLime);
    ASSERT_TRUE(panel.ApdStatusLight1.Lit);
    EXPECT_EQ(s().InLock, 1);
    std::string dist = cell(Cell::L1);
    ASSERT_EQ(dist.substr(0, 12), "DIST:       ");
    double metres = std::stod(dist.substr(12));
    EXPECT_GE(metres, 126.30);
    EXPECT_LE(metres, 126.39);
    EXPECT_EQ(cell(Cell::L2), "AZM:        245.13");  // Normal adds no jitter
    EXPECT_EQ(cell(Cell::L3), "SGNL:  " + std::string(10, '\x7f'));
  }
  EXPECT_TRUE(tracking().lockedForTelegrams());
  EXPECT_EQ(rig.sim.fixPanel().ApdStatusLight1.LitColor, clLime);
}

TEST_F(TrackingTest, BeaconCounterStationHidesAzimuthAndHeading) {
  level(1);
  s().CounterStationKind = CounterKind::Mk4Beacon;
  s().CounterUnitRole = text::AsBeacon;
  aim(10.0, 10.0);
  panel.MenuState = 3;
  cycle();
  EXPECT_EQ(cell(Cell::L2), "AZM:                 *");
  EXPECT_EQ(cell(Cell::R4), "");
  EXPECT_EQ(s().InLock, 1);
}

TEST_F(TrackingTest, LockHoldsAcrossNorth) {
  level(1);
  panel.MenuState = 1;
  aim(359.9, 0.1);
  cycle();
  EXPECT_EQ(s().InLock, 1);
  EXPECT_EQ(panel.ApdStatusLight1.LitColor, clLime);
  aim(0.1, -0.1);  // the antenna turned left past north
  cycle();
  EXPECT_NEAR(s().AntennaBearing, 359.9, 1e-9);
  EXPECT_EQ(s().InLock, 1);
}

TEST_F(TrackingTest, AFailingConditionDarkensTheLampAndStopsLiveTelegrams) {
  level(1);
  panel.MenuState = 1;
  aim(50, 50);
  cycle();
  ASSERT_TRUE(tracking().lockedForTelegrams());
  ASSERT_TRUE(s().MobileLampLime);
  s().MobileOperatingMode = text::StandBy;
  cycle();
  EXPECT_FALSE(panel.ApdStatusLight1.Lit);
  EXPECT_FALSE(panel.Panel1Visible);
  EXPECT_EQ(s().InLock, 0);
  EXPECT_FALSE(tracking().lockedForTelegrams());
  EXPECT_FALSE(s().MobileLampLime);
  EXPECT_EQ(cell(Cell::L1), "DIST:                *");
  std::string signal = cell(Cell::R3);
  EXPECT_TRUE(signal == "-85" || signal == "-84" || signal == "-83") << signal;
}

TEST_F(TrackingTest, OutsideTheBeamTheLampIsDarkAndRed) {
  level(1);
  panel.MenuState = 1;
  aim(50, 50);
  cycle();
  aim(50, 40);
  cycle();
  EXPECT_FALSE(panel.ApdStatusLight1.Lit);
  EXPECT_EQ(panel.ApdStatusLight1.LitColor, clRed);
  EXPECT_EQ(s().ServoText, "0");
}

TEST_F(TrackingTest, HeldKeysTurnTheAntennaAndTheBearingStaysInRange) {
  aim(200, 359.0);
  tracking().slewKeyDown(true);
  rig.advance(1000);
  tracking().slewKeyUp();
  EXPECT_NEAR(s().AntennaDirection, 363.0, 1e-9);
  EXPECT_NEAR(s().AntennaBearing, 3.0, 1e-9);
  rig.advance(1000);
  EXPECT_NEAR(s().AntennaDirection, 363.0, 1e-9);
  EXPECT_EQ(tracking().SlewDirection, Slew::Stopped);
}

TEST_F(TrackingTest, EqualScanLimitsKeepTheAntennaTurningOnRelease) {
  s().MobileScanLimitLeft = s().MobileScanLimitRight = "120";
  s().MobileOperatingMode = text::AutoSearch;
  tracking().operatingModeEntered(true, true);
  EXPECT_EQ(tracking().ScanState, Scan::Continuous);
  tracking().slewKeyDown(true);
  tracking().slewKeyUp();
  double before = s().AntennaDirection;
  rig.advance(1000);
  EXPECT_NE(s().AntennaDirection, before);
  EXPECT_TRUE(tracking().Timer1.Enabled());
}

TEST_F(TrackingTest, SetpointAcrossNorthTurnsLeftAndStops) {
  aim(200, 1.0);
  s().AntennaBearing = 1.0;
  tracking().startSetpointTurn(359);
  EXPECT_EQ(tracking().SlewDirection, Slew::Left);
  rig.advance(2000);
  EXPECT_FALSE(tracking().Timer1.Enabled());
  EXPECT_EQ(tracking().AutoTurn, 0);
  EXPECT_LT(std::fabs(directionDifference(359, s().AntennaBearing)), 1.5);
}

TEST_F(TrackingTest, AutosearchScansTheSectorAndLocks) {
  level(1);
  panel.MenuState = 1;
  s().MobileScanLimitLeft = "100.40";  // captured limits carry decimals
  s().MobileScanLimitRight = "150";
  s().FixAzimuth = 140.2;
  s().AntennaDirection = 90;
  s().AntennaBearing = 90;
  s().MobileOperatingMode = text::AutoSearch;
  tracking().operatingModeEntered(true, true);
  EXPECT_EQ(tracking().SlewDirection, Slew::Right);
  Extended lowest = 360;
  Extended highest = 0;
  for (int t = 0; t < 600 && s().InLock == 0; ++t) {
    rig.advance(100);
    if (s().AntennaBearing > 95) {
      lowest = std::min(lowest, s().AntennaBearing);
      highest = std::max(highest, s().AntennaBearing);
    }
  }
  EXPECT_EQ(s().InLock, 1);
  EXPECT_LT(std::fabs(directionDifference(140.2, s().AntennaBearing)), 0.5);
  EXPECT_LE(highest, 152.5);
  EXPECT_FALSE(tracking().Timer1.Enabled());
}

TEST_F(TrackingTest, ScanStopsAtLeftLimitAndComesBack) {
  s().MobileScanLimitLeft = "100";
  s().MobileScanLimitRight = "150";
  s().FixAzimuth = 300;  // never in beam: the scan goes on
  s().AntennaDirection = 125;
  s().MobileOperatingMode = text::AutoSearch;
  tracking().operatingModeEntered(true, false);
  tracking().SlewDirection = Slew::Left;
  tracking().Timer1.start();
  Extended lowest = 360;
  Extended highest = 0;
  for (int t = 0; t < 1000; ++t) {
    rig.advance(100);
    lowest = std::min(lowest, s().AntennaBearing);
    highest = std::max(highest, s().AntennaBearing);
  }
  EXPECT_GT(lowest, 97.0);
  EXPECT_LT(highest, 153.0);
  EXPECT_LT(lowest, 103.0);
  EXPECT_GT(highest, 147.0);
}

TEST_F(TrackingTest, LockedBearingPageShowsTwoDecimals) {
  level(2);
  aim(245.5L, 245.5L);
  panel.MenuState = 3;
  cycle();
  ASSERT_EQ(s().InLock, 1);
  EXPECT_EQ(cell(Cell::R3), "245.50");
}

}  // namespace
}  // namespace kestrom

namespace kestrom {
namespace {

TEST(TrackingConfigView, BoxesFollowTheCycleAndKeepTheirStateInSetupMode) {
  testing::Rig rig;
  Tconfigview& view = rig.sim.configView();
  rig.state().MobileOperatingMode = text::StandBy;
  rig.advance(500);
  EXPECT_FALSE(view.CheckBox4.Checked);
  EXPECT_TRUE(view.CheckBox2.Checked);

  rig.sim.setupWindow().SimulationParameters1Click();  // tracking stops while editing
  rig.state().MobileOperatingMode = text::HandSearch;
  view.CheckBox2.Checked = false;  // a trainee's click
  rig.advance(5000);
  EXPECT_FALSE(view.CheckBox4.Checked);
  EXPECT_FALSE(view.CheckBox2.Checked);

  rig.sim.setupWindow().BitBtn1Click();  // Exit Setup
  rig.advance(500);
  EXPECT_TRUE(view.CheckBox4.Checked);
  EXPECT_TRUE(view.CheckBox2.Checked);
}

}  // namespace
}  // namespace kestrom

namespace kestrom {
namespace {

TEST(TrackingScan, LosingTheBeamInAutosearchStartsTheScanAgain) {
  testing::Rig rig;
  SimulationState& s = rig.state();
  MobileTracking& tracking = rig.sim.mobilePanel().Tracking;
  s.MobileScanLimitLeft = "100";
  s.MobileScanLimitRight = "150";
  s.MobileOperatingMode = text::AutoSearch;
  s.FixAzimuth = 120;
  s.AntennaDirection = 120;
  rig.advance(500);  // locked: the scan rests
  ASSERT_EQ(tracking.ScanState, Scan::Idle);
  ASSERT_FALSE(tracking.Timer1.Enabled());
  tracking.SlewDirection = Slew::Stopped;
  s.FixAzimuth = 140;  // the Fix moved away
  rig.advance(500);
  EXPECT_EQ(tracking.ScanState, Scan::BetweenLimits);
  const double before = s.AntennaDirection;
  rig.advance(1000);
  EXPECT_NE(s.AntennaDirection, before);
  for (int i = 0; i < 200 && s.InLock == 0; ++i) {
    rig.sim.mobilePanel().MenuState = 1;
    rig.advance(100);
  }
  EXPECT_EQ(s.InLock, 1);
}

}  // namespace
}  // namespace kestrom
