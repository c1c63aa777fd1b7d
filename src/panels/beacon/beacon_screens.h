#pragma once

#include <vector>

#include "panels/common/screen.h"

namespace kestrom {

// Every screen of the Beacon panel: its own tree (0-36, 72-76, 85) and the remote
// Mobile tree (37-71).
std::vector<Screen> beaconScreens();

}  // namespace kestrom
