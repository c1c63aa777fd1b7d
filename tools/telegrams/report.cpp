#include "telegrams/report.h"

#include <ctime>

#include "telegrams/decimal.h"

namespace kestrom::tool {

namespace {

// Nanoseconds as milliseconds with one decimal, rounded.
std::string milliseconds(std::int64_t ns) {
  return fixedText((ns + 50'000) / 100'000, 1);
}

std::string twoDigits(int n) {
  return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

}  // namespace

std::string hexBytes(const std::string& bytes) {
  constexpr const char* kHex = "0123456789ABCDEF";
  std::string out;
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (!out.empty()) out += ' ';
    out += kHex[b >> 4];
    out += kHex[b & 0x0F];
  }
  return out;
}

Report::Report(bool json, std::int64_t monotonicNs, std::int64_t wallNs)
    : json_(json), wallMinusMonotonicNs_(wallNs - monotonicNs) {}

std::string Report::line(const DecoderEvent& event) const {
  if (const auto* t = std::get_if<DecodedTelegram>(&event)) return telegramLine(*t);
  return unplacedLine(std::get<UnplacedBytes>(event));
}

std::string Report::time(std::int64_t arrivalNs) const {
  const std::int64_t wall = arrivalNs + wallMinusMonotonicNs_;
  const std::time_t seconds = static_cast<std::time_t>(wall / 1'000'000'000);
  const auto millis = static_cast<int>(wall / 1'000'000 % 1000);
  std::tm local{};
  localtime_r(&seconds, &local);
  std::string text = twoDigits(local.tm_hour) + ":" + twoDigits(local.tm_min) + ":" +
                     twoDigits(local.tm_sec) + "." + std::to_string(1000 + millis).substr(1);
  if (!json_) return text;
  return std::to_string(local.tm_year + 1900) + "-" + twoDigits(local.tm_mon + 1) + "-" +
         twoDigits(local.tm_mday) + "T" + text;
}

std::string Report::telegramLine(const DecodedTelegram& t) const {
  const auto text = [](const FieldValue& v) { return fixedText(v.units, v.decimals); };
  std::string out;
  if (json_) {
    out = "{\"time\":\"" + time(t.arrivalNs) + "\",\"format\":\"" + std::string(name(t.format)) +
          "\",\"lock\":" + (t.inLock ? "true" : "false") + ",\"distance_m\":" + text(t.distance) +
          ",\"azimuth_deg\":" + text(t.azimuth);
    if (t.bearing) out += ",\"bearing_deg\":" + text(*t.bearing);
    if (t.mk3Variant) out += ",\"mk3\":true";
    out += ",\"interval_ms\":" + (t.intervalNs ? milliseconds(*t.intervalNs) : "null");
    out += ",\"bytes\":\"" + hexBytes(t.bytes) + "\"}\n";
    return out;
  }
  out = time(t.arrivalNs) + " " + std::string(name(t.format)) +
        " lock=" + (t.inLock ? "yes" : "no") + " distance=" + text(t.distance) +
        " azimuth=" + text(t.azimuth);
  if (t.bearing) out += " bearing=" + text(*t.bearing);
  if (t.mk3Variant) out += " mk3";
  out += " interval=" + (t.intervalNs ? milliseconds(*t.intervalNs) + "ms" : "-");
  return out + "\n";
}

std::string Report::unplacedLine(const UnplacedBytes& u) const {
  const std::string count = std::to_string(u.bytes.size());
  if (json_) {
    return "{\"time\":\"" + time(u.arrivalNs) + "\",\"unplaced\":" + count + ",\"bytes\":\"" +
           hexBytes(u.bytes) + "\"}\n";
  }
  return time(u.arrivalNs) + " unplaced " + count + (u.bytes.size() == 1 ? " byte: " : " bytes: ") +
         hexBytes(u.bytes) + "\n";
}

}  // namespace kestrom::tool
