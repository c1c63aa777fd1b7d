#pragma once

#include <random>
#include <string>
#include <vector>

#include "random_events/event.h"

namespace kestrom::random_events {

class Session;

// Draws the arguments of an event from the tester's own random stream, which
// never looks at the simulator: a seed names one stream of events whatever the
// simulator does with them.
class Draw {
 public:
  explicit Draw(unsigned seed) : engine_(seed) {}
  int below(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(engine_); }
  int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(engine_); }
  bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(engine_) < p; }
  // Digits, sometimes with a stray comma, point, sign, blank or letter, as a
  // trainee half-typing or mistyping a number leaves them.
  std::string numberish(int maxLength);
  // Any printable text.
  std::string junk(int maxLength);

 private:
  std::mt19937 engine_;
};

// One kind of event: how often it is drawn, how its arguments are drawn and what
// it does. `looseOnly` kinds reach entry points no view calls that way.
struct EventKind {
  const char* name;
  int weight;
  bool looseOnly;
  void (*draw)(Draw&, Event&);
  void (*apply)(Session&, const Event&);
};

// Every kind of event, grouped by window.
const std::vector<EventKind>& eventTable();

// Runs an event on the session; false for a name the table does not know.
bool applyEvent(Session& s, const Event& e);

// The seeded stream of events.
class EventStream {
 public:
  EventStream(unsigned seed, bool loose);
  Event next();

 private:
  Draw draw_;
  std::vector<const EventKind*> kinds_;
  std::discrete_distribution<int> pick_;
  std::mt19937 engine_;
};

}  // namespace kestrom::random_events
