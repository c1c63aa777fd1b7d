#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>

#include "qt/aux_window_base.h"

namespace kestrom {

class Tafstmenu;

// Distance adjust window: a vertical slider whose top end is 3000 m, a bar
// showing the distance, "Increase  ", "Decrease" and "Close".
class DistanceAdjustView : public AuxWindowBase {
 public:
  DistanceAdjustView(Tafstmenu& model, ViewHub& hub);

  QLabel* distanceLabel() const { return distance_; }
  QSlider* slider() const { return slider_; }
  QProgressBar* bar() const { return bar_; }
  QPushButton* increaseButton() const { return increase_; }
  QPushButton* decreaseButton() const { return decrease_; }
  QPushButton* closeButton() const { return close_; }

 protected:
  void refreshControls() override;

 private:
  QLayout* buildReadout();
  QLayout* buildScales();
  QSlider* buildSlider();

  Tafstmenu& model_;
  QLabel* distance_;
  QSlider* slider_;
  QProgressBar* bar_;
  QPushButton* increase_;
  QPushButton* decrease_;
  QPushButton* close_;
};

}  // namespace kestrom
