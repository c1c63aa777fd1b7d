#include "setup/link_evaluation.h"

#include <gtest/gtest.h>

#include "setup/angles.h"

namespace kestrom {
namespace {

SimulationState linkedState() {
  SimulationState s;
  s.resetFlagsAndCycles();
  s.resetTexts("12:00:00");
  return s;
}

TEST(LinkEvaluation, ResetStationsLinkAtEveryLevelButExpertNeedsTheOffset) {
  SimulationState s = linkedState();
  EXPECT_TRUE(evaluateLink(s, 1, 126.3).linked());
  // 9270 + 30 = 9300 with the mobile's "+ 30 MHZ": Expert agrees too.
  EXPECT_TRUE(evaluateLink(s, 3, 126.3).linked());
  s.MobileFreq = "9200";
  EXPECT_TRUE(evaluateLink(s, 2, 126.3).linked());
  LinkConditions expert = evaluateLink(s, 3, 126.3);
  EXPECT_EQ(expert.FrequencyMatch, 0);
  EXPECT_FALSE(expert.FrequencyBox);
  s.MobileFreq = "9330";
  s.MobileMk3FreqOffset = text::MinusOffset;
  EXPECT_EQ(evaluateLink(s, 3, 126.3).FrequencyMatch, 1);
  // Beginner ignores the frequencies but the config box still shows the spacing test.
  s.MobileFreq = "junk";
  LinkConditions beginner = evaluateLink(s, 1, 126.3);
  EXPECT_EQ(beginner.FrequencyMatch, 1);
  EXPECT_FALSE(beginner.FrequencyBox);
}

TEST(LinkEvaluation, AddressCodes62And63MatchAnything) {
  SimulationState s = linkedState();
  s.MobileAddrSent = "5";
  s.MobileMk3Addr = "5    5    ";
  EXPECT_EQ(evaluateLink(s, 1, 100).AddressMatch, 0);
  s.CounterAddrSent = "62";
  EXPECT_EQ(evaluateLink(s, 1, 100).AddressMatch, 1);
  s.CounterAddrSent = "24";
  s.MobileAddrSent = "63";
  EXPECT_EQ(evaluateLink(s, 1, 100).AddressMatch, 1);
  s.MobileAddrSent = "7";
  s.CounterMk3Addr = "5    5    ";
  EXPECT_EQ(evaluateLink(s, 1, 100).AddressMatch, 1);
}

TEST(LinkEvaluation, StationTypesFitTheCounterStationKind) {
  struct Case {
    int kind;
    const char* mobile;
    const char* counter;
    int fits;
  };
  const Case cases[] = {
      {0, text::AsMob, text::AsFix, 1},     {0, text::AsMk3M, text::AsFix, 1},
      {0, text::AsFix, text::AsFix, 0},     {1, text::AsMk3M, text::AsMk3F, 1},
      {1, text::AsMob, text::AsMk3F, 0},    {2, text::AsMob, text::AsBeacon, 1},
      {2, text::AsMk3M, text::AsBeacon, 0}, {3, text::AsMk3M, text::AsBcn3, 1},
      {3, text::AsMob, text::AsBcn3, 0},    {7, text::AsMob, text::AsFix, 0},
  };
  for (const Case& c : cases) {
    SimulationState s = linkedState();
    s.CounterStationKind = static_cast<CounterKind>(c.kind);
    s.MobileUnitRole = c.mobile;
    s.CounterUnitRole = c.counter;
    EXPECT_EQ(evaluateLink(s, 1, 100).StationTypeMatch, c.fits) << c.kind << c.mobile;
  }
}

TEST(LinkEvaluation, StandByOnEitherStationBreaksTheLink) {
  SimulationState s = linkedState();
  s.CounterOperatingMode = text::StandBy;
  EXPECT_FALSE(evaluateLink(s, 1, 100).linked());
  EXPECT_EQ(evaluateLink(s, 1, 100).StandbyMatch, 0);
}

TEST(LinkEvaluation, ManualRangeMustFitTheDistanceAndAutomaticAlwaysFits) {
  SimulationState s = linkedState();
  s.MobileGainMode = text::Manual;
  s.CounterGainMode = text::Automatic;
  s.MobileXmitRange = text::Long;
  EXPECT_EQ(evaluateLink(s, 1, 400.0).RangeModeMatch, 0);
  EXPECT_EQ(evaluateLink(s, 1, 400.3).RangeModeMatch, 1);
  s.MobileXmitRange = text::Short;
  EXPECT_EQ(evaluateLink(s, 1, 400.0).RangeModeMatch, 1);
  // The counter station's manual range decides when it is manual too.
  s.CounterGainMode = text::Manual;
  s.CounterXmitRange = text::Long;
  EXPECT_EQ(evaluateLink(s, 1, 150).RangeModeMatch, 0);
  // Neither gain mode readable: the old verdict stands.
  s.MobileGainMode = s.CounterGainMode = "odd";
  s.RangeModeMatch = 1;
  EXPECT_EQ(evaluateLink(s, 1, 150).RangeModeMatch, 1);
}

TEST(LinkEvaluation, AutomaticGainSetsRangesAndPowersAtTheMobileThresholds) {
  SimulationState s = linkedState();
  EXPECT_TRUE(applyAutomaticGain(s, 150));
  EXPECT_EQ(s.MobileXmitRange, text::Short);
  EXPECT_EQ(s.CounterXmitRange, text::Short);
  EXPECT_EQ(s.MobileXmitPower, text::Reduced);
  EXPECT_EQ(s.CounterXmitPower, text::Reduced);
  EXPECT_EQ(s.MobileStatusLine2, "   -2  8>R    9>S");
  EXPECT_EQ(s.FixStatusLine2, "   -2  8>R    9>S");
  applyAutomaticGain(s, 900);
  EXPECT_EQ(s.MobileXmitRange, text::Long);
  EXPECT_EQ(s.MobileXmitPower, text::Normal);
  EXPECT_EQ(s.FixStatusLine2, "   -2  8>N    9>L");
  s.CounterGainMode = text::Manual;
  EXPECT_FALSE(applyAutomaticGain(s, 150));
  EXPECT_EQ(s.MobileXmitRange, text::Long);
}

TEST(LinkEvaluation, AlignmentIsADirectionDifference) {
  EXPECT_NEAR(directionDifference(10.0, 10.3), -0.3, 1e-9);
  EXPECT_NEAR(directionDifference(10.0, 9.7), 0.3, 1e-9);
  EXPECT_NEAR(directionDifference(359.9, 0.1), -0.2, 1e-9);
  EXPECT_NEAR(directionDifference(0.1, 359.9), 0.2, 1e-9);
  EXPECT_NEAR(directionDifference(90, 270), -180, 1e-9);
  EXPECT_DOUBLE_EQ(reciprocalAzimuth(180), 360);
  EXPECT_DOUBLE_EQ(reciprocalAzimuth(0), 180);
  EXPECT_DOUBLE_EQ(reciprocalAzimuth(200), 20);
}

}  // namespace
}  // namespace kestrom
