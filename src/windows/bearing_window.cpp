#include "windows/bearing_window.h"

namespace kestrom {

Tabw::Tabw(Simulator& sim)
    : WindowModel(sim, WindowIndex::Bearing, "Antenna Bearing Window", 330, 140) {}

}  // namespace kestrom
