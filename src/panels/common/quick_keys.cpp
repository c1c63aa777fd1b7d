#include "panels/common/quick_keys.h"

#include "panels/common/station_panel.h"
#include "setup/status_lines.h"

namespace kestrom {

bool quickPowerKey(StationPanel& panel, const StationSide& side) {
  SimulationState& s = panel.state();
  if (s.*side.gainMode != text::Manual) return false;
  bool normal = s.*side.xmitPower != text::Normal;
  s.*side.xmitPower = normal ? text::Normal : text::Reduced;
  setStatusChars(side.line2(s), statuspos::PowerLetter, normal ? "N" : "R");
  panel.cell(Cell::L4).Caption = side.line2(s);
  return true;
}

bool quickRangeKey(StationPanel& panel, const StationSide& side) {
  SimulationState& s = panel.state();
  if (s.*side.gainMode != text::Manual) return false;
  bool longRange = s.*side.xmitRange != text::Long;
  s.*side.xmitRange = longRange ? text::Long : text::Short;
  setStatusChars(side.line2(s), statuspos::RangeLetter, longRange ? "L" : "S");
  panel.cell(Cell::L4).Caption = side.line2(s);
  return true;
}

}  // namespace kestrom
