#include "setup/distance_draw.h"

#include "setup/string_to_float.h"

namespace kestrom {

std::optional<double> drawDistance(SimulationState& state, const std::string& rangeDigits,
                                   RandomSource& random) {
  state.RangeJitter = 30 + random.random(10);
  state.RangeText = rangeDigits + std::to_string(state.RangeJitter);
  std::optional<double> hundredths = StringToFloat(state.RangeText);
  if (!hundredths) return std::nullopt;
  return *hundredths / 100.0;
}

}  // namespace kestrom
