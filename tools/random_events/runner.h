#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "random_events/event.h"

namespace kestrom::random_events {

// How a run of events ended.
struct Outcome {
  bool failed = false;
  std::size_t failedAt = 0;  // index of the event after which the check failed
  std::string what;          // the broken invariant, or how the run died
};

// Runs the events on a fresh simulator seeded with `seed`, checking after each.
Outcome runEvents(const std::vector<Event>& events, unsigned seed, bool loose);

// Runs `count` events of the stream of `seed` in a child process, without keeping
// them; a crash is reported at the event that was running.
Outcome runStream(unsigned seed, bool loose, std::uint64_t count);

// The first `count` events of the stream of `seed`.
std::vector<Event> streamEvents(unsigned seed, bool loose, std::size_t count);

// Runs `events` in a child process, so that a sanitizer report or a crash ends
// the child rather than the tester; a dead child is a failure too.
Outcome runIsolated(const std::vector<Event>& events, unsigned seed, bool loose);

// A failure with its numbers and quoted texts left out: two runs that fail with
// the same key broke the same invariant.
std::string faultKey(const std::string& what);

// Removes events while the run still fails the same way; stops after
// `budgetSeconds`. Returns the shortest failing list found.
std::vector<Event> shrink(std::vector<Event> events, unsigned seed, bool loose,
                          const std::string& what, double budgetSeconds);

}  // namespace kestrom::random_events
