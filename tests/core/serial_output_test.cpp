#include "setup/serial_output.h"

#include <gtest/gtest.h>

#include <string>

#include "setup/setup_window.h"
#include "setup/telegrams.h"
#include "testing/fakes.h"

namespace kestrom {
namespace {

using testing::Rig;

constexpr const char* kMessage = "This Com port is not Available.";

struct SerialOutputTest : ::testing::Test {
  Rig rig;
  SerialOutput& out = rig.sim.setupWindow().Serial;
  void SetUp() override {
    rig.sim.setupWindow().MaskEdit1.Text = "00126";
    out.telegramsChange(0);  // ASCII 16: a telegram in every slot, in lock or not
  }
  // The lock the telegrams report, as the Mobile's cycle leaves it with its lamp.
  void lockMobile(bool locked) { rig.state().MobileLampLime = locked; }
  bool lists(bool enabled) const {
    for (const ComboBox* b :
         {&out.baudrate, &out.databits, &out.parity, &out.stopbits, &out.telegrams}) {
      if (b->Enabled != enabled) return false;
    }
    return true;
  }
};

TEST(SerialOutputStart, ListsPortAndTimerStartAsTheOperatorFindsThem) {
  Rig rig;
  SerialOutput& out = rig.sim.setupWindow().Serial;
  EXPECT_EQ(out.coms.Items.size(), 12u);
  EXPECT_EQ(out.coms.Items.back(), "COM PORT 12");
  EXPECT_EQ(out.coms.Text(), "COM PORT 1");
  EXPECT_EQ(out.baudrate.Text(), "9600 Baud");
  EXPECT_EQ(out.databits.Text(), "8 Data Bits");
  EXPECT_EQ(out.parity.Text(), "No Parity");
  EXPECT_EQ(out.stopbits.Text(), "1 Stop Bit");
  EXPECT_EQ(out.updaterate.Text(), "4 Telegrams per Sec.");
  EXPECT_EQ(out.telegrams.Text(), "BCD(0.01)");
  EXPECT_EQ(out.TransmittingText.Caption, "Distance - Azimuth");
  EXPECT_EQ(out.portNumber(), 1);
  EXPECT_EQ(out.lineSettings().baudRate, 9600);
  EXPECT_EQ(out.lineSettings().dataBits, 8);
  EXPECT_EQ(out.lineSettings().parity, Parity::None);
  EXPECT_EQ(out.lineSettings().stopBits, 1);
  EXPECT_FALSE(rig.serial.isOpen());
  EXPECT_FALSE(out.Timer4.Enabled());
  EXPECT_EQ(out.Timer4.Interval(), 250);
  EXPECT_FALSE(out.comport.Checked);
  EXPECT_FALSE(out.CheckBox1.Checked);
}

TEST_F(SerialOutputTest, SerialOutputOnSendsEverySlotUntilSwitchedOff) {
  out.comportClick(true);
  EXPECT_TRUE(rig.serial.isOpen());
  EXPECT_FALSE(out.CheckBox1.Enabled);
  EXPECT_TRUE(out.Sending());
  rig.advance(1000);
  ASSERT_EQ(rig.serial.writes.size(), 4u);
  EXPECT_EQ(rig.serial.writes[0], "000000 00000 0\r\n");  // the Mobile is not in lock

  out.comportClick(false);
  EXPECT_FALSE(rig.serial.isOpen());
  EXPECT_TRUE(out.CheckBox1.Enabled);
  EXPECT_FALSE(out.Sending());
  rig.advance(1000);
  EXPECT_EQ(rig.serial.writes.size(), 4u);
  EXPECT_TRUE(rig.dialogs.shown.empty());
}

TEST_F(SerialOutputTest, MissingPortShowsTheMessageAndSendsNothing) {
  rig.serial.missing = {12};
  out.comsChange(11);
  EXPECT_EQ(out.portNumber(), 12);
  out.comportClick(true);
  ASSERT_EQ(rig.dialogs.shown.size(), 1u);
  EXPECT_EQ(rig.dialogs.shown[0].kind, "error");
  EXPECT_EQ(rig.dialogs.shown[0].text, kMessage);
  EXPECT_FALSE(out.comport.Checked);
  EXPECT_TRUE(out.comport.Enabled);
  EXPECT_TRUE(out.CheckBox1.Enabled);
  EXPECT_FALSE(rig.serial.isOpen());
  EXPECT_FALSE(out.Timer4.Enabled());
  rig.advance(2000);
  EXPECT_TRUE(rig.serial.writes.empty());
}

TEST_F(SerialOutputTest, PortChangeWhileRunningReopensOrFails) {
  out.comportClick(true);
  out.comsChange(4);
  EXPECT_EQ(rig.serial.port, 5);
  EXPECT_TRUE(out.Sending());

  rig.serial.missing = {7};
  out.comsChange(6);
  ASSERT_EQ(rig.dialogs.shown.size(), 1u);
  EXPECT_EQ(rig.dialogs.shown[0].text, kMessage);
  EXPECT_FALSE(out.comport.Checked);
  EXPECT_FALSE(rig.serial.isOpen());
  EXPECT_FALSE(out.Timer4.Enabled());

  out.comsChange(42);  // not in the list: ignored
  EXPECT_EQ(out.portNumber(), 7);
}

TEST_F(SerialOutputTest, LineSettingsReachThePortAndTheMobileTexts) {
  out.parityChange(2);
  out.databitsChange(1);
  EXPECT_EQ(rig.state().MobilePerBits, "BITS : 8 - O");  // letter O
  out.databitsChange(0);
  out.parityChange(1);
  EXPECT_EQ(rig.state().MobilePerBits, "BITS : 7 - E");
  out.baudrateChange(1);
  EXPECT_EQ(rig.state().MobilePerSendBaud, "2400");
  out.stopbitsChange(1);
  EXPECT_EQ(rig.state().MobilePerStop, "STOP : 2    ");

  out.comportClick(true);
  EXPECT_EQ(rig.serial.settings.baudRate, 2400);
  EXPECT_EQ(rig.serial.settings.dataBits, 7);
  EXPECT_EQ(rig.serial.settings.parity, Parity::Even);
  EXPECT_EQ(rig.serial.settings.stopBits, 2);
  out.baudrateChange(3);  // while open
  EXPECT_EQ(rig.serial.settings.baudRate, 9600);
  EXPECT_EQ(rig.state().MobilePerSendBaud, "9600");
}

TEST_F(SerialOutputTest, RateChangeWhileRunningTakesEffectAtOnce) {
  out.comportClick(true);
  rig.advance(300);
  ASSERT_EQ(rig.serial.writes.size(), 1u);
  out.updaterateChange(0);  // 1 telegram per second, counted from now
  EXPECT_EQ(out.Timer4.Interval(), 1000);
  EXPECT_TRUE(out.Timer4.Enabled());
  rig.advance(999);
  EXPECT_EQ(rig.serial.writes.size(), 1u);
  rig.advance(1);
  EXPECT_EQ(rig.serial.writes.size(), 2u);
  out.updaterateChange(1);
  rig.advance(1000);
  EXPECT_EQ(rig.serial.writes.size(), 4u);
  EXPECT_TRUE(out.comport.Checked);
  EXPECT_TRUE(rig.serial.isOpen());
}

TEST_F(SerialOutputTest, TickComputesDistanceAndSendsTheTypeChosenNow) {
  out.comportClick(true);
  lockMobile(true);
  rig.state().FixAzimuth = 65.125;
  rig.state().AntennaBearing = 12.5;
  rig.random.script({4});
  out.Timer4Timer();
  EXPECT_EQ(rig.state().RangeJitter, 34);
  EXPECT_EQ(rig.state().RangeText, "0012634");
  EXPECT_DOUBLE_EQ(rig.state().Distance, 126.34);
  ASSERT_EQ(rig.serial.writes.size(), 1u);
  EXPECT_EQ(rig.serial.writes[0], "001263 24512 1\r\n");

  out.telegramsChange(2);  // between ticks
  EXPECT_EQ(rig.state().OutputTelegramType, 3);
  EXPECT_EQ(out.TransmittingText.Caption, "Distance - Bearing - Azimuth");
  rig.random.script({9});
  out.Timer4Timer();
  EXPECT_EQ(rig.serial.writes.back(), "001263 0125 245125 1\r\n");

  // Out of lock the values are noughts.
  lockMobile(false);
  out.Timer4Timer();
  EXPECT_EQ(rig.serial.writes.back(), "000000 0000 000000 0\r\n");
  out.telegramsChange(3);  // BCD out of lock: silent, but the distance still moves
  rig.state().Distance = 0;
  const auto sent = rig.serial.writes.size();
  out.Timer4Timer();
  EXPECT_EQ(rig.serial.writes.size(), sent);
  EXPECT_GT(rig.state().Distance, 126.29);
  EXPECT_TRUE(out.Sending());
}

TEST_F(SerialOutputTest, RangeThatIsNoNumberSkipsTheSlotQuietly) {
  out.comportClick(true);
  rig.state().Distance = 5;
  rig.sim.setupWindow().MaskEdit1.Text = "1 2";
  out.Timer4Timer();
  EXPECT_TRUE(rig.serial.writes.empty());
  EXPECT_EQ(rig.state().Distance, 5);
  EXPECT_TRUE(rig.dialogs.shown.empty());
  EXPECT_TRUE(out.Sending());
}

TEST_F(SerialOutputTest, OutputControlledBySimLocksTheLists) {
  out.CheckBox1Click(true);
  EXPECT_FALSE(out.comport.Enabled);
  EXPECT_TRUE(lists(false));
  EXPECT_TRUE(out.coms.Enabled);
  EXPECT_TRUE(out.updaterate.Enabled);
  EXPECT_TRUE(out.Sending());
  out.baudrateChange(0);  // locked: ignored
  EXPECT_EQ(out.baudrate.ItemIndex, 3);
  out.comportClick(true);  // disabled: ignored
  EXPECT_FALSE(out.comport.Checked);

  out.CheckBox1Click(false);
  EXPECT_TRUE(out.comport.Enabled);
  EXPECT_TRUE(lists(true));
  EXPECT_FALSE(rig.serial.isOpen());
  EXPECT_FALSE(out.Timer4.Enabled());
}

// Every failed open ends in the Off state: no box stays ticked while nothing is
// sent, and ticking it again tries the port again.
TEST_F(SerialOutputTest, OutputControlledBySimNeverStaysTickedWithNothingSent) {
  rig.serial.missing = {1};
  out.CheckBox1Click(true);
  ASSERT_EQ(rig.dialogs.shown.size(), 1u);
  EXPECT_EQ(rig.dialogs.shown[0].text, kMessage);
  EXPECT_FALSE(out.CheckBox1.Checked);
  EXPECT_TRUE(out.comport.Enabled);
  EXPECT_TRUE(lists(true));
  EXPECT_FALSE(out.Sending());
  rig.advance(1000);
  EXPECT_TRUE(rig.serial.writes.empty());

  // Running, then switched to a port that cannot be opened.
  rig.serial.missing = {12};
  out.CheckBox1Click(true);
  EXPECT_TRUE(out.Sending());
  out.comsChange(11);
  ASSERT_EQ(rig.dialogs.shown.size(), 2u);
  EXPECT_EQ(rig.dialogs.shown[1].text, kMessage);
  EXPECT_FALSE(out.CheckBox1.Checked);
  EXPECT_TRUE(out.comport.Enabled);
  EXPECT_TRUE(lists(true));
  EXPECT_FALSE(out.Sending());

  // The good port again, and the box ticked again: telegrams flow.
  out.comsChange(0);
  out.CheckBox1Click(true);
  EXPECT_TRUE(out.Sending());
  rig.advance(250);
  EXPECT_EQ(rig.serial.writes.size(), 1u);
}

TEST_F(SerialOutputTest, MobileSelectionsChangeOnlyWhatTheListsShow) {
  out.followMobilePerConnection("1200", "BITS : 7 - E", "STOP : 2    ");
  EXPECT_EQ(out.baudrate.ItemIndex, 3);  // box clear: lists untouched

  out.CheckBox1Click(true);
  out.followMobilePerConnection("2400", "BITS : 8 - 0", "STOP : 2    ");  // digit zero: odd
  EXPECT_EQ(out.baudrate.Text(), "2400 Baud");
  EXPECT_EQ(out.databits.Text(), "8 Data Bits");
  EXPECT_EQ(out.parity.Text(), "Odd Parity");
  EXPECT_EQ(out.stopbits.Text(), "2 Stop Bits");
  out.followMobilePerConnection("1200", "BITS : 7 - N", "STOP : 1    ");
  EXPECT_EQ(out.databits.Text(), "7 Data Bits");
  EXPECT_EQ(out.parity.Text(), "No Parity");
  out.followMobilePerConnection("junk", "", "STOP");  // not the page's options: kept
  EXPECT_EQ(out.baudrate.Text(), "1200 Baud");
  EXPECT_EQ(out.stopbits.Text(), "1 Stop Bit");
  // The port keeps what the operator chose.
  EXPECT_EQ(out.lineSettings().baudRate, 9600);
  EXPECT_EQ(out.lineSettings().dataBits, 8);
  EXPECT_EQ(out.lineSettings().parity, Parity::None);
  EXPECT_EQ(rig.serial.settings.stopBits, 1);

  out.followMobileOutTelegram("ASCII 22         ");
  EXPECT_EQ(out.telegrams.Text(), "ASCII 22");
  out.followMobileOutTelegram("BCD(.001)        ");
  EXPECT_EQ(out.telegrams.ItemIndex, 4);
  EXPECT_EQ(rig.state().OutputTelegramType, 1);
  EXPECT_EQ(out.TransmittingText.Caption, "Distance - Azimuth");
  rig.advance(250);
  ASSERT_EQ(rig.serial.writes.size(), 1u);
  EXPECT_EQ(rig.serial.writes[0].size(), 16u);  // still ASCII 16

  out.CheckBox1Click(false);
  out.followMobileOutTelegram("BCD(ADB)         ");  // whatever the box
  EXPECT_EQ(out.telegrams.Text(), "BCD(ADB)");
}

TEST_F(SerialOutputTest, PortFailingWhileRunningSwitchesOffAndLeavesTheMessageForLater) {
  int notified = 0;
  out.onMessagePending = [&] { ++notified; };
  out.comportClick(true);
  rig.advance(250);
  rig.serial.fail();
  EXPECT_FALSE(rig.serial.isOpen());
  EXPECT_FALSE(out.Timer4.Enabled());
  EXPECT_FALSE(out.comport.Checked);
  EXPECT_TRUE(out.CheckBox1.Enabled);
  EXPECT_TRUE(rig.dialogs.shown.empty());  // never a box from inside the failing event
  EXPECT_EQ(notified, 1);
  rig.serial.fail();  // already off: nothing more
  EXPECT_EQ(notified, 1);
  EXPECT_EQ(out.takePendingMessage(), kMessage);
  EXPECT_FALSE(out.takePendingMessage());
  rig.advance(1000);
  EXPECT_EQ(rig.serial.writes.size(), 1u);

  // Under the simulator's control the box is cleared and the lists unlocked.
  out.CheckBox1Click(true);
  rig.serial.fail();
  EXPECT_FALSE(out.CheckBox1.Checked);
  EXPECT_TRUE(out.comport.Enabled);
  EXPECT_TRUE(lists(true));
  EXPECT_EQ(notified, 2);

  // A port found closed on a tick fails the same way.
  out.comportClick(true);
  out.takePendingMessage();
  rig.serial.open_ = false;
  rig.advance(250);
  EXPECT_FALSE(out.comport.Checked);
  EXPECT_FALSE(out.Timer4.Enabled());
  EXPECT_TRUE(out.hasPendingMessage());
  EXPECT_TRUE(rig.dialogs.shown.empty());
}

}  // namespace
}  // namespace kestrom

namespace kestrom {
namespace {

TEST(SerialOutputReset, TheTelegramListShowsTheTypeAResetChose) {
  testing::Rig rig;
  SerialOutput& out = rig.sim.setupWindow().Serial;
  out.telegramsChange(2);  // ASCII 22
  ASSERT_EQ(rig.state().OutputTelegramType, 3);
  rig.sim.setupWindow().ResetParameters1Click();
  EXPECT_EQ(rig.state().OutputTelegramType, 4);
  EXPECT_EQ(out.telegrams.Text(), "BCD(0.01)");
  EXPECT_EQ(out.TransmittingText.Caption, "Distance - Azimuth");
}

}  // namespace
}  // namespace kestrom
