#include "telegrams/telegram_input.h"

#include <cmath>
#include <limits>
#include <string>

#include "setup/angles.h"
#include "setup/simulation_state.h"

namespace kestrom::tool {

namespace {

// A handful of steps of the last bit always suffice; the bound only guards the loop.
constexpr int kMostNudges = 64;

bool fieldsHold(Extended v, Milli value) {
  constexpr int kWidth = 12;
  Milli per = 1000;
  for (int scale : {1, 10, 100, 1000}) {
    const std::string digits = std::to_string(value / per);
    if (telegram::field(v, scale, kWidth) != std::string(kWidth - digits.size(), '0') + digits) {
      return false;
    }
    per /= 10;
  }
  return true;
}

Extended up(Extended v) {
  return std::nextafter(v, std::numeric_limits<Extended>::infinity());
}

}  // namespace

Extended exactly(Milli value) {
  Extended v = static_cast<Extended>(value) / 1000;
  for (int i = 0; i < kMostNudges && !fieldsHold(v, value); ++i) v = up(v);
  return v;
}

Extended fixAzimuthFor(Milli reported) {
  constexpr Milli kHalf = 180'000;
  Extended fix =
      static_cast<Extended>(reported >= kHalf ? reported - kHalf : reported + kHalf) / 1000;
  // 0 reported needs a fix azimuth just above 180 (180 itself reports 360).
  for (int i = 0; i < kMostNudges && !fieldsHold(reciprocalAzimuth(fix), reported); ++i) {
    fix = up(fix);
  }
  return fix;
}

telegram::Input telegramInput(const Reading& r) {
  telegram::Input in;
  in.type = r.format;
  in.inLock = r.inLock;
  in.distance = exactly(r.distance);
  in.fixAzimuth = fixAzimuthFor(r.azimuth);
  in.antennaBearing = exactly(r.bearing);
  in.mobileUnitRole = r.mk3 ? text::AsMk3M : text::AsMob;
  return in;
}

}  // namespace kestrom::tool
