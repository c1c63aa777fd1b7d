#include <gtest/gtest.h>

#include <string>

#include "panels/mobile/mobile_panel.h"
#include "setup/setup_window.h"
#include "support/mobile_panel_test.h"
#include "testing/fakes.h"
#include "testing/press_keys.h"

namespace kestrom {
namespace {

using enum Cell;
using testing::pressKeys;

class MobileEnter : public testing::MobilePanelTest {};

TEST_F(MobileEnter, StationCodeLoadsTheWholeProfile) {
  s.ShuttleTankerSoftware = 1;
  s.MobileGainMode = text::Manual;
  go("21");
  ASSERT_EQ(panel.MenuState, 85);
  keys("1112");
  EXPECT_EQ(text(R2), "111");
  keys("E");
  EXPECT_EQ(panel.MenuState, 5);
  EXPECT_EQ(text(L1), "   (MODIFY MOBILE)");
  EXPECT_EQ(text(L2), "STATION");
  EXPECT_EQ(panel.EditField, 0);
  EXPECT_EQ(s.MobileStationCode, "111");
  EXPECT_EQ(s.MobileUnitRole, "       AS  MOB");
  EXPECT_EQ(s.MobileGainMode, "           AUTOMATIC");
  EXPECT_EQ(s.MobileFreqPairText, "      2: 9230 - 9200");
  EXPECT_EQ(s.MobileFreq, "9230");
  EXPECT_EQ(s.MobileMk3FreqText, "9230    (MK4)");
  EXPECT_EQ(s.MobileStationAddrText, "B  B     (11)");
  EXPECT_EQ(s.MobileStatusLine.substr(10, 1), "2");
  EXPECT_EQ(s.MobileStatusLine.substr(14, 2), "11");
  // The station page shows what was loaded.
  keys("1");
  EXPECT_EQ(text(R3), "9230    (MK4)");
}

TEST_F(MobileEnter, AddressCodesAreStoredWithTheirMk3DigitAndStatusText) {
  go("212");
  keys("5E");
  EXPECT_EQ(s.MobileAddrSent, "5");
  EXPECT_EQ(s.CounterAddrReceived, "5");
  EXPECT_EQ(s.MobileMk3Addr, "5    5    ");
  EXPECT_EQ(text(R4), "5    5    ");
  EXPECT_EQ(s.MobileStatusLine.substr(14, 2), " 5");
  keys("20E");
  EXPECT_EQ(s.MobileMk3Addr, "4    4    ");
  EXPECT_EQ(s.MobileStatusLine.substr(14, 2), "20");

  // The counter station writes a code below 10 as a blank and its digit.
  go("5212");
  keys("05E");
  EXPECT_EQ(s.CounterAddrSent, "05");
  EXPECT_EQ(s.MobileAddrReceived, "05");
  EXPECT_EQ(s.CounterMk3Addr, "5    5    ");
  EXPECT_EQ(s.FixStatusLine.substr(14, 2), " 5");

  // The selective address of the configuration run takes a leading zero.
  go("6NN");
  keys("5E");
  EXPECT_EQ(s.MobileAddrSent, "5");
  EXPECT_EQ(s.MobileAddrReceived, "5");
  EXPECT_EQ(s.MobileStatusLine.substr(14, 2), "05");
}

TEST_F(MobileEnter, FrequencyPairSlewsTheActualFrequencyTenAtATick) {
  s.MobileFreq = "9270";
  s.FrequencyPairNo = 0;
  go("211");
  keys("4");
  ASSERT_EQ(text(L3), "      1: 9300 - 9270");
  keys("E");
  EXPECT_EQ(s.MobileFreqPairText, "      1: 9300 - 9270");
  EXPECT_EQ(s.MobileStatusLine.substr(10, 1), "1");
  rig.advance(300);
  EXPECT_EQ(text(R4), "9280");
  rig.advance(300);
  EXPECT_EQ(text(R4), "9290");
  EXPECT_EQ(s.MobileFreq, "9270");
  rig.advance(300);
  EXPECT_EQ(text(R4), "9300");
  EXPECT_EQ(s.MobileFreq, "9300");
  EXPECT_FALSE(panel.Ramp.Timer5.Enabled());

  // The configuration run starts from the actual frequency and ends on the target.
  s.MobileFreq = "9271";
  s.FrequencyPairNo = 1;
  go("6N");
  ASSERT_EQ(text(R4), "9271");
  keys("3E");  // pair 2: 9230
  rig.advance(900);
  EXPECT_EQ(text(R4), "9241");
  EXPECT_EQ(s.MobileFreq, "9271");
  rig.advance(600);
  EXPECT_EQ(s.MobileFreq, "9230");
  EXPECT_FALSE(panel.Ramp.Timer5.Enabled());
}

TEST_F(MobileEnter, FrequencyAdjustSlewsTheMobileFrequencyOneAtATick) {
  s.MobileFreq = "9270";
  s.CounterFreq = "9303";
  s.FixAzimuth = 50;
  s.AntennaDirection = s.AntennaBearing = 51;  // just past the Fix: strong at 30 MHz apart
  go("213N");
  keys("9273E");
  EXPECT_EQ(s.MobileMk3FreqOffset, text(R2));
  EXPECT_EQ(panel.EditField, 0);
  rig.advance(900);
  EXPECT_EQ(s.MobileFreq, "9273");
  EXPECT_EQ(text(R3), "9273");
  EXPECT_EQ(text(L4), "SIGNL : " + std::string(13, '\x7f'));
  EXPECT_FALSE(panel.Ramp.Timer5.Enabled());

  // The remote page stores the counter station's frequency at once.
  go("5213");
  keys("E");  // field 0 first
  keys("9231E");
  EXPECT_EQ(s.CounterFreq, "9231");
}

TEST_F(MobileEnter, ScanLimitsAreTakenFromTheAntenna) {
  s.AntennaDirection = s.AntennaBearing = 12.25;
  go("222");
  keys("E");
  EXPECT_EQ(panel.MenuState, 13);
  EXPECT_EQ(text(L2), "RIGHT SCANLIMIT");
  EXPECT_EQ(s.MobileScanLimitLeft, "12.25");
  EXPECT_EQ(s.MobileScanLimitRight, "12.25");
  s.AntennaDirection = s.AntennaBearing = 20;
  keys("E");
  EXPECT_EQ(s.MobileScanLimitLeft, "12.25");
  EXPECT_EQ(s.MobileScanLimitRight, "20.00");

  // The aimed limits are accepted again on SCANLIMITS NUM.
  go("223");
  keys("E");
  EXPECT_EQ(messages(), 0u);
  EXPECT_EQ(s.MobileScanLimitLeft, "12.25");
  EXPECT_EQ(panel.EditField, 1);

  // So are the Fix's aimed limits on the remote KEY-IN LIMITS page.
  s.FixScanLimitLeft = "245.50";
  s.FixScanLimitRight = "250.25";
  go("5223");
  ASSERT_EQ(panel.MenuState, 48);
  keys("1E");
  EXPECT_EQ(messages(), 0u);
  EXPECT_EQ(s.FixScanLimitLeft, "1");
  EXPECT_EQ(s.FixScanLimitRight, "250.25");
}

TEST_F(MobileEnter, AzimuthSetpointAsksBeforeLosingLock) {
  s.FixAzimuth = 100;
  s.ReciprocalAzimuth = 1;
  go("5224");
  rig.dialogs.answer = MessageBoxes::Answer::Cancel;
  keys("0450E");
  ASSERT_EQ(messages(), 1u);
  EXPECT_EQ(rig.dialogs.shown[0].kind, "warning");
  EXPECT_EQ(lastMessage(), "If you enter this you will lose lock");
  EXPECT_EQ(s.ReferenceEntry, "045.0");
  EXPECT_EQ(s.ReciprocalAzimuth, 1);
  rig.dialogs.answer = MessageBoxes::Answer::Ok;
  keys("E");  // nothing typed: the set point shown stays
  EXPECT_EQ(s.ReciprocalAzimuth, 280);
  panel.cell(R4).Caption = "";
  keys("E");
  EXPECT_EQ(text(R4), "0");
  EXPECT_EQ(s.ReferenceEntry, "0");
}

TEST_F(MobileEnter, AntennaBearingCannotBeChangedOnModifyMobile) {
  s.AntennaBearing = 42;
  go("221");
  keys("1234E");
  ASSERT_EQ(messages(), 1u);
  EXPECT_EQ(rig.dialogs.shown[0].kind, "information");
  EXPECT_EQ(lastMessage(), "For simulation purpose we will not allow you to change this value");
  EXPECT_EQ(text(R4), "");
  EXPECT_EQ(s.AntennaBearing, 42);
  EXPECT_EQ(panel.EditField, 0);
}

TEST_F(MobileEnter, NumbersThatCannotBeReadGetAMessageAndStoreNothing) {
  // A frequency keyed half-way.
  std::string offset = s.MobileMk3FreqOffset;
  go("213N");
  keys("93E");
  ASSERT_EQ(messages(), 1u);
  EXPECT_EQ(rig.dialogs.shown[0].kind, "error");
  EXPECT_NE(lastMessage().find("\"93\""), std::string::npos);
  EXPECT_EQ(s.MobileMk3FreqOffset, offset);
  EXPECT_FALSE(panel.Ramp.Timer5.Enabled());
  EXPECT_EQ(panel.EditField, 1);

  // A limit past the compass.
  go("223");
  keys("999E");
  EXPECT_EQ(messages(), 2u);
  EXPECT_NE(s.MobileScanLimitLeft, "999");

  // A station code that is not one.
  s.ShuttleTankerSoftware = 1;
  s.MobileStationCode = "";
  go("21E");
  EXPECT_EQ(messages(), 3u);
  EXPECT_EQ(panel.MenuState, 85);

  // A reference azimuth that is not a number.
  s.ReferenceAzimuth = "ABC";
  s.FixAzimuth = 10;
  go("5221E");
  EXPECT_EQ(messages(), 4u);
  EXPECT_EQ(s.FixAzimuth, 10);
  keys("270000E");
  EXPECT_EQ(s.ReferenceAzimuth, "       270.000");
  EXPECT_EQ(s.FixAzimuth, 90);
}

TEST_F(MobileEnter, AntennaBearingOfTheConfigurationRunIsKept) {
  s.MobileOperatingMode = text::StandBy;
  go("6NNN");
  keys("2705E");
  EXPECT_EQ(s.AntennaBearingText, "           270.5");
  EXPECT_EQ(s.MobileOperatingMode, text::StandBy);
}

TEST_F(MobileEnter, StoredTextsDecideTheCodes) {
  // The gain page stores the options shown and sets the positions from them.
  s.PowerToggle = 0;
  s.MobileStatusLine2 = "   -2  8>N    9>L";
  go("24N1N");
  keys("1");
  ASSERT_EQ(text(R3), "        REDUCED");
  keys("E");
  EXPECT_EQ(s.MobileXmitPower, "        REDUCED");
  EXPECT_EQ(s.PowerToggle, 1);
  EXPECT_EQ(s.MobileStatusLine2, "   -2  8>R    9>L");
  EXPECT_EQ(panel.EditField, 2);

  // Unit roles: a Mk 3 mobile works in MANUAL gain; a Fix role writes "F".
  s.MobileGainMode = text::Automatic;
  s.UnitRoleCycle = 0;
  go("6");
  keys("1E");
  EXPECT_EQ(s.MobileUnitRole, text::AsMk3M);
  EXPECT_EQ(s.MobileGainMode, text::Manual);
  EXPECT_EQ(s.MobileStatusLine.substr(6, 1), "M");
  s.UnitRoleCycle = 2;
  go("56");
  keys("1E");
  EXPECT_EQ(s.CounterUnitRole, text::AsFix);
  EXPECT_EQ(s.FixStatusLine.substr(6, 1), "F");

  // The operating mode's status code.
  s.OperatingModeCycle = 4;
  go("24");
  keys("1E");
  EXPECT_EQ(s.MobileOperatingMode, text::OpenLoop);
  EXPECT_EQ(s.MobileStatusLine.substr(19, 2), "OL");
}

TEST_F(MobileEnter, SwitchOffPagesCloseThePanel) {
  for (const char* path : {"4N", "54N"}) {
    panel.Show();
    go(path);
    keys("E");
    EXPECT_FALSE(panel.Visible()) << path;
  }
}

// The alarm writes its text into 4L and clears 4R of whatever screen is on show;
// ENTER, the slews and the set point readers still take the screen's values.
class MobileEnterUnderAlarm : public MobileEnter {
 protected:
  void alarm() { rig.sim.setupWindow().Timer2Timer(); }
};

TEST_F(MobileEnterUnderAlarm, EnterStoresTheScreensValuesNotTheAlarmText) {
  go("252");  // PER. CONNECTION
  alarm();
  EXPECT_EQ(text(L4), "    AZIMUTH FREEZE");
  EXPECT_EQ(text(R4), "");
  keys("E");
  EXPECT_EQ(s.MobilePerBits, "BITS : 8 - N");
  EXPECT_EQ(s.MobilePerStop, "STOP : 1    ");

  go("24N1");  // RF GAIN / PWR SET
  ASSERT_EQ(panel.MenuState, 19);
  alarm();
  keys("E");
  EXPECT_EQ(s.MobileXmitRange, text::Long);

  go("253");  // TELEGRAM TYPE: IN in 4R
  alarm();
  keys("E");
  EXPECT_EQ(s.MobileInTelegram, "NONE   ");

  // A value typed after the alarm is the value.
  go("252");
  alarm();
  keys("NNN0E");  // the stop bits field, stepped once
  EXPECT_EQ(s.MobilePerStop, "STOP : 2    ");
}

TEST_F(MobileEnterUnderAlarm, SetpointAndFrequencySlewReadTheScreensValues) {
  s.AntennaDirection = s.AntennaBearing = 100;
  go("224");  // BEARING SETPOINT
  keys("2425");
  alarm();
  keys("E");
  EXPECT_EQ(s.ReferenceEntry, "242.5");
  EXPECT_EQ(panel.Tracking.Setpoint, 242.5L);

  go("211");  // FREQUENCY PAIR, actual frequency 9270 in 4R
  ASSERT_EQ(text(R4), "9270");
  keys("1");  // pair 0: 9200
  alarm();
  keys("E");
  rig.advance(300);
  EXPECT_EQ(text(R4), "9260");  // the slew goes on from the frequency shown before
  rig.advance(6 * 300);
  EXPECT_EQ(s.MobileFreq, "9200");
}

// The remote REF - NUM page takes references up to 999.999; the azimuth stays on
// the circle and the OPERATE pages and telegrams report it from there.
TEST_F(MobileEnter, ReferenceAzimuthAlwaysGivesAnAzimuthOnTheCircle) {
  for (const char* typed : {"999999", "000000", "180000", "540500"}) {
    SCOPED_TRACE(typed);
    go("5");
    ASSERT_EQ(panel.MenuState, 36);
    keys("221");  // (MODIFY FIX), (FIX LOCATION), REF - NUM
    ASSERT_EQ(panel.MenuState, 46);
    keys(typed);
    keys("E");
    EXPECT_GE(s.FixAzimuth, 0);
    EXPECT_LT(s.FixAzimuth, 360);
  }
  EXPECT_NEAR(static_cast<double>(s.FixAzimuth), 0.5, 1e-9);  // 540.500 - 180 - 360
}

}  // namespace
}  // namespace kestrom

namespace kestrom {
namespace {

class MobileEnterSerial : public MobileEnter {};

TEST_F(MobileEnterSerial, PerConnectionMovesTheSetupListsOnlyUnderSimulatorControl) {
  SerialOutput& out = rig.sim.setupWindow().Serial;
  go("252");  // PER. CONNECTION
  ASSERT_EQ(panel.MenuState, 23);
  keys("1E");  // send baud "1200"
  EXPECT_EQ(s.MobilePerSendBaud, "1200");
  EXPECT_EQ(out.baudrate.Text(), "9600 Baud");  // the box is clear: lists stay

  out.CheckBox1Click(true);
  ASSERT_TRUE(out.CheckBox1.Checked);
  go("252");
  keys("1E");  // "2400" now, the shared position moved on
  EXPECT_EQ(s.MobilePerSendBaud, "2400");
  EXPECT_EQ(out.baudrate.Text(), "2400 Baud");
  EXPECT_EQ(rig.serial.settings.baudRate, 9600);  // only what the list shows
  out.CheckBox1Click(false);
}

TEST_F(MobileEnterSerial, PerTelegramsAlwaysMovesTheTelegramList) {
  SerialOutput& out = rig.sim.setupWindow().Serial;
  go("253");  // TELEGRAM TYPE
  ASSERT_EQ(panel.MenuState, 24);
  keys("11E");  // "BCD(.01)", then "BCD(ADB)"
  EXPECT_EQ(s.MobileOutTelegram, "BCD(ADB)         ");
  EXPECT_EQ(out.telegrams.Text(), "BCD(ADB)");
  EXPECT_EQ(s.OutputTelegramType, 4);  // the telegram sent stays the one chosen there
}

}  // namespace
}  // namespace kestrom
