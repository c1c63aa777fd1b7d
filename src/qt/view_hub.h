#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <vector>

namespace kestrom {

class Simulator;

// A view that draws one model; it re-reads the model whenever asked.
class ModelView {
 public:
  virtual ~ModelView() = default;
  virtual void refreshFromModel() = 0;
};

// Drives the simulator's scheduler from one precise QTimer at the next due time
// and has every view re-read its model after each event and each batch of ticks.
// The QTimer wakes the thread about 2 ms before a tick is due and the hub waits
// out the rest itself, so ticks (and the telegrams they send) keep their slots to
// a fraction of a millisecond.
class ViewHub : public QObject {
  Q_OBJECT
 public:
  explicit ViewHub(Simulator& sim, QObject* parent = nullptr);
  ~ViewHub() override;

  void addView(ModelView* view);
  void removeView(ModelView* view);
  // Call after forwarding any input to a model.
  void refreshAll();
  // Virtual time in use: milliseconds since the hub started.
  qint64 elapsed() const;

 private:
  void rearm();
  void onTimer();
  // Monotonic time (ns) at which virtual time reaches `dueMs`.
  qint64 dueNs(std::int64_t dueMs) const;

  Simulator& sim_;
  QTimer timer_;
  qint64 startNs_ = 0;
  std::vector<ModelView*> views_;
  bool refreshing_ = false;
};

}  // namespace kestrom
