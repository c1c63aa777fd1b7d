#pragma once

#include "panels/fix/fix_panel.h"
#include "qt/panel_view.h"

namespace kestrom {

// The Fix station's basic operating panel window.
class FixPanelView : public PanelView {
  Q_OBJECT
 public:
  FixPanelView(Tfix& model, ViewHub& hub, QWidget* parent = nullptr);
};

}  // namespace kestrom
