// What the Fix's supervision and refresh write on each page, cell by cell, in each
// state of the link, at each level; and the alignment windows at their edges.

#include <gtest/gtest.h>

#include <array>
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
using Cells = std::array<std::string, kCellCount>;  // 1L..4L, 1R..4R

const std::string kUntouched = "x";
std::string bars(int n) {
  return std::string(static_cast<std::size_t>(n), '\x7f');
}
// The page with every cell untouched but those given.
Cells page(std::initializer_list<std::pair<Cell, std::string>> written) {
  Cells c;
  c.fill(kUntouched);
  for (const auto& [cell, text] : written) c[static_cast<std::size_t>(cell)] = text;
  return c;
}

class FixLiveReadings : public ::testing::Test {
 protected:
  testing::Rig rig;
  Tfix& fix = rig.sim.fixPanel();
  SimulationState& s = rig.state();
  Taiddisplay& aid = rig.sim.aidDisplay();

  void SetUp() override {
    rig.sim.mobilePanel().Tracking.Timer3.stop();  // the Fix's cycles alone
    rig.random.highest = true;
    fix.FixSlewCommand = Slew::Right;
    // The Fix's range set by hand, so that OPERATE page 2 keeps its status line.
    s.CounterGainMode = text::Manual;
    s.CounterXmitRange = text::Short;
    level(2);
  }
  void level(int n) { rig.sim.setupWindow().ComboBox2.ItemIndex = n - 1; }
  // The Fix sees the Mobile at `fixAzimuth`; the Mobile's antenna points at `antenna`.
  void aim(Extended fixAzimuth, Extended antenna) {
    s.FixAzimuth = fixAzimuth;
    s.AntennaDirection = antenna;
  }
  void show(int screen) {
    fix.MenuState = screen;
    for (int i = 0; i < kCellCount; ++i) fix.cell(static_cast<Cell>(i)).Caption = kUntouched;
  }
  Cells cells() {
    Cells c;
    for (int i = 0; i < kCellCount; ++i) c[i] = fix.cell(static_cast<Cell>(i)).Caption;
    return c;
  }
  Cells supervised(int screen) {
    show(screen);
    fix.Tracking.Timer3Timer();
    return cells();
  }
  Cells refreshed(int screen) {
    show(screen);
    fix.Tracking.Timer1Timer();
    return cells();
  }
};

// Drawn at their highest: distance digits 39, azimuth jitter 0.02 (level 1) or 0.19,
// page four's 0.09 (level 1) or 0.02, the expert's extra 0.75 m, signal -40, one bar more.
TEST_F(FixLiveReadings, OnTargetEachPageShowsTheLevelsReadings) {
  struct Level {
    int level;
    const char* distance;
    const char* azimuth;
    const char* pageFour;
    const char* heading;
  };
  for (const Level& l : {Level{1, "126.39", "280.22", "280.29", "0.22"},
                         Level{2, "126.39", "280.39", "280.22", "0.39"},
                         Level{3, "127.14", "280.39", "280.22", "0.39"}}) {
    SCOPED_TRACE(l.level);
    level(l.level);
    aim(100.2L, 100);
    const std::string dist = std::string("DIST:       ") + l.distance;
    const std::string azm = std::string("AZM:        ") + l.azimuth;
    const Cells operate = page({{L1, dist}, {L2, azm}, {L3, "SGNL:  " + bars(11)}, {R3, "-40"}});
    struct Expected {
      int screen;
      Cells cells;
      int inLock;
    };
    for (const Expected& e :
         {Expected{1, operate, 1}, Expected{2, operate, 1}, Expected{38, operate, 1},
          Expected{39, operate, 1},
          Expected{40, page({{L1, dist}, {L2, azm}, {R3, "100.00"}, {R4, l.heading}}), 1},
          Expected{3, page({{L1, l.distance}, {L2, l.azimuth}, {L3, "-40DB " + bars(6)}}), 1},
          Expected{41, page({{L1, l.distance}, {L2, l.pageFour}}), 1},
          Expected{8, page({{L4, "SIGNL : " + bars(13)}}), 0},
          Expected{32, page({{R4, "25     >N"}}), 0}}) {
      SCOPED_TRACE(e.screen);
      s.InLock = 0;
      fix.ApdStatusLight1.LitColor = clRed;
      fix.AidRepaintDone = 1;
      s.FixAidScanMode = Scan::Continuous;
      EXPECT_EQ(supervised(e.screen), e.cells);
      EXPECT_EQ(s.InLock, e.inLock);
      EXPECT_EQ(fix.ApdStatusLight1.LitColor, clLime);
      EXPECT_EQ(aid.ApdStatusLight1.LitColor, clLime);
      EXPECT_TRUE(fix.ApdStatusLight1.Lit);
      EXPECT_TRUE(aid.ApdStatusLight1.Lit);
      EXPECT_EQ(fix.Tracking.FixInBeam, 1);
      EXPECT_EQ(fix.AidRepaintDone, 0);
      EXPECT_EQ(s.FixAidScanMode, Scan::Idle);

      s.InLock = 0;  // the refresh writes the same
      EXPECT_EQ(refreshed(e.screen), e.cells);
      EXPECT_EQ(s.InLock, e.inLock);
      EXPECT_TRUE(aid.InLockLinesShown);
    }
  }
}

// 1.5 degrees off: in beam, the lamp red on the OPERATE pages; 5 degrees off: out of
// beam, the lamp dark. Off target only the OPERATE pages give up the lock.
TEST_F(FixLiveReadings, OffTargetThePagesShowNoDistance) {
  const std::string starred = "DIST:                *";
  for (bool inBeam : {true, false}) {
    SCOPED_TRACE(inBeam);
    aim(inBeam ? 101.5L : 105, 100);
    const std::string azimuth = inBeam ? "281.69" : "285.19";
    const std::string azm = "AZM:        " + azimuth;
    const Cells operate =
        inBeam ? page({{L1, starred}, {L2, azm}, {L3, "SGNL:  " + bars(1)}, {R3, "-70"}})
               : page({{L1, starred}, {L2, azm}});
    struct Expected {
      int screen;
      Cells cells;
      bool dropsLock;
    };
    for (const Expected& e :
         {Expected{1, operate, true}, Expected{2, operate, true}, Expected{38, operate, true},
          Expected{39, operate, true},
          Expected{40, page({{L1, starred}, {L2, azm}, {R3, ""}, {R4, ""}}), false},
          Expected{3, page({{L1, ""}, {L2, azimuth}, {L3, "-83DB"}}), false},
          Expected{41, page({{L1, ""}, {L2, azimuth}}), false},
          Expected{8, page({{L4, "SIGNL : " + bars(2)}}), false},
          Expected{32, page({{R4, (inBeam ? "25" : "50") + std::string("     >N")}}), false}}) {
      SCOPED_TRACE(e.screen);
      s.InLock = 1;
      fix.ApdStatusLight1.LitColor = clLime;
      aid.ApdStatusLight1.LitColor = clLime;
      EXPECT_EQ(supervised(e.screen), e.cells);
      EXPECT_EQ(s.InLock, e.dropsLock ? 0 : 1);
      EXPECT_EQ(fix.Tracking.FixInBeam, inBeam ? 1 : 0);
      EXPECT_EQ(fix.ApdStatusLight1.Lit, inBeam);
      EXPECT_EQ(fix.Panel1Visible, inBeam);
      EXPECT_EQ(aid.ApdStatusLight1.Lit, inBeam);
      EXPECT_EQ(fix.AidRepaintDone, 1);
      // Red is set on the OPERATE pages only, and only in beam.
      const Color colour = e.dropsLock && inBeam ? clRed : clLime;
      EXPECT_EQ(fix.ApdStatusLight1.LitColor, colour);
      EXPECT_EQ(aid.ApdStatusLight1.LitColor, colour);
    }
  }
}

// The refresh between supervisions: in beam as the supervision; out of beam the
// OPERATE pages show the refresh's own signal.
TEST_F(FixLiveReadings, TheRefreshKeepsToTheLastSupervision) {
  aim(100.2L, 100);
  supervised(40);
  aim(100.3L, 100.1L);  // the refresh measures the antenna anew
  aid.Timer2.stop();
  EXPECT_EQ(refreshed(40)[static_cast<int>(R3)], "100.10");
  EXPECT_TRUE(aid.Timer2.Enabled());

  aim(101.5L, 100);
  supervised(1);
  ASSERT_EQ(fix.Tracking.FixInBeam, 1);
  aid.InLockLinesShown = true;
  EXPECT_EQ(refreshed(1), page({{L1, "DIST:                *"},
                                {L2, "AZM:        281.69"},
                                {L3, "SGNL:  " + bars(1)},
                                {R3, "-70"}}));
  EXPECT_FALSE(aid.InLockLinesShown);

  aim(105, 100);
  supervised(1);
  EXPECT_EQ(refreshed(1), page({{L1, "DIST:                *"},
                                {L2, "AZM:        285.19"},
                                {L3, "SGNL:  "},
                                {R3, "-84"}}));
  // In beam again: the azimuth follows, the rest waits for the supervision to see it.
  aim(101.5L, 100);
  EXPECT_EQ(refreshed(1), page({{L1, "DIST:                *"},
                                {L2, "AZM:        281.69"},
                                {L3, "SGNL:  "},
                                {R3, "-84"}}));

  // In AUTOSEARCH the refresh scans on, all round when the limits are equal.
  s.CounterOperatingMode = text::AutoSearch;
  s.FixScanLimitLeft = s.FixScanLimitRight = "300";
  s.FixAidScanMode = Scan::Idle;
  aid.Timer1.stop();
  refreshed(1);
  EXPECT_EQ(s.FixAidScanMode, Scan::Continuous);
  EXPECT_TRUE(aid.Timer1.Enabled());
}

// Each cycle runs once a second on its own timer from the start.
TEST_F(FixLiveReadings, BothCyclesRunEverySecondOnTheirOwn) {
  aim(100.2L, 100);
  fix.Tracking.Timer3.stop();
  show(1);
  rig.advance(999);
  EXPECT_EQ(cells(), page({}));
  rig.advance(1);
  EXPECT_EQ(cells()[static_cast<int>(L2)], "AZM:        280.39") << "the refresh alone";

  testing::Rig other;
  other.sim.mobilePanel().Tracking.Timer3.stop();
  Tfix& fix2 = other.sim.fixPanel();
  fix2.Tracking.Timer1.stop();
  other.state().MobileOperatingMode = text::StandBy;
  other.state().StandbyMatch = 1;
  other.advance(999);
  EXPECT_EQ(other.state().StandbyMatch, 1);
  other.advance(1);
  EXPECT_EQ(other.state().StandbyMatch, 0) << "the supervision alone";
}

// A range that is no number gives a distance of nought; the heading of a Mobile
// seen exactly opposite its antenna is 0, not 360.
TEST_F(FixLiveReadings, EdgesOfTheReadings) {
  rig.sim.setupWindow().MaskEdit1.Text = "12x45";
  aim(100, 100);
  rig.random.script({9, 0, 0});  // distance digits, azimuth and page four jitter
  const Cells c = supervised(40);
  EXPECT_EQ(c[static_cast<int>(L1)], "DIST:       0.00");
  EXPECT_EQ(c[static_cast<int>(L2)], "AZM:        280.00");
  EXPECT_EQ(c[static_cast<int>(R4)], "0.00");
}

// The jitter is in hundredths of a degree: 0.19 and 0.02 at their highest, here
// where a hundredth more or less shows in the rounding.
TEST_F(FixLiveReadings, TheJitterIsInHundredths) {
  rig.sim.setupWindow().MaskEdit1.Text = "00126";
  aim(100.2051L, 100);
  EXPECT_EQ(supervised(1)[static_cast<int>(L2)], "AZM:        280.40");
  EXPECT_EQ(supervised(41)[static_cast<int>(L2)], "280.23");
}

// Without the link every page that shows readings shows none, and nothing is lit.
TEST_F(FixLiveReadings, WithoutTheLinkEachPageShowsItsNotLinkedRow) {
  aim(100, 100);
  s.MobileOperatingMode = text::StandBy;
  const std::string starredDist = "DIST:                *";
  const std::string starredAzm = "AZM:                 *";
  const Cells operate = page({{L1, starredDist}, {L3, "SGNL:  "}, {R3, "-83"}});
  const Cells remote = page({{L1, starredDist}, {L2, starredAzm}, {L3, "SGNL:  "}, {R3, "-83"}});
  struct Expected {
    int screen;
    Cells cells;
  };
  for (const Expected& e :
       {Expected{1, operate}, Expected{2, operate}, Expected{38, remote}, Expected{39, remote},
        Expected{40, page({{L1, starredDist}, {L2, starredAzm}})},
        Expected{3, page({{L1, ""}, {L3, "-83DB"}})}, Expected{41, page({{L1, ""}, {L2, ""}})},
        Expected{8, page({})}, Expected{32, page({})}}) {
    SCOPED_TRACE(e.screen);
    s.InLock = 1;
    s.StandbyMatch = 1;
    fix.Tracking.FixInBeam = 1;
    fix.ApdStatusLight1.Lit = aid.ApdStatusLight1.Lit = fix.Panel1Visible = true;
    EXPECT_EQ(supervised(e.screen), e.cells);
    EXPECT_EQ(s.InLock, 0);
    EXPECT_EQ(s.StandbyMatch, 0);
    EXPECT_EQ(fix.Tracking.FixInBeam, 0);
    EXPECT_FALSE(fix.ApdStatusLight1.Lit);
    EXPECT_FALSE(fix.Panel1Visible);
    EXPECT_FALSE(aid.ApdStatusLight1.Lit);
  }
}

// On target from -0.5 up to but not 0.5 degrees, in beam from -2 up to but not 2, also
// where the two directions lie either side of north.
TEST_F(FixLiveReadings, TheAlignmentWindowsEndWhereTheyShould) {
  struct Case {
    Extended fixAzimuth;
    Extended antenna;
    bool lit;
    Color colour;
  };
  for (const Case& c : {Case{99.5L, 100, true, clLime}, Case{100.45L, 100, true, clLime},
                        Case{100.5L, 100, true, clRed}, Case{100.55L, 100, true, clRed},
                        Case{99.45L, 100, true, clRed}, Case{98, 100, true, clRed},
                        Case{101.95L, 100, true, clRed}, Case{102, 100, false, clRed},
                        Case{102.5L, 100, false, clRed}, Case{97.9L, 100, false, clRed},
                        Case{0.2L, 359.9L, true, clLime}, Case{359.9L, 0.2L, true, clLime},
                        Case{1.5L, 359.9L, true, clRed}, Case{358, 0.5L, false, clRed}}) {
    SCOPED_TRACE(::testing::Message() << c.fixAzimuth << " seen, antenna at " << c.antenna);
    aim(c.fixAzimuth, c.antenna);
    fix.ApdStatusLight1.LitColor = clRed;
    supervised(1);
    EXPECT_EQ(fix.ApdStatusLight1.Lit, c.lit);
    if (c.lit) {
      EXPECT_EQ(fix.ApdStatusLight1.LitColor, c.colour);
    }
  }
}

// The supervision also keeps the pages that follow the antennas, the transmit-range
// letters of OPERATE page 2 and the bearing window up to date.
TEST_F(FixLiveReadings, TheSupervisionUpdatesTheFollowingPages) {
  aim(100, 123.5L);
  s.MobileGainMode = s.CounterGainMode = text::Automatic;
  s.FixStatusLine2 = "fix line";
  s.MobileStatusLine2 = "mobile line";
  EXPECT_EQ(supervised(2)[static_cast<int>(L4)], s.FixStatusLine2);
  EXPECT_EQ(supervised(39)[static_cast<int>(L4)], s.MobileStatusLine2);
  EXPECT_EQ(supervised(15)[static_cast<int>(R3)], "280");  // the Fix antenna
  EXPECT_EQ(supervised(49)[static_cast<int>(R3)], "123.5");
  EXPECT_EQ(rig.sim.bearingWindow().Label1.Caption, "123.50");
  for (int screen : {5, 14, 48}) EXPECT_EQ(supervised(screen), page({})) << "screen " << screen;
  s.MobileGainMode = text::Manual;
  s.FixStatusLine2 = "fix line";
  EXPECT_EQ(supervised(2)[static_cast<int>(L4)], kUntouched);
}

}  // namespace
}  // namespace kestrom
