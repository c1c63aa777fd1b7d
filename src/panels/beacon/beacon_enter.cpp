#include "panels/beacon/beacon_enter.h"

#include "panels/beacon/beacon_panel.h"

namespace kestrom {

std::vector<EnterRow> beaconEnterRows() {
  return {};
}

}  // namespace kestrom
