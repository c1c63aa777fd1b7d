#pragma once

#include <QLabel>
#include <QPushButton>

#include "qt/aux_window_base.h"

namespace kestrom {

class Taiddisplay;

// The dial of the Fix AID display, drawn from the model on every paint.
class AidDialWidget : public QWidget {
 public:
  AidDialWidget(const Taiddisplay& model, QWidget* parent);
  // Screen-reader text: the antenna direction, the sector and the lock lines.
  QString describe() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Taiddisplay& model_;
};

// A round lamp in the colour the model's StatusLight shows.
class AidLampWidget : public QWidget {
 public:
  AidLampWidget(const StatusLight& light, QWidget* parent);
  void refresh();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const StatusLight& light_;
};

// Fix AID display window: dial, labels, in-lock lamp and "Close".
class AidDisplayView : public AuxWindowBase {
 public:
  AidDisplayView(Taiddisplay& model, ViewHub& hub);

  AidDialWidget* dial() const { return dial_; }
  AidLampWidget* lamp() const { return lamp_; }
  QPushButton* closeButton() const { return close_; }

 protected:
  void refreshControls() override;

 private:
  void placeLabel(const char* text, QRect where, Qt::Alignment align);

  Taiddisplay& model_;
  AidDialWidget* dial_;
  AidLampWidget* lamp_;
  QPushButton* close_;
};

}  // namespace kestrom
