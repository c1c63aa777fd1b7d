#pragma once

#include <vector>

#include "panels/common/panel_tables.h"

namespace kestrom {

class StationPanel;

// How the Beacon panel's keys move through its menu trees.
std::vector<MenuRow> beaconMenus();
std::vector<FieldCycleRow> beaconFieldCycles();
std::vector<PageRow> beaconPages();
std::vector<DelRow> beaconDelRows();

// Key 5 of the main menu: the remote Mobile tree while the stations are in lock
// (InLock 1), the closed remote screen otherwise.
void beaconRemoteAccess(StationPanel& panel);

}  // namespace kestrom
