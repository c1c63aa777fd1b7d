#pragma once

#include <QPainter>

#include "qt/panel_geometry.h"

namespace kestrom {

// Paints everything of a front plate that never changes: the plate with its edge
// bars, the display window, the legend strips, the key-group outlines, the logo and
// an empty antenna dial. Cells, keys and the lamp are widgets of their own.
void paintPlate(QPainter& p, const PanelGeometry& g);

}  // namespace kestrom
