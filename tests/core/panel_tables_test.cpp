// Every row of every panel's tables names screens that exist: a key, a NEXT page,
// a DEL parent, a key-in routine, a blink row or an ENTER row that points at no
// screen is a fault of the tables, found here rather than by a trainee.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "panels/beacon/beacon_panel.h"
#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "testing/fakes.h"

namespace kestrom {
namespace {

struct PanelUnderTest {
  const char* name;
  const PanelTables& tables;
};

bool exists(const PanelTables& t, int screen) {
  return t.findScreen(screen, 0) != nullptr;
}

void expectScreens(const PanelUnderTest& p, const std::vector<int>& screens, const char* what) {
  for (int n : screens)
    EXPECT_TRUE(exists(p.tables, n)) << p.name << ": " << what << " names screen " << n;
}

std::vector<PanelUnderTest> panels() {
  return {
      {"Mobile", mobilePanelTables()}, {"Fix", fixPanelTables()}, {"Beacon", beaconPanelTables()}};
}

TEST(PanelTables, EveryRowNamesScreensThatExist) {
  for (const PanelUnderTest& p : panels()) {
    const PanelTables& t = p.tables;
    for (const MenuRow& m : t.menus) {
      expectScreens(p, {m.screen}, "a menu row");
      for (const Move& k : m.keys) {
        if (k.screen >= 0) {
          expectScreens(p, {k.screen}, "a menu key");
          EXPECT_NE(t.findScreen(k.screen, k.variant), nullptr) << p.name << " " << k.screen;
        }
      }
    }
    for (const PageRow& r : t.pages) {
      expectScreens(p, {r.screen}, "a NEXT row");
      if (r.next.screen >= 0) {
        expectScreens(p, {r.next.screen}, "a NEXT page");
        EXPECT_NE(t.findScreen(r.next.screen, r.next.variant), nullptr)
            << p.name << " NEXT to " << r.next.screen << " variant " << r.next.variant;
      }
    }
    for (const DelRow& r : t.del) {
      expectScreens(p, r.screens, "a DEL row");
      if (r.rule.kind == DelRule::Kind::AsMenu) continue;
      expectScreens(p, {r.rule.parent}, "a DEL parent");
      if (r.rule.kind != DelRule::Kind::Replay) continue;
      // The replayed key leads somewhere from the parent.
      EXPECT_FALSE(t.findMenuKey(r.rule.parent, r.rule.key).none())
          << p.name << ": DEL replays key " << r.rule.key << " on " << r.rule.parent;
    }
    for (const KeyInBinding& b : t.keyIn) expectScreens(p, b.screens, b.routine.name);
    for (const BlinkRow& b : t.blink) expectScreens(p, b.screens, "a blink row");
    for (const EnterRow& e : t.enter) expectScreens(p, e.screens, "an ENTER row");
    for (const FieldCycleRow& f : t.fieldCycles) expectScreens(p, f.screens, "a NEXT field row");
  }
}

// A screen is named by at most one row of a kind, so the first match is the only one.
TEST(PanelTables, NoScreenHasTwoRowsOfOneKind) {
  for (const PanelUnderTest& p : panels()) {
    const PanelTables& t = p.tables;
    auto once = [&](const char* what, auto rows, auto screensOf) {
      std::set<int> seen;
      for (const auto& r : rows)
        for (int n : screensOf(r))
          EXPECT_TRUE(seen.insert(n).second) << p.name << ": two " << what << " rows for " << n;
    };
    once("key-in", t.keyIn, [](const KeyInBinding& b) { return b.screens; });
    once("ENTER", t.enter, [](const EnterRow& e) { return e.screens; });
    once("DEL", t.del, [](const DelRow& d) { return d.screens; });
    once("NEXT field", t.fieldCycles, [](const FieldCycleRow& f) { return f.screens; });
    std::set<std::pair<int, int>> screens;
    for (const Screen& s : t.screens)
      EXPECT_TRUE(screens.insert({s.number, s.variant}).second)
          << p.name << ": screen " << s.number << " twice";
  }
}

}  // namespace
}  // namespace kestrom
