#pragma once

#include <vector>

#include "panels/common/panel_tables.h"

namespace kestrom {

// What ENTER stores and starts on each screen of the Mobile panel, as rows of
// shared store steps bound to the Mobile's side (its own pages) or the counter
// station's (the remote pages), with the few steps that are the Mobile's own.
std::vector<EnterRow> mobileEnterRows();

}  // namespace kestrom
