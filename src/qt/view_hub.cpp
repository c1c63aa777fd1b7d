#include "qt/view_hub.h"

#include <algorithm>

#include "core/precise_clock.h"
#include "simulator/simulator.h"

namespace kestrom {

namespace {
qint64 monotonicNs() {
  return precise::nowNs();
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

ViewHub::~ViewHub() {
  sim_.scheduler().onScheduleChanged = nullptr;
}

qint64 ViewHub::elapsed() const {
  return (monotonicNs() - startNs_) / 1000000;
}

void ViewHub::addView(ModelView* view) {
  views_.push_back(view);
}

void ViewHub::removeView(ModelView* view) {
  std::erase(views_, view);
}

void ViewHub::refreshAll() {
  if (refreshing_) return;
  refreshing_ = true;
  // By index: a view made during the refresh (a window's view made when it is
  // first shown) joins the list and is drawn in the same pass.
  for (std::size_t i = 0; i < views_.size(); ++i) views_[i]->refreshFromModel();
  refreshing_ = false;
}

qint64 ViewHub::telegramInstantNs() const {
  return dueNs(sim_.scheduler().now()) + kTelegramLatencyNs;
}

qint64 ViewHub::dueNs(std::int64_t dueMs) const {
  return startNs_ + dueMs * 1000000;
}

void ViewHub::rearm() {
  auto due = sim_.scheduler().nextDue();
  if (!due) {
    timer_.stop();
    return;
  }
  // Whole milliseconds, rounded up: a wake-up before the instant would only re-arm.
  const qint64 waitNs = std::max<qint64>(0, dueNs(*due) - monotonicNs());
  timer_.start(static_cast<int>(std::min<qint64>((waitNs + 999'999) / 1'000'000, 1 << 30)));
}

void ViewHub::onTimer() {
  sim_.scheduler().catchUpTo(elapsed());
  refreshAll();
  rearm();
}

}  // namespace kestrom
