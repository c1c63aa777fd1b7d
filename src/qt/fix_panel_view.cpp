#include "qt/fix_panel_view.h"

namespace kestrom {

FixPanelView::FixPanelView(Tfix& model, ViewHub& hub, QWidget* parent)
    : PanelView(model, fixPanelGeometry(), hub, parent) {}

}  // namespace kestrom
