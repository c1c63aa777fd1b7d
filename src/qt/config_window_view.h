#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <array>

#include "qt/aux_window_base.h"

namespace kestrom {

class Tconfigview;

// Config view: the five lock conditions, each with its "OK" box, and "Close".
class ConfigWindowView : public AuxWindowBase {
 public:
  ConfigWindowView(Tconfigview& model, ViewHub& hub);

  // Box of row 1..5.
  QCheckBox* box(int row) const { return boxes_.at(row - 1); }
  QPushButton* closeButton() const { return close_; }

 protected:
  void refreshControls() override;

 private:
  Tconfigview& model_;
  std::array<QCheckBox*, 5> boxes_{};
  QPushButton* close_;
};

}  // namespace kestrom
