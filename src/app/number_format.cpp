#include "app/number_format.h"

#include <cmath>
#include <cstdio>

namespace kestrom {

std::string fixed2(double value) {
  // Round to seven significant digits first, then show two decimals.
  double rounded = value;
  if (value != 0 && std::isfinite(value)) {
    int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value)))) + 1;
    int decimals = 7 - magnitude;
    if (decimals < 2) {
      double scale = std::pow(10.0, decimals);
      rounded = std::round(value * scale) / scale;
    }
  }
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
