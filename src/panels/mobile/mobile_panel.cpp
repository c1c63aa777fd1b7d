#include "panels/mobile/mobile_panel.h"

namespace kestrom {

Tmobile::Tmobile(Simulator& sim)
    : StationPanel(sim, WindowIndex::Mobile, "Kestrom Mobile Extended Operating Panel (EOP)", 630,
                   438, 500, true) {}

}  // namespace kestrom
