#pragma once

#include <vector>

#include "panels/common/live_pages.h"

namespace kestrom {

// What the Mobile's link cycle writes on its OPERATE, FREQ ADJUST MK3 and
// PERFORMANCE pages and on the remote OPERATE pages, by the state of the link.
const std::vector<LivePageRow>& mobileLivePages();

}  // namespace kestrom
