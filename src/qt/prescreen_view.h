#pragma once

#include <QWidget>

#include "qt/aux_window_base.h"

namespace kestrom {

class TPreForm;

// The start picture: a shore station's dish sending its beam to a ship at sea.
class PrescreenPicture : public QWidget {
  Q_OBJECT
 public:
  explicit PrescreenPicture(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The borderless start screen with a raised edge, centred and above the other
// windows.
class PrescreenView : public AuxWindowBase {
  Q_OBJECT
 public:
  PrescreenView(TPreForm& model, ViewHub& hub);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  static constexpr int kEdge = 2;  // width of the raised edge
};

}  // namespace kestrom
