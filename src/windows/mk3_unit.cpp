#include "windows/mk3_unit.h"

namespace kestrom {

Tfix3::Tfix3(Simulator& sim)
    : WindowModel(sim, WindowIndex::Mk3Unit, "Kestrom Mk 3 Fix Control Data Unit", 556, 192) {}

}  // namespace kestrom
