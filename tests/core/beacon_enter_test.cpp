// What ENTER stores on the Beacon panel's own and remote Mobile screens.

#include <gtest/gtest.h>

#include <string>

#include "panels/beacon/beacon_panel.h"
#include "panels/common/enter_steps.h"
#include "panels/mobile/mobile_panel.h"
#include "setup/setup_window.h"
#include "support/fakes.h"

namespace kestrom {
namespace {

using enum Cell;

class BeaconEnter : public ::testing::Test {
 protected:
  testing::Rig rig;
  Tbeacon& panel = rig.sim.beaconPanel();
  SimulationState& s = rig.state();
  void SetUp() override { rig.sim.setupWindow().RadioButton3Click(); }
  // Puts the panel on a screen with these cells, as the trainee left them.
  void on(int screen, std::initializer_list<std::pair<Cell, const char*>> cells = {}) {
    panel.MenuState = screen;
    for (auto [c, t] : cells) panel.cell(c).Caption = t;
  }
  void enter() { panel.press(PanelKey::Enter); }
  std::size_t messages() const { return rig.dialogs.shown.size(); }
};

TEST_F(BeaconEnter, AddressCodesGiveTheSameMk3AddressOnBothStations) {
  for (auto [code, mk3] :
       {std::pair{"24", "8    8    "}, std::pair{"15", "F    F    "}, std::pair{"16", "0    0    "},
        std::pair{"30", "E    E    "}, std::pair{"31", "F    F    "}}) {
    on(7, {{R3, code}});
    enter();
    EXPECT_EQ(s.CounterMk3Addr, mk3) << code;
    EXPECT_EQ(panel.cell(R4).Caption, mk3);
    EXPECT_EQ(s.CounterAddrSent, code);
    EXPECT_EQ(s.MobileAddrReceived, code);
    on(44, {{R3, code}});
    enter();
    EXPECT_EQ(s.MobileMk3Addr, s.CounterMk3Addr) << code;
    EXPECT_EQ(s.MobileAddrSent, code);
    EXPECT_EQ(s.CounterAddrReceived, code);
  }
  on(7, {{R3, "5"}});
  enter();
  EXPECT_EQ(s.BeaconStatusLine, "STAT: B / 3 / 05 / HS / 9");
  EXPECT_EQ(s.FixStatusLine, "STAT: F / 3 / 24 / HS / 9");  // the Fix is not in this scenario
  on(74, {{R3, "62"}});
  panel.EditField = 1;
  enter();
  EXPECT_EQ(s.CounterAddrSent, "62");
  EXPECT_EQ(s.CounterAddrReceived, "62");
  EXPECT_EQ(s.BeaconStatusLine, "STAT: B / 3 / 62 / HS / 9");
  EXPECT_EQ(panel.EditField, 0);
}

TEST_F(BeaconEnter, ANumberThatIsNoNumberStoresNothing) {
  on(7, {{R3, "2x"}});
  enter();
  EXPECT_EQ(messages(), 1u);
  EXPECT_EQ(s.CounterAddrSent, "24");
  EXPECT_EQ(s.BeaconStatusLine, "STAT: B / 3 / 24 / HS / 9");
  on(8, {{R2, "- 30 MHZ"}, {R3, "9999"}});
  enter();
  EXPECT_EQ(messages(), 2u);
  EXPECT_EQ(s.CounterFreq, "9300");
  EXPECT_FALSE(panel.Ramp.Timer5.Enabled());
}

TEST_F(BeaconEnter, ModesAndGainGoIntoTheBeaconsOwnLines) {
  on(17, {{L2, text::AutoSearch}});
  panel.EditField = 1;
  enter();
  EXPECT_EQ(s.CounterOperatingMode, text::AutoSearch);
  EXPECT_EQ(s.BeaconStatusLine, "STAT: B / 3 / 24 / AS / 9");
  EXPECT_EQ(panel.EditField, 0);

  on(19, {{L2, text::Manual}, {R3, text::Reduced}, {R4, text::Short}});
  enter();
  EXPECT_EQ(s.CounterGainMode, text::Manual);
  EXPECT_EQ(s.BeaconStatusLine2, "   -2  8>R    9>S");
  EXPECT_EQ(s.FixStatusLine2, "   -2  8>N    9>L");
  EXPECT_EQ(s.PowerToggle, 1);
  EXPECT_EQ(s.RangeToggle, 1);

  on(52, {{L2, text::StandBy}});
  enter();
  EXPECT_EQ(s.MobileOperatingMode, text::StandBy);
  EXPECT_EQ(s.MobileStatusLine.substr(19, 2), "SB");
  EXPECT_EQ(s.BeaconStatusLine, "STAT: B / 3 / 24 / AS / 9");

  on(71, {{L2, text::AsMob}});
  s.UnitRoleCycle = 1;
  enter();
  EXPECT_EQ(s.MobileUnitRole, text::AsMob);
  EXPECT_EQ(s.MobileStatusLine[6], 'M');
  EXPECT_EQ(s.BeaconStatusLine[6], 'B');
}

TEST_F(BeaconEnter, BearingSetpointKeepsAnEmptyEntryAndAsksFirst) {
  s.FixAzimuth = 100;
  s.ReciprocalAzimuth = 5;
  rig.dialogs.answer = MessageBoxes::Answer::Cancel;
  on(49, {{R4, ""}});
  panel.EditField = 1;
  enter();
  EXPECT_EQ(s.ReferenceEntry, "");
  EXPECT_EQ(panel.cell(R4).Caption, "0");
  EXPECT_EQ(s.ReciprocalAzimuth, 5);  // Cancel
  EXPECT_EQ(panel.EditField, 0);
  rig.dialogs.answer = MessageBoxes::Answer::Ok;
  on(49, {{R4, "42.5"}});
  enter();
  EXPECT_EQ(s.ReferenceEntry, "42.5");
  EXPECT_EQ(s.ReciprocalAzimuth, 280);  // OK
  ASSERT_EQ(messages(), 2u);
  EXPECT_EQ(rig.dialogs.shown.back().kind, "warning");
  EXPECT_EQ(rig.dialogs.shown.back().text, "If you enter this you will lose lock");
}

TEST_F(BeaconEnter, RemoteScanLimitsLeaveTheThirdFieldAndAntennaTextIsKeptQuietly) {
  on(48, {{R3, "10"}, {R4, "200"}});
  panel.EditField = 2;
  enter();
  EXPECT_EQ(s.MobileScanLimitLeft, "10");
  EXPECT_EQ(s.MobileScanLimitRight, "200");
  EXPECT_EQ(panel.EditField, 1);
  on(47, {{L3, "123"}});
  enter();
  EXPECT_EQ(s.AntennaBearingText, "123");
  EXPECT_EQ(messages(), 0u);
}

TEST_F(BeaconEnter, ScreensWithNothingToStoreOnlyEndTheTyping) {
  const SimulationState before = s;
  for (int screen : {0, 1, 36, 72, 75, 76, 85}) {
    on(screen, {{R3, "12"}, {L2, "X"}});
    enter();
    EXPECT_EQ(panel.KeyCount, 0);
  }
  EXPECT_EQ(s.CounterFreq, before.CounterFreq);
  EXPECT_EQ(s.BeaconStatusLine, before.BeaconStatusLine);
  EXPECT_EQ(s.CounterAddrSent, before.CounterAddrSent);
}

TEST_F(BeaconEnter, PairRampsTenAtATimeAndEndsOnTheBeaconFrequency) {
  on(6, {{L3, "      0: 9200 - 9230"}, {R4, "9300"}});
  enter();
  EXPECT_EQ(s.CounterFreqPairText, "      0: 9200 - 9230");
  EXPECT_EQ(s.BeaconStatusLine[10], '0');
  std::vector<std::string> shown;
  while (panel.Ramp.Timer5.Enabled()) {
    rig.advance(300);
    shown.push_back(panel.cell(R4).Caption);
    EXPECT_EQ(s.CounterFreq, "9230");  // from the first tick on, for the link to see
  }
  EXPECT_EQ(shown,
            (std::vector<std::string>{"9290", "9280", "9270", "9260", "9250", "9240", "9230"}));

  // Already on the pair's frequency: it stays there.
  on(6, {{L3, "      3: 9270 - 9300"}, {R4, "9300"}});
  enter();
  rig.advance(300);
  EXPECT_EQ(panel.cell(R4).Caption, "9300");
  EXPECT_FALSE(panel.Ramp.Timer5.Enabled());
  EXPECT_EQ(s.CounterFreq, "9300");
}

// The Beacon is on the keyed frequency from ENTER on; the bars then say whether it
// lies 30 MHz from the Mobile's, whatever the antenna does.
TEST_F(BeaconEnter, FreqAdjustTakesTheFrequencyAtEnter) {
  s.MobileFreq = "9270";
  for (auto [keyed, bars] : {std::pair{"9300", 13}, std::pair{"9240", 13}, std::pair{"9290", 2}}) {
    SCOPED_TRACE(keyed);
    s.CounterFreq = "9297";
    panel.EditField = 0;
    on(8, {{R2, "+ 30 MHZ"}, {R3, keyed}});
    enter();
    EXPECT_EQ(s.CounterFreq, keyed);
    EXPECT_EQ(s.CounterMk3FreqOffset, "+ 30 MHZ");
    EXPECT_EQ(panel.EditField, 1);
    rig.advance(300);
    EXPECT_FALSE(panel.Ramp.Timer5.Enabled());
    EXPECT_EQ(panel.cell(R3).Caption, keyed);
    EXPECT_EQ(panel.cell(L4).Caption, "SIGNL : " + std::string(bars, '\x7f'));
  }
}

}  // namespace
}  // namespace kestrom
