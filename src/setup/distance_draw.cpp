#include "setup/distance_draw.h"

#include "setup/link_evaluation.h"

namespace kestrom {

double drawDistance(SimulationState& state, const std::string& rangeDigits, RandomSource& random) {
  state.RangeJitter = 30 + random.random(10);
  state.RangeText = rangeDigits + std::to_string(state.RangeJitter);
  long hundredths = 0;
  if (!readWholeNumber(state.RangeText, hundredths) || hundredths < 0) {
    hundredths = state.RangeJitter;
  }
  return static_cast<double>(hundredths) / 100.0;
}

}  // namespace kestrom
