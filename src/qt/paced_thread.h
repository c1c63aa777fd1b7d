#pragma once

#include <QObject>
#include <QThread>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

namespace kestrom {

// A thread of its own for the telegram outputs. The user-interface thread may be
// busy drawing when a telegram falls due; the bytes are therefore handed over with
// the instant they belong to and written here, at that instant to a fraction of a
// millisecond, by a thread that does nothing else.
//
// Jobs run in the order they were posted. Objects the jobs use (a serial port, a
// socket) are made by a job, so that they belong to this thread.
class PacedThread {
 public:
  explicit PacedThread(const char* name);
  ~PacedThread();  // jobs not yet run are dropped
  PacedThread(const PacedThread&) = delete;
  PacedThread& operator=(const PacedThread&) = delete;

  // Runs `job` on the thread after every job posted before it (which then run at
  // once, not at their instants) and waits for it to end.
  void runNow(const std::function<void()>& job);
  // Runs `job` on the thread at the monotonic instant `dueNs` (precise::nowNs()),
  // or at once when that has passed.
  void runAt(std::int64_t dueNs, std::function<void()> job);
  // An object of the thread, to own the thread's objects and timers.
  QObject* context() const { return context_; }

 private:
  struct Job {
    std::int64_t dueNs;
    std::function<void()> run;
  };
  // On the thread: runs what is due, then sleeps until the next job nears.
  void serve(bool all);

  QThread thread_;
  QObject* context_;  // lives on thread_, deleted there
  QTimer* wake_;      // child of context_
  std::mutex mutex_;
  std::deque<Job> jobs_;
};

}  // namespace kestrom
