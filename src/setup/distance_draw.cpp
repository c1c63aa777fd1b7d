#include "setup/distance_draw.h"

#include "setup/string_to_float.h"

namespace kestrom {

double drawDistance(SimulationState& state, const std::string& rangeDigits, RandomSource& random) {
  state.RangeJitter = 30 + random.random(10);
  state.RangeText = rangeDigits + std::to_string(state.RangeJitter);
  return StringToFloatOr(state.RangeText, state.RangeJitter) / 100.0;
}

}  // namespace kestrom
