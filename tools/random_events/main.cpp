// Feeds seeded random streams of everything a trainee can do to the whole
// simulator on the test seams and checks, after every event, what must always
// hold (invariants.h).
//
//   kestrom-random-events [--seed N] [--runs K] [--events N] [--loose]
//   kestrom-random-events --replay FILE [--loose]
//
// --runs K runs the streams of seeds N .. N+K-1, each of --events events. A
// failing stream is shrunk to a short event list that still fails the same way;
// the list is written to random-events-<seed>.events (or --out FILE) and replays
// with --replay. Prints events per second.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "random_events/event.h"
#include "random_events/runner.h"

using namespace kestrom::random_events;

namespace {

struct Options {
  unsigned seed = 1;
  unsigned runs = 1;
  std::uint64_t events = 10000;
  bool loose = false;
  std::string replay;
  std::string out;
  double shrinkSeconds = 120;
};

bool parse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--loose") {
      o.loose = true;
    } else if (arg == "--seed" && hasValue) {
      o.seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
    } else if (arg == "--runs" && hasValue) {
      o.runs = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
    } else if (arg == "--events" && hasValue) {
      o.events = std::strtoull(argv[++i], nullptr, 10);
    } else if (arg == "--replay" && hasValue) {
      o.replay = argv[++i];
    } else if (arg == "--out" && hasValue) {
      o.out = argv[++i];
    } else if (arg == "--shrink-seconds" && hasValue) {
      o.shrinkSeconds = std::strtod(argv[++i], nullptr);
    } else {
      std::fprintf(stderr, "unknown option %s\n", arg.c_str());
      return false;
    }
  }
  return true;
}

// A replay file names the seed of the simulator's own randomness and the mode.
std::string header(unsigned seed, bool loose, const std::string& what) {
  return "seed " + std::to_string(seed) + (loose ? " loose" : "") + "\nfails: " + what;
}

void readHeader(const std::string& path, Options& o) {
  if (std::FILE* f = std::fopen(path.c_str(), "r")) {
    char line[256];
    if (std::fgets(line, sizeof line, f)) {
      unsigned seed = 0;
      if (std::sscanf(line, "# seed %u", &seed) == 1) o.seed = seed;
      if (std::strstr(line, " loose")) o.loose = true;
    }
    std::fclose(f);
  }
}

int replay(Options o) {
  readHeader(o.replay, o);
  std::string error;
  const std::vector<Event> events = readEventFile(o.replay, &error);
  if (!error.empty()) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  const Outcome r = runEvents(events, o.seed, o.loose);
  if (!r.failed) {
    std::printf("%s: %zu events, every invariant holds\n", o.replay.c_str(), events.size());
    return 0;
  }
  std::printf("%s: event %zu (%s) broke: %s\n", o.replay.c_str(), r.failedAt + 1,
              toLine(events[r.failedAt]).c_str(), r.what.c_str());
  return 1;
}

void reportFailure(const Options& o, unsigned seed, const Outcome& r) {
  std::printf("seed %u%s: event %zu broke: %s\n", seed, o.loose ? " (loose)" : "", r.failedAt + 1,
              r.what.c_str());
  std::vector<Event> events = streamEvents(seed, o.loose, r.failedAt + 1);
  events = shrink(std::move(events), seed, o.loose, r.what, o.shrinkSeconds);
  const std::string path =
      o.out.empty() ? "random-events-" + std::to_string(seed) + ".events" : o.out;
  writeEventFile(path, events, header(seed, o.loose, r.what));
  std::printf("shrunk to %zu events, written to %s (replay: --replay %s):\n", events.size(),
              path.c_str(), path.c_str());
  for (const Event& e : events) std::printf("  %s\n", toLine(e).c_str());
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!parse(argc, argv, o)) return 2;
  if (!o.replay.empty()) return replay(o);
  int failures = 0;
  for (unsigned k = 0; k < o.runs; ++k) {
    const unsigned seed = o.seed + k;
    const auto start = std::chrono::steady_clock::now();
    const Outcome r = runStream(seed, o.loose, o.events);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    const std::uint64_t done = r.failed ? r.failedAt + 1 : o.events;
    std::printf("seed %u%s: %llu events in %.1f s, %.0f events/s\n", seed,
                o.loose ? " (loose)" : "", static_cast<unsigned long long>(done), took.count(),
                static_cast<double>(done) / std::max(took.count(), 1e-9));
    std::fflush(stdout);
    if (r.failed) {
      ++failures;
      reportFailure(o, seed, r);
    }
  }
  return failures == 0 ? 0 : 1;
}
