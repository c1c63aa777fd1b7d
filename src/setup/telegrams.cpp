#include "setup/telegrams.h"

#include <cmath>
#include <cstdint>

#include "setup/angles.h"
#include "setup/simulation_state.h"

namespace kestrom::telegram {

namespace {

struct TypeInfo {
  const char* listText;
  const char* transmitting;
};

constexpr TypeInfo kTypes[kTypeCount] = {
    {"ASCII 16", "Distance - Azimuth"},           {"ASCII 17", "Distance - Azimuth"},
    {"ASCII 22", "Distance - Bearing - Azimuth"}, {"BCD(0.01)", "Distance - Azimuth"},
    {"BCD(0.001)", "Distance - Azimuth"},         {"BCD(ADB)", "Azimuth - Distance - Bearing"},
};

const TypeInfo* info(int type) {
  return type >= 1 && type <= kTypeCount ? &kTypes[type - 1] : nullptr;
}

constexpr const char* kCrLf = "\r\n";

// Two decimal digits packed into one byte, the first in the high four bits.
char bcd(char high, char low) {
  return static_cast<char>(((high - '0') << 4) | (low - '0'));
}

std::string ascii(const Input& in, Extended a) {
  const std::string d = field(in.distance, 10, 6);
  switch (in.type) {
    case Ascii16:
      if (!in.inLock) return std::string("000000 00000 0") + kCrLf;
      return d + ' ' + field(a, 100, 5) + " 1" + kCrLf;
    case Ascii17:
      if (!in.inLock) return std::string("000000 000000 0") + kCrLf;
      return d + ' ' + field(a, 1000, 6) + " 1" + kCrLf;
    default:  // Ascii22
      if (!in.inLock) return std::string("000000 0000 000000 0") + kCrLf;
      return d + ' ' + field(in.antennaBearing, 10, 4) + ' ' + field(a, 1000, 6) + " 1" + kCrLf;
  }
}

std::string binary(const Input& in, Extended a) {
  if (!in.inLock) return {};
  const std::string d = field(in.distance, 1, 5);
  std::string out;
  if (in.type == Bcd001) {
    const std::string az = field(a, 100, 5);
    out = {bcd(az[0], az[1]), bcd(az[2], az[3]), bcd('0', az[4])};
  } else {
    const std::string az = field(a, 1000, 6);
    out = {bcd(az[0], az[1]), bcd(az[2], az[3])};
    if (in.type == BcdAdb) {
      // A Mk 3 mobile repeats the last azimuth byte; the others send its high digit only.
      out += in.mobileUnitRole == text::AsMk3M ? bcd(az[4], az[5]) : bcd(az[4], '0');
    }
    out += bcd(az[4], az[5]);
  }
  out += {bcd(d[0], d[1]), bcd(d[2], d[3]), bcd('0', d[4])};
  if (in.type == BcdAdb) {
    const std::string b = field(in.antennaBearing, 10, 4);
    out += {bcd(b[0], b[1]), bcd(b[2], b[3])};
  }
  out += '\xFF';
  return out;
}

}  // namespace

std::string field(Extended value, int scale, int width) {
  // The product is taken in extended precision, as the system computes it.
  const Extended product = std::trunc(value * scale);
  const Extended largest = std::pow(10.0L, width) - 1;
  std::int64_t n = 0;
  if (product >= largest) {
    n = static_cast<std::int64_t>(largest);
  } else if (product > 0) {  // false for NaN as well
    n = static_cast<std::int64_t>(product);
  }
  std::string digits = std::to_string(n);
  return std::string(width - digits.size(), '0') + digits;
}

std::string build(const Input& in) {
  if (!info(in.type)) return {};
  const Extended a = reciprocalAzimuth(in.fixAzimuth);
  return in.type <= Ascii22 ? ascii(in, a) : binary(in, a);
}

const char* listText(int type) {
  const TypeInfo* t = info(type);
  return t ? t->listText : "";
}

const char* transmittingText(int type) {
  const TypeInfo* t = info(type);
  return t ? t->transmitting : "";
}

}  // namespace kestrom::telegram
