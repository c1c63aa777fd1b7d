#pragma once

#include "panels/common/station_side.h"

namespace kestrom {

class StationPanel;

// The quick keys of an OPERATE page 2: key 8 switches the station's transmit power
// between NORMAL and REDUCED, key 9 its range between LONG and SHORT, with the
// letter in its status line 2, which 4L then shows. They act only while the
// station's gain mode is MANUAL; each returns whether it changed anything.
bool quickPowerKey(StationPanel& panel, const StationSide& side);
bool quickRangeKey(StationPanel& panel, const StationSide& side);

// The two keys as menu actions for one side.
template <const StationSide& Side>
void powerKey(StationPanel& panel) {
  quickPowerKey(panel, Side);
}
template <const StationSide& Side>
void rangeKey(StationPanel& panel) {
  quickRangeKey(panel, Side);
}

}  // namespace kestrom
