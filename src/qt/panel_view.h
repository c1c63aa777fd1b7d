#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "panels/common/station_panel.h"
#include "qt/panel_accessibility.h"
#include "qt/panel_geometry.h"
#include "qt/panel_widgets.h"
#include "qt/view_hub.h"

namespace kestrom {

// The window of a station panel: draws the front plate laid out by a PanelGeometry
// and forwards every key, by mouse or keyboard, to the panel model.
//
// Mouse: digit and function keys act on a click; the slew keys press on mouse
// down and release on mouse up. Keyboard: 0-9, Delete or Backspace (DEL), N (NEXT),
// M (MENU), Return or Enter (ENTER), Left and Right held (slew), wherever the focus
// is in the window. A key held down acts once, however the platform reports its
// auto-repeat. Assistive tools press a key with its accessible press action, a
// tap: a slew key tapped turns the antenna by one slew step.
//
// Screen readers: the focus rests on the display (PanelDisplay), whose text is
// the four lines; Tab walks the keys and the lamp. A new screen is said whole,
// what a key typed or stepped on a screen is said, and so is each change of the
// lamp; live readings are not said as they change, R reads the display aloud.
class PanelView : public QWidget, public ModelView {
  Q_OBJECT
 public:
  PanelView(StationPanel& model, PanelGeometry geometry, ViewHub& hub, QWidget* parent = nullptr);
  ~PanelView() override;

  // Re-reads cells, lamp, caption and visibility; repaints only what changed.
  void refreshFromModel() override;

  const PanelGeometry& panelGeometry() const { return geometry_; }
  DisplayCellWidget* cellWidget(Cell c) const { return cells_[static_cast<int>(c)]; }
  PanelKeyButton* keyButton(PanelKey key) const;
  LampWidget* lampWidget() const { return lamp_; }
  PanelDisplay* displayWidget() const { return display_; }
  Announcer* announcer() const { return announcer_; }

  // Says the whole display as it is now (the R key).
  void readDisplayAloud();

 protected:
  // Drawn over the plate on every paint, below the cells and keys: a panel's live
  // dial goes here.
  virtual void paintExtra(QPainter& painter) { (void)painter; }

  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void addDialLabels(const DialFace& dial);
  void addCells();
  void addKeys();
  void orderTabs();
  // Tells screen readers what the refresh changed: a new screen, what a key
  // changed on the screen, the field a key moved the editing to, the lamp.
  void tellScreenReaders(const std::array<QString, kCellCount>& texts, LampSight lamp);
  // The cell of the field under edit, when it blinks.
  std::optional<Cell> editedCell() const;
  void press(PanelKey key);
  void release(PanelKey key);
  void tap(PanelKey key);
  // A slew key is held while the mouse or the keyboard holds it: the model hears
  // the first hold as a press and the last let-go as a release.
  bool isHeld(PanelKey key) const;
  void hold(PanelKey key, std::vector<PanelKey>& by);
  void letGo(PanelKey key, std::vector<PanelKey>& by);
  void letGoPendingKeys();
  // Lets go of every slew key still held, so that the antenna never turns on
  // after the window has lost the mouse or the keyboard.
  void releaseHeldKeys();
  // Lets go of the slew keys the keyboard holds: their releases go elsewhere now.
  void releaseKeyboardKeys();

  StationPanel& model_;
  PanelGeometry geometry_;
  ViewHub& hub_;
  std::array<DisplayCellWidget*, kCellCount> cells_{};
  std::vector<PanelKeyButton*> keys_;
  LampWidget* lamp_ = nullptr;
  PanelDisplay* display_ = nullptr;
  Announcer* announcer_ = nullptr;
  // What screen readers were last told of: the screen, its texts, the lamp; and
  // whether a key acted since.
  bool told_ = false;
  int toldScreen_ = 0;
  std::array<QString, kCellCount> toldTexts_;
  LampSight toldLamp_;
  std::optional<Cell> toldEdit_;
  bool keyActed_ = false;
  std::vector<PanelKey> heldByKeyboard_;
  std::vector<PanelKey> heldByMouse_;
  // Some platforms report a held key as release-press pairs not flagged as
  // auto-repeat: a keyboard let-go of a slew key waits briefly for such a press,
  // and a press stamped with the time of the release before it is a repeat.
  std::vector<PanelKey> pendingLetGo_;
  QTimer letGoTimer_;
  int lastReleasedKey_ = 0;
  quint64 lastReleaseTime_ = 0;
  QPixmap plate_;
};

}  // namespace kestrom
