#pragma once

#include <QObject>
#include <functional>
#include <utility>

namespace kestrom {

// Runs calls posted from any thread on the thread this object lives on, later and
// in the order they were posted. A call still waiting when the mailbox goes is
// dropped.
class ThreadMailbox : public QObject {
  Q_OBJECT
 public:
  explicit ThreadMailbox(QObject* parent = nullptr) : QObject(parent) {
    connect(
        this, &ThreadMailbox::arrived, this, [](const std::function<void()>& call) { call(); },
        Qt::QueuedConnection);
  }
  void post(std::function<void()> call) { emit arrived(std::move(call)); }

 signals:
  void arrived(std::function<void()> call);
};

}  // namespace kestrom
