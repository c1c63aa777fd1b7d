#include "qt/aux_window_base.h"

#include <QCloseEvent>

#include "core/window_model.h"
#include "qt/screen_centre.h"

namespace kestrom {

AuxWindowBase::AuxWindowBase(WindowModel& model, ViewHub& hub, AuxWindowStyle style)
    : QWidget(nullptr, style.flags), hub_(hub), window_(model), style_(style) {
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
  if (window_.Visible() == isVisible()) return;
  if (window_.Visible()) {
    showWindow();
  } else {
    hide();
  }
}

void AuxWindowBase::showWindow() {
  if (style_.centred) centreOnScreen(*this);
  show();
  if (style_.raised) raise();
  if (style_.activated) activateWindow();
}

void AuxWindowBase::closeEvent(QCloseEvent* event) {
  if (window_.Visible()) forward([this] { window_.Close(); });
  event->accept();
}

QPushButton* AuxWindowBase::makeButton(const char* text, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(text), parent);
  button->setFixedSize(75, 25);
  button->setAccessibleName(button->text());
  button->setAutoDefault(true);  // Return presses it when focused, as Space does
  return button;
}

QLabel* AuxWindowBase::addLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent ? parent : this);
  label->setTextFormat(Qt::PlainText);  // keep every space of the texts
  label->setAccessibleName(text);
  return label;
}

QLabel* AuxWindowBase::addLabel(const std::string& text, QWidget* parent) {
  return addLabel(QString::fromStdString(text), parent);
}

QLabel* AuxWindowBase::addLabel(const char* text, QWidget* parent) {
  return addLabel(QString::fromUtf8(text), parent);
}

}  // namespace kestrom
