#include "app/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kestrom {

namespace {

// Rounds to `decimals` places, halves away from zero, judged on the value's
// 15-significant-digit decimal form (so 245.125 shows as 245.13).
double roundHalfAway(double value, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", value);
  double decimal = std::strtod(buf, nullptr);
  double scale = std::pow(10.0, decimals);
  double scaled = decimal * scale;
  double whole = std::floor(std::fabs(scaled));
  double fraction = std::fabs(scaled) - whole;
  if (fraction >= 0.5 - 1e-9) whole += 1;
  return std::copysign(whole / scale, value);
}

}  // namespace

std::string fixed2(double value) {
  if (!std::isfinite(value)) return "0.00";
  // At most seven significant digits, then two decimals.
  int decimals = 2;
  if (value != 0) {
    int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value)))) + 1;
    if (7 - magnitude < 2) decimals = 7 - magnitude;
  }
  double rounded = roundHalfAway(value, decimals);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f", rounded);
  std::string s = buf;
  if (s == "-0.00") s = "0.00";
  return s;
}

std::string generalFormat(double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", value);
  std::string s = buf;
  if (s == "-0") s = "0";
  return s;
}

}  // namespace kestrom
