#include "windows/config_view.h"

namespace kestrom {

Tconfigview::Tconfigview(Simulator& sim)
    : WindowModel(sim, WindowIndex::ConfigView, "Config View", 220, 210) {}

}  // namespace kestrom
