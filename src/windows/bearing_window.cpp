#include "windows/bearing_window.h"

#include "core/number_format.h"
#include "simulator/simulator.h"
#include "setup/setup_window.h"

namespace kestrom {

Tabw::Tabw(Simulator& sim)
    : WindowModel(sim, WindowIndex::Bearing, "Antenna Bearing Window", 330, 140) {}

void Tabw::showBearing(Extended bearing) {
  Label1.Caption = fixed2(bearing);
}

void Tabw::FormClose() {
  sim_.setupWindow().Azimuthwindow1.Checked = false;
}

}  // namespace kestrom
