#include "setup/setup_window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "panels/beacon/beacon_panel.h"
#include "panels/common/enter_steps.h"
#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "setup/link_evaluation.h"
#include "testing/fakes.h"
#include "windows/about_box.h"
#include "windows/aid_display.h"
#include "windows/bearing_window.h"
#include "windows/distance_adjust.h"
#include "windows/mk3_unit.h"
#include "windows/prescreen.h"

namespace kestrom {
namespace {

using testing::Rig;
using S = SimulationState;

struct IntField {
  const char* name;
  std::int32_t S::*field;
};
struct TextField {
  const char* name;
  std::string S::*field;
};

// Fields a reset assigns.
const IntField kResetInts[] = {
    {"OutputTelegramType", &S::OutputTelegramType},
    {"FrequencyMatch", &S::FrequencyMatch},
    {"StationTypeMatch", &S::StationTypeMatch},
    {"StandbyMatch", &S::StandbyMatch},
    {"InLock", &S::InLock},
    {"FixAutosearchDisplay", &S::FixAutosearchDisplay},
    {"MobileScanDrawPhase", &S::MobileScanDrawPhase},
    {"FrequencyPairNo", &S::FrequencyPairNo},
    {"OperatingModeCycle", &S::OperatingModeCycle},
    {"RangeToggle", &S::RangeToggle},
    {"PowerToggle", &S::PowerToggle},
    {"GainToggle", &S::GainToggle},
    {"RemoteModifyToggle", &S::RemoteModifyToggle},
    {"HostSendBaudCycle", &S::HostSendBaudCycle},
    {"HostRecvBaudCycle", &S::HostRecvBaudCycle},
    {"HostBitsCycle", &S::HostBitsCycle},
    {"HostStopCycle", &S::HostStopCycle},
    {"PerBitsCycle", &S::PerBitsCycle},
    {"PerStopCycle", &S::PerStopCycle},
    {"OutTelegramCycle", &S::OutTelegramCycle},
    {"InTelegramCycle", &S::InTelegramCycle},
    {"AlarmSoundCycle", &S::AlarmSoundCycle},
    {"SimulationOutputCycle", &S::SimulationOutputCycle},
    {"UnitRoleCycle", &S::UnitRoleCycle},
};

const TextField kResetTexts[] = {
    {"MobileAddrReceived", &S::MobileAddrReceived},
    {"CounterAddrReceived", &S::CounterAddrReceived},
    {"MobileAddrSent", &S::MobileAddrSent},
    {"CounterAddrSent", &S::CounterAddrSent},
    {"MobileMk3Addr", &S::MobileMk3Addr},
    {"CounterMk3Addr", &S::CounterMk3Addr},
    {"MobileMk3FreqOffset", &S::MobileMk3FreqOffset},
    {"CounterMk3FreqOffset", &S::CounterMk3FreqOffset},
    {"MobileFreq", &S::MobileFreq},
    {"CounterFreq", &S::CounterFreq},
    {"MobileFreqPairText", &S::MobileFreqPairText},
    {"CounterFreqPairText", &S::CounterFreqPairText},
    {"MobileOperatingMode", &S::MobileOperatingMode},
    {"CounterOperatingMode", &S::CounterOperatingMode},
    {"MobileGainMode", &S::MobileGainMode},
    {"CounterGainMode", &S::CounterGainMode},
    {"MobileXmitRange", &S::MobileXmitRange},
    {"CounterXmitRange", &S::CounterXmitRange},
    {"MobileXmitPower", &S::MobileXmitPower},
    {"CounterXmitPower", &S::CounterXmitPower},
    {"MobileRemoteModify", &S::MobileRemoteModify},
    {"CounterRemoteModify", &S::CounterRemoteModify},
    {"MobileHostSendBaud", &S::MobileHostSendBaud},
    {"CounterHostSendBaud", &S::CounterHostSendBaud},
    {"MobileHostRecvBaud", &S::MobileHostRecvBaud},
    {"CounterHostRecvBaud", &S::CounterHostRecvBaud},
    {"MobileHostBits", &S::MobileHostBits},
    {"CounterHostBits", &S::CounterHostBits},
    {"MobileHostStop", &S::MobileHostStop},
    {"CounterHostStop", &S::CounterHostStop},
    {"MobilePerSendBaud", &S::MobilePerSendBaud},
    {"CounterPerSendBaud", &S::CounterPerSendBaud},
    {"MobilePerRecvBaud", &S::MobilePerRecvBaud},
    {"CounterPerRecvBaud", &S::CounterPerRecvBaud},
    {"MobilePerBits", &S::MobilePerBits},
    {"CounterPerBits", &S::CounterPerBits},
    {"MobilePerStop", &S::MobilePerStop},
    {"CounterPerStop", &S::CounterPerStop},
    {"MobileOutTelegram", &S::MobileOutTelegram},
    {"CounterOutTelegram", &S::CounterOutTelegram},
    {"MobileInTelegram", &S::MobileInTelegram},
    {"CounterInTelegram", &S::CounterInTelegram},
    {"MobileSimulationOutput", &S::MobileSimulationOutput},
    {"CounterSimulationOutput", &S::CounterSimulationOutput},
    {"MobileAlarmSound", &S::MobileAlarmSound},
    {"CounterAlarmSound", &S::CounterAlarmSound},
    {"MobileAudioVolume", &S::MobileAudioVolume},
    {"CounterAudioVolume", &S::CounterAudioVolume},
    {"MobileClockTime", &S::MobileClockTime},
    {"CounterClockTime", &S::CounterClockTime},
    {"MobileClockDate", &S::MobileClockDate},
    {"CounterClockDate", &S::CounterClockDate},
    {"MobileClockDay", &S::MobileClockDay},
    {"CounterClockDay", &S::CounterClockDay},
    {"MobileControlByte", &S::MobileControlByte},
    {"CounterControlByte", &S::CounterControlByte},
    {"MobileUnitRole", &S::MobileUnitRole},
    {"CounterUnitRole", &S::CounterUnitRole},
    {"AntennaBearingText", &S::AntennaBearingText},
    {"ReferenceAzimuth", &S::ReferenceAzimuth},
    {"AzmFilterAlpha", &S::AzmFilterAlpha},
    {"AzmFilterBeta", &S::AzmFilterBeta},
    {"MobileScanLimitLeft", &S::MobileScanLimitLeft},
    {"MobileScanLimitRight", &S::MobileScanLimitRight},
    {"FixScanLimitLeft", &S::FixScanLimitLeft},
    {"FixScanLimitRight", &S::FixScanLimitRight},
    {"ServoText", &S::ServoText},
    {"MobileStationCode", &S::MobileStationCode},
    {"MobileMk3FreqText", &S::MobileMk3FreqText},
    {"MobileStationAddrText", &S::MobileStationAddrText},
    {"MobileStatusLine", &S::MobileStatusLine},
    {"MobileStatusLine2", &S::MobileStatusLine2},
    {"FixStatusLine", &S::FixStatusLine},
    {"FixStatusLine2", &S::FixStatusLine2},
    {"BeaconStatusLine", &S::BeaconStatusLine},
    {"BeaconStatusLine2", &S::BeaconStatusLine2},
};

// Fields a reset never touches.
const IntField kKeptInts[] = {
    {"ShuttleTankerSoftware", &S::ShuttleTankerSoftware},
    {"RangeJitter", &S::RangeJitter},
    {"AddressMatch", &S::AddressMatch},
    {"RangeModeMatch", &S::RangeModeMatch},
    {"PerSendBaudCycle", &S::PerSendBaudCycle},
    {"PerRecvBaudCycle", &S::PerRecvBaudCycle},
};
const TextField kKeptTexts[] = {
    {"RangeText", &S::RangeText},
    {"ReferenceEntry", &S::ReferenceEntry},
};
Extended S::*const kKeptReals[] = {&S::Distance, &S::ReciprocalAzimuth, &S::AntennaDirection,
                                   &S::AntennaBearing};

void scramble(S& s) {
  for (const auto& f : kResetInts) s.*f.field = 77;
  for (const auto& f : kKeptInts) s.*f.field = 77;
  for (const auto& f : kResetTexts) s.*f.field = "junk";
  for (const auto& f : kKeptTexts) s.*f.field = "junk";
  for (auto f : kKeptReals) s.*f = 12.5;
  s.CounterStationKind = static_cast<CounterKind>(77);  // reset
  s.FixAidScanMode = static_cast<Scan>(77);             // kept
  s.FixAzimuth = 400;
}

TEST(SetupReset, AssignsEveryResetValueAndKeepsTheRest) {
  Rig rig;
  Tmenumain& w = rig.sim.setupWindow();
  // Controls the reset leaves alone, set away from their start values.
  w.MaskEdit1Change("04321");
  w.ComboBox1.ItemIndex = 2;
  w.CheckBox2Click(true);
  w.ComboBox3.ItemIndex = 4;
  w.MaskEdit2.Text = "9200";
  w.ComboBox5.ItemIndex = 0;
  w.ComboBox2.ItemIndex = 2;
  w.Beacon1.Enabled = true;
  scramble(rig.state());

  w.ResetParameters1Click();

  // Every field the reset assigns is as the program starts (counter station Mk 4
  // fix, the clock's time), whatever it held before.
  Rig fresh;
  const S& s = rig.state();
  for (const auto& f : kResetInts) EXPECT_EQ(s.*f.field, fresh.state().*f.field) << f.name;
  for (const auto& f : kResetTexts) EXPECT_EQ(s.*f.field, fresh.state().*f.field) << f.name;
  for (const auto& f : kKeptInts) EXPECT_EQ(s.*f.field, 77) << f.name;
  for (const auto& f : kKeptTexts) EXPECT_EQ(s.*f.field, "junk") << f.name;
  for (auto f : kKeptReals) EXPECT_EQ(s.*f, 12.5);
  EXPECT_EQ(static_cast<int>(s.CounterStationKind), 0);
  EXPECT_EQ(static_cast<int>(s.FixAidScanMode), 77);
  EXPECT_GE(s.FixAzimuth, 180);  // drawn for sector 3
  EXPECT_LT(s.FixAzimuth, 270);

  EXPECT_EQ(w.ComboBox2.ItemIndex, 0);
  EXPECT_EQ(w.Level(), 1);
  EXPECT_FALSE(w.Beacon1.Enabled);
  EXPECT_EQ(w.MaskEdit1.Text, "04321");
  EXPECT_EQ(w.ComboBox1.ItemIndex, 2);
  EXPECT_TRUE(w.CheckBox2.Checked);
  EXPECT_EQ(w.ComboBox3.ItemIndex, 4);
  EXPECT_EQ(w.MaskEdit2.Text, "9200");
  EXPECT_EQ(w.ComboBox5.ItemIndex, 0);
  EXPECT_TRUE(w.RadioButton4.Checked);
}

TEST(SetupReset, StartStateOfTheControlsAndMenus) {
  Rig rig;
  Tmenumain& w = rig.sim.setupWindow();
  EXPECT_TRUE(w.RadioButton4.Checked);
  EXPECT_FALSE(w.RadioButton1.Checked || w.RadioButton2.Checked || w.RadioButton3.Checked);
  ASSERT_EQ(w.ComboBox3.Items.size(), 16u);
  // Every Mk 3 address as the panels write it for the codes 0..15.
  for (long code = 0; code < 16; ++code)
    EXPECT_EQ(w.ComboBox3.Items[static_cast<std::size_t>(code)], entry::mk3Address(code));
  EXPECT_EQ(w.ComboBox3.ItemIndex, 9);
  EXPECT_EQ(w.MaskEdit2.Text, "9300");
  EXPECT_EQ(w.ComboBox5.Text(), "- 30 MHZ");
  EXPECT_EQ(w.MaskEdit1.Text, "00126");
  EXPECT_EQ(w.ComboBox1.Text(), "1");
  EXPECT_EQ(w.ComboBox2.Text(), "1 (Beginner)");
  EXPECT_FALSE(w.ComboBox3.Enabled || w.MaskEdit2.Enabled || w.ComboBox5.Enabled);
  EXPECT_TRUE(w.AzimuthFrozenAlarm1.Checked);
  EXPECT_FALSE(w.LowBatteryAlarm1.Checked);
  EXPECT_FALSE(w.Status1.Visible);
  EXPECT_TRUE(w.Fix1.Enabled && w.Mobile1.Enabled && w.FixAIDDisplay1.Enabled);
  EXPECT_FALSE(w.Beacon1.Enabled);
  EXPECT_TRUE(w.AlignmentFixStation1.Enabled);
  EXPECT_EQ(w.Width, 200);
  EXPECT_EQ(w.Height, 45);
  EXPECT_EQ(w.Caption(), "Kestrom Simulation");
  EXPECT_GE(rig.state().FixAzimuth, 0);
  EXPECT_LT(rig.state().FixAzimuth, 90);
}

using EndRig = testing::OfflineRig<testing::EndRandom>;

TEST(SetupSector, DrawsReachTheEndsOfEachSector) {
  EndRig rig;
  Tmenumain& w = rig.sim.setupWindow();
  const double resetTop[] = {88.98, 178.98, 268.98, 357.98};
  const double changeTop[] = {90.999, 180, 270, 359};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i + 1);
    rig.random.top = true;
    w.ComboBox1.ItemIndex = i;
    w.ResetParameters1Click();
    EXPECT_DOUBLE_EQ(rig.sim.state().FixAzimuth, resetTop[i]);
    w.ComboBox1Change(i);
    EXPECT_DOUBLE_EQ(rig.sim.state().FixAzimuth, changeTop[i]);
    rig.random.top = false;
    w.ResetParameters1Click();
    EXPECT_DOUBLE_EQ(rig.sim.state().FixAzimuth, 90.0 * i);
    w.ComboBox1Change(i);
    EXPECT_DOUBLE_EQ(rig.sim.state().FixAzimuth, 90.0 * i);
  }
}

TEST(SetupSector, SeededDrawsStayInsideTheirSector) {
  Rig rig;
  Tmenumain& w = rig.sim.setupWindow();
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i + 1);
    double lo = 1e9, hi = -1e9;
    for (int n = 0; n < 2000; ++n) {
      w.ComboBox1.ItemIndex = i;
      w.ResetParameters1Click();
      double a = rig.state().FixAzimuth;
      EXPECT_GE(a, 90.0 * i);
      EXPECT_LE(a, 90.0 * i + (i == 3 ? 87.98 : 88.98));
      w.ComboBox1Change(i);
      a = rig.state().FixAzimuth;
      lo = std::min(lo, a);
      hi = std::max(hi, a);
    }
    if (i == 0) {
      EXPECT_LT(lo, 1.0);  // whole degrees plus a fraction
      EXPECT_GT(hi, 90.0);
      EXPECT_LT(hi, 91.0);
    } else {
      EXPECT_EQ(lo, 90.0 * i);
      EXPECT_EQ(hi, i == 3 ? 359.0 : 90.0 * (i + 1));
    }
  }
}

TEST(SetupSector, ResetWithAnUnknownSectorTextKeepsOnlyTheHundredths) {
  Rig rig;
  Tmenumain& w = rig.sim.setupWindow();
  w.ComboBox1.ItemIndex = -1;
  rig.random.script({57});
  w.ResetParameters1Click();
  EXPECT_DOUBLE_EQ(rig.state().FixAzimuth, 0.57);
}

struct StationCase {
  const char* name;
  void (Tmenumain::*click)();
  CheckBox Tmenumain::*button;
  int kind;
  const char* role;
  const char* gain;
  const char* xmit;
  bool aid, beacon, fix, mk3;
};

const StationCase kStations[] = {
    {"Mk4Fix", &Tmenumain::RadioButton4Click, &Tmenumain::RadioButton4, 0, "       AS  FIX",
     "           AUTOMATIC", "        LONG", true, false, true, false},
    {"Mk3Fix", &Tmenumain::RadioButton2Click, &Tmenumain::RadioButton2, 1, "       AS  MK3F",
     "           MANUAL", "        SHORT", false, false, false, true},
    {"Mk4Beacon", &Tmenumain::RadioButton3Click, &Tmenumain::RadioButton3, 2, "       AS  BEACON",
     "           AUTOMATIC", "        LONG", false, true, false, false},
    {"Mk3Beacon", &Tmenumain::RadioButton1Click, &Tmenumain::RadioButton1, 3, "       AS  BCN3",
     "           MANUAL", "        LONG", false, false, false, true},
};

TEST(SetupCounterStation, EachChoiceResetsAndSetsItsStationAndMenus) {
  for (const StationCase& c : kStations) {
    SCOPED_TRACE(c.name);
    Rig rig;
    Tmenumain& w = rig.sim.setupWindow();
    rig.sim.fixPanel().Show();
    rig.state().MobileFreq = "junk";
    rig.state().MobileMk3FreqOffset = "junk";

    (w.*c.click)();

    const S& s = rig.state();
    EXPECT_EQ(s.MobileFreq, "9270");  // everything reset
    EXPECT_EQ(static_cast<int>(s.CounterStationKind), c.kind);
    EXPECT_EQ(s.CounterUnitRole, c.role);
    EXPECT_EQ(s.CounterGainMode, c.gain);
    EXPECT_EQ(s.CounterXmitRange, c.xmit);
    EXPECT_EQ(s.MobileMk3FreqOffset, "+ 30 MHZ");
    EXPECT_EQ(rig.sim.fixPanel().Visible(), c.kind == 0);
    EXPECT_EQ(w.FixAIDDisplay1.Enabled, c.aid);
    EXPECT_EQ(w.Beacon1.Enabled, c.beacon);
    EXPECT_EQ(w.Fix1.Enabled, c.fix);
    EXPECT_TRUE(w.Mobile1.Enabled);
    EXPECT_EQ(w.ComboBox3.Enabled, c.mk3);
    EXPECT_EQ(w.MaskEdit2.Enabled, c.mk3);
    EXPECT_EQ(w.ComboBox5.Enabled, c.mk3);
    for (const StationCase& other : kStations) {
      EXPECT_EQ((w.*other.button).Checked, &other == &c) << other.name;
    }

    // "Reset Parameters" keeps the chosen station's own values and menus.
    rig.state().CounterUnitRole = "junk";
    w.ResetParameters1Click();
    EXPECT_EQ(static_cast<int>(s.CounterStationKind), c.kind);
    EXPECT_EQ(s.CounterUnitRole, c.role);
    EXPECT_EQ(s.CounterGainMode, c.gain);
    EXPECT_EQ(w.Beacon1.Enabled, c.beacon);
    EXPECT_EQ(w.Fix1.Enabled, c.fix);
  }
}

TEST(SetupCounterStation, OnlyAMk4BeaconHasABeaconPanel) {
  Rig rig;
  Tmenumain& w = rig.sim.setupWindow();
  w.RadioButton3Click();
  EXPECT_TRUE(w.Beacon1.Enabled);
  w.Beacon1Click();
  EXPECT_TRUE(rig.sim.beaconPanel().Visible());
  w.RadioButton1Click();  // a Mk 3 beacon: the Mk 4 beacon's panel closes
  EXPECT_FALSE(w.Beacon1.Enabled);
  EXPECT_FALSE(rig.sim.beaconPanel().Visible());
}

TEST(SetupScenario, Mk3SettingsAndShuttleTankerReachTheRecord) {
  Rig rig;
  Tmenumain& w = rig.sim.setupWindow();
  w.RadioButton2Click();
  w.ComboBox3Change(15);
  EXPECT_EQ(rig.state().CounterMk3Addr, "F    F    ");
  w.ComboBox3Change(10);
  EXPECT_EQ(rig.state().CounterMk3Addr, "A    A    ");
  w.ComboBox5Change(0);
  EXPECT_EQ(rig.state().CounterMk3FreqOffset, "+ 30 MHZ");
  w.CheckBox2Click(true);
  EXPECT_EQ(rig.state().ShuttleTankerSoftware, 1);
  w.CheckBox2Click(false);
  EXPECT_EQ(rig.state().ShuttleTankerSoftware, 0);
}

// Typing "9", "93", ... into the Mk 3 "Freq." edit: the frequency counts once the
// entry ends, and only a frequency of the Mk 3 band.
TEST(SetupScenario, Mk3FrequencyIsStoredWhenTheEntryEnds) {
  Rig rig;
  Tmenumain& w = rig.sim.setupWindow();
  w.RadioButton2Click();  // Mk 3 fix: the Mobile 30 MHz below it (9270 to 9300)
  auto frequenciesFit = [&] { return evaluateLink(rig.state(), 3, 100).FrequencyMatch == 1; };
  ASSERT_TRUE(frequenciesFit());
  for (const char* typed : {"", "9", "93", "933", "9330"}) {
    EXPECT_TRUE(w.MaskEdit2Change(typed)) << typed;
    EXPECT_EQ(rig.state().CounterFreq, "9300") << typed;
    EXPECT_TRUE(frequenciesFit()) << typed;
  }
  EXPECT_FALSE(w.MaskEdit2Change("93a0"));
  EXPECT_FALSE(w.MaskEdit2Change("93300"));
  EXPECT_EQ(w.MaskEdit2.Text, "9330");
  w.MaskEdit2Exit();
  EXPECT_EQ(rig.state().CounterFreq, "9330");
  EXPECT_FALSE(frequenciesFit());
  EXPECT_TRUE(rig.dialogs.shown.empty());

  // Short, empty or out of the band: a message, and the last good value stays.
  struct Bad {
    const char* typed;
    const char* message;
  };
  const Bad bad[] = {
      {"93", "The frequency \"93\" is not valid: enter four digits from 9200 to 9399."},
      {"9400", "The frequency \"9400\" is not valid: enter four digits from 9200 to 9399."},
      {"9199", "The frequency \"9199\" is not valid: enter four digits from 9200 to 9399."},
      {"", "No frequency was entered: enter four digits from 9200 to 9399."},
  };
  for (const Bad& b : bad) {
    rig.dialogs.shown.clear();
    ASSERT_TRUE(w.MaskEdit2Change(b.typed));
    w.MaskEdit2Exit();
    ASSERT_EQ(rig.dialogs.shown.size(), 1u) << b.typed;
    EXPECT_EQ(rig.dialogs.shown[0].kind, "error");
    EXPECT_EQ(rig.dialogs.shown[0].text, b.message);
    EXPECT_EQ(rig.state().CounterFreq, "9330") << b.typed;
    EXPECT_EQ(w.MaskEdit2.Text, "9330") << b.typed;
  }
  // The band's ends are frequencies; an entry that ends twice is stored once.
  rig.dialogs.shown.clear();
  for (const char* edge : {"9200", "9399"}) {
    w.MaskEdit2Change(edge);
    w.MaskEdit2Exit();
    w.MaskEdit2Exit();
    EXPECT_EQ(rig.state().CounterFreq, edge);
  }
  EXPECT_TRUE(rig.dialogs.shown.empty());

  // Disabled for a Mk 4 counter station: no input, no message.
  w.RadioButton4Click();
  rig.state().CounterFreq = "9300";
  EXPECT_FALSE(w.MaskEdit2Change("9250"));
  w.MaskEdit2Exit();
  EXPECT_EQ(rig.state().CounterFreq, "9300");
  EXPECT_TRUE(rig.dialogs.shown.empty());
}

TEST(SetupScenario, RangeKeepsFiveDigits) {
  Rig rig;
  Tmenumain& w = rig.sim.setupWindow();
  for (const char* bad : {"12a", "-1", "1 2", "123456", "1.5"}) {
    EXPECT_FALSE(w.MaskEdit1Change(bad)) << bad;
    EXPECT_EQ(w.RangeDigits(), "00126");
  }
  EXPECT_TRUE(w.MaskEdit1Change("42"));
  EXPECT_EQ(w.RangeDigits(), "42");
  w.MaskEdit1Exit();
  EXPECT_EQ(w.RangeDigits(), "00042");
  EXPECT_TRUE(w.MaskEdit1Change(""));
  w.MaskEdit1Exit();
  EXPECT_EQ(w.RangeDigits(), "00000");
  EXPECT_TRUE(w.MaskEdit1Change("99999"));
  w.MaskEdit1Exit();
  EXPECT_EQ(w.RangeDigits(), "99999");
}

TEST(SetupLevel, LevelsSetTheAlarmTimersAndMenus) {
  Rig rig;
  Tmenumain& w = rig.sim.setupWindow();
  w.Azimuthwindow1Click();
  ASSERT_TRUE(rig.sim.bearingWindow().Visible());

  w.ComboBox2Change(1);
  EXPECT_EQ(w.Level(), 2);
  EXPECT_FALSE(w.Azimuthwindow1.Enabled);
  EXPECT_FALSE(w.Azimuthwindow1.Checked);
  EXPECT_FALSE(rig.sim.bearingWindow().Visible());
  EXPECT_FALSE(w.FixAIDDisplay1.Enabled);
  EXPECT_TRUE(w.Timer3.Enabled());
  EXPECT_EQ(w.Timer2.Interval(), 900000);

  w.ComboBox2Change(0);
  EXPECT_TRUE(w.Azimuthwindow1.Enabled);
  EXPECT_TRUE(w.FixAIDDisplay1.Enabled);
  EXPECT_FALSE(w.Timer3.Enabled());
  EXPECT_EQ(w.Timer2.Interval(), 900000);

  w.ComboBox2Change(2);
  EXPECT_EQ(w.Timer2.Interval(), 600000);
  w.ResetParameters1Click();
  EXPECT_EQ(w.ComboBox2.Text(), "1 (Beginner)");
  EXPECT_TRUE(w.Timer3.Enabled());
  EXPECT_EQ(w.Timer2.Interval(), 600000);
  EXPECT_FALSE(w.Azimuthwindow1.Enabled);
}

TEST(SetupAlarm, SoundsOneIntervalAfterLockAndRepeatsUntilAccepted) {
  Rig rig;
  Tmenumain& w = rig.sim.setupWindow();
  Tmobile& mobile = rig.sim.mobilePanel();
  mobile.Tracking.Timer3.stop();  // the lock is set by hand here
  mobile.cell(Cell::R4).Caption = "CONFIG";
  w.ComboBox2Change(1);  // level 2: 15 minutes
  rig.state().InLock = 1;

  rig.advance(5000);  // armed now
  EXPECT_TRUE(w.Timer2.Enabled());
  rig.advance(900000 - 1);
  EXPECT_TRUE(rig.tone.played.empty());
  rig.advance(1);
  ASSERT_EQ(rig.tone.played.size(), 1u);
  const std::vector<Beep>& beeps = rig.tone.played[0];
  ASSERT_EQ(beeps.size(), 12u);
  const int hz[] = {800, 400, 450, 600, 400, 450};
  const int ms[] = {30, 30, 30, 50, 30, 30};
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(beeps[i].frequencyHz, hz[i % 6]) << i;
    EXPECT_EQ(beeps[i].durationMs, ms[i % 6]) << i;
  }
  EXPECT_EQ(mobile.cell(Cell::L4).Caption, "    AZIMUTH FREEZE");
  EXPECT_EQ(mobile.cell(Cell::R4).Caption, "");

  rig.state().InLock = 0;  // losing the lock does not stop it
  rig.advance(900000);
  EXPECT_EQ(rig.tone.played.size(), 2u);

  w.AcceptAlarm1Click();
  EXPECT_FALSE(w.Timer2.Enabled());
  rig.advance(3 * 900000);
  EXPECT_EQ(rig.tone.played.size(), 2u);

  // Still in lock after accepting: armed again within 5 s.
  w.LowBatteryAlarm1Click();
  EXPECT_FALSE(w.AzimuthFrozenAlarm1.Checked);
  rig.state().InLock = 1;
  rig.advance(5000);
  EXPECT_TRUE(w.Timer2.Enabled());
  rig.advance(900000);
  EXPECT_EQ(rig.tone.played.size(), 3u);
  EXPECT_EQ(mobile.cell(Cell::L4).Caption, "     LOW BATTERY");
  w.AzimuthFrozenAlarm1Click();
  EXPECT_TRUE(w.AzimuthFrozenAlarm1.Checked);
  EXPECT_FALSE(w.LowBatteryAlarm1.Checked);
}

TEST(SetupAlarm, NoAlarmAtBeginnerLevelOrWithoutLock) {
  Rig rig;
  rig.state().InLock = 1;
  rig.advance(3600000);  // beginner: never armed
  EXPECT_TRUE(rig.tone.played.empty());
  rig.sim.setupWindow().ComboBox2Change(2);
  rig.state().InLock = 0;
  rig.advance(3600000);
  EXPECT_TRUE(rig.tone.played.empty());
}

TEST(SetupMode, EditingStopsTrackingUntilExitSetupAndActivationOnlyCollapses) {
  Rig rig;
  Tmenumain& w = rig.sim.setupWindow();
  Timer tracking(rig.sim.scheduler(), 9999, 500, true);
  w.registerTrackingTimer(tracking);
  w.FixAIDDisplay1Click();
  ASSERT_TRUE(rig.sim.aidDisplay().Visible());

  w.SimulationParameters1Click();
  EXPECT_EQ(w.Height, 487);
  EXPECT_EQ(w.Width, 200);
  EXPECT_FALSE(tracking.Enabled());
  EXPECT_FALSE(rig.sim.aidDisplay().Visible());
  EXPECT_FALSE(w.FixAIDDisplay1.Enabled);
  EXPECT_FALSE(w.FixAIDDisplay1.Checked);

  w.BitBtn2Click();
  EXPECT_EQ(w.Width, 400);
  w.FormActivate();  // back from another window
  EXPECT_EQ(w.Height, 45);
  EXPECT_EQ(w.Width, 200);
  EXPECT_FALSE(tracking.Enabled());

  w.SimulationParameters1Click();
  w.BitBtn2Click();
  w.BitBtn2Click();
  EXPECT_EQ(w.Width, 200);
  w.BitBtn2Click();
  w.BitBtn1Click();
  EXPECT_EQ(w.Height, 45);
  EXPECT_EQ(w.Width, 200);
  EXPECT_TRUE(tracking.Enabled());
  EXPECT_TRUE(w.FixAIDDisplay1.Enabled);
}

TEST(SetupMode, ExitSetupOffersTheAidDisplayOnlyForAMk4FixAtBeginnerLevel) {
  Rig rig;
  Tmenumain& w = rig.sim.setupWindow();
  w.ComboBox2Change(1);
  w.SimulationParameters1Click();
  w.BitBtn1Click();
  EXPECT_FALSE(w.FixAIDDisplay1.Enabled);
  w.ComboBox2Change(0);
  w.RadioButton2Click();
  w.SimulationParameters1Click();
  w.BitBtn1Click();
  EXPECT_FALSE(w.FixAIDDisplay1.Enabled);
}

TEST(SetupWindows, StartShowsThePrescreenForFiveSeconds) {
  Rig rig;
  rig.sim.start();
  EXPECT_TRUE(rig.sim.setupWindow().Visible());
  EXPECT_TRUE(rig.sim.prescreen().Visible());
  rig.advance(4999);
  EXPECT_TRUE(rig.sim.prescreen().Visible());
  rig.advance(1);
  EXPECT_FALSE(rig.sim.prescreen().Visible());
  EXPECT_FALSE(rig.sim.setupWindow().Timer5.Enabled());
}

TEST(SetupWindows, MenuCommandsOpenTheirWindows) {
  Rig rig;
  Tmenumain& w = rig.sim.setupWindow();
  w.Fix1Click();
  w.Mobile1Click();
  w.History1Click();
  w.About1Click();
  EXPECT_TRUE(rig.sim.fixPanel().Visible());
  EXPECT_TRUE(rig.sim.mobilePanel().Visible());
  EXPECT_TRUE(rig.sim.mk3Unit().Visible());
  EXPECT_TRUE(rig.sim.aboutBox().Visible());
  w.Manual1Click();
  EXPECT_EQ(rig.help.opened, std::vector<std::string>{"KESTROM SIMULATOR.HLP"});

  w.DistanceAdjust1Click();
  EXPECT_TRUE(w.DistanceAdjust1.Checked);
  EXPECT_TRUE(rig.sim.distanceAdjust().Visible());
  w.DistanceAdjust1Click();
  EXPECT_FALSE(w.DistanceAdjust1.Checked);
  EXPECT_FALSE(rig.sim.distanceAdjust().Visible());
}

TEST(SetupWindows, ExitClosesTheWindowAndEndsTheProgram) {
  Rig rig;
  Tmenumain& w = rig.sim.setupWindow();
  int quits = 0;
  w.onQuit = [&] { ++quits; };
  rig.sim.start();
  w.Exit1Click();
  EXPECT_FALSE(w.Visible());
  EXPECT_EQ(quits, 1);
}

// Setup mode stops the link cycles; a reset in it must not leave the old lock lit,
// or the telegrams would go on reporting it with the new azimuth.
TEST(SetupCounterStation, AResetPutsEveryLampOut) {
  Rig rig;
  Tmobile& mobile = rig.sim.mobilePanel();
  rig.state().FixAzimuth = rig.state().AntennaDirection = 120;
  mobile.MenuState = 1;
  mobile.Tracking.Timer3Timer();
  ASSERT_TRUE(mobile.Tracking.lockedForTelegrams());
  SerialOutput& out = rig.sim.setupWindow().Serial;
  out.telegramsChange(0);  // ASCII 16
  out.comportClick(true);
  rig.advance(250);
  ASSERT_EQ(rig.serial.writes.back().back() - 0, '\n');
  ASSERT_EQ(rig.serial.writes.back()[13], '1');

  rig.sim.setupWindow().SimulationParameters1Click();
  rig.sim.setupWindow().RadioButton3Click();  // Mk 4 beacon
  EXPECT_FALSE(mobile.ApdStatusLight1.Lit);
  EXPECT_FALSE(mobile.Panel1Visible);
  EXPECT_FALSE(rig.sim.fixPanel().ApdStatusLight1.Lit);
  EXPECT_FALSE(rig.sim.aidDisplay().ApdStatusLight1.Lit);
  // A lime lamp switched off is no lock.
  EXPECT_EQ(mobile.ApdStatusLight1.LitColor, clLime);
  EXPECT_FALSE(mobile.Tracking.lockedForTelegrams());
  EXPECT_FALSE(rig.state().MobileLampLime);
  // The reset chose BCD(0.01) again, which sends nothing out of lock.
  const std::size_t before = rig.serial.writes.size();
  rig.advance(60000);
  EXPECT_EQ(rig.serial.writes.size(), before);
  out.telegramsChange(0);
  rig.advance(250);
  EXPECT_EQ(rig.serial.writes.back(), "000000 00000 0\r\n");

  rig.sim.setupWindow().BitBtn1Click();
  rig.sim.setupWindow().RadioButton4Click();
  mobile.Tracking.Timer3Timer();
  rig.sim.setupWindow().ResetParameters1Click();
  EXPECT_FALSE(mobile.ApdStatusLight1.Lit);
}

}  // namespace
}  // namespace kestrom
