#pragma once

#include "panels/common/panel_tables.h"

namespace kestrom {

// The Fix panel's menu tree: screens, menu keys, NEXT, DEL, ENTER and blink rows,
// with the key-in routines of FixMenus.
const PanelTables& fixPanelTables();

}  // namespace kestrom
