#pragma once

#include <vector>

#include "panels/common/screen.h"

namespace kestrom {

// Every screen of the Mobile panel: its own tree (0-35, 72-78, 85) and the remote
// Fix tree (36-71, 80).
std::vector<Screen> mobileScreens();

}  // namespace kestrom
