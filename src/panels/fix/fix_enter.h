#pragma once

#include <vector>

#include "panels/common/panel_tables.h"

namespace kestrom {

// What ENTER stores and starts on each screen of the Fix panel, as rows of shared
// store steps bound to the Fix's side (its own pages) or the Mobile's (the remote
// pages), with the steps that are the Fix's own. The remote pages that the Beacon
// stores alike are remoteMobileEnterRows.
std::vector<EnterRow> fixEnterRows();

}  // namespace kestrom
