#pragma once

#include <QRectF>
#include <optional>

#include "panels/mobile/mobile_dial.h"
#include "panels/mobile/mobile_panel.h"
#include "qt/panel_view.h"

namespace kestrom {

// Compass angles (0 up, clockwise) of the scan arc the dial draws: from `start`
// clockwise through `span` degrees (0 < span <= 360).
struct ScanArcAngles {
  double start = 0;
  double span = 0;
};

// The sector the antenna sweeps, from the ray toward the left limit's point
// clockwise to the ray toward the right limit's point. Equal limits turn the
// antenna all round: the whole circle. Empty while the picture has no arc.
std::optional<ScanArcAngles> scanArcAngles(const MobileDialPicture& picture);

// The Mobile station's extended operating panel window: the front plate with its
// antenna dial, drawn from the model on every paint.
class MobilePanelView : public PanelView {
  Q_OBJECT
 public:
  MobilePanelView(Tmobile& model, ViewHub& hub, QWidget* parent = nullptr);

  // Also repaints the dial when the antenna, its beam or the scan arc moved.
  void refreshFromModel() override;

  // The accessible object standing for the dial ("Antenna").
  QWidget* dialWidget() const { return dial_; }
  // What the dial tells a screen reader when asked: bearing, scan sector, beam.
  QString dialDescription() const;

 protected:
  void paintExtra(QPainter& painter) override;

 private:
  QRect dialUpdateRect() const;

  Tmobile& mobile_;
  DialStandIn* dial_ = nullptr;
  std::optional<MobileDialPicture> lastPainted_;
};

}  // namespace kestrom
