#include "setup/setup_window.h"

#include "app/simulator.h"

namespace kestrom {

Tmenumain::Tmenumain(Simulator& sim)
    : WindowModel(sim, WindowIndex::Setup, "Kestrom Simulation", 200, 45),
      Timer2(sim.scheduler(), timerOrder(2), 2000, false),
      Timer3(sim.scheduler(), timerOrder(3), 5000, false),
      Timer5(sim.scheduler(), timerOrder(5), 5000, true),
      Serial(sim, timerOrder(4)) {}

int Tmenumain::Level() const { return ComboBox2.ItemIndex + 1; }

}  // namespace kestrom
