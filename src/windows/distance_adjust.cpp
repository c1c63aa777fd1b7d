#include "windows/distance_adjust.h"

namespace kestrom {

Tafstmenu::Tafstmenu(Simulator& sim)
    : WindowModel(sim, WindowIndex::DistanceAdjust, "Distance Adjust", 260, 330) {}

}  // namespace kestrom
