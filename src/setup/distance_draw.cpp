#include "setup/distance_draw.h"

#include "setup/string_to_float.h"

namespace kestrom {

std::optional<Extended> drawDistance(SimulationState& state, const std::string& rangeDigits,
                                     RandomSource& random) {
  state.RangeJitter = 30 + random.random(10);
  // Blanks around the digits are no part of the number.
  const std::size_t first = rangeDigits.find_first_not_of(' ');
  const std::size_t last = rangeDigits.find_last_not_of(' ');
  const std::string digits =
      first == std::string::npos ? std::string() : rangeDigits.substr(first, last - first + 1);
  state.RangeText = digits + std::to_string(state.RangeJitter);
  std::optional<double> hundredths = StringToFloat(state.RangeText);
  if (!hundredths) return std::nullopt;
  // The conversion gives a double; the division is taken in extended precision.
  return static_cast<Extended>(*hundredths) / 100;
}

}  // namespace kestrom
