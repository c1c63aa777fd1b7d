#pragma once

#include <vector>

#include "panels/common/screen.h"

namespace kestrom {

// Every screen of the Fix panel: its own tree (0-36, 72-81) and the remote
// Mobile tree (37-71, 82).
std::vector<Screen> fixScreens();

}  // namespace kestrom
