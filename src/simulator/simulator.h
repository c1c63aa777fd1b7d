#pragma once

// src/simulator: the top of the simulation, which creates every window in order
// and carries out the writes one window makes into another.

#include <memory>

#include "core/scheduler.h"
#include "core/seams.h"
#include "core/session_log.h"
#include "setup/context.h"
#include "setup/simulation_state.h"
#include "simulator/logged_dialogs.h"

namespace kestrom {

class Tmenumain;
class Tmobile;
class TAboutBox;
class Tbeacon;
class Tfix;
class Tabw;
class TAlignfix;
class Taiddisplay;
class Tafstmenu;
class Tconfigview;
class Tfix3;
class TPreForm;

// The whole simulator without its views: the scheduler, the shared record and
// every window model, created once in the order the program has always used. It
// alone knows every window, so it carries out the writes one window makes into
// another (Links).
class Simulator : private Links {
 public:
  explicit Simulator(Services services);
  ~Simulator() override;
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  Scheduler& scheduler() { return scheduler_; }
  SimulationState& state() { return state_; }
  Services& services() { return services_; }
  Context& context() { return context_; }
  // What the trainee did, for the debrief; every window reports to it.
  SessionLog& sessionLog() { return sessionLog_; }

  Tmenumain& setupWindow() override { return *setup_; }
  Tmobile& mobilePanel() { return *mobile_; }
  TAboutBox& aboutBox() { return *about_; }
  Tbeacon& beaconPanel() { return *beacon_; }
  Tfix& fixPanel() { return *fix_; }
  Tabw& bearingWindow() { return *bearing_; }
  TAlignfix& alignmentWindow() { return *alignment_; }
  Taiddisplay& aidDisplay() { return *aid_; }
  Tafstmenu& distanceAdjust() { return *distance_; }
  Tconfigview& configView() { return *config_; }
  Tfix3& mk3Unit() { return *mk3_; }
  TPreForm& prescreen() { return *prescreen_; }

  // Any window by its place in the creation order.
  WindowModel& window(WindowIndex index) override;

  // Shows the main window, which brings up the prescreen.
  void start();

 private:
  // Links
  void showAlarm(const std::string& text) override;
  StatusLight& lamp(WindowIndex index) override;
  void showLampPanel(WindowIndex index, bool shown) override;
  void redrawPanelScreens() override;
  void showAntennaBearing(Extended bearing) override;
  void tickConfigView(const LinkConditions& conditions) override;
  void runAidSweep(bool on) override;
  void stepAidSweep() override;
  void runAidIdleRedraw(bool on) override;
  void drawAidInLockLines(bool shown) override;
  void beginAidSetpointTurn(Extended setpoint) override;

  Scheduler scheduler_;
  SimulationState state_;
  SessionLog sessionLog_{scheduler_};
  LoggedDialogs loggedDialogs_;
  Services services_;
  Context context_{scheduler_, state_, services_, *this};
  std::unique_ptr<Tmenumain> setup_;
  std::unique_ptr<Tmobile> mobile_;
  std::unique_ptr<TAboutBox> about_;
  std::unique_ptr<Tbeacon> beacon_;
  std::unique_ptr<Tfix> fix_;
  std::unique_ptr<Tabw> bearing_;
  std::unique_ptr<TAlignfix> alignment_;
  std::unique_ptr<Taiddisplay> aid_;
  std::unique_ptr<Tafstmenu> distance_;
  std::unique_ptr<Tconfigview> config_;
  std::unique_ptr<Tfix3> mk3_;
  std::unique_ptr<TPreForm> prescreen_;
};

}  // namespace kestrom
