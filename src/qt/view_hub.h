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
// Ticks run on this (the user-interface) thread and may be held up by a redraw;
// the telegrams they hand over carry the instant of their slot
// (telegramInstantNs), and the outputs' own threads write them at that instant.
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
  // The monotonic instant (precise::nowNs()) at which a telegram of the tick being
  // run now is to reach the far end: the tick's own instant plus kTelegramLatencyNs.
  // A tick that this thread runs late, behind long redraws (up to about 60 ms seen
  // with every window busy), still has its telegram written on time by the
  // output's own thread. A tenth of a second is well inside one slot of the
  // fastest rate and far below what a navigation computer would notice.
  qint64 telegramInstantNs() const;
  static constexpr qint64 kTelegramLatencyNs = 100'000'000;

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
