#include "telegrams/decimal.h"

namespace kestrom::tool {

namespace {
constexpr Milli kLimit = 1'000'000'000'000;  // a billion, in thousandths
constexpr std::size_t kMostDecimals = 3;
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool allDigits(std::string_view text) {
  for (char c : text) {
    if (!isDigit(c)) return false;
  }
  return true;
}
}  // namespace

bool hasTooManyDecimals(std::string_view text) {
  const std::size_t point = text.find('.');
  if (point == std::string_view::npos || point == 0) return false;
  const std::string_view fraction = text.substr(point + 1);
  return fraction.size() > kMostDecimals && allDigits(text.substr(0, point)) && allDigits(fraction);
}

std::optional<Milli> parseMilli(std::string_view text) {
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (whole.empty() || (point != std::string_view::npos && fraction.empty()) ||
      fraction.size() > kMostDecimals) {
    return std::nullopt;
  }
  Milli value = 0;
  for (char c : whole) {
    if (!isDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
    if (value * 1000 >= kLimit) return std::nullopt;
  }
  value *= 1000;
  Milli place = 100;
  for (char c : fraction) {
    if (!isDigit(c)) return std::nullopt;
    value += (c - '0') * place;
    place /= 10;
  }
  return value;
}

std::string fixedText(std::int64_t units, int decimals) {
  std::string digits = std::to_string(units < 0 ? -units : units);
  if (decimals > 0) {
    if (static_cast<int>(digits.size()) <= decimals) {
      digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    }
    digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
  }
  return units < 0 ? "-" + digits : digits;
}

}  // namespace kestrom::tool
