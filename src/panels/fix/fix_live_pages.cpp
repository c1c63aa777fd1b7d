#include "panels/fix/fix_live_pages.h"

#include "core/seams.h"
#include "panels/fix/fix_screen_ids.h"

namespace kestrom {

using enum Cell;
using enum LinkState;
using namespace reading;
using namespace fix_screen;

namespace {

std::string strongLevel(LiveReadings& r) {
  return "-" + std::to_string(42 - r.random.random(3));
}
std::string pageFourAzimuth(LiveReadings& r) {
  return r.pageFourAzimuth;
}
std::string refreshLevel(LiveReadings&) {
  return "-84";
}

// The OPERATE pages 1 and 2 of both trees.
std::vector<int> operatePages() {
  return {kOperate, kOperateLine2, kMobileOperate, kMobileOperateLine2};
}

// Rows both cycles write.
std::vector<LivePageRow> commonRows() {
  const std::vector<int> operate = operatePages();
  return {
      // On target.
      {{OnTarget}, {kFreqAdjustMk3}, {{L4, fullSignal}}},
      {{OnTarget}, {kPerformance}, {{R4, servoPrompt}}},
      {{OnTarget},
       operate,
       {{L1, distanceCaption}, {L2, azimuthCaption}, {L3, jitteredBars}, {R3, strongLevel}},
       std::nullopt,
       true},
      {{OnTarget},
       {kMobileOperateBearing},
       {{L1, distanceCaption}, {L2, azimuthCaption}, {R3, bearing}, {R4, heading}},
       std::nullopt,
       true},
      {{OnTarget},
       {kOperateSignalDb},
       {{L1, distance}, {L2, azimuth}, {L3, strongSignalDb}},
       std::nullopt,
       true},
      {{OnTarget},
       {kMobileOperateDeviation},
       {{L1, distance}, {L2, pageFourAzimuth}},
       std::nullopt,
       true},

      // Linked, off target.
      {{InBeam, OutOfBeam}, {kFreqAdjustMk3}, {{L4, twoBarSignal}}},
      {{InBeam, OutOfBeam}, {kPerformance}, {{R4, servoPrompt}}},
      {{InBeam, OutOfBeam}, {kOperateSignalDb}, {{L1, empty}, {L3, noSignalDb}, {L2, azimuth}}},
      {{InBeam, OutOfBeam},
       {kMobileOperateBearing},
       {{L1, starredDistance}, {L2, azimuthCaption}, {R3, empty}, {R4, empty}}},
      {{InBeam, OutOfBeam}, {kMobileOperateDeviation}, {{L1, empty}, {L2, azimuth}}},
      {{InBeam},
       operate,
       {{L1, starredDistance}, {L2, azimuthCaption}, {L3, weakBars}, {R3, weakSignal}},
       clRed},
  };
}

}  // namespace

const std::vector<LivePageRow>& fixSupervisionPages() {
  static const std::vector<LivePageRow> rows = [] {
    std::vector<LivePageRow> r = commonRows();
    const std::vector<int> operate = operatePages();
    r.push_back({{OutOfBeam}, operate, {{L1, starredDistance}, {L2, azimuthCaption}}});
    // Not linked.
    r.push_back({{NotLinked},
                 {kOperate, kOperateLine2},
                 {{L1, starredDistance}, {L3, signalCaption}, {R3, noSignal}}});
    r.push_back({{NotLinked}, {kOperateSignalDb}, {{L1, empty}, {L3, noSignalDb}}});
    r.push_back(
        {{NotLinked},
         {kMobileOperate, kMobileOperateLine2},
         {{L1, starredDistance}, {L2, starredAzimuth}, {L3, signalCaption}, {R3, noSignal}}});
    r.push_back(
        {{NotLinked}, {kMobileOperateBearing}, {{L1, starredDistance}, {L2, starredAzimuth}}});
    r.push_back({{NotLinked}, {kMobileOperateDeviation}, {{L1, empty}, {L2, empty}}});
    return r;
  }();
  return rows;
}

const std::vector<LivePageRow>& fixRefreshPages() {
  static const std::vector<LivePageRow> rows = [] {
    std::vector<LivePageRow> r = commonRows();
    const std::vector<int> operate = operatePages();
    r.push_back(
        {{OutOfBeam},
         operate,
         {{L1, starredDistance}, {L2, azimuthCaption}, {L3, signalCaption}, {R3, refreshLevel}}});
    return r;
  }();
  return rows;
}

}  // namespace kestrom
