#include "windows/aid_display.h"

namespace kestrom {

Taiddisplay::Taiddisplay(Simulator& sim)
    : WindowModel(sim, WindowIndex::AidDisplay, "Fix AID Display", 172, 222) {}

}  // namespace kestrom
