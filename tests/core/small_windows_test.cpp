#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "setup/setup_window.h"
#include "testing/fakes.h"
#include "windows/about_box.h"
#include "windows/mk3_unit.h"
#include "windows/prescreen.h"

namespace kestrom {
namespace {

// Clicks "Reset Parameters" when the setup window has that command.
void resetParametersIfAvailable(Tmenumain& setup) {
  [](auto& window) {
    if constexpr (requires { window.ResetParameters1Click(); }) window.ResetParameters1Click();
  }(setup);
}

TEST(AboutBox, IconClickRevealsStatusItemForTheRestOfTheRun) {
  testing::Rig rig;
  auto& setup = rig.sim.setupWindow();
  auto& about = rig.sim.aboutBox();
  setup.Status1.Visible = false;  // hidden, as the menu starts out

  about.Show();
  EXPECT_FALSE(setup.Status1.Visible) << "showing the box alone reveals nothing";
  about.ProgramIconClick();
  EXPECT_TRUE(setup.Status1.Visible);
  EXPECT_TRUE(about.Visible()) << "the icon click does not close the box";

  about.aboutbtncloseClick();
  EXPECT_FALSE(about.Visible());
  EXPECT_TRUE(setup.Status1.Visible);

  about.Show();
  about.ProgramIconClick();  // a second click changes nothing
  about.Close();
  EXPECT_TRUE(setup.Status1.Visible);

  resetParametersIfAvailable(setup);
  rig.advance(60'000);
  EXPECT_TRUE(setup.Status1.Visible);
}

TEST(AboutBox, OkClosesAndTheBoxCanBeShownAgain) {
  testing::Rig rig;
  auto& about = rig.sim.aboutBox();
  EXPECT_EQ(about.Caption(), "Kestrom MK4 Simulator Aboutbox");
  EXPECT_EQ(about.Version.Caption, "Version  No  ");
  EXPECT_EQ(about.VersionNumber.Caption, "3.00");
  about.Show();
  about.aboutbtncloseClick();
  EXPECT_FALSE(about.Visible());
  about.aboutbtncloseClick();  // closing a hidden box is harmless
  EXPECT_FALSE(about.Visible());
  about.Show();
  EXPECT_TRUE(about.Visible());
}

TEST(Mk3Unit, LampIsLitAndTheWindowOpensAndCloses) {
  testing::Rig rig;
  const auto& mk3 = rig.sim.mk3Unit();
  EXPECT_TRUE(mk3.Lamp.Lit);
  EXPECT_EQ(mk3.Lamp.shown(), clLime);

  rig.sim.mk3Unit().Show();
  rig.sim.mk3Unit().Close();
  EXPECT_FALSE(mk3.Visible());
}

}  // namespace
}  // namespace kestrom
