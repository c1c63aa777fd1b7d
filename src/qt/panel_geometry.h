#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "panels/common/station_panel.h"

namespace kestrom {

// Where one key of the front plate lies.
struct KeyPlace {
  PanelKey key;
  QRect rect;
};

// A strip of menu-item numbers beside display lines 2, 3 and 4.
struct LegendStrip {
  QRect rect;
  std::array<QString, 3> digits;
};

// A text beside a dial, placed by an anchor point and the side it hangs from.
struct DialLabel {
  QString text;
  QPoint anchor;
  Qt::Alignment align;  // how the text sits relative to the anchor
};

// An antenna dial on its own light window of the plate.
struct DialFace {
  QRect window;  // the light inset the dial is drawn on
  QRect circle;  // bounding box of the dial circle
  std::vector<DialLabel> labels;
};

// The layout of one station's front plate, in client pixels.
struct PanelGeometry {
  QSize client;
  std::optional<QPoint> windowPos;  // top-left of the window frame, when fixed

  QRect display;       // the grey display window
  int cellLeftX = 0;   // left edge of the left cells
  int cellRightX = 0;  // right edge of the right cells
  std::array<int, 4> lineTops{};

  std::vector<KeyPlace> keys;
  LegendStrip leftLegend;
  LegendStrip rightLegend;
  QRect logo;
  QString subtitle;     // small line under the wordmark
  QString displayName;  // what screen readers call the display: "Fix display"
  QRect lampPanel;      // the black housing of the lamp, beside the logo
  QSize lampSize{13, 13};
  std::vector<QRect> keyGroups;  // outlines drawn around groups of keys
  std::optional<DialFace> dial;

  // The rect of a key; an empty rect when the plate has no such key.
  QRect keyRect(PanelKey key) const;
};

// The Fix station's basic operating panel.
PanelGeometry fixPanelGeometry();
// The Mobile station's extended operating panel: the same plate moved to the right
// of an antenna dial.
PanelGeometry mobilePanelGeometry();
// The Beacon's basic operating panel: the Fix plate two pixels to the right.
PanelGeometry beaconPanelGeometry();

}  // namespace kestrom
