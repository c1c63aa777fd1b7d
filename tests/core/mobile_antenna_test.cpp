// The Mobile's antenna: slewing, scanning between limits, turning to a set point,
// and what its link cycle does with the lamps, the pages that follow the antenna
// and the locked readings of each level.

#include <gtest/gtest.h>

#include <string>

#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "setup/setup_window.h"
#include "testing/fakes.h"
#include "windows/aid_display.h"
#include "windows/bearing_window.h"

namespace kestrom {
namespace {

using enum Cell;

class MobileAntenna : public ::testing::Test {
 protected:
  testing::Rig rig;
  Tmobile& panel = rig.sim.mobilePanel();
  MobileTracking& t = panel.Tracking;
  SimulationState& s = rig.state();
  Tfix& fix = rig.sim.fixPanel();
  Taiddisplay& aid = rig.sim.aidDisplay();

  void SetUp() override {
    fix.Tracking.Timer1.stop();  // the Mobile's cycles alone
    fix.Tracking.Timer3.stop();
    t.FirstShow = 1;
  }
  void level(int n) { rig.sim.setupWindow().ComboBox2.ItemIndex = n - 1; }
  void aim(Extended fixAzimuth, Extended antenna) {
    s.FixAzimuth = fixAzimuth;
    s.AntennaDirection = antenna;
  }
  void limits(const char* left, const char* right) {
    s.MobileScanLimitLeft = left;
    s.MobileScanLimitRight = right;
  }
  const std::string& text(Cell c) { return panel.cell(c).Caption; }
};

// A slew key turns the antenna 0.4 degrees a tick, 0.2 while in beam, and stops when
// released; the slew timer ticks every 100 ms.
TEST_F(MobileAntenna, SlewKeysTurnFastOutOfBeamAndSlowInIt) {
  aim(200, 100);
  t.slewKeyDown(true);
  rig.advance(99);
  EXPECT_DOUBLE_EQ(static_cast<double>(s.AntennaDirection), 100);
  rig.advance(1);
  EXPECT_NEAR(static_cast<double>(s.AntennaDirection), 100.4, 1e-9);
  EXPECT_NEAR(static_cast<double>(s.AntennaBearing), 100.4, 1e-9);
  t.slewKeyUp();
  rig.advance(300);
  EXPECT_NEAR(static_cast<double>(s.AntennaDirection), 100.4, 1e-9);
  EXPECT_EQ(t.SlewDirection, Slew::Stopped);

  t.SlowSlew = 1;
  t.slewKeyDown(false);
  t.Timer1Timer();
  EXPECT_NEAR(static_cast<double>(s.AntennaDirection), 100.2, 1e-9);
  // Across north the bearing stays on the circle.
  s.AntennaDirection = 0.1L;
  t.Timer1Timer();
  EXPECT_NEAR(static_cast<double>(s.AntennaBearing), 359.9, 1e-9);
}

// Scanning, the antenna turns back at a limit it moves toward (within 2 degrees),
// one degree back into the sector, and never at a limit it leaves.
TEST_F(MobileAntenna, TheScanTurnsBackAtTheLimitAhead) {
  limits("90", "110");
  t.ScanState = Scan::BetweenLimits;
  struct Case {
    Extended antenna;
    Slew moving;
    Slew after;
    Extended direction;  // after the tick
  };
  for (const Case& c :
       {Case{108.5L, Slew::Right, Slew::Left, 108.5L - 1 - 0.4L},
        Case{108, Slew::Right, Slew::Left, 108 - 1 - 0.4L},
        Case{92, Slew::Left, Slew::Right, 92 + 1 + 0.4L},
        Case{107.9L, Slew::Right, Slew::Right, 108.3L},
        Case{108.5L, Slew::Left, Slew::Left, 108.1L},
        Case{91.5L, Slew::Left, Slew::Right, 91.5L + 1 + 0.4L},
        Case{92.1L, Slew::Left, Slew::Left, 91.7L}, Case{91.5L, Slew::Right, Slew::Right, 91.9L}}) {
    SCOPED_TRACE(::testing::Message() << c.antenna);
    s.AntennaDirection = c.antenna;
    t.SlewDirection = c.moving;
    t.Timer1Timer();
    EXPECT_EQ(t.SlewDirection, c.after);
    EXPECT_NEAR(static_cast<double>(s.AntennaDirection), static_cast<double>(c.direction), 1e-9);
  }
  // Idle or turning all round, the limits do not matter.
  for (Scan scan : {Scan::Idle, Scan::Continuous}) {
    t.ScanState = scan;
    s.AntennaDirection = 109;
    t.SlewDirection = Slew::Right;
    t.Timer1Timer();
    EXPECT_EQ(t.SlewDirection, Slew::Right);
  }
  EXPECT_TRUE(t.Timer1.Enabled()) << "turning all round keeps the slew timer on";
}

// A set point turns the antenna the shorter way and stops it within 1.5 degrees;
// a set point of 360 or more is taken on the circle.
TEST_F(MobileAntenna, ASetPointTurnStopsOnArrival) {
  aim(0, 100);
  s.AntennaBearing = 100;
  t.startSetpointTurn(360);
  EXPECT_DOUBLE_EQ(static_cast<double>(t.Setpoint), 0);
  t.startSetpointTurn(460);
  EXPECT_DOUBLE_EQ(static_cast<double>(t.Setpoint), 100);
  t.startSetpointTurn(830);  // twice round
  EXPECT_DOUBLE_EQ(static_cast<double>(t.Setpoint), 110);
  EXPECT_EQ(t.SlewDirection, Slew::Right);
  EXPECT_EQ(t.AutoTurn, 1);
  EXPECT_TRUE(t.Timer1.Enabled());
  t.startSetpointTurn(90);
  EXPECT_EQ(t.SlewDirection, Slew::Left);
  s.AntennaDirection = 91.5L;  // 1.5 degrees off: not yet
  t.Timer1Timer();
  EXPECT_EQ(t.AutoTurn, 1);
  s.AntennaDirection = 91.4L;
  t.Timer1Timer();
  EXPECT_EQ(t.AutoTurn, 0);
  EXPECT_EQ(t.SlewDirection, Slew::Stopped);
  EXPECT_FALSE(t.Timer1.Enabled());
}

// ENTER on an operating mode: AUTOSEARCH from its page sets the scan going toward
// the left limit (all round when the limits are equal), unless already in lock; any
// other mode stops the antenna.
TEST_F(MobileAntenna, TheOperatingModeStartsOrStopsTheScan) {
  limits("90", "110");
  s.AntennaBearing = 100;
  s.InLock = 0;
  t.operatingModeEntered(true, true);
  EXPECT_EQ(t.ScanState, Scan::BetweenLimits);
  EXPECT_EQ(s.MobileScanDrawPhase, 1);
  EXPECT_EQ(t.SlewDirection, Slew::Left);
  EXPECT_TRUE(t.Timer1.Enabled());
  // The dial draws the arc between the Mobile's limits, the beam lines while in beam.
  const MobileDialPicture scanning =
      mobileDialPicture(static_cast<double>(s.AntennaDirection), false, 90, 110);
  EXPECT_EQ(t.dialPicture().arcStart, scanning.arcStart);
  EXPECT_EQ(t.dialPicture().arcEnd, scanning.arcEnd);
  EXPECT_FALSE(t.dialPicture().beamLeft.has_value());
  t.InBeam = 1;
  EXPECT_TRUE(t.dialPicture().beamLeft.has_value());
  t.InBeam = 0;

  t.operatingModeEntered(false, true);
  EXPECT_EQ(t.ScanState, Scan::Idle);
  EXPECT_EQ(s.MobileScanDrawPhase, 0);
  EXPECT_EQ(t.SlewDirection, Slew::Stopped);
  EXPECT_FALSE(t.Timer1.Enabled());
  EXPECT_FALSE(t.dialPicture().arcStart.has_value());

  limits("120", "120");
  t.operatingModeEntered(true, true);
  EXPECT_EQ(t.ScanState, Scan::Continuous);
  EXPECT_EQ(t.SlewDirection, Slew::Right);

  t.operatingModeEntered(false, true);
  s.InLock = 1;
  t.operatingModeEntered(true, true);
  EXPECT_EQ(t.SlewDirection, Slew::Stopped) << "a lock is kept";
  EXPECT_FALSE(t.Timer1.Enabled());

  t.operatingModeEntered(false, true);
  s.InLock = 0;
  t.operatingModeEntered(true, false);  // from elsewhere: the cycle starts the scan
  EXPECT_EQ(t.ScanState, Scan::BetweenLimits);
  EXPECT_EQ(t.SlewDirection, Slew::Stopped);
}

// The first tick after the panel is shown only draws the antenna, unless it turns.
TEST_F(MobileAntenna, TheFirstTickAfterShowingOnlyDraws) {
  t.FormShow();
  EXPECT_EQ(t.FirstShow, 0);
  EXPECT_TRUE(t.Timer1.Enabled());
  rig.advance(100);
  EXPECT_EQ(t.FirstShow, 1);
  EXPECT_FALSE(t.Timer1.Enabled());
  EXPECT_EQ(s.MobileScanDrawPhase, 3);

  t.FormShow();
  t.slewKeyDown(true);
  rig.advance(100);
  EXPECT_TRUE(t.Timer1.Enabled()) << "a turn in progress goes on";
}

// The link cycle runs every 500 ms from the start and keeps the pages that follow
// the antenna, the status line of OPERATE page 2 and the lamps of all three windows.
TEST_F(MobileAntenna, TheCycleKeepsTheFollowingPagesAndAllLamps) {
  aim(100, 123.5L);
  EXPECT_FALSE(t.Timer1.Enabled()) << "the slew timer waits for a key";
  panel.MenuState = 11;
  panel.cell(L2).Caption = "";
  rig.advance(499);
  EXPECT_NE(text(L3), std::string(16, ' ') + "123.50");
  rig.advance(1);
  EXPECT_EQ(text(L3), std::string(16, ' ') + "123.50");
  EXPECT_EQ(text(L2), "");
  panel.MenuState = 14;
  t.Timer3Timer();
  EXPECT_EQ(text(L2), "BEARING 123.50");
  for (int screen : {15, 49, 3}) {
    panel.MenuState = screen;
    panel.cell(R3).Caption = "";
    t.Timer3Timer();
    EXPECT_EQ(text(R3), "123.5") << "screen " << screen;
  }

  s.MobileGainMode = s.CounterGainMode = text::Automatic;
  s.MobileStatusLine2 = "mobile";
  s.FixStatusLine2 = "fix";
  panel.MenuState = 2;
  t.Timer3Timer();
  EXPECT_EQ(text(L4), s.MobileStatusLine2);
  panel.MenuState = 38;
  t.Timer3Timer();
  EXPECT_EQ(text(L4), s.FixStatusLine2);

  // In beam all three lamps light red and both lamp panels show; out of beam all go.
  panel.MenuState = 1;
  aim(101, 100);
  t.Timer3Timer();
  for (const StatusLight* lamp :
       {&panel.ApdStatusLight1, &fix.ApdStatusLight1, &aid.ApdStatusLight1}) {
    EXPECT_TRUE(lamp->Lit);
    EXPECT_EQ(lamp->LitColor, clRed);
  }
  EXPECT_TRUE(panel.Panel1Visible);
  EXPECT_TRUE(fix.Panel1Visible);
  EXPECT_EQ(t.InBeam, 1);
  EXPECT_EQ(t.SlowSlew, 1);
  aim(100.2L, 100);
  t.Timer3Timer();
  for (const StatusLight* lamp :
       {&panel.ApdStatusLight1, &fix.ApdStatusLight1, &aid.ApdStatusLight1})
    EXPECT_EQ(lamp->LitColor, clLime);
  EXPECT_TRUE(t.lockedForTelegrams());
  aim(105, 100);
  t.Timer3Timer();
  for (const StatusLight* lamp :
       {&panel.ApdStatusLight1, &fix.ApdStatusLight1, &aid.ApdStatusLight1})
    EXPECT_FALSE(lamp->Lit);
  EXPECT_FALSE(panel.Panel1Visible);
  EXPECT_FALSE(fix.Panel1Visible);
  EXPECT_EQ(t.InBeam, 0);
  EXPECT_EQ(t.SlowSlew, 0);
  EXPECT_EQ(s.InLock, 0);
}

// Out of beam in AUTOSEARCH an idle antenna starts scanning, to the right when it
// stood still; a scan under way is left as it is.
TEST_F(MobileAntenna, LosingTheBeamInAutosearchStartsTheScan) {
  aim(200, 100);
  s.MobileOperatingMode = text::AutoSearch;
  t.Timer3Timer();
  EXPECT_EQ(t.ScanState, Scan::BetweenLimits);
  EXPECT_EQ(t.SlewDirection, Slew::Right);
  EXPECT_TRUE(t.Timer1.Enabled());
  t.ScanState = Scan::Idle;
  t.SlewDirection = Slew::Left;
  t.Timer3Timer();
  EXPECT_EQ(t.SlewDirection, Slew::Left);
  t.ScanState = Scan::Continuous;
  t.Timer3Timer();
  EXPECT_EQ(t.ScanState, Scan::Continuous);
  s.MobileOperatingMode = text::HandSearch;
  t.ScanState = Scan::Idle;
  t.Timer1.stop();
  t.Timer3Timer();
  EXPECT_EQ(t.ScanState, Scan::Idle);
  EXPECT_FALSE(t.Timer1.Enabled());
}

// On target the scan stops; the readings of each level, drawn at their highest:
// the azimuth jitters 0.19 at Expert and 0.02 at Beginner, Expert adds 0.75 m.
TEST_F(MobileAntenna, LockedReadingsOfEachLevel) {
  rig.random.highest = true;
  struct Level {
    int level;
    const char* distance;
    const char* azimuth;
    const char* range;
    const char* heading;
  };
  for (const Level& l : {Level{1, "126.39", "280.22", "126.00", "0.22"},
                         Level{2, "126.39", "280.20", "126.00", "0.20"},
                         Level{3, "127.14", "280.39", "126.75", "0.39"}}) {
    SCOPED_TRACE(l.level);
    level(l.level);
    aim(100.2L, 100);
    t.ScanState = Scan::BetweenLimits;
    t.Timer1.start();
    panel.MenuState = 3;
    t.Timer3Timer();
    EXPECT_EQ(t.ScanState, Scan::Idle);
    EXPECT_FALSE(t.Timer1.Enabled());
    EXPECT_EQ(text(L1), std::string("DIST:       ") + l.distance);
    EXPECT_EQ(text(L2), std::string("AZM:        ") + l.azimuth);
    EXPECT_EQ(text(R3), "100.00");
    EXPECT_EQ(text(R4), l.heading);
    panel.MenuState = 39;
    t.Timer3Timer();
    EXPECT_EQ(text(L1), l.range);
  }
}

// In beam from -2 up to but not 2 degrees, on target from -0.5 up to but not 0.5,
// also either side of north; in beam all three lamps turn red on any page.
TEST_F(MobileAntenna, TheAlignmentWindowsEndWhereTheyShould) {
  struct Case {
    Extended fixAzimuth;
    Extended antenna;
    bool lit;
    Color colour;
  };
  panel.MenuState = 9;
  for (const Case& c :
       {Case{99.5L, 100, true, clLime}, Case{100.45L, 100, true, clLime},
        Case{100.5L, 100, true, clRed}, Case{100.55L, 100, true, clRed},
        Case{99.45L, 100, true, clRed}, Case{98, 100, true, clRed}, Case{101.95L, 100, true, clRed},
        Case{102, 100, false, clRed}, Case{102.5L, 100, false, clRed},
        Case{97.9L, 100, false, clRed}, Case{0.2L, 359.9L, true, clLime},
        Case{1.5L, 359.9L, true, clRed}, Case{358, 0.5L, false, clRed}}) {
    SCOPED_TRACE(::testing::Message() << c.fixAzimuth << " seen, antenna at " << c.antenna);
    aim(c.fixAzimuth, c.antenna);
    fix.ApdStatusLight1.LitColor = clBlue;
    s.InLock = 1;
    t.Timer3Timer();
    EXPECT_EQ(fix.ApdStatusLight1.Lit, c.lit);
    EXPECT_EQ(panel.ApdStatusLight1.Lit, c.lit);
    if (c.lit) {
      EXPECT_EQ(fix.ApdStatusLight1.LitColor, c.colour);
      EXPECT_EQ(panel.ApdStatusLight1.LitColor, c.colour);
    }
    EXPECT_EQ(s.InLock, c.lit && c.colour == clLime ? 1 : 0) << "off target the lock is lost";
  }
}

// Off target the servo reading is 50 with the antenna's sense; out of beam OPERATE
// page 1 has nothing new to show; without the link the antenna is neither in beam
// nor slowed.
TEST_F(MobileAntenna, OffTargetAndWithoutTheLink) {
  aim(105, 100);
  panel.MenuState = 1;
  panel.cell(L3).Caption = "x";
  for (auto [slew, servo] : {std::pair{Slew::Right, "50"}, std::pair{Slew::Left, "-50"},
                             std::pair{Slew::Stopped, "0"}}) {
    t.SlewDirection = slew;
    t.Timer3Timer();
    EXPECT_EQ(s.ServoText, servo);
  }
  EXPECT_EQ(text(L3), "x");

  aim(101, 100);
  s.MobileOperatingMode = text::StandBy;
  t.InBeam = t.SlowSlew = 1;
  s.InLock = 1;
  t.Timer3Timer();
  EXPECT_EQ(t.InBeam, 0);
  EXPECT_EQ(t.SlowSlew, 0);
  EXPECT_EQ(s.InLock, 0);
}

// A range that is no number gives nought metres; the jitter is in hundredths (seen
// here where a hundredth shows in the rounding); a heading of 360 is 0.
TEST_F(MobileAntenna, EdgesOfTheLockedReadings) {
  rig.sim.setupWindow().MaskEdit1.Text = "12x45";
  level(2);
  aim(100, 100);
  panel.MenuState = 3;
  t.Timer3Timer();
  EXPECT_EQ(text(L1), "DIST:       0.00");
  EXPECT_EQ(text(R4), "0.00");
  EXPECT_EQ(rig.sim.bearingWindow().Label1.Caption, "100.00");
  panel.MenuState = 39;
  t.Timer3Timer();
  EXPECT_EQ(text(L1), "0.00");

  rig.random.highest = true;
  rig.sim.setupWindow().MaskEdit1.Text = "00126";
  aim(100.2051L, 100);
  panel.MenuState = 1;
  for (auto [n, azimuth] :
       {std::pair{3, "AZM:        280.40"}, std::pair{1, "AZM:        280.23"}}) {
    level(n);
    t.Timer3Timer();
    EXPECT_EQ(text(L2), azimuth) << "level " << n;
  }
}

}  // namespace
}  // namespace kestrom
