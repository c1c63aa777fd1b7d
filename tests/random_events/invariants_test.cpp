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
