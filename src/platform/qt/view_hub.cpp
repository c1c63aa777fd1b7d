#include "platform/qt/view_hub.h"

#include <QElapsedTimer>
#include <algorithm>

#include "app/simulator.h"

namespace kestrom {

namespace {
qint64 monotonicNs() {
  static QElapsedTimer clock = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return clock.nsecsElapsed();
}
}  // namespace

ViewHub::ViewHub(Simulator& sim, QObject* parent) : QObject(parent), sim_(sim) {
  startNs_ = monotonicNs() - sim_.scheduler().now() * 1000000;
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &ViewHub::onTimer);
  sim_.scheduler().onScheduleChanged = [this] { rearm(); };
  rearm();
}

ViewHub::~ViewHub() { sim_.scheduler().onScheduleChanged = nullptr; }

qint64 ViewHub::elapsed() const { return (monotonicNs() - startNs_) / 1000000; }

void ViewHub::addView(ModelView* view) { views_.push_back(view); }

void ViewHub::removeView(ModelView* view) { std::erase(views_, view); }

void ViewHub::refreshAll() {
  if (refreshing_) return;
  refreshing_ = true;
  for (ModelView* v : views_) v->refreshFromModel();
  refreshing_ = false;
}

void ViewHub::rearm() {
  auto due = sim_.scheduler().nextDue();
  if (!due) {
    timer_.stop();
    return;
  }
  qint64 wait = std::max<qint64>(0, *due - elapsed());
  timer_.start(static_cast<int>(std::min<qint64>(wait, 1 << 30)));
}

void ViewHub::onTimer() {
  sim_.scheduler().catchUpTo(elapsed());
  refreshAll();
  rearm();
}

}  // namespace kestrom
