#pragma once

#include <optional>
#include <string_view>

#include "setup/telegrams.h"

namespace kestrom::tool {

// A format the tool sends or decodes is one of the simulator's telegram types.
using Format = telegram::Type;
// The six, in the order of the simulator's telegram list.
inline constexpr Format kFormats[] = {telegram::Ascii16, telegram::Ascii17, telegram::Ascii22,
                                      telegram::Bcd001,  telegram::Bcd0001, telegram::BcdAdb};

// The name the tool prints and takes: "ascii16", "ascii17", "ascii22", "bcd0.01",
// "bcd0.001", "bcdadb" ("?" for a value that is no telegram type).
std::string_view name(Format f);

// A format from its name; also takes the simulator's list texts ("BCD(0.01)",
// "ASCII 16"), case and spaces aside. Nothing for any other text.
std::optional<Format> formatNamed(std::string_view text);

// The names, for messages: "ascii16, ascii17, ...".
std::string_view formatNames();

}  // namespace kestrom::tool
