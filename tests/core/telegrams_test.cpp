#include "setup/telegrams.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "setup/setup_window.h"
#include "setup/simulation_state.h"
#include "testing/fakes.h"

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
  in.distance = 12634 / 100.0L;
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
  in.distance = 9999939 / 100.0L;
  EXPECT_EQ(build(in).substr(0, 6), "999993");
  in.type = telegram::Bcd001;
  EXPECT_EQ(build(in).substr(3, 3), bytes({0x99, 0x99, 0x09}));
}

TEST(Telegrams, ProductsJustBelowAnIntegerTruncate) {
  // In extended precision 0.29 * 100 and 4.35 * 100 land on their integers, while
  // 64.02 + 180 (as the sector draw builds it) lands just below 24402.
  EXPECT_EQ(field(0.29L, 100, 5), "00029");
  EXPECT_EQ(field(4.35L, 100, 5), "00435");
  EXPECT_EQ(field(245.9999L, 1, 5), "00245");  // truncated, not rounded
  Input in = example(telegram::Ascii16);
  in.fixAzimuth = 180.29L;  // reported as 0.28999...
  EXPECT_EQ(build(in), "001263 00028 1\r\n");
  in.fixAzimuth = 64 + 2 / 100.0L;
  EXPECT_EQ(build(in), "001263 24401 1\r\n");
  in.type = telegram::Ascii17;
  in.fixAzimuth = 16 + 8 / 100.0L;
  EXPECT_EQ(build(in), "001263 196080 1\r\n");
}

// The azimuth a reset draws (whole degrees, then hundredths divided in extended
// precision) reaches the telegram field exactly as the same formula computes it in
// extended precision: about a quarter of these draws differ in the last digit when
// any step is taken in double.
TEST(Telegrams, SectorDrawsReachTheFieldsInExtendedPrecision) {
  testing::Rig rig;
  Tmenumain& setup = rig.sim.setupWindow();
  int differingInDouble = 0;
  for (int sector = 1; sector <= 4; ++sector) {
    setup.ComboBox1.ItemIndex = sector - 1;
    for (int draw = 0; draw < 99; ++draw) {
      const int first = (draw * 7) % (sector == 4 ? 80 : 81);
      const int second = draw % 9;
      const int hundredths = draw;
      rig.random.script({first, second, hundredths});
      setup.ResetParameters1Click();
      const Extended expected = 90 * (sector - 1) + first + second + hundredths / 100.0L;
      ASSERT_EQ(rig.state().FixAzimuth, expected);
      const Extended a = expected > 180 ? expected - 180 : expected + 180;
      Input in = example(telegram::Ascii16);
      in.fixAzimuth = rig.state().FixAzimuth;
      const std::string ascii16 = build(in);
      EXPECT_EQ(ascii16.substr(7, 5), std::to_string(100000 + static_cast<long>(a * 100)).substr(1))
          << "fix azimuth " << static_cast<double>(expected);
      in.type = telegram::Ascii17;
      EXPECT_EQ(build(in).substr(7, 6),
                std::to_string(1000000 + static_cast<long>(a * 1000)).substr(1));
      const double d = 90.0 * (sector - 1) + first + second + hundredths / 100.0;
      const double ad = d > 180 ? d - 180 : d + 180;
      if (static_cast<long>(ad * 100) != static_cast<long>(a * 100)) ++differingInDouble;
    }
  }
  EXPECT_GT(differingInDouble, 20);  // the draws do probe the last digit
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
