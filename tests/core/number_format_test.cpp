#include "core/number_format.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

TEST(NumberFormat, FixedWithTwoDecimalsRoundsHalvesAwayFromZero) {
  EXPECT_EQ(fixed2(245.5), "245.50");
  EXPECT_EQ(fixed2(245.125), "245.13");
  EXPECT_EQ(fixed2(126.34), "126.34");
  EXPECT_EQ(fixed2(0), "0.00");
  EXPECT_EQ(fixed2(-0.001), "0.00");
  EXPECT_EQ(fixed2(-12.345), "-12.35");
  EXPECT_EQ(fixed2(359.999), "360.00");
  EXPECT_EQ(fixed2(123456.789), "123456.80");  // seven significant digits
}

TEST(NumberFormat, FixedWithThreeDecimals) {
  EXPECT_EQ(fixed3(179.992L), "179.992");
  EXPECT_EQ(fixed3(359.992L - 180), "179.992");
  EXPECT_EQ(fixed3(12.3455L), "12.346");
  EXPECT_EQ(fixed3(0.5), "0.500");
  EXPECT_EQ(fixed3(359.9996L), "360.000");
  EXPECT_EQ(fixed3(-0.0001L), "0.000");
}

TEST(NumberFormat, GeneralFormatIsShortest) {
  EXPECT_EQ(generalFormat(245.5), "245.5");
  EXPECT_EQ(generalFormat(12.0), "12");
  EXPECT_EQ(generalFormat(0.1 + 0.2), "0.3");
}

}  // namespace
}  // namespace kestrom
