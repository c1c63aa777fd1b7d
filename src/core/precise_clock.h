#pragma once

#include <cstdint>

namespace kestrom {

// The machine's monotonic clock in nanoseconds, and a wait that ends at an exact
// instant of it: a sleep for the bulk of the wait, then a short spell awake so that
// a late wake-up from the sleep cannot make the caller late.
namespace precise {

std::int64_t nowNs();

// Returns at targetNs or, when that has passed, at once. The last spinNs of the
// wait are spent awake.
inline constexpr std::int64_t kDefaultSpinNs = 300'000;
void waitUntilNs(std::int64_t targetNs, std::int64_t spinNs = kDefaultSpinNs);

// Asks the kernel to end this thread's sleeps when asked rather than up to 50 us
// later (Linux; elsewhere nothing).
void tightenTimerSlack();

// Puts this thread ahead of ordinary threads (a real-time policy at its lowest
// priority) where the system allows it, so that a wait ends on time on a machine
// whose cores are busy. Meant for a thread that sleeps nearly all the time; threads
// it starts get the ordinary policy. False when the system refuses; the thread then
// keeps its ordinary place.
bool preferThisThread();

}  // namespace precise
}  // namespace kestrom
