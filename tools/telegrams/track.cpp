#include "telegrams/track.h"

#include <vector>

namespace kestrom::tool {

namespace {

std::vector<std::string_view> split(std::string_view text, char at) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t i = text.find(at);
    parts.push_back(text.substr(0, i));
    if (i == std::string_view::npos) return parts;
    text.remove_prefix(i + 1);
  }
}

// The telegrams hold no finer value; one given finer is refused rather than cut.
constexpr const char* kDecimals = " has more than three decimals";

std::string quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

}  // namespace

Milli Leg::at(long long n) const {
  const Milli span = to > from ? to - from : from - to;
  if (step <= 0 || span == 0) return from;
  const long long steps = (span + step - 1) / step;  // one way
  long long p = n % (2 * steps);
  if (p > steps) p = 2 * steps - p;
  const Milli moved = p == steps ? span : p * step;
  return to > from ? from + moved : from - moved;
}

std::variant<Leg, std::string> parseLeg(std::string_view text, std::string_view what, Milli most) {
  const std::string range = "from 0 to " + fixedText(most / 100, 1);
  const auto value = [&](std::string_view part) -> std::variant<Milli, std::string> {
    const std::optional<Milli> v = parseMilli(part);
    if (!v && hasTooManyDecimals(part)) return std::string(what) + " " + quoted(part) + kDecimals;
    if (!v) return std::string(what) + " " + quoted(part) + " is not a number (digits, one point)";
    if (*v > most) return std::string(what) + " " + quoted(part) + " is not " + range;
    return *v;
  };
  const std::size_t dots = text.find("..");
  if (dots == std::string_view::npos) {
    auto v = value(text);
    if (auto* error = std::get_if<std::string>(&v)) return *error;
    return Leg{std::get<Milli>(v), std::get<Milli>(v), 0};
  }
  const std::size_t at = text.find('@', dots);
  if (at == std::string_view::npos) {
    return std::string(what) + " " + quoted(text) + " needs a step: FROM..TO@STEP";
  }
  auto from = value(text.substr(0, dots));
  if (auto* error = std::get_if<std::string>(&from)) return *error;
  auto to = value(text.substr(dots + 2, at - dots - 2));
  if (auto* error = std::get_if<std::string>(&to)) return *error;
  const std::string_view stepText = text.substr(at + 1);
  const std::optional<Milli> step = parseMilli(stepText);
  if (!step && hasTooManyDecimals(stepText)) {
    return std::string(what) + " step " + quoted(stepText) + kDecimals;
  }
  if (!step) return std::string(what) + " step " + quoted(stepText) + " is not a number";
  if (*step == 0) return std::string(what) + " step must be more than 0";
  return Leg{std::get<Milli>(from), std::get<Milli>(to), *step};
}

std::variant<Track, std::string> parseTrack(std::string_view text) {
  const std::vector<std::string_view> parts = split(text, ':');
  if (parts.size() < 2 || parts.size() > 3) {
    return "track " + quoted(text) +
           " is not DISTANCE:AZIMUTH[:BEARING] (each a value or FROM..TO@STEP)";
  }
  Track track;
  auto distance = parseLeg(parts[0], "track distance", kMostDistance);
  if (auto* error = std::get_if<std::string>(&distance)) return *error;
  track.distance = std::get<Leg>(distance);
  auto azimuth = parseLeg(parts[1], "track azimuth", kMostAngle);
  if (auto* error = std::get_if<std::string>(&azimuth)) return *error;
  track.azimuth = std::get<Leg>(azimuth);
  if (parts.size() == 3) {
    auto bearing = parseLeg(parts[2], "track bearing", kMostAngle);
    if (auto* error = std::get_if<std::string>(&bearing)) return *error;
    track.bearing = std::get<Leg>(bearing);
  }
  return track;
}

}  // namespace kestrom::tool
