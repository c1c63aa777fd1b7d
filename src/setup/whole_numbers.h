#pragma once

#include <string>

namespace kestrom {

// Whole number read from a setting text such as "9270", " 24" or "+5": spaces
// around and a plus sign are allowed. False, with `out` as it was, when the text is
// not a whole number.
bool readWholeNumber(const std::string& text, long& out);

}  // namespace kestrom
