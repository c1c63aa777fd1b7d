#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <string>

#include "core/controls.h"
#include "panels/common/station_panel.h"
#include "qt/colours.h"

namespace kestrom {

// Bold sans-serif, 13 pixels high: the display's font.
QFont displayFont();

// One text cell of the display. It sizes itself to its text, spaces included, and
// keeps its left edge (left cells) or its right edge (right cells) where it is.
// Character 127 is a signal-bar segment, drawn as a solid block one character wide.
// Accessible name: the text exactly as shown, read when asked; description: the
// cell name ("1L").
class DisplayCellWidget : public QWidget {
  Q_OBJECT
 public:
  DisplayCellWidget(Cell cell, int anchorX, int top, QWidget* parent);

  // Shows a caption in a colour; returns false when both were already on show.
  bool setContent(const std::string& caption, Color colour);
  const QString& text() const { return text_; }
  QColor textColour() const { return colour_; }

  // Width of a text in the display font, leading and trailing spaces counted.
  static int textWidth(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void relayout();

  bool rightAligned_;
  int anchorX_;
  int top_;
  QString text_;
  QColor colour_{Qt::black};
  bool shown_ = false;  // false until the first setContent
};

// One key of the front plate, drawn as a raised key cap with its legend.
// The accessible name is the legend; the accessible press action taps the key
// (tap()), which a slew key turns into one short slew step rather than a hold of
// however long the toolkit's animated click lasts. Tab reaches the key, a click
// does not take the focus, and Space presses the key with the focus; every other
// key goes on to the panel window.
class PanelKeyButton : public QAbstractButton {
  Q_OBJECT
 public:
  PanelKeyButton(PanelKey key, QWidget* parent);
  PanelKey key() const { return key_; }
  // Slew keys act while held; the others act on a click.
  bool actsWhileHeld() const { return key_ == PanelKey::Left || key_ == PanelKey::Right; }
  // A press without a hold: emits tapped() while the key is enabled.
  void tap();

 signals:
  void tapped();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  PanelKey key_;
};

// The in-lock lamp in its small black housing, always in sight: a grey lens with a
// rim while dark. Tooltip "Inlock Status LED"; accessible name its state ("in-lock
// lamp: green"), description "lit, lime", "unlit, black", ... Tab reaches it; the
// keys go on to the panel window.
class LampWidget : public QWidget {
  Q_OBJECT
 public:
  LampWidget(QSize lampSize, QWidget* parent);
  // Shows the lamp's state; returns false when nothing changed.
  bool setLamp(bool lit, Color shown);
  QColor shownColour() const { return toQColor(colour_); }
  bool isLit() const { return lit_; }
  QString spokenName() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSize lampSize_;
  bool lit_ = false;
  Color colour_ = clBlack;
  bool shown_ = false;
};

}  // namespace kestrom
