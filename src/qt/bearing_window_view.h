#pragma once

#include <QLabel>
#include <QPushButton>

#include "qt/aux_window_base.h"

namespace kestrom {

class Tabw;

// Antenna bearing window: the bearing in large serif digits and "Close".
class BearingWindowView : public AuxWindowBase {
 public:
  BearingWindowView(Tabw& model, ViewHub& hub);

  QLabel* bearingLabel() const { return label_; }
  QPushButton* closeButton() const { return close_; }

 protected:
  void refreshControls() override;

 private:
  Tabw& model_;
  QLabel* label_;
  QPushButton* close_;
};

}  // namespace kestrom
