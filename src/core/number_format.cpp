#include "core/number_format.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace kestrom {

namespace {

constexpr int kSignificant = 15;  // digits a value is judged on before rounding

// A value as its 15 significant decimal digits: value = 0.digits x 10^(exponent).
struct Decimal {
  bool negative = false;
  std::string digits;  // kSignificant digits, the first not 0 unless the value is 0
  int exponent = 0;
};

Decimal decimalOf(Extended value) {
  char buf[64];
  auto [end, ec] =
      std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, kSignificant - 1);
  Decimal d;
  if (ec != std::errc()) return d;
  std::string_view text(buf, static_cast<std::size_t>(end - buf));  // "-d.dddde+XX"
  if (!text.empty() && text.front() == '-') {
    d.negative = true;
    text.remove_prefix(1);
  }
  const std::size_t e = text.find('e');
  for (char c : text.substr(0, e)) {
    if (c != '.') d.digits += c;
  }
  int exponent = 0;
  std::string_view power = text.substr(e + 1);
  if (!power.empty() && power.front() == '+') power.remove_prefix(1);
  std::from_chars(power.data(), power.data() + power.size(), exponent);
  d.exponent = exponent + 1;
  return d;
}

// Rounds to `decimals` places, halves away from zero, and writes the result with
// that many decimals but at least two ("245.125" -> "245.13", "123456.7" at one
// place -> "123456.70").
std::string fixedText(const Decimal& d, int decimals) {
  // Digits before the point and the kept decimals, as one run of digits.
  const int kept = d.exponent + decimals;
  std::string run;
  if (kept > 0) {
    for (int i = 0; i < kept; ++i) {
      run += i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(i)] : '0';
    }
    const bool up =
        kept < static_cast<int>(d.digits.size()) && d.digits[static_cast<std::size_t>(kept)] >= '5';
    if (up) {
      int i = static_cast<int>(run.size()) - 1;
      for (; i >= 0 && run[static_cast<std::size_t>(i)] == '9'; --i) {
        run[static_cast<std::size_t>(i)] = '0';
      }
      if (i >= 0) {
        ++run[static_cast<std::size_t>(i)];
      } else {
        run.insert(run.begin(), '1');
      }
    }
  } else if (kept == 0 && !d.digits.empty() && d.digits[0] >= '5') {
    run = "1";  // 0.005 at two places
  }
  // Split into whole part and the kept decimals, then pad to two decimals.
  const int totalDecimals = decimals;
  while (static_cast<int>(run.size()) <= totalDecimals) run.insert(run.begin(), '0');
  std::string whole = run.substr(0, run.size() - static_cast<std::size_t>(totalDecimals));
  std::string fraction = run.substr(whole.size());
  std::size_t nonZero = whole.find_first_not_of('0');
  whole = nonZero == std::string::npos ? "0" : whole.substr(nonZero);
  while (fraction.size() < 2) fraction += '0';
  const bool zero = whole == "0" && fraction.find_first_not_of('0') == std::string::npos;
  return (d.negative && !zero ? "-" : "") + whole + "." + fraction;
}

}  // namespace

std::string fixed2(Extended value) {
  if (!std::isfinite(value)) return "0.00";
  const Decimal d = decimalOf(value);
  // At most seven significant digits, then two decimals.
  int decimals = 2;
  if (value != 0 && 7 - d.exponent < 2) decimals = std::max(0, 7 - d.exponent);
  return fixedText(d, decimals);
}

std::string fixed3(Extended value) {
  if (!std::isfinite(value)) return "0.000";
  return fixedText(decimalOf(value), 3);
}

std::string generalFormat(Extended value) {
  char buf[64];
  auto [end, ec] =
      std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, kSignificant);
  if (ec != std::errc()) return "0";
  std::string s(buf, end);
  if (s == "-0") s = "0";
  return s;
}

}  // namespace kestrom
