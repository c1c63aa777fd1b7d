#pragma once

#include <QColor>
#include <QWidget>

#include "core/controls.h"
#include "qt/view_hub.h"

namespace kestrom {

class WindowModel;

// Common frame of the auxiliary windows: fixed client size and caption from the
// model, shown and hidden as the model says, the close box forwarded to the
// model's Close(). Closing one of them never ends the program.
class AuxWindowBase : public QWidget, public ModelView {
 public:
  AuxWindowBase(WindowModel& model, ViewHub& hub);
  ~AuxWindowBase() override;

  void refreshFromModel() final;

 protected:
  // Re-reads the controls' state from the model.
  virtual void refreshControls() = 0;
  void closeEvent(QCloseEvent* event) override;
  // Runs an input event of the model, then lets every view catch up.
  template <class F>
  void forward(F&& modelEvent) {
    modelEvent();
    hub_.refreshAll();
  }

  ViewHub& hub_;

 private:
  WindowModel& window_;
};

}  // namespace kestrom
