#pragma once

#include <QLabel>
#include <QPushButton>

#include "qt/aux_window_base.h"
#include "qt/panel_accessibility.h"

namespace kestrom {

class Taiddisplay;

// The dial of the Fix AID display, drawn from the model on every paint. To
// screen readers a dial named by what it shows now ("antenna bearing 180.00
// degrees, scanning 200 to 250"), read when asked. Tab reaches it.
class AidDialWidget : public QWidget {
  Q_OBJECT
 public:
  AidDialWidget(const Taiddisplay& model, QWidget* parent);
  // Screen-reader text: the antenna direction, the sector and the lock lines.
  QString describe() const;
  // The antenna's bearing and the autosearch sector, as a screen reader says them.
  QString spokenName() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Taiddisplay& model_;
};

// A round lamp in the colour the model's StatusLight shows. To screen readers an
// indicator named by its state ("in-lock lamp: green"). Tab reaches it.
class AidLampWidget : public QWidget {
  Q_OBJECT
 public:
  AidLampWidget(const StatusLight& light, QWidget* parent);
  // Shows the light's state; true when it changed.
  bool refresh();
  LampSight sight() const;
  QString spokenName() const { return lampName(sight()); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const StatusLight& light_;
};

// Fix AID display window: dial, labels, in-lock lamp and "Close". While it is the
// active window, a change of its lamp is said to screen readers.
class AidDisplayView : public AuxWindowBase {
 public:
  AidDisplayView(Taiddisplay& model, ViewHub& hub);

  AidDialWidget* dial() const { return dial_; }
  AidLampWidget* lamp() const { return lamp_; }
  QPushButton* closeButton() const { return close_; }
  Announcer* announcer() const { return announcer_; }

 protected:
  void refreshControls() override;

 private:
  void placeLabel(const char* text, QRect where, Qt::Alignment align);

  Taiddisplay& model_;
  AidDialWidget* dial_;
  AidLampWidget* lamp_;
  QPushButton* close_;
  Announcer* announcer_;
  LampSight toldLamp_;
};

}  // namespace kestrom
