#pragma once

#include <vector>

#include "panels/common/key_in.h"

namespace kestrom {

// The Fix panel's key-in routines, each with the screens (MenuState) it serves.
const std::vector<KeyInBinding>& fixKeyIn();

}  // namespace kestrom
