#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panels/common/blink.h"
#include "panels/mobile/mobile_panel.h"
#include "support/mobile_panel_test.h"
#include "testing/fakes.h"
#include "testing/press_keys.h"

namespace kestrom {
namespace {

using enum Cell;
using testing::pressKeys;

class MobileKeys : public testing::MobilePanelTest {
 protected:
  // One blink tick, with the other timers of the panel standing still.
  void tick() { panel.Timer4Timer(); }
};

TEST_F(MobileKeys, TypedFieldsTakeTheirDigitsAndSeparators) {
  struct Case {
    const char* path;  // to the screen, NEXT included for the field
    const char* typed;
    Cell cell;
    std::string shown;
  };
  const std::vector<Case> cases = {
      {"212", "567", R3, "56"},                                   // address code, 2 digits
      {"221", "12345", R4, "123.4"},                              // bearing: three, point, one
      {"224", "12345", R4, "123.4"},                              // setpoint
      {"5224", "12345", R4, "123.4"},                             // azimuth setpoint
      {"223", "1234", R3, "123"},                                 // left limit
      {"223N", "4567", R4, "456"},                                // right limit
      {"23", "123045678", R2, "12:30:45"},                        // time
      {"23N", "9901020", R4, "99/01/02"},                         // date
      {"255", "1234", L2, std::string(15, ' ') + "123"},          // control byte
      {"4", "0630159", L3, "06:30:15"},                           // wake-up time
      {"5221", "12345678", L3, std::string(7, ' ') + "123.456"},  // reference azimuth
      {"524N3", "456", R2, "45 %"},                               // filter alpha
      {"6NN", "051", R3, "05"},                                   // selective address
      {"6NNN", "12345", L4, std::string(10, ' ') + "123.4"},      // antenna bearing
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.path << " typing " << c.typed);
    go(c.path);
    keys(c.typed);
    EXPECT_EQ(text(c.cell), c.shown);
    keys("E");
  }
  // Alpha keeps a lone digit without the suffix; ENTER moves on to beta.
  go("524N3");
  keys("4E78");
  EXPECT_EQ(text(R2), "4");
  EXPECT_EQ(text(R3), "7 %");
}

TEST_F(MobileKeys, FrequencyAdjustTakesOnlyMobileFrequencies) {
  go("213N");  // FREQ ADJUST MK3, field 1
  ASSERT_EQ(panel.EditField, 1);
  keys("8");  // the first digit must be 9
  EXPECT_EQ(text(R3), s.MobileFreq);
  keys("9");
  EXPECT_EQ(text(R3), "9");
  keys("14");  // the second must be 2 or 3
  EXPECT_EQ(text(R3), "9");
  keys("3715");
  EXPECT_EQ(text(R3), "9371");

  // Field 0 switches the offset, whatever it showed.
  keys("N");
  panel.cell(R2).Caption = "junk";
  keys("0");
  EXPECT_EQ(text(R2), "+ 30 MHZ");
  keys("5");
  EXPECT_EQ(text(R2), "- 30 MHZ");
  keys("5");
  EXPECT_EQ(text(R2), "+ 30 MHZ");
}

TEST_F(MobileKeys, VolumeTakesOneDigitAndStoresItAtOnce) {
  go("26");
  keys("7");
  EXPECT_EQ(text(R3), "7    ");
  EXPECT_EQ(s.MobileAudioVolume, "7    ");
  keys("3");
  EXPECT_EQ(s.MobileAudioVolume, "7    ");
  keys("M");  // the digit still waits for ENTER
  EXPECT_EQ(panel.MenuState, 27);
  keys("EM");
  EXPECT_EQ(panel.MenuState, 0);

  go("526");
  keys("2");
  EXPECT_EQ(s.CounterAudioVolume, "2    ");
}

// A digit typed and left by DEL still counts: MENU waits for ENTER, and the next
// digit on the screen DEL led back to is added to the stored text, which ENTER
// then refuses as too long.
TEST_F(MobileKeys, DigitsTypedThenLeftByDelStillCount) {
  s.MobileAddrSent = "24";
  go("212");
  keys("5");
  keys("M");
  EXPECT_EQ(panel.MenuState, 8);  // MENU refused while the digit waits for ENTER
  keys("D");
  EXPECT_EQ(panel.MenuState, 6);
  EXPECT_EQ(panel.KeyCount, 1);
  keys("M");
  EXPECT_EQ(panel.MenuState, 6);
  keys("2");
  EXPECT_EQ(text(R3), "24");
  keys("79");  // the field takes two characters in all
  EXPECT_EQ(text(R3), "247");
  keys("E");
  EXPECT_EQ(messages(), 1u);
  EXPECT_EQ(s.MobileAddrSent, "24");
  keys("M");
  EXPECT_EQ(panel.MenuState, 0);
}

TEST_F(MobileKeys, SingleFieldPagesStartOnTheirField) {
  go("223N");  // right scan limit: field 1
  keys("D4");  // back to LOCATION, on to the set point
  EXPECT_EQ(panel.MenuState, 15);
  EXPECT_EQ(panel.EditField, 0);
  keys("2");
  EXPECT_EQ(text(R4), "2");
}

TEST_F(MobileKeys, FirstPressShowsTheOptionAtTheSharedPosition) {
  s.MobileOperatingMode = "        HANDSEARCH";
  s.OperatingModeCycle = 1;
  go("24");
  keys("0");
  EXPECT_EQ(text(L2), "        AUTOSEARCH");
  EXPECT_EQ(s.OperatingModeCycle, 2);
  go("524");  // the remote twin moves the same position
  keys("1");
  EXPECT_EQ(text(L2), "        STAND BY");
  go("24");
  keys("1");
  EXPECT_EQ(text(L2), "        CLOSED LOOP");

  // The frequency pair holds the pair shown and shows the next one.
  s.FrequencyPairNo = 3;
  go("211");
  keys("1");
  EXPECT_EQ(text(L3), "      0: 9200 - 9230");
  keys("1");
  EXPECT_EQ(text(L3), "      1: 9300 - 9270");
  EXPECT_EQ(s.FrequencyPairNo, 1);

  // Lists of the Mobile's own texts.
  s.OutTelegramCycle = 0;
  s.InTelegramCycle = 1;
  go("253");
  keys("1N1");
  EXPECT_EQ(text(R3), "BCD(.001)        ");
  EXPECT_EQ(text(R4), "NMEA   ");
  s.SimulationOutputCycle = 1;  // neither 0 nor 2: the key does nothing
  go("254N");
  std::string before = text(R4);
  keys("1");
  EXPECT_EQ(text(R4), before);
  s.UnitRoleCycle = 0;
  go("6");
  keys("9");
  EXPECT_EQ(text(L2), "       AS  MK3M");
}

TEST_F(MobileKeys, OperateKeysSwitchPowerAndRangeOnlyInManualGain) {
  s.MobileGainMode = text::Automatic;
  s.MobileXmitPower = text::Normal;
  s.MobileXmitRange = text::Long;
  s.MobileStatusLine2 = "   -2  8>N    9>L";
  go("1N");
  keys("89");
  EXPECT_EQ(s.MobileXmitPower, text::Normal);
  EXPECT_EQ(s.MobileXmitRange, text::Long);
  EXPECT_EQ(panel.MenuState, 2);

  s.MobileGainMode = text::Manual;
  s.CounterStationKind = CounterKind::Mk4Fix;
  s.CounterXmitRange = text::Long;
  keys("8");
  EXPECT_EQ(s.MobileXmitPower, text::Reduced);
  EXPECT_EQ(text(L4), "   -2  8>R    9>L");
  keys("9");
  EXPECT_EQ(s.MobileXmitRange, text::Short);
  EXPECT_EQ(text(L4), "   -2  8>R    9>S");
  EXPECT_EQ(s.CounterXmitRange, text::Long);  // a Mk 4 Fix keeps its own range

  // A Mk 3 counter station follows the Mobile's range.
  s.CounterStationKind = CounterKind::Mk3Beacon;
  s.FixStatusLine2 = "   -2  8>N    9>S";
  keys("9");
  EXPECT_EQ(s.MobileXmitRange, text::Long);
  EXPECT_EQ(s.CounterXmitRange, text::Long);
  EXPECT_EQ(s.FixStatusLine2, "   -2  8>N    9>L");

  // The remote OPERATE page switches the counter station's.
  s.CounterStationKind = CounterKind::Mk4Fix;
  s.CounterGainMode = text::Automatic;
  go("51N");
  keys("8");
  EXPECT_EQ(s.CounterXmitPower, text::Normal);
  s.CounterGainMode = text::Manual;
  keys("89");
  EXPECT_EQ(s.CounterXmitPower, text::Reduced);
  EXPECT_EQ(s.CounterXmitRange, text::Short);
  EXPECT_EQ(text(L4), "   -2  8>R    9>S");
  EXPECT_EQ(s.MobileXmitRange, text::Long);
  // Not on the first OPERATE page.
  go("1");
  keys("8");
  EXPECT_EQ(s.MobileXmitPower, text::Reduced);
}

// Screen, EditField, the cell that blinks and the cells held black.
struct BlinkCase {
  int screen;
  int field;
  Cell blinking;
  std::vector<Cell> steady;
};

TEST_F(MobileKeys, TheFieldUnderEditBlinks) {
  const std::vector<BlinkCase> cases = {
      {8, 2, R3, {}},        {43, 0, R3, {}},           {9, 0, R2, {R3}},
      {44, 1, R3, {R2}},     {55, 1, R3, {R2}},         {11, 3, L3, {}},
      {14, 0, R3, {R4}},     {24, 1, R4, {R3}},         {48, 1, R4, {R3}},
      {16, 0, R2, {R4}},     {50, 1, R4, {R2}},         {76, 1, R4, {R2}},
      {19, 0, L2, {R3, R4}}, {53, 2, R4, {L2, R3}},     {20, 3, R2, {}},
      {54, 0, R2, {}},       {22, 2, L4, {R2, R3, R4}}, {58, 3, R4, {R2, R3, L4}},
      {25, 0, R1, {R4}},     {60, 1, R4, {R1}},
  };
  for (const BlinkCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "screen " << c.screen << " field " << c.field);
    panel.MenuState = c.screen;
    panel.EditField = c.field;
    for (DisplayCell& d : panel.Cells) d.FontColor = clWhite;
    panel.cell(c.blinking).FontColor = clBlack;
    tick();
    EXPECT_EQ(colour(c.blinking), clWhite);
    for (Cell st : c.steady) EXPECT_EQ(colour(st), clBlack);
    tick();
    EXPECT_EQ(colour(c.blinking), clBlack);
  }
  // Pages without a marked field are left alone.
  for (int screen : {7, 17, 26, 27, 59, 61}) {
    panel.MenuState = screen;
    panel.EditField = 0;
    for (DisplayCell& d : panel.Cells) d.FontColor = clBlack;
    tick();
    for (const DisplayCell& d : panel.Cells) EXPECT_EQ(d.FontColor, clBlack) << screen;
  }
}

TEST_F(MobileKeys, WakeUpAddressAndBearingFieldsAreWhiteBetweenPresses) {
  const std::vector<std::pair<const char*, Cell>> pages = {
      {"4", L3}, {"54", L3}, {"6NN", R3}, {"6NNN", L4}};
  for (const auto& [path, cell] : pages) {
    SCOPED_TRACE(path);
    go(path);
    rig.advance(500);
    EXPECT_EQ(colour(cell), clWhite);
    rig.advance(500);
    EXPECT_EQ(colour(cell), clWhite);  // white at every tick, not blinking
    keys("1");
    EXPECT_EQ(colour(cell), clBlack);
    EXPECT_FALSE(panel.Timer4.Enabled());
    rig.advance(1000);
    EXPECT_EQ(colour(cell), clBlack);
    keys("E");
  }
  // The station code turns white once and stays white.
  s.ShuttleTankerSoftware = 1;
  go("21");
  rig.advance(1500);
  EXPECT_EQ(colour(R2), clWhite);
  keys("1");
  EXPECT_EQ(colour(R2), clBlack);
}

TEST_F(MobileKeys, DigitPressesStopTheBlinkAndBlackenTheField) {
  // Even a digit the field refuses makes it steady and black.
  go("213N");
  tick();
  ASSERT_EQ(colour(R3), clWhite);
  keys("5");
  EXPECT_FALSE(panel.Timer4.Enabled());
  EXPECT_EQ(colour(R3), clBlack);

  // An option press stops the blink and blackens its field.
  go("24N1");
  tick();
  ASSERT_EQ(colour(L2), clWhite);
  keys("3");
  EXPECT_FALSE(panel.Timer4.Enabled());
  EXPECT_EQ(colour(L2), clBlack);

  // REMOTE MODIFY stops the blink but leaves the colour as it is.
  go("24N2");
  tick();
  keys("3");
  EXPECT_FALSE(panel.Timer4.Enabled());
  EXPECT_EQ(colour(R2), clWhite);

  // The frequency pair and the operating mode leave the blink running.
  go("211");
  keys("3");
  EXPECT_TRUE(panel.Timer4.Enabled());

  // NEXT leaves no white field behind on the page it turns to.
  go("4");
  tick();
  keys("N");
  for (const DisplayCell& d : panel.Cells) EXPECT_EQ(d.FontColor, clBlack);
}

// NEXT goes on with the count: on ADDRESS CODE every field types into 3R, and on
// SCANNING MOB the right limit is appended to until the three characters are used.
TEST_F(MobileKeys, NextGoesOnWithTheCountOfTheFieldBefore) {
  go("212");  // ADDRESS CODE
  ASSERT_EQ(panel.MenuState, 8);
  keys("2N4E");
  EXPECT_EQ(s.MobileAddrSent, "24");
  go("223");  // SCANNING MOB: LIMIT L in 3R, LIMIT R in 4R
  const std::string right = text(R4);
  keys("12N345");
  EXPECT_EQ(text(R3), "12");
  EXPECT_EQ(text(R4), right + "3");
}

}  // namespace
}  // namespace kestrom
