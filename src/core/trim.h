#pragma once

#include <string_view>

namespace kestrom {

// A text without what surrounds it, as a view into the same characters.

// Spaces only: the panels and the setup window pad their texts with spaces, and a
// tab or a line end in such a text is no padding ("  24 " -> "24", "\t24" stays).
std::string_view trimSpaces(std::string_view text);

// Spaces, tabs, carriage returns and line feeds, the blanks a number typed or
// pasted may carry (" 12,5\r\n" -> "12,5").
std::string_view trimBlanks(std::string_view text);

}  // namespace kestrom
