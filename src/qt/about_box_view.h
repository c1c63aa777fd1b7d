#pragma once

#include <QAbstractButton>

#include "qt/aux_window_base.h"

class QFrame;
class QLabel;
class QPushButton;

namespace kestrom {

class TAboutBox;

// The program icon as a picture that takes clicks, drawn stretched to its size.
class ProgramIconButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit ProgramIconButton(QWidget* parent = nullptr);
  QSize sizeHint() const override { return {64, 64}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The about box: program icon, product name, version and OK.
class AboutBoxView : public AuxWindowBase {
  Q_OBJECT
 public:
  AboutBoxView(TAboutBox& model, ViewHub& hub);

  ProgramIconButton* programIcon() const { return icon_; }
  QPushButton* okButton() const { return ok_; }

 private:
  QFrame* buildPanel();

  TAboutBox& model_;
  ProgramIconButton* icon_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace kestrom
