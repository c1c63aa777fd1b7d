#include "platform/qt/aux_window_base.h"

#include <QCloseEvent>

#include "app/window_model.h"

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

QColor AuxWindowBase::qcolor(Color c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

QString AuxWindowBase::colourName(Color c) {
  switch (c) {
    case clLime:
      return QStringLiteral("lime");
    case clRed:
      return QStringLiteral("red");
    case clSilver:
      return QStringLiteral("silver");
    case clBlack:
      return QStringLiteral("black");
    case clBlue:
      return QStringLiteral("blue");
    case clWhite:
      return QStringLiteral("white");
    default:
      return qcolor(c).name();
  }
}

}  // namespace kestrom
