#include "panels/common/screen.h"

#include "panels/common/station_panel.h"
#include "setup/context.h"

namespace kestrom {

CellText CellText::join(std::string before, CellText middle, const std::string& after) {
  middle.before = std::move(before) + middle.before;
  middle.after += after;
  return middle;
}

std::string CellText::render(StationPanel& panel) const {
  std::string text = before;
  if (field) text += panelState(panel).*field;
  if (fn) text += fn(panel);
  return text + after;
}

SimulationState& panelState(StationPanel& panel) {
  return panel.state();
}

std::string timeOfDay(StationPanel& panel) {
  return panel.services().clock.timeOfDay();
}

}  // namespace kestrom
