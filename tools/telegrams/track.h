#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "telegrams/decimal.h"

namespace kestrom::tool {

// A value that stays put or steps from one end to the other and back, one step per
// telegram: "40" or "40..80@0.5".
struct Leg {
  Milli from = 0;
  Milli to = 0;
  Milli step = 0;  // 0 for a value that stays put

  // The value of the n-th telegram (from 0): from, from + step, ... up to `to`
  // (the last step may be shorter), then back the same way, and so on.
  Milli at(long long n) const;
};

// What the sender sends: "DISTANCE:AZIMUTH[:BEARING]", each a value or a leg,
// for example "126:40..80@0.5" or "100..200@2.5:270:10..20@0.1". The azimuth is the
// reported one. A track without a bearing leaves it to --bearing.
struct Track {
  Leg distance;
  Leg azimuth;
  std::optional<Leg> bearing;
};

// The largest values a telegram holds: distance 99999.9 m, angles 360 degrees.
inline constexpr Milli kMostDistance = 99'999'900;
inline constexpr Milli kMostAngle = 360'000;

// A track, or a message saying what is wrong with the text.
std::variant<Track, std::string> parseTrack(std::string_view text);

// A value or leg of the quantity `what` (for messages) between 0 and `most`.
std::variant<Leg, std::string> parseLeg(std::string_view text, std::string_view what, Milli most);

}  // namespace kestrom::tool
