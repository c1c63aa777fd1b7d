#pragma once

// src/setup: the shared record every window reads and writes
// (simulation_state.h), the setup window with its serial output half, the
// telegrams, the link verdict all panels share (link_evaluation.h) and the
// angles and setting numbers they read (angles.h, whole_numbers.h). This header
// gives the context each window model works in and the links through which it
// writes into other windows.

#include <string>

#include "core/controls.h"
#include "core/extended.h"
#include "core/seams.h"
#include "core/window_model.h"
#include "setup/simulation_state.h"

namespace kestrom {

class Scheduler;
class Tmenumain;
struct LinkConditions;

// The writes one window makes into another, as the system makes them. Each is
// named for what it does; the simulator, which alone creates every window,
// carries them out. A window never reaches into another window's internals.
class Links {
 public:
  virtual ~Links() = default;

  // The setup window: its level, range and serial lists, its menu check marks.
  virtual Tmenumain& setupWindow() = 0;
  // Any window, to show or close it.
  virtual WindowModel& window(WindowIndex index) = 0;

  // The alarm's text over the Mobile panel's display.
  virtual void showAlarm(const std::string& text) = 0;

  // The in-lock lamp of a panel or of the Fix AID display, and a panel's lamp panel.
  virtual StatusLight& lamp(WindowIndex index) = 0;
  virtual void showLampPanel(WindowIndex index, bool shown) = 0;
  // Draws each station panel's screen on show anew from the record (after a
  // reset or a change of counter station).
  virtual void redrawPanelScreens() = 0;

  // The antenna bearing window's read-out.
  virtual void showAntennaBearing(Extended bearing) = 0;
  // The config view's five boxes.
  virtual void tickConfigView(const LinkConditions& conditions) = 0;

  // The Fix AID display's sweep (which turns the Fix antenna), its idle redraw
  // and its in-lock lines.
  virtual void runAidSweep(bool on) = 0;
  virtual void stepAidSweep() = 0;
  virtual void runAidIdleRedraw(bool on) = 0;
  virtual void drawAidInLockLines(bool shown) = 0;
  // A turn of the Fix antenna to `setpoint` (its direction), ended by the sweep.
  virtual void beginAidSetpointTurn(Extended setpoint) = 0;
};

// What every window model works in: the timers' clock, the shared record, the
// outside world and the links to the other windows.
class Context {
 public:
  Context(Scheduler& scheduler, SimulationState& state, Services& services, Links& links)
      : scheduler_(scheduler), state_(state), services_(services), links_(links) {}

  Scheduler& scheduler() const { return scheduler_; }
  SimulationState& state() const { return state_; }
  Services& services() const { return services_; }
  Links& links() const { return links_; }

 private:
  Scheduler& scheduler_;
  SimulationState& state_;
  Services& services_;
  Links& links_;
};

// A window of the simulator: a window model in the simulator's context.
class SimulatedWindow : public WindowModel {
 public:
  SimulatedWindow(Context& context, WindowIndex index, std::string caption, int width, int height)
      : WindowModel(context.scheduler(), index, std::move(caption), width, height), ctx_(context) {}

 protected:
  Context& ctx_;
};

}  // namespace kestrom
