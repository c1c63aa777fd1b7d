#pragma once

// The process's file handles used up on purpose, and the telegram thread's own
// processor time: to check that a thread does not spin while no handle is free.
#include <dirent.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "qt/paced_thread.h"

namespace kestrom::testing {

// Built with the address and undefined-behaviour sanitizers. Their runtime makes
// handles of its own while it checks (a pipe to look up an object's type): with
// none free it takes sound objects for bad ones, so the tests that use up every
// handle run in the other builds only.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitized = true;
#else
inline constexpr bool kSanitized = false;
#endif
inline constexpr bool kHandlesCanRunOut = !kSanitized;

// Processor time the telegram thread has used, in seconds.
inline double lineThreadSeconds() {
  double seconds = 0;
  PacedThread::shared()->runNow([&] {
    rusage use{};
    getrusage(RUSAGE_THREAD, &use);
    seconds = static_cast<double>(use.ru_utime.tv_sec + use.ru_stime.tv_sec) +
              static_cast<double>(use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
  });
  return seconds;
}

// Holds the process's file handles at those open now, for as long as it lives:
// the soft limit drops to just above the highest handle, and every lower one
// still free is taken.
class HandlesUsedUp {
 public:
  HandlesUsedUp() {
    getrlimit(RLIMIT_NOFILE, &saved_);
    int highest = 0;
    if (DIR* dir = opendir("/proc/self/fd")) {
      while (const dirent* entry = readdir(dir))
        highest = std::max(highest, std::atoi(entry->d_name));
      closedir(dir);
    }
    rlimit low = saved_;
    low.rlim_cur = static_cast<rlim_t>(highest + 1);
    setrlimit(RLIMIT_NOFILE, &low);
    for (int fd; (fd = ::dup(0)) >= 0;) fillers_.push_back(fd);
  }
  ~HandlesUsedUp() { release(); }
  HandlesUsedUp(const HandlesUsedUp&) = delete;
  HandlesUsedUp& operator=(const HandlesUsedUp&) = delete;
  void release() {
    for (const int fd : fillers_) ::close(fd);
    fillers_.clear();
    setrlimit(RLIMIT_NOFILE, &saved_);
  }

 private:
  rlimit saved_{};
  std::vector<int> fillers_;
};

}  // namespace kestrom::testing
