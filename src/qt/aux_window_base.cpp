#include "qt/aux_window_base.h"

#include "qt/colours.h"

#include <QCloseEvent>

#include "core/window_model.h"

namespace kestrom {

AuxWindowBase::AuxWindowBase(WindowModel& model, ViewHub& hub)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), hub_(hub), window_(model) {
  setWindowTitle(QString::fromStdString(model.Caption()));
  setFixedSize(model.Width, model.Height);
  setAttribute(Qt::WA_QuitOnClose, false);
  setAccessibleName(windowTitle());
  hub_.addView(this);
}

AuxWindowBase::~AuxWindowBase() {
  hub_.removeView(this);
}

void AuxWindowBase::refreshFromModel() {
  refreshControls();
  if (window_.Visible() != isVisible()) setVisible(window_.Visible());
}

void AuxWindowBase::closeEvent(QCloseEvent* event) {
  if (window_.Visible()) forward([this] { window_.Close(); });
  event->accept();
}

}  // namespace kestrom
