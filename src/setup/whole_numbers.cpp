#include "setup/whole_numbers.h"

#include <charconv>
#include <string_view>

#include "core/trim.h"

namespace kestrom {

bool readWholeNumber(const std::string& text, long& out) {
  std::string_view digits = trimSpaces(text);
  if (digits.empty()) return false;
  if (digits.front() == '+') digits.remove_prefix(1);
  const char* last = digits.data() + digits.size();
  long value = 0;
  auto [ptr, ec] = std::from_chars(digits.data(), last, value);
  if (ec != std::errc() || ptr != last) return false;
  out = value;
  return true;
}

}  // namespace kestrom
