// What the Beacon's link cycle writes on each page of its own and the remote
// Mobile tree, by link state, at both ends of every reading's jitter and at each
// simulation level.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "panels/beacon/beacon_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "setup/setup_window.h"
#include "testing/fakes.h"
#include "windows/aid_display.h"

namespace kestrom {
namespace {

using enum Cell;
using enum LinkState;

std::string bars(int n) {
  return std::string(static_cast<std::size_t>(n), '\x7f');
}

const std::string kKept = "<kept>";
const std::string kStarDist = "DIST:                *";
const std::string kStarAzm = "AZM:                 *";
constexpr Color kAidBefore = clBlue;

// A cell's text with every draw at its lowest and at its highest.
struct Shown {
  Shown(const char* both) : low(both), high(both) {}         // NOLINT: a text that does not jitter
  Shown(const std::string& both) : low(both), high(both) {}  // NOLINT
  Shown(std::string l, std::string h) : low(std::move(l)), high(std::move(h)) {}
  std::string low, high;
};

struct PageCase {
  PageCase(LinkState st, std::vector<int> sc, std::vector<std::pair<Cell, Shown>> c,
           std::optional<Color> lamp = std::nullopt, bool l = false)
      : state(st), screens(std::move(sc)), cells(std::move(c)), aidLamp(lamp), locks(l) {}
  LinkState state;
  std::vector<int> screens;
  std::vector<std::pair<Cell, Shown>> cells;  // every other cell keeps its text
  std::optional<Color> aidLamp;               // else the AID lamp keeps its colour
  bool locks;
};

const Shown kLockedDist{"DIST:       126.30", "DIST:       126.58"};  // 126.30..126.39, +0..0.19
const Shown kNoSignal{"-85", "-83"};
const Shown kNoSignalDb{"-85DB", "-83DB"};

const std::vector<PageCase>& pageCases() {
  static const std::vector<PageCase> cases = {
      {OnTarget,
       {1, 2, 38, 39},
       {{L1, kLockedDist},
        {L2, kStarAzm},
        {L3, {"SGNL:  " + bars(10), "SGNL:  " + bars(11)}},
        {R3, {"-42", "-41"}}},
       std::nullopt,
       true},
      {OnTarget, {40}, {{L1, kLockedDist}, {L2, kStarAzm}}, clLime, true},
      {OnTarget,
       {3},
       {{L1, {"126.30", "126.58"}}, {L2, ""}, {L3, {"-42DB " + bars(5), "-34DB " + bars(7)}}},
       std::nullopt,
       true},
      {OnTarget, {41}, {{L1, {"126.30", "126.58"}}, {L2, ""}}, std::nullopt, true},
      {InBeam,
       {1, 2, 38, 39},
       {{L1, kStarDist},
        {L2, kStarAzm},
        {L3, {"SGNL:  ", "SGNL:  " + bars(3)}},
        {R3, {"-72", "-64"}}},
       clRed},
      {InBeam, {3}, {{L1, ""}, {L2, ""}, {L3, kNoSignalDb}}},
      // The reciprocal of the azimuth 100.7055 and 0 .. 0.19 of jitter.
      {InBeam,
       {40},
       {{L1, kStarDist},
        {L2, {kStarAzm + "280.71", kStarAzm + "280.90"}},
        {R3, "100.00"},
        {R4, ""}}},
      {InBeam, {41}, {{L1, ""}, {L2, ""}}},
      {OutOfBeam, {1, 2, 38, 39}, {}},
      {OutOfBeam, {3}, {{L1, ""}, {L2, ""}, {L3, kNoSignalDb}}},
      {OutOfBeam,
       {40},
       {{L1, kStarDist},
        {L2, {kStarAzm + "281.50", kStarAzm + "281.69"}},
        {R3, "100.00"},
        {R4, ""}}},
      {OutOfBeam, {41}, {{L1, ""}, {L2, ""}}},
      {NotLinked, {1, 2}, {{L1, kStarDist}, {L3, "SGNL:  "}, {R3, kNoSignal}}},
      {NotLinked, {3}, {{L1, ""}, {L3, kNoSignalDb}}},
      {NotLinked, {38, 39}, {{L1, kStarDist}, {L2, kStarAzm}, {L3, "SGNL:  "}, {R3, kNoSignal}}},
      {NotLinked, {40}, {{L1, kStarDist}, {L2, kStarAzm}}},
      {NotLinked, {41}, {{L1, ""}, {L2, ""}}},
      // Pages without live readings.
      {OnTarget, {0, 4, 17, 37, 42, 49}, {}},
      {InBeam, {0, 4, 17, 37, 42, 49}, {}},
      {NotLinked, {0, 4, 17, 37, 42, 49}, {}},
  };
  return cases;
}

struct BeaconPages : ::testing::TestWithParam<int> {
  testing::OfflineRig<testing::EndRandom> rig;
  Tbeacon& beacon = rig.sim.beaconPanel();
  SimulationState& s = rig.sim.state();
  StatusLight& aid = rig.sim.aidDisplay().ApdStatusLight1;

  void SetUp() override {
    rig.sim.setupWindow().RadioButton3Click();
    rig.sim.setupWindow().ComboBox2.ItemIndex = GetParam() - 1;
    rig.sim.mobilePanel().Tracking.Timer3.stop();
  }
  void put(LinkState state) {
    s.FixAzimuth = state == OnTarget    ? 100.3L
                   : state == InBeam    ? 100.7055L
                   : state == OutOfBeam ? 101.5L
                                        : 100;
    s.AntennaDirection = 100;
    s.MobileOperatingMode = state == NotLinked ? text::StandBy : text::HandSearch;
    s.InLock = 0;
    aid.LitColor = kAidBefore;
    beacon.ApdStatusLight1.LitColor = clBlack;
  }
};

TEST_P(BeaconPages, EachPageGetsItsCellsForTheLinkState) {
  for (const PageCase& c : pageCases()) {
    for (int screen : c.screens) {
      for (bool high : {false, true}) {
        SCOPED_TRACE(::testing::Message() << "state " << static_cast<int>(c.state) << ", screen "
                                          << screen << (high ? ", high" : ", low"));
        put(c.state);
        rig.random.top = high;
        beacon.MenuState = screen;
        for (DisplayCell& cell : beacon.Cells) cell.Caption = kKept;
        beacon.Tracking.Timer3Timer();

        for (Cell cell : {L1, R1, L2, R2, L3, R3, L4, R4}) {
          std::string expected = kKept;
          for (const auto& [at, shown] : c.cells)
            if (at == cell) expected = high ? shown.high : shown.low;
          // The gain letters and the set-point page's bearing come from the cycle itself.
          if (cell == L4 && screen == 2) expected = s.BeaconStatusLine2;
          if (cell == L4 && screen == 39) expected = s.MobileStatusLine2;
          if (cell == R3 && screen == 49) expected = "100";
          EXPECT_EQ(beacon.cell(cell).Caption, expected) << "cell " << static_cast<int>(cell);
        }
        EXPECT_EQ(aid.LitColor, c.aidLamp.value_or(kAidBefore));
        // The Beacon's own lamp follows the beam whatever the page.
        const bool inBeam = c.state == OnTarget || c.state == InBeam;
        EXPECT_EQ(beacon.ApdStatusLight1.Lit, inBeam);
        EXPECT_EQ(beacon.ApdStatusLight1.LitColor, c.state == OnTarget ? clLime
                                                   : inBeam            ? clRed
                                                                       : clBlack);
        EXPECT_EQ(s.InLock, c.locks ? 1 : 0);
      }
    }
  }
}

// On target the live pages add 0 .. 0.19 m of jitter to the drawn distance; the
// other pages keep the distance as drawn.
TEST_P(BeaconPages, OnlyLivePagesJitterTheDistance) {
  for (auto [screens, highest] : {std::pair{std::vector{1, 2, 3, 38, 39, 40, 41}, 126.58L},
                                  std::pair{std::vector{0, 4, 17, 37, 42, 49}, 126.39L}}) {
    for (int screen : screens) {
      SCOPED_TRACE(screen);
      put(OnTarget);
      beacon.MenuState = screen;
      rig.random.top = true;
      beacon.Tracking.Timer3Timer();
      EXPECT_NEAR(beacon.Tracking.BeaconDistance, highest, 1e-9L);
      rig.random.top = false;
      beacon.Tracking.Timer3Timer();
      EXPECT_NEAR(beacon.Tracking.BeaconDistance, 126.30L, 1e-9L);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Levels, BeaconPages, ::testing::Values(1, 2, 3),
                         [](const auto& info) { return "Level" + std::to_string(info.param); });

}  // namespace
}  // namespace kestrom
