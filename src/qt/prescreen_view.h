#pragma once

#include <QFrame>
#include <QWidget>

#include "qt/view_hub.h"

class QLabel;

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

// The borderless start screen, centred and above the other windows.
class PrescreenView : public QFrame, public ModelView {
  Q_OBJECT
 public:
  PrescreenView(TPreForm& model, ViewHub& hub);
  ~PrescreenView() override;

  void refreshFromModel() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  TPreForm& model_;
  ViewHub& hub_;
  QLabel* productName_;
  QLabel* version_;
};

}  // namespace kestrom
