#include "panels/mobile/mobile_live_pages.h"

namespace kestrom {

using enum Cell;
using enum LinkState;
using namespace reading;

const std::vector<LivePageRow>& mobileLivePages() {
  static const std::vector<LivePageRow> rows = {
      // Locked.
      {{OnTarget}, {9}, {{L4, fullSignal}}},
      {{OnTarget}, {31}, {{R4, servoPrompt}}},
      {{OnTarget},
       {1, 2, 37, 38},
       {{L1, distanceCaption}, {L2, azimuthCaption}, {L3, lockedBars}, {R3, strongSignal}},
       std::nullopt,
       true},
      {{OnTarget},
       {3},
       {{L1, distanceCaption}, {L2, azimuthCaption}, {R3, bearing}, {R4, heading}},
       std::nullopt,
       true},
      {{OnTarget}, {4}, {{L1, distance}, {L2, azimuth}}, std::nullopt, true},
      {{OnTarget}, {39}, {{L1, range}, {L2, azimuth}, {L3, strongSignalDb}}, std::nullopt, true},

      // Linked, off target.
      {{InBeam, OutOfBeam}, {9}, {{L4, twoBarSignal}}},
      {{InBeam, OutOfBeam}, {31}, {{R4, servoPrompt}}},
      {{InBeam, OutOfBeam}, {3}, {{L1, starredDistance}, {L2, starredAzimuth}, {R4, empty}}},
      {{InBeam, OutOfBeam},
       {37, 38},
       {{L1, starredDistance}, {L2, starredAzimuth}, {L3, signalCaption}}},
      {{InBeam, OutOfBeam}, {39}, {{L1, empty}, {L2, empty}, {L3, lowSignalDb}}},
      {{InBeam},
       {1, 2},
       {{L1, starredDistance}, {L2, starredAzimuth}, {L3, weakBars}, {R3, weakSignal}},
       clRed},

      // Not linked.
      {{NotLinked},
       {1, 2},
       {{L1, starredDistance}, {L2, starredAzimuth}, {L3, signalCaption}, {R3, noSignal}}},
      {{NotLinked}, {3}, {{L1, starredDistance}, {L2, starredAzimuth}}},
      {{NotLinked}, {4}, {{L1, empty}, {L2, empty}}},
      {{NotLinked}, {37, 38}, {{L1, starredDistance}, {L3, signalCaption}, {R3, noSignal}}},
      {{NotLinked}, {39}, {{L1, empty}, {L3, noSignalDb}}},
  };
  return rows;
}

}  // namespace kestrom
