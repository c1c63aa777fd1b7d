#include "core/precise_clock.h"

#include <chrono>
#include <thread>

#ifdef __linux__
#include <sched.h>
#include <sys/prctl.h>
#endif

namespace kestrom::precise {

std::int64_t nowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void waitUntilNs(std::int64_t targetNs, std::int64_t spinNs) {
  const std::int64_t sleepUntil = targetNs - spinNs;
  const std::int64_t now = nowNs();
  if (sleepUntil > now) std::this_thread::sleep_for(std::chrono::nanoseconds(sleepUntil - now));
  while (nowNs() < targetNs) {
  }
}

void tightenTimerSlack() {
#ifdef __linux__
  prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
#endif
}

bool preferThisThread() {
#ifdef __linux__
  sched_param param{};
  param.sched_priority = sched_get_priority_min(SCHED_FIFO);
  // 0: the calling thread.
  return sched_setscheduler(0, SCHED_FIFO | SCHED_RESET_ON_FORK, &param) == 0;
#else
  return false;
#endif
}

}  // namespace kestrom::precise
