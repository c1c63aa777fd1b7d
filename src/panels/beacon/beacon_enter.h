#pragma once

#include <vector>

#include "panels/common/panel_tables.h"

namespace kestrom {

// What ENTER stores on each screen of the Beacon panel, as rows of shared store
// steps bound to the Beacon's side (its own pages) or the Mobile's (the remote
// pages). The remote pages that the Fix stores alike are remoteMobileEnterRows.
std::vector<EnterRow> beaconEnterRows();

}  // namespace kestrom
