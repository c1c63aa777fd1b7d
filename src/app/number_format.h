#pragma once

#include <string>

namespace kestrom {

// "Fixed with 2 decimals": fixed-point, two decimals, at most seven significant
// digits (245.5 -> "245.50").
std::string fixed2(double value);

// "General number format": the shortest text of up to 15 significant digits
// (245.5 -> "245.5", 12.0 -> "12").
std::string generalFormat(double value);

}  // namespace kestrom
