#pragma once

#include <vector>

#include "panels/common/panel_tables.h"

namespace kestrom {

class StationPanel;

// How the Fix panel's keys move through its menu tree.
std::vector<MenuRow> fixMenus();
std::vector<FieldCycleRow> fixFieldCycles();
std::vector<PageRow> fixPages();
std::vector<DelRow> fixDelRows();

// Key 5 of the main menu: the remote Mobile tree while the lamp's lit colour is
// lime (lit or not), the blank remote screen otherwise.
void fixRemoteAccess(StationPanel& panel);

}  // namespace kestrom
