#pragma once

#include <vector>

#include "panels/common/panel_tables.h"

namespace kestrom {

// Where DEL goes back to on the remote Mobile tree of the Fix and the Beacon: it
// replays the key that leads to the parent screen, and the tree's first screens
// return through key 5 of the panel's main menu `mainMenu`, so that the panel
// decides again whether the tree opens. DEL on REMOTE MOB acts as MENU.
std::vector<DelRow> remoteMobileDelRows(int mainMenu);

// The chains NEXT pages through on the remote Mobile tree: OPERATE, OPR MODE,
// MONITORING and WAKE-UP, as on the Mobile's own panel.
std::vector<PageRow> remoteMobilePageRows();

}  // namespace kestrom
