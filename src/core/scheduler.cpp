#include "core/scheduler.h"

#include <algorithm>

namespace kestrom {

Timer::Timer(Scheduler& scheduler, int order, int intervalMs, bool enabled,
             std::function<void()> handler)
    : scheduler_(scheduler),
      order_(order),
      interval_(intervalMs),
      enabled_(enabled),
      handler_(std::move(handler)) {
  due_ = scheduler_.now() + interval_;
  scheduler_.add(this);
}

Timer::~Timer() {
  scheduler_.remove(this);
}

void Timer::setInterval(int ms) {
  if (ms == interval_) return;
  interval_ = ms;
  due_ = scheduler_.now() + interval_;
  scheduler_.changed();
}

void Timer::setEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  if (on) due_ = scheduler_.now() + interval_;
  scheduler_.changed();
}

void Scheduler::add(Timer* t) {
  timers_.push_back(t);
  changed();
}

void Scheduler::remove(Timer* t) {
  std::erase(timers_, t);
}

void Scheduler::changed() {
  if (onScheduleChanged) onScheduleChanged();
}

std::optional<std::int64_t> Scheduler::nextDue() const {
  std::optional<std::int64_t> best;
  for (const Timer* t : timers_) {
    if (t->enabled_ && t->interval_ > 0 && (!best || t->due_ < *best)) best = t->due_;
  }
  return best;
}

Timer* Scheduler::nextTimerDueBy(std::int64_t limit) const {
  Timer* best = nullptr;
  for (Timer* t : timers_) {
    if (!t->enabled_ || t->interval_ <= 0 || t->due_ > limit) continue;
    if (!best || t->due_ < best->due_ || (t->due_ == best->due_ && t->order_ < best->order_)) {
      best = t;
    }
  }
  return best;
}

void Scheduler::advance(std::int64_t ms) {
  advanceTo(now_ + ms);
}

void Scheduler::advanceTo(std::int64_t target) {
  run(target, false);
}

void Scheduler::catchUpTo(std::int64_t target) {
  run(target, true);
}

void Scheduler::run(std::int64_t target, bool coalesce) {
  if (running_) return;  // a handler that pumps events must not re-enter the timers
  running_ = true;
  while (Timer* t = nextTimerDueBy(target)) {
    now_ = std::max(now_, t->due_);
    std::int64_t next = t->due_ + t->interval_;
    if (coalesce && next <= target) {
      // Keep the phase; a timer that fell behind fires once, not once per missed slot.
      next += ((target - next) / t->interval_ + 1) * t->interval_;
    }
    t->due_ = next;
    if (t->handler_) t->handler_();
  }
  now_ = std::max(now_, target);
  running_ = false;
  changed();
}

}  // namespace kestrom
