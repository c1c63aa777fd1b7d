#pragma once

#include <vector>

#include "panels/common/live_pages.h"

namespace kestrom {

// What the Beacon's link cycle writes on its OPERATE pages and on the remote
// Mobile's, by the link's state. A row's lamp colour is the AID display's; the
// Beacon's own lamp follows the beam in the cycle itself.
const std::vector<LivePageRow>& beaconLinkPages();

}  // namespace kestrom
