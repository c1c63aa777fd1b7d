#include "setup/string_to_float.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

#include "core/trim.h"

namespace kestrom {

namespace {

// The plain conversion: optional sign, digits with at most one point, optional
// exponent, nothing else. std::from_chars is locale-independent.
std::optional<double> plainNumber(std::string_view s) {
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  // from_chars would also read "inf" and "nan"; a number starts with a digit or a point.
  if (s.empty() || !(std::isdigit(static_cast<unsigned char>(s.front())) || s.front() == '.')) {
    return std::nullopt;
  }
  double value = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

double powerOfTen(std::size_t n) {
  return std::pow(10.0, static_cast<double>(n));
}

}  // namespace

std::optional<double> StringToFloat(std::string_view text) {
  std::string s(trimBlanks(text));
  double divisor = 1;
  std::size_t comma = s.find(',');
  if (comma != std::string::npos) {
    divisor *= powerOfTen(s.size() - comma - 1);
    std::size_t point = s.find('.');
    if (point != std::string::npos) divisor *= powerOfTen(s.size() - point - 1);
    // Both separators go; remove the later one first so the earlier index holds.
    if (point != std::string::npos && point > comma) s.erase(point, 1);
    s.erase(comma, 1);
    if (point != std::string::npos && point < comma) s.erase(point, 1);
  }
  auto value = plainNumber(s);
  if (!value) return std::nullopt;
  return *value / divisor;
}

double StringToFloatOr(std::string_view text, double fallback) {
  return StringToFloat(text).value_or(fallback);
}

}  // namespace kestrom
