#include "panels/common/live_pages.h"

#include <algorithm>

#include "core/seams.h"
#include "panels/common/station_panel.h"
#include "panels/common/station_side.h"

namespace kestrom {

namespace {

bool lists(const std::vector<int>& v, int n) {
  return std::find(v.begin(), v.end(), n) != v.end();
}

}  // namespace

LivePageEffects writeLivePage(StationPanel& panel, const std::vector<LivePageRow>& rows,
                              LinkState state, LiveReadings& readings) {
  for (const LivePageRow& row : rows) {
    if (!lists(row.screens, panel.MenuState)) continue;
    if (std::find(row.states.begin(), row.states.end(), state) == row.states.end()) continue;
    for (const auto& [cell, read] : row.writes) panel.cell(cell).Caption = read(readings);
    return {row.lamps, row.setsInLock};
  }
  return {};
}

void showStatusLine2(StationPanel& panel, int page, const StationSide& side) {
  if (panel.MenuState == page) panel.cell(Cell::L4).Caption = side.line2(panel.state());
}

namespace reading {

std::string bars(int n) {
  return std::string(static_cast<std::size_t>(n), '\x7f');
}
std::string level(LiveReadings& r, int base, int spread) {
  return "-" + std::to_string(base - r.random.random(spread));
}

std::string empty(LiveReadings&) {
  return "";
}
std::string starredDistance(LiveReadings&) {
  return "DIST:                *";
}
std::string starredAzimuth(LiveReadings&) {
  return "AZM:                 *";
}
std::string signalCaption(LiveReadings&) {
  return "SGNL:  ";
}
std::string noSignal(LiveReadings& r) {
  return level(r, 85, 3);
}
std::string noSignalDb(LiveReadings& r) {
  return level(r, 85, 3) + "DB";
}
std::string lowSignalDb(LiveReadings&) {
  return "-85DB";
}
std::string weakBars(LiveReadings& r) {
  return "SGNL:  " + bars(r.random.random(2));
}
std::string weakSignal(LiveReadings& r) {
  return level(r, 72, 3);
}
std::string twoBarSignal(LiveReadings&) {
  return "SIGNL : " + bars(2);
}
std::string fullSignal(LiveReadings&) {
  return "SIGNL : " + bars(13);
}
std::string servoPrompt(LiveReadings& r) {
  return r.servo + "     >N";
}
std::string distanceCaption(LiveReadings& r) {
  return "DIST:       " + r.distance;
}
std::string azimuthCaption(LiveReadings& r) {
  return r.beacon ? starredAzimuth(r) : "AZM:        " + r.azimuth;
}
std::string lockedBars(LiveReadings&) {
  return "SGNL:  " + bars(10);
}
std::string jitteredBars(LiveReadings& r) {
  return lockedBars(r) + bars(r.random.random(2));
}
std::string strongSignal(LiveReadings& r) {
  return level(r, 42, 2);
}
std::string distance(LiveReadings& r) {
  return r.distance;
}
std::string azimuth(LiveReadings& r) {
  return r.beacon ? "" : r.azimuth;
}
std::string range(LiveReadings& r) {
  return r.range;
}
std::string bearing(LiveReadings& r) {
  return r.bearing;
}
std::string heading(LiveReadings& r) {
  return r.beacon ? "" : r.heading;
}
std::string strongSignalDb(LiveReadings& r) {
  std::string db = level(r, 42, 3) + "DB " + bars(5);
  return db + bars(r.random.random(2));
}

}  // namespace reading
}  // namespace kestrom
