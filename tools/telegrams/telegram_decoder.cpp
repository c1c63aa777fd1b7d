#include "telegrams/telegram_decoder.h"

#include <array>

namespace kestrom::tool {

namespace {

// The longest telegram (ascii22) less its end byte: more bytes than this waiting
// for an end byte cannot all belong to one telegram.
constexpr std::size_t kMostPending = 21;
// Unplaced bytes are reported in runs of at most this many.
constexpr std::size_t kUnplacedRun = 64;
constexpr unsigned char kBcdEnd = 0xFF;

// The ASCII layouts: 'd' a digit, 'l' the lock digit (0 or 1), anything else itself.
struct AsciiLayout {
  Format format;
  std::string_view layout;
};
constexpr std::array<AsciiLayout, 3> kAscii = {{
    {Format::Ascii16, "dddddd ddddd l\r\n"},
    {Format::Ascii17, "dddddd dddddd l\r\n"},
    {Format::Ascii22, "dddddd dddd dddddd l\r\n"},
}};
constexpr std::size_t kBcdShort = 7;
constexpr std::size_t kBcdAdb = 10;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool fits(std::string_view bytes, std::string_view layout) {
  if (bytes.size() != layout.size()) return false;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char want = layout[i];
    const char c = bytes[i];
    if (want == 'd' ? !isDigit(c) : want == 'l' ? (c != '0' && c != '1') : c != want) return false;
  }
  return true;
}

std::int64_t digitsAt(std::string_view bytes, std::size_t from, std::size_t count) {
  std::int64_t n = 0;
  for (std::size_t i = from; i < from + count; ++i) n = n * 10 + (bytes[i] - '0');
  return n;
}

unsigned high(char b) {
  return static_cast<unsigned char>(b) >> 4;
}
unsigned low(char b) {
  return static_cast<unsigned char>(b) & 0x0F;
}
bool isBcd(char b) {
  return high(b) <= 9 && low(b) <= 9;
}

// The bytes, all but the last (FF), packed decimal digits.
bool allBcd(std::string_view bytes) {
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
    if (!isBcd(bytes[i])) return false;
  }
  return static_cast<unsigned char>(bytes.back()) == kBcdEnd;
}

// Appends the two digits of a packed byte to a number.
std::int64_t withByte(std::int64_t n, char b) {
  return n * 100 + static_cast<std::int64_t>(high(b) * 10 + low(b));
}

bool shortBcdFits(std::string_view b) {
  return b.size() == kBcdShort && allBcd(b) && high(b[5]) == 0;
}

bool adbFits(std::string_view b) {
  return b.size() == kBcdAdb && allBcd(b) && high(b[6]) == 0 && high(b[2]) == high(b[3]) &&
         (low(b[2]) == 0 || low(b[2]) == low(b[3]));
}

DecodedTelegram ascii(Format f, std::string_view b) {
  DecodedTelegram t;
  t.format = f;
  t.inLock = b[b.size() - 3] == '1';
  t.distance = {digitsAt(b, 0, 6), 1};
  if (f == Format::Ascii16) {
    t.azimuth = {digitsAt(b, 7, 5), 2};
  } else if (f == Format::Ascii17) {
    t.azimuth = {digitsAt(b, 7, 6), 3};
  } else {
    t.bearing = FieldValue{digitsAt(b, 7, 4), 1};
    t.azimuth = {digitsAt(b, 12, 6), 3};
  }
  return t;
}

std::int64_t bcdDistance(std::string_view b, std::size_t from) {
  return withByte(withByte(0, b[from]), b[from + 1]) * 10 + low(b[from + 2]);
}

DecodedTelegram shortBcd(Format f, std::string_view b) {
  DecodedTelegram t;
  t.format = f;
  const std::int64_t first = withByte(withByte(0, b[0]), b[1]);
  t.azimuth = f == Format::Bcd001 ? FieldValue{first * 10 + low(b[2]), 2}
                                  : FieldValue{withByte(first, b[2]), 3};
  t.distance = {bcdDistance(b, 3), 0};
  return t;
}

DecodedTelegram adb(std::string_view b) {
  DecodedTelegram t;
  t.format = Format::BcdAdb;
  t.azimuth = {withByte(withByte(withByte(0, b[0]), b[1]), b[3]), 3};
  t.distance = {bcdDistance(b, 4), 0};
  t.bearing = FieldValue{withByte(withByte(0, b[7]), b[8]), 1};
  t.mk3Variant = low(b[2]) != 0;
  return t;
}

// A telegram's angles are on the circle: the simulator reports azimuths up to 360
// (the reciprocal of a fix azimuth of 180) and bearings below 360, and the sender
// takes 360 for either. The fields hold up to 999.999, which only a damaged or
// misframed telegram carries.
bool onTheCircle(const DecodedTelegram& t) {
  const auto within = [](const FieldValue& v) {
    std::int64_t full = 360;
    for (int i = 0; i < v.decimals; ++i) full *= 10;
    return v.units >= 0 && v.units <= full;
  };
  return within(t.azimuth) && (!t.bearing || within(*t.bearing));
}

bool isShortBcd(Format f) {
  return f == Format::Bcd001 || f == Format::Bcd0001;
}

}  // namespace

double FieldValue::value() const {
  double scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  return static_cast<double>(units) / scale;
}

TelegramDecoder::TelegramDecoder(std::optional<Format> only) : only_(only) {}

std::vector<DecoderEvent> TelegramDecoder::feed(std::string_view bytes, std::int64_t arrivalNs) {
  std::vector<DecoderEvent> out;
  for (char c : bytes) {
    pending_ += c;
    if (c == '\n' || static_cast<unsigned char>(c) == kBcdEnd) {
      endByte(arrivalNs, out);
    } else {
      trimPending(arrivalNs, out);
    }
  }
  return out;
}

std::vector<DecoderEvent> TelegramDecoder::flush(std::int64_t arrivalNs) {
  std::vector<DecoderEvent> out;
  noise_ += pending_;
  pending_.clear();
  reportNoise(arrivalNs, out);
  return out;
}

void TelegramDecoder::trimPending(std::int64_t arrivalNs, std::vector<DecoderEvent>& out) {
  if (pending_.size() <= kMostPending) return;
  noise_ += pending_.front();
  pending_.erase(0, 1);
  if (noise_.size() >= kUnplacedRun) reportNoise(arrivalNs, out);
}

void TelegramDecoder::reportNoise(std::int64_t arrivalNs, std::vector<DecoderEvent>& out) {
  if (noise_.empty()) return;
  out.emplace_back(UnplacedBytes{noise_, arrivalNs});
  noise_.clear();
}

void TelegramDecoder::endByte(std::int64_t arrivalNs, std::vector<DecoderEvent>& out) {
  const std::string_view all = pending_;
  const auto tail = [&](std::size_t n) {
    return all.size() >= n ? all.substr(all.size() - n) : std::string_view();
  };

  // The telegrams the bytes before this end byte can be, in order of preference.
  std::optional<DecodedTelegram> best;
  int bestRank = -1;
  const auto offer = [&](DecodedTelegram t) {
    if (!onTheCircle(t)) return;
    const bool whole = noise_.empty() && t.bytes.size() == all.size();
    const bool sameAsLast =
        last_ && (*last_ == t.format || (isShortBcd(*last_) && isShortBcd(t.format)));
    const int rank = (whole ? 4 : 0) + (sameAsLast ? 2 : 0) + (t.bytes.size() == kBcdAdb ? 1 : 0);
    if (rank > bestRank) {
      bestRank = rank;
      best = std::move(t);
    }
  };

  if (all.back() == '\n') {
    for (const AsciiLayout& a : kAscii) {
      const std::string_view b = tail(a.layout.size());
      if (wanted(a.format) && fits(b, a.layout)) {
        DecodedTelegram t = ascii(a.format, b);
        t.bytes = b;
        offer(std::move(t));
      }
    }
  } else {
    const std::string_view s = tail(kBcdShort);
    if (shortBcdFits(s)) {
      // The third byte's high digit is 0 in BCD(0.01); see the class comment.
      const bool only0001 = high(s[2]) != 0;
      Format f = only0001 || seenBcd0001_ ? Format::Bcd0001 : Format::Bcd001;
      if (only_ && isShortBcd(*only_)) f = *only_;
      if (wanted(f) && !(f == Format::Bcd001 && only0001)) {
        DecodedTelegram t = shortBcd(f, s);
        t.bytes = s;
        offer(std::move(t));
      }
    }
    const std::string_view a = tail(kBcdAdb);
    if (wanted(Format::BcdAdb) && adbFits(a)) {
      DecodedTelegram t = adb(a);
      t.bytes = a;
      offer(std::move(t));
    }
  }

  if (!best) {
    noise_ += pending_;
    pending_.clear();
    if (noise_.size() >= kUnplacedRun) reportNoise(arrivalNs, out);
    return;
  }
  noise_ += all.substr(0, all.size() - best->bytes.size());
  reportNoise(arrivalNs, out);
  if (best->format == Format::Bcd0001 && high(best->bytes[2]) != 0) seenBcd0001_ = true;
  best->arrivalNs = arrivalNs;
  if (lastArrivalNs_) best->intervalNs = arrivalNs - *lastArrivalNs_;
  lastArrivalNs_ = arrivalNs;
  last_ = best->format;
  out.emplace_back(std::move(*best));
  pending_.clear();
}

}  // namespace kestrom::tool
