// The Fix panel's link supervision, alignment refresh and antenna keys.

#include <gtest/gtest.h>

#include <string>

#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "setup/angles.h"
#include "setup/setup_window.h"
#include "testing/fakes.h"
#include "windows/aid_display.h"

namespace kestrom {
namespace {

using enum Cell;

class FixTrackingTest : public ::testing::Test {
 protected:
  testing::Rig rig;
  Tfix& fix = rig.sim.fixPanel();
  SimulationState& s = rig.state();
  Taiddisplay& aid = rig.sim.aidDisplay();
  void SetUp() override {
    rig.sim.setupWindow().ComboBox2.ItemIndex = 1;  // level 2
    rig.sim.mobilePanel().Tracking.Timer3.stop();   // the Fix's cycles alone
  }
  void aim(Extended fixAzimuth, Extended antenna) {
    s.FixAzimuth = fixAzimuth;
    s.AntennaDirection = antenna;
  }
  void supervise() { fix.Tracking.Timer3Timer(); }
  const std::string& text(Cell c) { return fix.cell(c).Caption; }
};

TEST_F(FixTrackingTest, InBeamTheLampIsRedAndOnTargetLime) {
  fix.MenuState = 1;
  aim(101.5L, 100);
  for (auto [slew, servo] : {std::pair{Slew::Right, "25"}, std::pair{Slew::Left, "-25"},
                             std::pair{Slew::Stopped, "0"}}) {
    fix.FixSlewCommand = slew;
    supervise();
    EXPECT_TRUE(fix.ApdStatusLight1.Lit);
    EXPECT_TRUE(fix.Panel1Visible);
    EXPECT_EQ(fix.ApdStatusLight1.LitColor, clRed);
    EXPECT_EQ(aid.ApdStatusLight1.LitColor, clRed);
    EXPECT_EQ(s.ServoText, servo);
    EXPECT_EQ(s.InLock, 0);
    EXPECT_EQ(text(L1), "DIST:                *");
    EXPECT_EQ(text(L2).substr(0, 12), "AZM:        ");
  }
  aim(100.3L, 100);
  supervise();
  EXPECT_EQ(fix.ApdStatusLight1.LitColor, clLime);
  EXPECT_TRUE(aid.ApdStatusLight1.Lit);
  EXPECT_EQ(s.InLock, 1);
  ASSERT_EQ(text(L1).substr(0, 12), "DIST:       ");
  const double metres = std::stod(text(L1).substr(12));
  EXPECT_GE(metres, 126.30);
  EXPECT_LE(metres, 126.39);
  const double azimuth = std::stod(text(L2).substr(12));
  EXPECT_GE(azimuth, 280.30);  // the reciprocal, with up to 0.19 degrees of jitter
  EXPECT_LE(azimuth, 280.49);
  EXPECT_FALSE(aid.Timer1.Enabled());
}

TEST_F(FixTrackingTest, OutOfBeamTheLampIsDarkAndAutosearchScans) {
  fix.MenuState = 1;
  aim(150, 100);
  s.CounterOperatingMode = text::AutoSearch;
  s.FixScanLimitLeft = "300";
  s.FixScanLimitRight = "340";
  supervise();
  EXPECT_FALSE(fix.ApdStatusLight1.Lit);
  EXPECT_FALSE(fix.Panel1Visible);
  EXPECT_EQ(s.ServoText, "0");
  EXPECT_EQ(s.FixAidScanMode, Scan::BetweenLimits);
  EXPECT_TRUE(aid.Timer1.Enabled());
  s.FixScanLimitRight = "300";
  supervise();
  EXPECT_EQ(s.FixAidScanMode, Scan::Continuous);
}

TEST_F(FixTrackingTest, WithoutTheLinkNothingLocksEvenOnTarget) {
  fix.MenuState = 1;
  aim(100, 100);
  s.MobileOperatingMode = text::StandBy;
  rig.random.script({2});
  rig.advance(1000);
  EXPECT_EQ(text(L1), "DIST:                *");
  EXPECT_EQ(text(L3), "SGNL:  ");
  EXPECT_EQ(text(R3).front(), '-');
  EXPECT_FALSE(fix.ApdStatusLight1.Lit);
  for (int i = 0; i < 20; ++i) {
    rig.advance(500);
    ASSERT_EQ(s.InLock, 0);
    ASSERT_NE(fix.ApdStatusLight1.LitColor, clLime);
  }
}

// Without the link the refresh still shows where the Mobile is seen from, on the
// page on show and on a page turned to by NEXT, and never a distance.
TEST_F(FixTrackingTest, WithoutTheLinkTheRefreshStillFollowsTheAzimuth) {
  fix.MenuState = 1;
  aim(100, 100);
  s.MobileOperatingMode = text::StandBy;
  supervise();
  ASSERT_EQ(s.StandbyMatch, 0);
  for (Extended fixAzimuth : {100.0L, 110.0L, 200.0L}) {
    s.FixAzimuth = fixAzimuth;
    fix.Tracking.Timer1Timer();
    ASSERT_EQ(text(L2).substr(0, 12), "AZM:        ") << fixAzimuth;
    const double azimuth = std::stod(text(L2).substr(12));
    EXPECT_GE(azimuth, reciprocalAzimuth(fixAzimuth)) << fixAzimuth;
    EXPECT_LT(azimuth, reciprocalAzimuth(fixAzimuth) + 0.2L) << fixAzimuth;
    EXPECT_EQ(text(L1), "DIST:                *");
    EXPECT_EQ(text(R3), "-84");
    EXPECT_EQ(s.InLock, 0);
    EXPECT_FALSE(fix.ApdStatusLight1.Lit);
  }
  for (int i = 0; i < 3; ++i) fix.press(PanelKey::Next);  // round the OPERATE pages
  ASSERT_EQ(fix.MenuState, 1);
  fix.Tracking.Timer1Timer();
  EXPECT_EQ(text(L2).substr(0, 12), "AZM:        ");
  EXPECT_GT(text(L2).size(), 12u);
}

// The Mobile's supervision finds the link gone (the Mobile put in STAND BY), and
// then the setup window stops the supervisions: the Fix's refresh must not lock
// on the verdict its own supervision found before.
TEST_F(FixTrackingTest, TheRefreshNeverLocksOnAVerdictTheRecordHasOutlived) {
  fix.MenuState = 1;
  aim(100, 100);
  supervise();
  ASSERT_EQ(s.InLock, 1);
  s.MobileOperatingMode = text::StandBy;
  rig.sim.mobilePanel().Tracking.Timer3Timer();
  ASSERT_EQ(s.StandbyMatch, 0);
  rig.sim.setupWindow().SimulationParameters1Click();
  EXPECT_FALSE(fix.Tracking.Timer3.Enabled());
  s.InLock = 0;
  for (int i = 0; i < 5; ++i) {
    rig.advance(1000);
    ASSERT_EQ(s.InLock, 0) << "second " << i;
  }
}

// A kept difference from the real Fix, which switches at 400 m: both ends switch at
// the Mobile's 200 m, so that they never disagree on the range (the manual's lock
// conditions page says so).
TEST_F(FixTrackingTest, AutomaticRangesTurnAtTheMobilesThreshold) {
  fix.MenuState = 2;
  for (auto [range, expected, letter] :
       {std::tuple{"00199", text::Short, 'S'}, std::tuple{"00200", text::Long, 'L'}}) {
    rig.sim.setupWindow().MaskEdit1.Text = range;
    supervise();
    EXPECT_EQ(s.MobileXmitRange, expected) << range;
    EXPECT_EQ(s.CounterXmitRange, expected) << range;
    EXPECT_EQ(s.FixStatusLine2[16], letter);
    EXPECT_EQ(s.MobileStatusLine2[16], letter);
    EXPECT_EQ(text(L4), s.FixStatusLine2);
  }
}

TEST_F(FixTrackingTest, TheHiddenFixLeavesOtherScenariosAlone) {
  rig.sim.setupWindow().RadioButton3Click();  // a Mk 4 beacon: there is no Fix
  s.InLock = 1;
  s.FixAzimuth = 42;
  fix.ApdStatusLight1 = {true, clLime, clBlack};
  s.FixAidScanMode = Scan::BetweenLimits;
  aid.Timer1.start();
  fix.MenuState = 1;
  rig.advance(60000);
  EXPECT_EQ(s.InLock, 1);
  EXPECT_EQ(s.FixAzimuth, 42);
  EXPECT_TRUE(fix.ApdStatusLight1.Lit);
  EXPECT_FALSE(aid.Timer1.Enabled());
}

TEST_F(FixTrackingTest, ReleasingASlewKeyStopsTheFixUnlessItScansOn) {
  fix.SlewKeyDown(true);
  EXPECT_TRUE(aid.Timer1.Enabled());
  rig.sim.mobilePanel().Tracking.ScanState = Scan::Continuous;  // the Mobile's scan is its own
  fix.SlewKeyUp(true);
  EXPECT_FALSE(aid.Timer1.Enabled());
  EXPECT_EQ(fix.FixSlewCommand, Slew::Stopped);
  s.FixAidScanMode = Scan::Continuous;
  fix.SlewKeyDown(false);
  fix.SlewKeyUp(false);
  EXPECT_TRUE(aid.Timer1.Enabled());
}

TEST_F(FixTrackingTest, ARampLeftMidwayEndsOnItsTarget) {
  fix.MenuState = 6;
  fix.cell(L3).Caption = "      0: 9200 - 9230";
  fix.cell(R4).Caption = "9300";
  fix.press(PanelKey::Enter);
  rig.advance(300);
  EXPECT_EQ(text(R4), "9290");
  EXPECT_EQ(s.CounterFreq, "9300");
  fix.press(PanelKey::Menu);
  rig.advance(300);
  EXPECT_EQ(s.CounterFreq, "9230");
  EXPECT_FALSE(fix.Ramp.Timer5.Enabled());
}

}  // namespace
}  // namespace kestrom
