#pragma once

#include <QRect>

#include "qt/aux_window_base.h"
#include "qt/mk3_front_parts.h"

namespace kestrom {

class Tfix3;
struct Mk3Legend;

// The black front panel of the Mk 3 fix control data unit, for reference only.
class Mk3UnitView : public AuxWindowBase {
  Q_OBJECT
 public:
  Mk3UnitView(Tfix3& model, ViewHub& hub);

 protected:
  void refreshControls() override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void placeTexts();
  QLabel* placeLegend(const Mk3Legend& legend);
  void placeSlewKeys(const QLabel& slewLegend);
  void paintKeys(QPainter& p) const;

  Tfix3& model_;
  PanelLamp* lamp_ = nullptr;
  QRect leftKey_, rightKey_;  // slew keys, set under their legends
};

}  // namespace kestrom
