#include "panels/mobile/mobile_live_pages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "setup/setup_window.h"
#include "support/tree_walk.h"
#include "testing/fakes.h"

namespace kestrom {
namespace {

using testing::CellTexts;
using testing::cellTexts;

std::string bars(int n) {
  return std::string(static_cast<std::size_t>(n), '\x7f');
}

// A cell the cycle leaves as it was.
const std::string k_ = "~";
const std::string kStarDist = "DIST:                *";
const std::string kStarAzm = "AZM:                 *";
const std::string kSgnl = "SGNL:  ";

struct Page {
  LinkState state;
  int screen;
  CellTexts cells;  // 1L 1R 2L 2R 3L 3R 4L 4R after one cycle
  int inLock;
};

// The Fix at 100.25, the range 126 m (drawn 126.39), the antenna turning right,
// every draw at the top of its range.
// Screen 3 shows the bearing in 3R on every cycle, whatever the link.
// clang-format off
const std::vector<Page> kPages = {
    {LinkState::OnTarget, 0, {k_, k_, k_, k_, k_, k_, k_, k_}, 0},
    {LinkState::OnTarget, 1, {"DIST:       126.39", k_, "AZM:        280.25", k_, kSgnl + bars(10), "-41", k_, k_}, 1},
    {LinkState::OnTarget, 2, {"DIST:       126.39", k_, "AZM:        280.25", k_, kSgnl + bars(10), "-41", k_, k_}, 1},
    {LinkState::OnTarget, 3, {"DIST:       126.39", k_, "AZM:        280.25", k_, k_, "100.25", k_, "0.00"}, 1},
    {LinkState::OnTarget, 4, {"126.39", k_, "280.25", k_, k_, k_, k_, k_}, 1},
    {LinkState::OnTarget, 9, {k_, k_, k_, k_, k_, k_, "SIGNL : " + bars(13), k_}, 0},
    {LinkState::OnTarget, 31, {k_, k_, k_, k_, k_, k_, k_, "25     >N"}, 0},
    {LinkState::OnTarget, 37, {"DIST:       126.39", k_, "AZM:        280.25", k_, kSgnl + bars(10), "-41", k_, k_}, 1},
    {LinkState::OnTarget, 38, {"DIST:       126.39", k_, "AZM:        280.25", k_, kSgnl + bars(10), "-41", k_, k_}, 1},
    {LinkState::OnTarget, 39, {"126.00", k_, "280.25", k_, "-40DB " + bars(6), k_, k_, k_}, 1},

    {LinkState::InBeam, 1, {kStarDist, k_, kStarAzm, k_, kSgnl + bars(1), "-70", k_, k_}, 0},
    {LinkState::InBeam, 2, {kStarDist, k_, kStarAzm, k_, kSgnl + bars(1), "-70", k_, k_}, 0},
    {LinkState::InBeam, 3, {kStarDist, k_, kStarAzm, k_, k_, "99.25", k_, ""}, 0},
    {LinkState::InBeam, 4, {k_, k_, k_, k_, k_, k_, k_, k_}, 0},
    {LinkState::InBeam, 9, {k_, k_, k_, k_, k_, k_, "SIGNL : " + bars(2), k_}, 0},
    {LinkState::InBeam, 31, {k_, k_, k_, k_, k_, k_, k_, "25     >N"}, 0},
    {LinkState::InBeam, 37, {kStarDist, k_, kStarAzm, k_, kSgnl, k_, k_, k_}, 0},
    {LinkState::InBeam, 38, {kStarDist, k_, kStarAzm, k_, kSgnl, k_, k_, k_}, 0},
    {LinkState::InBeam, 39, {"", k_, "", k_, "-85DB", k_, k_, k_}, 0},

    {LinkState::OutOfBeam, 1, {k_, k_, k_, k_, k_, k_, k_, k_}, 0},
    {LinkState::OutOfBeam, 2, {k_, k_, k_, k_, k_, k_, k_, k_}, 0},
    {LinkState::OutOfBeam, 3, {kStarDist, k_, kStarAzm, k_, k_, "90.25", k_, ""}, 0},
    {LinkState::OutOfBeam, 4, {k_, k_, k_, k_, k_, k_, k_, k_}, 0},
    {LinkState::OutOfBeam, 9, {k_, k_, k_, k_, k_, k_, "SIGNL : " + bars(2), k_}, 0},
    {LinkState::OutOfBeam, 31, {k_, k_, k_, k_, k_, k_, k_, "50     >N"}, 0},
    {LinkState::OutOfBeam, 37, {kStarDist, k_, kStarAzm, k_, kSgnl, k_, k_, k_}, 0},
    {LinkState::OutOfBeam, 38, {kStarDist, k_, kStarAzm, k_, kSgnl, k_, k_, k_}, 0},
    {LinkState::OutOfBeam, 39, {"", k_, "", k_, "-85DB", k_, k_, k_}, 0},

    {LinkState::NotLinked, 1, {kStarDist, k_, kStarAzm, k_, kSgnl, "-83", k_, k_}, 0},
    {LinkState::NotLinked, 2, {kStarDist, k_, kStarAzm, k_, kSgnl, "-83", k_, k_}, 0},
    {LinkState::NotLinked, 3, {kStarDist, k_, kStarAzm, k_, k_, "100.25", k_, k_}, 0},
    {LinkState::NotLinked, 4, {"", k_, "", k_, k_, k_, k_, k_}, 0},
    {LinkState::NotLinked, 9, {k_, k_, k_, k_, k_, k_, k_, k_}, 0},
    {LinkState::NotLinked, 31, {k_, k_, k_, k_, k_, k_, k_, k_}, 0},
    {LinkState::NotLinked, 37, {kStarDist, k_, k_, k_, kSgnl, "-83", k_, k_}, 0},
    {LinkState::NotLinked, 38, {kStarDist, k_, k_, k_, kSgnl, "-83", k_, k_}, 0},
    {LinkState::NotLinked, 39, {"", k_, k_, k_, "-83DB", k_, k_, k_}, 0},
};
// clang-format on

const char* name(LinkState st) {
  switch (st) {
    case LinkState::NotLinked:
      return "not linked";
    case LinkState::OutOfBeam:
      return "out of beam";
    case LinkState::InBeam:
      return "in beam";
    case LinkState::OnTarget:
      return "on target";
  }
  return "?";
}

TEST(MobileLivePages, EachPageGetsItsCellsAndLampsForEachLinkState) {
  for (const Page& p : kPages) {
    SCOPED_TRACE(::testing::Message() << name(p.state) << ", screen " << p.screen);
    testing::OfflineRig<testing::EndRandom> rig;
    SimulationState& s = rig.sim.state();
    Tmobile& panel = rig.sim.mobilePanel();
    rig.sim.setupWindow().ComboBox2.ItemIndex = 1;  // Normal: no jitter
    s.CounterGainMode = text::Manual;               // the gain keeps the status lines
    s.FixAzimuth = 100.25;
    s.AntennaDirection = 100.25;
    if (p.state == LinkState::InBeam) s.AntennaDirection = 99.25;
    if (p.state == LinkState::OutOfBeam) s.AntennaDirection = 90.25;
    if (p.state == LinkState::NotLinked) s.MobileOperatingMode = text::StandBy;
    panel.Tracking.SlewDirection = Slew::Right;
    panel.MenuState = p.screen;
    for (DisplayCell& c : panel.Cells) c.Caption = k_;

    panel.Tracking.Timer3Timer();

    EXPECT_EQ(cellTexts(panel), p.cells);
    EXPECT_EQ(s.InLock, p.inLock);
    const bool lit = p.state == LinkState::OnTarget || p.state == LinkState::InBeam;
    const Color colour = p.state == LinkState::OnTarget ? clLime : clRed;
    for (const StatusLight* lamp : {&panel.ApdStatusLight1, &rig.sim.fixPanel().ApdStatusLight1}) {
      EXPECT_EQ(lamp->Lit, lit);
      if (lit) {
        EXPECT_EQ(lamp->LitColor, colour);
      }
    }
  }
}

}  // namespace
}  // namespace kestrom
