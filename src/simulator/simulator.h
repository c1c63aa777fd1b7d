#pragma once

#include <memory>

#include "core/scheduler.h"
#include "core/seams.h"
#include "setup/simulation_state.h"

namespace kestrom {

class Tmenumain;
class Tmobile;
class TAboutBox;
class Tfix;
class Tabw;
class Taiddisplay;
class Tafstmenu;
class Tconfigview;
class Tfix3;
class TPreForm;

// The whole simulator without its views: the scheduler, the shared record and
// every window model, created once in the order the program has always used.
class Simulator {
 public:
  explicit Simulator(Services services);
  ~Simulator();
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  Scheduler& scheduler() { return scheduler_; }
  SimulationState& state() { return state_; }
  Services& services() { return services_; }

  Tmenumain& setupWindow() { return *setup_; }
  Tmobile& mobilePanel() { return *mobile_; }
  TAboutBox& aboutBox() { return *about_; }
  Tfix& fixPanel() { return *fix_; }
  Tabw& bearingWindow() { return *bearing_; }
  Taiddisplay& aidDisplay() { return *aid_; }
  Tafstmenu& distanceAdjust() { return *distance_; }
  Tconfigview& configView() { return *config_; }
  Tfix3& mk3Unit() { return *mk3_; }
  TPreForm& prescreen() { return *prescreen_; }

  // Shows the main window, which brings up the prescreen.
  void start();

 private:
  Scheduler scheduler_;
  SimulationState state_;
  Services services_;
  std::unique_ptr<Tmenumain> setup_;
  std::unique_ptr<Tmobile> mobile_;
  std::unique_ptr<TAboutBox> about_;
  std::unique_ptr<Tfix> fix_;
  std::unique_ptr<Tabw> bearing_;
  std::unique_ptr<Taiddisplay> aid_;
  std::unique_ptr<Tafstmenu> distance_;
  std::unique_ptr<Tconfigview> config_;
  std::unique_ptr<Tfix3> mk3_;
  std::unique_ptr<TPreForm> prescreen_;
};

}  // namespace kestrom
