#pragma once

// src/core: the lowest layer, standard library only. A window as a model
// (caption, size, visibility, show and close), the state of its controls
// (controls.h), the virtual-time scheduler of every window timer (scheduler.h),
// the seams to the outside world (seams.h: randomness, clock, message boxes,
// serial port, tone, help) and number formatting that ignores the locale.

#include <string>

namespace kestrom {

class Scheduler;

// Creation order of the windows; it also orders timers due at the same instant.
enum class WindowIndex {
  Setup = 0,
  Mobile = 1,
  About = 2,
  Beacon = 3,
  Fix = 4,
  Bearing = 5,
  Alignment = 6,
  AidDisplay = 7,
  DistanceAdjust = 8,
  ConfigView = 9,
  Mk3Unit = 10,
  Prescreen = 11,
};

// A window of the simulator as a model: caption, client size, visibility and the
// show/close events. Closing a window hides it; it lives for the whole run.
class WindowModel {
 public:
  WindowModel(Scheduler& scheduler, WindowIndex index, std::string caption, int width, int height);
  virtual ~WindowModel() = default;
  WindowModel(const WindowModel&) = delete;
  WindowModel& operator=(const WindowModel&) = delete;

  const std::string& Caption() const { return caption_; }
  bool Visible() const { return visible_; }
  int Width = 0;
  int Height = 0;

  // Shows the window; FormShow runs when it was hidden.
  void Show();
  // Runs FormClose and hides the window, as a close box or a Close button does.
  void Close();

  virtual void FormShow() {}
  virtual void FormClose() {}

 protected:
  // Order key of this window's timer number n.
  int timerOrder(int n) const { return static_cast<int>(index_) * 100 + n; }
  Scheduler& scheduler() const { return scheduler_; }

 private:
  Scheduler& scheduler_;
  WindowIndex index_;
  std::string caption_;
  bool visible_ = false;
};

}  // namespace kestrom
