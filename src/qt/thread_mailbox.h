#pragma once

#include <QObject>
#include <deque>
#include <functional>
#include <mutex>
#include <utility>

namespace kestrom {

// Runs calls posted from any thread on the thread this object lives on, later and
// in the order they were posted. A call still waiting when the mailbox goes is
// dropped.
//
// The calls are handed over under a mutex of the standard library and Qt only
// carries a wake-up without data, so that a thread checker sees every hand-over
// (Qt's own queues synchronise in code it cannot see).
class ThreadMailbox : public QObject {
  Q_OBJECT
 public:
  explicit ThreadMailbox(QObject* parent = nullptr) : QObject(parent) {}
  void post(std::function<void()> call) {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      calls_.push_back(std::move(call));
    }
    QMetaObject::invokeMethod(this, "deliver", Qt::QueuedConnection);
  }

 private:
  Q_INVOKABLE void deliver() {
    for (;;) {
      std::function<void()> call;
      {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (calls_.empty()) return;
        call = std::move(calls_.front());
        calls_.pop_front();
      }
      call();
    }
  }

  std::mutex mutex_;
  std::deque<std::function<void()>> calls_;
};

}  // namespace kestrom
