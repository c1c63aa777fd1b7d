#pragma once

#include <vector>

#include "panels/common/panel_tables.h"

namespace kestrom {

class StationPanel;

// How the Mobile panel's keys move through its menu tree.
std::vector<MenuRow> mobileMenus();
std::vector<FieldCycleRow> mobileFieldCycles();
std::vector<PageRow> mobilePages();
std::vector<DelRow> mobileDelRows();

// Key 5 of the main menu: the remote Fix tree while the Mobile's lamp is green and
// the counter station takes remote operation, the blank remote screen while the
// lamp is red or the counter station is of the Mk 3 generation.
void remoteAccess(StationPanel& panel);

}  // namespace kestrom
