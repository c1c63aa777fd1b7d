#include "panels/beacon/beacon_live_pages.h"

#include "core/seams.h"
#include "panels/beacon/beacon_screen_ids.h"

namespace kestrom {

using enum Cell;
using enum LinkState;
using namespace reading;
using namespace beacon_screen;

namespace {

// Just short of the station: 0 to 3 bars and -64 .. -72.
std::string nearBars(LiveReadings& r) {
  return signalCaption(r) + bars(r.random.random(4));
}
std::string nearSignal(LiveReadings& r) {
  return level(r, 72, 9);
}
// OPERATE page 3 on target: "-34DB " .. "-42DB " and 5 to 7 bars.
std::string lockedSignalDb(LiveReadings& r) {
  std::string db = level(r, 42, 9) + "DB " + bars(5);
  return db + bars(r.random.random(3));
}
// The remote OPERATE page 3 off target: the starred azimuth row followed by the
// reciprocal azimuth.
std::string starredThenAzimuth(LiveReadings& r) {
  return starredAzimuth(r) + r.azimuth;
}

}  // namespace

const std::vector<LivePageRow>& beaconLinkPages() {
  static const std::vector<LivePageRow> rows = {
      // Locked.
      {{OnTarget},
       {kOperate, kOperateLine2, kMobileOperate, kMobileOperateLine2},
       {{L1, distanceCaption}, {L2, starredAzimuth}, {L3, jitteredBars}, {R3, strongSignal}},
       std::nullopt,
       true},
      {{OnTarget},
       {kMobileOperateBearing},
       {{L1, distanceCaption}, {L2, starredAzimuth}},
       clLime,
       true},
      {{OnTarget},
       {kOperateBearing},
       {{L1, distance}, {L2, empty}, {L3, lockedSignalDb}},
       std::nullopt,
       true},
      {{OnTarget}, {kMobileOperateDeviation}, {{L1, distance}, {L2, empty}}, std::nullopt, true},

      // Linked, off target. The OPERATE pages 1 and 2 of either tree keep what
      // they show outside the beam.
      {{InBeam},
       {kOperate, kOperateLine2, kMobileOperate, kMobileOperateLine2},
       {{L1, starredDistance}, {L2, starredAzimuth}, {L3, nearBars}, {R3, nearSignal}},
       clRed},
      {{InBeam, OutOfBeam}, {kOperateBearing}, {{L1, empty}, {L3, noSignalDb}, {L2, empty}}},
      {{InBeam, OutOfBeam},
       {kMobileOperateBearing},
       {{L1, starredDistance}, {L2, starredThenAzimuth}, {R3, bearing}, {R4, empty}}},
      {{InBeam, OutOfBeam}, {kMobileOperateDeviation}, {{L1, empty}, {L2, empty}}},

      // Not linked.
      {{NotLinked},
       {kOperate, kOperateLine2},
       {{L1, starredDistance}, {L3, signalCaption}, {R3, noSignal}}},
      {{NotLinked}, {kOperateBearing}, {{L1, empty}, {L3, noSignalDb}}},
      {{NotLinked},
       {kMobileOperate, kMobileOperateLine2},
       {{L1, starredDistance}, {L2, starredAzimuth}, {L3, signalCaption}, {R3, noSignal}}},
      {{NotLinked}, {kMobileOperateBearing}, {{L1, starredDistance}, {L2, starredAzimuth}}},
      {{NotLinked}, {kMobileOperateDeviation}, {{L1, empty}, {L2, empty}}},
  };
  return rows;
}

}  // namespace kestrom
