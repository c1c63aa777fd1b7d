#pragma once

#include "panels/beacon/beacon_panel.h"
#include "qt/panel_view.h"

namespace kestrom {

// The Beacon's basic operating panel window.
class BeaconPanelView : public PanelView {
  Q_OBJECT
 public:
  BeaconPanelView(Tbeacon& model, ViewHub& hub, QWidget* parent = nullptr);
};

}  // namespace kestrom
