#pragma once

#include <QAbstractButton>
#include <QWidget>

#include "qt/view_hub.h"

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
class AboutBoxView : public QWidget, public ModelView {
  Q_OBJECT
 public:
  AboutBoxView(TAboutBox& model, ViewHub& hub);
  ~AboutBoxView() override;

  void refreshFromModel() override;

  ProgramIconButton* programIcon() const { return icon_; }
  QPushButton* okButton() const { return ok_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  TAboutBox& model_;
  ViewHub& hub_;
  ProgramIconButton* icon_;
  QLabel* productName_;
  QLabel* productTitle_;
  QLabel* version_;
  QLabel* versionNumber_;
  QPushButton* ok_;
};

}  // namespace kestrom
