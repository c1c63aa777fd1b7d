#pragma once

#include "core/extended.h"
#include "setup/telegrams.h"
#include "telegrams/decimal.h"
#include "telegrams/formats.h"

namespace kestrom::tool {

// What one telegram is to carry, as the far end reads it.
struct Reading {
  Format format = Format::Ascii16;
  bool inLock = true;
  Milli distance = 0;  // metres
  Milli azimuth = 0;   // degrees, the reported azimuth
  Milli bearing = 0;   // degrees
  bool mk3 = false;    // bcdadb as a Mk 3 mobile sends it
};

// The formatter's input that makes telegram::build() write exactly these values.
// The formatter truncates products in extended precision, where most decimals
// land just below themselves (0.29 * 1000 gives 289.999...), so each value is the
// nearest extended number at or above the decimal that every field scale truncates
// to the decimal's own digits; the azimuth is the fix azimuth whose reciprocal that
// is.
telegram::Input telegramInput(const Reading& r);

// The extended value whose fields at scales 1, 10, 100 and 1000 hold the digits
// of `value`.
Extended exactly(Milli value);

// The fix azimuth whose reported azimuth (reciprocalAzimuth) is exactly
// `reported` in the same sense; 0 and 360 are both reported as themselves.
Extended fixAzimuthFor(Milli reported);

}  // namespace kestrom::tool
