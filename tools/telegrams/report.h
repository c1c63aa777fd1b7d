#pragma once

#include <cstdint>
#include <string>

#include "telegrams/telegram_decoder.h"

namespace kestrom::tool {

// The lines decode prints, one for each decoder event, plain or JSON.
class Report {
 public:
  // Arrival times are on the monotonic clock; they are shown as the local time of
  // day, taking wallNs (nanoseconds since 1970) to be monotonicNs.
  Report(bool json, std::int64_t monotonicNs, std::int64_t wallNs);

  // The line, with its newline.
  std::string line(const DecoderEvent& event) const;

 private:
  std::string telegramLine(const DecodedTelegram& t) const;
  std::string unplacedLine(const UnplacedBytes& u) const;
  std::string time(std::int64_t arrivalNs) const;

  bool json_;
  std::int64_t wallMinusMonotonicNs_;
};

// The bytes in hexadecimal, "41 42 FF".
std::string hexBytes(const std::string& bytes);

}  // namespace kestrom::tool
