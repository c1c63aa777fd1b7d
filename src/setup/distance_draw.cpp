#include "setup/distance_draw.h"

#include "core/trim.h"
#include "setup/string_to_float.h"

namespace kestrom {

std::optional<Extended> drawDistance(SimulationState& state, const std::string& rangeDigits,
                                     RandomSource& random) {
  state.RangeJitter = 30 + random.random(10);
  // Spaces around the digits are no part of the number.
  state.RangeText = std::string(trimSpaces(rangeDigits)) + std::to_string(state.RangeJitter);
  std::optional<double> hundredths = StringToFloat(state.RangeText);
  if (!hundredths) return std::nullopt;
  // The conversion gives a double; the division is taken in extended precision.
  return static_cast<Extended>(*hundredths) / 100;
}

}  // namespace kestrom
