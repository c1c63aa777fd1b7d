#include "qt/paced_thread.h"

#include <algorithm>

#include "core/precise_clock.h"

namespace kestrom {

namespace {
// The thread's QTimer counts whole milliseconds and may end a little early or
// late: it is armed this much before a job falls due, and the rest is waited out
// precisely.
constexpr std::int64_t kWakeEarlyNs = 2'000'000;
// The last part of the wait is spent awake: a wake-up from a sleep can come late
// on a machine whose cores are busy drawing.
constexpr std::int64_t kSpinNs = 1'000'000;
}  // namespace

PacedThread::PacedThread(const char* name) : context_(new QObject), wake_(new QTimer(context_)) {
  thread_.setObjectName(QString::fromLatin1(name));
  wake_->setSingleShot(true);
  wake_->setTimerType(Qt::PreciseTimer);
  QObject::connect(wake_, &QTimer::timeout, context_, [this] { serve(false); });
  context_->moveToThread(&thread_);
  QObject::connect(&thread_, &QThread::finished, context_, &QObject::deleteLater);
  thread_.start();
  runNow([] {
    precise::tightenTimerSlack();
    precise::preferThisThread();
  });
}

PacedThread::~PacedThread() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    jobs_.clear();
  }
  thread_.quit();
  thread_.wait();
}

void PacedThread::runNow(const std::function<void()>& job) {
  QMetaObject::invokeMethod(  // NOLINT: Qt owns the queued call
      context_,
      [this, &job] {
        serve(true);
        job();
      },
      Qt::BlockingQueuedConnection);
}

void PacedThread::runAt(std::int64_t dueNs, std::function<void()> job) {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    jobs_.push_back(Job{dueNs, std::move(job)});
  }
  QMetaObject::invokeMethod(  // NOLINT: Qt owns the queued call
      context_, [this] { serve(false); }, Qt::QueuedConnection);
}

void PacedThread::serve(bool all) {
  for (;;) {
    Job job;
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      if (jobs_.empty()) return;
      const std::int64_t waitNs = jobs_.front().dueNs - precise::nowNs();
      if (!all && waitNs > kWakeEarlyNs) {
        const auto ms = std::max<std::int64_t>(0, (waitNs - kWakeEarlyNs) / 1'000'000);
        wake_->start(static_cast<int>(std::min<std::int64_t>(ms, 1 << 30)));
        return;
      }
      job = std::move(jobs_.front());
      jobs_.pop_front();
    }
    if (!all) precise::waitUntilNs(job.dueNs, kSpinNs);
    job.run();
  }
}

}  // namespace kestrom
