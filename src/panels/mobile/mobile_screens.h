#pragma once

#include <vector>

#include "panels/common/screen.h"

namespace kestrom {

// Drawing variants of the Mobile's screens that are drawn in two ways.
inline constexpr int kDrawnAgain = 1;  // OPERATE pages 1 and 37 reached again by NEXT

// Every screen of the Mobile panel: its own tree (0-35, 72-78, 85) and the remote
// Fix tree (36-71, 80).
std::vector<Screen> mobileScreens();

}  // namespace kestrom
