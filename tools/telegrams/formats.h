#pragma once

#include <optional>
#include <string_view>

namespace kestrom::tool {

// The six telegram formats, in the order of the simulator's telegram list.
enum class Format { Ascii16, Ascii17, Ascii22, Bcd001, Bcd0001, BcdAdb };
inline constexpr Format kFormats[] = {Format::Ascii16, Format::Ascii17, Format::Ascii22,
                                      Format::Bcd001,  Format::Bcd0001, Format::BcdAdb};

// The name the tool prints and takes: "ascii16", "ascii17", "ascii22", "bcd0.01",
// "bcd0.001", "bcdadb".
std::string_view name(Format f);

// A format from its name; also takes the simulator's list texts ("BCD(0.01)",
// "ASCII 16"), case and spaces aside. Nothing for any other text.
std::optional<Format> formatNamed(std::string_view text);

// The value of telegram::Type for the format.
int telegramType(Format f);

// The names, for messages: "ascii16, ascii17, ...".
std::string_view formatNames();

}  // namespace kestrom::tool
