#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace kestrom {

class Scheduler;

// A window timer: fires its handler every Interval milliseconds of virtual time
// while Enabled. Like a desktop window timer, a timer that fell behind fires once
// and keeps its phase; enabling it (or changing its interval) counts from now.
class Timer {
 public:
  // `order` decides which of several timers due at the same instant fires first:
  // window creation index * 100 + timer number.
  Timer(Scheduler& scheduler, int order, int intervalMs, bool enabled,
        std::function<void()> handler = {});
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  int Interval() const { return interval_; }
  bool Enabled() const { return enabled_; }
  void setInterval(int ms);
  void setEnabled(bool on);
  void start() { setEnabled(true); }
  void stop() { setEnabled(false); }
  void setHandler(std::function<void()> handler) { handler_ = std::move(handler); }
  int order() const { return order_; }
  std::int64_t due() const { return due_; }

 private:
  friend class Scheduler;
  Scheduler& scheduler_;
  int order_;
  int interval_;
  bool enabled_;
  std::int64_t due_ = 0;
  std::function<void()> handler_;
};

// Virtual-time clock for every window timer of the simulator. Tests advance it by
// hand; the application advances it to the real elapsed time.
class Scheduler {
 public:
  std::int64_t now() const { return now_; }

  // Runs every tick that falls due up to now() + ms, in time order; timers due at
  // the same instant fire by their order key. Virtual time: no tick is skipped.
  void advance(std::int64_t ms);
  void advanceTo(std::int64_t t);

  // Real-time driver: brings the clock to t, firing each due timer at most once, as
  // a desktop does for a timer whose slots passed while the machine was busy.
  void catchUpTo(std::int64_t t);

  // Earliest due time of an enabled timer.
  std::optional<std::int64_t> nextDue() const;

  // Called whenever a timer is enabled, disabled or re-timed (the application
  // re-arms its real timer).
  std::function<void()> onScheduleChanged;

 private:
  friend class Timer;
  void add(Timer* t);
  void remove(Timer* t);
  void changed();
  Timer* nextTimerDueBy(std::int64_t t) const;
  void run(std::int64_t target, bool coalesce);

  std::int64_t now_ = 0;
  bool running_ = false;
  std::vector<Timer*> timers_;
};

}  // namespace kestrom
