#include "panels/beacon/beacon_key_in.h"

#include "panels/common/key_in_catalogue.h"

namespace kestrom {

const std::vector<KeyInBinding>& beaconKeyIn() {
  static const std::vector<KeyInBinding> table = {};
  return table;
}

}  // namespace kestrom
