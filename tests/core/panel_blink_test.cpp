#include <gtest/gtest.h>

#include <vector>

#include "panels/common/blink.h"
#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "testing/fakes.h"

namespace kestrom {
namespace {

using enum Cell;

struct BlinkCase {
  std::vector<int> screens;
  int field;  // kAnyField: every field blinks the same
  std::vector<Cell> steady;
  Cell blinking;
};

// Every screen and field on which the Fix marks the field under edit.
const std::vector<BlinkCase> kFixBlink = {
    {{7, 44}, kAnyField, {}, R3},    {{8, 21, 45}, 0, {R3}, R2},
    {{8, 21, 45}, 1, {R2}, R3},      {{12, 25, 48}, 0, {R4}, R3},
    {{12, 25, 48}, 1, {R3}, R4},     {{14, 47, 78}, kAnyField, {}, L3},
    {{16, 50, 79}, 0, {R4}, R2},     {{16, 50, 79}, 1, {R2}, R4},
    {{19, 54}, 0, {R4}, L2},         {{19, 54}, 1, {L2}, R3},
    {{19, 54}, 2, {R3}, R4},         {{20, 55}, kAnyField, {}, R2},
    {{23, 24, 57, 58}, 0, {R4}, R2}, {{23, 24, 57, 58}, 1, {R2}, R3},
    {{23, 24, 57, 58}, 2, {R3}, L4}, {{23, 24, 57, 58}, 3, {L4}, R4},
    {{26, 60}, 0, {R4}, R1},         {{26, 60}, 1, {R1}, R4},
    {{35, 69}, kAnyField, {}, L3},   {{74}, kAnyField, {}, R3},
};

class FixBlink : public ::testing::Test {
 protected:
  testing::Rig rig;
  Tfix& fix = rig.sim.fixPanel();

  void paint(Color colour) {
    for (DisplayCell& c : fix.Cells) c.FontColor = colour;
  }
  std::vector<Color> colours() {
    std::vector<Color> out;
    for (const DisplayCell& c : fix.Cells) out.push_back(c.FontColor);
    return out;
  }
};

TEST_F(FixBlink, EveryMarkedFieldBlinksAndItsNeighbourStaysBlack) {
  for (const BlinkCase& row : kFixBlink) {
    for (int screen : row.screens) {
      std::vector<int> fields =
          row.field == kAnyField ? std::vector<int>{0, 3} : std::vector{row.field};
      for (int field : fields) {
        SCOPED_TRACE(::testing::Message() << "screen " << screen << " field " << field);
        fix.MenuState = screen;
        fix.EditField = field;
        paint(clBlack);
        for (Cell s : row.steady) fix.cell(s).FontColor = clWhite;
        fix.Timer4.stop();
        fix.Timer4.start();
        rig.advance(749);
        EXPECT_EQ(fix.cell(row.blinking).FontColor, clBlack);
        rig.advance(1);
        for (int i = 0; i < kCellCount; ++i) {
          Cell c = static_cast<Cell>(i);
          EXPECT_EQ(fix.cell(c).FontColor, c == row.blinking ? clWhite : clBlack) << cellName(c);
        }
        rig.advance(750);
        EXPECT_EQ(fix.cell(row.blinking).FontColor, clBlack);
      }
    }
  }
}

TEST_F(FixBlink, ScreensAndFieldsWithoutARowAreLeftAlone) {
  // Frequency pair, setpoint, operating mode, control byte, volume, unit role, menus,
  // and fields a screen does not blink.
  const std::vector<std::pair<int, int>> quiet = {{6, 0},  {13, 0}, {17, 0}, {27, 0}, {28, 0},
                                                  {72, 0}, {0, 0},  {12, 2}, {26, 2}, {21, 3}};
  for (auto [screen, field] : quiet) {
    SCOPED_TRACE(::testing::Message() << "screen " << screen << " field " << field);
    fix.MenuState = screen;
    fix.EditField = field;
    paint(clBlack);
    fix.cell(R3).FontColor = clWhite;
    std::vector<Color> before = colours();
    fix.Timer4.start();
    rig.advance(1500);
    EXPECT_EQ(colours(), before);
  }
}

TEST_F(FixBlink, FunctionKeysStartTheBlinkAndTypingStopsIt) {
  EXPECT_FALSE(fix.Timer4.Enabled());
  EXPECT_EQ(fix.Timer4.Interval(), 750);
  const std::vector<PanelKey> starters = {PanelKey::Del, PanelKey::Next, PanelKey::Menu,
                                          PanelKey::Enter};
  for (PanelKey k : starters) {
    fix.Timer4.stop();
    fix.press(k);
    EXPECT_TRUE(fix.Timer4.Enabled()) << keyLegend(k);
  }

  // Typed into, a blinking field is black from the first digit and blinks again
  // after the next function key.
  fix.MenuState = 16;
  fix.EditField = 0;
  rig.advance(750);
  EXPECT_EQ(fix.cell(R2).FontColor, clWhite);
  fix.press(PanelKey::D1);
  EXPECT_FALSE(fix.Timer4.Enabled());
  EXPECT_EQ(fix.cell(R2).FontColor, clBlack);
  rig.advance(3000);
  EXPECT_EQ(fix.cell(R2).FontColor, clBlack);
  fix.press(PanelKey::Enter);  // stores the clock and moves on to the date
  rig.advance(750);
  EXPECT_EQ(fix.cell(R4).FontColor, clWhite);
}

TEST_F(FixBlink, StartingARunningBlinkKeepsItsBeat) {
  fix.MenuState = 7;
  fix.press(PanelKey::Enter);
  rig.advance(500);
  fix.press(PanelKey::Next);  // already running: no restart
  rig.advance(250);
  EXPECT_EQ(fix.cell(R3).FontColor, clWhite);
}

TEST_F(FixBlink, EnterAndMenuLeaveNoFieldWhite) {
  fix.MenuState = 16;
  fix.press(PanelKey::Enter);  // the date field next
  rig.advance(750);
  ASSERT_EQ(fix.cell(R4).FontColor, clWhite);
  fix.press(PanelKey::Enter);
  for (const DisplayCell& c : fix.Cells) EXPECT_EQ(c.FontColor, clBlack);

  rig.advance(750);
  ASSERT_EQ(fix.cell(R2).FontColor, clWhite);
  fix.EditField = 1;
  fix.press(PanelKey::Menu);
  EXPECT_EQ(fix.MenuState, 0);
  EXPECT_EQ(fix.EditField, 0);
  for (const DisplayCell& c : fix.Cells) EXPECT_EQ(c.FontColor, clBlack);
}

TEST(PanelBlinkModes, ToggleAlwaysWhiteAndWhiteOnce) {
  std::array<DisplayCell, kCellCount> cells;
  auto colour = [&](Cell c) { return cells[static_cast<int>(c)].FontColor; };
  const std::vector<BlinkRow> rows = {
      {{1}, kAnyField, {R3}, R2, BlinkMode::Toggle},
      {{2}, kAnyField, {}, L3, BlinkMode::AlwaysWhite},
      {{3}, kAnyField, {}, R2, BlinkMode::WhiteOnce},
  };

  cells[static_cast<int>(R2)].FontColor = clRed;  // any colour but black turns black
  cells[static_cast<int>(R3)].FontColor = clWhite;
  blinkTick(cells, rows, 1, 0);
  EXPECT_EQ(colour(R2), clBlack);
  EXPECT_EQ(colour(R3), clBlack);

  for (int i = 0; i < 3; ++i) blinkTick(cells, rows, 2, 0);
  EXPECT_EQ(colour(L3), clWhite);

  blinkTick(cells, rows, 3, 0);
  blinkTick(cells, rows, 3, 0);
  EXPECT_EQ(colour(R2), clWhite);
}

TEST(PanelBlinkRows, TheFirstRowForScreenAndFieldNamesTheFieldUnderEdit) {
  const std::vector<BlinkRow> rows = basicPanelBlinkRows();
  const BlinkRow* limitR = findBlinkRow(rows, 12, 1);
  ASSERT_TRUE(limitR);
  EXPECT_EQ(limitR->blinking, R4);
  EXPECT_EQ(findBlinkRow(rows, 7, 5)->blinking, R3);  // any field
  EXPECT_FALSE(findBlinkRow(rows, 12, 2));
  EXPECT_FALSE(findBlinkRow(rows, 13, 0));  // the setpoint does not blink
}

TEST(MobileBlink, RunsEveryHalfSecondFromCreation) {
  testing::Rig rig;
  Tmobile& mobile = rig.sim.mobilePanel();
  EXPECT_TRUE(mobile.Timer4.Enabled());
  EXPECT_EQ(mobile.Timer4.Interval(), 500);
  EXPECT_EQ(mobile.Timer4.due(), 500);
}

}  // namespace
}  // namespace kestrom
