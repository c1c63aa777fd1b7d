// What ENTER stores on the Fix panel's screens.

#include <gtest/gtest.h>

#include <string>

#include "panels/fix/fix_panel.h"
#include "setup/angles.h"
#include "testing/fakes.h"
#include "testing/press_keys.h"
#include "windows/aid_display.h"

namespace kestrom {
namespace {

using enum Cell;

class FixEnter : public ::testing::Test {
 protected:
  testing::Rig rig;
  Tfix& panel = rig.sim.fixPanel();
  SimulationState& s = rig.state();
  // Puts the panel on a screen with these cells, as the trainee left them.
  void on(int screen, std::initializer_list<std::pair<Cell, const char*>> cells = {}) {
    panel.MenuState = screen;
    for (auto [c, t] : cells) panel.cell(c).Caption = t;
  }
  void enter() { panel.press(PanelKey::Enter); }
  std::size_t messages() const { return rig.dialogs.shown.size(); }
};

TEST_F(FixEnter, HostConnectionStoresAllFourFieldsAndWalksThem) {
  on(23, {{R2, "1200"}, {R3, "2400"}, {L4, "BITS : 7 - E"}, {R4, "STOP : 2    "}});
  for (int expected : {1, 2, 3, 0}) {
    enter();
    EXPECT_EQ(panel.EditField, expected);
    EXPECT_EQ(s.CounterHostSendBaud, "1200");
    EXPECT_EQ(s.CounterHostRecvBaud, "2400");
    EXPECT_EQ(s.CounterHostBits, "BITS : 7 - E");
    EXPECT_EQ(s.CounterHostStop, "STOP : 2    ");
  }
}

TEST_F(FixEnter, GainPowerSetsTheCyclesAndTheStatusLetters) {
  on(19, {{L2, "           MANUAL"}, {R3, "        REDUCED"}, {R4, "        SHORT"}});
  panel.EditField = 2;
  enter();
  EXPECT_EQ(s.CounterGainMode, text::Manual);
  EXPECT_EQ(s.FixStatusLine2, "   -2  8>R    9>S");
  EXPECT_EQ(s.PowerToggle, 1);
  EXPECT_EQ(s.RangeToggle, 1);
  EXPECT_EQ(panel.EditField, 0);
  on(54, {{L2, "           MANUAL"}, {R3, "        NORMAL"}, {R4, "        SHORT"}});
  enter();
  EXPECT_EQ(s.MobileXmitRange, text::Short);
  EXPECT_EQ(s.MobileStatusLine2, "   -2  8>N    9>S");
  EXPECT_EQ(s.FixStatusLine2, "   -2  8>R    9>S");  // the Fix's line untouched
}

TEST_F(FixEnter, EachStationsPagesWriteItsOwnStatusLine) {
  on(43, {{L3, "      1: 9300 - 9270"}});
  enter();
  EXPECT_EQ(s.MobileFreqPairText, "      1: 9300 - 9270");
  EXPECT_EQ(s.MobileStatusLine[10], '1');
  EXPECT_EQ(s.FixStatusLine[10], '3');
  on(52, {{L2, text::StandBy}});
  enter();
  EXPECT_EQ(s.MobileOperatingMode, text::StandBy);
  EXPECT_EQ(s.MobileStatusLine.substr(19, 2), "SB");
  EXPECT_EQ(s.FixStatusLine.substr(19, 2), "HS");
  on(74, {{R3, "5"}});
  enter();
  EXPECT_EQ(s.CounterAddrSent, "5");
  EXPECT_EQ(s.CounterAddrReceived, "5");
  EXPECT_EQ(s.FixStatusLine.substr(14, 2), "05");
  EXPECT_EQ(s.MobileStatusLine.substr(14, 2), "24");
  on(44, {{R3, "20"}});
  enter();
  EXPECT_EQ(s.MobileAddrSent, "20");
  EXPECT_EQ(s.CounterAddrReceived, "20");
  EXPECT_EQ(s.MobileMk3Addr, "4    4    ");
  EXPECT_EQ(s.MobileStatusLine.substr(14, 2), "20");
}

TEST_F(FixEnter, UnitRoleAndModeFollowTheTextsShown) {
  s.UnitRoleCycle = 2;  // the cycle position says nothing: the text shown decides
  on(72, {{L2, text::AsMk3M}});
  enter();
  EXPECT_EQ(s.CounterUnitRole, text::AsMk3M);
  EXPECT_EQ(s.CounterGainMode, text::Manual);
  EXPECT_EQ(s.FixStatusLine[6], 'M');
  on(72, {{L2, text::AsFix}});
  enter();
  EXPECT_EQ(s.FixStatusLine[6], 'F');
  on(71, {{L2, text::AsMk3M}});
  enter();
  EXPECT_EQ(s.MobileUnitRole, text::AsMk3M);
  EXPECT_EQ(s.MobileGainMode, text::Automatic);  // only the Fix's own page sets manual
}

TEST_F(FixEnter, ReferenceAzimuthTakesACommaAndKeepsTheAzimuthOnTheCircle) {
  on(14, {{L3, "             123,456"}});
  enter();
  EXPECT_EQ(s.ReferenceAzimuth, "             123,456");
  EXPECT_NEAR(static_cast<double>(s.FixAzimuth), 303.456, 1e-9);
  on(78, {{L3, "          359.992"}});
  enter();
  EXPECT_NEAR(static_cast<double>(s.FixAzimuth), 179.992, 1e-9);
  on(78, {{L3, "          abc"}});
  enter();
  EXPECT_EQ(messages(), 1u);
  EXPECT_NEAR(static_cast<double>(s.FixAzimuth), 179.992, 1e-9);
}

TEST_F(FixEnter, AimedLimitsAreTheFixAntennasDirection) {
  s.FixAzimuth = 70.125L;   // the antenna points at 250.125
  s.AntennaDirection = 10;  // the Mobile's antenna does not count
  on(11);
  enter();
  EXPECT_EQ(s.FixScanLimitLeft, "250.13");
  EXPECT_EQ(panel.MenuState, 15);
  EXPECT_EQ(panel.cell(L2).Caption, "RIGHT SCANLIMIT");
  s.FixAzimuth = 100;
  enter();
  EXPECT_EQ(s.FixScanLimitRight, "280.00");
  s.FixAzimuth = 260;  // the configuration run's pages: the same frame
  on(75);
  enter();
  EXPECT_EQ(s.FixScanLimitLeft, "80.00");
  on(76);
  enter();
  EXPECT_EQ(s.FixScanLimitRight, "80.00");
}

TEST_F(FixEnter, SetpointTurnsTheShorterWay) {
  struct Case {
    const char* setpoint;
    Extended direction;
    Slew turn;
  };
  for (const Case& c : {Case{"010.0", 350, Slew::Right}, Case{"340.0", 350, Slew::Left},
                        Case{"100.0", 90, Slew::Right}, Case{"370.0", 20, Slew::Left}}) {
    SCOPED_TRACE(c.setpoint);
    s.FixAzimuth = bearingOf(c.direction - 180);
    on(13, {{R4, c.setpoint}});
    enter();
    EXPECT_EQ(panel.FixSlewCommand, c.turn);
    EXPECT_EQ(panel.FixAutoTurn, 1);
    EXPECT_TRUE(rig.sim.aidDisplay().Timer1.Enabled());
    EXPECT_EQ(s.ReferenceEntry, c.setpoint);
  }
  EXPECT_EQ(panel.FixSetpoint, 10);  // reduced by 360
  on(13, {{R4, ""}});                // an untouched set point is 0
  enter();
  EXPECT_EQ(panel.cell(R4).Caption, "0");
  EXPECT_EQ(panel.FixSetpoint, 0);
}

TEST_F(FixEnter, BearingSetpointAsksAndAntennaBearingIsNotUsed) {
  s.FixAzimuth = 100;
  s.ReciprocalAzimuth = 1;
  rig.dialogs.answer = MessageBoxes::Answer::Cancel;
  on(49, {{R4, "045.0"}});
  enter();
  EXPECT_EQ(rig.dialogs.shown.back().text, "If you enter this you will lose lock");
  EXPECT_EQ(s.ReciprocalAzimuth, 1);
  EXPECT_EQ(panel.FixSetpoint, 45);
  rig.dialogs.answer = MessageBoxes::Answer::Ok;
  enter();
  EXPECT_EQ(s.ReciprocalAzimuth, 280);
  on(47, {{L3, "           123.4"}});
  enter();
  EXPECT_EQ(s.AntennaBearingText, "           123.4");
  EXPECT_EQ(rig.dialogs.shown.back().text, "For simulation purpose this value is not used");
}

TEST_F(FixEnter, AutosearchDrawsTheSectorAndTurnsToTheLeftLimit) {
  s.FixScanLimitLeft = "200";
  s.FixScanLimitRight = "250";
  s.FixAzimuth = 50;  // the antenna at 230
  on(17, {{L2, text::AutoSearch}});
  enter();
  EXPECT_EQ(s.CounterOperatingMode, text::AutoSearch);
  EXPECT_EQ(s.FixStatusLine.substr(19, 2), "AS");
  EXPECT_EQ(s.FixAutosearchDisplay, 1);
  EXPECT_EQ(s.FixAidScanMode, Scan::BetweenLimits);
  EXPECT_EQ(panel.FixSlewCommand, Slew::Left);
  EXPECT_TRUE(rig.sim.aidDisplay().Timer1.Enabled());
  EXPECT_TRUE(rig.sim.aidDisplay().sectorArc().has_value());

  s.FixScanLimitRight = "200";  // equal limits: it turns on and on
  enter();
  EXPECT_EQ(s.FixAidScanMode, Scan::Continuous);

  on(17, {{L2, text::HandSearch}});
  enter();
  EXPECT_EQ(s.FixAutosearchDisplay, 0);
  EXPECT_EQ(s.FixAidScanMode, Scan::Idle);
  EXPECT_FALSE(rig.sim.aidDisplay().Timer1.Enabled());
  EXPECT_FALSE(rig.sim.aidDisplay().sectorArc().has_value());
}

TEST_F(FixEnter, NumbersThatCannotBeReadStoreNothing) {
  on(7, {{R3, ""}});
  enter();
  EXPECT_EQ(messages(), 1u);
  EXPECT_EQ(s.CounterAddrSent, "24");
  on(12, {{R3, "100"}, {R4, "x"}});
  enter();
  EXPECT_EQ(messages(), 2u);
  EXPECT_EQ(s.FixScanLimitLeft, "0");
  on(45, {{R2, "+ 30 MHZ"}, {R3, "93"}});
  enter();
  EXPECT_EQ(messages(), 3u);
  EXPECT_EQ(s.MobileMk3FreqOffset, "+ 30 MHZ");
  EXPECT_EQ(s.MobileFreq, "9270");
  on(45, {{R2, "- 30 MHZ"}, {R3, "9240"}});
  enter();
  EXPECT_EQ(s.MobileMk3FreqOffset, "- 30 MHZ");
  EXPECT_EQ(s.MobileFreq, "9240");
  EXPECT_EQ(panel.EditField, 1);
}

}  // namespace
}  // namespace kestrom
