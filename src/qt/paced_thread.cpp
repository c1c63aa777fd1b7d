#include "qt/paced_thread.h"

#include <algorithm>

#include "core/precise_clock.h"

namespace kestrom {

namespace {
// The thread's QTimer counts whole milliseconds and may end a little early or
// late: it is armed this much before a job falls due, and the rest is waited out
// precisely.
constexpr std::int64_t kWakeEarlyNs = 4'000'000;
// The last part of the wait is spent awake: on a kernel that does not preempt its
// own work, a wake-up from a sleep can come milliseconds late while the cores are
// busy drawing, and a thread that is already running is not held up that way.
// (2 ms in each 250 ms slot: under 1 % of a core while telegrams go out.)
constexpr std::int64_t kSpinNs = 2'000'000;
}  // namespace

PacedThread::PacedThread(const char* name)
    : context_(new PacedThreadContext(*this)), wake_(new QTimer(context_)) {
  thread_.setObjectName(QString::fromLatin1(name));
  wake_->setSingleShot(true);
  wake_->setTimerType(Qt::PreciseTimer);
  QObject::connect(wake_, &QTimer::timeout, context_, [this] { serve(); });
  context_->moveToThread(&thread_);
  QObject::connect(&thread_, &QThread::finished, context_, &QObject::deleteLater);
  thread_.start();
  runNow([] {
    precise::tightenTimerSlack();
    precise::preferThisThread();
  });
}

std::shared_ptr<PacedThread> PacedThread::shared() {
  static std::mutex mutex;
  static std::weak_ptr<PacedThread> current;
  const std::lock_guard<std::mutex> lock(mutex);
  std::shared_ptr<PacedThread> thread = current.lock();
  if (!thread) {
    thread = std::make_shared<PacedThread>("telegram line");
    current = thread;
  }
  return thread;
}

PacedThread::~PacedThread() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    jobs_.clear();
  }
  thread_.quit();
  thread_.wait();
  // Taken once more: all the thread did under it comes before this object goes.
  const std::lock_guard<std::mutex> lock(mutex_);
}

void PacedThreadContext::serve() {
  owner_.serve();
}

void PacedThread::wake() {
  QMetaObject::invokeMethod(context_, "serve", Qt::QueuedConnection);
}

// The wake-up is posted with the mutex held: the thread takes the job only after
// it, so whatever the posting did comes before whatever the job does.
void PacedThread::runNow(const std::function<void()>& job) {
  std::unique_lock<std::mutex> lock(mutex_);
  now_.push_back(&job);
  const std::uint64_t mine = ++nowPosted_;
  wake();
  done_.wait(lock, [&] { return nowDone_ >= mine; });
}

void PacedThread::runAt(std::int64_t dueNs, const void* owner, std::function<void()> job) {
  const std::lock_guard<std::mutex> lock(mutex_);
  jobs_.push_back(Job{dueNs, owner, std::move(job)});
  wake();
}

void PacedThread::drop(const void* owner) {
  const std::lock_guard<std::mutex> lock(mutex_);
  std::erase_if(jobs_, [owner](const Job& job) { return job.owner == owner; });
}

void PacedThread::serve() {
  for (;;) {
    Job job;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      if (!now_.empty()) {
        const std::function<void()>* urgent = now_.front();
        now_.pop_front();
        lock.unlock();
        (*urgent)();
        lock.lock();
        ++nowDone_;
        done_.notify_all();
        continue;
      }
      if (jobs_.empty()) return;
      const std::int64_t waitNs = jobs_.front().dueNs - precise::nowNs();
      if (waitNs > kWakeEarlyNs) {
        const auto ms = std::max<std::int64_t>(0, (waitNs - kWakeEarlyNs) / 1'000'000);
        wake_->start(static_cast<int>(std::min<std::int64_t>(ms, 1 << 30)));
        return;
      }
      job = std::move(jobs_.front());
      jobs_.pop_front();
    }
    precise::waitUntilNs(job.dueNs, kSpinNs);
    job.run();
  }
}

}  // namespace kestrom
