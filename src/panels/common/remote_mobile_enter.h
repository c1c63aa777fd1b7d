#pragma once

#include <vector>

#include "panels/common/panel_tables.h"

namespace kestrom {

// What ENTER stores on the pages of the remote Mobile tree that the Fix and the
// Beacon treat alike, as rows of shared store steps bound to the Mobile's side and,
// where a page also stores into the counter station, to `counter`: the side of the
// panel that shows the tree (kFixSide, kBeaconSide). The steps keep a reference to
// it. The location pages, which the two panels store differently, are theirs.
std::vector<EnterRow> remoteMobileEnterRows(const StationSide& counter);

}  // namespace kestrom
