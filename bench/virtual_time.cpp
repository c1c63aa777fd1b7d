// How fast virtual time runs: one simulated hour of the Mk 4 fix scenario with
// every window shown (so every window's timers run), the Mobile in AUTOSEARCH
// and the telegram output on, driven by the scheduler alone.
//
//   virtual_time [--hours N]     (default 1)
//
// Prints the CPU time used, the ratio of simulated to CPU time, the scheduler's
// ticks and the telegrams written.
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "panels/fix/fix_panel.h"
#include "panels/mobile/mobile_panel.h"
#include "setup/setup_window.h"
#include "simulator/simulator.h"
#include "testing/fakes.h"
#include "testing/press_keys.h"
#include "windows/aid_display.h"
#include "windows/alignment_window.h"
#include "windows/bearing_window.h"
#include "windows/config_view.h"
#include "windows/distance_adjust.h"

using namespace kestrom;

namespace {

double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Every window of the scenario on show, the Mobile searching and the output on.
void prepare(testing::Rig& rig) {
  Simulator& sim = rig.sim;
  rig.advance(6000);  // past the prescreen
  for (WindowModel* w :
       {static_cast<WindowModel*>(&sim.mobilePanel()), static_cast<WindowModel*>(&sim.fixPanel()),
        static_cast<WindowModel*>(&sim.aidDisplay()),
        static_cast<WindowModel*>(&sim.bearingWindow()),
        static_cast<WindowModel*>(&sim.distanceAdjust()),
        static_cast<WindowModel*>(&sim.configView()),
        static_cast<WindowModel*>(&sim.alignmentWindow())})
    w->Show();
  SimulationState& s = rig.state();
  s.MobileScanLimitLeft = "0";
  s.MobileScanLimitRight = "359";
  s.FixAzimuth = 200;
  testing::pressKeys(sim.mobilePanel(), "M241EM1");  // AUTOSEARCH, then OPERATE
  sim.setupWindow().Serial.comportClick(true);
}

}  // namespace

int main(int argc, char* argv[]) {
  double hours = 1;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--hours") && i + 1 < argc) {
      hours = std::atof(argv[++i]);
    } else {
      std::fprintf(stderr, "usage: %s [--hours N]\n", argv[0]);
      return 2;
    }
  }
  testing::Rig rig;
  prepare(rig);
  const bool searching = rig.state().MobileOperatingMode == text::AutoSearch;
  const std::int64_t simulatedMs = static_cast<std::int64_t>(hours * 3600000);
  const double before = cpuSeconds();
  for (std::int64_t t = 0; t < simulatedMs; t += 1000) rig.advance(1000);
  const double used = cpuSeconds() - before;
  std::printf("simulated        %.0f s (Mobile %s, output %s)\n", simulatedMs / 1000.0,
              searching ? "in AUTOSEARCH" : "NOT searching",
              rig.sim.setupWindow().Serial.Sending() ? "on" : "OFF");
  std::printf("CPU used         %.3f s\n", used);
  std::printf("simulated / CPU  %.0f x\n", simulatedMs / 1000.0 / used);
  std::printf("telegrams        %zu\n", rig.serial.writes.size());
  std::printf("in lock at end   %d\n", rig.state().InLock);
  return 0;
}
