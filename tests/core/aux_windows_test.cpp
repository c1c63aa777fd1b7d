#include <gtest/gtest.h>

#include "setup/setup_window.h"
#include "testing/fakes.h"
#include "windows/bearing_window.h"
#include "windows/config_view.h"
#include "windows/distance_adjust.h"

namespace kestrom {
namespace {

TEST(BearingWindow, ShowsTheLastBearingWrittenWhileHidden) {
  testing::Rig rig;
  Tabw& abw = rig.sim.bearingWindow();
  EXPECT_EQ(abw.Label1.Caption, "0.00");
  abw.showBearing(245.5);
  abw.showBearing(3.14159);
  EXPECT_FALSE(abw.Visible());
  abw.Show();
  EXPECT_EQ(abw.Label1.Caption, "3.14");
  abw.showBearing(359.999);
  EXPECT_EQ(abw.Label1.Caption, "360.00");
}

TEST(AuxiliaryWindows, ClosingByButtonOrFrameClearsTheViewMenuCheck) {
  testing::Rig rig;
  Tmenumain& setup = rig.sim.setupWindow();
  struct Case {
    WindowModel& window;
    MenuItem& item;
    std::function<void()> button;
  };
  Case cases[] = {
      {rig.sim.bearingWindow(), setup.Azimuthwindow1,
       [&] { rig.sim.bearingWindow().BitBtn1Click(); }},
      {rig.sim.distanceAdjust(), setup.DistanceAdjust1,
       [&] { rig.sim.distanceAdjust().BitBtn1Click(); }},
      {rig.sim.configView(), setup.ConfigView1, [&] { rig.sim.configView().BitBtn1Click(); }},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.window.Caption());
    c.item.Checked = true;
    c.window.Show();
    c.button();
    EXPECT_FALSE(c.window.Visible());
    EXPECT_FALSE(c.item.Checked);
    c.item.Checked = true;
    c.window.Show();
    c.window.Close();
    EXPECT_FALSE(c.item.Checked);
  }
}

class DistanceAdjust : public ::testing::Test {
 protected:
  testing::Rig rig;
  Tafstmenu& dist = rig.sim.distanceAdjust();
  Edit& range = rig.sim.setupWindow().MaskEdit1;
};

TEST_F(DistanceAdjust, OpeningLeavesTheRangeAsItWas) {
  range.Text = "00126";
  rig.random.script({4});
  dist.Show();
  EXPECT_EQ(dist.TrackBar1.Position, 2874);
  EXPECT_EQ(dist.ProgressBar1.Position, 126);
  EXPECT_EQ(range.Text, "00126");
  EXPECT_EQ(dist.CapturedRange, "00126");
  EXPECT_EQ(rig.state().Distance, 12634 / 100.0L);
  EXPECT_EQ(dist.Label2.Caption, "126.34");

  // Shown again: a fresh reading, and the range still does not move.
  dist.Close();
  rig.random.script({7});
  dist.Show();
  EXPECT_EQ(dist.Label2.Caption, "126.37");
  EXPECT_EQ(range.Text, "00126");
}

TEST_F(DistanceAdjust, RangeBeyondTheSliderIsShownNotCut) {
  range.Text = "05000";  // beyond the slider's end
  rig.random.script({9});
  dist.Show();
  EXPECT_EQ(dist.TrackBar1.Position, 0);
  EXPECT_EQ(range.Text, "05000");
  EXPECT_EQ(dist.Label2.Caption, "5000.39");
  dist.BitBtn2Click();  // "Increase  " at the top end: the slider cannot move
  EXPECT_EQ(range.Text, "05000");
  dist.Close();
  dist.Show();  // a later opening still leaves the range alone
  EXPECT_EQ(range.Text, "05000");
  EXPECT_EQ(dist.TrackBar1.Position, 0);
  dist.BitBtn3Click();  // the trainee moves the slider: now it sets the range
  EXPECT_EQ(dist.TrackBar1.Position, 10);
  EXPECT_EQ(range.Text, "02990");
  EXPECT_EQ(dist.Label2.Caption, "2990.00");
}

TEST_F(DistanceAdjust, SliderAndButtonsStopAtBothEnds) {
  range.Text = "00020";
  dist.Show();
  dist.TrackBar1Change(2995);
  dist.BitBtn3Click();  // "Decrease" near the bottom clamps at 0 m
  EXPECT_EQ(dist.TrackBar1.Position, 3000);
  EXPECT_EQ(dist.ProgressBar1.Position, 0);
  EXPECT_EQ(range.Text, "00000");
  dist.TrackBar1Change(-50);
  EXPECT_EQ(dist.TrackBar1.Position, 0);
  EXPECT_EQ(range.Text, "03000");
  dist.BitBtn2Click();  // "Increase  " at the top stays there
  EXPECT_EQ(dist.TrackBar1.Position, 0);
  EXPECT_EQ(rig.state().Distance, 3000);
  dist.TrackBar1Change(1000);  // dragged
  EXPECT_EQ(range.Text, "02000");
  EXPECT_EQ(dist.Label2.Caption, "2000.00");
}

TEST_F(DistanceAdjust, UnreadableRangeReadsAsZero) {
  for (const char* text : {"12a45", "", "  "}) {
    SCOPED_TRACE(text);
    range.Text = text;
    rig.random.script({0});
    dist.Show();
    EXPECT_EQ(dist.TrackBar1.Position, 3000);
    EXPECT_LT(rig.state().Distance, 0.4);  // no metres, at most the jitter
    EXPECT_EQ(range.Text, text);
    dist.Close();
  }
  range.Text = " 126 ";  // blanks around digits still read
  dist.Show();
  EXPECT_EQ(dist.TrackBar1.Position, 2874);
}

TEST(ConfigView, BoxesFollowEvaluationsAndKeepAClickUntilTheNext) {
  testing::Rig rig;
  Tconfigview& cv = rig.sim.configView();
  for (int row = 1; row <= 5; ++row) cv.setCondition(row, row % 2 == 1);
  EXPECT_TRUE(cv.CheckBox1.Checked);
  EXPECT_FALSE(cv.CheckBox2.Checked);
  EXPECT_TRUE(cv.CheckBox5.Checked);

  cv.CheckBoxClick(2, true);  // the trainee's click
  EXPECT_TRUE(cv.CheckBox2.Checked);
  cv.setCondition(1, true);
  EXPECT_TRUE(cv.CheckBox2.Checked);
  cv.setCondition(2, false);
  EXPECT_FALSE(cv.CheckBox2.Checked);

  cv.setCondition(0, true);  // no such row
  cv.setCondition(6, true);
  cv.CheckBoxClick(9, true);
  EXPECT_EQ(cv.checkBox(6), nullptr);
  EXPECT_EQ(Tconfigview::RowLabels[0], std::string("Frequencies "));
}

}  // namespace
}  // namespace kestrom
