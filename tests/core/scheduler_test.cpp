#include "core/scheduler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace kestrom {
namespace {

TEST(Scheduler, TimersDueTogetherFireInOrderOfTheirKey) {
  Scheduler s;
  std::vector<std::string> log;
  Timer late(s, 700, 100, true, [&] { log.push_back("aid"); });
  Timer early(s, 103, 100, true, [&] { log.push_back("mobile"); });
  s.advance(200);
  EXPECT_EQ(log, (std::vector<std::string>{"mobile", "aid", "mobile", "aid"}));
}

TEST(Scheduler, VirtualTimeFiresEveryTickAndRestartCountsFromNow) {
  Scheduler s;
  int ticks = 0;
  Timer t(s, 1, 100, true, [&] { ++ticks; });
  s.advance(1000);
  EXPECT_EQ(ticks, 10);
  s.advance(50);
  t.stop();
  t.start();  // restarted at 1050: next tick at 1150
  s.advance(90);
  EXPECT_EQ(ticks, 10);
  s.advance(10);
  EXPECT_EQ(ticks, 11);
}

TEST(Scheduler, RealTimeCatchUpFiresOnceAndKeepsPhase) {
  Scheduler s;
  int ticks = 0;
  Timer t(s, 1, 250, true, [&] { ++ticks; });
  s.catchUpTo(1100);  // four slots passed while busy
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(t.due(), 1250);
}

TEST(Scheduler, HandlerMayStopOrRetimeItsOwnTimer) {
  Scheduler s;
  int ticks = 0;
  Timer once(s, 1, 5000, true);
  once.setHandler([&] {
    ++ticks;
    once.stop();
  });
  Timer retimed(s, 2, 100, true);
  retimed.setHandler([&] { retimed.setInterval(1000); });
  s.advance(20000);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(retimed.due(), 20100);
}

// A handler that pumps the event loop (a modal message, a repaint) asks the
// scheduler to run again from inside a tick; the inner call must fire nothing,
// or the same tick would run twice and time would jump under the outer loop.
TEST(Scheduler, AHandlerThatAdvancesTimeFiresNothingFromWithin) {
  Scheduler s;
  std::vector<std::int64_t> fired;
  Timer pumping(s, 1, 100, true);
  pumping.setHandler([&] {
    fired.push_back(s.now());
    s.advance(1000);
    s.catchUpTo(5000);
  });
  Timer other(s, 2, 100, true, [&] { fired.push_back(-s.now()); });
  s.advance(200);
  EXPECT_EQ(fired, (std::vector<std::int64_t>{100, -100, 200, -200}));
  EXPECT_EQ(s.now(), 200);
  s.advance(100);  // the outer loop ended cleanly: the next call runs again
  EXPECT_EQ(fired.size(), 6u);
}

}  // namespace
}  // namespace kestrom
