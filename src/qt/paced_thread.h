#pragma once

#include <QObject>
#include <QThread>
#include <QTimer>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

namespace kestrom {

class PacedThread;

// The paced thread's own object: a queued call of serve() by name wakes the
// thread and carries no data.
class PacedThreadContext : public QObject {
  Q_OBJECT
 public:
  explicit PacedThreadContext(PacedThread& owner) : owner_(owner) {}
  Q_INVOKABLE void serve();

 private:
  PacedThread& owner_;
};

// A thread of its own for the telegram outputs. The user-interface thread may be
// busy drawing when a telegram falls due; the bytes are therefore handed over with
// the instant they belong to and written here, at that instant to a fraction of a
// millisecond, by a thread that does nothing else.
//
// Jobs run in the order they were posted. Objects the jobs use (a serial port, a
// socket) are made by a job, so that they belong to this thread.
//
// Every job is handed over under a mutex of the standard library, and Qt only
// wakes the thread, so that a thread checker sees each hand-over.
class PacedThread {
 public:
  explicit PacedThread(const char* name);
  // The thread every telegram output uses, made when the first asks for it and
  // ended when the last lets it go: one thread writes the serial line's and the
  // network's telegrams, in the order they were handed over.
  static std::shared_ptr<PacedThread> shared();
  ~PacedThread();  // jobs not yet run are dropped
  PacedThread(const PacedThread&) = delete;
  PacedThread& operator=(const PacedThread&) = delete;

  // Runs `job` on the thread now, ahead of the jobs waiting for their instants,
  // and waits for it to end.
  void runNow(const std::function<void()>& job);
  // Runs `job` on the thread at the monotonic instant `dueNs` (precise::nowNs()),
  // or at once when that has passed. `owner` names who posted it, for drop().
  void runAt(std::int64_t dueNs, const void* owner, std::function<void()> job);
  // Forgets the jobs of `owner` not yet begun; one already begun ends before the
  // next runNow() begins. An owner calls it before it goes.
  void drop(const void* owner);
  // An object of the thread, to own the thread's objects and timers.
  QObject* context() const { return context_; }

 private:
  struct Job {
    std::int64_t dueNs;
    const void* owner;
    std::function<void()> run;
  };
  friend class PacedThreadContext;
  void wake();
  // On the thread: runs the jobs to run now, then what is due, then sleeps until
  // the next job nears.
  void serve();

  QThread thread_;
  PacedThreadContext* context_;  // lives on thread_, deleted there
  QTimer* wake_;                 // child of context_
  std::mutex mutex_;
  std::condition_variable done_;
  std::deque<const std::function<void()>*> now_;  // runNow's, each waited for
  std::uint64_t nowPosted_ = 0;
  std::uint64_t nowDone_ = 0;
  std::deque<Job> jobs_;
};

}  // namespace kestrom
