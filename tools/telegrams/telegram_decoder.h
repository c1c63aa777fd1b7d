#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "telegrams/formats.h"

namespace kestrom::tool {

// A field as the telegram carries it: a count of units of 10^-decimals.
struct FieldValue {
  std::int64_t units = 0;
  int decimals = 0;
  double value() const;
  bool operator==(const FieldValue&) const = default;
};

struct DecodedTelegram {
  Format format = Format::Ascii16;
  bool inLock = true;                 // BCD telegrams are only sent in lock
  FieldValue distance;                // metres
  FieldValue azimuth;                 // degrees, as reported (the fix azimuth's reciprocal)
  std::optional<FieldValue> bearing;  // degrees; ascii22 and bcdadb only
  // bcdadb only: the third byte repeats the azimuth's last byte, as a Mk 3 mobile sends it.
  bool mk3Variant = false;
  std::int64_t arrivalNs = 0;              // of the feed that brought its last byte
  std::optional<std::int64_t> intervalNs;  // since the telegram before it
  std::string bytes;
};

// Bytes that belong to no telegram, in the order they came.
struct UnplacedBytes {
  std::string bytes;
  std::int64_t arrivalNs = 0;
};

using DecoderEvent = std::variant<DecodedTelegram, UnplacedBytes>;

// Finds the telegrams of the six formats in a byte stream, fed in pieces of any
// size. Every byte comes out either in a telegram or in an unplaced report, in
// stream order; a stream that starts in the middle of a telegram resyncs on the
// first whole one.
//
// Framing. A telegram ends in a byte no telegram carries elsewhere: the ASCII
// formats end in CR LF and hold only digits and spaces; the BCD formats end in FF
// and every other byte is two decimal digits (never FF, CR or LF). So at each end
// byte the telegram can only be the bytes right before it, and they are checked
// against each format's layout: the ASCII ones by length and the places of their
// spaces and lock digit, the BCD ones by length (7 or 10), by every nibble being a
// digit and by the bytes whose high digit is always 0. In every format an azimuth
// or bearing above 360 degrees makes the bytes no telegram (the fields hold up to
// 999.999, but nothing sends more than a full circle, 360 itself included); the
// shorter BCD candidate may still be one. Bytes before a telegram, or before an
// end byte that closes none, are unplaced.
//
// Ambiguities, and how they are settled:
// - A 10-byte BCD(ADB) ends with 7 bytes that may also pass as a 7-byte telegram
//   (its bearing's third digit 0). Preferred, in this order: the telegram that takes
//   every byte since the last one (no unplaced bytes between), the format of the
//   last telegram, the longer telegram.
// - BCD(0.01) and BCD(0.001) have the same length and end byte; only the third
//   byte tells them apart: [0 a5] in BCD(0.01), [a5 a6] in BCD(0.001). A third
//   byte with a non-zero high digit is BCD(0.001), and from then on every 7-byte
//   telegram of the stream is read as BCD(0.001); until one comes, they are read
//   as BCD(0.01). A forced format (--format) settles it.
// - The third byte of BCD(ADB) is [a5 0] from most mobiles and [a5 a6] from a
//   Mk 3; both are taken, and the variant is recorded.
class TelegramDecoder {
 public:
  // Looks for every format, or for `only` alone.
  explicit TelegramDecoder(std::optional<Format> only = std::nullopt);

  // The bytes that came at arrivalNs (a monotonic clock); returns what they complete.
  std::vector<DecoderEvent> feed(std::string_view bytes, std::int64_t arrivalNs);

  // Reports the bytes still waiting for an end byte as unplaced (at the end of the
  // stream, or after a pause no telegram has inside).
  std::vector<DecoderEvent> flush(std::int64_t arrivalNs);

  // Bytes waiting for an end byte or for their unplaced report.
  std::size_t pending() const { return pending_.size() + noise_.size(); }

 private:
  void endByte(std::int64_t arrivalNs, std::vector<DecoderEvent>& out);
  void trimPending(std::int64_t arrivalNs, std::vector<DecoderEvent>& out);
  void reportNoise(std::int64_t arrivalNs, std::vector<DecoderEvent>& out);
  bool wanted(Format f) const { return !only_ || *only_ == f; }

  std::optional<Format> only_;
  std::string pending_;
  std::string noise_;  // unplaced, not yet reported
  std::optional<Format> last_;
  bool seenBcd0001_ = false;
  std::optional<std::int64_t> lastArrivalNs_;
};

}  // namespace kestrom::tool
