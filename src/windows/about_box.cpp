#include "windows/about_box.h"

namespace kestrom {

TAboutBox::TAboutBox(Simulator& sim)
    : WindowModel(sim, WindowIndex::About, "Kestrom MK4 Simulator Aboutbox", 298, 210) {}

}  // namespace kestrom
