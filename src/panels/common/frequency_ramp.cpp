#include "panels/common/frequency_ramp.h"

#include <algorithm>
#include <string>

#include "panels/common/enter_steps.h"
#include "panels/common/station_panel.h"
#include "setup/angles.h"
#include "setup/whole_numbers.h"

namespace kestrom {

int stepToward(int value, int target, int step) {
  if (value < target) return value + std::min(step, target - value);
  if (value > target) return value - std::min(step, value - target);
  return value;
}

FrequencyRamp::FrequencyRamp(Scheduler& scheduler, StationPanel& panel, int timerOrder, Pages pages,
                             const StationSide& own, const StationSide& other)
    : Timer5(scheduler, timerOrder, 300, false),
      panel_(panel),
      pages_(std::move(pages)),
      own_(own),
      other_(other) {
  Timer5.setHandler([this] { Timer5Timer(); });
}

void FrequencyRamp::startPairRamp(int targetMhz) {
  kind_ = Kind::Pair;
  Target = targetMhz;
  Timer5.start();
}

void FrequencyRamp::startAdjustRamp(int targetMhz) {
  kind_ = Kind::Adjust;
  Target = targetMhz;
  if (pages_.storesAtOnce) panel_.state().*own_.freq = std::to_string(Target);
  Timer5.start();
}

int pairFrequency(const StationSide& side, int n) {
  static const int mobile[] = {9200, 9300, 9230, 9270};
  static const int counter[] = {9230, 9270, 9200, 9300};
  const bool isMobile = side.freq == &SimulationState::MobileFreq;
  return isMobile ? mobile[n] : counter[n];
}

void FrequencyRamp::startForPair() {
  const int n = entry::pairDigit(panel_.state().*own_.freqPairText);
  if (n >= 0) startPairRamp(pairFrequency(own_, n));
}

void FrequencyRamp::startForAdjust(const std::string& keyed) {
  long target = 0;
  if (readWholeNumber(keyed, target)) startAdjustRamp(static_cast<int>(target));
}

void FrequencyRamp::Timer5Timer() {
  const int screen = panel_.MenuState;
  const bool onPairPage =
      std::find(pages_.pair.begin(), pages_.pair.end(), screen) != pages_.pair.end();
  const bool onItsPage = kind_ == Kind::Pair ? onPairPage : screen == pages_.adjust;
  if (!onItsPage) {
    // Its page was left: the station is on its new frequency at once, so the
    // stored frequency never stays stale while another screen is shown.
    panel_.state().*own_.freq = std::to_string(Target);
    Timer5.stop();
    return;
  }
  if (kind_ == Kind::Pair) pairTick();
  if (kind_ == Kind::Adjust) adjustTick();
}

void FrequencyRamp::pairTick() {
  if (pages_.storesAtOnce) panel_.state().*own_.freq = std::to_string(Target);
  long value = 0;
  if (!readWholeNumber(panel_.value(Cell::R4), value)) {
    Timer5.stop();
    return;
  }
  int next = stepToward(static_cast<int>(value), Target, 10);
  std::string& shown = panel_.cell(Cell::R4).Caption;
  shown = std::to_string(next);
  if (next == Target) {
    Timer5.stop();
    panel_.state().*own_.freq = shown;
  }
}

void FrequencyRamp::adjustTick() {
  SimulationState& s = panel_.state();
  // What moves: the value shown where the station took the frequency at ENTER,
  // else the station's frequency itself.
  std::string& moving = pages_.storesAtOnce ? panel_.cell(Cell::R3).Caption : s.*own_.freq;
  long value = 0;
  if (!readWholeNumber(moving, value)) {
    Timer5.stop();
    return;
  }
  moving = std::to_string(stepToward(static_cast<int>(value), Target, 1));
  if (!pages_.storesAtOnce) panel_.cell(Cell::R3).Caption = moving;
  if (moving == std::to_string(Target)) Timer5.stop();

  // Strong signal with the antenna on the station, or just short of it while the
  // two frequencies lie 30 MHz apart (on the Beacon: while they lie 30 MHz apart).
  Extended d = directionDifference(s.FixAzimuth, s.AntennaBearing);
  long shown = 0;
  long partner = 0;
  bool spaced = readWholeNumber(panel_.cell(Cell::R3).Caption, shown) &&
                readWholeNumber(s.*other_.freq, partner) &&
                (shown - partner == 30 || partner - shown == 30);
  bool strong =
      pages_.barsBySpacingOnly ? spaced : (d >= 0 && d < 2) || (d >= -2 && d < 0 && spaced);
  panel_.cell(Cell::L4).Caption = "SIGNL : " + std::string(strong ? 13 : 2, '\x7f');
}

}  // namespace kestrom
