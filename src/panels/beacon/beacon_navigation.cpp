#include "panels/beacon/beacon_navigation.h"

namespace kestrom {

std::vector<MenuRow> beaconMenus() {
  return {};
}

std::vector<FieldCycleRow> beaconFieldCycles() {
  return {};
}

std::vector<PageRow> beaconPages() {
  return {};
}

std::vector<DelRow> beaconDelRows() {
  return {};
}

}  // namespace kestrom
