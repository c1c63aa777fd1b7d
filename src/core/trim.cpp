#include "core/trim.h"

namespace kestrom {

namespace {

std::string_view trimmedOf(std::string_view text, std::string_view strip) {
  const std::size_t first = text.find_first_not_of(strip);
  if (first == std::string_view::npos) return text.substr(text.size());
  const std::size_t last = text.find_last_not_of(strip);
  return text.substr(first, last - first + 1);
}

}  // namespace

std::string_view trimSpaces(std::string_view text) {
  return trimmedOf(text, " ");
}

std::string_view trimBlanks(std::string_view text) {
  return trimmedOf(text, " \t\r\n");
}

}  // namespace kestrom
