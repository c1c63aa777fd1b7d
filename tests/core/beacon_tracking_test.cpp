// The Beacon panel's link cycle: lamp, lock state and the live readings.

#include <gtest/gtest.h>

#include <string>

#include "panels/beacon/beacon_panel.h"
#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "setup/setup_window.h"
#include "testing/fakes.h"
#include "windows/aid_display.h"
#include "windows/bearing_window.h"

namespace kestrom {
namespace {

using enum Cell;

class BeaconTrackingTest : public ::testing::Test {
 protected:
  testing::Rig rig;
  Tbeacon& beacon = rig.sim.beaconPanel();
  SimulationState& s = rig.state();
  void SetUp() override {
    rig.sim.setupWindow().RadioButton3Click();
    rig.sim.mobilePanel().Tracking.Timer3.stop();  // the Beacon's cycle alone
  }
  void aim(Extended fixAzimuth, Extended antenna) {
    s.FixAzimuth = fixAzimuth;
    s.AntennaDirection = antenna;
  }
  void cycle() { beacon.Tracking.Timer3Timer(); }
  const std::string& text(Cell c) { return beacon.cell(c).Caption; }
  int bars(Cell c) { return static_cast<int>(std::count(text(c).begin(), text(c).end(), '\x7f')); }
  int level(Cell c) { return std::stoi(text(c)); }
};

TEST_F(BeaconTrackingTest, LockedGreenInBeamRedOutsideDarkAndUnchanged) {
  beacon.MenuState = 1;
  aim(100.3L, 100);
  cycle();
  EXPECT_TRUE(beacon.ApdStatusLight1.Lit);
  EXPECT_TRUE(beacon.Panel1Visible);
  EXPECT_EQ(beacon.ApdStatusLight1.LitColor, clLime);
  EXPECT_EQ(s.InLock, 1);
  ASSERT_EQ(text(L1).substr(0, 12), "DIST:       ");
  const double metres = std::stod(text(L1).substr(12));
  EXPECT_GE(metres, 126.30);  // 126.30..126.39 and up to 0.19 of jitter
  EXPECT_LE(metres, 126.58);
  EXPECT_EQ(text(L2), "AZM:                 *");
  EXPECT_EQ(text(L3).substr(0, 7), "SGNL:  ");
  EXPECT_GE(bars(L3), 10);
  EXPECT_LE(bars(L3), 11);
  EXPECT_GE(level(R3), -42);
  EXPECT_LE(level(R3), -41);
  EXPECT_EQ(beacon.Label16.FontColor, clBlue);
  EXPECT_FALSE(beacon.Label16.Visible);

  aim(100.7L, 100);
  cycle();
  EXPECT_EQ(beacon.ApdStatusLight1.LitColor, clRed);
  EXPECT_EQ(rig.sim.aidDisplay().ApdStatusLight1.LitColor, clRed);
  EXPECT_EQ(text(L1), "DIST:                *");
  EXPECT_EQ(text(L2), "AZM:                 *");
  EXPECT_LE(bars(L3), 3);
  EXPECT_GE(level(R3), -72);
  EXPECT_LE(level(R3), -64);
  EXPECT_EQ(s.InLock, 1);  // losing the lock while linked leaves it

  const std::string lastRow = text(L3);
  aim(101.5L, 100);
  cycle();
  EXPECT_FALSE(beacon.ApdStatusLight1.Lit);
  EXPECT_FALSE(beacon.Panel1Visible);
  EXPECT_EQ(beacon.Tracking.BeaconInBeam, 0);
  EXPECT_EQ(beacon.Label16.FontColor, clSilver);
  EXPECT_EQ(text(L3), lastRow);
}

TEST_F(BeaconTrackingTest, AcrossNorthTheBeaconLocks) {
  beacon.MenuState = 2;
  aim(359.9L, 0.1L);
  cycle();
  EXPECT_EQ(beacon.ApdStatusLight1.LitColor, clLime);
  EXPECT_EQ(s.InLock, 1);
  aim(0.2L, -0.2L);  // a negative antenna direction is read on the circle
  cycle();
  EXPECT_EQ(s.AntennaBearing, 359.8L);
  EXPECT_EQ(beacon.ApdStatusLight1.LitColor, clLime);
}

TEST_F(BeaconTrackingTest, OtherPagesShowTheirOwnReadingsAndOnlyOperatePagesLock) {
  aim(100.2L, 100);
  beacon.MenuState = 3;
  cycle();
  EXPECT_EQ(text(L2), "");
  ASSERT_GE(text(L3).size(), 6u);
  EXPECT_GE(level(L3), -42);
  EXPECT_LE(level(L3), -34);
  EXPECT_NE(text(L3).find("DB "), std::string::npos);
  EXPECT_GE(bars(L3), 5);
  EXPECT_LE(bars(L3), 7);

  s.InLock = 0;
  beacon.MenuState = 17;
  cycle();
  EXPECT_EQ(s.InLock, 0);  // locked, but not on an OPERATE page

  beacon.MenuState = 40;
  aim(100.8L, 100);
  cycle();
  EXPECT_EQ(text(L1), "DIST:                *");
  ASSERT_EQ(text(L2).substr(0, 22), "AZM:                 *");
  const double azimuth = std::stod(text(L2).substr(22));
  EXPECT_GE(azimuth, 280.8);
  EXPECT_LE(azimuth, 281.0);
  EXPECT_EQ(text(R3), "100.00");

  beacon.MenuState = 49;
  cycle();
  EXPECT_EQ(text(R3), "100");
}

TEST_F(BeaconTrackingTest, NotLinkedPutsOutEveryLampAndClearsTheLock) {
  beacon.MenuState = 38;
  aim(100, 100);
  cycle();
  ASSERT_EQ(s.InLock, 1);
  rig.sim.fixPanel().ApdStatusLight1.Lit = true;
  rig.sim.aidDisplay().ApdStatusLight1.Lit = true;
  rig.sim.fixPanel().Panel1Visible = true;
  s.MobileOperatingMode = text::StandBy;
  cycle();
  EXPECT_FALSE(rig.sim.fixPanel().Panel1Visible);
  EXPECT_EQ(s.StandbyMatch, 0);
  EXPECT_EQ(s.InLock, 0);
  EXPECT_FALSE(beacon.ApdStatusLight1.Lit);
  EXPECT_FALSE(rig.sim.fixPanel().ApdStatusLight1.Lit);
  EXPECT_FALSE(rig.sim.aidDisplay().ApdStatusLight1.Lit);
  EXPECT_EQ(text(L1), "DIST:                *");
  EXPECT_EQ(text(L2), "AZM:                 *");
  EXPECT_EQ(text(L3), "SGNL:  ");
  EXPECT_GE(level(R3), -85);
  EXPECT_LE(level(R3), -83);
}

TEST_F(BeaconTrackingTest, AutomaticGainFollowsTheDistanceAndManualRangesMustFit) {
  Tmenumain& setup = rig.sim.setupWindow();
  beacon.MenuState = 2;
  setup.MaskEdit1.Text = "00500";
  cycle();
  EXPECT_EQ(s.MobileXmitRange, text::Long);
  EXPECT_EQ(s.CounterXmitRange, text::Long);
  EXPECT_EQ(s.BeaconStatusLine2[16], 'L');
  EXPECT_EQ(s.MobileStatusLine2[16], 'L');
  setup.MaskEdit1.Text = "00150";
  cycle();
  EXPECT_EQ(s.CounterXmitRange, text::Short);
  EXPECT_EQ(s.BeaconStatusLine2[16], 'S');
  EXPECT_EQ(text(L4), s.BeaconStatusLine2);
  EXPECT_EQ(s.FixStatusLine2[16], 'L');  // no Fix in this scenario

  // The Mobile in MANUAL decides while the Beacon is in AUTOMATIC.
  setup.MaskEdit1.Text = "00500";
  s.MobileGainMode = text::Manual;
  s.MobileXmitRange = text::Long;
  cycle();
  EXPECT_EQ(s.RangeModeMatch, 1);
  s.MobileXmitRange = text::Short;
  cycle();
  EXPECT_EQ(s.RangeModeMatch, 0);
  EXPECT_EQ(s.InLock, 0);
}

TEST_F(BeaconTrackingTest, OutsideItsScenarioTheCycleTouchesNothing) {
  rig.sim.setupWindow().RadioButton4Click();  // back to the Mk 4 fix
  s.InLock = 1;
  s.MobileOperatingMode = text::StandBy;
  s.StandbyMatch = 1;
  rig.sim.fixPanel().ApdStatusLight1.Lit = true;
  cycle();
  EXPECT_EQ(s.InLock, 1);
  EXPECT_EQ(s.StandbyMatch, 1);
  EXPECT_TRUE(rig.sim.fixPanel().ApdStatusLight1.Lit);
}

TEST_F(BeaconTrackingTest, TheCycleRunsEveryHalfSecondAndStopsWhileSetupIsEdited) {
  Tmenumain& setup = rig.sim.setupWindow();
  aim(100, 100);
  beacon.MenuState = 1;
  rig.advance(500);
  EXPECT_EQ(s.InLock, 1);
  setup.SimulationParameters1Click();
  EXPECT_FALSE(beacon.Tracking.Timer3.Enabled());
  setup.BitBtn1Click();
  EXPECT_TRUE(beacon.Tracking.Timer3.Enabled());
  EXPECT_EQ(beacon.Tracking.Timer3.Interval(), 500);
}

// The alignment error d = FixAzimuth - AntennaBearing on the circle: on target for
// -0.5 <= d < 0.5, in the beam for -1 <= d < 1, else outside it.
TEST_F(BeaconTrackingTest, LampAndIndicatorFollowTheAlignmentUpToEachEdge) {
  enum Beam { Out, In, Locked };
  struct Case {
    Extended fixAzimuth, antenna;
    Beam beam;
  };
  const Case cases[] = {{100.3L, 100, Locked},  {100.5L, 100, In},  {99.5L, 100, Locked},
                        {100.55L, 100, In},     {99.45L, 100, In},  {101, 100, Out},
                        {99, 100, In},          {101.5L, 100, Out}, {98.5L, 100, Out},
                        {0.1L, 359.8L, Locked}, {0.4L, 359.8L, In}, {359.8L, 0.9L, Out},
                        {359.5L, -0.2L, Locked}};
  beacon.MenuState = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.fixAzimuth << " " << c.antenna);
    const bool lit = c.beam != Out;
    beacon.ApdStatusLight1 = {!lit, clBlack};
    beacon.Panel1Visible = !lit;
    beacon.Tracking.BeaconInBeam = -1;
    beacon.Label16.FontColor = clBlack;
    s.InLock = 0;
    aim(c.fixAzimuth, c.antenna);
    cycle();
    EXPECT_EQ(beacon.ApdStatusLight1.Lit, lit);
    EXPECT_EQ(beacon.ApdStatusLight1.LitColor, c.beam == Locked ? clLime : lit ? clRed : clBlack);
    EXPECT_EQ(beacon.Panel1Visible, lit);
    EXPECT_EQ(beacon.Tracking.BeaconInBeam, lit ? 1 : 0);
    EXPECT_EQ(beacon.Label16.FontColor, lit ? clBlue : clSilver);
    EXPECT_EQ(s.InLock, c.beam == Locked ? 1 : 0);
  }
  // The indicator's text is the plain difference; the bearing window shows the bearing.
  aim(99.5L, 100);
  cycle();
  EXPECT_EQ(beacon.Label16.Caption, "-0.5");
  aim(101, 100.5L);
  cycle();
  EXPECT_EQ(beacon.Label16.Caption, "0.5");
  EXPECT_EQ(rig.sim.bearingWindow().Label1.Caption, "100.50");
}

// Readings that jitter draw in a fixed order: the range jitter, the locked
// distance's jitter, then the cells as the page lists them.
TEST_F(BeaconTrackingTest, EachCycleDrawsOnlyWhatItsPageShows) {
  beacon.MenuState = 1;
  aim(100.7L, 100);
  rig.random.script({5, 2, 6});  // range jitter, bars, level
  cycle();
  EXPECT_EQ(text(L3), "SGNL:  \x7f\x7f");
  EXPECT_EQ(text(R3), "-66");
  aim(100.3L, 100);
  rig.random.script({4, 7, 1, 1});  // range jitter, distance jitter, bars, level
  cycle();
  EXPECT_EQ(text(L1), "DIST:       126.41");
  EXPECT_EQ(bars(L3), 11);
  EXPECT_EQ(text(R3), "-41");
}

TEST_F(BeaconTrackingTest, AnUnreadableRangeIsNoDistance) {
  beacon.MenuState = 3;
  aim(100.3L, 100);
  rig.sim.setupWindow().MaskEdit1.Text = "1x345";
  rig.random.script({3, 0, 0, 0});
  cycle();
  EXPECT_EQ(text(L1), "0.00");
  EXPECT_EQ(s.BeaconStatusLine2[16], 'S');
}

}  // namespace
}  // namespace kestrom
