#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/controls.h"
#include "panels/common/display_cell.h"

namespace kestrom {

class RandomSource;
class StationPanel;
struct StationSide;

// What a link cycle found.
enum class LinkState {
  NotLinked,  // a lock condition fails
  OutOfBeam,  // linked, the antenna outside the beam
  InBeam,     // linked, in the beam but off target
  OnTarget,   // linked and locked
};

// The values the readings of one cycle are made of. Readings that jitter draw
// from `random` as they are written, in the order the rows list them.
struct LiveReadings {
  LiveReadings(RandomSource& r, std::string servoText) : random(r), servo(std::move(servoText)) {}
  RandomSource& random;
  std::string servo;            // ServoText
  std::string distance;         // fixed with 2 decimals
  std::string azimuth;          // the reported azimuth, fixed with 2 decimals
  std::string pageFourAzimuth;  // the same with the jitter of a remote OPERATE page 4
  std::string range;            // the range to the station, fixed with 2 decimals
  std::string bearing;          // AntennaBearing, fixed with 2 decimals
  std::string heading;          // fixed with 2 decimals
  bool beacon = false;          // a beacon reports no azimuth or heading
};

// One text a cycle writes into a cell.
using Reading = std::string (*)(LiveReadings&);

// The pages a cycle writes on: for these link states, on these screens, these
// cells, in this order. A row may also colour the station's lamps and set InLock.
struct LivePageRow {
  std::vector<LinkState> states;
  std::vector<int> screens;
  std::vector<std::pair<Cell, Reading>> writes;
  std::optional<Color> lamps = std::nullopt;
  bool setsInLock = false;
};

// What writing the page on show asks of the cycle.
struct LivePageEffects {
  std::optional<Color> lamps;
  bool setsInLock = false;
};

// Writes the row for the screen on show and the state found; a screen without a
// row keeps what it shows.
LivePageEffects writeLivePage(StationPanel& panel, const std::vector<LivePageRow>& rows,
                              LinkState state, LiveReadings& readings);

// While `page`, an OPERATE page 2, is on show, its 4L shows the status line 2 of
// `side` as it stands now: a cycle calls it when the automatic gain has changed it.
void showStatusLine2(StationPanel& panel, int page, const StationSide& side);

// The readings every panel's pages show.
namespace reading {
std::string bars(int n);  // n signal bars
// "-" and base less a draw of 0 .. spread-1.
std::string level(LiveReadings& r, int base, int spread);

std::string empty(LiveReadings&);
std::string starredDistance(LiveReadings&);  // "DIST:                *"
std::string starredAzimuth(LiveReadings&);   // "AZM:                 *"
std::string signalCaption(LiveReadings&);    // "SGNL:  "
std::string noSignal(LiveReadings&);         // "-83" .. "-85"
std::string noSignalDb(LiveReadings&);       // "-83DB" .. "-85DB"
std::string lowSignalDb(LiveReadings&);      // "-85DB"
std::string weakBars(LiveReadings&);         // "SGNL:  " and 0 or 1 bar
std::string weakSignal(LiveReadings&);       // "-70" .. "-72"
std::string twoBarSignal(LiveReadings&);     // "SIGNL : " and 2 bars
std::string fullSignal(LiveReadings&);       // "SIGNL : " and 13 bars
std::string servoPrompt(LiveReadings&);      // ServoText and "     >N"
std::string distanceCaption(LiveReadings&);  // "DIST:       " and the distance
std::string azimuthCaption(LiveReadings&);   // "AZM:        " and the azimuth (a beacon: starred)
std::string lockedBars(LiveReadings&);       // "SGNL:  " and 10 bars
std::string jitteredBars(LiveReadings&);     // "SGNL:  " and 10 or 11 bars
std::string strongSignal(LiveReadings&);     // "-41" .. "-42"
std::string distance(LiveReadings&);
std::string azimuth(LiveReadings&);  // empty for a beacon
std::string range(LiveReadings&);
std::string bearing(LiveReadings&);
std::string heading(LiveReadings&);         // empty for a beacon
std::string strongSignalDb(LiveReadings&);  // "-40DB " .. "-42DB " with 5 or 6 bars
}  // namespace reading

}  // namespace kestrom
