#include "panels/mobile/mobile_enter.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "panels/mobile/mobile_panel.h"
#include "support/tree_walk.h"
#include "testing/fakes.h"
#include "testing/press_keys.h"

namespace kestrom {
namespace {

using enum Cell;
using S = SimulationState;
using Field = std::string S::*;

// The settings ENTER may store into: every field a screen shows, and the few
// that no screen shows.
std::vector<std::pair<Field, std::string>> settings() {
  std::vector<std::pair<Field, std::string>> all(testing::markedFields().begin(),
                                                 testing::markedFields().end());
  for (auto [field, label] : std::initializer_list<std::pair<Field, const char*>>{
           {&S::MobileClockTime, "MobileClockTime"},
           {&S::MobileClockDate, "MobileClockDate"},
           {&S::CounterClockTime, "CounterClockTime"},
           {&S::CounterClockDate, "CounterClockDate"},
           {&S::ReferenceEntry, "ReferenceEntry"}})
    all.emplace_back(field, label);
  return all;
}

// One screen's ENTER: the cells it is given (each cell otherwise shows its own
// name, "1L" .. "4R"), the settings it stores, and EditField after ENTER from
// field 0 and from field 1.
struct Row {
  int screen;
  std::vector<std::pair<Cell, std::string>> shown;
  std::vector<std::pair<Field, std::string>> stores;
  std::array<int, 2> fieldAfter;
};

const std::string kMob = "STAT: M / 3 / 24 / HS / 9";  // the status lines before ENTER
const std::string kFix = "STAT: F / 3 / 24 / HS / 9";
const std::string kLine2 = "   -2  8>N    9>L";
const std::string kPair = "      1: 9300 - 9270";

// clang-format off
const std::vector<Row> kRows = {
    // F/A SELECT.
    {7, {{L3, kPair}}, {{&S::MobileFreqPairText, kPair}, {&S::MobileStatusLine, "STAT: M / 1 / 24 / HS / 9"}}, {0, 1}},
    {73, {{L3, kPair}}, {{&S::MobileFreqPairText, kPair}, {&S::MobileStatusLine, "STAT: M / 1 / 24 / HS / 9"}}, {0, 1}},
    {42, {{L3, kPair}}, {{&S::CounterFreqPairText, kPair}, {&S::FixStatusLine, "STAT: F / 1 / 24 / HS / 9"}}, {0, 1}},
    {8, {{R3, "5"}}, {{&S::MobileAddrSent, "5"}, {&S::CounterAddrReceived, "5"}, {&S::MobileMk3Addr, "5    5    "}, {&S::MobileStatusLine, "STAT: M / 3 /  5 / HS / 9"}}, {0, 1}},
    {43, {{R3, "7"}}, {{&S::CounterAddrSent, "7"}, {&S::MobileAddrReceived, "7"}, {&S::CounterMk3Addr, "7    7    "}, {&S::FixStatusLine, "STAT: F / 3 /  7 / HS / 9"}}, {0, 1}},
    {9, {{R3, "9250"}}, {{&S::MobileMk3FreqOffset, "2R"}}, {1, 0}},
    {44, {{R3, "9250"}}, {{&S::CounterMk3FreqOffset, "2R"}, {&S::CounterFreq, "9250"}}, {1, 0}},

    // LOCATION, with the antenna at 12.25.
    {11, {}, {}, {0, 0}},
    {12, {}, {{&S::MobileScanLimitLeft, "12.25"}, {&S::MobileScanLimitRight, "12.25"}}, {0, 1}},
    {13, {}, {{&S::MobileScanLimitRight, "12.25"}}, {0, 1}},
    {14, {{R3, "10"}, {R4, "20"}}, {{&S::MobileScanLimitLeft, "10"}, {&S::MobileScanLimitRight, "20"}}, {1, 0}},
    {48, {{R3, "10"}, {R4, "20"}}, {{&S::FixScanLimitLeft, "10"}, {&S::FixScanLimitRight, "20"}}, {1, 0}},
    {15, {{R4, "42.5"}}, {{&S::ReferenceEntry, "42.5"}}, {0, 0}},
    {49, {{R4, "42.5"}}, {{&S::ReferenceEntry, "42.5"}}, {0, 0}},
    {46, {{L3, "100.5"}}, {{&S::ReferenceAzimuth, "100.5"}}, {0, 0}},

    // CLOCK, OPR MODE, EXTRA MODES.
    {16, {}, {{&S::MobileClockTime, "2R"}, {&S::MobileClockDate, "4R"}}, {0, 0}},
    {76, {}, {{&S::MobileClockTime, "2R"}, {&S::MobileClockDate, "4R"}}, {0, 0}},
    {50, {}, {{&S::CounterClockTime, "2R"}, {&S::CounterClockDate, "4R"}}, {0, 0}},
    {17, {{L2, text::OpenLoop}}, {{&S::MobileOperatingMode, text::OpenLoop}, {&S::MobileStatusLine, "STAT: M / 3 / 24 / OL / 9"}}, {0, 0}},
    {77, {{L2, text::OpenLoop}}, {{&S::MobileOperatingMode, text::OpenLoop}, {&S::MobileStatusLine, "STAT: M / 3 / 24 / OL / 9"}}, {0, 0}},
    {51, {{L2, text::OpenLoop}}, {{&S::CounterOperatingMode, text::OpenLoop}, {&S::FixStatusLine, "STAT: F / 3 / 24 / OL / 9"}}, {0, 1}},
    {19, {}, {{&S::MobileGainMode, "2L"}, {&S::MobileXmitPower, "3R"}, {&S::MobileXmitRange, "4R"}, {&S::MobileStatusLine2, "   -2  8>R    9>S"}}, {1, 2}},
    {53, {}, {{&S::CounterGainMode, "2L"}, {&S::CounterXmitPower, "3R"}, {&S::CounterXmitRange, "4R"}, {&S::FixStatusLine2, "   -2  8>R    9>S"}}, {1, 1}},
    {20, {}, {{&S::MobileRemoteModify, "2R"}}, {0, 0}},
    {54, {}, {{&S::CounterRemoteModify, "2R"}}, {0, 0}},
    {55, {}, {{&S::AzmFilterAlpha, "2R"}, {&S::AzmFilterBeta, "3R"}}, {1, 0}},

    // COMM SET-UP.
    {22, {}, {{&S::MobileHostSendBaud, "2R"}, {&S::MobileHostRecvBaud, "3R"}, {&S::MobileHostBits, "4L"}, {&S::MobileHostStop, "4R"}}, {1, 2}},
    {57, {}, {{&S::CounterHostSendBaud, "2R"}, {&S::CounterHostRecvBaud, "3R"}, {&S::CounterHostBits, "4L"}, {&S::CounterHostStop, "4R"}}, {1, 2}},
    {23, {}, {{&S::MobilePerSendBaud, "2R"}, {&S::MobilePerRecvBaud, "3R"}, {&S::MobilePerBits, "4L"}, {&S::MobilePerStop, "4R"}}, {1, 2}},
    {58, {}, {{&S::CounterPerSendBaud, "2R"}, {&S::CounterPerRecvBaud, "3R"}, {&S::CounterPerBits, "4L"}, {&S::CounterPerStop, "4R"}}, {1, 2}},
    {24, {}, {{&S::MobileOutTelegram, "3R"}, {&S::MobileInTelegram, "4R"}}, {1, 0}},
    {59, {}, {{&S::CounterOutTelegram, "3R"}, {&S::CounterInTelegram, "4R"}}, {1, 0}},
    {25, {}, {{&S::MobileAlarmSound, "1R"}, {&S::MobileSimulationOutput, "4R"}}, {1, 0}},
    {60, {}, {{&S::CounterAlarmSound, "1R"}, {&S::CounterSimulationOutput, "4R"}}, {1, 0}},
    {26, {}, {{&S::MobileControlByte, "2L"}}, {0, 0}},
    {61, {}, {{&S::CounterControlByte, "2L"}}, {0, 0}},

    // VOLUME, WAKE-UP, CONFIG.
    {27, {}, {{&S::MobileAudioVolume, "3R"}}, {0, 0}},
    {62, {}, {{&S::CounterAudioVolume, "3R"}}, {0, 0}},
    {34, {}, {{&S::MobileClockDay, "3L"}}, {0, 0}},
    {69, {}, {{&S::CounterClockDay, "3L"}}, {0, 0}},
    {35, {}, {}, {0, 0}},
    {70, {}, {}, {0, 0}},
    {71, {}, {{&S::CounterUnitRole, "2L"}, {&S::FixStatusLine, "STAT: M / 3 / 24 / HS / 9"}}, {0, 0}},
    {72, {{L2, text::AsMk3M}}, {{&S::MobileUnitRole, text::AsMk3M}, {&S::MobileGainMode, text::Manual}}, {0, 0}},
    {74, {{R3, "5"}}, {{&S::MobileAddrSent, "5"}, {&S::MobileAddrReceived, "5"}, {&S::MobileStatusLine, "STAT: M / 3 / 05 / HS / 9"}}, {0, 0}},
    {75, {{L4, "270.5"}}, {{&S::AntennaBearingText, "           270.5"}}, {0, 0}},

    // Menus store nothing.
    {0, {}, {}, {0, 1}},
    {10, {}, {}, {0, 1}},
    {36, {}, {}, {0, 1}},
};
// clang-format on

// The Mobile panel with every setting marked and the antenna at 12.25, on
// `screen` with its cells showing their own names and then `shown`: ENTER there
// from EditField `field`.
struct EnterOn {
  testing::Rig rig;
  SimulationState& s = rig.state();
  Tmobile& panel = rig.sim.mobilePanel();
  SimulationState before;

  EnterOn(int screen, const std::vector<std::pair<Cell, std::string>>& shown, int field) {
    const std::array<std::string, 6> lines = {s.MobileStatusLine, s.MobileStatusLine2,
                                              s.FixStatusLine,    s.FixStatusLine2,
                                              s.BeaconStatusLine, s.BeaconStatusLine2};
    for (const auto& [f, label] : settings()) s.*f = label;
    s.MobileStatusLine = lines[0];
    s.MobileStatusLine2 = lines[1];
    s.FixStatusLine = lines[2];
    s.FixStatusLine2 = lines[3];
    s.BeaconStatusLine = lines[4];
    s.BeaconStatusLine2 = lines[5];
    s.AntennaDirection = s.AntennaBearing = 12.25;
    s.FixAzimuth = 30;
    before = s;

    panel.Show();
    panel.enterScreen(screen);
    const char* names[] = {"1L", "1R", "2L", "2R", "3L", "3R", "4L", "4R"};
    int i = 0;
    for (Cell c : {L1, R1, L2, R2, L3, R3, L4, R4}) panel.cell(c).Caption = names[i++];
    for (const auto& [c, text] : shown) panel.cell(c).Caption = text;
    panel.EditField = field;
    testing::pressKeys(panel, "E");
  }
};

// ENTER on each screen stores the cells into the settings of its own side, the
// Mobile's or the counter station's, leaves every other setting as it was and
// leaves EditField where the screen's next entry begins.
TEST(MobileEnterRows, EachScreenStoresIntoItsOwnSideOnly) {
  for (const Row& row : kRows) {
    for (int field : {0, 1}) {
      SCOPED_TRACE(::testing::Message() << "screen " << row.screen << ", EditField " << field);
      auto e = std::make_unique<EnterOn>(row.screen, row.shown, field);
      for (const auto& [f, label] : settings()) {
        std::string expected = e->before.*f;
        for (const auto& [g, value] : row.stores)
          if (g == f) expected = value;
        EXPECT_EQ(e->s.*f, expected) << label;
      }
      EXPECT_EQ(e->panel.EditField, row.fieldAfter[static_cast<std::size_t>(field)]);
    }
  }
}

TEST(MobileEnterRows, ScreensThatActBesidesStoring) {
  {
    SCOPED_TRACE("BEARING SETPOINT turns the antenna the short way");
    EnterOn e(15, {{R4, "42.5"}}, 0);
    EXPECT_EQ(e.panel.Tracking.Setpoint, 42.5L);
    EXPECT_EQ(e.panel.Tracking.SlewDirection, Slew::Right);
    EXPECT_EQ(e.panel.Tracking.AutoTurn, 1);
    EXPECT_EQ(e.rig.dialogs.shown.size(), 0u);
  }
  {
    SCOPED_TRACE("AZIMUTH SETPOINT keeps the set point and asks first");
    EnterOn e(49, {{R4, "42.5"}}, 0);
    EXPECT_EQ(e.panel.Tracking.Setpoint, 42.5L);
    EXPECT_EQ(e.panel.Tracking.SlewDirection, Slew::Stopped);
    EXPECT_EQ(e.panel.Tracking.AutoTurn, 0);
    ASSERT_EQ(e.rig.dialogs.shown.size(), 1u);
    EXPECT_EQ(e.rig.dialogs.shown[0].kind, "warning");
    EXPECT_EQ(e.s.ReciprocalAzimuth, 210);
  }
  {
    SCOPED_TRACE("REF - NUM puts the Fix opposite the reference");
    EnterOn e(46, {{L3, "100.5"}}, 0);
    EXPECT_EQ(e.s.FixAzimuth, 280.5L);
  }
  {
    SCOPED_TRACE("ANTENNA BEARING refuses and clears the entry");
    EnterOn e(11, {}, 1);
    ASSERT_EQ(e.rig.dialogs.shown.size(), 1u);
    EXPECT_EQ(e.rig.dialogs.shown[0].kind, "information");
    EXPECT_EQ(e.panel.cell(R4).Caption, "");
    EXPECT_EQ(e.panel.cell(R3).Caption, "3R");
  }
  {
    SCOPED_TRACE("LEFT SCANLIMIT goes on to RIGHT SCANLIMIT");
    EnterOn e(12, {}, 0);
    EXPECT_EQ(e.panel.MenuState, 13);
    EXPECT_EQ(e.panel.cell(L2).Caption, "RIGHT SCANLIMIT");
  }
  for (int screen : {35, 70}) {
    SCOPED_TRACE(::testing::Message() << "screen " << screen << " switches off");
    EnterOn e(screen, {}, 0);
    EXPECT_FALSE(e.panel.Visible());
  }
  for (int screen : {34, 69}) {
    EnterOn e(screen, {}, 0);
    EXPECT_TRUE(e.panel.Visible()) << screen;
  }
}

}  // namespace
}  // namespace kestrom
