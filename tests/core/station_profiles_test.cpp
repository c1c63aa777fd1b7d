#include "panels/mobile/station_profiles.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

SimulationState fresh() {
  SimulationState s;
  s.resetFlagsAndCycles();
  s.resetTexts("12:00:00");
  return s;
}

TEST(StationProfiles, Code111IsTheMk4VersionOfStation11) {
  SimulationState s = fresh();
  ASSERT_TRUE(applyStationProfile(s, 111));
  EXPECT_EQ(s.MobileAddrSent, "11");
  EXPECT_EQ(s.MobileMk3Addr, "B    B    ");
  EXPECT_EQ(s.MobileUnitRole, text::AsMob);
  EXPECT_EQ(s.MobileMk3FreqOffset, "- 30 MHZ");
  EXPECT_EQ(s.CounterMk3FreqOffset, "+ 30 MHZ");
  EXPECT_EQ(s.MobileFreqPairText, "      2: 9230 - 9200");
  EXPECT_EQ(s.MobileFreq, "9230");
  EXPECT_EQ(s.MobileMk3FreqText, "9230    (MK4)");
  EXPECT_EQ(s.MobileStationAddrText, "B  B     (11)");
  EXPECT_EQ(s.MobileStatusLine, "STAT: M / 2 / 11 / HS / 9");
  EXPECT_STREQ(stationGainMode(111), text::Automatic);
}

TEST(StationProfiles, SingleDigitCodesAndTheirOddPairTexts) {
  SimulationState s = fresh();
  ASSERT_TRUE(applyStationProfile(s, 4));
  EXPECT_EQ(s.MobileFreqPairText, "      3: 9270 - 9300");
  EXPECT_EQ(s.MobileStationAddrText, "4  4     ( 4)");
  EXPECT_EQ(s.MobileStatusLine, "STAT: M / 3 /  4 / HS / 9");
  EXPECT_EQ(s.MobileUnitRole, text::AsMk3M);
  EXPECT_EQ(s.MobileMk3FreqText, "9270    (MK3)");
  ASSERT_TRUE(applyStationProfile(s, 7));
  EXPECT_EQ(s.MobileFreqPairText, "     3: 9270 - 9300");
  ASSERT_TRUE(applyStationProfile(s, 107));
  EXPECT_EQ(s.MobileUnitRole, text::AsMob);
  EXPECT_EQ(s.MobileMk3FreqText, "9270    (MK4)");
  EXPECT_EQ(s.MobileMk3FreqOffset, "+ 30 MHZ");
}

TEST(StationProfiles, Station31KeepsItsOwnFrequency) {
  SimulationState s = fresh();
  ASSERT_TRUE(applyStationProfile(s, 31));
  EXPECT_EQ(s.MobileFreqPairText, "      0: 9200 - 9230");
  EXPECT_EQ(s.MobileFreq, "9230");
  EXPECT_EQ(s.MobileStationAddrText, "F  F     (31)");
}

TEST(StationProfiles, CodesWithoutProfileChangeNothing) {
  for (int code : {15, 25, 27, 99, 115, 127, 132, -1}) {
    SimulationState s = fresh();
    EXPECT_FALSE(applyStationProfile(s, code)) << code;
    EXPECT_EQ(s.MobileStatusLine, "STAT: M / 3 / 24 / HS / 9");
  }
}

TEST(StationProfiles, GainModeByCode) {
  for (int code : {0, 10, 12, 13, 26, 27, 31, 100, 110, 112, 126, 127, 131})
    EXPECT_STREQ(stationGainMode(code), text::Manual) << code;
  for (int code : {11, 14, 111, 114}) EXPECT_STREQ(stationGainMode(code), text::Automatic);
  for (int code : {15, 25, 32, 99, 115, 125, 132})
    EXPECT_EQ(stationGainMode(code), nullptr) << code;
}

}  // namespace
}  // namespace kestrom
