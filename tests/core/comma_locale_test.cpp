// Under a comma-decimal locale (German, Norwegian, Dutch users) every number the
// panels show, store and read is written and read with a point.

#include <gtest/gtest.h>

#include <string>

#include "core/number_format.h"
#include "setup/angles.h"
#include "setup/string_to_float.h"
#include "support/comma_locale.h"
#include "support/mobile_panel_test.h"

namespace kestrom {
namespace {

using testing::CommaDecimalLocaleTest;

TEST_F(CommaDecimalLocaleTest, NumbersAreWrittenAndReadWithAPoint) {
  EXPECT_EQ(fixed2(245.5L), "245.50");
  EXPECT_EQ(fixed2(126.345L), "126.35");
  EXPECT_EQ(generalFormat(245.5L), "245.5");
  EXPECT_DOUBLE_EQ(StringToFloatOr("126.34", -1), 126.34);
  EXPECT_DOUBLE_EQ(StringToFloatOr("123,456", -1), 123.456);
  EXPECT_DOUBLE_EQ(StringToFloatOr("1.234,5", -1), 0.012345);
  EXPECT_EQ(scanLimitDegrees("245.50"), 246);
}

class CommaDecimalMobile : public CommaDecimalLocaleTest {
 protected:
  testing::Rig rig;
  Tmobile& panel = rig.sim.mobilePanel();
  SimulationState& s = rig.state();
  void keys(const std::string& k) { testing::pressKeys(panel, k); }
};

TEST_F(CommaDecimalMobile, BearingSetpointTakesATypedDecimal) {
  s.AntennaDirection = s.AntennaBearing = 100;
  keys("M224");  // BEARING SETPOINT
  ASSERT_EQ(panel.MenuState, 15);
  keys("2425E");
  EXPECT_EQ(panel.cell(Cell::R4).Caption, "242.5");
  EXPECT_TRUE(rig.dialogs.shown.empty());
  EXPECT_EQ(s.ReferenceEntry, "242.5");
  EXPECT_EQ(panel.Tracking.Setpoint, 242.5L);
  EXPECT_TRUE(panel.Tracking.Timer1.Enabled());
}

TEST_F(CommaDecimalMobile, CapturedScanLimitIsStoredWithAPointAndScanned) {
  s.AntennaDirection = s.AntennaBearing = 245.5L;
  keys("M222");  // LEFT SCANLIMIT
  ASSERT_EQ(panel.MenuState, 12);
  keys("E");
  EXPECT_EQ(s.MobileScanLimitLeft, "245.50");
  s.AntennaDirection = s.AntennaBearing = 250.25L;
  keys("E");
  EXPECT_EQ(s.MobileScanLimitRight, "250.25");
  EXPECT_EQ(scanLimitDegrees(s.MobileScanLimitLeft), 246);
  EXPECT_EQ(scanLimitDegrees(s.MobileScanLimitRight), 250);
}

TEST_F(CommaDecimalMobile, LivePagesShowPoints) {
  s.AntennaDirection = 11.5L;
  keys("M221");  // ANTENNA BEARING
  ASSERT_EQ(panel.MenuState, 11);
  rig.advance(500);
  EXPECT_EQ(panel.cell(Cell::L3).Caption, std::string(16, ' ') + "11.50");
  keys("M224");  // BEARING SETPOINT shows the bearing in general format
  rig.advance(500);
  EXPECT_EQ(panel.cell(Cell::R3).Caption, "11.5");
}

}  // namespace
}  // namespace kestrom
