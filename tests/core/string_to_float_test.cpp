#include "setup/string_to_float.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrom {
namespace {

TEST(StringToFloat, DigitsPointAndCommaConvertToTheirValue) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"12634", 12634},       // digits alone: the whole value
      {"00126", 126},         // range digits with leading zeros
      {"126.34", 126.34},     // point only: converted as written
      {"123,456", 123.456},   // the comma is the decimal separator
      {"0,5", 0.5},           //
      {"-12,5", -12.5},       // sign before a comma value
      {"+7", 7},              //
      {"           0.0", 0},  // a panel text with its leading blanks
      {"  359,9  ", 359.9},   // blanks around do not count as decimals
      {"1.234,5", 0.012345},  // both: the point goes too and its digits scale once more
      {"12,", 12},            // nothing after the comma
      {".5", 0.5},
  };
  for (const Case& c : cases) {
    auto v = StringToFloat(c.text);
    ASSERT_TRUE(v.has_value()) << '"' << c.text << '"';
    EXPECT_DOUBLE_EQ(*v, c.value) << '"' << c.text << '"';
  }
}

TEST(StringToFloat, TextsThatAreNotNumbersGiveNothing) {
  for (const char* text : {"", "   ", ",", ".", "abc", "12a", "1,2,3", "1 2", "--1", "inf", "nan",
                           "0x10", "1e999", "12.3.4"}) {
    EXPECT_FALSE(StringToFloat(text).has_value()) << '"' << text << '"';
    EXPECT_EQ(StringToFloatOr(text, -1.0), -1.0) << '"' << text << '"';
  }
  EXPECT_EQ(StringToFloatOr("12,5"), 12.5);
  EXPECT_EQ(StringToFloatOr("x"), 0.0);
}

}  // namespace
}  // namespace kestrom
