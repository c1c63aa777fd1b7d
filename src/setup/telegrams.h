#pragma once

#include <string>
#include <string_view>

#include "core/extended.h"

namespace kestrom {

// The peripheral output telegrams: distance, azimuth and bearing in three ASCII
// and three BCD formats, built fresh on every tick of the telegram timer.
namespace telegram {

// Values of OutputTelegramType.
enum Type : int {
  Ascii16 = 1,
  Ascii17 = 2,
  Ascii22 = 3,
  Bcd001 = 4,   // BCD(0.01)
  Bcd0001 = 5,  // BCD(0.001)
  BcdAdb = 6,   // BCD(ADB)
};
inline constexpr int kTypeCount = 6;

struct Input {
  int type = Bcd001;
  bool inLock = false;
  Extended distance = 0;            // D, metres
  Extended fixAzimuth = 0;          // the telegram carries its reciprocal
  Extended antennaBearing = 0;      // B, degrees
  std::string_view mobileUnitRole;  // BCD(ADB) packs one byte differently for a Mk 3 mobile
};

// The telegram's bytes (they may contain 00 and FF), or an empty string when
// nothing is to be sent: a BCD type out of lock, or a type outside 1..6.
std::string build(const Input& in);

// A numeric field: the integer part of value * scale, truncated toward zero (never
// rounded), in decimal digits padded with "0" on the left to `width` characters.
// A value the field cannot hold is clamped: negative (or not a number) gives all
// zeros, too large gives all nines, so a field never changes its width.
std::string field(Extended value, int scale, int width);

// Item text of the telegram list and the "Transmitting :" text, for types 1..6
// (empty otherwise).
const char* listText(int type);
const char* transmittingText(int type);

}  // namespace telegram
}  // namespace kestrom
