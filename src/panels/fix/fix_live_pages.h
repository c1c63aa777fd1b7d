#pragma once

#include <vector>

#include "panels/common/live_pages.h"

namespace kestrom {

// What the Fix's link supervision writes on its OPERATE, FREQ ADJUST MK3 and
// PERFORMANCE pages and on the remote Mobile's OPERATE pages, by the link's state.
const std::vector<LivePageRow>& fixSupervisionPages();
// What the Fix's alignment refresh writes: the same, but for the OPERATE pages
// outside the beam, which also show their signal caption and level.
const std::vector<LivePageRow>& fixRefreshPages();

}  // namespace kestrom
