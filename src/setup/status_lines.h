#pragma once

#include <string>
#include <string_view>

namespace kestrom {

// Replaces the characters of a status line at `position` (counted from 1) by
// `chars`, keeping the line's length. Positions past the end are left alone.
inline void setStatusChars(std::string& line, int position, std::string_view chars) {
  for (std::size_t i = 0; i < chars.size(); ++i) {
    std::size_t at = static_cast<std::size_t>(position - 1) + i;
    if (position >= 1 && at < line.size()) line[at] = chars[i];
  }
}

// Status line positions the panels write.
namespace statuspos {
inline constexpr int StationLetter = 7;
inline constexpr int FrequencyPair = 11;
inline constexpr int Address = 15;      // two characters
inline constexpr int ModeCode = 20;     // two characters
inline constexpr int PowerLetter = 10;  // second line
inline constexpr int RangeLetter = 17;  // second line
}  // namespace statuspos

}  // namespace kestrom
