#include "panels/mobile/frequency_slew.h"

#include <string>

#include "app/simulator.h"
#include "panels/common/station_panel.h"
#include "setup/link_evaluation.h"

namespace kestrom {

int stepToward(int value, int target, int step) {
  if (value < target) return value + std::min(step, target - value);
  if (value > target) return value - std::min(step, value - target);
  return value;
}

FrequencySlew::FrequencySlew(Simulator& sim, StationPanel& panel, int timerOrder)
    : Timer5(sim.scheduler(), timerOrder, 300, false), sim_(sim), panel_(panel) {
  Timer5.setHandler([this] { Timer5Timer(); });
}

void FrequencySlew::startPairSlew(int targetMhz) {
  kind_ = Kind::Pair;
  Target = targetMhz;
  Timer5.start();
}

void FrequencySlew::startAdjustSlew(int targetMhz) {
  kind_ = Kind::Adjust;
  Target = targetMhz;
  Timer5.start();
}

void FrequencySlew::Timer5Timer() {
  if (kind_ == Kind::Pair && (panel_.MenuState == 7 || panel_.MenuState == 73)) pairTick();
  if (kind_ == Kind::Adjust && panel_.MenuState == 9) adjustTick();
}

void FrequencySlew::pairTick() {
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
    sim_.state().MobileFreq = shown;
  }
}

void FrequencySlew::adjustTick() {
  SimulationState& s = sim_.state();
  long value = 0;
  if (!readWholeNumber(s.MobileFreq, value)) {
    Timer5.stop();
    return;
  }
  s.MobileFreq = std::to_string(stepToward(static_cast<int>(value), Target, 1));
  panel_.cell(Cell::R3).Caption = s.MobileFreq;
  if (s.MobileFreq == std::to_string(Target)) Timer5.stop();

  Extended d = directionDifference(s.FixAzimuth, s.AntennaBearing);
  long shown = 0;
  long counter = 0;
  bool spaced = readWholeNumber(panel_.cell(Cell::R3).Caption, shown) &&
                readWholeNumber(s.CounterFreq, counter) &&
                (shown - counter == 30 || counter - shown == 30);
  bool strong = (d >= 0 && d < 2) || (d >= -2 && d < 0 && spaced);
  panel_.cell(Cell::L4).Caption = "SIGNL : " + std::string(strong ? 13 : 2, '\x7f');
}

}  // namespace kestrom
