#include "qt/beacon_panel_view.h"

namespace kestrom {

BeaconPanelView::BeaconPanelView(Tbeacon& model, ViewHub& hub, QWidget* parent)
    : PanelView(model, beaconPanelGeometry(), hub, parent) {}

}  // namespace kestrom
