#include "random_events/runner.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

#include "random_events/event_table.h"
#include "random_events/session.h"

namespace kestrom::random_events {

namespace {

// The index of the event running now, kept where a parent can read it after
// the child died.
std::size_t* g_progress = nullptr;

void note(std::size_t index) {
  if (g_progress) *g_progress = index;
}

Outcome failure(std::size_t at, std::string what) {
  return Outcome{true, at, std::move(what)};
}

// A child's outcome goes back through a pipe as "index what".
void sendOutcome(int fd, const Outcome& o) {
  std::string msg = o.failed ? std::to_string(o.failedAt) + ' ' + o.what : "ok";
  ssize_t left = static_cast<ssize_t>(msg.size());
  const char* p = msg.data();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, static_cast<std::size_t>(left));
    if (n <= 0) break;
    p += n;
    left -= n;
  }
}

std::string receive(int fd) {
  std::string msg;
  char buf[512];
  ssize_t n;
  while ((n = ::read(fd, buf, sizeof buf)) > 0) msg.append(buf, static_cast<std::size_t>(n));
  return msg;
}

Outcome parseOutcome(const std::string& msg) {
  if (msg == "ok") return {};
  const std::size_t space = msg.find(' ');
  return failure(std::stoul(msg.substr(0, space)), msg.substr(space + 1));
}

// Runs `body` in a child process; a child that dies instead of reporting has
// crashed at the event it was running.
template <class Body>
Outcome isolated(Body body, bool quiet) {
  auto* progress = static_cast<std::size_t*>(mmap(
      nullptr, sizeof(std::size_t), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
  int fds[2];
  if (progress == MAP_FAILED || pipe(fds) != 0) return failure(0, "cannot start a child");
  *progress = 0;
  const pid_t pid = fork();
  if (pid == 0) {
    ::close(fds[0]);
    if (quiet) {
      const int null = ::open("/dev/null", O_WRONLY);
      dup2(null, STDERR_FILENO);
    }
    g_progress = progress;
    sendOutcome(fds[1], body());
    ::close(fds[1]);
    _exit(0);
  }
  ::close(fds[1]);
  const std::string msg = receive(fds[0]);
  ::close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  const std::size_t at = *progress;
  munmap(progress, sizeof(std::size_t));
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0 && !msg.empty()) return parseOutcome(msg);
  return failure(at, "crash");
}

}  // namespace

std::string faultKey(const std::string& what) {
  std::string key;
  bool inQuotes = false;
  for (char c : what) {
    if (c == '"') inQuotes = !inQuotes;
    if (!inQuotes && c != '"' && (c < '0' || c > '9') && c != '.' && c != '-') key += c;
  }
  return key;
}

Outcome runEvents(const std::vector<Event>& events, unsigned seed, bool loose) {
  Session session(seed, loose);
  for (std::size_t i = 0; i < events.size(); ++i) {
    note(i);
    if (std::optional<std::string> broken = session.run(events[i])) return failure(i, *broken);
  }
  return {};
}

Outcome runStream(unsigned seed, bool loose, std::uint64_t count) {
  return isolated(
      [&] {
        Session session(seed, loose);
        EventStream stream(seed, loose);
        for (std::uint64_t i = 0; i < count; ++i) {
          note(i);
          if (std::optional<std::string> broken = session.run(stream.next())) {
            return failure(i, *broken);
          }
        }
        return Outcome{};
      },
      false);
}

std::vector<Event> streamEvents(unsigned seed, bool loose, std::size_t count) {
  EventStream stream(seed, loose);
  std::vector<Event> events;
  events.reserve(count);
  for (std::size_t i = 0; i < count; ++i) events.push_back(stream.next());
  return events;
}

Outcome runIsolated(const std::vector<Event>& events, unsigned seed, bool loose) {
  return isolated([&] { return runEvents(events, seed, loose); }, true);
}

std::vector<Event> shrink(std::vector<Event> events, unsigned seed, bool loose,
                          const std::string& what, double budgetSeconds) {
  const auto start = std::chrono::steady_clock::now();
  const auto timeLeft = [&] {
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    return spent.count() < budgetSeconds;
  };
  // A fault mostly needs only the last few events before it: try short tails first.
  for (std::size_t tail = 8; tail < events.size() && timeLeft(); tail *= 4) {
    std::vector<Event> candidate(events.end() - static_cast<long>(tail), events.end());
    const Outcome o = runIsolated(candidate, seed, loose);
    if (o.failed && faultKey(o.what) == faultKey(what)) {
      candidate.resize(std::min(candidate.size(), o.failedAt + 1));
      events = std::move(candidate);
      break;
    }
  }
  std::size_t chunk = events.size() / 2;
  while (chunk >= 1 && timeLeft()) {
    bool removed = false;
    for (std::size_t i = 0; i < events.size() && timeLeft();) {
      std::vector<Event> candidate(events.begin(), events.begin() + static_cast<long>(i));
      const std::size_t end = std::min(events.size(), i + chunk);
      candidate.insert(candidate.end(), events.begin() + static_cast<long>(end), events.end());
      const Outcome o = runIsolated(candidate, seed, loose);
      if (o.failed && faultKey(o.what) == faultKey(what)) {
        candidate.resize(std::min(candidate.size(), o.failedAt + 1));
        events = std::move(candidate);
        removed = true;
      } else {
        i += chunk;
      }
    }
    if (!removed) chunk /= 2;
    chunk = std::min(chunk, events.size() / 2 == 0 ? 1 : events.size() / 2);
    if (events.size() <= 1) break;
  }
  return events;
}

}  // namespace kestrom::random_events
