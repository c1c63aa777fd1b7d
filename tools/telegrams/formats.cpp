#include "telegrams/formats.h"

#include <string>

#include "setup/telegrams.h"

namespace kestrom::tool {

namespace {

struct Names {
  Format format;
  std::string_view name;
  std::string_view listText;  // lower case, without spaces
};

constexpr Names kNames[] = {
    {Format::Ascii16, "ascii16", "ascii16"},     {Format::Ascii17, "ascii17", "ascii17"},
    {Format::Ascii22, "ascii22", "ascii22"},     {Format::Bcd001, "bcd0.01", "bcd(0.01)"},
    {Format::Bcd0001, "bcd0.001", "bcd(0.001)"}, {Format::BcdAdb, "bcdadb", "bcd(adb)"},
};

}  // namespace

std::string_view name(Format f) {
  for (const Names& n : kNames) {
    if (n.format == f) return n.name;
  }
  return "?";
}

std::optional<Format> formatNamed(std::string_view text) {
  std::string folded;
  for (char c : text) {
    if (c == ' ') continue;
    folded += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  for (const Names& n : kNames) {
    if (folded == n.name || folded == n.listText) return n.format;
  }
  return std::nullopt;
}

int telegramType(Format f) {
  switch (f) {
    case Format::Ascii16:
      return telegram::Ascii16;
    case Format::Ascii17:
      return telegram::Ascii17;
    case Format::Ascii22:
      return telegram::Ascii22;
    case Format::Bcd001:
      return telegram::Bcd001;
    case Format::Bcd0001:
      return telegram::Bcd0001;
    case Format::BcdAdb:
      return telegram::BcdAdb;
  }
  return 0;
}

std::string_view formatNames() {
  return "ascii16, ascii17, ascii22, bcd0.01, bcd0.001, bcdadb";
}

}  // namespace kestrom::tool
