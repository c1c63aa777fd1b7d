#include "qt/bearing_window_view.h"

#include "windows/bearing_window.h"

namespace kestrom {

BearingWindowView::BearingWindowView(Tabw& model, ViewHub& hub) : AuxWindowBase(model, hub), model_(model) {
  label_ = new QLabel(this);
  QFont big;
  big.setFamilies(
      {QStringLiteral("Times New Roman"), QStringLiteral("DejaVu Serif"), QStringLiteral("serif")});
  big.setStyleHint(QFont::Serif);
  big.setPixelSize(64);
  label_->setFont(big);
  label_->setGeometry(8, 0, width() - 16, 90);
  label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  close_ = new QPushButton(QStringLiteral("Close"), this);
  close_->setGeometry((width() - 75) / 2, height() - 37, 75, 25);
  close_->setAccessibleName(close_->text());
  close_->setAutoDefault(true);  // Return presses it when focused, as Space does
  connect(close_, &QPushButton::clicked, this,
          [this] { forward([this] { model_.BitBtn1Click(); }); });

  BearingWindowView::refreshControls();
}

void BearingWindowView::refreshControls() {
  QString text = QString::fromStdString(model_.Label1.Caption);
  if (label_->text() != text) {
    label_->setText(text);
    label_->setAccessibleName(text);
  }
}

}  // namespace kestrom
