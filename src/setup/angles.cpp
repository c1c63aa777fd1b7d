#include "setup/angles.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "core/trim.h"

namespace kestrom {

Extended directionDifference(Extended a, Extended b) {
  Extended d = std::fmod(a - b, 360.0L);
  if (d >= 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

Extended bearingOf(Extended direction) {
  if (!std::isfinite(direction)) return 0;
  Extended b = std::fmod(direction, 360.0L);
  if (b < 0) b += 360;
  if (b >= 360) b -= 360;
  return b;
}

Extended reciprocalAzimuth(Extended fixAzimuth) {
  return fixAzimuth > 180 ? fixAzimuth - 180 : fixAzimuth + 180;
}

Slew shorterTurn(Extended from, Extended to) {
  if (to <= from) return from - to > 180 ? Slew::Right : Slew::Left;
  return to - from > 180 ? Slew::Left : Slew::Right;
}

std::optional<int> scanLimitDegrees(const std::string& text) {
  std::string_view number = trimSpaces(text);
  if (number.empty()) return std::nullopt;
  if (number.front() == '+') {
    number.remove_prefix(1);
    if (number.empty() || number.front() == '-') return std::nullopt;
  }
  const char* end = number.data() + number.size();
  double value = 0;
  auto [ptr, ec] = std::from_chars(number.data(), end, value, std::chars_format::fixed);
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  if (std::fabs(value) > 1e6) return std::nullopt;
  return static_cast<int>(std::lround(value));
}

}  // namespace kestrom
