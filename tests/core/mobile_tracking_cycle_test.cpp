#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "panels/mobile/mobile_tracking.h"
#include "setup/setup_window.h"
#include "testing/fakes.h"
#include "windows/aid_display.h"
#include "windows/bearing_window.h"

namespace kestrom {
namespace {

using enum Cell;

// The Mobile's tracking on the fakes, every random draw at one end of its range.
class MobileCycle : public ::testing::Test {
 protected:
  testing::OfflineRig<testing::EndRandom> rig;
  SimulationState& s = rig.sim.state();
  Tmobile& panel = rig.sim.mobilePanel();
  MobileTracking& t = panel.Tracking;

  void level(int n) { rig.sim.setupWindow().ComboBox2.ItemIndex = n - 1; }
  void aim(Extended fixAzimuth, Extended antenna) {
    s.FixAzimuth = fixAzimuth;
    s.AntennaDirection = antenna;
  }
  void cycle() { t.Timer3Timer(); }
  void advance(std::int64_t ms) { rig.sim.scheduler().advance(ms); }
  const std::string& cell(Cell c) { return panel.cell(c).Caption; }
  // The antenna's step on one slew tick, turning right.
  Extended stepRight() {
    t.SlewDirection = Slew::Right;
    const Extended before = s.AntennaDirection;
    t.Timer1Timer();
    return s.AntennaDirection - before;
  }
  // The three in-lock lamps: the Mobile's, the Fix panel's and the AID display's.
  std::vector<StatusLight*> lamps() {
    return {&panel.ApdStatusLight1, &rig.sim.fixPanel().ApdStatusLight1,
            &rig.sim.aidDisplay().ApdStatusLight1};
  }
};

// The Fix minus the antenna decides: in the beam from -2 up to 2 degrees, on target
// from -0.5 up to 0.5, also across north. Each cycle follows a locked one.
TEST_F(MobileCycle, BeamAndTargetWindowsDecideLampsLockAndSlewSpeed) {
  struct Case {
    Extended fix, antenna;
    bool inBeam, onTarget;
  };
  const std::vector<Case> cases = {
      {100, 102.5, false, false}, {100, 102, true, false},   {100, 100.55, true, false},
      {100, 100.5, true, true},   {100, 100, true, true},    {100, 99.51, true, true},
      {100, 99.5, true, false},   {100, 99.45, true, false}, {100, 98.01, true, false},
      {100, 98, false, false},    {100, 97.5, false, false}, {0.1, 359.8, true, true},
      {359.5, 1, true, false},    {1, 358.5, false, false},
  };
  level(2);
  panel.MenuState = 4;  // a page on which a lock sets InLock, without lamps of its own
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "Fix " << static_cast<double>(c.fix) << ", antenna "
                                      << static_cast<double>(c.antenna));
    aim(c.fix, c.fix);
    t.SlewDirection = Slew::Right;
    cycle();
    ASSERT_EQ(s.InLock, 1);
    aim(c.fix, c.antenna);
    cycle();
    EXPECT_EQ(s.InLock, c.onTarget ? 1 : 0);
    EXPECT_EQ(t.lockedForTelegrams(), c.onTarget);
    EXPECT_EQ(s.MobileLampLime, c.onTarget);
    EXPECT_EQ(s.ServoText, c.inBeam ? "25" : "50");
    for (StatusLight* lamp : lamps()) {
      EXPECT_EQ(lamp->Lit, c.inBeam);
      if (c.inBeam) {
        EXPECT_EQ(lamp->LitColor, c.onTarget ? clLime : clRed);
      }
    }
    EXPECT_EQ(panel.Panel1Visible, c.inBeam);
    EXPECT_EQ(rig.sim.fixPanel().Panel1Visible, c.inBeam);
    EXPECT_EQ(t.dialPicture().beamLeft.has_value(), c.inBeam);
    EXPECT_NEAR(static_cast<double>(stepRight()), c.inBeam ? 0.2 : 0.4, 1e-9);
  }
}

TEST_F(MobileCycle, LosingTheLinkDarkensEverythingAndTurnsAtFullSpeed) {
  aim(100, 100.5);  // in the beam
  cycle();
  ASSERT_TRUE(t.dialPicture().beamLeft);
  s.MobileOperatingMode = text::StandBy;
  cycle();
  EXPECT_EQ(s.InLock, 0);
  for (StatusLight* lamp : lamps()) EXPECT_FALSE(lamp->Lit);
  EXPECT_FALSE(panel.Panel1Visible);
  EXPECT_FALSE(rig.sim.fixPanel().Panel1Visible);
  EXPECT_FALSE(t.dialPicture().beamLeft);
  EXPECT_NEAR(static_cast<double>(stepRight()), 0.4, 1e-9);
}

// Locked readings: the azimuth is the Fix's reciprocal, jittered by up to 0.19 at
// Expert and 0.02 at Beginner; at Expert the distance and range by up to 1 m.
TEST_F(MobileCycle, LockedReadingsJitterByLevel) {
  struct Case {
    int level;
    bool top;
    Extended fix;
    const char *distance, *azimuth, *range, *heading;
  };
  const std::vector<Case> cases = {
      {3, true, 100.816L, "127.39", "281.01", "127.00", "0.19"},
      {3, false, 100.816L, "126.30", "280.82", "126.00", nullptr},  // heading about 360
      {2, true, 100.816L, "126.39", "280.82", "126.00", nullptr},
      {1, true, 100.8151L, "126.39", "280.84", "126.00", "0.02"},
      {1, false, 100.8151L, "126.30", "280.82", "126.00", nullptr},
      {1, true, 250, "126.39", "70.02", "126.00", "0.02"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "level " << c.level << (c.top ? " top" : " bottom")
                                      << ", Fix " << static_cast<double>(c.fix));
    level(c.level);
    rig.random.top = c.top;
    aim(c.fix, c.fix);
    panel.MenuState = 4;
    cycle();
    EXPECT_EQ(cell(L1), c.distance);
    EXPECT_EQ(cell(L2), c.azimuth);
    panel.MenuState = 39;
    cycle();
    EXPECT_EQ(cell(L1), c.range);
    EXPECT_EQ(cell(L2), c.azimuth);
    panel.MenuState = 3;
    cycle();
    if (c.heading) {
      EXPECT_EQ(cell(R4), c.heading);
    }
    EXPECT_EQ(s.InLock, 1);
  }
}

// An emptied range field reads as no range; the distance is then the jitter alone.
TEST_F(MobileCycle, AnEmptyRangeShowsTheJitterAsDistanceAndNoRange) {
  ASSERT_TRUE(rig.sim.setupWindow().MaskEdit1Change(""));
  level(2);
  aim(100, 100);
  panel.MenuState = 4;
  cycle();
  EXPECT_EQ(cell(L1), "0.39");
  panel.MenuState = 39;
  cycle();
  EXPECT_EQ(cell(L1), "0.00");
}

// Besides the live pages the cycle writes the bearing and, under automatic gain,
// the second status line of the station the page belongs to.
TEST_F(MobileCycle, CycleWritesBearingAndGainLinesOnTheirPagesOnly) {
  struct Case {
    int screen;
    Cell c;
    std::string text;
  };
  const std::string k_ = "~";
  const std::vector<Case> cases = {
      {2, L4, "   -2  8>R    9>S"},  // short range, reduced power
      {2, L3, k_},
      {38, L4, "   -1  7>R    8>S"},
      {38, R3, k_},
      {3, R3, "123.456"},
      {3, L4, k_},
      {15, R3, "123.456"},
      {49, R3, "123.456"},
      {11, L3, std::string(16, ' ') + "123.46"},
      {11, L2, k_},
      {14, L2, "BEARING 123.46"},
      {14, L3, k_},
      {4, R3, k_},
      {16, R3, k_},
      {39, L4, k_},
      {50, R3, k_},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "screen " << c.screen);
    s.FixStatusLine2 = "   -1  7>N    8>L";
    aim(300, 483.456);  // out of the beam
    panel.MenuState = c.screen;
    for (DisplayCell& d : panel.Cells) d.Caption = k_;
    cycle();
    EXPECT_EQ(cell(c.c), c.text);
    EXPECT_EQ(rig.sim.bearingWindow().Label1.Caption, "123.46");
  }
}

TEST_F(MobileCycle, SlewTimerRunsOnlyForKeysTurnsAndScans) {
  EXPECT_FALSE(t.Timer1.Enabled());
  // Every step reads the bearing of the antenna it leaves.
  aim(300, 359.8);
  t.slewKeyDown(true);
  advance(100);
  EXPECT_NEAR(static_cast<double>(s.AntennaBearing), 0.2, 1e-9);
}

// The first tick after the panel is shown draws the antenna and stops the slew
// timer unless a key, a set point or a scan keeps the antenna turning.
TEST_F(MobileCycle, FirstTickAfterShowingStopsAnIdleAntennaOnly) {
  struct Case {
    Slew direction;
    Scan scan;
    int autoTurn;
    bool running;
  };
  const std::vector<Case> cases = {
      {Slew::Stopped, Scan::Idle, 0, false},
      {Slew::Right, Scan::Idle, 0, true},
      {Slew::Stopped, Scan::BetweenLimits, 0, true},
      {Slew::Stopped, Scan::Idle, 1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "case " << (&c - cases.data()));
    t.Timer1.stop();
    s.AntennaDirection = 370;
    t.SlewDirection = c.direction;
    t.ScanState = c.scan;
    t.AutoTurn = c.autoTurn;
    t.Setpoint = 200;
    panel.FormShow();
    advance(100);
    EXPECT_EQ(t.Timer1.Enabled(), c.running);
    EXPECT_NEAR(static_cast<double>(s.AntennaBearing), c.direction == Slew::Right ? 10.4 : 10,
                1e-9);
  }
}

TEST_F(MobileCycle, SetpointIsTakenOnTheCircleAndReachedWithinOneAndAHalfDegrees) {
  aim(300, 100);
  s.AntennaBearing = 100;
  t.startSetpointTurn(360);
  EXPECT_EQ(t.Setpoint, 0);
  t.startSetpointTurn(725);
  EXPECT_EQ(t.Setpoint, 5);
  EXPECT_EQ(t.SlewDirection, Slew::Left);

  // 1.5 degrees away is not there yet.
  t.startSetpointTurn(101.5);
  ASSERT_EQ(t.SlewDirection, Slew::Right);
  advance(100);
  EXPECT_NEAR(static_cast<double>(s.AntennaDirection), 100.4, 1e-9);
  advance(100);
  EXPECT_NEAR(static_cast<double>(s.AntennaDirection), 100.4, 1e-9);
  EXPECT_EQ(t.SlewDirection, Slew::Stopped);
  EXPECT_FALSE(t.Timer1.Enabled());
  EXPECT_EQ(t.AutoTurn, 0);
}

// OPR MODE: AUTOSEARCH shows the scan arc; on the Mobile's own page it also turns
// the antenna toward the left limit, unless locked or the limit cannot be read.
TEST_F(MobileCycle, OperatingModeStartsAndStopsTheScan) {
  struct Case {
    bool onModePage;
    const char *left, *right;
    int inLock;
    Scan scan;
    Slew direction;
  };
  const std::vector<Case> cases = {
      {true, "100", "150", 0, Scan::BetweenLimits, Slew::Left},
      {true, "140", "150", 0, Scan::BetweenLimits, Slew::Right},
      {true, "120", "120", 0, Scan::Continuous, Slew::Left},
      {true, "100", "150", 1, Scan::BetweenLimits, Slew::Stopped},
      {true, "", "150", 0, Scan::BetweenLimits, Slew::Stopped},
      {false, "100", "150", 0, Scan::BetweenLimits, Slew::Stopped},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "limits " << c.left << "/" << c.right << ", lock "
                                      << c.inLock << (c.onModePage ? "" : ", remote page"));
    aim(300, 125);
    s.AntennaBearing = 125;
    s.InLock = c.inLock;
    s.MobileScanLimitLeft = c.left;
    s.MobileScanLimitRight = c.right;
    t.operatingModeEntered(true, c.onModePage);
    EXPECT_EQ(t.ScanState, c.scan);
    EXPECT_EQ(t.SlewDirection, c.direction);
    EXPECT_EQ(t.Timer1.Enabled(), c.direction != Slew::Stopped);
    const MobileDialPicture dial = t.dialPicture();
    const std::optional<int> left =
        c.left[0] ? std::optional<int>(std::stoi(c.left)) : std::nullopt;
    const MobileDialPicture expected = mobileDialPicture(125, false, left, std::stoi(c.right));
    EXPECT_EQ(dial.arcStart, expected.arcStart);
    EXPECT_EQ(dial.arcEnd, expected.arcEnd);
    EXPECT_EQ(dial.arcEnd.has_value(), left.has_value());
    if (c.scan == Scan::BetweenLimits && c.direction != Slew::Stopped) {
      advance(300);  // the arc stays while the antenna scans
      EXPECT_TRUE(t.dialPicture().arcEnd);
    }

    t.operatingModeEntered(false, true);
    EXPECT_EQ(t.ScanState, Scan::Idle);
    EXPECT_EQ(t.SlewDirection, Slew::Stopped);
    EXPECT_FALSE(t.Timer1.Enabled());
    EXPECT_FALSE(t.dialPicture().arcEnd);
  }
}

// Between the limits the antenna reverses within 2 degrees of the limit it moves
// toward, and steps a degree back inside.
TEST_F(MobileCycle, ScanReversesWithinTwoDegreesOfTheLimitAhead) {
  struct Case {
    Extended from;
    Slew direction;
    Extended to;
    Slew after;
  };
  const std::vector<Case> cases = {
      {148, Slew::Right, 146.6, Slew::Left},  {147.5, Slew::Right, 147.9, Slew::Right},
      {152, Slew::Right, 150.6, Slew::Left},  {102, Slew::Left, 103.4, Slew::Right},
      {102.5, Slew::Left, 102.1, Slew::Left}, {98, Slew::Left, 99.4, Slew::Right},
      {148, Slew::Left, 147.6, Slew::Left},   {102, Slew::Right, 102.4, Slew::Right},
  };
  s.MobileScanLimitLeft = "100";
  s.MobileScanLimitRight = "150";
  t.operatingModeEntered(true, false);
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "from " << static_cast<double>(c.from));
    aim(300, c.from);
    s.AntennaBearing = c.from;
    t.SlewDirection = c.direction;
    t.Timer1Timer();
    EXPECT_NEAR(static_cast<double>(s.AntennaDirection), static_cast<double>(c.to), 1e-9);
    EXPECT_EQ(t.SlewDirection, c.after);
  }
}

}  // namespace
}  // namespace kestrom

namespace kestrom {
namespace {

TEST_F(MobileCycle, AutosearchThatLockedScansAgainWhenTheBeamIsLost) {
  level(2);
  panel.MenuState = 1;
  s.MobileScanLimitLeft = "100";
  s.MobileScanLimitRight = "150";
  s.MobileOperatingMode = text::AutoSearch;
  aim(120, 110);
  s.AntennaBearing = 110;
  t.operatingModeEntered(true, false);
  t.SlewDirection = Slew::Right;
  t.Timer1.start();
  for (int i = 0; i < 100 && s.InLock == 0; ++i) advance(100);
  ASSERT_EQ(s.InLock, 1);
  EXPECT_EQ(t.ScanState, Scan::Idle);
  s.FixAzimuth = 140;
  advance(500);
  EXPECT_EQ(t.ScanState, Scan::BetweenLimits);
  EXPECT_TRUE(t.Timer1.Enabled());
}

}  // namespace
}  // namespace kestrom
