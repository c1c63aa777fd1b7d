#pragma once

#include <vector>

#include "panels/common/panel_tables.h"

namespace kestrom {

// How the Fix panel's keys move through its menu tree.
std::vector<MenuRow> fixMenus();
std::vector<FieldCycleRow> fixFieldCycles();
std::vector<PageRow> fixPages();
std::vector<DelRow> fixDelRows();

}  // namespace kestrom
