// The random-event tester's invariants fire on a broken simulator, and its event
// lists replay and shrink, so that a silent tester cannot pass.
#include <gtest/gtest.h>

#include "panels/mobile/mobile_panel.h"
#include "random_events/event.h"
#include "random_events/event_table.h"
#include "random_events/invariants.h"
#include "random_events/runner.h"
#include "random_events/session.h"
#include "setup/serial_output.h"
#include "setup/setup_window.h"
#include "setup/simulation_state.h"

using namespace kestrom;
using namespace kestrom::random_events;

namespace {

std::string faultOf(Session& s) {
  return checkInvariants(s).value_or("");
}

TEST(RandomEventInvariants, HoldOnAFreshSimulator) {
  Session s(1, false);
  EXPECT_EQ(faultOf(s), "");
}

TEST(RandomEventInvariants, CatchABrokenStatusLine) {
  Session s(1, false);
  s.state().MobileStatusLine += ' ';
  EXPECT_NE(faultOf(s).find("MobileStatusLine"), std::string::npos);
  s.state().MobileStatusLine = "STAT: M / 3 / 24 / H? / 9";
  EXPECT_NE(faultOf(s).find("at 21"), std::string::npos);
  s.state().MobileStatusLine = "STAT: M / 3 / 24 / HS / 9";
  s.state().FixStatusLine2 = "   -2  8>X    9>L";
  EXPECT_NE(faultOf(s).find("FixStatusLine2"), std::string::npos);
}

TEST(RandomEventInvariants, CatchBrokenSharedValues) {
  Session s(1, false);
  s.state().OperatingModeCycle = 99;
  EXPECT_NE(faultOf(s).find("OperatingModeCycle"), std::string::npos);
  s.state().OperatingModeCycle = 1;
  s.state().AntennaBearing = 360;
  EXPECT_NE(faultOf(s).find("AntennaBearing"), std::string::npos);
  s.state().AntennaBearing = 0;
  s.state().InLock = 1;
  s.state().AddressMatch = 0;
  EXPECT_NE(faultOf(s).find("InLock"), std::string::npos);
  s.state().InLock = 0;
  s.state().FixScanLimitLeft = "1,2,3";
  EXPECT_NE(faultOf(s).find("FixScanLimitLeft"), std::string::npos);
  s.state().FixScanLimitLeft = "0";
  s.sim().mobilePanel().cell(Cell::L1).Caption = std::string(40, 'x');
  EXPECT_NE(faultOf(s).find("longer than its line"), std::string::npos);
}

TEST(RandomEventInvariants, CatchAnOutputBoxLeftTickedWithNothingSent) {
  Session s(1, false);
  s.sim().setupWindow().Serial.comport.Checked = true;
  EXPECT_NE(faultOf(s).find("output box ticked"), std::string::npos);
}

TEST(RandomEventInvariants, CatchWrongTelegrams) {
  EXPECT_FALSE(telegramFault("000000 00000 0\r\n", 1, true, false));
  EXPECT_FALSE(telegramFault("001260 18000 1\r\n", 1, true, true));
  EXPECT_TRUE(telegramFault("001260 18000 1\r\n", 1, false, true));  // output off
  EXPECT_TRUE(telegramFault("001260 18000 1\r\n", 1, true, false));  // lock while down
  EXPECT_TRUE(telegramFault("001260 18000 0\r\n", 1, true, false));  // values out of lock
  EXPECT_TRUE(telegramFault("001260 1800 1\r\n", 1, true, true));    // short
  EXPECT_TRUE(telegramFault("0012,0 18000 1\r\n", 1, true, true));   // not a digit
  EXPECT_TRUE(telegramFault("001260 18000 1\n\r", 1, true, true));   // wrong ending
  EXPECT_FALSE(telegramFault(std::string("\x18\x00\x00\x00\x12\x06\xFF", 7), 4, true, true));
  EXPECT_TRUE(telegramFault(std::string("\x18\x00\x00\x00\x12\x06\xFF", 7), 4, true, false));
  EXPECT_TRUE(telegramFault(std::string("\x1A\x00\x00\x00\x12\x06\xFF", 7), 4, true, true));
  EXPECT_TRUE(telegramFault(std::string("\x18\x00\x00\x00\x12\x06\x00", 7), 4, true, true));
}

// ---- Telegram values --------------------------------------------------------------

std::string bytes(const std::vector<int>& values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

// In lock: 126.34 m, the counter station at 65.125 (reported as 245.125), the
// antenna at 12.5.
TelegramRecord worked(int type, bool mk3 = false) {
  TelegramRecord r;
  r.type = type;
  r.locked = true;
  r.distance = 12634 / 100.0L;
  r.fixAzimuth = 65.125;
  r.antennaBearing = 12.5;
  r.mk3Mobile = mk3;
  return r;
}

bool valuesHold(const std::string& t, const TelegramRecord& r) {
  return !telegramValueFault(t, r);
}

TEST(RandomEventTelegramValues, ReadBackInEveryFormat) {
  EXPECT_TRUE(valuesHold("001263 24512 1\r\n", worked(1)));
  EXPECT_TRUE(valuesHold("001263 245125 1\r\n", worked(2)));
  EXPECT_TRUE(valuesHold("001263 0125 245125 1\r\n", worked(3)));
  EXPECT_TRUE(valuesHold(bytes({0x24, 0x51, 0x02, 0x00, 0x12, 0x06, 0xFF}), worked(4)));
  EXPECT_TRUE(valuesHold(bytes({0x24, 0x51, 0x25, 0x00, 0x12, 0x06, 0xFF}), worked(5)));
  const std::string adb = bytes({0x24, 0x51, 0x20, 0x25, 0x00, 0x12, 0x06, 0x01, 0x25, 0xFF});
  EXPECT_TRUE(valuesHold(adb, worked(6)));
  const std::string adbMk3 = bytes({0x24, 0x51, 0x25, 0x25, 0x00, 0x12, 0x06, 0x01, 0x25, 0xFF});
  EXPECT_TRUE(valuesHold(adbMk3, worked(6, true)));
  // Each AS MK3M choice of the third byte is wrong for the other Mobile.
  EXPECT_FALSE(valuesHold(adbMk3, worked(6)));
  EXPECT_FALSE(valuesHold(adb, worked(6, true)));

  // The fix azimuth itself instead of its reciprocal, in each kind of field.
  EXPECT_FALSE(valuesHold("001263 06512 1\r\n", worked(1)));
  EXPECT_FALSE(valuesHold("001263 065125 1\r\n", worked(2)));
  EXPECT_FALSE(valuesHold(bytes({0x06, 0x51, 0x02, 0x00, 0x12, 0x06, 0xFF}), worked(4)));
  // Bearing and azimuth swapped, distance and bearing bytes swapped.
  EXPECT_FALSE(valuesHold("001263 2451 000125 1\r\n", worked(3)));
  EXPECT_FALSE(
      valuesHold(bytes({0x24, 0x51, 0x20, 0x25, 0x01, 0x25, 0x00, 0x00, 0x12, 0xFF}), worked(6)));
  // Rounded rather than cut off: 126.36 m is 1263 dm, 245.126 is 24512 hundredths.
  TelegramRecord r = worked(1);
  r.distance = 126.36L;
  r.fixAzimuth = 65.126L;
  EXPECT_TRUE(valuesHold("001263 24512 1\r\n", r));
  EXPECT_FALSE(valuesHold("001264 24512 1\r\n", r));
  EXPECT_FALSE(valuesHold("001263 24513 1\r\n", r));
  // 180.29 - 180 lands just below 0.29 in extended precision.
  r.fixAzimuth = 180.29L;
  EXPECT_TRUE(valuesHold("001263 00028 1\r\n", r));
  EXPECT_FALSE(valuesHold("001263 00029 1\r\n", r));
  // Half a circle from 180 is 360, not 0; from 0 it is 180.
  r.fixAzimuth = 180;
  EXPECT_TRUE(valuesHold("001263 36000 1\r\n", r));
  EXPECT_FALSE(valuesHold("001263 00000 1\r\n", r));
  r.fixAzimuth = 0;
  EXPECT_TRUE(valuesHold("001263 18000 1\r\n", r));
  // A distance too large for its field fills it with nines.
  r.distance = 250000;
  EXPECT_TRUE(valuesHold("999999 18000 1\r\n", r));
  EXPECT_FALSE(valuesHold("500000 18000 1\r\n", r));
}

TEST(RandomEventTelegramValues, LockFlagAndSilenceFollowTheLamp) {
  TelegramRecord r = worked(1);
  EXPECT_FALSE(valuesHold("001263 24512 0\r\n", r));  // in lock, flag says no
  r.locked = false;
  EXPECT_TRUE(valuesHold("000000 00000 0\r\n", r));
  EXPECT_FALSE(valuesHold("001263 24512 1\r\n", r));
  EXPECT_FALSE(valuesHold("001263 24512 0\r\n", r));  // values out of lock
  r.type = 4;
  EXPECT_FALSE(valuesHold(bytes({0x24, 0x51, 0x02, 0x00, 0x12, 0x06, 0xFF}), r));
  EXPECT_FALSE(valuesHold("001263 24512 1\r\n", worked(2)));  // another format's length
  EXPECT_FALSE(valuesHold("001263 245125 1\r\n", worked(7)));
}

// Both are seven bytes long: each is told by its own digits.
TEST(RandomEventTelegramValues, Bcd001AndBcd0001AreToldApartByTheirDigits) {
  const std::string fine = bytes({0x24, 0x51, 0x25, 0x00, 0x12, 0x06, 0xFF});
  const std::string coarse = bytes({0x24, 0x51, 0x02, 0x00, 0x12, 0x06, 0xFF});
  const std::string fault = telegramValueFault(fine, worked(4)).value_or("");
  EXPECT_NE(fault.find("third byte"), std::string::npos) << fault;
  EXPECT_FALSE(valuesHold(coarse, worked(5)));  // reads as 245.102
  // The last distance byte holds one digit in every BCD format.
  EXPECT_FALSE(valuesHold(bytes({0x24, 0x51, 0x25, 0x00, 0x12, 0x16, 0xFF}), worked(5)));
  EXPECT_FALSE(valuesHold(bytes({0x24, 0x51, 0x2A, 0x00, 0x12, 0x06, 0xFF}), worked(5)));
  EXPECT_FALSE(valuesHold(bytes({0x24, 0x51, 0x25, 0x00, 0x12, 0x06, 0xFE}), worked(5)));
}

// The simulator's own ticks in all six formats pass; a telegram the port is handed
// with a value the record does not give is caught with the record of that moment.
TEST(RandomEventTelegramValues, AreCheckedAsThePortIsHandedThem) {
  Session s(1, false);
  SimulationState& st = s.state();
  st.AddressMatch = st.RangeModeMatch = 1;
  s.sim().mobilePanel().ApdStatusLight1.Lit = true;
  s.sim().mobilePanel().ApdStatusLight1.LitColor = clLime;
  st.MobileLampLime = true;  // as the Mobile's cycle keeps it with the lamp
  st.FixAzimuth = 200.5;
  st.AntennaBearing = 359.95L;
  SerialOutput& out = s.sim().setupWindow().Serial;
  out.comportClick(true);
  for (int index = 0; index < 6; ++index) {
    out.telegramsChange(index);
    out.Timer4Timer();
    ASSERT_EQ(s.seen().telegrams.size(), static_cast<std::size_t>(index + 1));
    EXPECT_EQ(telegramValuesFault(s), std::nullopt) << "type " << index + 1;
  }
  st.MobileUnitRole = text::AsMk3M;
  out.Timer4Timer();
  EXPECT_EQ(telegramValuesFault(s), std::nullopt);

  out.telegramsChange(0);
  st.Distance = 126.34L;
  s.rig().serial.write("001263 20050 1\r\n");  // the fix azimuth, not its reciprocal
  const std::string fault = telegramValuesFault(s).value_or("");
  EXPECT_NE(fault.find("serial telegram: ASCII 16"), std::string::npos) << fault;
  EXPECT_NE(fault.find("azimuth"), std::string::npos) << fault;
}

// ---- Telegram rate ------------------------------------------------------------------

TEST(RandomEventTelegramRate, CountsAllowForPartialIntervals) {
  EXPECT_FALSE(telegramCountFault(0, 0, 4, true));
  EXPECT_FALSE(telegramCountFault(4, 1000, 4, true));
  EXPECT_TRUE(telegramCountFault(5, 1000, 4, true));
  EXPECT_TRUE(telegramCountFault(3, 1000, 4, true));
  EXPECT_FALSE(telegramCountFault(3, 1000, 4, false));  // BCD out of lock sends fewer
  EXPECT_FALSE(telegramCountFault(1, 300, 4, true));    // first or last interval partial
  EXPECT_FALSE(telegramCountFault(2, 300, 4, true));
  EXPECT_TRUE(telegramCountFault(0, 300, 4, true));
  EXPECT_TRUE(telegramCountFault(3, 300, 4, false));
  EXPECT_FALSE(telegramCountFault(1, 1999, 1, true));
  EXPECT_TRUE(telegramCountFault(3, 1999, 1, true));
  EXPECT_FALSE(telegramCountFault(20, 10000, 2, true));
  EXPECT_TRUE(telegramCountFault(0, 10, 0, false));  // no rate shown
}

// A sender whose timer does not run at the rate the list shows is caught on the
// serial port and on the network alike.
TEST(RandomEventTelegramRate, ATimerOffTheChosenRateIsCaught) {
  Session s(1, false);
  SerialOutput& out = s.sim().setupWindow().Serial;
  out.telegramsChange(0);  // ASCII 16: every slot sends, in lock or not
  out.comportClick(true);
  out.Network.tcpServerClick(true);
  ASSERT_FALSE(s.run(Event{"answer", 0, 0, ""}));  // the views catch up
  EXPECT_FALSE(s.run(Event{"time", 10100, 0, ""}));
  EXPECT_EQ(s.rateWindow(false).count, 40);
  EXPECT_EQ(s.rateWindow(true).count, 40);
  out.Timer4.setInterval(500);  // the list still shows 4 a second
  const std::string fault = s.run(Event{"time", 2000, 0, ""}).value_or("");
  EXPECT_NE(fault.find("serial port: 44 telegrams in 12100 ms"), std::string::npos) << fault;

  Session n(1, false);
  SerialOutput& net = n.sim().setupWindow().Serial;
  net.telegramsChange(1);
  net.Network.udpClick(true);
  ASSERT_FALSE(n.run(Event{"answer", 0, 0, ""}));
  net.Timer4.setInterval(100);
  EXPECT_NE(n.run(Event{"time", 1000, 0, ""}).value_or("").find("network: 10 telegrams"),
            std::string::npos);
}

TEST(RandomEventTelegramRate, ARateChangeOrASilentTypeStartsAFreshCount) {
  Session s(1, false);
  SerialOutput& out = s.sim().setupWindow().Serial;
  out.telegramsChange(0);
  out.comportClick(true);
  ASSERT_FALSE(s.run(Event{"answer", 0, 0, ""}));
  EXPECT_FALSE(s.run(Event{"time", 1100, 0, ""}));
  out.updaterateChange(0);  // 1 a second, from now
  ASSERT_FALSE(s.run(Event{"answer", 0, 0, ""}));
  EXPECT_EQ(s.rateWindow(false).perSecond, 1);
  EXPECT_EQ(s.rateWindow(false).count, 0);
  EXPECT_FALSE(s.run(Event{"time", 3000, 0, ""}));
  EXPECT_EQ(s.rateWindow(false).count, 3);
  out.telegramsChange(3);  // BCD(0.01) out of lock: nothing sent, nothing missing
  ASSERT_FALSE(s.run(Event{"answer", 0, 0, ""}));
  EXPECT_FALSE(s.rateWindow(false).everySlotSends);
  EXPECT_FALSE(s.run(Event{"time", 5000, 0, ""}));
  EXPECT_EQ(s.rateWindow(false).count, 0);
}

// ---- Line settings ------------------------------------------------------------------

TEST(RandomEventLineSettings, TheOpenPortUsesWhatTheOperatorPicked) {
  Session s(1, true);  // loose: the telegram half is reachable without the menus
  SerialOutput& out = s.sim().setupWindow().Serial;
  ASSERT_FALSE(s.run(Event{"serialList", 1, 0, ""}));  // 1200 Baud, port still closed
  ASSERT_FALSE(s.run(Event{"serialList", 0, 2, ""}));  // COM PORT 3
  out.comportClick(true);
  EXPECT_EQ(lineSettingsFault(s), std::nullopt);
  ASSERT_FALSE(s.run(Event{"serialList", 3, 2, ""}));  // odd parity, applied at once
  EXPECT_EQ(s.rig().serial.settings.parity, Parity::Odd);
  s.rig().serial.settings.parity = Parity::Even;
  EXPECT_NE(lineSettingsFault(s).value_or("").find("parity"), std::string::npos);
  s.rig().serial.settings.parity = Parity::Odd;
  s.rig().serial.settings.baudRate = 9600;
  EXPECT_NE(lineSettingsFault(s).value_or("").find("\"1200 Baud\""), std::string::npos);
  s.rig().serial.settings.baudRate = 1200;

  // Under the simulator's control the Mobile moves the lists but not the port, and
  // a pick in a locked list is no choice.
  out.comportClick(false);
  out.CheckBox1Click(true);
  out.followMobilePerConnection("4800", "BITS : 7 - E", "STOP : 2    ");
  EXPECT_EQ(out.baudrate.Text(), "4800 Baud");
  EXPECT_FALSE(s.run(Event{"serialList", 4, 1, ""}));
  EXPECT_EQ(lineSettingsFault(s), std::nullopt);
  s.rig().serial.port = 1;
  EXPECT_NE(lineSettingsFault(s).value_or("").find("port"), std::string::npos);
}

// ---- Network messages ---------------------------------------------------------------

TEST(RandomEventNetworkMessages, NameThePortOrHostTyped) {
  using C = NetworkChannel;
  const std::string listen = "The TCP server cannot listen on port 4001: in use.";
  EXPECT_FALSE(networkMessageFault(listen, C::TcpServer, "4001", ""));
  EXPECT_FALSE(networkMessageFault(listen, C::TcpServer, "04001", ""));
  EXPECT_TRUE(networkMessageFault("Port in use.", C::TcpServer, "4001", ""));
  EXPECT_TRUE(networkMessageFault(listen, C::TcpServer, "400", ""));  // part of 4001
  EXPECT_TRUE(networkMessageFault(listen, C::TcpServer, "4002", ""));
  EXPECT_FALSE(networkMessageFault("Unknown host logger.", C::Udp, "4002", " logger "));
  EXPECT_FALSE(networkMessageFault("UDP to port 4002 refused.", C::Udp, "4002", "logger"));
  EXPECT_TRUE(networkMessageFault("Unknown host.", C::Udp, "4002", "logger"));
  EXPECT_TRUE(networkMessageFault("Gone.", C::Udp, "", ""));
}

TEST(RandomEventNetworkMessages, AreTakenFromRefusalsAndFailures) {
  Session s(1, true);
  NetworkOutput& net = s.sim().setupWindow().Serial.Network;
  ASSERT_FALSE(s.run(Event{"networkRefuses", 0, 1, ""}));  // every TCP port in use
  EXPECT_FALSE(s.run(Event{"networkBox", 0, 1, ""}));
  ASSERT_EQ(s.seen().networkMessages.size(), 1u);
  EXPECT_NE(s.seen().networkMessages[0].text.find("port 4001"), std::string::npos);
  EXPECT_FALSE(net.tcpServer.Checked);
  ASSERT_FALSE(s.run(Event{"networkRefuses", 0, 0, ""}));
  s.rig().network.refuse = "Port in use.";
  EXPECT_NE(s.run(Event{"networkBox", 0, 1, ""}).value_or("").find("does not name the port"),
            std::string::npos);
  s.rig().network.refuse.clear();

  // A late lookup that finds nothing: the message waits for the view and names the
  // host, unless the network was handed another host than the one typed.
  ASSERT_FALSE(s.run(Event{"networkBox", 1, 1, ""}));
  ASSERT_TRUE(net.udp.Checked);
  EXPECT_FALSE(s.run(Event{"networkFails", 1, 0, ""}));
  ASSERT_EQ(s.seen().networkMessages.size(), 1u);
  EXPECT_EQ(s.seen().networkMessages[0].text, "Unknown host 127.0.0.1.");
  ASSERT_FALSE(s.run(Event{"networkBox", 1, 1, ""}));
  s.rig().network.udpHost = "elsewhere";
  EXPECT_NE(s.run(Event{"networkFails", 1, 0, ""}).value_or("").find("names neither"),
            std::string::npos);
}

// ---- Locked controls ----------------------------------------------------------------

TEST(RandomEventLockedControls, FollowTheBoxes) {
  Session s(1, false);
  SerialOutput& out = s.sim().setupWindow().Serial;
  EXPECT_EQ(lockedControlFault(out), std::nullopt);
  out.Network.tcpServerClick(true);
  out.Network.udpClick(true);
  EXPECT_EQ(lockedControlFault(out), std::nullopt);
  out.Network.udpHost.Enabled = true;
  EXPECT_NE(lockedControlFault(out).value_or("").find("UDP host edit is enabled"),
            std::string::npos);
  out.Network.udpHost.Enabled = false;
  out.Network.tcpServerClick(false);
  out.Network.tcpPort.Enabled = false;
  EXPECT_NE(lockedControlFault(out).value_or("").find("TCP port edit is disabled"),
            std::string::npos);
  out.Network.tcpPort.Enabled = true;

  out.CheckBox1Click(true);
  EXPECT_EQ(lockedControlFault(out), std::nullopt);
  out.stopbits.Enabled = true;
  EXPECT_NE(lockedControlFault(out).value_or("").find("stop bits"), std::string::npos);
  out.stopbits.Enabled = false;
  out.CheckBox1Click(false);
  out.comportClick(true);
  EXPECT_EQ(lockedControlFault(out), std::nullopt);
  out.CheckBox1.Enabled = true;
  EXPECT_NE(lockedControlFault(out).value_or("").find("Controled"), std::string::npos);
  out.CheckBox1.Enabled = false;
  out.coms.Enabled = false;
  EXPECT_TRUE(lockedControlFault(out));
}

TEST(RandomEventInvariants, ATimerTickOpeningAMessageBoxIsCaught) {
  Session s(1, false);
  EXPECT_FALSE(s.run(Event{"time", 100, 0, ""}));
  // A fault planted in the seams: the next tick's write is refused while the
  // tester is told nothing of it; output must still stop with one message.
  SerialOutput& out = s.sim().setupWindow().Serial;
  out.telegramsChange(0);  // ASCII 16, sent in lock and out of it
  out.comportClick(true);
  ASSERT_TRUE(out.Sending());
  s.rig().serial.refuseWrites = true;
  EXPECT_FALSE(s.run(Event{"time", 1000, 0, ""}));
  EXPECT_FALSE(out.Sending());
  EXPECT_EQ(s.seen().portMessages, 1);
}

TEST(RandomEventStreams, AreFixedBySeedAndReplayFromText) {
  const std::vector<Event> a = streamEvents(7, true, 300);
  EXPECT_EQ(a, streamEvents(7, true, 300));
  EXPECT_NE(a, streamEvents(8, true, 300));
  for (const Event& e : a) EXPECT_EQ(fromLine(toLine(e)), e) << toLine(e);
  const Outcome o = runEvents(a, 7, true);
  EXPECT_FALSE(o.failed) << o.what;
}

TEST(RandomEventStreams, EveryKindOfEventIsKnown) {
  Session s(3, true);
  for (const EventKind& k : eventTable()) EXPECT_TRUE(applyEvent(s, Event{k.name, 1, 1, "1"}));
  EXPECT_FALSE(applyEvent(s, Event{"no such event", 0, 0, ""}));
}

// A failure is shrunk to the few events that still make it happen.
TEST(RandomEventStreams, AFailureShrinksToTheEventsThatCauseIt) {
  std::vector<Event> events = streamEvents(5, false, 200);
  // Refused writes while output runs: output stops, which is no fault, but an
  // unknown event name is one the runner reports; plant it late in the stream.
  events.insert(events.begin() + 150, Event{"no such event", 0, 0, ""});
  const Outcome o = runIsolated(events, 5, false);
  ASSERT_TRUE(o.failed);
  EXPECT_EQ(o.failedAt, 150u);
  const std::vector<Event> shrunk = shrink(events, 5, false, o.what, 30);
  ASSERT_EQ(shrunk.size(), 1u);
  EXPECT_EQ(shrunk[0].name, "no such event");
}

}  // namespace
