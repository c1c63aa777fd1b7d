#include "panels/fix/fix_panel.h"

namespace kestrom {

Tfix::Tfix(Simulator& sim)
    : StationPanel(sim, WindowIndex::Fix, "Kestrom Fix Basic Operating Panel (BOP)", 338, 442,
                   750, false) {}

}  // namespace kestrom
