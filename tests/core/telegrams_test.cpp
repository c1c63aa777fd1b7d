#include "setup/telegrams.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "setup/simulation_state.h"

namespace kestrom {
namespace {

using telegram::build;
using telegram::field;
using telegram::Input;

std::string bytes(std::vector<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

// In lock, range "00126" with jitter 34, fix azimuth 65.125, antenna bearing 12.5.
Input example(int type, const char* role = text::AsMob) {
  Input in;
  in.type = type;
  in.inLock = true;
  in.distance = 12634 / 100.0;
  in.fixAzimuth = 65.125;
  in.antennaBearing = 12.5;
  in.mobileUnitRole = role;
  return in;
}

TEST(Telegrams, WorkedExampleInAllSixFormats) {
  EXPECT_EQ(build(example(telegram::Ascii16)), "001263 24512 1\r\n");
  EXPECT_EQ(build(example(telegram::Ascii17)), "001263 245125 1\r\n");
  EXPECT_EQ(build(example(telegram::Ascii22)), "001263 0125 245125 1\r\n");
  EXPECT_EQ(build(example(telegram::Bcd001)), bytes({0x24, 0x51, 0x02, 0x00, 0x12, 0x06, 0xFF}));
  EXPECT_EQ(build(example(telegram::Bcd0001)), bytes({0x24, 0x51, 0x25, 0x00, 0x12, 0x06, 0xFF}));
  EXPECT_EQ(build(example(telegram::BcdAdb)),
            bytes({0x24, 0x51, 0x20, 0x25, 0x00, 0x12, 0x06, 0x01, 0x25, 0xFF}));
  EXPECT_EQ(build(example(telegram::BcdAdb, text::AsMk3M)),
            bytes({0x24, 0x51, 0x25, 0x25, 0x00, 0x12, 0x06, 0x01, 0x25, 0xFF}));
}

TEST(Telegrams, AzimuthIsTheReciprocalOfTheFixAzimuth) {
  Input in = example(telegram::Ascii17);
  in.fixAzimuth = 180;  // 360, not 0
  EXPECT_EQ(build(in), "001263 360000 1\r\n");
  in.fixAzimuth = 0;
  EXPECT_EQ(build(in), "001263 180000 1\r\n");
  in.fixAzimuth = 180.5;
  EXPECT_EQ(build(in), "001263 000500 1\r\n");
}

TEST(Telegrams, LargestDistanceFillsItsFields) {
  Input in = example(telegram::Ascii16);
  in.distance = 9999939 / 100.0;
  EXPECT_EQ(build(in).substr(0, 6), "999993");
  in.type = telegram::Bcd001;
  EXPECT_EQ(build(in).substr(3, 3), bytes({0x99, 0x99, 0x09}));
}

TEST(Telegrams, ProductsJustBelowAnIntegerTruncate) {
  // 0.29 * 100 and 4.35 * 100 land just below 29 and 435 in binary floating point.
  EXPECT_EQ(field(0.29, 100, 5), "00028");
  EXPECT_EQ(field(4.35, 100, 5), "00434");
  EXPECT_EQ(field(245.9999, 1, 5), "00245");  // truncated, not rounded
  Input in = example(telegram::Ascii16);
  in.fixAzimuth = 180.29;  // reported as 0.28999...
  EXPECT_EQ(build(in), "001263 00028 1\r\n");
}

TEST(Telegrams, OutOfLockAsciiSendsZerosAndBcdNothing) {
  for (int type : {1, 2, 3, 4, 5, 6}) {
    Input in = example(type);
    in.inLock = false;
    const std::string t = build(in);
    switch (type) {
      case telegram::Ascii16:
        EXPECT_EQ(t, "000000 00000 0\r\n");
        break;
      case telegram::Ascii17:
        EXPECT_EQ(t, "000000 000000 0\r\n");
        break;
      case telegram::Ascii22:
        EXPECT_EQ(t, "000000 0000 000000 0\r\n");
        break;
      default:
        EXPECT_EQ(t, "") << "type " << type;
    }
  }
  EXPECT_EQ(build(example(0)), "");
  EXPECT_EQ(build(example(7)), "");
}

TEST(Telegrams, ValuesOutsideTheFieldsAreClampedAndLengthsKept) {
  EXPECT_EQ(field(-3.5, 10, 4), "0000");
  EXPECT_EQ(field(std::nan(""), 10, 4), "0000");
  EXPECT_EQ(field(123456.7, 1, 5), "99999");
  EXPECT_EQ(field(1e300, 1000, 6), "999999");

  Input in = example(telegram::Ascii22);
  in.distance = 250000;
  in.antennaBearing = -12;
  in.fixAzimuth = 1500;
  EXPECT_EQ(build(in), "999999 0000 999999 1\r\n");
  in.type = telegram::BcdAdb;
  EXPECT_EQ(build(in).size(), 10u);
  in.type = telegram::Bcd001;
  EXPECT_EQ(build(in).size(), 7u);
}

}  // namespace
}  // namespace kestrom
