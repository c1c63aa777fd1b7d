#include "panels/beacon/beacon_screens.h"

#include "panels/common/screen_shapes.h"

namespace kestrom {

using namespace shape;

std::vector<Screen> beaconScreens() {
  std::vector<Screen> v;
  v.push_back(page(0, {" (MAIN MENU BEACON)", {}}, {"OPERATE", "WAKE-UP"}, {"MODIFY", "MOB"},
                   {"MONITOR", "CONFIG"}));
  return v;
}

}  // namespace kestrom
