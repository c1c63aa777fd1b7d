#include "setup/setup_window.h"

namespace kestrom {

Tmenumain::Tmenumain(Simulator& sim)
    : WindowModel(sim, WindowIndex::Setup, "Kestrom Simulation", 200, 45) {}

}  // namespace kestrom
