#include "telegrams/formats.h"

#include <string>

namespace kestrom::tool {

namespace {

// The tool's names of telegram types 1..6.
constexpr std::string_view kNames[telegram::kTypeCount] = {
    "ascii16", "ascii17", "ascii22", "bcd0.01", "bcd0.001", "bcdadb",
};

// A text as formatNamed() compares it: lower case, without spaces.
std::string folded(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == ' ') continue;
    out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return out;
}

}  // namespace

std::string_view name(Format f) {
  return f >= 1 && f <= telegram::kTypeCount ? kNames[f - 1] : "?";
}

std::optional<Format> formatNamed(std::string_view text) {
  const std::string wanted = folded(text);
  for (Format f : kFormats) {
    if (wanted == name(f) || wanted == folded(telegram::listText(f))) return f;
  }
  return std::nullopt;
}

std::string_view formatNames() {
  static const std::string names = [] {
    std::string joined;
    for (Format f : kFormats) {
      if (!joined.empty()) joined += ", ";
      joined += name(f);
    }
    return joined;
  }();
  return names;
}

}  // namespace kestrom::tool
