#include "windows/bearing_window.h"

#include "core/number_format.h"
#include "setup/context.h"
#include "setup/setup_window.h"

namespace kestrom {

Tabw::Tabw(Context& ctx)
    : SimulatedWindow(ctx, WindowIndex::Bearing, "Antenna Bearing Window", 330, 140) {}

void Tabw::showBearing(Extended bearing) {
  Label1.Caption = fixed2(bearing);
}

void Tabw::FormClose() {
  ctx_.links().setupWindow().Azimuthwindow1.Checked = false;
}

}  // namespace kestrom
