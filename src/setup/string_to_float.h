#pragma once

#include <optional>
#include <string_view>

namespace kestrom {

// Converts a panel or setup text to a number. The comma is the decimal separator
// of these texts: it is removed and the digits after it scale the value down
// ("123,456" is 123.456). When a comma and a point both occur, the point is
// removed too and the characters after it scale the value down once more. A text
// with a point only converts as written ("126.34"), and digits alone convert to
// their whole value. Surrounding blanks are ignored. The conversion never depends
// on the machine's locale.
//
// Returns nothing when the text is not a number (empty, letters, a second comma,
// infinity...), so that the caller can say so and store nothing.
std::optional<double> StringToFloat(std::string_view text);

// The same conversion for readers that must go on regardless (timer ticks): a text
// that is not a number gives `fallback`. Never throws.
double StringToFloatOr(std::string_view text, double fallback = 0.0);

}  // namespace kestrom
