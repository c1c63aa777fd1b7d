#pragma once

#include <vector>

#include "panels/common/panel_tables.h"

namespace kestrom {

// How the Beacon panel's keys move through its menu trees.
std::vector<MenuRow> beaconMenus();
std::vector<FieldCycleRow> beaconFieldCycles();
std::vector<PageRow> beaconPages();
std::vector<DelRow> beaconDelRows();

}  // namespace kestrom
