#pragma once

#include <string>

#include "core/extended.h"

namespace kestrom {

// Numbers as the panels and windows show them. Both never depend on the machine's
// locale: the decimal separator is always a point.

// "Fixed with 2 decimals": fixed-point, two decimals, at most seven significant
// digits (245.5 -> "245.50"), halves rounded away from zero.
std::string fixed2(Extended value);

// Fixed-point with three decimals (179.992 -> "179.992"), halves rounded away from
// zero: the reference azimuth as the Fix's configuration run offers it.
std::string fixed3(Extended value);

// "General number format": the shortest text of up to 15 significant digits
// (245.5 -> "245.5", 12.0 -> "12").
std::string generalFormat(Extended value);

}  // namespace kestrom
