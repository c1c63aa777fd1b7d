#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <string>

#include "core/controls.h"
#include "qt/control_sync.h"
#include "qt/view_hub.h"

namespace kestrom {

class WindowModel;

// How an auxiliary window stands on the desktop and what it does when it opens.
struct AuxWindowStyle {
  Qt::WindowFlags flags = Qt::Window | Qt::MSWindowsFixedSizeDialogHint;
  bool centred = false;    // moved to the middle of the screen each time it opens
  bool raised = false;     // brought in front of the other windows when it opens
  bool activated = false;  // takes the keyboard when it opens

  // A plain window of fixed size that opens where it was put.
  static AuxWindowStyle tool() { return {}; }
  // A dialog box that opens in the middle of the screen, in front, with the keyboard.
  static AuxWindowStyle dialogBox() {
    return {Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint, true, true, true};
  }
  // A window with the desktop's usual frame that comes to the front with the keyboard.
  static AuxWindowStyle framed() { return {Qt::Window, false, true, true}; }
  // A borderless screen in the middle, above every other window, that leaves the
  // keyboard where it is.
  static AuxWindowStyle splash() {
    return {Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint, true, true,
            false};
  }
};

// Common frame of the auxiliary windows: fixed client size and caption from the
// model, shown and hidden as the model says, the close box forwarded to the
// model's Close(). Closing one of them never ends the program.
class AuxWindowBase : public QWidget, public ModelView {
 public:
  AuxWindowBase(WindowModel& model, ViewHub& hub, AuxWindowStyle style = AuxWindowStyle::tool());
  ~AuxWindowBase() override;

  void refreshFromModel() final;

 protected:
  // Re-reads the controls' state from the model.
  virtual void refreshControls() {}
  void closeEvent(QCloseEvent* event) override;
  // Runs an input event of the model, then lets every view catch up.
  template <class F>
  void forward(F&& modelEvent) {
    modelEvent();
    hub_.refreshAll();
  }
  // A 75 x 25 push button whose click, Space or Return runs `modelEvent`.
  template <class F>
  QPushButton* addButton(const char* text, F modelEvent, QWidget* parent = nullptr) {
    QPushButton* button = makeButton(text, parent ? parent : this);
    connect(button, &QPushButton::clicked, this, [this, modelEvent] { forward(modelEvent); });
    return button;
  }
  // A label showing `text` exactly, spaces included, under the same accessible name.
  QLabel* addLabel(const QString& text, QWidget* parent = nullptr);
  QLabel* addLabel(const std::string& text, QWidget* parent = nullptr);
  QLabel* addLabel(const char* text, QWidget* parent = nullptr);

  ViewHub& hub_;

 private:
  static QPushButton* makeButton(const char* text, QWidget* parent);
  void showWindow();

  WindowModel& window_;
  AuxWindowStyle style_;
};

}  // namespace kestrom
