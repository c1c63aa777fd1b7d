#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrom::tool {

// Values in whole thousandths (126.4 m is 126400), so that stepping along a track
// and writing values never picks up binary rounding, in any locale.
using Milli = std::int64_t;

// "126", "126.4", "0.125": digits with an optional point and one to three more
// digits. Nothing for any other text: signs, values of a billion or more, or more
// than three decimals (a value is taken exactly or not at all, never cut).
std::optional<Milli> parseMilli(std::string_view text);

// Whether the text is digits, a point and more than three digits: a number that
// parseMilli refuses for its decimals alone.
bool hasTooManyDecimals(std::string_view text);

// A count of units of 10^-decimals ("1263", 1 -> "126.3"; "245125", 3 -> "245.125").
std::string fixedText(std::int64_t units, int decimals);

}  // namespace kestrom::tool
