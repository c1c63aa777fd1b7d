#pragma once

#include <QLabel>
#include <QPushButton>

#include "platform/qt/aux_window_base.h"

namespace kestrom {

class Tabw;

// Antenna bearing window: the bearing in large serif digits and "Close".
class BearingView : public AuxWindowBase {
 public:
  BearingView(Tabw& model, ViewHub& hub);

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
