#include "core/trim.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

// Padded panel texts lose their spaces and nothing else; typed numbers lose every
// blank around them. Both keep what lies between.
TEST(Trim, SpacesOnlyOrEveryBlankAtEitherEnd) {
  struct Case {
    const char* text;
    const char* spaces;
    const char* blanks;
  };
  const Case cases[] = {
      {"  24 ", "24", "24"},
      {"STOP : 1    ", "STOP : 1", "STOP : 1"},
      {"1 2", "1 2", "1 2"},
      {"", "", ""},
      {"    ", "", ""},
      {"\t24", "\t24", "24"},
      {" 12,5\r\n", "12,5\r\n", "12,5"},
      {"\n \r\t", "\n \r\t", ""},
      {"\v7\f", "\v7\f", "\v7\f"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(trimSpaces(c.text), c.spaces) << '"' << c.text << '"';
    EXPECT_EQ(trimBlanks(c.text), c.blanks) << '"' << c.text << '"';
  }
}

}  // namespace
}  // namespace kestrom
