#include "panels/mobile/mobile_live_pages.h"

#include "panels/mobile/mobile_screen_ids.h"

namespace kestrom {

using enum Cell;
using enum LinkState;
using namespace reading;
using namespace mobile_screen;

const std::vector<LivePageRow>& mobileLivePages() {
  static const std::vector<LivePageRow> rows = {
      // Locked.
      {{OnTarget}, {kFreqAdjustMk3}, {{L4, fullSignal}}},
      {{OnTarget}, {kPerformance}, {{R4, servoPrompt}}},
      {{OnTarget},
       {kOperate, kOperateLine2, kCounterOperate, kCounterOperateLine2},
       {{L1, distanceCaption}, {L2, azimuthCaption}, {L3, lockedBars}, {R3, strongSignal}},
       std::nullopt,
       true},
      {{OnTarget},
       {kOperateBearing},
       {{L1, distanceCaption}, {L2, azimuthCaption}, {R3, bearing}, {R4, heading}},
       std::nullopt,
       true},
      {{OnTarget}, {kOperateDeviation}, {{L1, distance}, {L2, azimuth}}, std::nullopt, true},
      {{OnTarget},
       {kCounterOperateSignalDb},
       {{L1, range}, {L2, azimuth}, {L3, strongSignalDb}},
       std::nullopt,
       true},

      // Linked, off target.
      {{InBeam, OutOfBeam}, {kFreqAdjustMk3}, {{L4, twoBarSignal}}},
      {{InBeam, OutOfBeam}, {kPerformance}, {{R4, servoPrompt}}},
      {{InBeam, OutOfBeam},
       {kOperateBearing},
       {{L1, starredDistance}, {L2, starredAzimuth}, {R4, empty}}},
      {{InBeam, OutOfBeam},
       {kCounterOperate, kCounterOperateLine2},
       {{L1, starredDistance}, {L2, starredAzimuth}, {L3, signalCaption}}},
      {{InBeam, OutOfBeam},
       {kCounterOperateSignalDb},
       {{L1, empty}, {L2, empty}, {L3, lowSignalDb}}},
      {{InBeam},
       {kOperate, kOperateLine2},
       {{L1, starredDistance}, {L2, starredAzimuth}, {L3, weakBars}, {R3, weakSignal}},
       clRed},

      // Not linked.
      {{NotLinked},
       {kOperate, kOperateLine2},
       {{L1, starredDistance}, {L2, starredAzimuth}, {L3, signalCaption}, {R3, noSignal}}},
      {{NotLinked}, {kOperateBearing}, {{L1, starredDistance}, {L2, starredAzimuth}}},
      {{NotLinked}, {kOperateDeviation}, {{L1, empty}, {L2, empty}}},
      {{NotLinked},
       {kCounterOperate, kCounterOperateLine2},
       {{L1, starredDistance}, {L3, signalCaption}, {R3, noSignal}}},
      {{NotLinked}, {kCounterOperateSignalDb}, {{L1, empty}, {L3, noSignalDb}}},
  };
  return rows;
}

}  // namespace kestrom
