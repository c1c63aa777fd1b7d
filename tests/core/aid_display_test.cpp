#include "windows/aid_display.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "panels/fix/fix_panel.h"
#include "setup/angles.h"
#include "setup/setup_window.h"
#include "testing/fakes.h"

namespace kestrom {
namespace {

constexpr Point C{89, 80};

TEST(AidGeometry, PointsCutTowardZeroOnBothSides) {
  EXPECT_EQ(polarPoint(C, 58, 180), (Point{89, 138}));  // straight down
  EXPECT_EQ(polarPoint(C, 58, 0), (Point{89, 22}));
  EXPECT_EQ(polarPoint(C, 58, 45), (Point{130, 39}));   // +41.01 -> 41
  EXPECT_EQ(polarPoint(C, 58, 225), (Point{48, 121}));  // -41.01 -> -41, not -42
  EXPECT_EQ(polarPoint(C, 58, 585), polarPoint(C, 58, 225));
}

TEST(AidGeometry, AntennaLinesForAzimuthZeroPointDown) {
  AidLines g = aidLines(C, 0 + 180.0);
  EXPECT_EQ(g.centre, C);
  EXPECT_EQ(g.pointer, (Point{89, 138}));
  EXPECT_EQ(g.baselineA, (Point{37, 80}));
  EXPECT_EQ(g.baselineB, (Point{141, 80}));
  EXPECT_EQ(g.beamLeft, (Point{93, 131}));   // P(52, 175)
  EXPECT_EQ(g.beamRight, (Point{85, 131}));  // P(52, 185): -4.53 cuts to -4
  EXPECT_EQ(g.inLockLeft, (Point{97, 129}));
  EXPECT_EQ(g.inLockRight, (Point{81, 129}));

  AidLines east = aidLines(C, 90);
  EXPECT_EQ(east.pointer, (Point{147, 80}));
  EXPECT_EQ(east.baselineA, (Point{89, 132}));
  EXPECT_EQ(east.baselineB, (Point{89, 28}));
}

TEST(AidGeometry, ScanArcRunsClockwiseOverTheScannedSector) {
  ScanArc a = scanArc(C, 200, 250);
  EXPECT_EQ(a.left, 31);
  EXPECT_EQ(a.top, 22);
  EXPECT_EQ(a.right, 147);
  EXPECT_EQ(a.bottom, 138);
  EXPECT_EQ(a.startPoint, (Point{71, 130}));
  EXPECT_EQ(a.endPoint, (Point{39, 98}));
  EXPECT_NEAR(a.startAngle, 250.2, 0.1);  // the radial through the truncated point
  EXPECT_NEAR(a.spanAngle, -50.4, 0.1);

  ScanArc across = scanArc(C, 350, 10);  // the short way through north
  EXPECT_NEAR(across.startAngle, 99.7, 0.1);
  EXPECT_NEAR(across.spanAngle, -19.3, 0.1);
  EXPECT_NEAR(scanArc(C, 10, 350).spanAngle, -340.7, 0.1);
  EXPECT_NEAR(scanArc(C, 120, 120).spanAngle, -360, 1e-9);
}

TEST(AidGeometry, ScanLimitTextsRoundOrFailQuietly) {
  EXPECT_EQ(scanLimitDegrees("200"), 200);
  EXPECT_EQ(scanLimitDegrees(" 245.50 "), 246);
  EXPECT_EQ(scanLimitDegrees("245.49"), 245);
  EXPECT_EQ(scanLimitDegrees("-3"), -3);
  for (const char* bad : {"", "   ", "abc", "12a", "1,5", "+-4", "1e999"}) {
    EXPECT_FALSE(scanLimitDegrees(bad).has_value()) << bad;
  }
}

TEST(AidGeometry, DirectionDifferenceWrapsIntoHalfCircle) {
  EXPECT_DOUBLE_EQ(directionDifference(10, 350), 20);
  EXPECT_DOUBLE_EQ(directionDifference(350, 10), -20);
  EXPECT_DOUBLE_EQ(directionDifference(485, 125), 0);
  EXPECT_DOUBLE_EQ(directionDifference(-170, 170), 20);
}

class AidSweep : public ::testing::Test {
 protected:
  testing::Rig rig;
  Taiddisplay& aid = rig.sim.aidDisplay();
  Tfix& fix = rig.sim.fixPanel();
  // The sweep alone: the Fix's link cycles, which stop it on lock, stand still.
  void SetUp() override {
    fix.Tracking.Timer1.stop();
    fix.Tracking.Timer3.stop();
  }
  SimulationState& s = rig.state();

  void autosearch(const char* left, const char* right, double direction, Slew slew) {
    s.FixAidScanMode = Scan::BetweenLimits;
    s.FixScanLimitLeft = left;
    s.FixScanLimitRight = right;
    s.FixAzimuth = direction - 180;
    fix.FixSlewCommand = slew;
    aid.Timer1.start();
  }
  // Antenna direction after each sweep tick for `ms`; also counts reversals.
  std::vector<Extended> run(int ms, int* reversals = nullptr) {
    std::vector<Extended> seen;
    Slew last = fix.FixSlewCommand;
    for (int t = 0; t < ms; t += 100) {
      rig.advance(100);
      seen.push_back(aid.antennaDirection());
      if (reversals && fix.FixSlewCommand != last) ++*reversals;
      last = fix.FixSlewCommand;
    }
    return seen;
  }
};

TEST_F(AidSweep, TimersAndLampStartAsTheWindowIsCreated) {
  EXPECT_FALSE(aid.Timer1.Enabled());
  EXPECT_EQ(aid.Timer1.Interval(), 100);
  EXPECT_TRUE(aid.Timer2.Enabled());
  EXPECT_EQ(aid.Timer2.Interval(), 500);
  EXPECT_FALSE(aid.ApdStatusLight1.Lit);
  EXPECT_EQ(aid.ApdStatusLight1.shown(), clSilver);
  EXPECT_EQ(aid.ApdStatusLight1.LitColor, clLime);
  rig.state().FixAzimuth = 0;
  EXPECT_EQ(aid.lines().pointer, (Point{89, 138}));
}

TEST_F(AidSweep, HeldSlewKeysTurnFourDegreesPerSecond) {
  s.FixAzimuth = 10;
  fix.FixSlewCommand = Slew::Right;
  aid.Timer1.start();
  rig.advance(1000);
  EXPECT_NEAR(s.FixAzimuth, 14, 1e-9);

  fix.FixSlewCommand = Slew::Stopped;  // stopped still counts as "not left"
  rig.advance(100);
  EXPECT_NEAR(s.FixAzimuth, 14.4, 1e-9);

  s.FixAzimuth = 1;  // left through north comes back into 0..360
  fix.FixSlewCommand = Slew::Left;
  rig.advance(1000);
  EXPECT_NEAR(s.FixAzimuth, 357, 1e-9);

  aid.Timer1.stop();
  rig.advance(1000);
  EXPECT_NEAR(s.FixAzimuth, 357, 1e-9);
}

TEST_F(AidSweep, IdleRedrawBringsAzimuthIntoRange) {
  s.FixAzimuth = 365;
  rig.advance(500);
  EXPECT_NEAR(s.FixAzimuth, 5, 1e-9);
  s.FixAzimuth = -10;
  rig.advance(500);
  EXPECT_NEAR(s.FixAzimuth, 350, 1e-9);
}

TEST_F(AidSweep, AutosearchReversesWithinTwoDegreesOfALimit) {
  autosearch("200", "250", 247.9, Slew::Right);
  rig.advance(100);  // 2.1 degrees short: no reversal yet
  EXPECT_EQ(fix.FixSlewCommand, Slew::Right);
  EXPECT_NEAR(aid.antennaDirection(), 248.3, 1e-9);
  rig.advance(100);  // one degree back and the tick's own step left
  EXPECT_EQ(fix.FixSlewCommand, Slew::Left);
  EXPECT_NEAR(aid.antennaDirection(), 246.9, 1e-9);
}

TEST_F(AidSweep, AutosearchStaysInsideSectorsAboveAndBelowOneEighty) {
  for (auto [l, r] : {std::pair{200, 250}, std::pair{100, 150}, std::pair{340, 20}}) {
    SCOPED_TRACE(l);
    autosearch(std::to_string(l).c_str(), std::to_string(r).c_str(), l + 5, Slew::Right);
    int reversals = 0;
    for (double d : run(60000, &reversals)) {
      EXPECT_GT(directionDifference(d, l), -2.01);
      EXPECT_LT(directionDifference(d, r), 2.01);
    }
    EXPECT_GE(reversals, 4);  // about 12 s per 50-degree pass
    EXPECT_TRUE(aid.Timer1.Enabled());
  }
}

TEST_F(AidSweep, AutosearchEntersTheSectorWhenStartingOutsideIt) {
  // Coming down onto the right limit from outside: keep turning left into the
  // sector instead of turning back out of it.
  autosearch("100", "150", 200, Slew::Left);
  std::vector<Extended> seen = run(60000);
  for (std::size_t i = 300; i < seen.size(); ++i) {
    ASSERT_GT(seen[i], 97.9);
    ASSERT_LT(seen[i], 152.1);
  }
  // From the left side, turning right onto the left limit: the same.
  autosearch("100", "150", 60, Slew::Right);
  seen = run(60000);
  for (std::size_t i = 150; i < seen.size(); ++i) {
    ASSERT_GT(seen[i], 97.9);
    ASSERT_LT(seen[i], 152.1);
  }
}

TEST_F(AidSweep, UnreadableLimitIsSkippedAndOtherModesIgnoreLimits) {
  autosearch("abc", "250", 245, Slew::Right);
  int reversals = 0;
  run(3000, &reversals);
  EXPECT_EQ(reversals, 1);  // at 250
  run(60000, &reversals);   // nothing stops the left turn but no crash either
  EXPECT_EQ(fix.FixSlewCommand, Slew::Left);
  EXPECT_EQ(reversals, 1);

  autosearch("200", "250", 240, Slew::Right);
  s.FixAidScanMode = Scan::Continuous;  // equal limits: a full turn, the sweep keeps running
  run(20000);
  EXPECT_EQ(fix.FixSlewCommand, Slew::Right);
  EXPECT_NEAR(aid.antennaDirection(), 320, 1e-6);
  EXPECT_TRUE(aid.Timer1.Enabled());
}

TEST_F(AidSweep, SetpointTurnStopsAcrossNorthInBothDirections) {
  aid.beginSetpointTurn(10);
  fix.FixSetpoint = 200;  // written by other pages; not what the sweep aims at
  fix.FixAutoTurn = 1;
  fix.FixSlewCommand = Slew::Right;
  s.FixAzimuth = 345 - 180;
  aid.Timer1.start();
  rig.advance(20000);
  EXPECT_FALSE(aid.Timer1.Enabled());
  EXPECT_EQ(fix.FixSlewCommand, Slew::Stopped);
  EXPECT_EQ(fix.FixAutoTurn, 0);
  EXPECT_NEAR(aid.antennaDirection(), 8.6, 1e-6);  // first step inside 1.5 degrees

  aid.beginSetpointTurn(350);
  fix.FixAutoTurn = 1;
  fix.FixSlewCommand = Slew::Left;
  aid.Timer1.start();
  rig.advance(20000);
  EXPECT_EQ(fix.FixSlewCommand, Slew::Stopped);
  EXPECT_NEAR(directionDifference(aid.antennaDirection(), 350), 0, 1.5);
}

TEST_F(AidSweep, NoSetpointStopUntilTheFixAsksForIt) {
  aid.beginSetpointTurn(10);
  fix.FixSlewCommand = Slew::Right;
  s.FixAzimuth = 185;  // pointing at 5 degrees
  aid.Timer1.start();
  rig.advance(3000);
  EXPECT_TRUE(aid.Timer1.Enabled());
  EXPECT_NEAR(aid.antennaDirection(), 17, 1e-6);
}

TEST_F(AidSweep, SectorArcOnlyDuringAutosearchWithReadableLimits) {
  s.FixScanLimitLeft = "200";
  s.FixScanLimitRight = "250.4";
  EXPECT_FALSE(aid.sectorArc());
  s.FixAutosearchDisplay = 1;
  ASSERT_TRUE(aid.sectorArc());
  EXPECT_EQ(aid.sectorArc()->endPoint, polarPoint(C, 54, 250));
  ASSERT_TRUE(aid.sectorLimits());
  EXPECT_EQ(aid.sectorLimits()->left, 200);
  EXPECT_EQ(aid.sectorLimits()->right, 250);
  s.FixScanLimitRight = "";
  EXPECT_FALSE(aid.sectorArc());
  EXPECT_FALSE(aid.sectorLimits());
}

TEST_F(AidSweep, InLockLinesFollowTheFlagAndClosingClearsTheMenuCheck) {
  aid.drawinlocklines(1);
  EXPECT_TRUE(aid.InLockLinesShown);
  aid.drawinlocklines(0);
  EXPECT_FALSE(aid.InLockLinesShown);

  Tmenumain& setup = rig.sim.setupWindow();
  setup.FixAIDDisplay1.Checked = true;
  aid.Centre = {0, 0};
  aid.Show();
  EXPECT_EQ(aid.Centre, C);
  aid.BitBtn1Click();
  EXPECT_FALSE(aid.Visible());
  EXPECT_FALSE(setup.FixAIDDisplay1.Checked);

  setup.FixAIDDisplay1.Checked = true;
  aid.Timer2.stop();
  aid.startIdleRedraw();
  aid.Show();
  aid.Close();  // the frame's close box
  EXPECT_FALSE(setup.FixAIDDisplay1.Checked);
  EXPECT_TRUE(aid.Timer2.Enabled());
}

TEST_F(AidSweep, EveryStepLeavesTheAzimuthOnTheCircle) {
  s.FixAzimuth = 359.8L;
  fix.FixSlewCommand = Slew::Right;
  aid.Timer2.stop();
  aid.Timer1.start();
  for (int t = 0; t < 20; ++t) {
    rig.advance(100);
    ASSERT_GE(s.FixAzimuth, 0);
    ASSERT_LT(s.FixAzimuth, 360);
  }
  fix.FixSlewCommand = Slew::Left;
  for (int t = 0; t < 40; ++t) {
    rig.advance(100);
    ASSERT_GE(s.FixAzimuth, 0);
    ASSERT_LT(s.FixAzimuth, 360);
  }
}

}  // namespace
}  // namespace kestrom

namespace kestrom {
namespace {

TEST(FixSlewKeys, HoldingRightForOneSecondTurnsTheFixFourDegrees) {
  testing::Rig rig;
  Tfix& fix = rig.sim.fixPanel();
  Taiddisplay& aid = rig.sim.aidDisplay();
  rig.state().FixAzimuth = 100;
  fix.press(PanelKey::Right);
  EXPECT_FALSE(aid.Timer2.Enabled());
  rig.advance(1000);
  fix.release(PanelKey::Right);
  EXPECT_NEAR(rig.state().FixAzimuth, 104.0, 1e-9);
  EXPECT_EQ(fix.FixSlewCommand, Slew::Stopped);
  rig.advance(1000);
  EXPECT_NEAR(rig.state().FixAzimuth, 104.0, 1e-9);

  fix.press(PanelKey::Left);
  rig.advance(500);
  fix.release(PanelKey::Left);
  EXPECT_NEAR(rig.state().FixAzimuth, 102.0, 1e-9);

  fix.Close();  // the AID display goes back to its idle redraw
  EXPECT_TRUE(aid.Timer2.Enabled());
}

}  // namespace
}  // namespace kestrom
