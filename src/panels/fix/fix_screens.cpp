#include "panels/fix/fix_screens.h"

#include "panels/common/screen_shapes.h"

namespace kestrom {
namespace {

using S = SimulationState;
using namespace shape;
constexpr const StationSide& kOwn = kFixSide;

}  // namespace

// The Fix's own tree.
std::vector<Screen> fixScreens() {
  return {
      page(0, {"     (MAIN MENU FIX)", {}}, {"OPERATE", "WAKE-UP"}, {"MODIFY", "MOBILE"},
           {"MONITOR", "CONFIG"}),
      // MODIFY FIX and its F/A SELECT branch.
      modifyMenu(4, "     (MODIFY FIX)", "FRQ / ADDR", "LOCATION"),
      faSelectMenu(5, "   (F/A  SELECT)", "FIX"),
      frequencyPair(6, "FIX", "         MOB   FIX", kOwn, "ACTUAL FREQ:", kOwn.freq),
      addressCodes(7, "FIX", "RECVD FR MOB:", "SENT TO  MOB:", kOwn),
      frequencyAdjust(8, "MOB FREQ :", "FIX FREQ :", kOwn),
  };
}

}  // namespace kestrom
